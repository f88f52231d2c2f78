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
#include <QTemporaryDir>
#include <QTest>
#ifdef Q_OS_UNIX
#endif

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
    for (int i = 0; i <= m.HotSpotMax; ++i) {
        if (i > ganz.HotSpotMax || m.HotSpots[i] != ganz.HotSpots[i])
            return QStringLiteral("hotspot %1 differs").arg(i);
    }
    return {};
}

QList<QByteArray> zeilenVon(const QByteArray& bytes)
{
    QList<QByteArray> zeilen = bytes.split('\n');
    zeilen.removeLast(); // after the final line end
    for (QByteArray& z : zeilen)
        z.chop(1); // the CR
    return zeilen;
}

} // namespace

class TestRoomFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void leererRaumLesenUndSchreiben()
    {
        QCOMPARE(RoomFile::schreiben(Module1()), leererRaum);
        Module1 m = beispielRaum(3);
        QVERIFY(RoomFile::lesen(leererRaum, m).vollstaendig);
        QCOMPARE(RoomFile::schreiben(m), leererRaum);
        QCOMPARE(verletzteRegel(m), QString()); // the old hotspots are gone, not just hidden
    }

    void rundreise_data()
    {
        QTest::addColumn<int>("hotSpots");
        QTest::newRow("no hotspots") << 0;
        QTest::newRow("three") << 3;
    }

    void rundreise()
    {
        QFETCH(int, hotSpots);
        Module1 original = beispielRaum(hotSpots);
        const QByteArray bytes = RoomFile::schreiben(original);
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
        QVERIFY(bytes.endsWith("\r\n") && bytes.contains("\"Gr\xfc\xdf"
                                                         "e, 100 \x80\"\r\n"));
        QVERIFY(!bytes.contains("C:") && !bytes.contains("/home"));

        Module1 m = beispielRaum(5);
        QVERIFY(RoomFile::lesen(bytes, m).vollstaendig);
        QCOMPARE(verletzteRegel(m), QString());
        QCOMPARE(m.Hintergrund(), original.Hintergrund());
        QCOMPARE(alsText(m.StartSkript), alsText(original.StartSkript));
        QCOMPARE(alsText(m.TimerSkript), alsText(original.TimerSkript));
        QCOMPARE(m.HotSpotMax, hotSpots - 1);
        for (int i = 0; i < hotSpots; ++i) {
            QCOMPARE(m.HotSpots[i].Cursor, QStringLiteral("hand.cur"));
            original.HotSpots[i].Cursor = QStringLiteral("hand.cur");
            QVERIFY(m.HotSpots[i] == original.HotSpots[i]);
        }
        QCOMPARE(RoomFile::schreiben(m), bytes);
    }

    void hintergrund_data()
    {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<QString>("gelesen"); // null: no picture item
        QTest::addColumn<QString>("hintergrund");
        const QString leer(100, QLatin1Char(' '));
        const QString lang = QString(100, QLatin1Char('a')) + QString(20, QLatin1Char('b'));
        const QByteArray rest = "\r\n-1\r\n-1\r\n-1\r\n";
        QTest::newRow("empty room") << leererRaum << leer << leer;
        QTest::newRow("short") << "  \"a.bmp\"" + rest << QStringLiteral("a.bmp")
                               << QStringLiteral("a.bmp").leftJustified(100);
        QTest::newRow("120 chars") << '"' + lang.toLatin1() + '"' + rest << lang << lang.left(100);
        QTest::newRow("not a string") << "-1" + rest << QString() << leer;
        QTest::newRow("no closing quote") << "\"a.bmp" + rest << QString() << leer;
    }

    void hintergrund()
    {
        QFETCH(QByteArray, datei);
        QFETCH(QString, gelesen);
        QFETCH(QString, hintergrund);
        const std::optional<QString> bild = RoomFile::hintergrundLesen(datei);
        QCOMPARE(bild.has_value(), !gelesen.isNull());
        QCOMPARE(bild.value_or(QString()), gelesen);
        Module1 m;
        QCOMPARE(RoomFile::lesen(datei, m).hintergrundGelesen, !gelesen.isNull());
        QCOMPARE(m.Hintergrund(), hintergrund);
    }

    void gleichesBild()
    {
        const std::tuple<const char*, const char*, bool> faelle[] = {
            {"a.BMP", "C:\\x\\a.bmp", true},
            {"/home/u/a.bmp", " a.bmp   ", true},
            {"T\xc3\xbcr.bmp", "T\xc3\x9cR.BMP", true},
            {"a.bmp", "b.bmp", false},
            {"C:\\x\\a.bmp", "a.png", false},
            {"", "a.bmp", false}};
        for (const auto& [a, b, gleich] : faelle) {
            const QString x = QString::fromUtf8(a), y = QString::fromUtf8(b);
            QVERIFY2(RoomFile::gleichesBild(x, y) == gleich &&
                         RoomFile::gleichesBild(y, x) == gleich,
                     a);
        }
    }

    void gitterWert()
    {
        QList<QByteArray> zeilen = zeilenVon(RoomFile::schreiben(beispielRaum(2)));
        // Cell x 1, y 2 of the second hotspot, whose grid starts after its name.
        const int i =
            zeilen.indexOf(Cp1252::encode(QStringLiteral("\" Tür, alt 1 \""))) + 1 + 48 + 2;
        // 1 set, 0 clear, -1 read failure
        const std::pair<const char*, int> faelle[] = {
            {"255", 1},  {" 255 ", 1}, {"0", 0},    {"1", 0},     {"254", 0},
            {"256", -1}, {"-1", -1},   {"abc", -1}, {"25 5", -1}, {"", -1}};
        for (const auto& [wert, erwartet] : faelle) {
            zeilen[i] = wert;
            Module1 m;
            const RoomFile::LeseErgebnis e = RoomFile::lesen(zeilen.join("\r\n"), m);
            QCOMPARE(verletzteRegel(m), QString());
            QVERIFY2(e.vollstaendig == (erwartet >= 0), wert);
            if (erwartet >= 0)
                QVERIFY2(m.HotSpots[1].Feld[1][2] == (erwartet == 1), wert);
            else
                QVERIFY2(e.zeile == i + 1 && m.HotSpotMax == 0, wert); // second hotspot dropped
        }
    }

    void skriptBlock_data()
    {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("skript");
        QTest::addColumn<int>("zeile");
        QTest::newRow("commas, blanks, rest of line")
            << QByteArray("1\r\n5,\"a,b\"\r\n 7 ,  \"c\"  rest\r\n") << true << "5|a,b;7|c" << 3;
        QTest::newRow("one line") << QByteArray("0,-3,\" x \"") << true << "-3| x " << 1;
        QTest::newRow("LF only") << QByteArray("0\n3\n\"q\"\n") << true << "3|q" << 3;
        QTest::newRow("no lines") << QByteArray("-1\r\n") << true << "" << 1;
        QTest::newRow("bad second line keeps first")
            << QByteArray("2\r\n1\r\n\"a\"\r\nx\r\n\"b\"\r\n0\r\n\"c\"\r\n") << false << "1|a" << 4;
        QTest::newRow("string for code") << QByteArray("0\r\n\"a\"\r\n1\r\n") << false << "" << 2;
        // A count beyond the file keeps the lines that are there; a negative one is no count.
        QTest::newRow("count beyond file")
            << QByteArray("3\r\n1\r\n\"a\"\r\n") << false << "1|a" << 4;
        QTest::newRow("count huge") << QByteArray("2147483647\r\n") << false << "" << 2;
        QTest::newRow("count -2") << QByteArray("-2\r\n1\r\n\"a\"\r\n") << false << "9|alt" << 1;
    }

    void skriptBlock()
    {
        QFETCH(QByteArray, datei);
        QFETCH(bool, ok);
        QFETCH(QString, skript);
        QFETCH(int, zeile);
        Skript s = skriptAus({{9, QStringLiteral("alt")}});
        ItemReader r(datei);
        QCOMPARE(ScriptBlock::read(r, s), ok);
        QCOMPARE(alsText(s), skript);
        QVERIFY(s.Befehl.size() > s.MaxZeile && s.Parameter.size() > s.MaxZeile);
        QCOMPARE(r.line(), zeile);
    }

    void kaputteZeile()
    {
        const QByteArray bytes = RoomFile::schreiben(beispielRaum(2));
        Module1 ganz;
        QVERIFY(RoomFile::lesen(bytes, ganz).vollstaendig);
        const QList<QByteArray> zeilen = zeilenVon(bytes);
        // Lines: 1 picture, 2 start count, 3..8 start lines, 9 hotspot count, ..., then the
        // timer count 5th from the end. No line of a room file may read "x".
        QList<std::pair<int, QByteArray>> schaeden{
            {2, "-2"}, {2, "2x"},     {3, "2147483648"}, {3, "-2147483649"}, {4, "\" Musik, laut "},
            {9, "-2"}, {10, "#WAHR#"}};
        for (int i = 1; i <= zeilen.size(); ++i)
            schaeden.append({i, "x"});
        for (const auto& [zeile, neu] : schaeden) {
            QList<QByteArray> kaputt = zeilen;
            kaputt[zeile - 1] = neu;
            Module1 m;
            const RoomFile::LeseErgebnis e = RoomFile::lesen(kaputt.join("\r\n") + "\r\n", m);
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
            QList<QByteArray> kaputt = zeilen;
            kaputt[zeile - 1] = "999999999";
            Module1 m;
            const RoomFile::LeseErgebnis e = RoomFile::lesen(kaputt.join("\r\n") + "\r\n", m);
            QVERIFY(!e.vollstaendig && e.zeile > zeile);
            QCOMPARE(verletzterTeil(m, e, ganz), QString());
            if (zeile == 2)
                QCOMPARE(m.StartSkript, ganz.StartSkript);
            if (zeile >= 9)
                QCOMPARE(m.HotSpots, ganz.HotSpots);
            if (zeile == timerZeile)
                QCOMPARE(m.TimerSkript, ganz.TimerSkript);
        }
    }

    void abgeschnitten()
    {
        const QByteArray bytes = RoomFile::schreiben(beispielRaum(2));
        Module1 ganz;
        QVERIFY(RoomFile::lesen(bytes, ganz).vollstaendig);
        for (qsizetype n = 0; n < bytes.size(); ++n) {
            const QByteArray teil = bytes.left(n);
            Module1 m;
            const RoomFile::LeseErgebnis e = RoomFile::lesen(teil, m);
            const bool fertig = n >= bytes.size() - 2; // only the last line end may go
            const int letzteZeile = int(teil.count('\n')) + (teil.endsWith('\r') ? 2 : 1);
            const QString fehler = verletzterTeil(m, e, ganz);
            if (e.vollstaendig != fertig || (!fertig && (e.zeile < 1 || e.zeile > letzteZeile)) ||
                !fehler.isEmpty())
                QFAIL(qPrintable(
                    QString::asprintf("cut at %d: line %d of %d ", int(n), e.zeile, letzteZeile) +
                    fehler));
        }
        Module1 m;
        QCOMPARE(RoomFile::lesen(QByteArray(), m).zeile, 1);
        QCOMPARE(RoomFile::lesen(bytes.left(bytes.indexOf('\n') + 1), m).zeile, 2);
    }

    void textDatei()
    {
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("raum.txt"));
        QVERIFY(TextFile::write(pfad, "alt\r\n"));
        QVERIFY(TextFile::write(pfad, "neu\r\n"));
        QCOMPARE(TextFile::read(pfad).value_or("-"), QByteArray("neu\r\n"));

        // Parent is a regular file: nothing can be created, the file stays as it was.
        QVERIFY(!TextFile::write(pfad + QStringLiteral("/x.txt"), "x"));
        QCOMPARE(TextFile::read(pfad).value_or("-"), QByteArray("neu\r\n"));
        // A folder where the file should go stays a folder.
        const QString ordner = dir.filePath(QStringLiteral("ordner"));
        QVERIFY(QDir().mkdir(ordner));
        QVERIFY(!TextFile::write(ordner, "x"));
        QVERIFY(QFileInfo(ordner).isDir() && !TextFile::read(ordner));
        QVERIFY(!TextFile::read(dir.filePath(QStringLiteral("fehlt.txt"))));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), // no temporary left
                 QStringList{QStringLiteral("raum.txt")});
    }

#ifdef Q_OS_UNIX
    void textDateiAbgebrochen()
    {
        // A write cut off midway, as on a full disk, leaves the old file.
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("raum.txt"));
        const QByteArray alt = RoomFile::schreiben(beispielRaum(0));
        QVERIFY(TextFile::write(pfad, alt));
        bool geschrieben = true;
        {
            const FileSizeLimit knapp(4096);
            QVERIFY(knapp.active());
            geschrieben = TextFile::write(pfad, RoomFile::schreiben(beispielRaum(3)));
        }

        QVERIFY(!geschrieben);
        QCOMPARE(TextFile::read(pfad).value_or("-"), alt);
        {
            // Also when everything fits into the save file's buffer.
            const FileSizeLimit knapp(alt.size() + 10);
            geschrieben = TextFile::write(pfad, alt + QByteArray(100, 'x'));
        }
        QVERIFY(!geschrieben);
        QCOMPARE(TextFile::read(pfad).value_or("-"), alt);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("raum.txt")});
    }
#endif
};

QTEST_APPLESS_MAIN(TestRoomFile)
#include "tst_roomfile.moc"
