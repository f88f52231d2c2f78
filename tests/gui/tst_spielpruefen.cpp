#include "EditorImTest.h"
#include "mainwindow/Spielfenster.h"
#include "pruefen/BefundModell.h"
#include "pruefen/SpielPruefen.h"
#include "roomfile/ItemSkript.h"
#include "script/SkriptEditor.h"
#include "spiel/Pruefdienst.h"

#include <QAbstractItemModelTester>
#include <QDirIterator>
#include <QRandomGenerator>

namespace {

/// Findings by file, each a text; the file "nie" stands for what can never happen.
using Befunde = QMap<QString, QStringList>;

BefundModell::Stand geordnet(const Befunde& befunde)
{
    QVector<Bericht::Gruppe> gruppen;
    QVector<Bericht::Eintrag> nie;
    for (auto it = befunde.cbegin(); it != befunde.cend(); ++it) {
        Bericht::Gruppe g{it.key(), {}};
        for (int i = 0; i < it->size(); ++i) {
            Bericht::Eintrag e;
            e.art = Bericht::Eintrag::Art::Warnung;
            e.datei = it.key() == "nie" ? "rooms/x.lsd" : it.key();
            e.text = it->at(i);
            e.zeile = true;
            e.stelle.datei = e.datei;
            e.stelle.skript = "Startskript";
            e.stelle.zeile = i;
            e.stelle.zeilenText = it->at(i);
            (it.key() == "nie" ? nie : g.eintraege).append(e);
        }
        if (it.key() != "nie")
            gruppen.append(g);
    }
    return BefundModell::ordnen(gruppen, nie);
}

// Every row as the list shows it.
QStringList reihen(const QAbstractItemModel& modell)
{
    QStringList r;
    for (int i = 0; i < modell.rowCount(); ++i) {
        QStringList spalten;
        for (int k = 0; k < BefundModell::Spalten; ++k)
            spalten << modell.index(i, k).data().toString();
        r << spalten.join('|');
    }
    return r;
}

} // namespace

// Mistakes shown where they are made: the script editor's marks as lines change, and "Spiel
// prüfen" leading to the room, hotspot, script and line of a finding, as the program wires them.
class TestSpielPruefen : public QObject, EditorImTest
{
    Q_OBJECT

private:
    std::unique_ptr<Pruefdienst> dienst;
    std::unique_ptr<Spielfenster> alle;
    SkriptEditor* se = nullptr;
    SpielPruefen* fenster2 = nullptr;

    QAbstractItemView* zeilen() { return control<QAbstractItemView>("List1", se); }
    QString unten() { return control<QLabel>("Befundzeile", se)->toolTip(); }
    // Each row of the script editor: its mark ("F" fault, "H" hint, " " none) and text.
    QStringList markiert()
    {
        QStringList r;
        auto* modell = zeilen()->model();
        for (int i = 0; i < modell->rowCount(); ++i) {
            const QModelIndex x = modell->index(i, 0);
            const QString tip = x.data(Qt::ToolTipRole).toString();
            r << (tip.isEmpty() ? " " : tip.contains("Flag") ? "H" : "F") + x.data().toString();
        }
        return r;
    }

    void spielLesen()
    {
        dienst = std::make_unique<Pruefdienst>(*m);
        QSignalSpy bereit(dienst.get(), &Pruefdienst::bereitGeworden);
        dienst->lesen();
        QVERIFY(bereit.wait(10000));
        alle = std::make_unique<Spielfenster>(*m, *desktop, *editor, *dienst);
        se = &alle->skriptEditor();
        fenster2 = &alle->spielPruefen();
    }
    // The row of the finding whose script line shows `zeile`, below the row of `datei`.
    QModelIndex befund(const QString& datei, const QString& zeile)
    {
        const auto* modell = control<QTreeView>("Befunde", fenster2)->model();
        bool inDatei = false;
        for (int r = 0; r < modell->rowCount(); ++r) {
            const QModelIndex index = modell->index(r, 0);
            if (!fenster2->befunde().eintrag(index)) {
                inDatei = index.data().toString().startsWith(datei + " ");
                continue;
            }
            if (inDatei &&
                modell->index(r, BefundModell::Inhalt).data().toString().trimmed() == zeile)
                return index;
        }
        return {};
    }
    void returnAuf(const QModelIndex& index)
    {
        auto* liste = control<QTreeView>("Befunde", fenster2);
        liste->setCurrentIndex(index);
        QTest::keyClick(liste, Qt::Key_Return);
    }

private Q_SLOTS:
    void init()
    {
        starten();
        // "a": the window's "Tue" has a stray "EndIf", the start script a "ZoomIn" without
        // its four numbers; the ring's "Interagiere" a "Case" outside any "SelectCase".
        const Skript fenster = skriptAus({{0, "Licht"}, {2, "Hell."}, {10, ""}, {10, ""}});
        QVERIFY(spiel->raum("a.lsd", raumMit(skriptAus({{3, "Licht"}, {14, "1,2"}}),
                                             {{"Tür", Skript()}, {"Fenster", fenster}})));
        QVERIFY(spiel->raum("b.lsd", Module1()));
        QVERIFY(spiel->datei("items/Ring.bmp", "BM"));
        QVERIFY(spiel->datei("items/Ring2.skp",
                             ItemSkript::schreiben(skriptAus({{16, ""}, {16, ""}, {25, "1"}}))));
    }
    void cleanup()
    {
        alle.reset();
        beenden();
        dienst.reset();
    }

    void marksComeAndGoAsLinesChange()
    {
        spielLesen();
        clickWith("Command4", raeume("a.lsd"));
        // In the hotspot list, a marked row is as high as the others and its name starts in
        // the same column: where the first dark pixel of the text lies.
        QCOMPARE(list()->item(1)->toolTip().isEmpty(), false);
        const QImage bild = list()->viewport()->grab().toImage();
        QList<int> hoehen, spalten;
        for (int r = 0; r < 2; ++r) {
            const QRect reihe = list()->visualItemRect(list()->item(r));
            hoehen << reihe.height();
            int x = reihe.left();
            for (; x < reihe.right(); ++x) {
                const QColor c = bild.pixelColor(x, reihe.center().y());
                if (c.value() < 110 && c.saturation() < 40)
                    break;
            }
            spalten << x;
        }
        QCOMPARE(hoehen[0], hoehen[1]);
        QCOMPARE(spalten[0], spalten[1]);
        // In place of the window's "Tue"; the start script sets "Licht".
        m->AktSkript = skriptAus({{0, "Licht"}, {9, ""}, {10, ""}});
        desktop->driveModal([this](QDialog&) { tippen(); });
        se->zeigen({true, {RoomFile::SkriptOrt::Art::HotSpot, 1, 1}, {}}, 2);
    }

    void spielPruefenLeadsToEachFinding();
    void whatCanNeverHappenComesAndGoesWithTheChestsAktiv();
    void theListReplacesOnlyTheRowsThatChanged();

private:
    void tippen()
    {
        QCOMPARE(markiert(), QStringList({" IF Licht", " Else ", " EndIf "}));
        QCOMPARE(unten(), "Keine Fehler und keine Hinweise");
        // An "EndIf" alone is marked at once, and named below while it is selected.
        befehlEinfuegen(se, "EndIf");
        QCOMPARE(markiert(), QStringList({" IF Licht", " Else ", " EndIf ", "FEndIf "}));
        QCOMPARE(unten(), "\"EndIf\" ohne offenes \"IF\" oder \"IfItem\"");
        clickRow(zeilen(), 0);
        QCOMPARE(unten(), "1 Fehler, keine Hinweise");
        // Moved up into the block, the first "EndIf" is the one left over.
        clickRow(zeilen(), 3);
        click("Command1", se);
        QCOMPARE(markiert(), QStringList({" IF Licht", " Else ", " EndIf ", "FEndIf "}));
        click("Command3", se);
        QCOMPARE(markiert(), QStringList({" IF Licht", " Else ", " EndIf "}));
        // Typed: a flag set here is tested in this room only; one letter short is a slip.
        clickRow(zeilen(), 1);
        befehlEinfuegen(se, "SetFlag");
        auto* box = control<QLineEdit>("Text1_3", se);
        type(box, "Lich");
        QCOMPARE(markiert()[2], "H   SetFlag Lich");
        QCOMPARE(unten(), "Flag \"Lich\" wird gesetzt, aber nirgends abgefragt (meinten Sie "
                          "„Licht“?)");
        type(box, "t");
        QCOMPARE(markiert()[2], "    SetFlag Licht");
        QCOMPARE(unten(), "Keine Fehler und keine Hinweise");
        // Undone, the marks follow too.
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(markiert()[2], "H   SetFlag ");
        QCOMPARE(unten(), "Flag \"\" wird gesetzt, aber nirgends abgefragt");
    }
};

void TestSpielPruefen::spielPruefenLeadsToEachFinding()
{
    spielLesen();
    clickWith("Command4", raeume("b.lsd"));
    QSignalSpy aufgebaut(fenster2, &SpielPruefen::aufgebaut);
    fenster2->zeigen();
    QVERIFY(aufgebaut.wait(10000));
    QCOMPARE(fenster2->befunde().zusammenfassung(), "3 Fehler und 2 Hinweise in 3 Dateien");

    // Each finding opens its room, selects its hotspot, and shows its script on its line.
    // The item script's finding leaves the room and hotspot as they are.
    struct Fall
    {
        QString datei, zeile;
        Skript skript;
        int gewaehlt;
    };
    const Fall faelle[] = {
        {"rooms/a.lsd", "EndIf", skriptAus({{0, "Licht"}, {2, "Hell."}, {10, ""}, {10, ""}}), 3},
        {"rooms/a.lsd", "ZoomIn 1,2", skriptAus({{3, "Licht"}, {14, "1,2"}}), 1},
        {"items/Ring2.skp", "Case 1", skriptAus({{16, ""}, {16, ""}, {25, "1"}}), 2},
    };
    for (const Fall& f : faelle) {
        const QModelIndex index = befund(f.datei, f.zeile);
        QVERIFY2(index.isValid(), qPrintable(f.zeile));
        int gesehen = -1;
        desktop->driveModal([&](QDialog& d) {
            QCOMPARE(&d, se);
            QCOMPARE(m->AktSkript, f.skript);
            gesehen = zeilen()->selectionModel()->selectedIndexes().value(0).row();
        });
        returnAuf(index);
        QCOMPARE(gesehen, f.gewaehlt);
        QCOMPARE(titel(), "Editor - a.lsd");
        QCOMPARE(list()->currentRow(), 1);
    }

    // A changed room is asked about before another is loaded; Cancel stays where it is.
    clickWith("Command4", raeume("b.lsd"));
    click("Command3");
    desktop->answer(QMessageBox::Cancel);
    returnAuf(befund("rooms/a.lsd", "EndIf"));
    QCOMPARE(titel(), "Editor - b.lsd*");
    QVERIFY(letzteMeldung().startsWith("Der Raum „b.lsd“ wurde geändert."));

    // After a save the list follows: without the window, "Licht" is tested nowhere.
    clickWith("Command4", QMessageBox::Discard, raeume("a.lsd"));
    list()->setCurrentRow(1);
    click("Command10");
    control<QAction>("aktionSpeichern", editor.get())->trigger();
    QVERIFY(!geaendert());
    QVERIFY(aufgebaut.wait(10000));
    QCOMPARE(fenster2->befunde().zusammenfassung(), "2 Fehler und 3 Hinweise in 3 Dateien");
}

void TestSpielPruefen::whatCanNeverHappenComesAndGoesWithTheChestsAktiv()
{
    // The demo game beside the rooms of init(), which nothing leads into from the forest.
    QDirIterator demo(TARNHOLM_DEMO_DIR, QDir::Files, QDirIterator::Subdirectories);
    while (demo.hasNext()) {
        const QString von = demo.next();
        const QString nach = spiel->pfad(QDir(TARNHOLM_DEMO_DIR).relativeFilePath(von));
        QDir().mkpath(QFileInfo(nach).path());
        QFile::remove(nach);
        QVERIFY(QFile::copy(von, nach));
    }
    spielLesen();
    QSignalSpy aufgebaut(fenster2, &SpielPruefen::aufgebaut);
    fenster2->zeigen();
    QVERIFY(aufgebaut.wait(10000));
    const auto nieZeilen = [this] {
        const auto* modell = control<QTreeView>("Befunde", fenster2)->model();
        QStringList r;
        bool inNie = false;
        for (int i = 0; i < modell->rowCount(); ++i) {
            const QModelIndex index = modell->index(i, 0);
            if (!fenster2->befunde().eintrag(index))
                inNie = index.data().toString().startsWith(BefundModell::nieTitel());
            else if (const QString datei = fenster2->befunde().eintrag(index)->datei;
                     inNie && (datei.contains("haus") || datei.contains("keller") ||
                               datei == "raetselplan.txt"))
                r << modell->index(i, BefundModell::Skript).data().toString() + " " +
                         modell->index(i, BefundModell::Zeile).data().toString() + ": " +
                         index.data().toString();
        }
        return r;
    };
    QCOMPARE(nieZeilen(), QStringList());

    // Unticked in the window and saved: the chest never gives the key, the door never opens.
    clickWith("Command4", raeume("haus.lsd"));
    const int truhe = int(m->hotSpotNamen().indexOf("Truhe"));
    clickRow(list(), truhe);
    QTest::mouseClick(control<QCheckBox>("Check2"), Qt::LeftButton, {}, {6, 6});
    QVERIFY(!m->HotSpots[truhe].Aktiv);
    control<QAction>("aktionSpeichern", editor.get())->trigger();
    QVERIFY(aufgebaut.wait(10000));
    const QString nur = " (nur in rooms/haus.lsd, HotSpot \"%1\", %2, Zeile %3, die selbst nie "
                        "läuft)";
    const QString inaktiv =
        ": HotSpot „Truhe“ ist inaktiv und wird nirgends aktiviert, wo das Spiel hinkommt";
    QCOMPARE(nieZeilen(),
             QStringList({"rooms/haus.lsd, HotSpot \"Truhe\", Tue 1: Ziel „raum:keller.lsd“ wird "
                          "nie erreicht: HotSpot „Truhe“ ist "
                          "inaktiv und wird nirgends aktiviert, wo das Spiel hinkommt",
                          "rooms/haus.lsd, HotSpot \"Tür\", Tue 2: Flag „TuerOffen“ wird "
                          "nirgends gesetzt, wo das Spiel hinkommt" +
                              nur.arg("Tür", "Interagiere").arg(6),
                          "rooms/haus.lsd, HotSpot \"Tür\", Interagiere 2: Gegenstand "
                          "„Schluessel.bmp“ wird nirgends gegeben, wo das Spiel hinkommt" +
                              nur.arg("Truhe", "Tue").arg(6),
                          "rooms/haus.lsd, HotSpot \"Truhe\", Sieh an! 1" + inaktiv,
                          "rooms/haus.lsd, HotSpot \"Truhe\", Tue 1" + inaktiv,
                          // The cellar is one row, without a line of its own.
                          "rooms/keller.lsd, alle Skripte : Raum „keller.lsd“ wird nie betreten" +
                              nur.arg("Tür", "Tue").arg(3)}));

    // Return on the door's branch opens the room with the door selected, at that line.
    QModelIndex tuer;
    const auto* modell = control<QTreeView>("Befunde", fenster2)->model();
    for (int i = 0; i < modell->rowCount() && !tuer.isValid(); ++i) {
        const Bericht::Eintrag* e = fenster2->befunde().eintrag(modell->index(i, 0));
        if (e && e->text.contains("Schluessel.bmp") && e->stelle.skript.contains("Tür"))
            tuer = modell->index(i, 0);
    }
    QVERIFY(tuer.isValid());
    int gesehen = -1;
    desktop->driveModal([&](QDialog& d) {
        QCOMPARE(&d, se);
        gesehen = zeilen()->selectionModel()->selectedIndexes().value(0).row();
        // The script editor marks the branch's lines with the reason, and them alone.
        QVERIFY(unten().startsWith("Gegenstand „Schluessel.bmp“ wird nirgends gegeben"));
        const auto* modell = zeilen()->model();
        QStringList markiert;
        for (int i = 0; i < modell->rowCount(); ++i)
            markiert
                << (modell->index(i, 0).data(Qt::ToolTipRole).toString().contains("Schluessel.bmp")
                        ? "N"
                        : " ");
        QCOMPARE(markiert.join(""), " NNNNNNN   ");
    });
    returnAuf(tuer);
    QCOMPARE(gesehen, 1);
    QCOMPARE(list()->currentItem()->text(), "Tür");

    // Ticked again through the room's history and saved: all gone.
    clickRow(list(), truhe);
    QTest::mouseClick(control<QCheckBox>("Check2"), Qt::LeftButton, {}, {6, 6});
    QVERIFY(m->HotSpots[truhe].Aktiv);
    control<QAction>("aktionSpeichern", editor.get())->trigger();
    QVERIFY(aufgebaut.wait(10000));
    QCOMPARE(nieZeilen(), QStringList());
}

void TestSpielPruefen::theListReplacesOnlyTheRowsThatChanged()
{
    BefundModell modell;
    QAbstractItemModelTester tester(&modell,
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy zurueck(&modell, &QAbstractItemModel::modelReset);
    QSignalSpy weg(&modell, &QAbstractItemModel::rowsRemoved);
    QSignalSpy dazu(&modell, &QAbstractItemModel::rowsInserted);
    Befunde befunde{{"rooms/a.lsd", {"a1", "a2"}},
                    {"rooms/b.lsd", {"b1", "b2", "b3"}},
                    {"rooms/c.lsd", {"c1"}},
                    {"nie", {"n1", "n2"}}};
    modell.setzen(geordnet(befunde), std::nullopt);
    QCOMPARE(modell.rowCount(), 12);

    // One finding's text changed: that row goes and comes, the list keeps its place below.
    const QPersistentModelIndex unten = modell.index(10, 0);
    befunde["rooms/b.lsd"][1] = "b2 neu";
    BefundModell::Stand neu = geordnet(befunde);
    const BefundModell::Unterschied u = BefundModell::vergleichen(modell.stand(), neu);
    QCOMPARE(std::tuple(u.ab, u.alt, u.neu), std::tuple(5, 1, 1));
    zurueck.clear();
    modell.setzen(std::move(neu), u);
    QCOMPARE(zurueck.size(), 0);
    QCOMPARE(weg.size(), 1);
    QCOMPARE(dazu.size(), 1);
    QCOMPARE(modell.index(5, 0).data().toString(), "b2 neu");
    QCOMPARE(unten.row(), 10);
    QCOMPARE(unten.data().toString(), "n1");

    // Random edits near each other, as saves make them: always the rows a fresh list shows,
    // and the rows after the change keep their findings.
    QRandomGenerator z(32);
    const QStringList dateien{"rooms/a.lsd", "rooms/b.lsd", "rooms/c.lsd", "items/d1.skp", "nie"};
    for (int runde = 0; runde < 300; ++runde) {
        const QString datei = dateien[z.bounded(int(dateien.size()))];
        QStringList& texte = befunde[datei];
        switch (z.bounded(4)) {
        case 0:
            texte.insert(z.bounded(int(texte.size()) + 1), QString::number(runde));
            break;
        case 1:
            if (!texte.isEmpty())
                texte.removeAt(z.bounded(int(texte.size())));
            break;
        case 2:
            if (!texte.isEmpty())
                texte[z.bounded(int(texte.size()))] += "'";
            break;
        default:
            texte.clear();
            break;
        }
        if (texte.isEmpty())
            befunde.remove(datei);
        const QPersistentModelIndex letzte = modell.index(modell.rowCount() - 1, 0);
        const QString vorher = letzte.data().toString();
        neu = geordnet(befunde);
        const BefundModell::Unterschied v = BefundModell::vergleichen(modell.stand(), neu);
        const bool dahinter = letzte.isValid() && letzte.row() >= v.ab + v.alt;
        modell.setzen(std::move(neu), v);
        BefundModell frisch;
        frisch.setzen(geordnet(befunde), std::nullopt);
        QCOMPARE(reihen(modell), reihen(frisch));
        QCOMPARE(modell.zusammenfassung(), frisch.zusammenfassung());
        if (dahinter)
            QCOMPARE(letzte.data().toString(), vorher);
    }
}

QTEST_MAIN(TestSpielPruefen)
#include "tst_spielpruefen.moc"
