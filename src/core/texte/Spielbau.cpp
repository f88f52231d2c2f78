// A translated copy of the game folder: every file as it is, the scripts' texts translated.
#include "Spielbau.h"

#include "Spieltexte.h"
#include "roomfile/ItemSkript.h"
#include "roomfile/RoomFile.h"
#include "roomfile/TextFile.h"
#include "spiel/Spielpruefung.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <filesystem>

namespace {

Skript* skriptBei(Module1& m, const RoomFile::SkriptOrt& ort)
{
    using Art = RoomFile::SkriptOrt::Art;
    switch (ort.art) {
    case Art::Start:
        return &m.StartSkript;
    case Art::Timer:
        return &m.TimerSkript;
    case Art::HotSpot:
        if (ort.hotSpot < 0 || ort.hotSpot > m.HotSpotMax || ort.aktion < 0 ||
            ort.aktion >= HotSpot::Aktionen)
            return nullptr;
        return &m.HotSpots[ort.hotSpot].Skripte[ort.aktion];
    }
    return nullptr;
}

/// The texts of script `s` translated into `ziel`; whether any was.
bool skriptUebersetzen(const Skript& s, Skript& ziel, const Uebersetzung& u)
{
    bool geaendert = false;
    for (qint32 z = 0; z <= s.MaxZeile && z <= ziel.MaxZeile; ++z) {
        const QVector<Textteil> teile = Spieltexte::teile(s.Befehl[z], s.Parameter[z]);
        if (teile.isEmpty())
            continue;
        QStringList neu;
        bool hier = false;
        for (const Textteil& t : teile) {
            const QString alt = s.Parameter[z].mid(t.anfang, t.laenge);
            const QString* text = u.spieltext(Spieltexte::alsMsgid(alt));
            neu << (text ? *text : alt);
            hier = hier || (text && *text != alt);
        }
        if (hier) {
            ziel.Parameter[z] = Spieltexte::ersetzt(s.Parameter[z], teile, neu);
            geaendert = true;
        }
    }
    return geaendert;
}

/// A relative path as the checking service names the game's files.
QString spielName(const QString& relativ)
{
    const QStringList teile = relativ.split(QLatin1Char('/'));
    if (teile.size() != 2)
        return {};
    const QString ordner = teile[0].toLower();
    if (ordner != QLatin1String("rooms") && ordner != QLatin1String("items"))
        return {};
    return QDir::toNativeSeparators(ordner + QLatin1Char('/') + teile[1]);
}

struct Kopie
{
    const Spielpruefung& spiel;
    const Uebersetzung& uebersetzung;
    Spielbau::Ergebnis& ergebnis;
    const std::atomic<bool>* abbrechen;

    /// Whether the build was stopped; it then fails, and the hidden folder goes with it.
    bool abgebrochen()
    {
        if (!abbrechen || !*abbrechen)
            return false;
        fehler(QStringLiteral("Der Bau ist abgebrochen"));
        return true;
    }

    bool fehler(const QString& text)
    {
        ergebnis.art = Spielbau::Ergebnis::Art::Fehler;
        ergebnis.fehler = text;
        return false;
    }

    bool datei(const QFileInfo& quelle, const QString& ziel, const QString& relativ)
    {
        const QString name = spielName(relativ);
        const auto d = name.isEmpty() ? nullptr : spiel.datei(name);
        if (!d) {
            // The system's own copy, the permissions with it (a game program stays executable).
            std::error_code fehlerCode;
            std::filesystem::copy_file(quelle.filePath().toStdU16String(), ziel.toStdU16String(),
                                       fehlerCode);
            if (fehlerCode)
                return fehler(QStringLiteral("%1 kann nicht kopiert werden")
                                  .arg(QDir::toNativeSeparators(quelle.filePath())));
            return true;
        }
        const std::optional<QByteArray> bytes = TextFile::read(quelle.filePath());
        if (!bytes)
            return fehler(QStringLiteral("%1 kann nicht gelesen werden")
                              .arg(QDir::toNativeSeparators(quelle.filePath())));
        // What the service knows may be older than the disk: the bytes copied are read.
        auto fakten = d;
        if (!d->ausBytes(*bytes))
            fakten = d->raum ? SpielDatei::raumLesen(name, &*bytes)
                             : SpielDatei::itemSkriptLesen(name, &*bytes);
        const QByteArray neu = Spielbau::uebersetzt(*fakten, *bytes, uebersetzung);
        // Into a folder nobody sees before it is complete: the rename at the end makes the
        // game appear whole, so the file is not synced on its own as a save in place must be.
        QFile datei(ziel);
        if (!datei.open(QIODevice::WriteOnly | QIODevice::NewOnly) ||
            datei.write(neu) != neu.size() || !datei.flush())
            return fehler(QStringLiteral("%1 kann nicht geschrieben werden")
                              .arg(QDir::toNativeSeparators(ziel)));
        datei.close();
        if (!QFile::setPermissions(ziel, quelle.permissions()))
            return fehler(QStringLiteral("%1 kann nicht geschrieben werden")
                              .arg(QDir::toNativeSeparators(ziel)));
        return true;
    }

    bool ordner(const QString& quelle, const QString& ziel, const QString& relativ)
    {
        const QFileInfoList eintraege = QDir(quelle).entryInfoList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
        for (const QFileInfo& e : eintraege) {
            const QString rel =
                relativ.isEmpty() ? e.fileName() : relativ + QLatin1Char('/') + e.fileName();
            const QString nach = ziel + QLatin1Char('/') + e.fileName();
            if (abgebrochen())
                return false;
            if (relativ.isEmpty() && (e.fileName() == QLatin1String(".git") ||
                                      e.fileName() == QLatin1String("uebersetzungen")))
                continue;
            if (e.isSymLink()) {
                // Copied as the link it is: it is never followed out of the game.
                std::error_code fehlerCode;
                const std::filesystem::path pfad = e.filePath().toStdU16String();
                const auto wohin = std::filesystem::read_symlink(pfad, fehlerCode);
                const std::filesystem::path neu = nach.toStdU16String();
                if (!fehlerCode) {
                    if (e.isDir())
                        std::filesystem::create_directory_symlink(wohin, neu, fehlerCode);
                    else
                        std::filesystem::create_symlink(wohin, neu, fehlerCode);
                }
                if (fehlerCode)
                    return fehler(QStringLiteral("Die Verknüpfung %1 kann nicht kopiert werden")
                                      .arg(QDir::toNativeSeparators(e.filePath())));
            } else if (e.isDir()) {
                if (!QDir().mkdir(nach) || !ordner(e.filePath(), nach, rel))
                    return ergebnis.art == Spielbau::Ergebnis::Art::Fehler
                               ? false
                               : fehler(QStringLiteral("Der Ordner %1 kann nicht angelegt "
                                                       "werden")
                                            .arg(QDir::toNativeSeparators(nach)));
                QFile::setPermissions(nach, e.permissions());
            } else if (e.isFile()) {
                if (!datei(e, nach, rel))
                    return false;
            } else {
                ergebnis.hinweise << QStringLiteral("%1 ist keine gewöhnliche Datei und wird "
                                                    "nicht kopiert")
                                         .arg(QDir::toNativeSeparators(rel));
            }
        }
        return true;
    }
};

} // namespace

namespace Spielbau {

QString zielPruefen(const QString& spielordner, const QString& ziel)
{
    // "englisch/" names the folder "englisch" as well.
    const QFileInfo info(QDir::cleanPath(ziel));
    if (ziel.isEmpty())
        return QStringLiteral("Es ist kein Zielordner angegeben");
    if (info.exists() || info.isSymLink())
        return QStringLiteral("%1 gibt es schon: das übersetzte Spiel kommt in einen neuen Ordner")
            .arg(QDir::toNativeSeparators(info.absoluteFilePath()));
    const QString oben = QFileInfo(info.absolutePath()).canonicalFilePath();
    if (oben.isEmpty())
        return QStringLiteral("Den Ordner %1, in den %2 kommen soll, gibt es nicht")
            .arg(QDir::toNativeSeparators(info.absolutePath()), info.fileName());
    const QString spiel = QFileInfo(spielordner).canonicalFilePath();
    if (oben == spiel || oben.startsWith(spiel + QLatin1Char('/')))
        return QStringLiteral("%1 liegt im Spielordner: das Spiel kann nicht in sich selbst "
                              "kopiert werden")
            .arg(QDir::toNativeSeparators(info.absoluteFilePath()));
    return {};
}

QByteArray uebersetzt(const SpielDatei& d, const QByteArray& bytes,
                      const Uebersetzung& uebersetzung)
{
    if (!d.vollstaendig)
        return bytes;
    if (d.raum) {
        Module1 raum;
        if (!RoomFile::lesen(bytes, raum).vollstaendig)
            return bytes;
        bool geaendert = false;
        for (const SpielDatei::SkriptDaten& s : d.skripte)
            if (Skript* ziel = skriptBei(raum, s.ort))
                geaendert = skriptUebersetzen(s.skript, *ziel, uebersetzung) || geaendert;
        return geaendert ? RoomFile::schreiben(raum) : bytes;
    }
    if (d.skripte.isEmpty())
        return bytes;
    Skript skript = d.skripte.first().skript;
    return skriptUebersetzen(d.skripte.first().skript, skript, uebersetzung)
               ? ItemSkript::schreiben(skript)
               : bytes;
}

Ergebnis poLesen(const QString& pfad, PoDatei& po)
{
    Ergebnis e;
    const std::optional<QByteArray> bytes = TextFile::read(pfad);
    if (!bytes) {
        e.fehler =
            QStringLiteral("%1 kann nicht gelesen werden").arg(QDir::toNativeSeparators(pfad));
        return e;
    }
    PoFehler fehler;
    std::optional<PoDatei> gelesen = PoDatei::lesen(*bytes, fehler);
    if (!gelesen) {
        e.art = Ergebnis::Art::Abgelehnt;
        e.ablehnungen.append({fehler.zeile, QString(), fehler.text});
        return e;
    }
    po = std::move(*gelesen);
    e.art = Ergebnis::Art::Fertig;
    return e;
}

Ergebnis bauen(const Spielpruefung& spiel, const QString& spielordner, const QString& poPfad,
               const QString& ziel, const std::atomic<bool>* abbrechen)
{
    PoDatei po;
    Ergebnis ergebnis = poLesen(poPfad, po);
    if (ergebnis.art != Ergebnis::Art::Fertig)
        return ergebnis;
    if (const QString grund = zielPruefen(spielordner, ziel); !grund.isEmpty()) {
        ergebnis.art = Ergebnis::Art::Abgelehnt;
        ergebnis.ablehnungen.append({0, QString(), grund});
        return ergebnis;
    }
    const Textvorlage vorlage = Textvorlage::aus(spiel);
    ergebnis.hinweise = vorlage.warnungen;
    const Uebersetzung uebersetzung(vorlage, po);
    ergebnis.zaehlung = uebersetzung.zaehlung();
    if (!uebersetzung.ablehnungen().isEmpty()) {
        ergebnis.art = Ergebnis::Art::Abgelehnt;
        ergebnis.ablehnungen = uebersetzung.ablehnungen();
        return ergebnis;
    }

    // Built beside the target and renamed at the end: the target is whole or not there.
    const QFileInfo info(QDir::cleanPath(ziel));
    QTemporaryDir bau(info.absolutePath() + QStringLiteral("/.") + info.fileName() +
                      QStringLiteral(".bau-XXXXXX"));
    ergebnis.art = Ergebnis::Art::Fertig;
    if (!bau.isValid()) {
        ergebnis.art = Ergebnis::Art::Fehler;
        ergebnis.fehler = QStringLiteral("In %1 kann nichts angelegt werden")
                              .arg(QDir::toNativeSeparators(info.absolutePath()));
        return ergebnis;
    }
    Kopie kopie{spiel, uebersetzung, ergebnis, abbrechen};
    if (!kopie.ordner(spielordner, bau.path(), QString()) || kopie.abgebrochen())
        return ergebnis;
    QFile::setPermissions(bau.path(), QFileInfo(spielordner).permissions());
    // Made meanwhile by somebody else: it is theirs.
    const QFileInfo jetzt(info.absoluteFilePath());
    if (jetzt.exists() || jetzt.isSymLink() ||
        !QDir().rename(bau.path(), info.absoluteFilePath())) {
        ergebnis.art = Ergebnis::Art::Fehler;
        ergebnis.fehler = QStringLiteral("%1 kann nicht angelegt werden")
                              .arg(QDir::toNativeSeparators(info.absoluteFilePath()));
        return ergebnis;
    }
    bau.setAutoRemove(false);
    return ergebnis;
}

} // namespace Spielbau
