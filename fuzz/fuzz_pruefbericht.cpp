// Any bytes as a room and an item script of a small game folder, checked the way
// tarnholm-check does: no crash, nothing in the folder changes, an unreadable file is
// reported exactly when its reader stops early, and the report keeps its five groups.
// The input is the room, then, after the first "\0skp", the item script.
#include "RaumRegeln.h"
#include "check/Befund.h"
#include "model/Module1.h"
#include "roomfile/ItemSkript.h"
#include "roomfile/RoomFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray eingabe(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype trenner = eingabe.indexOf(QByteArrayView("\0skp", 4));
    const QByteArray raum = trenner < 0 ? eingabe : eingabe.left(trenner);
    const QByteArray skript = trenner < 0 ? QByteArray() : eingabe.mid(trenner + 4);

    const QString ordner = spielordner().path();
    schreiben(ordner + QStringLiteral("/rooms/raum.lsd"), raum);
    const QString skriptDatei = ordner + QStringLiteral("/items/Zettel0.skp");
    if (trenner < 0)
        QFile::remove(skriptDatei);
    else
        schreiben(skriptDatei, skript);

    const QStringList vorher = inhalt(ordner);
    Module1 m;
    m.setzeOrdner(ordner);
    const Befund befund = ordnerPruefen(m);
    const QString text = befundText(befund);
    pruefe(inhalt(ordner) == vorher, "the check changed the game folder");

    Module1 gelesen;
    const bool raumGanz = RoomFile::lesen(raum, gelesen).vollstaendig;
    pruefe(befund.raeume.size() == (raumGanz ? 0 : 1), "unreadable room reported");
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
    for (const QChar c : text)
        pruefe(c == QLatin1Char('\n') ||
                   (c.unicode() >= 0x20 && (c.unicode() < 0x7F || c.unicode() >= 0xA0)),
               "a control character in the report");
    return 0;
}
