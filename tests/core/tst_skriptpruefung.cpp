#include "Programm.h"
#include "TestSpiel.h"
#include "check/Befund.h"
#include "check/Bericht.h"
#include "check/Karte.h"
#include "regeln/SkriptRegeln.h"
#include "roomfile/ItemSkript.h"
#include "script/Befehlstabelle.h"
#include "spiel/Spielpruefung.h"
#include "roomfile/RoomFile.h"

#include <QStandardPaths>
#include <QTest>
#include <thread>

namespace {

using Zeilen = QVector<QPair<qint32, QString>>;

// "line: text" of every fault, lines from 1.
QStringList fehler(const Zeilen& zeilen, const QStringList& hotSpots = {"Tür", "Tür, links"})
{
    QStringList ergebnis;
    for (const SkriptRegeln::Verstoss& v : SkriptRegeln::pruefen(skriptAus(zeilen), &hotSpots))
        ergebnis << QString("%1: %2").arg(v.zeile + 1).arg(v.text);
    return ergebnis;
}

// What the checks take from a room file, in one text.
QString beschreibung(const SpielDatei& d)
{
    QString t = QString("%1 %2 %3 [%4]\n").arg(d.vollstaendig).arg(d.zeile).arg(d.hintergrund,
                                                                                d.hotSpotListe().join('|'));
    for (const SpielDatei::SkriptDaten& sd : d.skripte) {
        t += sd.name + ':';
        for (qint32 i = 0; i <= sd.skript.MaxZeile; ++i)
            t += QString(" %1 %2").arg(sd.skript.Befehl[i]).arg(sd.skript.Parameter[i]);
        t += '\n';
    }
    for (const SpielDatei::Fleck& f : d.hotSpots)
        t += QString::fromStdString(f.zellen.to_string()).count('1') == 0 ? "-" : "+";
    return t + QString(" %1 %2").arg(d.referenzen.size()).arg(d.vorkommen.size());
}

QVector<int> fehlerZeilen(const Zeilen& zeilen)
{
    QVector<int> ergebnis;
    for (const QString& f : fehler(zeilen))
        ergebnis << f.section(':', 0, 0).toInt();
    return ergebnis;
}

// A game whose flags, items and rooms are right only in some spellings.
void schreibweisenSpiel(const TestSpiel& s)
{
    QVERIFY(s.raum(
        "a.lsd",
        raumMit(
            skriptAus({{0, "Schluessel"}, {9, ""}, {10, ""}}),
            {{"Tür",
              skriptAus({{8, "Schwert.gif"}, {4, "B.LSD "}, {9, ""}, {12, "Alt"}, {10, ""}})}})));
    const Zeilen b = {{3, "schluessel"},
                      {4, "graphics\\a.lsd"},
                      {6, "Schwert.gif"},
                      {7, "Schild.gif"},
                      {3, "Tür offen"},
                      {0, "Tür offen "},
                      {9, ""},
                      {10, ""}};
    QVERIFY(s.raum("b.lsd", raumMit(skriptAus(b))));
    // Leads only to itself; the game it plays sets its flag.
    QVERIFY(
        s.raum("c.lsd", raumMit({}, {}, skriptAus({{4, "c.lsd"}, {27, "Karten, Gewonnen , 3"}}))));
    // Cut short in its hotspot: its flag counts, its stray "Else" is not checked.
    Module1 d =
        raumMit(skriptAus({{3, "Alt"}, {9, ""}}), {{"Kiste", skriptAus({{0, "Gewonnen"}})}});
    QVERIFY(s.datei("rooms/d.lsd", RoomFile::schreiben(d).left(200)));
    QVERIFY(s.datei("items/Ring1.skp",
                    ItemSkript::schreiben(skriptAus({{0, "Gewonnen"}, {17, "Kiste"}, {10, ""}}))));
}

QString programm(const QStringList& argumente, int status, const QByteArray& pfad = {})
{
    return programmAusgabe(TARNHOLM_CHECK, argumente, status, {}, pfad);
}

} // namespace

class TestSkriptpruefung : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void blocksAreCheckedAndReportedWhereTheyGoWrong()
    {
        // Nested the right way, every branch empty or not: nothing.
        const Zeilen richtig = {{0, "a"},      {8, "b.gif"}, {9, ""},  {10, ""},
                                {24, "2|?|x"}, {25, "1"},    {2, "x"}, {25, "2"},
                                {26, ""},      {9, ""},      {10, ""}};
        QVERIFY(fehler(richtig).isEmpty());
        QCOMPARE(fehler({{9, ""}, {10, ""}, {25, "1"}, {26, ""}}),
                 QStringList({"1: \"Else\" ohne offenes \"IF\" oder \"IfItem\"",
                              "2: \"EndIf\" ohne offenes \"IF\" oder \"IfItem\"",
                              "3: \"Case\" steht außerhalb von \"SelectCase\"",
                              "4: \"EndSelect\" ohne offenes \"SelectCase\""}));
        QCOMPARE(fehler({{0, "a"}, {9, ""}, {9, ""}, {10, ""}}),
                 QStringList({"3: Zweites \"Else\" im selben Block; das erste steht in "
                              "Skriptzeile 2"}));
        QCOMPARE(fehler({{8, "a"}, {24, "1"}}),
                 QStringList({"1: \"IfItem\" wird bis zum Ende des Skripts nicht mit \"EndIf\" "
                              "geschlossen",
                              "2: \"SelectCase\" wird bis zum Ende des Skripts nicht mit "
                              "\"EndSelect\" geschlossen"}));
        // A deleted inner "EndIf" is reported once, at the block it leaves open, also when
        // the next closer belongs to the block around it.
        QCOMPARE(fehler({{0, "a"}, {0, "b"}, {9, ""}, {9, ""}, {10, ""}}),
                 QStringList({"2: \"IF\" wird nicht mit \"EndIf\" geschlossen, bevor in "
                              "Skriptzeile 4 \"Else\" kommt"}));
        QCOMPARE(fehlerZeilen({{24, "2"}, {25, "1"}, {0, "x"}, {25, "2"}, {26, ""}}), {3});
        QCOMPARE(fehlerZeilen({{0, "a"}, {24, "2"}, {25, "1"}, {9, ""}, {10, ""}}), {2});
    }

    void labelsHotspotsAndParametersAreCheckedExactly()
    {
        // A label may stand after its jump; twice is once too many; case counts.
        QVERIFY(fehler({{28, "Ende"}, {2, "x"}, {29, "Ende"}}).isEmpty());
        QCOMPARE(fehler({{29, "Ende"}, {29, "Ende"}, {28, "ende"}, {28, "Weg"}}),
                 QStringList({"2: Die Marke \"Ende\" steht schon in Skriptzeile 1",
                              "3: \"Jump\" zur Marke \"ende\", die es in diesem Skript nicht "
                              "gibt (es gibt die Marke \"Ende\")",
                              "4: \"Jump\" zur Marke \"Weg\", die es in diesem Skript nicht "
                              "gibt"}));

        // A hotspot's whole name, or for "ChangeMouse" the name before a comma, also a name
        // that holds a comma itself.
        const Zeilen namen = {{17, "Tür"},
                              {18, "Tür, links"},
                              {13, "Tür, hand.cur"},
                              {13, "Tür , hand.cur"},
                              {13, "Tür, links, hand.cur"}};
        QVERIFY(fehler(namen).isEmpty());
        QCOMPARE(fehler({{17, "tür"}, {13, "Tor, hand.cur"}}),
                 QStringList({"1: Einen HotSpot \"tür\" hat dieser Raum nicht (es gibt \"Tür\")",
                              "2: Einen HotSpot \"Tor\" hat dieser Raum nicht"}));
        QVERIFY(SkriptRegeln::pruefen(skriptAus({{17, "Tor"}}), nullptr).isEmpty());

        const Zeilen gut = {{14, "0,0,639,479"}, {15, "1, 2,3 ,4"},  {24, "1"},
                            {25, "3"},           {26, ""},           {31, "0"},
                            {22, "-5"},          {32, "2147483647"}, {2, "$3Rot#$aGrün#Preis: 5$"},
                            {2, "Kein Code"},    {30, ""},           {30, "Open"},
                            {30, "Save"}};
        QVERIFY(fehler(gut).isEmpty());
        const Zeilen schlecht = {{14, "1,2,3"},
                                 {15, "1,2,3,x"},
                                 {14, "1,2,3,4,5"},
                                 {14, "-1,0,0,0"},
                                 {24, ""},
                                 {25, ""},
                                 {26, ""},
                                 {31, "10s"},
                                 {22, "+5"},
                                 {32, "2147483648"},
                                 {2, "Gut#$GSchlecht"},
                                 {2, "$"},
                                 {30, "open"},
                                 {30, "Open "}};
        QCOMPARE(fehlerZeilen(schlecht), QVector<int>({1, 2, 3, 4, 6, 8, 9, 10, 11, 12, 13, 14}));
    }

    void flagsItemsAndRoomsAreHintedAcrossTheGame()
    {
        TestSpiel s;
        schreibweisenSpiel(s);
        Spielpruefung spiel;
        ordnerPruefen(s.m, &spiel);
        QCOMPARE(Bericht::skriptText(spiel.fehler(), spiel.hinweise()),
                 QString(R"(Fehler in Skripten:
  Einen HotSpot "Kiste" hat kein Raum (items/Ring1.skp, Zeile 2: "   HSaktivieren Kiste")
Hinweise:
  Flag "Alt" wird gesetzt, aber nirgends abgefragt:
    rooms/a.lsd, HotSpot "Tür", Tue, Zeile 4: "   DelFlag Alt"
    rooms/d.lsd, Startskript, Zeile 1: "SetFlag Alt"
  Flag "Schluessel" wird abgefragt, aber nirgends gesetzt (gesetzt wird "schluessel"):
    rooms/a.lsd, Startskript, Zeile 1: "IF Schluessel"
  Flag "schluessel" wird gesetzt, aber nirgends abgefragt (abgefragt wird "Schluessel"):
    rooms/b.lsd, Startskript, Zeile 1: "SetFlag schluessel"
  Flag "Tür offen" wird gesetzt, aber nirgends abgefragt (abgefragt wird "Tür offen "):
    rooms/b.lsd, Startskript, Zeile 5: "SetFlag Tür offen"
  Flag "Tür offen " wird abgefragt, aber nirgends gesetzt (gesetzt wird "Tür offen"):
    rooms/b.lsd, Startskript, Zeile 6: "IF Tür offen "
  Gegenstand "Schild.gif" wird entfernt, aber nirgends mit "Add" gegeben:
    rooms/b.lsd, Startskript, Zeile 4: "Remove Schild.gif"
  rooms/c.lsd: Kein "Goto" führt in diesen Raum
  rooms/d.lsd: Kein "Goto" führt in diesen Raum
)"));
        // The same game in the other order of the files finds the same.
        Spielpruefung rueckwaerts;
        QVector<std::pair<QString, QByteArray>> dateien;
        for (const QString& name : s.dateien("rooms"))
            dateien.prepend({"rooms/" + name, s.inhalt("rooms/" + name)});
        const QByteArray ring = s.inhalt("items/Ring1.skp");
        rueckwaerts.setzen(SpielDatei::itemSkriptLesen("items/Ring1.skp", &ring));
        for (const auto& [datei, bytes] : dateien)
            rueckwaerts.setzen(SpielDatei::raumLesen(datei, &bytes));
        QCOMPARE(Bericht::gccText({}, rueckwaerts.fehler(), rueckwaerts.hinweise()),
                 Bericht::gccText({}, spiel.fehler(), spiel.hinweise()));
    }

    void aRoomReadAfterOthersIsReadAsOnItsOwn()
    {
        // Rooms whole and cut at every kind of place, read one after the other on one thread
        // (which keeps its model from room to room) and each on a thread of its own.
        Module1 gross = raumMit(skriptAus({{0, "A"}, {9, ""}, {10, ""}}),
                                {{"Tür", skriptAus({{3, "B"}, {4, "x.lsd"}})},
                                 {"Kiste", skriptAus({{8, "Ring.gif"}})},
                                 {"Fass", skriptAus({{1, "k.wav"}})}},
                                skriptAus({{3, "Zeit"}}));
        gross.HotSpots[1].Feld[3][4] = true;
        gross.HotSpots[2].Skripte[0] = skriptAus({{2, "Ein Fass."}});
        const Module1 klein = raumMit(skriptAus({{2, "Leer."}}), {{"Tor", skriptAus({{0, "C"}})}});
        const QByteArray g = RoomFile::schreiben(gross), k = RoomFile::schreiben(klein);
        const QVector<QByteArray> raeume{g, k, g.left(g.size() / 2), k.left(40), g, g.left(130),
                                         k, g.left(g.size() - 20), QByteArray(), g.left(5), k};
        for (const QByteArray& bytes : raeume) {
            const QString hier = beschreibung(*SpielDatei::raumLesen("rooms/r.lsd", &bytes));
            QString allein;
            std::thread([&] {
                allein = beschreibung(*SpielDatei::raumLesen("rooms/r.lsd", &bytes));
            }).join();
            QCOMPARE(hier, allein);
        }
    }

    void gccLinesPointAtTheLinesOfTheirCommands()
    {
        TestSpiel s;
        schreibweisenSpiel(s);
        QVERIFY(s.raum("e.lsd", raumMit(skriptAus({{2, "x"}, {4, "fehlt.lsd"}}),
                                        {{"Tür", skriptAus({{1, "weg.wav"}, {10, ""}})}})));
        Spielpruefung spiel;
        const Befund befund = ordnerPruefen(s.m, &spiel);
        const QStringList zeilen = Bericht::gccText(befund, spiel.fehler(), spiel.hinweise())
                                       .split('\n', Qt::SkipEmptyParts);
        QCOMPARE(zeilen.filter(": Fehler: ").size(), 2 + 1 + 5); // scripts, cut, missing
        QCOMPARE(zeilen.filter(": Warnung: ").size(), 7 + 3);    // flags and items, rooms
        QVERIFY(zeilen.contains("rooms/d.lsd:20: Fehler: Hier bricht das Lesen ab"));
        QVERIFY(zeilen.contains("rooms/e.lsd:14: Fehler: \"EndIf\" ohne offenes \"IF\" oder "
                                "\"IfItem\" (HotSpot \"Tür\", Tue, Zeile 2: \"EndIf \")"));
        QVERIFY(zeilen.contains("rooms/c.lsd: Warnung: Kein \"Goto\" führt in diesen Raum"));
        // Every line that names a script line points at the file's line of its command code.
        int geprueft = 0;
        for (const QString& z : zeilen) {
            const QRegularExpressionMatch ort = QRegularExpression("^(\\S+):(\\d+): ").match(z);
            const QRegularExpressionMatch befehl =
                QRegularExpression(".*Zeile \\d+: \"?\\s*(\\S+) ").match(z);
            if (!ort.hasMatch() || !befehl.hasMatch())
                continue;
            const QByteArray code =
                s.inhalt(ort.captured(1)).split('\n').value(ort.captured(2).toInt() - 1).trimmed();
            QVERIFY2(Befehlstabelle::CommandKeyword(code.toInt()) == befehl.captured(1),
                     qPrintable(z));
            ++geprueft;
        }
        QCOMPARE(geprueft, 2 + 5 + 7);
    }

    void theMapIsExactlyTheRoomsTheirItemsAndTheirLinks()
    {
        TestSpiel s;
        QVERIFY(s.raum("haus.lsd", raumMit(skriptAus({{6, "Schwert.gif"}}),
                                           {{"Tür \\ hinten", skriptAus({{4, "Keller.LSD"}})},
                                            {"Fenster", skriptAus({{4, "keller.lsd"}})}},
                                           skriptAus({{4, "fehlt.lsd"}, {4, "haus.lsd"}}))));
        QVERIFY(s.raum("keller.lsd", raumMit(skriptAus({{8, "Schwert.gif"}, {4, "haus.lsd"}}))));
        QVERIFY(s.datei("rooms/kaputt.lsd", "\"kaputt"));
        QVERIFY(s.datei("items/Ring1.skp", ItemSkript::schreiben(skriptAus({{4, "keller.lsd"}}))));
        Spielpruefung spiel;
        ordnerPruefen(s.m, &spiel);
        const QString dot = Karte::dot(spiel.raeume(), spiel.verbindungen());
        QCOMPARE(
            dot.section('\n', 4),
            QStringList({"    \"rooms/haus.lsd\" [label=\"haus.lsd\\ngibt: Schwert.gif\"];",
                         "    \"rooms/kaputt.lsd\" [label=\"kaputt.lsd\\n(nicht lesbar)\", "
                         "style=\"rounded,filled,dashed\", fillcolor=\"#f4c7c3\"];",
                         "    \"rooms/keller.lsd\" [label=\"keller.lsd\\nbraucht: Schwert.gif\"];",
                         "    \"items/Ring1.skp\" [label=\"Ring1.skp\", shape=note, style=filled, "
                         "fillcolor=\"#dde8f3\"];",
                         "    \"rooms/fehlt.lsd\" [label=\"fehlt.lsd\\n(gibt es nicht)\", "
                         "style=\"rounded,dashed\", color=\"#b03020\"];",
                         "    \"items/Ring1.skp\" -> \"rooms/keller.lsd\";",
                         "    \"rooms/haus.lsd\" -> \"rooms/fehlt.lsd\" [label=\"Timerskript\"];",
                         "    \"rooms/haus.lsd\" -> \"rooms/haus.lsd\" [label=\"Timerskript\"];",
                         // Two ways into the cellar: one edge that names both.
                         "    \"rooms/haus.lsd\" -> \"rooms/keller.lsd\" "
                         "[label=\"Fenster\\nTür \\\\ hinten\"];",
                         "    \"rooms/keller.lsd\" -> \"rooms/haus.lsd\" [label=\"Startskript\"];",
                         "}"})
                    .join('\n') +
                '\n');
    }

    void theDemoWithTheChestInactiveNeverReachesTheCellar()
    {
        const QString demo = QFileInfo(TARNHOLM_CHECK).absolutePath();
        TestSpiel s;
        for (const QString& ordner : {"rooms", "graphics", "sounds", "items", "cursors"}) {
            for (const QString& name : QDir(demo + "/" + ordner).entryList(QDir::Files))
                QVERIFY(QFile::copy(demo + "/" + ordner + "/" + name, s.pfad(ordner + "/" + name)));
        }
        QVERIFY(QFile::copy(demo + "/raetselplan.txt", s.pfad("raetselplan.txt")));
        const QString sauber = programm({"--streng", s.dir.path()}, 0);
        QVERIFY2(!sauber.contains("Kann im Spiel"), qPrintable(sauber));

        Module1 haus;
        QVERIFY(RoomFile::lesen(s.inhalt("rooms/haus.lsd"), haus).vollstaendig);
        QCOMPARE(haus.HotSpots[2].Name, QString("Truhe"));
        haus.HotSpots[2].Aktiv = false;
        QVERIFY(s.raum("haus.lsd", haus));
        const QString text = programm({s.dir.path()}, 1);
        QCOMPARE(text.mid(text.indexOf("Kann im Spiel")), QString(R"(Kann im Spiel nie geschehen:
  Ziel „raum:keller.lsd“ wird nie erreicht: HotSpot „Truhe“ ist inaktiv und wird nirgends aktiviert, wo das Spiel hinkommt
  rooms/haus.lsd, HotSpot "Tür", Tue, Zeile 2: "   PlayWav schritte.wav": Flag „TuerOffen“ wird nirgends gesetzt, wo das Spiel hinkommt (nur in rooms/haus.lsd, HotSpot "Tür", Interagiere, Zeile 6, die selbst nie läuft)
  rooms/haus.lsd, HotSpot "Tür", Interagiere, Zeile 2: "   IF TuerOffen": Gegenstand „Schluessel.bmp“ wird nirgends gegeben, wo das Spiel hinkommt (nur in rooms/haus.lsd, HotSpot "Truhe", Tue, Zeile 6, die selbst nie läuft)
  rooms/haus.lsd, HotSpot "Truhe", Sieh an!, Zeile 1: "Print Eine alte Truhe, mit Eisen beschlagen.": HotSpot „Truhe“ ist inaktiv und wird nirgends aktiviert, wo das Spiel hinkommt
  rooms/haus.lsd, HotSpot "Truhe", Tue, Zeile 1: "IF TruheOffen": HotSpot „Truhe“ ist inaktiv und wird nirgends aktiviert, wo das Spiel hinkommt
  rooms/keller.lsd, alle Skripte: Raum „keller.lsd“ wird nie betreten (nur in rooms/haus.lsd, HotSpot "Tür", Tue, Zeile 3, die selbst nie läuft)
  items/Schluessel0.skp, Zeile 1: "Print Ein rostiger, schwerer Schlüssel.": Gegenstand „Schluessel.bmp“ wird nirgends gegeben, wo das Spiel hinkommt (nur in rooms/haus.lsd, HotSpot "Truhe", Tue, Zeile 6, die selbst nie läuft)
)"));
        // The cellar never entered is one finding for all its scripts; the goal is a fault in
        // both forms.
        const QString gcc = programm({"--format=gcc", s.dir.path()}, 1);
        QVERIFY(gcc.contains("raetselplan.txt: Fehler: Ziel „raum:keller.lsd“"));
        QCOMPARE(gcc.count("rooms/keller.lsd:"), 1);
        QVERIFY(
            gcc.contains(QRegularExpression("rooms/keller.lsd:[0-9]+: Warnung: Raum „keller.lsd“ "
                                            "wird nie betreten .*\\(alle Skripte\\)")));
        QVERIFY(
            gcc.contains(QRegularExpression("rooms/haus.lsd:[0-9]+: Warnung: HotSpot „Truhe“")));

        // Without the goal, what never happens fails only a strict check; the command line's
        // start and goals replace the file's.
        QVERIFY(!programm({"--ziel", "flag:HausBesucht", s.dir.path()}, 0).startsWith("("));
        QVERIFY(programm({"--streng", "--ziel", "flag:HausBesucht", s.dir.path()}, 1)
                    .contains("Kann im Spiel nie geschehen"));
        QVERIFY(!programm({"--start", "keller.lsd", s.dir.path()}, 0).contains("Ziel „"));
        QVERIFY(programm({"--start", "dachboden.lsd", s.dir.path()}, 1)
                    .contains("Den Startraum „dachboden.lsd“ gibt es nicht"));
        QVERIFY(programm({"--ziel", "schatz", s.dir.path()}, 2).contains("Unbekannter Aufruf"));

        // A damaged plan is named and ignored, and left as it is.
        QVERIFY(s.datei("raetselplan.txt", "start: wald.lsd\nziel keller\n"));
        const QString kaputt = programm({s.dir.path()}, 0);
        QVERIFY2(kaputt.contains("raetselplan.txt, Zeile 2: erwartet „start:“, „ziel:“ oder "
                                 "„besitz:“; die Datei wird nicht beachtet."),
                 qPrintable(kaputt));
        QCOMPARE(s.inhalt("raetselplan.txt"), QByteArray("start: wald.lsd\nziel keller\n"));
    }

    void theProgramReportsInBothFormsAndDrawsTheMap()
    {
        const QString demo = QFileInfo(TARNHOLM_CHECK).absolutePath();
        // The demo game has no fault and no hint: the report is the old one alone.
        const QString sauber = programm({demo}, 0);
        QVERIFY2(sauber.endsWith("Verweise auf Dateien, die es nicht gibt:\n  (keine)\n"),
                 qPrintable(sauber));
        QCOMPARE(programm({"--streng", demo}, 0), sauber);

        // A copy with a deleted "EndIf", a misspelt flag and a "Jump" to nowhere.
        TestSpiel s;
        for (const QString& ordner : {"rooms", "graphics", "sounds", "items", "cursors"}) {
            for (const QString& name : QDir(demo + "/" + ordner).entryList(QDir::Files))
                QVERIFY(QFile::copy(demo + "/" + ordner + "/" + name, s.pfad(ordner + "/" + name)));
        }
        const auto aendern = [&s](const QString& name, const std::function<void(Module1&)>& was) {
            Module1 raum;
            QVERIFY(RoomFile::lesen(s.inhalt("rooms/" + name), raum).vollstaendig);
            was(raum);
            QVERIFY(s.raum(name, raum));
        };
        aendern("wald.lsd", [](Module1& r) {
            r.StartSkript.MaxZeile = 3;
            r.HotSpots[1].Skripte[1].Parameter[5] = "MünzeGefunden";
        });
        aendern("haus.lsd", [](Module1& r) {
            r.HotSpots[2].Skripte[1].Befehl[1] = 28;
            r.HotSpots[2].Skripte[1].Parameter[1] = "Leer";
        });
        const QString text = programm({s.dir.path()}, 1);
        QCOMPARE(text.mid(text.indexOf("Fehler in Skripten")), QString(R"(Fehler in Skripten:
  "Jump" zur Marke "Leer", die es in diesem Skript nicht gibt (rooms/haus.lsd, HotSpot "Truhe", Tue, Zeile 2: "   Jump Leer")
  "IF" wird bis zum Ende des Skripts nicht mit "EndIf" geschlossen (rooms/wald.lsd, Startskript, Zeile 1: "IF WaldBesucht")
Hinweise:
  Flag "MuenzeGefunden" wird abgefragt, aber nirgends gesetzt:
    rooms/wald.lsd, HotSpot "Astloch", Tue, Zeile 1: "IF MuenzeGefunden"
  Flag "MünzeGefunden" wird gesetzt, aber nirgends abgefragt:
    rooms/wald.lsd, HotSpot "Astloch", Tue, Zeile 6: "   SetFlag MünzeGefunden"
Kann im Spiel nie geschehen:
  rooms/wald.lsd, HotSpot "Astloch", Tue, Zeile 2: "   Print Das Astloch ist leer.": Flag „MuenzeGefunden“ wird nirgends gesetzt, wo das Spiel hinkommt
)"));
        // The same findings as lines for editors, each at its command's line of the file.
        QStringList orte;
        for (const QString& z : programm({"--format=gcc", s.dir.path()}, 1).split('\n'))
            if (z.contains(QRegularExpression(": (Fehler|Warnung): ")))
                orte << z.section(": ", 0, 1);
        QCOMPARE(orte, QStringList({"rooms/haus.lsd:6242: Fehler", "rooms/wald.lsd:3: Fehler",
                                    "rooms/wald.lsd:3103: Warnung", "rooms/wald.lsd:3113: Warnung",
                                    "rooms/wald.lsd:3105: Warnung"}));

        // Hints alone fail only a strict check.
        aendern("haus.lsd", [](Module1& r) { r.HotSpots[2].Skripte[1].Befehl[1] = 2; });
        aendern("wald.lsd", [](Module1& r) {
            r.StartSkript.Befehl << 10;
            r.StartSkript.Parameter << QString();
            r.StartSkript.MaxZeile = 4;
        });
        QVERIFY(!programm({s.dir.path()}, 0).startsWith("("));
        QVERIFY(programm({"--streng", s.dir.path()}, 1).contains("Hinweise:\n"));

        // The map: as source; drawn by Graphviz, or refused without it; other endings refused.
        QVERIFY(!programm({"--karte", s.pfad("karte.dot"), s.dir.path()}, 0).startsWith("("));
        QVERIFY(s.inhalt("karte.dot").contains("\"rooms/wald.lsd\" -> \"rooms/haus.lsd\""));
        QVERIFY(
            programm({"--karte=" + s.pfad("karte.png"), s.dir.path()}, 2, "").contains("Graphviz"));
        QVERIFY(!QFile::exists(s.pfad("karte.png")));
        QVERIFY(programm({"--karte", s.pfad("karte.txt"), s.dir.path()}, 2).contains(".dot, .svg"));
        QVERIFY(programm({"--karte"}, 2).contains("Unbekannter Aufruf"));
        QVERIFY(programm({"--format=xml", demo}, 2).contains("Unbekannter Aufruf"));
        if (!QStandardPaths::findExecutable("dot").isEmpty()) {
            QVERIFY(!programm({"--karte", s.pfad("karte.png"), s.dir.path()}, 0).startsWith("("));
            QVERIFY(s.inhalt("karte.png").startsWith("\x89PNG"));
        }

        // The puzzle chart of the demo, the same ways: the way to the cellar drawn bold.
        QVERIFY(!programm({"--raetselplan", s.pfad("plan.dot"), demo}, 0).startsWith("("));
        const QString plan = QString::fromUtf8(s.inhalt("plan.dot"));
        QVERIFY(plan.startsWith("digraph Raetselplan {"));
        QVERIFY(plan.contains("\"schritt:12\" -> \"raum:rooms/haus.lsd\" [penwidth=2.5]"));
        QVERIFY(programm({"--raetselplan=" + s.pfad("plan.svg"), demo}, 2, "")
                    .contains("Für .svg braucht es das Programm \"dot\""));
        QVERIFY(programm({"--raetselplan", s.pfad("plan.txt"), demo}, 2)
                    .contains("Der Rätselplan wird als .dot, .svg oder .png"));
        QVERIFY(programm({"--raetselplan", s.pfad("p.dot"), "--verwendungen", "flag:X", demo}, 2)
                    .contains("Unbekannter Aufruf"));
        if (!QStandardPaths::findExecutable("dot").isEmpty()) {
            QVERIFY(!programm({"--raetselplan", s.pfad("plan.svg"), demo}, 0).startsWith("("));
            QVERIFY(s.inhalt("plan.svg").contains("<svg"));
        }
    }
};

QTEST_APPLESS_MAIN(TestSkriptpruefung)
#include "tst_skriptpruefung.moc"
