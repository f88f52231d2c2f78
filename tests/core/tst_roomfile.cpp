#include "FileSizeLimit.h"
#include "RaumRegeln.h"
#include "SkriptAus.h"
#include "roomfile/Cp1252.h"
#include "roomfile/ItemReader.h"
#include "roomfile/RoomFile.h"
#include "roomfile/ScriptBlock.h"
#include "roomfile/TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray leererRaum = '"' + QByteArray(100, ' ') + "\"\r\n-1\r\n-1\r\n-1\r\n";

// "code|parameter;..." for readable comparisons.
QString alsText(const Skript& s)
{
    QStringList zeilen;
    for (int i = 0; i <= s.MaxZeile; ++i)
        zeilen << QString::number(s.Befehl[i]) + QLatin1Char('|') + s.Parameter[i];
    return zeilen.join(QLatin1Char(';'));
}

// Texts with commas, outer blanks and Windows-1252 characters above 0x7F.
Module1 beispielRaum(int hotSpots)
{
    Module1 m;
    m.setHintergrund(QStringLiteral("Schloß „Tarnholm“.bmp"));
    m.StartSkript = skriptAus({{3, QStringLiteral(" Musik, laut ")},
                               {0, QString()},
                               {-7, QStringLiteral("Grüße, 100 €")}});
    m.TimerSkript =
        skriptAus({{2147483647, QStringLiteral(",")}, {-2147483647 - 1, QStringLiteral("ß")}});
    for (int i = 0; i < hotSpots; ++i) {
        HotSpot& h = m.HotSpots[m.neuerHotSpot(i)];
        h.Name = QStringLiteral(" Tür, alt %1 ").arg(i);
        h.Cursor = i % 2 ? QStringLiteral("C:\\x\\hand.cur") : QStringLiteral("/home/a/hand.cur");
        h.Aktion = {i % 2 == 0, true, i % 3 == 0};
        h.Aktiv = i != 1;
        h.Skripte[0] = skriptAus({{1, QStringLiteral("„Ein Tor“, schwer")}});
        h.Skripte[1] = skriptAus({{5, QStringLiteral("  a,b  ")}, {12, QStringLiteral("Œuvre ™")}});
        for (int x = 0; x < HotSpot::Spalten; ++x)
            for (int y = 0; y < HotSpot::Zeilen; ++y)
                h.Feld[x][y] = (x * 7 + y * (i + 3)) % 5 == 0;
        // Cut short, a last "255" reads as "25": a clear cell, not a failure.
        h.Feld[63][47] = false;
    }
    return m;
}

// What a failed read of a damaged copy of `ganz` left in a fresh room must be part of it.
QString verletzterTeil(const Module1& m, const RoomFile::LeseErgebnis& e, const Module1& ganz)
{
    const auto istAnfang = [](const Skript& teil, const Skript& s) {
        return teil.MaxZeile <= s.MaxZeile && alsText(s).startsWith(alsText(teil));
    };
    if (const QString regel = verletzteRegel(m); !regel.isEmpty())
        return regel;
    if (e.hintergrundGelesen && m.Hintergrund() != ganz.Hintergrund())
        return QStringLiteral("Hintergrund differs");
    if (!istAnfang(m.StartSkript, ganz.StartSkript) || !istAnfang(m.TimerSkript, ganz.TimerSkript))
        return QStringLiteral("script is not a prefix of the original");
    for (int i = 0; i <= m.HotSpotMax; ++i)
        if (i > ganz.HotSpotMax || m.HotSpots[i] != ganz.HotSpots[i])
            return QStringLiteral("hotspot %1 differs").arg(i);
    return {};
}

// The lines of a room file, without their CR LF.
QList<QByteArray> zeilenVon(const QByteArray& bytes)
{
    return bytes.chopped(2).replace("\r\n", "\n").split('\n');
}

} // namespace

class TestRoomFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aRoomSurvivesWritingAndReadingByteForByte()
    {
        QCOMPARE(RoomFile::schreiben(Module1()), leererRaum);
        Module1 original = beispielRaum(3);
        const QByteArray bytes = RoomFile::schreiben(original);
        QVERIFY(bytes.contains("\"\x8cuvre \x99\"\r\n")); // Windows-1252, not UTF-8
        Module1 m;
        for (const QByteArray& datei : {leererRaum, bytes}) {
            m = beispielRaum(5); // reading replaces all of it, hotspots too
            QVERIFY(RoomFile::lesen(datei, m).vollstaendig);
            QCOMPARE(verletzteRegel(m), QString());
            QCOMPARE(RoomFile::schreiben(m), datei);
        }
        for (HotSpot& h : original.HotSpots)
            h.Cursor = QStringLiteral("hand.cur"); // stored as its bare name
        QVERIFY(m.HotSpots == original.HotSpots && m.StartSkript == original.StartSkript &&
                m.TimerSkript == original.TimerSkript);
    }

    void theBackgroundIsReadPaddedAndOnlyWhenItIsThere()
    {
        const QString lang = QString(100, QLatin1Char('a')) + QString(20, QLatin1Char('b'));
        // Null: no picture item.
        const std::pair<QByteArray, QString> faelle[] = {{"  \"a.bmp\"", QStringLiteral("a.bmp")},
                                                         {'"' + lang.toLatin1() + '"', lang},
                                                         {"-1", QString()}};
        for (const auto& [anfang, gelesen] : faelle) {
            const QByteArray datei = anfang + "\r\n-1\r\n-1\r\n-1\r\n";
            QCOMPARE(RoomFile::hintergrundLesen(datei).value_or(QString()), gelesen);
            Module1 m;
            QCOMPARE(RoomFile::lesen(datei, m).hintergrundGelesen, !gelesen.isNull());
            QCOMPARE(m.Hintergrund(), gelesen.left(100).leftJustified(100));
        }
    }

    void aPictureIsTheSameInAnyFolderAndLetterCase()
    {
        const QString a = QString::fromUtf8("/home/u/T\xc3\xbcr.bmp");
        const QString b = QString::fromUtf8(" C:\\x\\T\xc3\x9cR.BMP   ");
        QVERIFY(RoomFile::gleichesBild(a, b) && RoomFile::gleichesBild(b, a));
        QVERIFY(!RoomFile::gleichesBild(a, QStringLiteral("Tür.png")));
    }

    void aScriptLineMayShareItsLineAndCarryBlanks()
    {
        // Code and text may share a line, blanks may stand around them, more may follow them.
        const QByteArray datei = "1\n5,\"a,b\"\r\n 7 ,  \"c\"  rest\n";
        Skript s;
        ItemReader r(datei);
        QVERIFY(ScriptBlock::read(r, s) && r.line() == 3);
        QCOMPARE(alsText(s), QStringLiteral("5|a,b;7|c"));
    }

    void aDamagedFileIsReadAsFarAsItIsWhole()
    {
        const QByteArray bytes = RoomFile::schreiben(beispielRaum(2));
        Module1 ganz;
        QVERIFY(RoomFile::lesen(bytes, ganz).vollstaendig);
        const QList<QByteArray> zeilen = zeilenVon(bytes);
        const auto mit = [&](int zeile, const QByteArray& neu) {
            QList<QByteArray> kaputt = zeilen;
            kaputt[zeile - 1] = neu;
            return kaputt.join("\r\n") + "\r\n";
        };
        // The line of cell x 1, y 2 of the second hotspot, whose grid starts after its name: a
        // number other than 255 reads as a clear cell.
        const int zelle = int(zeilen.indexOf(Cp1252::encode(QStringLiteral("\" Tür, alt 1 \"")))) +
                          1 + 48 + 2 + 1;
        for (const QByteArray wert : {" 255 ", "1", "254"}) {
            Module1 m;
            QVERIFY2(RoomFile::lesen(mit(zelle, wert), m).vollstaendig &&
                         m.HotSpots[1].Feld[1][2] == (wert.trimmed() == "255"),
                     wert);
        }

        // Lines: 1 picture, 2 start count, 3..8 start lines, 9 hotspot count, ..., then the
        // timer count 5th from the end. No line of a room file may read "x".
        QList<std::pair<int, QByteArray>> schaeden{
            {2, "-2"}, {2, "2x"},     {3, "2147483648"}, {3, "-2147483649"}, {4, "\" Musik, laut "},
            {9, "-2"}, {10, "#WAHR#"}};
        for (const char* wert : {"256", "-1", "25 5"})
            schaeden.append({zelle, wert});
        for (int i = 1; i <= zeilen.size(); ++i)
            schaeden.append({i, "x"});
        for (const auto& [zeile, neu] : schaeden) {
            Module1 m;
            const RoomFile::LeseErgebnis e = RoomFile::lesen(mit(zeile, neu), m);
            const QString fehler = verletzterTeil(m, e, ganz);
            if (e.vollstaendig || e.zeile != zeile || e.hotSpotsErsetzt != (zeile > 9) ||
                !fehler.isEmpty())
                QFAIL(qPrintable(QString::asprintf("line %d \"%s\": stopped at %d ", zeile,
                                                   neu.constData(), e.zeile) +
                                 fehler));
        }

        // A count larger than the file reads on past it: what stands there is kept whole.
        const int timerZeile = int(zeilen.size()) - 4;
        for (const int zeile : {2, 9, timerZeile}) {
            Module1 m;
            const RoomFile::LeseErgebnis e = RoomFile::lesen(mit(zeile, "999999999"), m);
            QVERIFY(!e.vollstaendig && e.zeile > zeile);
            QCOMPARE(verletzterTeil(m, e, ganz), QString());
            QVERIFY(m.StartSkript == ganz.StartSkript &&
                    (zeile < 9 || m.HotSpots == ganz.HotSpots) &&
                    (zeile != timerZeile || m.TimerSkript == ganz.TimerSkript));
        }

        // Cut at every byte; only the last line end may go.
        for (qsizetype n = 0; n < bytes.size(); ++n) {
            const QByteArray teil = bytes.left(n);
            Module1 m;
            const RoomFile::LeseErgebnis e = RoomFile::lesen(teil, m);
            const bool fertig = n >= bytes.size() - 2;
            const int letzteZeile = int(teil.count('\n')) + (teil.endsWith('\r') ? 2 : 1);
            const QString fehler = verletzterTeil(m, e, ganz);
            if (e.vollstaendig != fertig || (!fertig && (e.zeile < 1 || e.zeile > letzteZeile)) ||
                !fehler.isEmpty())
                QFAIL(qPrintable(
                    QString::asprintf("cut at %d: line %d of %d ", int(n), e.zeile, letzteZeile) +
                    fehler));
        }
    }

    void cellsReadInRunsReadAsTheyDoOneByOne()
    {
        // Grids as rooms hold them, some lines spoilt, some files cut: the reader's runs must
        // give the cells, the place and the line where it stops that reading item by item gives.
        constexpr int anzahl = HotSpot::Spalten * HotSpot::Zeilen;
        const QByteArray schaeden[] = {"1",     "256",  " 255",  "255 ",  "0\n",  "255\n",
                                       "0,255", "00",   "-0",    "+255",  "2555", "",
                                       "x",     "25\r", "0\r\r", "255\r", "\t0"};
        QRandomGenerator zufall(27);
        for (int runde = 0; runde < 400; ++runde) {
            QByteArray bytes;
            const int dichte = zufall.bounded(5); // from all clear to all set
            for (int i = 0; i < anzahl; ++i) {
                const bool spalteLeer = (i / HotSpot::Zeilen) % 3 == 0 && dichte < 4;
                bytes += !spalteLeer && int(zufall.bounded(4)) < dichte ? "255\r\n" : "0\r\n";
            }
            bytes += "-1\r\n";
            QList<QByteArray> zeilen = bytes.split('\n');
            for (int n = int(zufall.bounded(3)); n > 0; --n) {
                const int zeile = int(zufall.bounded(anzahl));
                const QByteArray& schaden = schaeden[zufall.bounded(int(std::size(schaeden)))];
                zeilen[zeile] = schaden.endsWith('\n') ? schaden.chopped(1) : schaden + '\r';
            }
            bytes = zeilen.join('\n');
            if (runde % 4 == 1)
                bytes.truncate(zufall.bounded(int(bytes.size())));

            std::array<bool, anzahl> schnell{}, einzeln{};
            ItemReader a(bytes), b(bytes);
            const bool ganzA = a.readCells(schnell.data(), anzahl);
            bool ganzB = true;
            int gelesen = 0;
            for (int wert = 0; gelesen < anzahl; ++gelesen) {
                if (!(ganzB = b.readByte(wert)))
                    break;
                einzeln[std::size_t(gelesen)] = wert == 255;
            }
            for (int i = gelesen; i < anzahl; ++i)
                schnell[std::size_t(i)] = false; // not read: not compared
            if (ganzA != ganzB || schnell != einzeln || a.line() != b.line() ||
                a.remaining() != b.remaining())
                QFAIL(qPrintable(QString::asprintf("round %d: %d/%d, line %d/%d, rest %lld/%lld",
                                                   runde, ganzA, ganzB, a.line(), b.line(),
                                                   a.remaining(), b.remaining())));
        }
    }

    void aTextFileIsWrittenWholeOrNotAtAll()
    {
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("raum.txt"));
        const QString ordner = dir.filePath(QStringLiteral("ordner"));
        QVERIFY(TextFile::write(pfad, "alt\r\n") && TextFile::write(pfad, leererRaum));
        QVERIFY(QDir().mkdir(ordner) && !TextFile::write(ordner, "x"));
        QVERIFY(!TextFile::write(pfad + QStringLiteral("/unter.txt"), "x")); // a file as folder
        QVERIFY(QFileInfo(ordner).isDir() && !TextFile::read(ordner) &&
                !TextFile::read(dir.filePath(QStringLiteral("fehlt.txt"))));
#ifdef Q_OS_UNIX
        {
            // Cut off as on a full disk, also when all of it fits into the save file's buffer.
            const FileSizeLimit knapp(leererRaum.size() + 10);
            QVERIFY(knapp.active() && !TextFile::write(pfad, leererRaum + QByteArray(100, 'x')));
        }
#endif
        QCOMPARE(TextFile::read(pfad).value_or("-"), leererRaum);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), // no temporary left
                 QStringList{QStringLiteral("raum.txt")});

        // The reader of a whole game keeps one buffer from file to file.
        QByteArray gross(300 * 1024, 'g');
        gross[1234] = '\0';
        const QString grossPfad = dir.filePath(QStringLiteral("gross.txt"));
        QVERIFY(TextFile::write(grossPfad, gross));
        QByteArray puffer;
        for (int runde = 0; runde < 2; ++runde) {
            QVERIFY(TextFile::read(pfad, puffer) && puffer == leererRaum);
            QVERIFY(TextFile::read(grossPfad, puffer) && puffer == gross);
            QVERIFY(!TextFile::read(ordner, puffer) && !TextFile::read(pfad + "/x", puffer));
        }
    }
};

QTEST_APPLESS_MAIN(TestRoomFile)
#include "tst_roomfile.moc"
