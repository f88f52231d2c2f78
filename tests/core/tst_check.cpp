#include "TestSpiel.h"
#include "check/Befund.h"
#include "check/DateiListe.h"
#include "check/Pruefung.h"
#include "check/Referenzen.h"
#include "roomfile/ItemSkript.h"

#include <QProcess>
#include <QTest>

namespace {

using Art = Referenz::Art;

// "art wert ort zeile" per reference, for readable comparisons.
QStringList alsText(const QVector<Referenz>& referenzen)
{
    QStringList text;
    for (const Referenz& r : referenzen)
        text << QStringLiteral("%1 %2 %3/%4/%5 %6")
                    .arg(int(r.art))
                    .arg(r.wert.trimmed())
                    .arg(int(r.ort.art))
                    .arg(r.ort.hotSpot)
                    .arg(r.ort.aktion)
                    .arg(r.zeile);
    return text;
}

// Rooms naming files in every spelling, a room cut short, item scripts; what is missing is
// named "fehlt".
void kaputtesSpiel(const TestSpiel& s)
{
    for (const char* datei :
         {"graphics/bg.bmp", "graphics/Baum.BMP", "graphics/frei.jpg", "graphics/nur_item.gif",
          "sounds/tuer.wav", "sounds/frei.mp3", "items/Schwert.gif", "cursors/hand.cur"})
        QVERIFY(s.datei(QString::fromUtf8(datei)));
    Module1 a;
    a.setHintergrund("graphics\\bg.bmp");
    a.StartSkript = testSkript({{5, " baum.bmp "}, {4, "b.lsd"}, {4, "fehlt.lsd"}, {2, "x.bmp"}});
    HotSpot& tuer = a.HotSpots[a.neuerHotSpot(0)];
    tuer.Name = "Tür";
    tuer.Cursor = "fehlt.cur";
    tuer.Skripte[1] = testSkript({{1, "C:\\Spiel\\sounds\\TUER.WAV"},
                                  {6, "schwert.GIF"},
                                  {8, "fehlt.gif"},
                                  {11, "fehlt.avi"}});
    a.HotSpots[a.neuerHotSpot(1)].Cursor = "hand.cur";
    a.TimerSkript = testSkript({{19, "fehlt.mid"}});
    QVERIFY(s.raum("a.lsd", a));

    Module1 b;
    b.setHintergrund("fehlt.bmp");
    b.StartSkript = testSkript({{1, "/home/a/fehlt.wav"}});
    QByteArray kaputt = RoomFile::schreiben(b);
    kaputt.replace("\r\n-1\r\n-1\r\n", "\r\n-1\r\nx\r\n"); // the timer script's count
    QVERIFY(s.datei("rooms/b.lsd", kaputt));

    QVERIFY(s.datei("items/Schwert0.skp", ItemSkript::schreiben(testSkript(
                                              {{5, "nur_item.gif"}, {1, "fehlt_item.wav"}}))));
    // Cut short after a line that counts.
    QVERIFY(s.datei("items/Schwert1.skp", "2\r\n5\r\n\"Baum.bmp\"\r\n"));
}

} // namespace

class TestCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dateiListeOhneGrossUndKleinschreibung()
    {
        TestSpiel s;
        for (const char* name : {"c.gif", "Baum.BMP", "b.bmp", "B.bmp", "a.jpg", "x.jpeg", "t.txt"})
            QVERIFY(s.datei(QStringLiteral("graphics/") + name));
        QDir(s.m.GraphicsPfad).mkdir("ordner.bmp");
        QCOMPARE(dateiListe(s.m.GraphicsPfad, "*.bmp;*.jpg;*.gif"),
                 QStringList({"a.jpg", "B.bmp", "b.bmp", "Baum.BMP", "c.gif"}));
        QCOMPARE(dateiListe(s.pfad("fehlt/"), "*.bmp"), QStringList());
    }

    void referenzenAuchVorDemFehler()
    {
        TestSpiel s;
        Module1 raum;
        raum.setHintergrund("graphics\\bg.bmp");
        raum.StartSkript = testSkript({{2, "Hallo"}, {5, "start.bmp"}});
        for (int i = 0; i < 2; ++i) {
            HotSpot& h = raum.HotSpots[raum.neuerHotSpot(i)];
            h.Skripte[1] = testSkript({{1, i ? "zwei.wav" : "eins.wav"}, {19, ""}});
            h.Cursor = i ? "auge.cur" : "";
        }
        QByteArray bytes = RoomFile::schreiben(raum);
        bytes.chop(4 + 100 * 3); // the timer script and the second hotspot's last cells
        QVERIFY(s.datei("rooms/r.lsd", bytes));

        Module1 arbeitsRaum;
        const RaumReferenzen r = raumDateiLesen(s.pfad("rooms/r.lsd"), arbeitsRaum);
        QVERIFY(!r.ergebnis.vollstaendig);
        QCOMPARE(r.ergebnis.zeile, bytes.count('\n') + 1);
        // The second hotspot never reaches the model, but what it named counts.
        QCOMPARE(arbeitsRaum.HotSpotMax, 0);
        QCOMPARE(alsText(r.referenzen),
                 QStringList({"0 graphics\\bg.bmp 0/-1/-1 -1", "1 start.bmp 0/-1/-1 1",
                              "2 eins.wav 1/0/1 0", "2 zwei.wav 1/1/1 0", "7 auge.cur 1/1/-1 -1"}));
        QCOMPARE(r.hotSpotNamen.value(1), QString("Noname1"));
        // The observer changes nothing the editor reads.
        Module1 ohne;
        RoomFile::lesen(bytes, ohne);
        QCOMPARE(RoomFile::schreiben(ohne), RoomFile::schreiben(arbeitsRaum));

        // A start script whose count does not read names nothing, though the reader's room
        // keeps the last room's script.
        QVERIFY(s.datei("rooms/k.lsd", bytes.left(bytes.indexOf('\n') + 1) + "x\r\n"));
        QCOMPARE(alsText(raumDateiLesen(s.pfad("rooms/k.lsd"), arbeitsRaum).referenzen),
                 QStringList({"0 graphics\\bg.bmp 0/-1/-1 -1"}));
        QCOMPARE(raumDateiLesen(s.pfad("rooms/fehlt.lsd"), arbeitsRaum).ergebnis.zeile, 0);
    }

    void vergleichsSchluessel()
    {
        Pruefung p({"Baum.bmp", "baum.BMP", "frei.gif", "haus.bmp", "x.jpg"},
                   {"Tür.wav", "wind.wav"});
        const QVector<Referenz> referenzen{
            {Art::Hintergrund, "graphics\\BAUM.bmp" + QString(83, ' '), {}, -1, -1},
            {Art::Bild, "C:/Spiel/graphics/HAUS.bmp", {}, 0, 5},
            {Art::Bild, "  x.jpg  ", {}, 1, 5},
            {Art::Bild, "frei.jpeg", {}, 2, 5},
            {Art::Klang, "sounds\\TÜR.WAV", {}, 3, 1},
            {Art::Film, "wind.wav", {}, 4, 11}, // only pictures and sounds count
            {Art::Cursor, "frei.gif", {}, -1, -1}};
        Pruefung::Treffer t = p.zaehlen(referenzen);
        std::sort(t.bilder.begin(), t.bilder.end());
        QCOMPARE(t.bilder, QVector<int>({0, 1, 3, 4}));
        QCOMPARE(t.klaenge, QVector<int>({0}));
        QCOMPARE(p.unbenutzteBilder(), QStringList({"frei.gif"}));
        QCOMPARE(p.unbenutzteKlaenge(), QStringList({"wind.wav"}));
    }

    void itemSkriptDatei()
    {
        QCOMPARE(ItemSkript::dateiName("/s/items/a.b.gif", 2), QString("/s/items/a.b2.skp"));
        QCOMPARE(ItemSkript::dateiName("Tuer.bmp", 0), ItemSkript::dateiName("Tuer.gif", 0));
        QCOMPARE(ItemSkript::schreiben(ItemSkript::vorgabe(1)), QByteArray("-1\r\n"));
        QCOMPARE(ItemSkript::schreiben(ItemSkript::vorgabe(2)), QByteArray("0\r\n16\r\n\"\"\r\n"));

        Skript s = ItemSkript::vorgabe(2);
        QVERIFY(ItemSkript::lesen("-1\r\n", s).vollstaendig);
        QCOMPARE(s.MaxZeile, -1);
        const ItemSkript::LeseErgebnis e = ItemSkript::lesen("2\r\n5\r\n\"a, b\"\r\n9\r\n", s);
        QVERIFY(!e.vollstaendig);
        QCOMPARE(e.zeile, 5);
        QCOMPARE(s, testSkript({{5, "a, b"}}));
        QCOMPARE(ItemSkript::lesen("Hallo", s).zeile, 1);
        QCOMPARE(s.MaxZeile, -1);
    }

    void befundEinesKaputtenSpiels()
    {
        TestSpiel s;
        kaputtesSpiel(s);
        const Befund b = ordnerPruefen(s.m);
        QVERIFY(!b.inOrdnung());
        QCOMPARE(befundText(b), QString(R"(Unbenutzte Bilder:
  graphics/frei.jpg
Unbenutzte Klänge:
  sounds/frei.mp3
Raumdateien, die nicht gelesen werden können:
  rooms/b.lsd (Lesen bricht in Zeile 6 ab)
Gegenstandsskripte, die nicht gelesen werden können:
  items/Schwert1.skp (Lesen bricht in Zeile 4 ab)
Verweise auf Dateien, die es nicht gibt:
  rooms/fehlt.lsd (rooms/a.lsd, Startskript, Zeile 3: Goto "fehlt.lsd")
  items/fehlt.gif (rooms/a.lsd, HotSpot "Tür", Tue, Zeile 3: IfItem "fehlt.gif")
  movies/fehlt.avi (rooms/a.lsd, HotSpot "Tür", Tue, Zeile 4: PlayAvi "fehlt.avi")
  cursors/fehlt.cur (rooms/a.lsd, HotSpot "Tür", Cursor "fehlt.cur")
  musics/fehlt.mid (rooms/a.lsd, Timerskript, Zeile 1: PlayMusic "fehlt.mid")
  graphics/fehlt.bmp (rooms/b.lsd, Hintergrund "fehlt.bmp")
  sounds/fehlt.wav (rooms/b.lsd, Startskript, Zeile 1: PlayWav "/home/a/fehlt.wav")
  sounds/fehlt_item.wav (items/Schwert0.skp, Zeile 2: PlayWav "fehlt_item.wav")
)"));
    }

    void programm()
    {
        const auto pruefen = [](const QStringList& argumente, const QString& aus, int status) {
            QProcess p;
            p.start(TARNHOLM_CHECK, argumente);
            QVERIFY(p.waitForFinished(30000));
            QCOMPARE(p.exitStatus(), QProcess::NormalExit);
            const QString text = QString::fromUtf8(status == 2 ? p.readAllStandardError()
                                                               : p.readAllStandardOutput());
            QVERIFY2(text.contains(aus), qPrintable(text));
            QCOMPARE(p.exitCode(), status);
        };
        // Without a folder, the one the program lies in: the demo game.
        pruefen({},
                "Unbenutzte Bilder:\n  graphics/wald_nacht.jpg\nUnbenutzte Klänge:\n"
                "  sounds/wind.wav\nRaumdateien",
                0);
        pruefen({TARNHOLM_DEMO_DIR}, "Verweise auf Dateien, die es nicht gibt:\n  (keine)\n", 0);
        TestSpiel s;
        kaputtesSpiel(s);
        pruefen({s.dir.path()}, "rooms/b.lsd (Lesen bricht in Zeile 6 ab)", 1);
        pruefen({s.pfad("rooms")}, "ist kein Spielordner", 2);
        pruefen({s.pfad("gibt_es_nicht")}, "gibt es nicht", 2);
        pruefen({"--help"}, "Aufruf: tarnholm-check [Spielordner]", 0);
        pruefen({"--weg"}, "Unbekannter Aufruf", 2);
        QCOMPARE(s.dateien("rooms"), QStringList({"a.lsd", "b.lsd"})); // never deletes
    }
};

QTEST_APPLESS_MAIN(TestCheck)
#include "tst_check.moc"
