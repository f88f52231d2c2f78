#include "EditorImTest.h"

class TestEditor : public QObject, EditorImTest
{
    Q_OBJECT

private:
    QWidget* panel() { return control("Frame1"); }
    void check(const QString& box) { QTest::mouseClick(control(box), Qt::LeftButton, {}, {6, 6}); }

    void save(const QString& name) { clickWith("Command5", raeume(name), QMessageBox::Ok); }
    void load(const QString& pfad) { clickWith("Command4", pfad); }
    // What the panel shows: name, cursor, then the actions' and "Aktiv"'s check boxes.
    QString panelZeigt()
    {
        QString s = control<QLineEdit>("Text1")->text() + " | " +
                    control<QLineEdit>("Text2")->text() + " |";
        for (const char* box : {"Check1_0", "Check1_1", "Check1_2", "Check2"})
            s += control<QCheckBox>(box)->isChecked() ? " x" : " -";
        return s;
    }
    // Writes a room with three hotspots, scripts and a cursor, as an author would make it.
    QByteArray beispiel(const QString& name)
    {
        Module1 r;
        r.setHintergrund("wald.jpg");
        r.StartSkript = skriptAus({{1, "vogel.wav"}, {2, " Ein Brief, vergilbt: „Grüße“ "}});
        for (int i = 0; i < 3; ++i) {
            r.neuerHotSpot(i);
            r.HotSpots[i].Name = QString("Tür %1, alt").arg(i);
            r.HotSpots[i].Cursor = "hand.cur";
            r.HotSpots[i].Feld[i][i + 1] = true;
        }
        r.HotSpots[1].Aktion = {false, true, true};
        r.HotSpots[2].Aktiv = false;
        spiel->raum(name, r);
        return spiel->inhalt("rooms/" + name);
    }

private Q_SLOTS:
    void init() { starten(); }
    void cleanup() { beenden(); }

    void startsEmptyWithEveryControlReadable()
    {
        QCOMPARE(titel(), QString("Editor"));
        // The laid out area lies right below the menu bar, the status line below it, and the
        // window holds nothing else.
        const QWidget* flaeche = editor->centralWidget();
        QCOMPARE(flaeche->y(), editor->menuBar()->geometry().bottom() + 1);
        QCOMPARE(editor->statusBar()->y(), flaeche->y() + 484);
        QCOMPARE(editor->size(), QSize(748, editor->statusBar()->geometry().bottom() + 1));
        QCOMPARE(editor->minimumSize(), editor->maximumSize());
        // The fixed sizes still hold every caption in the editor's font.
        for (auto* b : editor->findChildren<QPushButton*>())
            QVERIFY2(b->fontMetrics().horizontalAdvance(b->text()) <= b->width() - 4,
                     qPrintable(b->objectName()));
        for (auto* c : editor->findChildren<QCheckBox*>())
            QVERIFY2(c->sizeHint().width() <= c->width(), qPrintable(c->text()));
    }

    void hotSpotsAreAddedSelectedEditedAndDeleted()
    {
        click("Command10"); // nothing selected: nothing happens
        click("Command3", nullptr, 3);
        QCOMPARE(rowTexts(list()), QStringList({"Noname0", "Noname1", "Noname2"}));
        QVERIFY(list()->currentRow() == -1 && panel()->isHidden());
        m->HotSpots[1].Cursor = "auge.cur";
        clickRow(list(), 1);
        QVERIFY(panel()->isVisible());
        QCOMPARE(panelZeigt(), QString("Noname1 | auge.cur | x - - x"));

        // The list follows every keystroke; what a room file cannot hold is refused.
        auto* name = control<QLineEdit>("Text1");
        name->selectAll();
        type(name, "Tür\" x");
        QCOMPARE(m->HotSpots[1].Name, QString("Tür x"));
        QCOMPARE(list()->item(1)->text(), QString("Tür x"));
        check("Check1_2");
        check("Check2");
        QCOMPARE(m->HotSpots[1].Aktion, (std::array<bool, 3>{true, false, true}));
        QVERIFY(!m->HotSpots[1].Aktiv);

        // Deleting the last of three selects the new last one, the first the former second.
        clickRow(list(), 2);
        click("Command10");
        QCOMPARE(rowTexts(list()), QStringList({"Noname0", "Tür x"}));
        QCOMPARE(list()->currentRow(), 1);
        QCOMPARE(panelZeigt(), QString("Tür x | auge.cur | x - x -"));
        clickRow(list(), 0);
        click("Command10");
        QCOMPARE(m->HotSpotMax, 0);
        QCOMPARE(list()->currentRow(), 0);
        QCOMPARE(panelZeigt(), QString("Tür x | auge.cur | x - x -"));
        // Names count the list: they may repeat.
        click("Command3");
        QCOMPARE(rowTexts(list()), QStringList({"Tür x", "Noname1"}));
        // A row made current without being selected (the keyboard focus arriving) is
        // selected: the panel never edits a hotspot the list does not show selected.
        list()->setCurrentRow(1, QItemSelectionModel::NoUpdate);
        QVERIFY(list()->item(1)->isSelected());
        click("Command10", nullptr, 2);
        QVERIFY(m->HotSpotMax == -1 && panel()->isHidden());
    }

    void savesAndLoadsRoomsByteForByteAndAsksBeforeReplacingAnotherPicture()
    {
        save("leer.lsd");
        QCOMPARE(desktop->dialogs.last(), "Speichern | Datei speichern | HotSpot-Dateien|*.lsd | " +
                                              m->AppPfad + "rooms | ");
        QCOMPARE(letzteMeldung(),
                 meldung(nativ("rooms/leer.lsd") + " gespeichert!", QMessageBox::Ok,
                         QMessageBox::NoButton, QMessageBox::Information));
        QCOMPARE(spiel->inhalt("rooms/leer.lsd"),
                 "\"" + QByteArray(100, ' ') + "\"\r\n-1\r\n-1\r\n-1\r\n");
        QCOMPARE(titel(), QString("Editor - leer.lsd"));

        // A loaded room saved under a new name is its source, byte for byte.
        const QByteArray wald = beispiel("wald.lsd");
        load(raeume("wald.lsd"));
        QCOMPARE(desktop->dialogs.last(), "Öffnen | Datei laden | HotSpot-Dateien|*.lsd | " +
                                              m->AppPfad + "rooms | " + raeume("leer.lsd"));
        QCOMPARE(rowTexts(list()), QStringList({"Tür 0, alt", "Tür 1, alt", "Tür 2, alt"}));
        QVERIFY(list()->currentRow() == -1 && panel()->isHidden());
        QCOMPARE(titel(), QString("Editor - wald.lsd"));
        // Loaded again over a selection, nothing stays selected either.
        clickRow(list(), 1);
        load(raeume("wald.lsd"));
        QVERIFY(list()->currentRow() == -1 && panel()->isHidden());
        save("kopie.lsd");
        QCOMPARE(spiel->inhalt("rooms/kopie.lsd"), wald);
        // Saving over a room with another picture asks first.
        const QByteArray vorher = spiel->inhalt("rooms/wald.lsd");
        m->setHintergrund("haus.bmp");
        clickWith("Command5", raeume("wald.lsd"), QMessageBox::No);
        QCOMPARE(
            letzteMeldung(),
            meldung("Die Ausgangsdatei besitzt ein anderes Hintergrundbild. Trotzdem speichern?",
                    QMessageBox::Yes | QMessageBox::No, QMessageBox::No));
        QCOMPARE(spiel->inhalt("rooms/wald.lsd"), vorher);
        QCOMPARE(titel(), QString("Editor - kopie.lsd"));
        clickWith("Command5", raeume("wald.lsd"), QMessageBox::Yes, QMessageBox::Ok);
        QCOMPARE(titel(), QString("Editor - wald.lsd"));
        // The same picture in another folder and case is no other picture.
        m->setHintergrund("C:\\Spiel\\graphics\\HAUS.BMP");
        save("wald.lsd");
        QVERIFY(desktop->messages.last().text.endsWith(" gespeichert!"));

        // The demo game's rooms, too, save back unchanged.
        const QDir demo(TARNHOLM_DEMO_DIR "/rooms");
        const QStringList demoRaeume = demo.entryList({"*.lsd"}, QDir::Files);
        QVERIFY(demoRaeume.size() >= 3);
        for (const QString& name : demoRaeume) {
            load(demo.filePath(name));
            save("demo-" + name);
            QCOMPARE(spiel->inhalt("rooms/demo-" + name),
                     TextFile::read(demo.filePath(name)).value_or(""));
        }
    }

    void brokenRoomIsReportedAndKeepsTheEditorGoing()
    {
        // Cut inside the last hotspot's grid: the timer script and ten cells are missing.
        const QByteArray kaputt = beispiel("kaputt.lsd").chopped(4 + 10 * 3);
        QVERIFY(spiel->datei("rooms/kaputt.lsd", kaputt));
        clickWith("Command4", raeume("kaputt.lsd"), QMessageBox::Ok);
        QCOMPARE(letzteMeldung(),
                 warnung(QString("Die Datei %1 ist fehlerhaft: Das Lesen hat in Zeile %2 "
                                 "aufgehört. Was davor stand, wurde geladen.")
                             .arg(nativ("rooms/kaputt.lsd"))
                             .arg(kaputt.count("\r\n") + 1)));
        QCOMPARE(titel(), QString("Editor"));
        // What was read before the fault stays, and the list agrees with the room.
        QCOMPARE(rowTexts(list()), QStringList({"Tür 0, alt", "Tür 1, alt"}));
        clickRow(list(), 1);
        QVERIFY(panel()->isVisible());
    }

    void failedSaveKeepsTheOldFile()
    {
#ifdef Q_OS_UNIX
        const QByteArray vorher = beispiel("alt.lsd");
        m->setHintergrund("wald.jpg");
        click("Command3", nullptr, 40);
        clickOnFullDisk(50000, "Command5", raeume("alt.lsd"), QMessageBox::Ok);
        QVERIFY(desktop->messages.last().text.contains("konnte nicht gespeichert werden"));
        QCOMPARE(desktop->messages.last().icon, QMessageBox::Warning);
        QCOMPARE(spiel->inhalt("rooms/alt.lsd"), vorher);
        QCOMPARE(spiel->dateien("rooms"), QStringList({"alt.lsd"}));
        QCOMPARE(titel(), QString("Editor*")); // still changed
#endif
        // A name that is a folder, a folder that is a file.
        QVERIFY(QDir().mkdir(raeume("ordner.lsd")));
        QVERIFY(QFile(raeume("datei")).open(QIODevice::WriteOnly));
        for (const QString& ziel : {raeume("ordner.lsd"), raeume("datei/neu.lsd")}) {
            clickWith("Command5", ziel, QMessageBox::Ok);
            QCOMPARE(letzteMeldung(),
                     warnung("Die Datei " + QDir::toNativeSeparators(ziel) +
                             " konnte nicht gespeichert werden. Eine vorhandene Datei ist "
                             "unverändert geblieben."));
        }
        QVERIFY(QFileInfo(raeume("ordner.lsd")).isDir() && QFileInfo(raeume("datei")).size() == 0);
        QCOMPARE(spiel->dateien("rooms"), QStringList({"alt.lsd", "datei"}));
    }

    void testAndNewKeepOrForgetTheRoomFileAndSayWhyNothingStarted()
    {
        beispiel("a.lsd");
        load(raeume("a.lsd"));
        clickWith("Command12", raeume("b.lsd"));
        QCOMPARE(desktop->dialogs.last(), "Öffnen | Datei laden | HotSpot-Dateien|*.lsd | " +
                                              m->AppPfad + "rooms | " + raeume("a.lsd"));
        // A file that is not a Windows program (here: none) is started as it is.
        QCOMPARE(desktop->starts,
                 QVector<QStringList>({{m->AppPfad + "Tarnholm.exe", raeume("b.lsd")}}));
        clickWith("Command12", QString());
        QCOMPARE(desktop->starts.size(), 1);
        // "Speichern" still offers the loaded room.
        clickWith("Command5", QString());
        QVERIFY(desktop->dialogs.last().endsWith(" | " + raeume("a.lsd")));
        click("Command11");
        QCOMPARE(desktop->openedFolders, QStringList({QDir::cleanPath(spiel->dir.path())}));
        QVERIFY(desktop->messages.isEmpty());
        using Kind = DesktopResult::Kind;
        const QString ordner = QDir::toNativeSeparators(QDir::cleanPath(spiel->dir.path()));
        const QString exe = QDir::toNativeSeparators(m->AppPfad + "Tarnholm.exe");
        // Failures are named; the tested file is still not the one "Speichern" offers.
        const std::tuple<const char*, DesktopResult, QString> faelle[] = {
            {"Command12",
             {Kind::Missing, exe, {}},
             "Das Spiel „Tarnholm.exe“ liegt nicht im Spielordner " + ordner +
                 ". Legen Sie das Spiel in diesen Ordner und wählen Sie dann erneut „Testen“."},
            {"Command12",
             {Kind::CommandMissing, "wine", {}},
             "„Tarnholm.exe“ ist ein Windows-Programm; unter Linux startet es Wine. Auf diesem "
             "System fehlt der Befehl „wine“. Installieren Sie Wine und wählen Sie dann erneut "
             "„Testen“."},
            {"Command12",
             {Kind::Refused, exe, "Zugriff verweigert"},
             "Das Spiel " + exe +
                 " konnte nicht gestartet werden: Zugriff verweigert. Prüfen Sie, ob die Datei das "
                 "Spiel ist und ausgeführt werden darf."},
            {"Command11",
             {Kind::Missing, ordner, {}},
             "Der Ordner " + ordner +
                 " existiert nicht mehr; er wurde verschoben oder gelöscht. Öffnen Sie den "
                 "Spielordner mit „Spielordner öffnen…“ neu."},
            {"Command11",
             {Kind::Refused, ordner, {}},
             "Der Ordner " + ordner +
                 " konnte nicht geöffnet werden: Auf diesem System ist kein Dateimanager dafür "
                 "eingerichtet. Richten Sie einen Dateimanager ein oder öffnen Sie den Ordner von "
                 "Hand."},
        };
        for (const auto& [knopf, ergebnis, text] : faelle) {
            if (knopf == QString("Command12"))
                desktop->answer(raeume("b.lsd"));
            clickWith(knopf, ergebnis, QMessageBox::Ok);
            QCOMPARE(letzteMeldung(), warnung(text));
            QCOMPARE(editor->befehle().raumDatei(), raeume("a.lsd"));
        }

        // "Neu" asks first, then forgets the room and its file.
        clickRow(list(), 0);
        for (const auto antwort : {QMessageBox::No, QMessageBox::Yes}) {
            clickWith("Command6", antwort);
            QCOMPARE(letzteMeldung(),
                     meldung("Wollen Sie wirklich ein neuen Raum erschaffen?",
                             QMessageBox::Yes | QMessageBox::No, QMessageBox::NoButton,
                             QMessageBox::Question, "Super!!!"));
            QCOMPARE(m->HotSpotMax, antwort == QMessageBox::No ? 2 : -1);
        }
        QVERIFY(list()->count() == 0 && panel()->isHidden());
        QCOMPARE(titel(), QString("Editor"));
        QCOMPARE(editor->befehle().raumDatei(), QString());
    }

    void cursorKeepsThePathAndTheBackgroundOpensTheChecker()
    {
        click("Command3");
        clickRow(list(), 0);
        const QString gewaehlt = m->CursorsPfad + "sub/hand.cur";
        clickWith("Command8", gewaehlt);
        QCOMPARE(desktop->dialogs.last(),
                 "Öffnen | Icon laden | Icon-Dateien|*.ico;*.cur;*.ani | " + m->CursorsPfad +
                     " | ");
        QCOMPARE(m->HotSpots[0].Cursor, gewaehlt);
        save("c.lsd");
        QVERIFY(
            spiel->inhalt("rooms/c.lsd").contains("\r\n\"hand.cur\"\r\n#TRUE#\r\n\"Noname0\"\r\n"));
        // A name the room file cannot hold is refused with a message.
        clickWith("Command8", m->CursorsPfad + "hand\u2603.cur", QMessageBox::Ok);
        QVERIFY(desktop->messages.last().text.contains("hand\u2603.cur"));
        QCOMPARE(m->HotSpots[0].Cursor, gewaehlt);

        // A double click opens the checker, on the free background only.
        int geoeffnet = 0;
        editor->toolZeigen = [&] { ++geoeffnet; };
        // Between the panel's name and its first check box; between "Bild Laden" and "Neu".
        const QWidget* flaeche = editor->centralWidget();
        const QPoint imPanel = panel()->mapTo(flaeche, QPoint(50, 21)), frei(690, 404);
        QVERIFY(flaeche->childAt(imPanel) == panel() && !flaeche->childAt(frei));
        QTest::mouseDClick(editor->windowHandle(), Qt::LeftButton, {}, imFenster(imPanel));
        QCOMPARE(geoeffnet, 0);
        QTest::mouseDClick(editor->windowHandle(), Qt::LeftButton, {}, imFenster(frei));
        QCOMPARE(geoeffnet, 1);
    }
};

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
