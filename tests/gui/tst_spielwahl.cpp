#include "EditorImTest.h"
#include "UmbenennSpiel.h"
#include "app/ZuletztGeoeffnet.h"
#include "mainwindow/Spielfenster.h"
#include "mainwindow/Spielwahl.h"
#include "mainwindow/Startvorlauf.h"
#include "model/Unterordner.h"
#include "raetsel/Raetselplan.h"
#include "roomfile/ItemSkript.h"
#include "script/SkriptEditor.h"
#include "spiel/Pruefdienst.h"

using Art = Spielordner::Wahl::Art;

// How the editor comes to its game folder: chosen in the dialog, found by the built program
// from what it is given, and changed while it runs.
class TestSpielwahl : public QObject, EditorImTest
{
    Q_OBJECT

    QTemporaryDir daten;
    QString ini() const { return daten.filePath("config/Tarnholm - Editor/zuletzt.ini"); }
    static QString eindeutig(const QString& ordner) { return Spielordner::eindeutig(ordner); }

    /// The built editor, copied into a folder that is no game folder, started as an author
    /// starts it: "läuft" once `fertig` holds (it is then killed), else how it ended or that
    /// it is still waiting after 20 s.
    static QString editorStarten(const QStringList& argumente, const std::function<bool()>& fertig,
                                 const QString& ordner)
    {
        const QString programm = ordner + "/tarnholm-editor";
        QProcess p;
        if (QFile::copy(TARNHOLM_EDITOR, programm) || QFile::exists(programm))
            p.start(programm, argumente);
        bool erreicht = false;
        for (QDeadlineTimer frist(20000); p.waitForStarted() && !frist.hasExpired();) {
            if ((erreicht = fertig()) || p.waitForFinished(50))
                break;
        }
        if (p.state() != QProcess::Running)
            return QString("beendet %1: ").arg(p.exitCode()) + p.readAllStandardError();
        p.kill();
        p.waitForFinished();
        return erreicht ? "läuft" : "wartet noch";
    }

    /// The next start window, its choice made with a click on `knopf`.
    void imStartfenster(const QString& knopf)
    {
        desktop->driveModal([this, knopf](QDialog& d) { click(knopf, &d); });
    }
    /// Everything in `ordner`, relative and sorted; without `dateien` its folders only.
    static QStringList alles(const QString& ordner, bool dateien = true)
    {
        QStringList namen;
        QDirIterator it(ordner, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString pfad = it.next();
            if (dateien || it.fileInfo().isDir())
                namen << QDir(ordner).relativeFilePath(pfad);
        }
        namen.sort();
        return namen;
    }
    /// The build's demo game lies where the package puts the example, relative to this
    /// test program as to the editor.
    static QString programmOrdner() { return QCoreApplication::applicationDirPath(); }

private Q_SLOTS:
    void initTestCase()
    {
        const QString beispiel = programmOrdner() + "/../share/tarnholm-editor/beispiel";
        QVERIFY(QDir().mkpath(QFileInfo(beispiel).path()));
        QVERIFY(QFileInfo::exists(beispiel) || QFile::link(TARNHOLM_DEMO_DIR, beispiel));
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

    void theStartWindowComesFirstAndOnlyAbbrechenEndsTheStart()
    {
        QTemporaryDir leer;
        const Spielordner::Start nichts{leer.path(), {}, {}, {leer.filePath("weg")}};
        desktop->driveModal([this](QDialog& d) {
            QCOMPARE(d.windowTitle(), "Willkommen bei Tarnholm");
            QStringList knoepfe;
            for (const QPushButton* k : d.findChildren<QPushButton*>())
                knoepfe << k->text();
            QCOMPARE(knoepfe, QStringList({"Spiel ö&ffnen…", "&Neues Spiel…", "&Beispielspiel…",
                                           "Abbrechen"}));
            click("knopfAbbrechen", &d);
        });
        QCOMPARE(int(Spielwahl::beimStart(*desktop, nichts).wahl.art), int(Art::Fragen));
        QVERIFY(desktop->dialogs.isEmpty());
        // "Spiel öffnen": a folder dialog cancelled goes back to the start window. Then a folder
        // that is no game, the rooms of one, then the game: each refusal says what is missing,
        // and the dialog comes back where the author was.
        const QString rooms = spiel->pfad("rooms");
        imStartfenster("knopfOeffnen");
        desktop->answer(QString());
        imStartfenster("knopfOeffnen");
        desktop->answer(leer.path(), QMessageBox::Ok, rooms, QMessageBox::Ok, spiel->dir.path());
        const Spielwahl::Beginn beginn = Spielwahl::beimStart(*desktop, nichts);
        QVERIFY(beginn.wahl.art == Art::Gefunden &&
                beginn.wahl.ordner == eindeutig(spiel->dir.path()) && beginn.raum.isEmpty());
        const QString dialog = "Ordner | Spielordner öffnen |  | %1 | ";
        QCOMPARE(desktop->dialogs, QStringList({dialog.arg(leer.path()), dialog.arg(leer.path()),
                                                dialog.arg(leer.path()), dialog.arg(rooms)}));
        QCOMPARE(letzteMeldung(1), warnung(leer.path() + " ist kein Spielordner: Ihm fehlt der "
                                                         "Unterordner „rooms“."));
        QVERIFY(letzteMeldung().contains("ist der Ordner „rooms“ eines Spiels."));
    }

    void aNewGameFromTheStartWindowGetsTheSevenSubfoldersOnlyInAnEmptyFolder()
    {
        QTemporaryDir ort;
        const Spielordner::Start nichts{programmOrdner(), {}, {}, {}};
        // Someone's work in the folder first: refused, and left exactly as it was.
        QVERIFY(QDir(ort.path()).mkpath("arbeit/text"));
        QVERIFY(QFile(ort.filePath("arbeit/text/brief.txt")).open(QIODevice::WriteOnly));
        const QStringList arbeit = alles(ort.filePath("arbeit"));
        imStartfenster("knopfNeu");
        desktop->answer(ort.filePath("arbeit"), QMessageBox::Ok, ort.filePath("neu"));
        const Spielwahl::Beginn beginn = Spielwahl::beimStart(*desktop, nichts);
        QVERIFY(beginn.wahl.art == Art::Gefunden &&
                beginn.wahl.ordner == eindeutig(ort.filePath("neu")) && beginn.raum.isEmpty());
        QCOMPARE(alles(ort.filePath("neu")), QStringList({"cursors", "graphics", "items", "movies",
                                                          "musics", "rooms", "sounds"}));
        QCOMPARE(alles(ort.filePath("arbeit")), arbeit);
        QVERIFY(letzteMeldung().contains("arbeit ist nicht leer. Ein neues Spiel wird nur in einem "
                                         "neuen oder leeren Ordner angelegt"));
        const QString dialog = "Ordner | Ordner für das neue Spiel |  | %1 | ";
        QCOMPARE(desktop->dialogs,
                 QStringList({dialog.arg(QDir::homePath()), dialog.arg(ort.path())}));
    }

    void theExampleIsCopiedByteForByteWithoutTheProgramsAndOpensOnItsHouse()
    {
        QTemporaryDir ort;
        const QString kopie = eindeutig(ort.filePath("beispiel"));
        const Spielordner::Start nichts{programmOrdner(), {}, {}, {}};
        imStartfenster("knopfBeispiel");
        desktop->answer(kopie);
        const Spielwahl::Beginn beginn = Spielwahl::beimStart(*desktop, nichts);
        QVERIFY(beginn.wahl.art == Art::Gefunden && beginn.wahl.ordner == kopie);
        QCOMPARE(beginn.raum, kopie + "/rooms/haus.lsd");
        // The demo's seven subfolders and its start and goals, nothing else: no program, no
        // build stamp.
        const QDir demo(TARNHOLM_DEMO_DIR);
        QStringList erwartet;
        for (const QString& name : alles(demo.path()))
            if (Unterordner::namen().contains(name.section('/', 0, 0)) ||
                name == Raetselplan::dateiName())
                erwartet << name;
        QCOMPARE(alles(kopie), erwartet);
        QVERIFY(erwartet.size() > 20 && erwartet.contains("rooms/haus.lsd") &&
                erwartet.contains(Raetselplan::dateiName()));
        for (const QString& name : erwartet)
            if (QFileInfo(demo.filePath(name)).isFile())
                QVERIFY2(TextFile::read(demo.filePath(name)) == TextFile::read(kopie + '/' + name),
                         qPrintable(name));
        // The editor opens it as an editor started on it does.
        Module1 raum;
        raum.setzeOrdner(kopie);
        Startvorlauf vorlauf(kopie, desktop->git(), beginn.raum);
        Editor fenster(raum, *desktop);
        fenster.show();
        QVERIFY(fenster.befehle().oeffnen(*vorlauf.ergebnis().raum));
        QCOMPARE(fenster.windowTitle(), "Editor - haus.lsd[*]");
        QVERIFY(raum.HotSpotMax >= 0);
    }

    void aFileOnTheCommandLineOpensAsLadenOrGegenstaendeOpensIt()
    {
        Pruefdienst dienst(*m);
        Spielfenster fenster2(*m, *desktop, *editor, dienst);
        QVERIFY(spiel->raum("a.lsd", Module1()));
        Spielwahl::dateiOeffnen(*editor, *desktop, *m, raeume("a.lsd"));
        QCOMPARE(titel(), "Editor - a.lsd");
        // An item script: the script editor on it, written back beside its picture.
        QVERIFY(spiel->datei("items/Dolch1.skp", ItemSkript::schreiben(skriptAus({{3, "Blut"}}))));
        desktop->driveModal([&](QDialog& d) {
            QCOMPARE(rowTexts(control<QAbstractItemView>("List1", &d)), {"SetFlag Blut"});
            befehlEinfuegen(&d, "DelFlag");
        });
        Spielwahl::dateiOeffnen(*editor, *desktop, *m, spiel->pfad("items/Dolch1.skp"));
        Skript geschrieben;
        QVERIFY(ItemSkript::lesen(spiel->inhalt("items/Dolch1.skp"), geschrieben).vollstaendig);
        QCOMPARE(geschrieben.MaxZeile, 1);
        // One from elsewhere would be saved as this game's: it is refused.
        QTemporaryDir anderswo;
        QVERIFY(QFile(anderswo.filePath("Dolch1.skp")).open(QIODevice::WriteOnly));
        desktop->answer(QMessageBox::Ok);
        Spielwahl::dateiOeffnen(*editor, *desktop, *m, anderswo.filePath("Dolch1.skp"));
        QVERIFY(letzteMeldung().startsWith("Das Gegenstandsskript " +
                                           anderswo.filePath("Dolch1.skp") +
                                           " liegt nicht im Ordner „items“ des Spielordners"));
    }

    void theRoomGivenIsReadWhileTheWindowIsMadeAfterAKilledRenameIsPutBack()
    {
        // Killed renaming haus.lsd to hof.lsd: the room under its new name is gone again
        // before it is read.
        UmbenennSpiel u;
        QVERIFY(u.unterbrochenUmbenennen());
        QVERIFY(QFile::exists(u.pfad("rooms/hof.lsd")));
        {
            Startvorlauf vorlauf(u.dir.path(), desktop->git(), u.pfad("rooms/hof.lsd"));
            QVERIFY(vorlauf.ergebnis().umbenennung.text.contains("zurückgenommen"));
            QVERIFY(!vorlauf.ergebnis().raum->bytes);
        }
        QImage bild(320, 240, QImage::Format_RGB32);
        bild.fill(Qt::darkGreen);
        QVERIFY(bild.save(u.pfad("graphics/keller.gif"), "BMP"));
        Startvorlauf vorlauf(u.dir.path(), desktop->git(), u.pfad("rooms/keller.lsd"));
        const Startvorlauf::Ergebnis& e = vorlauf.ergebnis();
        QCOMPARE(e.raum->bytes.value_or(""), u.inhalt("rooms/keller.lsd"));
        // The window shows it as "Laden" shows it, without decoding its picture again.
        Editor fenster(u.m, *desktop);
        fenster.show();
        QVERIFY(e.bild);
        fenster.bildVorgeben(*e.bild);
        QVERIFY(fenster.befehle().oeffnen(*e.raum));
        QCOMPARE(fenster.windowTitle(), "Editor - keller.lsd[*]");
        const auto* canvas = fenster.findChild<Picture1*>("Picture1");
        QCOMPARE(canvas->picture2().dekodierungen(), 0);
        Picture2 gelesen;
        QVERIFY(gelesen.laden(u.pfad("graphics/keller.gif")));
        QCOMPARE(canvas->bild(), gelesen.gestreckt());
        // Changed since it was decoded, the picture is decoded again.
        bild.fill(Qt::red);
        QVERIFY(bild.save(u.pfad("graphics/keller.gif"), "BMP"));
        QVERIFY(fenster.befehle().oeffnen(u.pfad("rooms/keller.lsd")));
        QCOMPARE(canvas->picture2().dekodierungen(), 1);
        QCOMPARE(canvas->bild().pixel(0, 0), qRgb(255, 0, 0));
    }

    void anotherGameStartsItsOwnEditorAfterTheRoomIsAskedFor()
    {
        TestSpiel anderes;
        editor->zuletztIn(ini());
        ZuletztGeoeffnet(ini(), {}).spielBenutzt(anderes.dir.path());
        auto* spiele = control<QMenu>("menueSpiele", editor.get());
        const auto angeboten = [&] {
            Q_EMIT spiele->aboutToShow();
            return spiele->actions().value(0)->text();
        };
        // This game is not offered, the other one by its folder's name.
        QCOMPARE(angeboten(), "&1 " + QFileInfo(anderes.dir.path()).fileName());

        // The changed room is asked for first; "Abbrechen" there changes nothing.
        click("Command3");
        desktop->answer(QMessageBox::Cancel, QMessageBox::Discard, anderes.dir.path());
        control<QAction>("aktionSpielordner", editor.get())->trigger();
        QVERIFY(desktop->dialogs.isEmpty() && editor->isVisible());
        // Let go, then the game chosen beside this one: a new editor starts on it, and this one
        // closes without asking again.
        control<QAction>("aktionSpielordner", editor.get())->trigger();
        QCOMPARE(desktop->dialogs, QStringList("Ordner | Spielordner öffnen |  | " +
                                               QFileInfo(spiel->dir.path()).path() + " | "));
        QCOMPARE(desktop->starts,
                 QVector<QStringList>({{QCoreApplication::applicationFilePath(), "--spiel",
                                        eindeutig(anderes.dir.path())}}));
        QVERIFY(!editor->isVisible());
        QCOMPARE(desktop->messages.size(), 2);

        // A game folder that went away leaves the list, and nothing starts.
        QVERIFY(anderes.dir.remove());
        desktop->answer(QMessageBox::Ok);
        angeboten();
        spiele->actions().value(0)->trigger();
        QVERIFY(desktop->messages.last().text.endsWith(
            " gibt es nicht. Er wird aus „Zuletzt geöffnete Spiele“ "
            "entfernt."));
        QCOMPARE(angeboten(), "Noch keine anderen Spiele");
        QCOMPARE(desktop->starts.size(), 1);
    }

    void newGamesFromTheMenuGoOnInAnEditorOfTheirOwn()
    {
        QTemporaryDir ort;
        const QString neu = eindeutig(ort.filePath("neu"));
        // The changed room is asked for first; a folder dialog cancelled changes nothing.
        click("Command3");
        desktop->answer(QMessageBox::Discard, QString());
        control<QAction>("aktionNeuesSpiel", editor.get())->trigger();
        QVERIFY(desktop->starts.isEmpty() && editor->isVisible());
        desktop->answer(QMessageBox::Discard, neu);
        control<QAction>("aktionNeuesSpiel", editor.get())->trigger();
        QCOMPARE(desktop->messages.size(), 2);
        QCOMPARE(desktop->dialogs.last(), "Ordner | Ordner für das neue Spiel |  | " +
                                              QFileInfo(spiel->dir.path()).path() + " | ");
        QCOMPARE(desktop->starts,
                 QVector<QStringList>({{QCoreApplication::applicationFilePath(), "--spiel", neu}}));
        QVERIFY(Spielordner::istSpielordner(neu) && !editor->isVisible());

        // The example: copied, and the new editor opens its house.
        beenden();
        starten();
        const QString kopie = eindeutig(ort.filePath("beispiel"));
        desktop->answer(kopie);
        control<QAction>("aktionBeispielspiel", editor.get())->trigger();
        QCOMPARE(desktop->starts,
                 QVector<QStringList>({{QCoreApplication::applicationFilePath(), "--spiel", kopie,
                                        "--", kopie + "/rooms/haus.lsd"}}));
        QVERIFY(!editor->isVisible());
        QCOMPARE(alles(kopie, false), QStringList({"cursors", "graphics", "items", "movies",
                                                   "musics", "rooms", "sounds"}));
    }

    void theBuiltEditorFindsItsGameFromWhatItIsGiven()
    {
        QTemporaryDir programm;
        const QString spielOrdner = eindeutig(spiel->dir.path());
        QVERIFY(spiel->raum("a.lsd", Module1()));
        const auto spiele = [&] { return ZuletztGeoeffnet(ini(), {}).spiele(); };
        // A room from the file manager: its game, and the room open in it; after its first
        // frame, what a killed save left beside it is set aside.
        QVERIFY(spiel->datei("rooms/a.lsd.AbCdEf", RoomFile::schreiben(Module1())));
        const auto raumOffen = [&] {
            return ZuletztGeoeffnet(ini(), spielOrdner).raeume() ==
                       QStringList(QDir::cleanPath(raeume("a.lsd"))) &&
                   !QFile::exists(raeume("a.lsd.AbCdEf"));
        };
        QCOMPARE(editorStarten({raeume("a.lsd")}, raumOffen, programm.path()), "läuft");
        QCOMPARE(spiele(), QStringList({spielOrdner}));

        // --spiel: that game; a folder that is none ends the start with the reason.
        TestSpiel anderes;
        const QString anderer = eindeutig(anderes.dir.path());
        const auto anderesOffen = [&] { return spiele().value(0) == anderer; };
        QCOMPARE(editorStarten({"--spiel", anderer}, anderesOffen, programm.path()), "läuft");
        const QString keins = editorStarten(
            {"--spiel", programm.path()}, [] { return false; }, programm.path());
        QVERIFY2(keins.startsWith("beendet 2: ") &&
                     keins.contains("tarnholm-editor: " + programm.path() +
                                    " ist kein Spielordner: Ihm fehlt der Unterordner „rooms“."),
                 qPrintable(keins));

        // Nothing given: the newest game used that is still there.
        QVERIFY(anderes.dir.remove());
        const auto ersterWieder = [&] { return spiele().value(0) == spielOrdner; };
        QCOMPARE(editorStarten({}, ersterWieder, programm.path()), "läuft");
    }
};

QTEST_MAIN(TestSpielwahl)
#include "tst_spielwahl.moc"
