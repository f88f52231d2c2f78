#include "Programm.h"
#include "TestSpiel.h"
#include "check/Befund.h"
#include "regeln/DateiListe.h"
#include "regeln/Referenzen.h"
#include "roomfile/ItemSkript.h"

#include <QTest>

namespace {

// Rooms naming files in every spelling, a room cut short inside a hotspot, item scripts; what
// is missing is named "fehlt".
void kaputtesSpiel(const TestSpiel& s)
{
    for (const char* datei :
         {"graphics/bg.bmp", "graphics/Baum.BMP", "graphics/baum.bmp", "graphics/frei.jpg",
          "graphics/nur_item.gif", "sounds/tuer.wav", "sounds/frei.mp3", "sounds/vorher.wav",
          "items/Schwert.gif", "cursors/hand.cur"})
        QVERIFY(s.datei(datei));
    Module1 a;
    a.setHintergrund("graphics\\bg.bmp");
    a.StartSkript = skriptAus({{5, " BAUM.bmp "},
                               {4, "b.lsd"},
                               {4, "fehlt.lsd"},
                               {2, "x.bmp"},
                               {5, "rot" + QString(QChar(0x1b)) + "c.bmp"},
                               {1, QString("a") + QChar(0) + "b" + QChar(0x85) + ".wav"},
                               {5, "fehlt.gif"}}); // a picture, as an item below
    HotSpot& tuer = a.HotSpots[a.neuerHotSpot(0)];
    tuer.Name = "Tür";
    tuer.Cursor = "fehlt.cur";
    tuer.Skripte[1] = skriptAus({{1, "C:\\Spiel\\sounds\\TUER.WAV"},
                                 {6, "schwert.GIF"},
                                 {8, "fehlt.gif"},
                                 {11, "fehlt.avi"}});
    a.HotSpots[a.neuerHotSpot(1)].Cursor = "hand.cur";
    a.HotSpots[a.neuerHotSpot(2)].Cursor = "fehlt.cur"; // each place is named
    a.TimerSkript = skriptAus({{19, "fehlt.mid"}});
    QVERIFY(s.raum("a.lsd", a));

    // The hotspot is cut short before its name: the editor drops it, its references count.
    Module1 b;
    b.setHintergrund("fehlt.bmp");
    b.StartSkript = skriptAus({{1, "vorher.wav"}}); // in use, though the room reads no further
    b.HotSpots[b.neuerHotSpot(0)].Skripte[2] = skriptAus({{1, "/home/a/fehlt.wav"}});
    b.TimerSkript = skriptAus({{5, "fehlt_danach.bmp"}});
    QVERIFY(s.datei("rooms/b.lsd",
                    RoomFile::schreiben(b).replace("fehlt.wav\"\r\n\"\"", "fehlt.wav\"\r\nx")));

    QVERIFY(s.datei("items/Schwert0.skp", ItemSkript::schreiben(skriptAus(
                                              {{5, "nur_item.gif"}, {1, "fehlt_item.wav"}}))));
    // Cut short after a line that counts.
    QVERIFY(s.datei("items/Schwert1.skp", "2\r\n5\r\n\"frei.jpg\"\r\n"));
}

} // namespace

class TestCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fileListsAndRoomReadsNameOnlyWhatIsThere()
    {
        TestSpiel s;
        for (const char* name : {"c.gif", "Baum.BMP", "b.bmp", "B.bmp", "a.jpg", "t.txt"})
            QVERIFY(s.datei(QStringLiteral("graphics/") + name));
        QDir(s.m.GraphicsPfad).mkdir("ordner.bmp");
        QCOMPARE(dateiListe(s.m.GraphicsPfad, "*.bmp;*.jpg;*.gif"),
                 QStringList({"a.jpg", "B.bmp", "b.bmp", "Baum.BMP", "c.gif"}));

        // A start script whose count does not read names nothing, though the reader's room
        // still holds the start script of the room read before.
        Module1 raum, arbeitsRaum;
        raum.StartSkript = skriptAus({{5, "alt.bmp"}});
        const QByteArray bytes = RoomFile::schreiben(raum);
        QCOMPARE(raumReferenzen(bytes, arbeitsRaum).referenzen.size(), 1);
        const RaumReferenzen r =
            raumReferenzen(bytes.left(bytes.indexOf('\n') + 1) + "x\r\n", arbeitsRaum);
        QVERIFY(r.ergebnis.zeile == 2 && r.referenzen.isEmpty());
        QByteArray puffer;
        QCOMPARE(raumDateiLesen(s.pfad("rooms/fehlt.lsd"), arbeitsRaum, puffer).ergebnis.zeile, 0);
    }

    void aBrokenGameIsReportedInFull()
    {
        TestSpiel s;
        kaputtesSpiel(s);
        QTest::failOnWarning(QRegularExpression(".*")); // a NUL in a name is not Qt's to see
        const Befund b = ordnerPruefen(s.m);
        QVERIFY(!b.inOrdnung());
        QCOMPARE(befundText(b), QString(R"(Unbenutzte Bilder:
  (keine)
Unbenutzte Klänge:
  sounds/frei.mp3
Raumdateien, die nicht gelesen werden können:
  rooms/b.lsd (Lesen bricht in Zeile 14 ab)
Gegenstandsskripte, die nicht gelesen werden können:
  items/Schwert1.skp (Lesen bricht in Zeile 4 ab)
Verweise auf Dateien, die es nicht gibt:
  rooms/fehlt.lsd (rooms/a.lsd, Startskript, Zeile 3: Goto "fehlt.lsd")
  graphics/rot?c.bmp (rooms/a.lsd, Startskript, Zeile 5: LoadPic "rot?c.bmp")
  sounds/a?b?.wav (rooms/a.lsd, Startskript, Zeile 6: PlayWav "a?b?.wav")
  graphics/fehlt.gif (rooms/a.lsd, Startskript, Zeile 7: LoadPic "fehlt.gif")
  items/fehlt.gif (rooms/a.lsd, HotSpot "Tür", Tue, Zeile 3: IfItem "fehlt.gif")
  movies/fehlt.avi (rooms/a.lsd, HotSpot "Tür", Tue, Zeile 4: PlayAvi "fehlt.avi")
  cursors/fehlt.cur (rooms/a.lsd, HotSpot "Tür", Cursor "fehlt.cur")
  cursors/fehlt.cur (rooms/a.lsd, HotSpot "Noname2", Cursor "fehlt.cur")
  musics/fehlt.mid (rooms/a.lsd, Timerskript, Zeile 1: PlayMusic "fehlt.mid")
  graphics/fehlt.bmp (rooms/b.lsd, Hintergrund "fehlt.bmp")
  sounds/fehlt.wav (rooms/b.lsd, HotSpot Nr. 1, Interagiere, Zeile 1: PlayWav "/home/a/fehlt.wav")
  sounds/fehlt_item.wav (items/Schwert0.skp, Zeile 2: PlayWav "fehlt_item.wav")
)"));
    }

    void theProgramChecksTheFolderItIsGiven()
    {
        const auto pruefen = [](const QStringList& argumente, const QString& aus, int status,
                                const QString& arbeitsordner = {}) {
            const QString text = programmAusgabe(TARNHOLM_CHECK, argumente, status, arbeitsordner);
            QVERIFY2(text.contains(aus), qPrintable(text));
        };
        // Without a folder, the one the program lies in: the demo game.
        pruefen({},
                "Unbenutzte Bilder:\n  graphics/wald_nacht.jpg\nUnbenutzte Klänge:\n"
                "  sounds/wind.wav\nRaumdateien",
                0);
        TestSpiel s;
        kaputtesSpiel(s);
        pruefen({s.dir.path()}, "rooms/b.lsd (Lesen bricht", 1);
        pruefen({s.pfad("rooms")}, "ist der Ordner „rooms“ eines Spiels", 2);
        pruefen({"--help"}, "Aufruf: tarnholm-check [--] [Spielordner]", 0);
        // After "--", a folder whose name starts with "-".
        QVERIFY(QDir(s.dir.path()).mkpath("-spiel/rooms"));
        pruefen({"-spiel"}, "Unbekannter Aufruf", 2, s.dir.path());
        pruefen({"--", "-spiel"}, "Unbenutzte Bilder:\n  (keine)\n", 0, s.dir.path());
        pruefen({"--", "-spiel", "--help"}, "Unbekannter Aufruf", 2, s.dir.path());
        // What a killed save left beside a room is set aside first, and said so.
        QTemporaryDir daten;
        qputenv("XDG_DATA_HOME", daten.path().toUtf8());
        QVERIFY(s.datei("rooms/a.lsd.QwErTy", "halb"));
        pruefen({s.dir.path()},
                "tarnholm-check: Ein abgebrochenes Speichern hat eine Datei im Spielordner "
                "hinterlassen: rooms/a.lsd.QwErTy.",
                1);
        QCOMPARE(s.dateien("rooms"), QStringList({"a.lsd", "b.lsd"})); // never deletes a room
        // Lying in no game folder: the current folder, when it is one.
        QTemporaryDir programm;
        const QString kopie = programm.filePath("tarnholm-check");
        QVERIFY(QFile::copy(TARNHOLM_CHECK, kopie));
        QVERIFY(programmAusgabe(kopie, {}, 1, s.dir.path()).contains("rooms/b.lsd (Lesen bricht"));
        QCOMPARE(programmAusgabe(kopie, {}, 2, programm.path()),
                 "tarnholm-check: Der Ordner " + programm.path() +
                     ", in dem tarnholm-check liegt und aufgerufen wurde, ist kein Spielordner "
                     "(ein Ordner mit dem Unterordner „rooms“). Geben Sie den Spielordner an.\n");
    }
};

QTEST_APPLESS_MAIN(TestCheck)
#include "tst_check.moc"
