#include "Programm.h"
#include "SkriptAus.h"
#include "git/Textform.h"
#include "roomfile/ItemSkript.h"
#include "roomfile/RoomFile.h"
#include "roomfile/TextFile.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

QString alsText(const Module1& raum)
{
    return QString::fromUtf8(Textform::text(Textform::Art::Raum, RoomFile::schreiben(raum)));
}

// Every command of the language once, blocks nested and a stray closer, an unknown code.
Module1 jederBefehl()
{
    Module1 m;
    m.setHintergrund("graphics\\Schloß.bmp");
    m.StartSkript = skriptAus({{8, "Schluessel.bmp"},
                               {0, "TruheOffen"},
                               {3, "Offen"},
                               {12, "Zu"},
                               {9, ""},
                               {6, "Muenze.gif"},
                               {7, "Zettel.bmp"},
                               {10, ""},
                               {9, ""},
                               {11, "intro.avi"},
                               {1, "tuer.wav"},
                               {19, "lied.mid"},
                               {2, "$cHallo#Welt"},
                               {4, "keller.lsd"},
                               {5, "bild.bmp"},
                               {13, "Tür, hand.cur"},
                               {14, "12,40,300,220"},
                               {15, "0,0,0,0"},
                               {32, "3"},
                               {16, ""},
                               {17, "Tür"},
                               {18, "Tür"},
                               {20, ""},
                               {21, ""},
                               {23, "1, gesicht.bmp"},
                               {24, "2|Wer?|Ich"},
                               {25, "1"},
                               {22, "5"},
                               {26, ""},
                               {27, "Mühle, Gewonnen, 3"},
                               {29, "Anfang"},
                               {28, "Anfang"},
                               {30, "Save"},
                               {31, "0"},
                               {10, ""},
                               {99, " zwei  Leerzeichen "},
                               {10, ""}});
    m.TimerSkript = skriptAus({{31, "10"}});
    HotSpot& tuer = m.HotSpots[m.neuerHotSpot(0)];
    tuer.Name = " Tür, alt ";
    tuer.Cursor = "C:\\cursors\\hand.cur";
    tuer.Aktion = {true, false, true};
    tuer.Skripte[0] = skriptAus({{2, "Eine Tür."}});
    for (const auto& [x, y] : {std::pair{0, 0}, {63, 0}, {0, 47}, {63, 47}})
        tuer.Feld[x][y] = true;
    HotSpot& leer = m.HotSpots[m.neuerHotSpot(1)];
    leer.Aktion = {false, false, false};
    leer.Aktiv = false;
    leer.Skripte[2] = Skript();
    return m;
}

QString zellen(const QString& ersteUndLetzte)
{
    const QString leer = QString(64, '.') + '\n';
    return ersteUndLetzte + leer.repeated(46) + ersteUndLetzte;
}

} // namespace

class TextformTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aRoomReadsAsTheEditorShowsIt()
    {
        const QString ecken = '#' + QString(62, '.') + "#\n";
        const QString erwartet = "Hintergrund: graphics\\Schloß.bmp\n"
                                 "Startskript\n"
                                 "  IfItem Schluessel.bmp\n"
                                 "     IF TruheOffen\n"
                                 "        SetFlag Offen\n"
                                 "        DelFlag Zu\n"
                                 "     Else \n"
                                 "        Add Muenze.gif\n"
                                 "        Remove Zettel.bmp\n"
                                 "     EndIf \n"
                                 "  Else \n"
                                 "     PlayAvi intro.avi\n"
                                 "     PlayWav tuer.wav\n"
                                 "     PlayMusic lied.mid\n"
                                 "     Print $cHallo#Welt\n"
                                 "     Goto keller.lsd\n"
                                 "     LoadPic bild.bmp\n"
                                 "     ChangeMouse Tür, hand.cur\n"
                                 "     ZoomIn 12,40,300,220\n"
                                 "     ZoomOut 0,0,0,0\n"
                                 "     Spezialblende 3\n"
                                 "     Error \n"
                                 "     HSaktivieren Tür\n"
                                 "     HSdeaktivieren Tür\n"
                                 "     ÖffneDialog \n"
                                 "     SchließeDialog \n"
                                 "     DialogGesicht 1, gesicht.bmp\n"
                                 "     SelectCase 2|Wer?|Ich\n"
                                 "     Case 1\n"
                                 "        Bosheit 5\n"
                                 "     EndSelect \n"
                                 "     Spiel vom Spiel spielen spielen Mühle, Gewonnen, 3\n"
                                 "     Label Anfang\n"
                                 "     Jump Anfang\n"
                                 "     GameOver Save\n"
                                 "     Countdown 0\n"
                                 "  EndIf \n"
                                 "  <99>  zwei  Leerzeichen \n"
                                 "  EndIf \n"
                                 "Timerskript\n"
                                 "  Countdown 10\n"
                                 "HotSpot 1 „ Tür, alt “\n"
                                 "  Aktionen: Sieh an!, Interagiere\n"
                                 "  Aktiv: ja\n"
                                 "  Cursor: hand.cur\n"
                                 "„ Tür, alt “: Sieh an!\n"
                                 "  Print Eine Tür.\n"
                                 "„ Tür, alt “: Tue\n"
                                 "„ Tür, alt “: Interagiere\n"
                                 "  Error \n"
                                 "„ Tür, alt “: Zellen\n" +
                                 zellen(ecken) +
                                 "HotSpot 2 „Noname1“\n"
                                 "  Aktionen: keine\n"
                                 "  Aktiv: nein\n"
                                 "  Cursor: \n"
                                 "„Noname1“: Sieh an!\n"
                                 "„Noname1“: Tue\n"
                                 "„Noname1“: Interagiere\n"
                                 "„Noname1“: Zellen\n" +
                                 zellen(QString(64, '.') + '\n');
        QCOMPARE(alsText(jederBefehl()), erwartet);
    }

    // The demo game's files as `git diff` shows them; the expected texts lie in tests/data.
    void theDemoGamesFilesReadAsTheirTexts_data()
    {
        QTest::addColumn<QString>("datei");
        for (const char* datei : {"rooms/haus.lsd", "rooms/keller.lsd", "rooms/wald.lsd",
                                  "items/Schluessel2.skp", "items/Zettel0.skp"})
            QTest::newRow(datei) << QString(datei);
    }
    void theDemoGamesFilesReadAsTheirTexts()
    {
        QFETCH(QString, datei);
        const QByteArray bytes = TextFile::read(TARNHOLM_DEMO_DIR "/" + datei).value_or("");
        const QString erwartet = QString(TARNHOLM_DATA_DIR "/textform/") +
                                 datei.section('/', 1).replace('.', '_') + ".txt";
        QCOMPARE(QString::fromUtf8(Textform::text(Textform::artVon(datei, bytes), bytes)),
                 QString::fromUtf8(TextFile::read(erwartet).value_or("(fehlt)")));
    }

    void paintingOneCellChangesOneLineAtItsColumn()
    {
        Module1 raum = jederBefehl();
        const QStringList vorher = alsText(raum).split('\n');
        QRandomGenerator zufall(7);
        for (int runde = 0; runde < 50; ++runde) {
            const int h = zufall.bounded(2);
            const int x = zufall.bounded(HotSpot::Spalten);
            const int y = zufall.bounded(HotSpot::Zeilen);
            Module1 gemalt = raum;
            gemalt.HotSpots[h].Feld[x][y] = !gemalt.HotSpots[h].Feld[x][y];
            const QStringList nachher = alsText(gemalt).split('\n');
            QCOMPARE(nachher.size(), vorher.size());
            const int kopf = vorher.indexOf(QString("„%1“: Zellen").arg(raum.HotSpots[h].Name));
            for (int i = 0; i < vorher.size(); ++i) {
                if (i != kopf + 1 + y) {
                    QCOMPARE(nachher[i], vorher[i]);
                    continue;
                }
                QCOMPARE(nachher[i].size(), HotSpot::Spalten);
                for (int spalte = 0; spalte < HotSpot::Spalten; ++spalte)
                    QCOMPARE(nachher[i][spalte] == vorher[i][spalte], spalte != x);
            }
        }
    }

    // What was read, then where reading stops; the timer script only once reading got there.
    void aFileCutShortShowsWhatWasReadAndWhereItStops()
    {
        const Module1 raum = jederBefehl();
        const QByteArray ganz = RoomFile::schreiben(raum);
        const QStringList zeilen = alsText(raum).split('\n');
        const auto bis = [&](const QString& zeile) { return int(zeilen.indexOf(zeile)); };
        const auto abschnitt = [&](int von, int nach) {
            return zeilen.mid(von, nach - von).join('\n') + '\n';
        };
        const auto text = [](const QByteArray& bytes) {
            return QString::fromUtf8(Textform::text(Textform::Art::Raum, bytes));
        };
        const int timer = bis("Timerskript");
        const int erster = bis("HotSpot 1 „ Tür, alt “");
        const int zweiter = bis("HotSpot 2 „Noname1“");

        // Cut inside the second hotspot's grid: the first hotspot, no timer script.
        const QByteArray imZweiten =
            ganz.left(ganz.lastIndexOf("\r\n", ganz.size() - 200) + 2) + "x\r\n";
        QCOMPARE(text(imZweiten),
                 abschnitt(0, timer) + abschnitt(erster, zweiter) +
                     QString("Lesen bricht in Zeile %1 ab\n").arg(imZweiten.count('\n')));
        // The timer script's only line cut: its heading, every hotspot.
        const QByteArray imTimer = ganz.left(ganz.size() - 4);
        QCOMPARE(text(imTimer),
                 abschnitt(0, timer + 1) + abschnitt(erster, zeilen.size() - 1) +
                     QString("Lesen bricht in Zeile %1 ab\n").arg(imTimer.count('\n') + 1));
        QCOMPARE(text(""), QString("Lesen bricht in Zeile 1 ab\n"));
        QCOMPARE(
            QString::fromUtf8(Textform::text(Textform::Art::ItemSkript, "1\r\n3\r\n\"a\"\r\n")),
            QString("SetFlag a\nLesen bricht in Zeile 4 ab\n"));
    }
};

QTEST_GUILESS_MAIN(TextformTest)
#include "tst_textform.moc"
