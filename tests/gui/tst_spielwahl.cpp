#include "EditorImTest.h"
#include "app/ZuletztGeoeffnet.h"
#include "check/Pruefdienst.h"
#include "mainwindow/Spielfenster.h"
#include "mainwindow/Spielwahl.h"
#include "roomfile/ItemSkript.h"
#include "script/SkriptEditor.h"

using Art = Spielordner::Wahl::Art;

// How the editor comes to its game folder: chosen in the dialog, found from the command line
// by the built program, and changed while it runs.
class TestSpielwahl : public QObject, EditorImTest
{
    Q_OBJECT

private:
    QTemporaryDir daten;

    static QString eindeutig(const QString& ordner) { return Spielordner::eindeutig(ordner); }
    QString ini() const { return daten.filePath("config/Tarnholm - Editor/zuletzt.ini"); }

    /// The built editor as an author starts it, from a folder that is no game folder, in the
    /// user's data of this test; killed once `fertig` holds, or after 20 s.
    QString editorStarten(const QStringList& argumente, const std::function<bool()>& fertig,
                          const QString& programmOrdner)
    {
        const QString programm = programmOrdner + "/tarnholm-editor";
        if (!QFile::exists(programm) && !QFile::copy(TARNHOLM_EDITOR, programm))
            return "(nicht kopiert)";
        QProcess p;
        p.start(programm, argumente);
        if (!p.waitForStarted())
            return "(nicht gestartet)";
        QDeadlineTimer frist(20000);
        while (!fertig() && p.state() == QProcess::Running && !frist.hasExpired())
            QTest::qWait(50);
        if (p.state() == QProcess::Running) {
            p.kill();
            p.waitForFinished();
            return "läuft";
        }
        return QString("beendet %1: ").arg(p.exitCode()) +
               QString::fromLocal8Bit(p.readAllStandardError());
    }

private Q_SLOTS:
    void initTestCase()
    {
        // Recovery copies, journals and the lists of what was opened last, of this test only.
        qputenv("XDG_DATA_HOME", daten.filePath("daten").toUtf8());
        qputenv("XDG_CONFIG_HOME", daten.filePath("config").toUtf8());
    }
    void init()
    {
        QFile::remove(ini());
        starten();
    }
    void cleanup() { beenden(); }

    void theDialogTakesOnlyAGameFolderAndCancelEndsTheStart()
    {
        QTemporaryDir leer;
        const Spielordner::Start nichts{leer.path(), {}, {}, {leer.filePath("weg")}};
        // Cancelled: the editor ends.
        desktop->answer(QString());
        QCOMPARE(int(Spielwahl::beimStart(*desktop, nichts).art), int(Art::Fragen));
        // A folder that is no game, the rooms of one, then the game: each refusal says what
        // is missing, and the dialog comes back where the author was.
        const QString rooms = spiel->pfad("rooms");
        desktop->answer(leer.path(), QMessageBox::Ok, rooms, QMessageBox::Ok, spiel->dir.path());
        const Spielordner::Wahl wahl = Spielwahl::beimStart(*desktop, nichts);
        QVERIFY(wahl.art == Art::Gefunden && wahl.ordner == eindeutig(spiel->dir.path()));
        const QString dialog = "Ordner | Spielordner öffnen |  | %1 | ";
        QCOMPARE(desktop->dialogs, QStringList({dialog.arg(leer.path()), dialog.arg(leer.path()),
                                                dialog.arg(leer.path()), dialog.arg(rooms)}));
        QCOMPARE(letzteMeldung(1), warnung(leer.path() + " ist kein Spielordner: Ihm fehlt der "
                                                         "Unterordner „rooms“."));
        QCOMPARE(letzteMeldung(),
                 warnung(rooms +
                         " ist der Ordner „rooms“ eines Spiels. Der Spielordner ist der "
                         "Ordner darüber, " +
                         QDir::cleanPath(spiel->dir.path()) + "."));
    }

    void aFileOnTheCommandLineOpensAsLadenOrGegenstaendeOpensIt()
    {
        Pruefdienst dienst(*m);
        Spielfenster fenster2(*m, *desktop, *editor, dienst);
        QVERIFY(spiel->raum("a.lsd", raumMit(skriptAus({{3, "Tag"}}))));
        Spielwahl::dateiOeffnen(*editor, *desktop, *m, raeume("a.lsd"));
        QCOMPARE(titel(), "Editor - a.lsd");

        // An item script: the script editor on it, written back beside its picture.
        QVERIFY(spiel->datei("items/Dolch1.skp", ItemSkript::schreiben(skriptAus({{3, "Blut"}}))));
        desktop->driveModal([&](QDialog& d) {
            auto* se = qobject_cast<SkriptEditor*>(&d);
            QVERIFY(se && !se->herkunft().imRaum);
            QCOMPARE(rowTexts(control<QAbstractItemView>("List1", se)), {"SetFlag Blut"});
            befehlEinfuegen(se, "DelFlag");
        });
        Spielwahl::dateiOeffnen(*editor, *desktop, *m, spiel->pfad("items/Dolch1.skp"));
        Skript geschrieben;
        QVERIFY(ItemSkript::lesen(spiel->inhalt("items/Dolch1.skp"), geschrieben).vollstaendig);
        QCOMPARE(geschrieben.MaxZeile, 1);

        // One that is not there, or lies outside the game's items, is not taken.
        QTemporaryDir anderswo;
        QFile(anderswo.filePath("Dolch1.skp")).open(QIODevice::WriteOnly);
        desktop->answer(QMessageBox::Ok, QMessageBox::Ok);
        Spielwahl::dateiOeffnen(*editor, *desktop, *m, spiel->pfad("items/Fehlt0.skp"));
        QCOMPARE(letzteMeldung(), warnung("Die Datei " + nativ("items/Fehlt0.skp") +
                                          " kann nicht geöffnet werden."));
        Spielwahl::dateiOeffnen(*editor, *desktop, *m, anderswo.filePath("Dolch1.skp"));
        QCOMPARE(letzteMeldung(),
                 warnung("Das Gegenstandsskript " + anderswo.filePath("Dolch1.skp") +
                         " liegt nicht im Ordner „items“ des Spielordners " +
                         QDir::cleanPath(m->AppPfad) +
                         ". „Gegenstände“ bearbeitet nur die Skripte dieses "
                         "Spiels."));
        QCOMPARE(spiel->dateien("items"), QStringList({"Dolch1.skp"}));
    }

    void anotherGameStartsItsOwnEditorAfterTheRoomIsAskedFor()
    {
        TestSpiel anderes;
        editor->zuletztIn(ini());
        ZuletztGeoeffnet(ini(), {}).spielBenutzt(anderes.dir.path());
        auto* spiele = control<QMenu>("menueSpiele", editor.get());
        const auto spieleZeigen = [&] {
            Q_EMIT spiele->aboutToShow();
            QStringList texte;
            for (const QAction* a : spiele->actions())
                texte << a->text();
            return texte;
        };
        // This game is not offered; the other one is, by its folder's name.
        QCOMPARE(spieleZeigen(), QStringList({"&1 " + QFileInfo(anderes.dir.path()).fileName()}));

        // The changed room is asked for first; Cancel there changes nothing.
        click("Command3");
        desktop->answer(QMessageBox::Cancel);
        control<QAction>("aktionSpielordner", editor.get())->trigger();
        QVERIFY(desktop->dialogs.isEmpty() && editor->isVisible());
        // Let go, then the game chosen: a new editor starts on it and this one closes, asking
        // no more.
        desktop->answer(QMessageBox::Discard, anderes.dir.path());
        control<QAction>("aktionSpielordner", editor.get())->trigger();
        QCOMPARE(desktop->dialogs.last(),
                 "Ordner | Spielordner öffnen |  | " + QFileInfo(spiel->dir.path()).path() + " | ");
        QCOMPARE(desktop->starts,
                 QVector<QStringList>({{QCoreApplication::applicationFilePath(), "--spiel",
                                        eindeutig(anderes.dir.path())}}));
        QTRY_VERIFY(!editor->isVisible());
        QCOMPARE(desktop->messages.size(), 2);

        // A game folder that went away leaves the list, and nothing else happens.
        editor->show();
        QVERIFY(anderes.dir.remove());
        desktop->answer(QMessageBox::Ok);
        spiele->actions().value(0)->trigger();
        QCOMPARE(letzteMeldung(), warnung("Den Ordner " + anderes.dir.path() +
                                          " gibt es nicht. Er wird aus „Zuletzt geöffnete Spiele“ "
                                          "entfernt."));
        QCOMPARE(spieleZeigen(), QStringList({"Noch keine anderen Spiele"}));
        QCOMPARE(desktop->starts.size(), 1);
    }

    void theBuiltEditorFindsItsGameFromWhatItIsGiven()
    {
        // The program in a folder of its own, the game copied elsewhere.
        QTemporaryDir programm;
        const QString spielOrdner = eindeutig(spiel->dir.path());
        QVERIFY(spiel->raum("a.lsd", Module1()));
        const auto raeumeVon = [&] { return ZuletztGeoeffnet(ini(), spielOrdner).raeume(); };
        const auto spiele = [&] { return ZuletztGeoeffnet(ini(), {}).spiele(); };

        // A room from the file manager: its game, and the room open in it.
        QCOMPARE(editorStarten(
                     {raeume("a.lsd")}, [&] { return !raeumeVon().isEmpty(); }, programm.path()),
                 "läuft");
        QCOMPARE(raeumeVon(), QStringList({QDir::cleanPath(raeume("a.lsd"))}));
        QCOMPARE(spiele(), QStringList({spielOrdner}));

        // --spiel: that game; a folder that is none ends the start with the reason.
        TestSpiel anderes;
        const QString anderer = eindeutig(anderes.dir.path());
        QCOMPARE(editorStarten(
                     {"--spiel", anderes.dir.path()}, [&] { return spiele().value(0) == anderer; },
                     programm.path()),
                 "läuft");
        const QString keins = editorStarten(
            {"--spiel", programm.path()}, [] { return false; }, programm.path());
        QVERIFY2(keins.startsWith("beendet 2: ") &&
                     keins.contains("tarnholm-editor: " + programm.path() +
                                    " ist kein Spielordner: Ihm fehlt der Unterordner „rooms“.\n"),
                 qPrintable(keins));

        // Nothing given: the newest game used that is still there.
        QVERIFY(anderes.dir.remove());
        QCOMPARE(spiele(), QStringList({anderer, spielOrdner}));
        QCOMPARE(editorStarten(
                     {}, [&] { return spiele().value(0) == spielOrdner; }, programm.path()),
                 "läuft");
    }
};

QTEST_MAIN(TestSpielwahl)
#include "tst_spielwahl.moc"
