#include "EditorImTest.h"
#include "mainwindow/Spielfenster.h"
#include "mainwindow/Statuszeile.h"
#include "script/SkriptEditor.h"
#include "spiel/Pruefdienst.h"
#include "tools/Umbenennen.h"
#include "tools/Verwendungen.h"

// The windows of the whole game as the program wires them to the main window: the script
// editor's keys that follow a line into the game, a rename the open room takes part in, and
// the open room following its file on disk.
class TestSpielfenster : public QObject, EditorImTest
{
    Q_OBJECT

private:
    QTemporaryDir daten;
    std::unique_ptr<Pruefdienst> dienst;
    std::unique_ptr<Spielfenster> fenster2;

    SkriptEditor* se() { return &fenster2->skriptEditor(); }
    QAbstractItemView* zeilen() { return control<QAbstractItemView>("List1", se()); }
    QStringList zeilenTexte() { return rowTexts(zeilen()); }
    // A key to the script editor as the author presses it, its window active.
    void taste(QKeyCombination k)
    {
        se()->activateWindow();
        QTRY_VERIFY(se()->isActiveWindow());
        QTest::keyClick(zeilen(), k.key(), k.keyboardModifiers());
    }
    void zeile(int i) { clickRow(zeilen(), i); }
    QString datei(const QString& relativ) { return QString::fromLatin1(spiel->inhalt(relativ)); }
    // The door's "Tue" script, shown in the script editor, is handed to `tun`.
    void tuerSkript(const std::function<void()>& tun)
    {
        list()->setCurrentRow(0);
        desktop->driveModal([&](QDialog&) { tun(); });
        click("Command1_1");
    }

    // What the status line says, with its buttons.
    QString status()
    {
        const Statuszeile& z = editor->statuszeile();
        return z.text() + (z.angebote().isEmpty() ? "" : " [" + z.angebote().join("] [") + "]");
    }
    template <typename... A> void angebot(const QString& text, const A&... antworten)
    {
        desktop->answer(antworten...);
        for (auto* knopf : editor->statuszeile().findChildren<QPushButton*>())
            if (knopf->text() == text && knopf->isVisible())
                return QTest::mouseClick(knopf, Qt::LeftButton);
        QFAIL(qPrintable("no button " + text));
    }
    // "a" as somebody else saves it: the window and the door swapped, the door's script new.
    void aussenSpeichern(const QString& tuer)
    {
        QVERIFY(
            spiel->raum("a.lsd", raumMit({}, {{"Fenster", {}}, {"Tür", skriptAus({{3, tuer}})}})));
    }

private Q_SLOTS:
    void initTestCase()
    {
        // Renames keep their journals in the user's data.
        qputenv("XDG_DATA_HOME", daten.filePath("daten").toUtf8());
    }
    void init()
    {
        starten();
        // "a": the door goes to "b" and to a room that is not there, sets a flag and jumps to a
        // label; "b" leads back to "a".
        const QVector<QPair<qint32, QString>> tue = {{4, "b.lsd"}, {3, "Licht"},     {29, "Oben"},
                                                     {28, "Oben"}, {4, "fehlt.lsd"}, {0, "Licht"},
                                                     {9, ""},      {10, ""}};
        QVERIFY(spiel->raum("a.lsd", raumMit({}, {{"Tür", skriptAus(tue)}})));
        QVERIFY(spiel->raum(
            "b.lsd", raumMit(skriptAus({{4, "rooms\\A.LSD"}, {0, "Licht"}, {9, ""}, {10, ""}}))));
        dienst = std::make_unique<Pruefdienst>(*m);
        fenster2 = std::make_unique<Spielfenster>(*m, *desktop, *editor, *dienst);
        dienst->lesen();
        QTRY_VERIFY(dienst->bereit());
        clickWith("Command4", raeume("a.lsd"));
    }
    void cleanup()
    {
        fenster2.reset();
        beenden();
        dienst.reset();
    }

    void theScriptEditorsKeysFollowALineIntoTheGame()
    {
        tuerSkript([&] {
            // F12 on a "Goto" to nowhere says so, and the window stays.
            zeile(4);
            desktop->answer(QMessageBox::Ok);
            taste(Qt::Key_F12);
            QCOMPARE(letzteMeldung(),
                     warnung("Einen Raum „fehlt.lsd“ gibt es im Ordner „rooms“ nicht."));
            QVERIFY(se()->isVisible());
            // F2 on a label renames it and its jumps here, one step of the history.
            zeile(3);
            desktop->answer(QString("Unten"));
            taste(Qt::Key_F2);
            QCOMPARE(desktop->texts.last(),
                     "Neuer Name der Marke „Oben“ und aller Sprünge zu ihr: | Oben");
            QCOMPARE(zeilenTexte().mid(2, 2), QStringList({"Label Unten", "Jump Unten"}));
            taste(Qt::CTRL | Qt::Key_Z);
            QCOMPARE(zeilenTexte().mid(2, 2), QStringList({"Label Oben", "Jump Oben"}));
            taste(Qt::CTRL | Qt::Key_Y);
            // Shift+F12 lists the flag's uses over the script editor.
            zeile(1);
            desktop->driveModal([&](QDialog& d) {
                auto* liste = control<QTreeView>("Liste", &d);
                QCOMPARE(liste->model()->rowCount(), 5); // two files, three places
                QCOMPARE(control<QLabel>("Anzahl", &d)->text(), "3 Verwendungen in 2 Dateien");
            });
            taste(Qt::SHIFT | Qt::Key_F12);
            QVERIFY(se()->isVisible());
            // F12 on a "Goto" closes the window and opens its room, the changed one asked for.
            zeile(0);
            desktop->answer(QMessageBox::Discard);
            taste(Qt::Key_F12);
        });
        QCOMPARE(titel(), "Editor - b.lsd");
        QVERIFY(letzteMeldung().startsWith("Der Raum „a.lsd“ wurde geändert."));
    }

    void aRenameTakesTheOpenRoomAlong()
    {
        // A changed room is saved first; Cancel stops the rename.
        click("Command3");
        const QByteArray b = spiel->inhalt("rooms/b.lsd");
        auto* umbenennen = &fenster2->umbenennen();
        const auto umbenennenMit = [&](const QString& neu, const auto&... antworten) {
            desktop->driveModal([&](QDialog&) {
                auto* name = control<QLineEdit>("Neu", umbenennen);
                name->setText(neu);
                umbenennen->planen();
                desktop->answer(antworten...);
                QTest::mouseClick(control<QPushButton>("Umbenennen", umbenennen), Qt::LeftButton);
            });
            umbenennen->zeigen(NamensArt::Raum, "a.lsd");
        };
        umbenennenMit("haus.lsd", QMessageBox::Cancel);
        QCOMPARE(spiel->inhalt("rooms/b.lsd"), b);
        QCOMPARE(titel(), "Editor - a.lsd*");

        // Saved, renamed, and shown under its new name with a history of its own and the same
        // hotspot selected; the "Goto" in "b" keeps its folder and the case of its ending.
        auto* liste = control<QListWidget>("List1", editor.get());
        liste->setCurrentRow(1);
        umbenennenMit("haus.lsd", QMessageBox::Save);
        QCOMPARE(titel(), "Editor - haus.lsd");
        QCOMPARE(liste->currentRow(), 1);
        QVERIFY(!control<QAction>("aktionRueckgaengig", editor.get())->isEnabled());
        QVERIFY(QFile::exists(raeume("haus.lsd")) && !QFile::exists(raeume("a.lsd")));
        QVERIFY(datei("rooms/b.lsd").contains("\"rooms\\haus.LSD\""));
        QCOMPARE(m->HotSpotMax, 1);

        // The undo names the rename and gives back the old files and names.
        auto* spielMenue = control<QMenu>("menueSpiel", editor.get());
        Q_EMIT spielMenue->aboutToShow();
        auto* zurueck = control<QAction>("aktionUmbenennenRueckgaengig", editor.get());
        QVERIFY(zurueck->isEnabled());
        QVERIFY2(zurueck->text().contains("a.lsd"), qPrintable(zurueck->text()));
        zurueck->trigger();
        QCOMPARE(spiel->inhalt("rooms/b.lsd"), b);
        QCOMPARE(titel(), "Editor - a.lsd");
        Q_EMIT spielMenue->aboutToShow();
        QVERIFY(!zurueck->isEnabled());
    }

    void theOpenRoomFollowsItsFileOnDisk()
    {
        // Unchanged, it is loaded again with its hotspot still selected, and a fresh history;
        // no box is shown.
        clickRow(list(), 0);
        aussenSpeichern("Neu");
        QTRY_COMPARE(status(), "a.lsd wurde außerhalb geändert und neu geladen");
        QCOMPARE(rowTexts(list()), QStringList({"Fenster", "Tür"}));
        QCOMPARE(list()->currentRow(), 1);
        QCOMPARE(m->HotSpots[1].Skripte[1], skriptAus({{3, "Neu"}}));
        QCOMPARE(titel(), "Editor - a.lsd");
        QVERIFY(!control<QAction>("aktionRueckgaengig", editor.get())->isEnabled());
        QVERIFY(desktop->messages.isEmpty());

        // Changed: nothing is loaded, the line offers both ways. "Behalten" keeps the room,
        // and saving asks before it replaces the file.
        click("Command3");
        aussenSpeichern("Neuer");
        QTRY_COMPARE(status(), "a.lsd wurde außerhalb geändert. [Neu laden] [Behalten]");
        QCOMPARE(m->HotSpotMax, 2);
        angebot("Behalten");
        QCOMPARE(status(), "");
        desktop->answer(QMessageBox::No);
        QVERIFY(!editor->befehle().speichern());
        QCOMPARE(letzteMeldung(),
                 meldung("„a.lsd“ wurde außerhalb des Editors geändert. Überschreiben?",
                         QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
                         QMessageBox::Warning));
        // "Neu laden" asks before the changes go; "Nein" leaves the offer.
        aussenSpeichern("Neuester");
        QTRY_COMPARE(status(), "a.lsd wurde außerhalb geändert. [Neu laden] [Behalten]");
        angebot("Neu laden", QMessageBox::No);
        QVERIFY(letzteMeldung().startsWith("Die Änderungen an „a.lsd“, die nicht gespeichert "
                                           "sind, gehen verloren. Trotzdem neu laden?"));
        QCOMPARE(status(), "a.lsd wurde außerhalb geändert. [Neu laden] [Behalten]");
        angebot("Neu laden", QMessageBox::Yes);
        QCOMPARE(m->HotSpotMax, 1);
        QCOMPARE(m->HotSpots[1].Skripte[1], skriptAus({{3, "Neuester"}}));
        QCOMPARE(titel(), "Editor - a.lsd");

        // Deleted, the room stays open and changed; saving writes it again without a question.
        const int meldungen = int(desktop->messages.size());
        QVERIFY(QFile::remove(raeume("a.lsd")));
        QTRY_VERIFY(status().startsWith("a.lsd wurde außerhalb gelöscht."));
        QCOMPARE(titel(), "Editor - a.lsd*");
        QCOMPARE(rowTexts(list()), QStringList({"Fenster", "Tür"}));
        QVERIFY(editor->befehle().speichern());
        QCOMPARE(desktop->messages.size(), meldungen);
        QCOMPARE(spiel->inhalt("rooms/a.lsd"), RoomFile::schreiben(*m));
        QCOMPARE(titel(), "Editor - a.lsd");
        QCOMPARE(status(), "");
    }
};

QTEST_MAIN(TestSpielfenster)
#include "tst_spielfenster.moc"
