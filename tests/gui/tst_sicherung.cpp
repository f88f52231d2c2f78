#include "EditorImTest.h"
#include "roomfile/Wiederherstellung.h"

#include <random>

// Nothing the author does is lost: the change mark, the save question, the recovery copy, the
// room changed on disk, the room named on the command line.
class TestSicherung : public QObject, EditorImTest
{
    Q_OBJECT

private:
    void frageIst(const QString& raum)
    {
        QCOMPARE(letzteMeldung(),
                 meldung(raum + " wurde geändert. Sollen die Änderungen gespeichert werden?",
                         QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                         QMessageBox::Save, QMessageBox::Warning));
    }
    QStringList kopien(const QTemporaryDir& ordner) const
    {
        return QDir(ordner.path()).entryList({"*.wiederherstellung"}, QDir::Files, QDir::Name);
    }
    // Another main window on the same game folder, as a second start of the program.
    std::unique_ptr<Editor> nochEiner(Module1& raum, const QString& kopienOrdner)
    {
        raum.setzeOrdner(m->AppPfad);
        auto e = std::make_unique<Editor>(raum, *desktop);
        e->befehle().kopienIn(kopienOrdner);
        e->show();
        return e;
    }

private Q_SLOTS:
    void init() { starten(); }
    void cleanup() { beenden(); }

    void lookingChangesNothingAndSavingClearsTheMark()
    {
        beispielLaden();
        QCOMPARE(titel(), QString("Editor - r.lsd"));
        // Every kind of change marks the room in the history's property test. Looking does
        // not: selecting, a script editor closed unchanged, "Testen", a stroke with nothing
        // selected.
        QTest::mouseClick(editor->windowHandle(), Qt::LeftButton, {}, imFenster({35, 35}));
        clickRow(list(), 1);
        editor->skriptEditorZeigen = [&](auto&&...) {};
        click("Command1_1");
        clickWith("Command12", raeume("r.lsd"));
        QVERIFY(!geaendert());
        clickWith("Command8", m->CursorsPfad + "auge.cur");
        QVERIFY(geaendert());
        clickWith("Command5", raeume("r.lsd"), QMessageBox::Ok);
        QVERIFY(!geaendert());
    }

    void everyActionThatThrowsAwayAChangedRoomAsksOnce()
    {
        enum Antwort
        {
            Abbrechen,
            Verwerfen,
            Speichern,
            SpeichernAbgebrochen
        };
        for (const QString a : {"schliessen", "Laden", "Neu", "Testen"}) {
            for (const Antwort antwort : {Abbrechen, Verwerfen, Speichern, SpeichernAbgebrochen}) {
                const QString fall = QString("%1 %2").arg(a).arg(antwort);
                beenden();
                starten();
                beispielLaden();
                QVERIFY(spiel->raum("anderer.lsd", {}));
                if (antwort == SpeichernAbgebrochen) {
                    // Changed by somebody else: the save asks, and No keeps that file.
                    Module1 fremd;
                    fremd.setHintergrund("a.bmp");
                    QVERIFY(spiel->raum("r.lsd", fremd));
                }
                const QByteArray vorher = spiel->inhalt("rooms/r.lsd");
                click("Command3");
                const int dialoge = desktop->dialogs.size();
                if (a == "Testen") // the game reads the file: asked for that one
                    desktop->answer(raeume("r.lsd"));
                desktop->answer(antwort == Abbrechen   ? QMessageBox::Cancel
                                : antwort == Verwerfen ? QMessageBox::Discard
                                                       : QMessageBox::Save);
                // "Speichern" writes the room's file straight away, without a box.
                if (antwort == SpeichernAbgebrochen)
                    desktop->answer(QMessageBox::No);
                const bool weiter = antwort == Verwerfen || antwort == Speichern;
                if (weiter && a == "Laden")
                    desktop->answer(raeume("anderer.lsd"));
                bool geschlossen = false;
                if (a == "schliessen")
                    geschlossen = editor->close();
                else
                    click(a == "Laden" ? "Command4" : a == "Neu" ? "Command6" : "Command12");
                const bool ersetzt = a == "Laden" || a == "Neu";
                const int n = desktop->messages.size();
                QCOMPARE(desktop->messages[n - 1 - (antwort == SpeichernAbgebrochen)].text,
                         "Der Raum „r.lsd“ wurde geändert. Sollen die Änderungen gespeichert "
                         "werden?");
                QVERIFY2(desktop->answers.empty(), qPrintable(fall));
                // Saved exactly on Save; the action went on then and on Discard; the room stays
                // changed unless it was saved or replaced.
                QCOMPARE(spiel->inhalt("rooms/r.lsd") != vorher, antwort == Speichern);
                QCOMPARE(geaendert(), antwort != Speichern && !(antwort == Verwerfen && ersetzt));
                if (a == "schliessen")
                    QCOMPARE(geschlossen, weiter);
                if (a == "Laden")
                    QCOMPARE(titel(), weiter ? QString("Editor - anderer.lsd") : "Editor - r.lsd*");
                if (a == "Neu")
                    QCOMPARE(m->HotSpotMax, weiter ? -1 : 3);
                if (a == "Testen")
                    QCOMPARE(desktop->starts.size(), weiter ? 1 : 0);
                QCOMPARE(desktop->dialogs.size() - dialoge,
                         (a == "Testen") + (weiter && a == "Laden"));
            }
        }
        // A room never saved is the new room; a room not changed asks nothing on closing.
        beenden();
        starten();
        click("Command3");
        clickWith("Command6", QMessageBox::Cancel);
        frageIst("Der neue Raum");
        // Having no file yet, it is saved as "Speichern unter" saves it.
        clickWith("Command6", QMessageBox::Save, raeume("neu.lsd"), QMessageBox::Ok);
        QCOMPARE(desktop->dialogs.last(), "Speichern | Datei speichern | HotSpot-Dateien|*.lsd | " +
                                              m->AppPfad + "rooms | ");
        QVERIFY(desktop->messages.last().text.endsWith("neu.lsd gespeichert!"));
        QVERIFY(spiel->inhalt("rooms/neu.lsd").contains("\"Noname0\""));
        QCOMPARE(m->HotSpotMax, -1);
        click("Command3");
        clickWith("Command6", QMessageBox::Discard);
        QVERIFY(editor->close());
    }

    void aFileChangedOnDiskIsNotOverwrittenUnasked()
    {
        beispielLaden();
        click("Command3");
        // Unchanged on disk: no question.
        clickWith("Command5", raeume("r.lsd"), QMessageBox::Ok);
        Module1 anders;
        anders.setHintergrund("a.bmp"); // the same picture: only the new question asks
        const QByteArray fremd = RoomFile::schreiben(anders);
        for (const auto antwort : {QMessageBox::No, QMessageBox::Yes}) {
            QVERIFY(spiel->datei("rooms/r.lsd", fremd)); // another editor, a checkout
            click("Command3");
            if (antwort == QMessageBox::Yes)
                clickWith("Command5", raeume("r.lsd"), antwort, QMessageBox::Ok);
            else
                clickWith("Command5", raeume("r.lsd"), antwort);
            QCOMPARE(letzteMeldung(antwort == QMessageBox::Yes),
                     meldung("„r.lsd“ wurde außerhalb des Editors geändert. Überschreiben?",
                             QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
                             QMessageBox::Warning));
            QCOMPARE(spiel->inhalt("rooms/r.lsd") == fremd, antwort == QMessageBox::No);
            QCOMPARE(geaendert(), antwort == QMessageBox::No);
        }
        // Another file is no concern of the room's.
        QVERIFY(spiel->datei("rooms/s.lsd", fremd));
        clickWith("Command5", raeume("s.lsd"), QMessageBox::Ok);
        QVERIFY(desktop->messages.last().text.endsWith("s.lsd gespeichert!"));
    }

    void aCrashLeavesACopyThatTheNextStartOffers()
    {
        QTemporaryDir ordner;
        editor->befehle().kopienIn(ordner.path());
        beispielLaden();
        const QByteArray datei = spiel->inhalt("rooms/r.lsd");
        click("Command3");
        // At most two seconds behind: the room as "Speichern" would write it, and its file.
        QTRY_COMPARE_WITH_TIMEOUT(kopien(ordner), QStringList({"raum-1.wiederherstellung"}), 2000);
        QTRY_COMPARE(TextFile::read(ordner.filePath("raum-1.wiederherstellung")).value_or(""),
                     Wiederherstellung::kopieBytes(RoomFile::schreiben(*m), raeume("r.lsd"),
                                                   Wiederherstellung::hash(datei)));
        clickWith("Command5", raeume("r.lsd"), QMessageBox::Ok);
        QTRY_COMPARE(kopien(ordner), QStringList());
        clickRow(list(), 0);
        type(control("Text1"), "Tür");

        // A second editor keeps a copy of its own; each stays behind when its editor goes
        // without being closed.
        Module1 zweiterRaum;
        std::unique_ptr<Editor> zweiter = nochEiner(zweiterRaum, ordner.path());
        QTest::mouseClick(control<QPushButton>("Command3", zweiter.get()), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(kopien(ordner).size(), 2, 2000);
        const QByteArray ersterStand = RoomFile::schreiben(*m);
        zweiter.reset();
        editor.reset();
        QCOMPARE(kopien(ordner).size(), 2);

        // The next start offers them one after the other until one is taken.
        QVERIFY(spiel->datei("rooms/r.lsd", "nicht anfassen"));
        m->leererRaum();
        editor = nochEiner(*m, ordner.path());
        fenster = editor.get();
        desktop->answer(QMessageBox::Yes);
        QVERIFY(editor->befehle().wiederherstellen());
        QCOMPARE(letzteMeldung(),
                 meldung("Der Editor wurde beendet, ohne die Änderungen an „r.lsd“ zu speichern. "
                         "Wiederherstellen?",
                         QMessageBox::Yes | QMessageBox::No, QMessageBox::NoButton,
                         QMessageBox::Question));
        QCOMPARE(RoomFile::schreiben(*m), ersterStand);
        QCOMPARE(titel(), QString("Editor - r.lsd*"));
        QCOMPARE(rowTexts(list()), QStringList({"Ding 0Tür", "Ding 1", "Ding 2", "Noname3"}));
        QCOMPARE(spiel->inhalt("rooms/r.lsd"), "nicht anfassen");
        // "Speichern" offers the room's file, and knows it was changed meanwhile.
        clickWith("Command5", QString());
        QVERIFY(desktop->dialogs.last().endsWith(" | " + raeume("r.lsd")));
        clickWith("Command5", raeume("r.lsd"), QMessageBox::No);
        QVERIFY(letzteMeldung().startsWith("„r.lsd“ wurde außerhalb des Editors geändert."));

        // The other copy waits for another start; No there removes it.
        Module1 dritterRaum;
        std::unique_ptr<Editor> dritter = nochEiner(dritterRaum, ordner.path());
        desktop->answer(QMessageBox::No);
        QVERIFY(!dritter->befehle().wiederherstellen());
        QCOMPARE(desktop->messages.last().text,
                 "Der Editor wurde beendet, ohne die Änderungen am neuen Raum zu speichern. "
                 "Wiederherstellen?");
        QCOMPARE(kopien(ordner), QStringList({"raum-1.wiederherstellung"}));
        QCOMPARE(dritterRaum.HotSpotMax, -1);
        // Closing with the changes let go leaves nothing behind.
        desktop->answer(QMessageBox::Discard);
        QVERIFY(editor->close());
        editor.reset();
        QCOMPARE(kopien(ordner), QStringList());
    }

    void aCopyThatCannotBeReadIsKeptAside()
    {
        QTemporaryDir ordner;
        const QByteArray kaputt =
            Wiederherstellung::kopieBytes(RoomFile::schreiben(*m), "", "").chopped(3);
        QVERIFY(TextFile::write(ordner.filePath("raum-4.wiederherstellung"), kaputt));
        editor->befehle().kopienIn(ordner.path());
        desktop->answer(QMessageBox::Ok);
        QVERIFY(!editor->befehle().wiederherstellen());
        const QStringList beiseite = QDir(ordner.filePath("beschaedigt")).entryList(QDir::Files);
        QCOMPARE(beiseite.size(), 1);
        QCOMPARE(TextFile::read(ordner.filePath("beschaedigt/" + beiseite[0])).value_or(""),
                 kaputt);
        QCOMPARE(letzteMeldung(),
                 warnung("Eine Wiederherstellungskopie kann nicht gelesen werden: Sie ist "
                         "unvollständig. Sie wurde nicht gelöscht und liegt unter " +
                         QDir::toNativeSeparators(ordner.filePath("beschaedigt/" + beiseite[0])) +
                         "."));
        QCOMPARE(kopien(ordner), QStringList());
    }

    void aKilledEditorLeavesTheRoomOfTwoSecondsBefore()
    {
#ifdef Q_OS_UNIX
        // Editors that edit until they are killed at random moments, side by side.
        constexpr int anzahl = 6;
        std::mt19937 zufall(1871);
        struct Lauf
        {
            QTemporaryDir spiel, kopien;
            QProcess prozess;
            qint64 toeten = 0, getoetet = 0;
        };
        std::vector<std::unique_ptr<Lauf>> laeufe;
        for (int i = 0; i < anzahl; ++i) {
            auto lauf = std::make_unique<Lauf>();
            lauf->prozess.start(TARNHOLM_RAUMBEARBEITER,
                                {lauf->spiel.path(), lauf->kopien.path(), QString::number(i)});
            lauf->toeten = 3000 + zufall() % 5000;
            laeufe.push_back(std::move(lauf));
        }
        QElapsedTimer uhr;
        uhr.start();
        for (int erledigt = 0; erledigt < anzahl;) {
            QTest::qWait(10);
            for (const auto& l : laeufe) {
                if (l->getoetet || uhr.elapsed() < l->toeten)
                    continue;
                l->prozess.kill();
                // On the clock the editors write their times by.
                l->getoetet = uhr.msecsSinceReference() + uhr.elapsed();
                ++erledigt;
            }
        }
        for (auto& l : laeufe) {
            QVERIFY(l->prozess.state() == QProcess::NotRunning ||
                    l->prozess.waitForFinished(10000));
            QCOMPARE(l->prozess.exitStatus(), QProcess::CrashExit); // killed, not ended early
            // Every room it held since its last change older than two seconds will do.
            QSet<QByteArray> genug;
            for (const QByteArray& zeile : l->prozess.readAllStandardOutput().split('\n')) {
                const QList<QByteArray> teile = zeile.split(' ');
                if (teile.size() != 2)
                    continue;
                if (teile[0].toLongLong() <= l->getoetet - 2000)
                    genug.clear();
                genug << teile[1];
            }
            QVERIFY(!genug.isEmpty());
            Module1 raum;
            raum.setzeOrdner(l->spiel.path());
            Editor neu(raum, *desktop);
            neu.befehle().kopienIn(l->kopien.path());
            desktop->answer(QMessageBox::Yes);
            QVERIFY(neu.befehle().wiederherstellen());
            QVERIFY(genug.contains(Wiederherstellung::hash(RoomFile::schreiben(raum))));
        }
#endif
    }

    void aRoomNamedWhenStartingIsLoadedAsLadenLoadsIt()
    {
        QVERIFY(spiel->raum("r.lsd", {}));
        editor->befehle().oeffnen(raeume("r.lsd"));
        QCOMPARE(titel(), QString("Editor - r.lsd"));
        QCOMPARE(editor->befehle().raumDatei(), raeume("r.lsd"));
        // A missing or broken file: the message, and the editor goes on with an empty room.
        QVERIFY(spiel->datei("rooms/kaputt.lsd", "\"x"));
        for (const QString& datei : {raeume("fehlt.lsd"), raeume("kaputt.lsd")}) {
            beenden();
            starten();
            desktop->answer(QMessageBox::Ok);
            editor->befehle().oeffnen(datei);
            QVERIFY(desktop->messages.last().text.startsWith("Die Datei " +
                                                             QDir::toNativeSeparators(datei)));
            QCOMPARE(m->HotSpotMax, -1);
            QVERIFY(editor->isVisible());
        }
    }
};

QTEST_MAIN(TestSicherung)
#include "tst_sicherung.moc"
