#include "OrdnerStand.h"
#include "ScriptedDesktop.h"
#include "UmbenennSpiel.h"
#include "platform/Look.h"
#include "spiel/Pruefdienst.h"
#include "tools/Umbenennen.h"
#include "tools/Verwendungen.h"

#include <QtTest>
#include <QtWidgets>

namespace {

QStringList zeilen(const QTreeWidget* baum)
{
    QStringList texte;
    for (int i = 0; i < baum->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* datei = baum->topLevelItem(i);
        texte << datei->text(0) + (datei->text(2).isEmpty() ? "" : " → " + datei->text(2));
        for (int k = 0; k < datei->childCount(); ++k) {
            const QTreeWidgetItem* z = datei->child(k);
            texte << QString("  %1 | %2 | %3").arg(z->text(0), z->text(1), z->text(2));
        }
    }
    return texte;
}

// The rows of "Verwendungen": a file, then its places indented, as the tree of the preview.
QStringList zeilen(const QTreeView* liste)
{
    QStringList texte;
    const QAbstractItemModel* m = liste->model();
    for (int r = 0; r < m->rowCount(); ++r) {
        const auto text = [&](int spalte) { return m->index(r, spalte).data().toString(); };
        if (m->flags(m->index(r, 0)) & Qt::ItemIsSelectable)
            texte << QString("  %1 | %2 | %3").arg(text(0), text(1), text(2));
        else
            texte << text(0);
    }
    return texte;
}

// What the name box offers for what it holds, as its list of suggestions shows it.
QStringList angeboten(QLineEdit* feld)
{
    QStringList namen;
    QCompleter* c = feld->completer();
    for (int i = 0; c->setCurrentRow(i); ++i)
        namen << c->currentCompletion();
    return namen;
}

void tippen(QLineEdit* feld, const QString& text)
{
    feld->selectAll();
    QTest::keyClick(feld, Qt::Key_Backspace);
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, feld, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

} // namespace

// The two windows through their controls, on a crafted game read by the checking service.
class TestUmbenennenFenster : public QObject
{
    Q_OBJECT

    std::unique_ptr<UmbenennSpiel> spiel;
    std::unique_ptr<Pruefdienst> dienst;
    std::unique_ptr<ScriptedDesktop> desktop;
    QTemporaryDir journale;

    template <typename T> static T* teil(QWidget& fenster, const char* name)
    {
        T* t = fenster.findChild<T*>(name);
        if (!t)
            qFatal("no control %s", name);
        return t;
    }

private Q_SLOTS:
    void initTestCase()
    {
        qputenv("XDG_DATA_HOME", journale.filePath("daten").toUtf8());
        applyEditorLook();
    }
    void init()
    {
        spiel = std::make_unique<UmbenennSpiel>();
        desktop = std::make_unique<ScriptedDesktop>();
        dienst = std::make_unique<Pruefdienst>(spiel->m);
        dienst->lesen();
        QTRY_VERIFY(dienst->bereit());
    }
    void cleanup()
    {
        dienst.reset();
        QVERIFY2(desktop->unexpected.isEmpty(), qPrintable(desktop->unexpected.join("; ")));
        QCOMPARE(desktop->answers.size(), size_t(0));
    }

    void usesAreFoundAndOpened()
    {
        Verwendungen fenster(*dienst, *desktop);
        QStringList geoeffnet;
        fenster.oeffnen = [&](const QString& datei, const RoomFile::SkriptOrt& ort, qint32 zeile) {
            geoeffnet << QString("%1 %2/%3/%4 %5")
                             .arg(datei)
                             .arg(int(ort.art))
                             .arg(ort.hotSpot)
                             .arg(ort.aktion)
                             .arg(zeile);
        };
        auto* liste = teil<QTreeView>(fenster, "Liste");
        desktop->driveModal([&](QDialog&) {
            QCOMPARE(
                zeilen(liste),
                QStringList({"rooms/haus.lsd", "  Hintergrund |  | Hintergrund graphics\\Haus.BMP",
                             "  HotSpot \"Truhe\", Sieh an! | 4 | LoadPic haus.bmp"}));
            QCOMPARE(teil<QLabel>(fenster, "Anzahl")->text(), QString("2 Verwendungen in 1 Datei"));
            // Typing searches; the kind is chosen with the keyboard.
            auto* art = teil<QComboBox>(fenster, "Art");
            QTest::keyClick(art, Qt::Key_Home);
            tippen(teil<QLineEdit>(fenster, "Name"), "DelFlag");
            QCOMPARE(liste->model()->rowCount(), 0);
            QCOMPARE(teil<QLabel>(fenster, "Anzahl")->text(),
                     QString("0 Verwendungen in 0 Dateien"));
            tippen(teil<QLineEdit>(fenster, "Name"), "TruheOffen");
            QCOMPARE(teil<QLabel>(fenster, "Anzahl")->text(),
                     QString("8 Verwendungen in 4 Dateien"));
            // Return on the hotspot's line opens it, and the window closes.
            liste->setFocus();
            liste->setCurrentIndex(liste->model()->index(
                int(zeilen(liste).indexOf("  HotSpot \"Tür\", Tue | 1 | IF TruheOffen")), 0));
            QTest::keyClick(liste, Qt::Key_Return);
            QVERIFY(!fenster.isVisible());
        });
        fenster.zeigen(NamensArt::Bild, "haus.bmp");
        QCOMPARE(geoeffnet, QStringList({"rooms/haus.lsd 1/0/1 0"}));

        // Narrowed to a room from a script line; a double click opens a hotspot's name.
        desktop->driveModal([&](QDialog&) {
            QCOMPARE(zeilen(liste).size(), 4);
            auto* bereich = teil<QCheckBox>(fenster, "Bereich");
            QVERIFY(bereich->isVisible());
            QCOMPARE(bereich->text(), QString("nur in rooms/keller.lsd"));
            QTest::mouseClick(bereich, Qt::LeftButton);
            QCOMPARE(zeilen(liste).size(), 8); // the house's hotspot and its uses too
            QTest::mouseClick(bereich, Qt::LeftButton);
            QCOMPARE(liste->model()->index(3, 2).data().toString(),
                     QString("   HSdeaktivieren Tür"));
            const QRect r = liste->visualRect(liste->model()->index(1, 0));
            QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, r.center());
            QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, r.center());
        });
        fenster.zeigen(NamensArt::HotSpot, "Tür", "rooms/keller.lsd");
        QCOMPARE(geoeffnet.last(), QString("rooms/keller.lsd 0/-1/-1 5"));
    }

    void aRenameShowsItsPreviewAndCanBeUndone()
    {
        Umbenennen fenster(*dienst, *desktop);
        fenster.journalOrdnerSetzen(journale.filePath("j"));
        int gefragt = 0;
        bool speichern = false;
        fenster.vorDemUmbenennen = [&] {
            ++gefragt;
            return speichern;
        };
        QStringList geaendert;
        fenster.nachDemUmbenennen = [&](const QStringList& dateien,
                                        const QHash<QString, QString>& u) {
            geaendert = dateien;
            for (auto it = u.begin(); it != u.end(); ++it)
                geaendert << it.key() + " → " + it.value();
        };
        auto* vorschau = teil<QTreeWidget>(fenster, "Vorschau");
        auto* neu = teil<QLineEdit>(fenster, "Neu");
        const OrdnerStand vorher = ordnerStand(spiel->dir.path());
        desktop->driveModal([&](QDialog&) {
            QVERIFY(!teil<QComboBox>(fenster, "Raum")->isVisible());
            // A name taken: the reason shows at once, and "Umbenennen" says it.
            tippen(neu, "HausBesucht");
            QTRY_VERIFY(teil<QLabel>(fenster, "Grund")->text().contains("gibt es schon"));
            QCOMPARE(vorschau->topLevelItemCount(), 0);
            desktop->answer(QMessageBox::Ok);
            QTest::mouseClick(teil<QPushButton>(fenster, "Umbenennen"), Qt::LeftButton);
            QVERIFY(desktop->messages.last().text.contains("gibt es schon"));
            tippen(neu, "KisteOffen");
            QTRY_COMPARE(vorschau->topLevelItemCount(), 4);
            QCOMPARE(teil<QLabel>(fenster, "Grund")->text(), QString());
            QCOMPARE(zeilen(vorschau).mid(0, 3),
                     QStringList({"rooms/hand.lsd",
                                  "  Startskript, Zeile 1 | IF TruheOffen | IF KisteOffen",
                                  "  Startskript, Zeile 3 |    SetFlag TruheOffen |    SetFlag "
                                  "KisteOffen"}));
            // The editor would not save its room: nothing is written.
            QTest::mouseClick(teil<QPushButton>(fenster, "Umbenennen"), Qt::LeftButton);
            QCOMPARE(gefragt, 1);
            QCOMPARE(ordnerStand(spiel->dir.path()), vorher);
            // It saves, and that changes a room: the preview follows and is shown again.
            speichern = true;
            fenster.vorDemUmbenennen = [&] {
                ++gefragt;
                return spiel->raum("keller.lsd", Module1());
            };
            desktop->answer(QMessageBox::Ok);
            QTest::mouseClick(teil<QPushButton>(fenster, "Umbenennen"), Qt::LeftButton);
            QVERIFY(desktop->messages.last().text.contains("Vorschau zeigt jetzt"));
            QCOMPARE(vorschau->topLevelItemCount(), 3);
            QVERIFY(fenster.isVisible());
            fenster.vorDemUmbenennen = [&] { return true; };
            QTest::mouseClick(teil<QPushButton>(fenster, "Umbenennen"), Qt::LeftButton);
            QVERIFY(!fenster.isVisible());
        });
        fenster.zeigen(NamensArt::Flag, "TruheOffen");
        QCOMPARE(geaendert,
                 QStringList({"rooms/hand.lsd", "rooms/haus.lsd", "items/Schluessel0.skp"}));
        // The service knows at once.
        QCOMPARE(Verwendungssuche::suchen(dienst->spiel(), {NamensArt::Flag, "KisteOffen", {}, -1})
                     .size(),
                 7);
        QCOMPARE(fenster.letzteUmbenennung(), QString("Flag \"TruheOffen\" in \"KisteOffen\""));

        // A hotspot: the room is chosen; the undo gives back every byte.
        const OrdnerStand nachFlag = ordnerStand(spiel->dir.path());
        desktop->driveModal([&](QDialog&) {
            auto* raum = teil<QComboBox>(fenster, "Raum");
            QVERIFY(raum->isVisible());
            QCOMPARE(raum->currentText(), QString("rooms/haus.lsd"));
            tippen(neu, "Tor");
            QTRY_COMPARE(
                zeilen(vorschau),
                QStringList({"rooms/haus.lsd",
                             "  HotSpot \"Tür\", Tue, Zeile 6 |    HSaktivieren Tür |    "
                             "HSaktivieren Tor",
                             "  HotSpot \"Tür\", Tue, Zeile 7 |    ChangeMouse Tür, "
                             "hand.cur |    ChangeMouse Tor, hand.cur",
                             "  HotSpot \"Tür\" | Name Tür | Name Tor", "items/Schluessel0.skp",
                             "  Skript, Zeile 3 |    HSdeaktivieren Tür |    "
                             "HSdeaktivieren Tor"}));
            QTest::mouseClick(teil<QPushButton>(fenster, "Umbenennen"), Qt::LeftButton);
        });
        fenster.zeigen(NamensArt::HotSpot, "Tür", "rooms/haus.lsd");
        QVERIFY(ordnerStand(spiel->dir.path()) != nachFlag);
        fenster.rueckgaengig();
        QCOMPARE(ordnerStand(spiel->dir.path()), nachFlag);
        QCOMPARE(dienst->spiel().datei("rooms/haus.lsd")->hotSpots[0].name, QString("Tür"));
        desktop->answer(QMessageBox::Ok);
        fenster.rueckgaengig();
        QVERIFY(desktop->messages.last().text.contains("keine Umbenennung"));
    }

    void namesAreOfferedAndTakenWithTheKeys()
    {
        // "Tru", Down and Return: the flag is taken, and its uses are listed.
        Verwendungen suche(*dienst, *desktop);
        auto* name = teil<QLineEdit>(suche, "Name");
        desktop->driveModal([&](QDialog&) {
            QTest::keyClicks(name, "Tru");
            QTRY_VERIFY(name->completer()->popup()->isVisible());
            QCOMPARE(angeboten(name), QStringList({"TruheOffen", "truheoffen"}));
            QCOMPARE(teil<QTreeView>(suche, "Liste")->model()->rowCount(), 0);
            QTest::keyClick(name->completer()->popup(), Qt::Key_Down);
            QTest::keyClick(name->completer()->popup(), Qt::Key_Return);
            QVERIFY(!name->completer()->popup()->isVisible());
            QCOMPARE(name->text(), QString("TruheOffen"));
            QCOMPARE(teil<QLabel>(suche, "Anzahl")->text(), QString("8 Verwendungen in 4 Dateien"));
            // The names follow the kind and the game.
            teil<QComboBox>(suche, "Art")->setCurrentIndex(2);
            tippen(name, "l");
            QCOMPARE(angeboten(name), QStringList({"hand.lsd", "haus.lsd", "keller.lsd"}));
            QVERIFY(spiel->raum("gewoelbe.lsd", raumMit(skriptAus({{3, "TruheZu"}}))));
            dienst->dateiGeaendert(spiel->pfad("rooms/gewoelbe.lsd"));
            tippen(name, "l");
            QCOMPARE(angeboten(name),
                     QStringList({"gewoelbe.lsd", "hand.lsd", "haus.lsd", "keller.lsd"}));
        });
        suche.zeigen();

        // "Umbenennen" opens on the first box to fill; Escape closes it, nothing renamed.
        Umbenennen fenster(*dienst, *desktop);
        fenster.journalOrdnerSetzen(journale.filePath("j"));
        fenster.vorDemUmbenennen = [] { return true; };
        auto* alt = teil<QLineEdit>(fenster, "Alt");
        auto* neu = teil<QLineEdit>(fenster, "Neu");
        const OrdnerStand vorher = ordnerStand(spiel->dir.path());
        desktop->driveModal([&](QDialog& d) {
            QCOMPARE(d.focusWidget(), alt);
            QTest::keyClick(alt, Qt::Key_Escape);
            QVERIFY(!d.isVisible());
        });
        fenster.zeigen(NamensArt::Flag);
        // A hotspot is offered from the room chosen; Return renames what the preview shows,
        // once it shows it, from either box.
        desktop->driveModal([&](QDialog& d) {
            QTest::keyClicks(alt, "t");
            QCOMPARE(angeboten(alt), QStringList({"Treppe"}));
            teil<QComboBox>(fenster, "Raum")->setCurrentText("rooms/haus.lsd");
            tippen(alt, "t");
            QCOMPARE(angeboten(alt), QStringList({"Truhe", "Tür"}));
            QTest::keyClick(alt->completer()->popup(), Qt::Key_Down);
            QTest::keyClick(alt->completer()->popup(), Qt::Key_Down);
            QTest::keyClick(alt->completer()->popup(), Qt::Key_Return);
            fenster.planen();
            QCOMPARE(teil<QLabel>(fenster, "Grund")->text(), QString()); // no new name begun
            QTest::keyClicks(neu, "Kiste");
            QTest::keyClick(neu, Qt::Key_Return);
            QVERIFY(d.isVisible()); // the preview is still being made
            QTRY_COMPARE(teil<QTreeWidget>(fenster, "Vorschau")->topLevelItemCount(), 2);
            QTest::keyClick(alt, Qt::Key_Return);
            QVERIFY(!d.isVisible());
        });
        fenster.zeigen(NamensArt::HotSpot, {}, "rooms/keller.lsd");
        QCOMPARE(dienst->spiel().datei("rooms/haus.lsd")->hotSpots[0].name, QString("Kiste"));
        QVERIFY(ordnerStand(spiel->dir.path()) != vorher);

        // From F2 the old name is given: the new box has it, selected; a name refused is not
        // renamed to on Return.
        desktop->driveModal([&](QDialog& d) {
            QCOMPARE(d.focusWidget(), neu);
            QCOMPARE(neu->selectedText(), QString("TruheOffen"));
            QTest::keyClicks(neu, "HausBesucht");
            QTRY_VERIFY(teil<QLabel>(fenster, "Grund")->text().contains("gibt es schon"));
            QTest::keyClick(neu, Qt::Key_Return);
            QVERIFY(d.isVisible());
        });
        fenster.zeigen(NamensArt::Flag, "TruheOffen");
    }

    void usesFollowTheGameRowByRow()
    {
        // A file read anew changes its own rows only: the place chosen in another stays.
        Verwendungen fenster(*dienst, *desktop);
        desktop->driveModal([&](QDialog&) {
            auto* liste = teil<QTreeView>(fenster, "Liste");
            QAbstractItemModel* m = liste->model();
            const int keller = int(zeilen(liste).indexOf("rooms/keller.lsd"));
            liste->setCurrentIndex(m->index(keller + 1, 0));
            QStringList aenderungen;
            connect(m, &QAbstractItemModel::rowsRemoved, &fenster,
                    [&](const QModelIndex&, int a, int b) {
                        aenderungen << QString("-%1..%2").arg(a).arg(b);
                    });
            connect(m, &QAbstractItemModel::rowsInserted, &fenster,
                    [&](const QModelIndex&, int a, int b) {
                        aenderungen << QString("+%1..%2").arg(a).arg(b);
                    });
            connect(m, &QAbstractItemModel::modelReset, &fenster, [&] { aenderungen << "reset"; });
            // hand.lsd uses the flag twice; now only once, one line further down.
            QVERIFY(spiel->raum("hand.lsd", raumMit(skriptAus({{2, "x"}, {3, "TruheOffen"}}))));
            dienst->dateiGeaendert(spiel->pfad("rooms/hand.lsd"));
            QCOMPARE(aenderungen, QStringList({"-1..1", "+1..1", "-2..2"}));
            QCOMPARE(zeilen(liste).mid(0, 3),
                     QStringList({"rooms/hand.lsd", "  Startskript | 2 | SetFlag TruheOffen",
                                  "rooms/haus.lsd"}));
            QCOMPARE(liste->currentIndex().row(), keller);
            QCOMPARE(m->index(liste->currentIndex().row(), 2).data().toString(),
                     QString("DelFlag TruheOffen"));
        });
        fenster.zeigen(NamensArt::Flag, "TruheOffen");
    }

    void anInterruptedRenameIsTakenBackAtTheStart()
    {
        const QString ordner = spiel->dir.path();
        const OrdnerStand vorher = ordnerStand(ordner);
        QVERIFY(spiel->unterbrochenUmbenennen());
        QVERIFY(ordnerStand(ordner) != vorher);
        desktop->answer(QMessageBox::Ok);
        QVERIFY(Umbenennen::aufraeumen(*desktop, ordner, nullptr));
        QVERIFY(desktop->messages.last().text.contains("zurückgenommen"));
        QCOMPARE(desktop->messages.last().icon, QMessageBox::Information);
        QCOMPARE(ordnerStand(ordner), vorher);
        QVERIFY(Umbenennen::aufraeumen(*desktop, ordner, nullptr)); // nothing more to say
    }
};

QTEST_MAIN(TestUmbenennenFenster)
#include "tst_umbenennenfenster.moc"
