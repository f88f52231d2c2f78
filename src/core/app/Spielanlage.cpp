// A new game folder, empty or a copy of the example game, made whole or not at all.
#include "Spielanlage.h"

#include "Spielordner.h"
#include "model/Unterordner.h"
#include "raetsel/Raetselplan.h"
#include "roomfile/TextFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QVector>

namespace Spielanlage {

namespace {

QString zeigbar(const QString& pfad)
{
    return QDir::toNativeSeparators(QDir::cleanPath(pfad));
}

QString absolut(const QString& pfad)
{
    return QDir::cleanPath(QFileInfo(pfad).absoluteFilePath());
}

/// What an attempt made, in order, so that a failure takes exactly that away again.
class Anlage
{
public:
    /// Makes `pfad` and whichever of its parents are missing.
    bool ordner(const QString& pfad)
    {
        QStringList fehlend;
        for (QString p = absolut(pfad); !QFileInfo::exists(p);) {
            fehlend.prepend(p);
            const QString oben = QFileInfo(p).path();
            if (oben == p)
                break;
            p = oben;
        }
        for (const QString& p : fehlend) {
            if (!QDir().mkdir(p)) {
                const QFileInfo oben(QFileInfo(p).path());
                fehler = oben.isDir() && !oben.isWritable()
                             ? QStringLiteral("Der Ordner %1 kann nicht angelegt werden: In %2 "
                                              "dürfen Sie nichts anlegen.")
                                   .arg(zeigbar(p), zeigbar(oben.filePath()))
                             : QStringLiteral("Der Ordner %1 kann nicht angelegt werden.")
                                   .arg(zeigbar(p));
                return false;
            }
            gemacht << p;
        }
        if (QFileInfo(pfad).isDir())
            return true;
        fehler = QStringLiteral("Der Ordner %1 kann nicht angelegt werden.").arg(zeigbar(pfad));
        return false;
    }

    bool datei(const QString& pfad, const QByteArray& bytes)
    {
        if (!ordner(QFileInfo(pfad).path()))
            return false;
        if (!TextFile::write(pfad, bytes)) {
            fehler = QStringLiteral("Die Datei %1 kann nicht geschrieben werden; ist der "
                                    "Datenträger voll oder schreibgeschützt?")
                         .arg(zeigbar(pfad));
            return false;
        }
        gemacht << absolut(pfad);
        return true;
    }

    /// Takes away what was made, newest first, and says so after the reason of the failure.
    QString zuruecknehmen()
    {
        QStringList geblieben;
        for (auto p = gemacht.crbegin(); p != gemacht.crend(); ++p) {
            const bool weg = QFileInfo(*p).isDir() ? QDir().rmdir(*p) : QFile::remove(*p);
            if (!weg)
                geblieben << zeigbar(*p);
        }
        if (gemacht.isEmpty())
            return fehler + QStringLiteral(" Es wurde nichts angelegt.");
        if (geblieben.isEmpty())
            return fehler + QStringLiteral(" Was schon angelegt war, ist wieder entfernt.");
        return fehler + QStringLiteral(" Nicht wieder entfernt werden konnte: ") +
               geblieben.join(QStringLiteral(", ")) + QLatin1Char('.');
    }

    QString fehler;

private:
    QStringList gemacht;
};

} // namespace

QString warumNicht(const QString& ordner)
{
    if (ordner.trimmed().isEmpty())
        return QStringLiteral("Es ist kein Ordner angegeben.");
    const QFileInfo info(ordner);
    if (!info.exists()) {
        // A parent that is a file would make the folder impossible.
        for (QFileInfo p(info.absolutePath());; p = QFileInfo(p.path())) {
            if (p.exists()) {
                if (p.isDir())
                    return {};
                return QStringLiteral("Der Ordner %1 kann nicht angelegt werden: %2 ist eine "
                                      "Datei.")
                    .arg(zeigbar(ordner), zeigbar(p.filePath()));
            }
            if (p.isRoot())
                return {};
        }
    }
    if (!info.isDir())
        return QStringLiteral("%1 ist eine Datei, kein Ordner. Ein neues Spiel braucht einen "
                              "neuen oder leeren Ordner.")
            .arg(zeigbar(ordner));
    if (!info.isReadable())
        return QStringLiteral("Der Ordner %1 kann nicht gelesen werden, also auch nicht als leer "
                              "gelten.")
            .arg(zeigbar(ordner));
    if (QDir(ordner).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
        return {};
    if (Spielordner::istSpielordner(ordner))
        return QStringLiteral("%1 ist schon ein Spielordner. Öffnen Sie ihn als Spiel; ein neues "
                              "Spiel braucht einen neuen oder leeren Ordner.")
            .arg(zeigbar(ordner));
    return QStringLiteral("Der Ordner %1 ist nicht leer. Ein neues Spiel wird nur in einem neuen "
                          "oder leeren Ordner angelegt: Was darin liegt, ist vielleicht jemandes "
                          "Arbeit, und nichts davon soll überschrieben werden. Wählen Sie einen "
                          "leeren Ordner oder legen Sie einen neuen an.")
        .arg(zeigbar(ordner));
}

QString neuesSpiel(const QString& ordner)
{
    if (const QString warum = warumNicht(ordner); !warum.isEmpty())
        return warum;
    Anlage anlage;
    for (const QString& name : Unterordner::namen()) {
        if (!anlage.ordner(QDir(ordner).filePath(name)))
            return anlage.zuruecknehmen();
    }
    return {};
}

QString beispiel(const QString& programmOrdner)
{
    const QString installiert =
        QDir(programmOrdner).filePath(QStringLiteral("../share/tarnholm-editor/beispiel"));
    if (Spielordner::istSpielordner(installiert))
        return Spielordner::eindeutig(installiert);
    // The build writes its demo game around the programs and leaves this stamp in it; an
    // author's own game folder with an editor in it is no example.
    if (QFileInfo::exists(QDir(programmOrdner).filePath(QStringLiteral(".demo-erzeugt"))) &&
        Spielordner::istSpielordner(programmOrdner))
        return Spielordner::eindeutig(programmOrdner);
    return {};
}

QString beispielKopieren(const QString& beispiel, const QString& ordner)
{
    if (const QString warum = warumNicht(ordner); !warum.isEmpty())
        return warum;
    if (!Spielordner::istSpielordner(beispiel))
        return QStringLiteral("Das Beispielspiel in %1 ist unvollständig: Ihm fehlt der Ordner "
                              "„rooms“.")
            .arg(zeigbar(beispiel));
    const QString quelle = Spielordner::eindeutig(beispiel);
    const QString ziel = Spielordner::eindeutig(ordner);
    if (ziel == quelle || ziel.startsWith(quelle + QLatin1Char('/')))
        return QStringLiteral("Der Ordner %1 liegt im Beispielspiel, das bleibt, wie es ist. "
                              "Wählen Sie einen Ordner außerhalb davon.")
            .arg(zeigbar(ordner));

    // Everything is listed before anything is written.
    struct Eintrag
    {
        QString relativ;
        bool istOrdner;
    };
    QVector<Eintrag> eintraege;
    const QDir von(quelle);
    for (const QString& name : Unterordner::namen()) {
        const QString gefunden = Unterordner::finden(quelle, name);
        eintraege.append({gefunden.isNull() ? name : gefunden, true});
        if (gefunden.isNull())
            continue;
        QDirIterator it(von.filePath(gefunden),
                        QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            const QFileInfo info = it.fileInfo();
            if (info.isDir() || info.isFile())
                eintraege.append({von.relativeFilePath(info.filePath()), info.isDir()});
        }
    }
    // The game's start and goals belong to it as its rooms do.
    if (QFileInfo(von.filePath(Raetselplan::dateiName())).isFile())
        eintraege.append({Raetselplan::dateiName(), false});

    Anlage anlage;
    const QDir nach(ordner);
    if (!anlage.ordner(ordner))
        return anlage.zuruecknehmen();
    for (const Eintrag& e : eintraege) {
        if (e.istOrdner) {
            if (!anlage.ordner(nach.filePath(e.relativ)))
                return anlage.zuruecknehmen();
            continue;
        }
        const std::optional<QByteArray> bytes = TextFile::read(von.filePath(e.relativ));
        if (!bytes) {
            anlage.fehler = QStringLiteral("Die Datei %1 des Beispielspiels kann nicht gelesen "
                                           "werden.")
                                .arg(zeigbar(von.filePath(e.relativ)));
            return anlage.zuruecknehmen();
        }
        if (!anlage.datei(nach.filePath(e.relativ), *bytes))
            return anlage.zuruecknehmen();
    }
    return {};
}

QString hausRaum(const QString& spielordner)
{
    const QString raum = Unterordner(spielordner).pfad(QStringLiteral("rooms/haus.lsd"));
    return QFileInfo(raum).isFile() ? raum : QString();
}

} // namespace Spielanlage
