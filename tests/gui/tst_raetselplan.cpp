// The window "Rätselplan" as the program wires it: the chart of a small game drawn from dot's
// layout, following a save, showing only the way to the goal, and a step opened by Return.
#include "EditorImTest.h"
#include "mainwindow/Nachladen.h"
#include "mainwindow/Spielfenster.h"
#include "raetsel/PlanKnotenItem.h"
#include "raetsel/RaetselplanFenster.h"
#include "raeume/KartenAnsicht.h"
#include "script/Befehlstabelle.h"
#include "script/SkriptEditor.h"
#include "spiel/Pruefdienst.h"

#include "raetsel/Raetseldienst.h"

#include <QCheckBox>
#include <QComboBox>

using namespace Befehlstabelle;

class TestRaetselplan : public QObject, EditorImTest
{
    Q_OBJECT

    std::unique_ptr<Pruefdienst> dienst;
    std::unique_ptr<Spielfenster> alle;
    RaetselplanFenster* fenster2 = nullptr;

    /// The house: a chest that gives the key (active or not), a door that needs it.
    Module1 haus(bool truheAktiv)
    {
        Module1 r = raumMit({}, {{"Truhe", skriptAus({{Add, "Schluessel.bmp"}})},
                                 {"Tür", skriptAus({{Print, "Die Tür."},
                                                    {IfItem, "Schluessel.bmp"},
                                                    {Goto, "keller.lsd"},
                                                    {EndIf, ""}})}});
        r.HotSpots[0].Aktiv = truheAktiv;
        return angeboten(r);
    }
    /// Every hotspot offers "Tue".
    static Module1 angeboten(Module1 r)
    {
        for (int i = 0; i <= r.HotSpotMax; ++i)
            r.HotSpots[i].Aktion[1] = true;
        return r;
    }
    QString zeile() { return control<QLabel>("Zeile", fenster2)->text(); }
    QString tip(int zeile) { return list()->item(zeile)->toolTip(); }
    /// The analysis has caught up with the game as the service knows it now.
    void analysiert() { QTRY_VERIFY_WITH_TIMEOUT(Raetseldienst::von(*dienst).aktuell(), 10000); }
    /// Each step drawn: "*" when bold, "!" when it can never happen, then its label.
    QStringList gezeichnet()
    {
        QStringList r;
        for (auto i = fenster2->schritte().cbegin(); i != fenster2->schritte().cend(); ++i) {
            const PlanSchritt& p = fenster2->karte().schritte[i.key()];
            r << QString(i.value()->nie() ? "!" : "") + (i.value()->fett() ? "*" : "") +
                     RaetselKarte::beschriftung(p).join(' ');
        }
        r.sort();
        return r;
    }

private Q_SLOTS:
    void init()
    {
        starten();
        QVERIFY(spiel->raum("wald.lsd",
                            angeboten(raumMit({}, {{"Weg", skriptAus({{Goto, "haus.lsd"}})}}))));
        QVERIFY(spiel->raum("haus.lsd", haus(true)));
        QVERIFY(spiel->raum("keller.lsd", raumMit(skriptAus({{SetFlag, "Unten"}}))));
        QVERIFY(spiel->datei("raetselplan.txt", "start: wald.lsd\nziel: raum:keller.lsd\n"));
        dienst = std::make_unique<Pruefdienst>(*m);
        QSignalSpy bereit(dienst.get(), &Pruefdienst::bereitGeworden);
        dienst->lesen();
        QVERIFY(bereit.wait(10000));
        alle = std::make_unique<Spielfenster>(*m, *desktop, *editor, *dienst);
    }
    void cleanup()
    {
        alle.reset();
        beenden();
        dienst.reset();
    }

    void theHotspotListMarksWhatCanNeverHappenWhileTheRoomIsAsSaved()
    {
        // The chest inactive, and looked at as well: one reason for both its scripts.
        Module1 r = haus(false);
        r.HotSpots[0].Aktion[0] = true;
        r.HotSpots[0].Skripte[0] = skriptAus({{Print, "Eine Truhe."}});
        QVERIFY(spiel->raum("haus.lsd", r));
        dienst->dateiGeaendert(raeume("haus.lsd"));
        clickWith("Command4", raeume("haus.lsd"));
        analysiert();
        const QString truhe = "Kann im Spiel nie geschehen:\n„Sieh an!“, „Tue“: HotSpot „Truhe“ "
                              "ist inaktiv und wird nirgends aktiviert, wo das Spiel hinkommt";
        QTRY_COMPARE(tip(0), truhe);
        QCOMPARE(tip(1), "Kann im Spiel nie geschehen:\n„Tue“, Zeile 3: Gegenstand "
                         "„Schluessel.bmp“ wird nirgends gegeben, wo das Spiel hinkommt (nur in "
                         "rooms/haus.lsd, HotSpot \"Truhe\", Tue, Zeile 1, die selbst nie läuft)");
        QVERIFY(!list()->item(0)->icon().isNull());
        QVERIFY(control<QPushButton>("Command2")->toolTip().isEmpty());

        // Ticked in the window: the marks speak of the file no more, and come back with it.
        clickRow(list(), 0);
        QCheckBox* aktiv = control<QCheckBox>("Check2");
        aktiv->click();
        QVERIFY(geaendert());
        QCOMPARE(tip(0), QString());
        QCOMPARE(tip(1), QString());
        QVERIFY(list()->item(0)->icon().isNull());
        aktiv->click();
        QVERIFY(!geaendert());
        QCOMPARE(tip(0), truhe);

        // A fault of the script keeps its own mark and comes first.
        r.HotSpots[1].Skripte[1] = skriptAus({{Print, "Die Tür."},
                                              {IfItem, "Schluessel.bmp"},
                                              {Goto, "keller.lsd"},
                                              {EndIf, ""},
                                              {HSaktivieren, "Niemand"}});
        QVERIFY(spiel->raum("haus.lsd", r));
        dienst->dateiGeaendert(raeume("haus.lsd"));
        editor->nachladen().neuLaden(raeume("haus.lsd"));
        analysiert();
        QTRY_VERIFY(tip(1).contains("Kann im Spiel nie geschehen:"));
        QVERIFY2(tip(1).startsWith("1 Fehler"), qPrintable(tip(1)));

        // Saved ticked: the analysis of the new file finds nothing left.
        aktiv->click();
        taste(Qt::CTRL | Qt::Key_S);
        QVERIFY(!geaendert());
        analysiert();
        QTRY_COMPARE(tip(0), QString());
        QVERIFY(!tip(1).contains("nie"));
    }

    void theStartRoomChosenInTheWindowIsWrittenIntoThePlan()
    {
        QVERIFY(spiel->datei("raetselplan.txt", "# Unser Plan\r\nziel: raum:keller.lsd\r\n"
                                                "start: wald.lsd\r\n# Licht von Anfang an\r\n"
                                                "besitz: flag:Licht\r\n"));
        Raetseldienst& raetsel = Raetseldienst::von(*dienst);
        raetsel.neuRechnen();
        control<QAction>("aktionRaetselplan", editor.get())->trigger();
        fenster2 = &alle->raetselplan();
        auto* wahl = control<QComboBox>("Startraum", fenster2);
        QTRY_VERIFY(wahl->isEnabled());
        QStringList texte;
        for (int i = 0; i < wahl->count(); ++i)
            texte << wahl->itemText(i);
        QCOMPARE(texte, QStringList({"Automatisch (Räume, in die nichts führt)", "haus.lsd",
                                     "keller.lsd", "wald.lsd"}));
        QTRY_COMPARE(wahl->currentText(), "wald.lsd");

        // One up, as an author goes through the list with the keys: the cellar.
        wahl->setFocus();
        QTest::keyClick(wahl, Qt::Key_Up);
        QCOMPARE(spiel->inhalt("raetselplan.txt"),
                 QByteArray("# Unser Plan\r\nstart: keller.lsd\r\nziel: raum:keller.lsd\r\n"
                            "# Licht von Anfang an\r\nbesitz: flag:Licht\r\n"));
        // The analysis follows: the forest is no start any more, and is never entered.
        QTRY_VERIFY(raetsel.aktuell() && raetsel.plan().start == QStringList{"keller.lsd"});
        QCOMPARE(raetsel.ergebnis()->startRaeume, QStringList{"rooms/keller.lsd"});
        QTRY_VERIFY2(zeile().startsWith("Start: keller.lsd"), qPrintable(zeile()));
        QCOMPARE(wahl->currentText(), "keller.lsd");

        // Back to the default: no start line is left.
        QTest::keyClick(wahl, Qt::Key_Home);
        QCOMPARE(spiel->inhalt("raetselplan.txt"),
                 QByteArray("# Unser Plan\r\nziel: raum:keller.lsd\r\n"
                            "# Licht von Anfang an\r\nbesitz: flag:Licht\r\n"));
        QTRY_VERIFY(raetsel.aktuell() && raetsel.plan().start.isEmpty());

        // A damaged file is never rewritten from here: the box says why it is closed.
        QVERIFY(spiel->datei("raetselplan.txt", "start: wald.lsd\nziel keller\n"));
        raetsel.neuRechnen();
        QTRY_VERIFY(!wahl->isEnabled());
        QVERIFY2(wahl->toolTip().startsWith("raetselplan.txt, Zeile 2: erwartet"),
                 qPrintable(wahl->toolTip()));
        QTest::keyClick(wahl, Qt::Key_Down);
        QCOMPARE(spiel->inhalt("raetselplan.txt"), QByteArray("start: wald.lsd\nziel keller\n"));
    }

    void theChartFollowsTheGameAndOpensAStepByReturn()
    {
        if (QStandardPaths::findExecutable("dot").isEmpty())
            QSKIP("Graphviz is not installed");
        // Through the menu, as an author opens it.
        control<QAction>("aktionRaetselplan", editor.get())->trigger();
        fenster2 = &alle->raetselplan();
        QVERIFY(fenster2->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(fenster2->fertig(), 10000);
        QCOMPARE(zeile(), "Start: wald.lsd · Ziel „raum:keller.lsd“ wird erreicht");
        QCOMPARE(gezeichnet(), QStringList({"*Truhe: Tue haus.lsd", "*Tür: Tue haus.lsd",
                                            "*Weg: Tue wald.lsd", "Startskript keller.lsd"}));

        // Only the way to the goal: the cellar's start script goes.
        QSignalSpy angeordnet(fenster2, &RaetselplanFenster::angeordnet);
        control<QCheckBox>("NurWeg", fenster2)->setChecked(true);
        QVERIFY(angeordnet.wait(10000));
        QCOMPARE(gezeichnet().size(), 3);

        // A save that makes the chest inactive: the chest red, the goal out of reach.
        QVERIFY(spiel->raum("haus.lsd", haus(false)));
        dienst->dateiGeaendert(raeume("haus.lsd"));
        QTRY_VERIFY_WITH_TIMEOUT(fenster2->fertig() && gezeichnet().first().startsWith('!'), 10000);
        QCOMPARE(gezeichnet().first(), "!*Truhe: Tue haus.lsd");
        QVERIFY2(zeile().contains("Ziel „raum:keller.lsd“ wird nie erreicht: HotSpot „Truhe“"),
                 qPrintable(zeile()));
        QVERIFY(fenster2->schritte().value(0)->toolTip().contains("HotSpot „Truhe“ ist inaktiv"));
        // Drawn from the very analysis "Spiel prüfen" lists, with the game it was made on.
        const Raetseldienst& raetsel = Raetseldienst::von(*dienst);
        QVERIFY(raetsel.aktuell());
        QCOMPARE(fenster2->karte().dot(false),
                 RaetselKarte::bauen(*raetsel.ergebnisSpiel(), *raetsel.ergebnis(), raetsel.plan())
                     .dot(false));
        QVERIFY(spiel->raum("haus.lsd", haus(true)));
        dienst->dateiGeaendert(raeume("haus.lsd"));
        QTRY_VERIFY_WITH_TIMEOUT(fenster2->fertig() && !gezeichnet().first().startsWith('!'),
                                 10000);

        // A click selects the door, Return opens its room, its hotspot and its script at the
        // line that needs the key.
        int tuer = -1;
        for (auto i = fenster2->schritte().cbegin(); i != fenster2->schritte().cend(); ++i)
            if (fenster2->karte().schritte[i.key()].hotSpot == "Tür")
                tuer = i.key();
        PlanKnotenItem* item = fenster2->schritte().value(tuer);
        QVERIFY(item);
        KartenAnsicht* ansicht = fenster2->ansicht();
        ansicht->centerOn(item);
        QTest::mouseClick(ansicht->viewport(), Qt::LeftButton, {},
                          ansicht->mapFromScene(item->sceneBoundingRect().center()));
        QCOMPARE(ansicht->gewaehlt(), item);
        int gesehen = -1;
        desktop->driveModal([&](QDialog& d) {
            QCOMPARE(&d, &alle->skriptEditor());
            QCOMPARE(m->AktSkript.Parameter.value(2), "keller.lsd");
            gesehen = control<QAbstractItemView>("List1", &d)
                          ->selectionModel()
                          ->selectedIndexes()
                          .value(0)
                          .row();
        });
        QTest::keyClick(ansicht, Qt::Key_Return);
        QCOMPARE(gesehen, 1);
        QCOMPARE(titel(), "Editor - haus.lsd");
        QCOMPARE(list()->currentRow(), 1);
    }
};

QTEST_MAIN(TestRaetselplan)
#include "tst_raetselplan.moc"
