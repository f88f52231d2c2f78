#include "EditorImTest.h"
#include "app/Aufruf.h"
#include "app/ZuletztGeoeffnet.h"

// The menu bar: every entry does its command, undo and redo name their step, the rooms last
// opened outlive the editor, "Speichern" needs no dialog; and the command line.
class TestMenue : public QObject, EditorImTest
{
    Q_OBJECT

private:
    QTemporaryDir einstellungen;
    QString ini() const { return einstellungen.filePath("zuletzt.ini"); }

    QAction* aktion(const QString& name) { return control<QAction>(name, editor.get()); }
    void waehle(const QString& name) { aktion(name)->trigger(); }
    // "Zuletzt geöffnet" as it shows when opened.
    QMenu* zuletzt()
    {
        auto* menue = control<QMenu>("menueZuletzt", editor.get());
        Q_EMIT menue->aboutToShow();
        return menue;
    }
    QStringList zuletztZeigt()
    {
        QStringList texte;
        for (const QAction* a : zuletzt()->actions())
            texte << a->text() + (a->isEnabled() ? "" : " (grau)");
        return texte;
    }
    // Another start of the editor in the same game folder, on the same settings; as the start
    // does, the room given opens before the window knows the settings file.
    void neuStarten(const QString& raum = QString())
    {
        editor.reset();
        editor = std::make_unique<Editor>(*m, *desktop);
        fenster = editor.get();
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor.get()));
        if (!raum.isEmpty())
            QVERIFY(editor->befehle().oeffnen(raum));
        editor->zuletztIn(ini());
    }
    QString verlaufZeigt()
    {
        QString s;
        for (const char* name : {"aktionRueckgaengig", "aktionWiederholen"})
            s += aktion(name)->text() + (aktion(name)->isEnabled() ? " | " : " (grau) | ");
        return s.chopped(3);
    }

private Q_SLOTS:
    void init()
    {
        starten();
        editor->zuletztIn(ini());
    }
    void cleanup()
    {
        beenden();
        QFile::remove(ini());
    }

    void theMenusHoldTheirEntriesInOrderEachKeyOnce()
    {
        QStringList menues;
        for (const QAction* menue : editor->menuBar()->actions()) {
            QStringList zeile{menue->text()};
            for (const QAction* a : menue->menu()->actions())
                zeile << (a->isSeparator()
                              ? "-"
                              : QStringList({a->text(), QKeySequence::listToString(a->shortcuts())})
                                    .join(' ')
                                    .trimmed());
            menues << zeile.join(" | ");
        }
        QCOMPARE(
            menues,
            QStringList({"&Datei | &Neu Ctrl+N | &Laden… Ctrl+O | &Zuletzt geöffnet | - | "
                         "Spiel&ordner öffnen… | N&eues Spiel… | Be&ispielspiel… "
                         "| Zuletzt geöffnete S&piele | - | "
                         "&Speichern Ctrl+S | Speichern &unter… Ctrl+Shift+S | - | "
                         "&Beenden Ctrl+Q",
                         "&Bearbeiten | &Rückgängig Ctrl+Z | &Wiederholen Ctrl+Shift+Z; Ctrl+Y",
                         "&Ansicht | &HotSpots zeigen Ctrl+H",
                         "&Spiel | &Testen F5 | &Explorer | &Gegenstände… | Spiel &prüfen… F7 "
                         "| &Unbenutzte Dateien… | - | &Räume… Ctrl+R | Rätse&lplan… Ctrl+Shift+R "
                         "| &Verwendungen suchen… "
                         "Ctrl+Shift+F | Umbe&nennen… | Umbenennen rüc&kgängig | - | "
                         "Ü&bersetzungen…",
                         "&Hilfe | &Tastenkürzel F1 | Ü&ber den Editor"}));
        // No letter is underlined twice in a menu: Alt and the letter would only go to the first.
        for (const QAction* menue : editor->menuBar()->actions()) {
            QStringList buchstaben;
            for (const QAction* a : menue->menu()->actions()) {
                if (const qsizetype i = a->text().indexOf('&'); i >= 0)
                    buchstaben << a->text().mid(i + 1, 1).toLower();
            }
            QCOMPARE(QSet<QString>(buchstaben.begin(), buchstaben.end()).size(), buchstaben.size());
        }
        // No key is taken twice: Qt would then do neither.
        QStringList tasten;
        for (const QAction* a : editor->findChildren<QAction*>())
            for (const QKeySequence& k : a->shortcuts())
                tasten << k.toString();
        QCOMPARE(QSet<QString>(tasten.begin(), tasten.end()).size(), tasten.size());
    }

    void eachEntryDoesWhatItsButtonDoes()
    {
        beispielLaden();
        desktop->answer(QMessageBox::No);
        waehle("aktionNeu"); // asked first, as the button asks
        QCOMPARE(desktop->messages.last().text, "Wollen Sie wirklich ein neuen Raum erschaffen?");
        QCOMPARE(m->HotSpotMax, 2);
        desktop->answer(raeume("r.lsd"));
        taste(Qt::CTRL | Qt::Key_O);
        QVERIFY(desktop->dialogs.last().startsWith("Öffnen | Datei laden"));
        desktop->answer(raeume("kopie.lsd"), QMessageBox::Ok);
        taste(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
        QCOMPARE(desktop->messages.last().text, nativ("rooms/kopie.lsd") + " gespeichert!");
        QCOMPARE(titel(), "Editor - kopie.lsd");
        desktop->answer(raeume("r.lsd"));
        taste(Qt::Key_F5);
        QCOMPARE(desktop->starts.last().last(), raeume("r.lsd"));
        waehle("aktionExplorer");
        QCOMPARE(desktop->openedFolders.size(), 1);

        int gegen = 0, pruefen = 0, tool = 0;
        waehle("aktionSpielPruefen"); // not there yet: nothing happens
        editor->gegenstaendeZeigen = [&] { ++gegen; };
        editor->spielPruefenZeigen = [&] { ++pruefen; };
        editor->toolZeigen = [&] { ++tool; };
        waehle("aktionGegenstaende");
        taste(Qt::Key_F7);
        waehle("aktionUnbenutzteDateien");
        QCOMPARE(QList<int>({gegen, pruefen, tool}), QList<int>({1, 1, 1}));

        // The overview and its entry go together.
        auto* canvas = control<Picture1>("Picture1");
        taste(Qt::CTRL | Qt::Key_H);
        QVERIFY(canvas->ueberblickAn() && aktion("HotSpotsZeigen")->isChecked());
        waehle("HotSpotsZeigen");
        QVERIFY(!canvas->ueberblickAn() && !aktion("HotSpotsZeigen")->isChecked());

        // Every key of the editor and the script editor in one window.
        QStringList zeilen;
        desktop->driveModal([&](QDialog& d) {
            auto* liste = d.findChild<QTreeWidget*>("Tasten");
            for (int g = 0; g < liste->topLevelItemCount(); ++g) {
                zeilen << liste->topLevelItem(g)->text(0);
                for (int i = 0; i < liste->topLevelItem(g)->childCount(); ++i)
                    zeilen << liste->topLevelItem(g)->child(i)->text(0) + " = " +
                                  liste->topLevelItem(g)->child(i)->text(1);
            }
        });
        taste(Qt::Key_F1);
        for (const QString& zeile :
             {"Hauptfenster", "Ctrl+S = Speichern", "Ctrl+Shift+Z, Ctrl+Y = Wiederholen",
              "F7 = Spiel prüfen", "Del = In der HotSpot-Liste: HotSpot löschen", "Skripteditor",
              "Return = In der Befehlsliste: den Befehl einfügen",
              "Shift+F12 = Verwendungen des Namens der Zeile", "Ctrl+R = Räume",
              "Ctrl+Shift+R = Rätselplan"})
            QVERIFY2(zeilen.contains(zeile), qPrintable(zeile + " in " + zeilen.join('\n')));
        QCOMPARE(zeilen.size(), 2 + 14 + 3 + 9);

        desktop->answer(QMessageBox::Ok);
        waehle("aktionUeber");
        QCOMPARE(letzteMeldung(),
                 meldung("tarnholm-editor " + Aufruf::version() +
                             "\n\nDer Raumeditor von Tarnholm.\nQt " + qVersion() +
                             "\n\nSpielordner: " +
                             QDir::toNativeSeparators(QDir::cleanPath(spiel->dir.path())),
                         QMessageBox::Ok, QMessageBox::NoButton, QMessageBox::Information,
                         "Über den Editor"));

        // "Beenden" closes as the close button does, asking first.
        click("Command3");
        desktop->answer(QMessageBox::Cancel);
        taste(Qt::CTRL | Qt::Key_Q);
        QVERIFY(editor->isVisible());
        desktop->answer(QMessageBox::Discard);
        waehle("aktionBeenden");
        QVERIFY(!editor->isVisible());
    }

    void undoAndRedoNameTheirStepAndAreGreyedWithoutOne()
    {
        beispielLaden();
        QCOMPARE(verlaufZeigt(), "&Rückgängig (grau) | &Wiederholen (grau)");
        clickRow(list(), 0);
        drag(Qt::LeftButton, {{105, 105}, {155, 105}});
        QCOMPARE(verlaufZeigt(), "&Rückgängig: Strich | &Wiederholen (grau)");
        drag(Qt::RightButton, {{305, 305}, {355, 355}});
        QCOMPARE(verlaufZeigt(), "&Rückgängig: Rechteck | &Wiederholen (grau)");
        QTest::mouseClick(control("Check1_1"), Qt::LeftButton, {}, {6, 6});
        QCOMPARE(verlaufZeigt(), "&Rückgängig: Aktion „Tue“ | &Wiederholen (grau)");
        editor->skriptEditorZeigen = [&](auto&&...) { m->AktSkript = skriptAus({{16, ""}}); };
        click("Command13");
        QCOMPARE(verlaufZeigt(), "&Rückgängig: Timerskript | &Wiederholen (grau)");
        auto* name = control<QLineEdit>("Text1");
        QTest::mouseClick(name, Qt::LeftButton);
        type(name, "x");
        QCOMPARE(verlaufZeigt(), "&Rückgängig: Name | &Wiederholen (grau)");
        // In the name box the keys are the room's.
        taste(Qt::CTRL | Qt::Key_Z, name);
        QCOMPARE(verlaufZeigt(), "&Rückgängig: Timerskript | &Wiederholen: Name");
        for (int i = 0; i < 4; ++i)
            waehle("aktionRueckgaengig");
        QCOMPARE(verlaufZeigt(), "&Rückgängig (grau) | &Wiederholen: Strich");
        // With nothing left to take back, the box does not take back its own typing either.
        QTest::mouseClick(name, Qt::LeftButton);
        type(name, "y");
        waehle("aktionRueckgaengig");
        taste(Qt::CTRL | Qt::Key_Z, name);
        QCOMPARE(m->HotSpots[0].Name, "Ding 0");
        taste(Qt::CTRL | Qt::Key_Z, name);
        QCOMPARE(m->HotSpots[0].Name, "Ding 0");
        QVERIFY(!geaendert());
    }

    void theRoomsLastOpenedOutliveTheEditorAndLoseWhatIsGone()
    {
        QCOMPARE(zuletztZeigt(), QStringList({"Noch keine Räume (grau)"}));
        for (int i = 0; i < 12; ++i)
            QVERIFY(spiel->raum(QString("r%1.lsd").arg(i), {}));
        for (int i = 0; i < 11; ++i)
            clickWith("Command4", raeume(QString("r%1.lsd").arg(i)));
        clickWith("Command5", raeume("r11.lsd"), QMessageBox::Ok); // saved ones count too
        clickWith("Command4", raeume("r5.lsd"));
        neuStarten();
        // Newest first, ten at most, each once.
        QCOMPARE(zuletztZeigt(),
                 QStringList({"&1 r5.lsd", "&2 r11.lsd", "&3 r10.lsd", "&4 r9.lsd", "&5 r8.lsd",
                              "&6 r7.lsd", "&7 r6.lsd", "&8 r4.lsd", "&9 r3.lsd", "1&0 r2.lsd"}));
        QCOMPARE(zuletzt()->actions()[3]->toolTip(), nativ("rooms/r9.lsd"));

        // Chosen, a room loads as "Laden" loads it, after the save question.
        click("Command3");
        desktop->answer(QMessageBox::Discard);
        zuletzt()->actions()[3]->trigger();
        QCOMPARE(titel(), "Editor - r9.lsd");
        QCOMPARE(zuletztZeigt().first(), "&1 r9.lsd");
        // A room gone on disk shows greyed, and comes back with its file.
        QVERIFY(QFile::rename(raeume("r8.lsd"), raeume("r8.weg")));
        QCOMPARE(zuletztZeigt()[4], "&5 r8.lsd (grau)");
        QVERIFY(QFile::rename(raeume("r8.weg"), raeume("r8.lsd")));
        QCOMPARE(zuletztZeigt()[4], "&5 r8.lsd");
        // Gone while the menu is open, it is said so and leaves the list, asking nothing else.
        click("Command3");
        QAction* r8 = zuletzt()->actions()[4];
        QVERIFY(QFile::remove(raeume("r8.lsd")));
        desktop->answer(QMessageBox::Ok);
        r8->trigger();
        QCOMPARE(letzteMeldung(),
                 warnung("Den Raum " + nativ("rooms/r8.lsd") +
                         " gibt es nicht mehr: Er wurde verschoben, umbenannt oder gelöscht. "
                         "Er wird aus „Zuletzt geöffnet“ entfernt."));
        QVERIFY(!zuletztZeigt().join(' ').contains("r8.lsd"));
        QVERIFY(geaendert());
        desktop->answer(QMessageBox::Discard);
        editor->close();
        neuStarten(raeume("r3.lsd"));
        QCOMPARE(zuletztZeigt().mid(0, 3), QStringList({"&1 r3.lsd", "&2 r9.lsd", "&3 r5.lsd"}));

        // Another game folder has a list of its own in the same file.
        ZuletztGeoeffnet anderes(ini(), spiel->dir.path() + "/anderes");
        QCOMPARE(anderes.raeume(), QStringList());
        anderes.hinzufuegen("/x/rooms/a.lsd");
        QCOMPARE(ZuletztGeoeffnet(ini(), m->AppPfad).raeume().size(), 9);
    }

    void aBrokenSettingsFileIsAnEmptyList()
    {
        QVERIFY(spiel->raum("a.lsd", {}));
        for (const QByteArray& kaputt :
             {QByteArray("[abc\nRaeume=1"), QByteArray("\x00\xff\x00\xfe[]\n===", 10)}) {
            QFile f(ini());
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(kaputt) > 0);
            f.close();
            QCOMPARE(zuletztZeigt(), QStringList({"Noch keine Räume (grau)"}));
            // The next room begins the file afresh.
            clickWith("Command4", raeume("a.lsd"));
            QCOMPARE(zuletztZeigt(), QStringList({"&1 a.lsd"}));
        }
        // What a hand wrote there counts as far as it is a list of rooms.
        QSettings s(ini(), QSettings::IniFormat);
        const QString gruppe = s.childGroups().value(0);
        s.setValue(gruppe + "/Raeume", QStringList({"", "relativ.lsd", raeume("a.lsd"),
                                                    raeume("a.lsd"), raeume("b.lsd")}));
        s.sync();
        QCOMPARE(zuletztZeigt(), QStringList({"&1 a.lsd", "&2 b.lsd (grau)"}));
        // A settings file that cannot be a file: the list lives in memory, and nothing is said.
        QVERIFY(QDir().mkpath(einstellungen.filePath("ordner.ini")));
        editor->zuletztIn(einstellungen.filePath("ordner.ini"));
        clickWith("Command4", raeume("a.lsd"));
        QCOMPARE(zuletztZeigt(), QStringList({"Noch keine Räume (grau)"}));
    }

    void speichernWritesTheRoomsOwnFileWithoutDialogs()
    {
        beispielLaden();
        click("Command3");
        taste(Qt::CTRL | Qt::Key_S);
        QCOMPARE(spiel->inhalt("rooms/r.lsd"), RoomFile::schreiben(*m));
        QVERIFY(desktop->messages.isEmpty() && desktop->dialogs.size() == 1);
        QCOMPARE(titel(), "Editor - r.lsd");
        // Another picture and a file changed by somebody else are still asked about.
        m->setHintergrund("b.bmp");
        click("Command3");
        desktop->answer(QMessageBox::No);
        waehle("aktionSpeichern");
        QCOMPARE(desktop->messages.last().text,
                 "Die Ausgangsdatei besitzt ein anderes Hintergrundbild. Trotzdem speichern?");
        QVERIFY(geaendert());
        const QByteArray fremd = RoomFile::schreiben(Module1());
        QVERIFY(spiel->datei("rooms/r.lsd", fremd));
        desktop->answer(QMessageBox::No);
        waehle("aktionSpeichern");
        QCOMPARE(desktop->messages.last().text,
                 "„r.lsd“ wurde außerhalb des Editors geändert. Überschreiben?");
        QCOMPARE(spiel->inhalt("rooms/r.lsd"), fremd);
        // A failure still says so.
        QVERIFY(QFile::remove(raeume("r.lsd")) && QDir().mkdir(raeume("r.lsd")));
        desktop->answer(QMessageBox::Ok);
        waehle("aktionSpeichern");
        QVERIFY(letzteMeldung().contains("r.lsd konnte nicht gespeichert werden."));
        QVERIFY(geaendert());
        // A room without a file asks for one, as "Speichern unter" does.
        desktop->answer(QMessageBox::Discard);
        waehle("aktionNeu");
        click("Command3");
        desktop->answer(raeume("neu.lsd"), QMessageBox::Ok);
        waehle("aktionSpeichern");
        QCOMPARE(desktop->dialogs.last(), "Speichern | Datei speichern | HotSpot-Dateien|*.lsd | " +
                                              m->AppPfad + "rooms | ");
        QCOMPARE(spiel->inhalt("rooms/neu.lsd"), RoomFile::schreiben(*m));
        QCOMPARE(titel(), "Editor - neu.lsd");
    }

    void theCommandLineAnswersWithoutADisplay()
    {
        QProcessEnvironment ohneBildschirm = QProcessEnvironment::systemEnvironment();
        for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            ohneBildschirm.remove(v);
        const auto aufruf = [&](const QStringList& argumente) {
            QProcess p;
            p.setProcessEnvironment(ohneBildschirm);
            p.start(TARNHOLM_EDITOR, argumente);
            [&] { QVERIFY(p.waitForFinished(30000)); }();
            return QStringList({QString::number(p.exitCode()),
                                QString::fromLocal8Bit(p.readAllStandardOutput()),
                                QString::fromLocal8Bit(p.readAllStandardError())});
        };
        QCOMPARE(aufruf({"--version"}),
                 QStringList({"0", "tarnholm-editor " + Aufruf::version() + "\n", ""}));
        for (const char* hilfe : {"--help", "-h"}) {
            const QStringList h = aufruf({"raum.lsd", hilfe});
            QVERIFY(h[0] == "0" && h[1].startsWith("Aufruf: tarnholm-editor [--spiel ORDNER] [--] "
                                                   "[Raumdatei | Gegenstandsskript]\n"));
            QVERIFY(h[1].contains("--version") && h[2].isEmpty());
        }
        QCOMPARE(aufruf({"--gibtsnicht"}),
                 QStringList({"2", "",
                              "tarnholm-editor: Die Option „--gibtsnicht“ gibt es nicht. Hilfe: "
                              "tarnholm-editor --help\n"}));
        QCOMPARE(aufruf({"a.lsd", "b.lsd"})[2],
                 "tarnholm-editor: Es kann nur eine Datei angegeben werden. Hilfe: "
                 "tarnholm-editor --help\n");

        // The room file, as seen from where the editor was started.
        using Art = Aufruf::Ergebnis::Art;
        const Aufruf::Ergebnis datei = Aufruf::lesen({"rooms/../haus.lsd"}, "/spiel");
        QVERIFY(datei.art == Art::Starten && datei.datei == QDir::cleanPath("/spiel/haus.lsd"));
        QCOMPARE(Aufruf::lesen({"--", "-x.lsd"}, "/spiel").datei, "/spiel/-x.lsd");
        QCOMPARE(Aufruf::lesen({}, "/spiel").datei, QString());
        QVERIFY(Aufruf::lesen({""}, "/spiel").art == Art::Fehler);
        // The game folder, given either way; after "--" it is a file.
        const Aufruf::Ergebnis spiel = Aufruf::lesen({"--spiel", "../b", "x.skp"}, "/a/c");
        QCOMPARE(QStringList({spiel.spiel, spiel.datei}), QStringList({"/a/b", "/a/c/x.skp"}));
        QCOMPARE(Aufruf::lesen({"--spiel=/b/"}, "/a").spiel, "/b");
        QCOMPARE(Aufruf::lesen({"--", "--spiel"}, "/a").datei, "/a/--spiel");
        for (const QStringList& falsch : {QStringList{"--spiel"}, QStringList{"--spiel="}})
            QVERIFY(Aufruf::lesen(falsch, "/a").art == Art::Fehler);
    }
};

QTEST_MAIN(TestMenue)
#include "tst_menue.moc"
