// Any bytes as the rooms and an item script of a small game folder, checked the way
// tarnholm-check does: no crash, nothing in the folder changes, an unreadable file is
// reported exactly when its reader stops early, and the report keeps its five groups. The
// script checks name only lines that hold the command they show, and find the same whatever
// order the files come in.
// The input is a room, optionally a second one after "\0lsd", and, after the first "\0skp",
// the item script.
#include "RaumRegeln.h"
#include "check/Befund.h"
#include "check/Bericht.h"
#include "check/Karte.h"
#include "model/Module1.h"
#include "roomfile/ItemSkript.h"
#include "roomfile/RoomFile.h"
#include "script/Befehlstabelle.h"
#include "spiel/Spielpruefung.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>
#include <optional>

namespace {

void schreiben(const QString& pfad, const QByteArray& bytes)
{
    QFile f(pfad);
    pruefe(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size(),
           "cannot write the fuzz game folder");
}

QTemporaryDir& spielordner()
{
    static QTemporaryDir ordner = [] {
        QTemporaryDir d;
        pruefe(d.isValid(), "no temporary folder");
        QDir o(d.path());
        for (const char* u :
             {"rooms", "graphics", "sounds", "items", "cursors", "movies", "musics"})
            o.mkdir(QLatin1String(u));
        for (const char* datei : {"graphics/baum.bmp", "graphics/Tür.JPG", "sounds/wind.wav",
                                  "items/Zettel.bmp", "cursors/hand.cur"})
            schreiben(o.filePath(QString::fromUtf8(datei)), "x");
        return d;
    }();
    return ordner;
}

QStringList inhalt(const QString& ordner)
{
    QStringList liste;
    QDirIterator it(ordner, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        liste << it.filePath() + QLatin1Char(' ') + QString::number(it.fileInfo().size());
    }
    liste.sort();
    return liste;
}

// The keyword of the command code on line `zeile` (from 1) of a file, if it holds one there.
// Lines end as the reader ends them: at CR LF, CR or LF.
std::optional<QString> befehlInZeile(const QByteArray& datei, int zeile)
{
    QByteArray einheitlich = datei;
    einheitlich.replace("\r\n", "\n").replace('\r', '\n');
    const QList<QByteArray> zeilen = einheitlich.split('\n');
    if (zeile < 1 || zeile > zeilen.size())
        return std::nullopt;
    const QByteArray z = zeilen[zeile - 1].trimmed();
    qsizetype ende = z.startsWith('-') || z.startsWith('+') ? 1 : 0;
    while (ende < z.size() && z[ende] >= '0' && z[ende] <= '9')
        ++ende;
    bool ok = false;
    const qint32 code = z.left(ende).toInt(&ok);
    return ok ? std::optional(Befehlstabelle::CommandKeyword(code)) : std::nullopt;
}

void keineSteuerzeichen(const QString& text)
{
    for (const QChar c : text)
        pruefe(c == QLatin1Char('\n') ||
                   (c.unicode() >= 0x20 && (c.unicode() < 0x7F || c.unicode() >= 0xA0)),
               "a control character in the report");
}

struct Datei
{
    QString pfad;
    QByteArray bytes;
};

// The script checks of the whole game, fed the files in the order given.
QString spielBericht(const QVector<Datei>& dateien)
{
    Spielpruefung spiel;
    for (const Datei& d : dateien) {
        spiel.setzen(d.pfad.startsWith(QLatin1String("items"))
                         ? SpielDatei::itemSkriptLesen(d.pfad, &d.bytes)
                         : SpielDatei::raumLesen(d.pfad, &d.bytes));
    }
    return Bericht::gccText(Befund(), spiel.fehler(), spiel.hinweise()) +
           Karte::dot(spiel.raeume(), spiel.verbindungen());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray eingabe(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype trenner = eingabe.indexOf(QByteArrayView("\0skp", 4));
    const QByteArray raeume = trenner < 0 ? eingabe : eingabe.left(trenner);
    const QByteArray skript = trenner < 0 ? QByteArray() : eingabe.mid(trenner + 4);
    const qsizetype zweiter = raeume.indexOf(QByteArrayView("\0lsd", 4));
    const QByteArray raum = zweiter < 0 ? raeume : raeume.left(zweiter);
    const QByteArray raum2 = zweiter < 0 ? QByteArray() : raeume.mid(zweiter + 4);

    const QString ordner = spielordner().path();
    schreiben(ordner + QStringLiteral("/rooms/raum.lsd"), raum);
    const QString zweiteDatei = ordner + QStringLiteral("/rooms/zwei.lsd");
    if (zweiter < 0)
        QFile::remove(zweiteDatei);
    else
        schreiben(zweiteDatei, raum2);
    const QString skriptDatei = ordner + QStringLiteral("/items/Zettel0.skp");
    if (trenner < 0)
        QFile::remove(skriptDatei);
    else
        schreiben(skriptDatei, skript);

    const QStringList vorher = inhalt(ordner);
    Module1 m;
    m.setzeOrdner(ordner);
    Spielpruefung spiel;
    const Befund befund = ordnerPruefen(m, &spiel);
    const QString text = befundText(befund);
    pruefe(inhalt(ordner) == vorher, "the check changed the game folder");

    Module1 gelesen;
    int unlesbar = RoomFile::lesen(raum, gelesen).vollstaendig ? 0 : 1;
    if (zweiter >= 0)
        unlesbar += RoomFile::lesen(raum2, gelesen).vollstaendig ? 0 : 1;
    pruefe(befund.raeume.size() == unlesbar, "unreadable room reported");
    Skript s;
    const bool skriptGanz = trenner < 0 || ItemSkript::lesen(skript, s).vollstaendig;
    pruefe(befund.itemSkripte.size() == (skriptGanz ? 0 : 1), "unreadable item script reported");
    pruefe(befund.unbenutzteKlaenge.size() <= 1 && befund.unbenutzteBilder.size() <= 2,
           "a file outside the folder listed as unused");

    // Five headings, each group one line per entry or "(keine)".
    const QStringList zeilen = text.split(QLatin1Char('\n'));
    qsizetype erwartet = 5 + 1; // and the empty text after the last line break
    for (qsizetype n : {befund.unbenutzteBilder.size(), befund.unbenutzteKlaenge.size(),
                        qsizetype(befund.raeume.size()), qsizetype(befund.itemSkripte.size()),
                        qsizetype(befund.fehlend.size())})
        erwartet += qMax<qsizetype>(n, 1);
    pruefe(zeilen.size() == erwartet, "the report's lines");
    qsizetype ueberschriften = 0;
    for (const QString& z : zeilen)
        ueberschriften += !z.isEmpty() && !z.startsWith(QLatin1Char(' ')) ? 1 : 0;
    pruefe(ueberschriften == 5, "a reference broke the report's groups");
    keineSteuerzeichen(text);

    // Every script fault and every place of a hint is a line of its file that holds the
    // command the report shows.
    const QVector<SkriptFehler> fehler = spiel.fehler();
    const QVector<SpielHinweis> hinweise = spiel.hinweise();
    QVector<SkriptStelle> stellen;
    for (const SkriptFehler& f : fehler)
        stellen << f.stelle;
    for (const SpielHinweis& h : hinweise)
        stellen += h.stellen;
    const QHash<QString, QByteArray> dateien{{QStringLiteral("rooms/raum.lsd"), raum},
                                             {QStringLiteral("rooms/zwei.lsd"), raum2},
                                             {QStringLiteral("items/Zettel0.skp"), skript}};
    for (const SkriptStelle& stelle : std::as_const(stellen)) {
        pruefe(dateien.contains(stelle.datei), "a finding in a file that is not there");
        const std::optional<QString> befehl =
            befehlInZeile(dateien[stelle.datei], stelle.dateiZeile);
        pruefe(befehl && stelle.zeilenText.trimmed().startsWith(*befehl) && stelle.zeile >= 0 &&
                   stelle.zeile < stelle.dateiZeile,
               "a finding names a line that does not hold its command");
    }
    keineSteuerzeichen(Bericht::skriptText(fehler, hinweise));
    keineSteuerzeichen(Bericht::gccText(befund, fehler, hinweise));

    // The same files in the other order find the same.
    QVector<Datei> folge{{QStringLiteral("rooms/raum.lsd"), raum}};
    if (zweiter >= 0)
        folge.append({QStringLiteral("rooms/zwei.lsd"), raum2});
    if (trenner >= 0)
        folge.append({QStringLiteral("items/Zettel0.skp"), skript});
    const QString vorwaerts = spielBericht(folge);
    std::reverse(folge.begin(), folge.end());
    pruefe(spielBericht(folge) == vorwaerts, "the order of the files changed the findings");
    pruefe(vorwaerts == Bericht::gccText(Befund(), fehler, hinweise) +
                            Karte::dot(spiel.raeume(), spiel.verbindungen()),
           "the findings differ from those of the folder");
    return 0;
}
