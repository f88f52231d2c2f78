#include "EditorImTest.h"
#include "FileSizeLimit.h"
#include "ScriptedDesktop.h"
#include "mainwindow/Editor.h"
#include "model/Module1.h"
#include "platform/Look.h"
#include "roomfile/RoomFile.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#ifdef Q_OS_UNIX
#endif

using Kind = ScriptedDesktop::Request::Kind;

class TestEditor : public QObject, EditorImTest
{
    Q_OBJECT

private:
    QString raeume(const QString& name) const { return m->AppPfad + "rooms/" + name; }
    template <typename T> T* control(const QString& name) const
    {
        T* c = editor->findChild<T*>(name);
        if (!c)
            qFatal("no control %s", qPrintable(name));
        return c;
    }
    void click(const QString& button)
    {
        QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
    }
    // Types text as keystrokes; QTest's own keyClicks takes only ASCII.
    static void type(QWidget* w, const QString& text)
    {
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    void check(const QString& box)
    {
        auto* c = control<QCheckBox>(box);
        QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(6, c->height() / 2));
    }
    QListWidget* list() const { return control<QListWidget>("List1"); }
    QWidget* panel() const { return control<QWidget>("Frame1"); }
    void select(int row)
    {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                          list()->visualItemRect(list()->item(row)).center());
    }
    QStringList listNames() const
    {
        QStringList names;
        for (int i = 0; i < list()->count(); ++i)
            names << list()->item(i)->text();
        return names;
    }
    static QByteArray bytesOf(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void writeFile(const QString& path, const QByteArray& bytes)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    void save(const QString& path)
    {
        desktop->answerFile(path);
        desktop->answerMessage(QMessageBox::Ok);
        click("Command5");
    }
    void load(const QString& path)
    {
        desktop->answerFile(path);
        click("Command4");
    }
    // A room with three hotspots, scripts and a cursor, as an author would make it.
    QByteArray sampleRoom()
    {
        Module1 r;
        r.setHintergrund("wald.jpg");
        r.StartSkript.zeilenAnlegen(2);
        r.StartSkript.Befehl = {1, 2};
        r.StartSkript.Parameter = {"vogel.wav", " Ein Brief, vergilbt: „Grüße“ "};
        for (int i = 0; i < 3; ++i) {
            r.neuerHotSpot(i);
            r.HotSpots[i].Name = QString("Tür %1, alt").arg(i);
            r.HotSpots[i].Cursor = "hand.cur";
            r.HotSpots[i].Feld[i][i + 1] = true;
        }
        r.HotSpots[1].Aktion = {false, true, true};
        r.HotSpots[2].Aktiv = false;
        return RoomFile::schreiben(r);
    }

private Q_SLOTS:
    void initTestCase() { applyEditorLook(); }
    void init() { starten({"rooms", "cursors"}); }
    void cleanup() { beenden(); }

    void startsEmptyWithTheLaidOutControls()
    {
        QCOMPARE(editor->windowTitle(), QString("Editor"));
        QCOMPARE(editor->size(), QSize(748, 484));
        QCOMPARE(editor->minimumSize(), editor->maximumSize());
        QCOMPARE(m->HotSpotMax, -1);
        QCOMPARE(m->Hintergrund(), QString(100, ' '));
        QVERIFY(panel()->isHidden());
        QCOMPARE(list()->count(), 0);
        const struct
        {
            const char* name;
            const char* text;
            QRect geometry;
        } knoepfe[] = {
            {"Command9", "Gegenstände", {640, 296, 105, 17}},
            {"Command2", "Startskript", {640, 320, 105, 17}},
            {"Command13", "Timerskript", {640, 336, 105, 17}},
            {"Command3", "Neuer HotSpot", {640, 352, 105, 17}},
            {"Command10", "HotSpot löschen", {640, 368, 105, 17}},
            {"Command7", "Bild Laden", {640, 384, 105, 17}},
            {"Command6", "Neu", {640, 408, 105, 17}},
            {"Command4", "Laden", {640, 424, 105, 17}},
            {"Command5", "Speichern", {640, 440, 105, 17}},
            {"Command11", "Explorer", {640, 464, 57, 17}},
            {"Command12", "Testen", {696, 464, 49, 17}},
            {"Command1_2", "...", {80, 56, 25, 17}},
            {"Command8", "...", {80, 80, 25, 17}},
        };
        for (const auto& k : knoepfe) {
            auto* b = control<QPushButton>(k.name);
            QCOMPARE(b->text(), QString(k.text));
            QCOMPARE(b->geometry(), k.geometry);
            // The caption fits its button.
            QVERIFY2(b->fontMetrics().horizontalAdvance(b->text()) <= b->width() - 4, k.name);
        }
        QCOMPARE(control<QWidget>("Picture1")->geometry(), QRect(0, 0, 640, 480));
        QCOMPARE(list()->geometry(), QRect(640, 0, 105, 173));
        QCOMPARE(panel()->geometry(), QRect(640, 176, 113, 121));
        QCOMPARE(control<QCheckBox>("Check1_1")->text(), QString("Tue"));
        for (auto* c : editor->findChildren<QCheckBox*>())
            QVERIFY2(c->sizeHint().width() <= c->width(), qPrintable(c->text()));
        QCOMPARE(control<QCheckBox>("Check2")->geometry(), QRect(0, 104, 105, 13));
    }

    void hotSpotsAreAddedSelectedEditedAndDeleted()
    {
        click("Command10"); // nothing selected: nothing happens
        for (int i = 0; i < 3; ++i)
            click("Command3");
        QCOMPARE(listNames(), QStringList({"Noname0", "Noname1", "Noname2"}));
        QCOMPARE(list()->currentRow(), -1);
        QVERIFY(panel()->isHidden());

        m->HotSpots[1].Cursor = "auge.cur";
        select(1);
        QVERIFY(panel()->isVisible());
        QCOMPARE(control<QLineEdit>("Text1")->text(), QString("Noname1"));
        QCOMPARE(control<QLineEdit>("Text2")->text(), QString("auge.cur"));
        QVERIFY(control<QCheckBox>("Check1_0")->isChecked());
        QVERIFY(!control<QCheckBox>("Check1_2")->isChecked());
        QVERIFY(control<QCheckBox>("Check2")->isChecked());

        // The list follows every keystroke; what a room file cannot hold is refused.
        auto* name = control<QLineEdit>("Text1");
        name->selectAll();
        type(name, "Tür");
        QCOMPARE(list()->item(1)->text(), QString("Tür"));
        type(name, "\" x");
        QCOMPARE(m->HotSpots[1].Name, QString("Tür x"));
        QCOMPARE(list()->item(1)->text(), QString("Tür x"));

        check("Check1_2");
        check("Check2");
        QCOMPARE(m->HotSpots[1].Aktion, (std::array<bool, 3>{true, false, true}));
        QVERIFY(!m->HotSpots[1].Aktiv);

        // Deleting the last of three selects the new last one ...
        select(2);
        click("Command10");
        QCOMPARE(listNames(), QStringList({"Noname0", "Tür x"}));
        QCOMPARE(list()->currentRow(), 1);
        QCOMPARE(name->text(), QString("Tür x"));
        // ... the first selects the former second, with its values.
        select(0);
        click("Command10");
        QCOMPARE(m->HotSpotMax, 0);
        QCOMPARE(list()->currentRow(), 0);
        QCOMPARE(name->text(), QString("Tür x"));
        QVERIFY(!control<QCheckBox>("Check2")->isChecked());
        // Names count the list: they may repeat.
        click("Command3");
        QCOMPARE(listNames(), QStringList({"Tür x", "Noname1"}));
        // A row made current without being selected (the keyboard focus arriving) is
        // selected: the panel never edits a hotspot the list does not show selected.
        list()->setCurrentRow(1, QItemSelectionModel::NoUpdate);
        QVERIFY(list()->item(1)->isSelected());
        click("Command10");
        click("Command10");
        QCOMPARE(m->HotSpotMax, -1);
        QVERIFY(panel()->isHidden());
    }

    void checkerOpensOnTheFreeBackgroundOnly()
    {
        int geoeffnet = 0;
        editor->toolZeigen = [&] { ++geoeffnet; };
        click("Command3");
        select(0);
        // Between the panel's name and its first check box; between "Bild Laden" and "Neu".
        const QPoint imPanel = panel()->mapTo(editor.get(), QPoint(50, 21));
        const QPoint frei(690, 404);
        QCOMPARE(editor->childAt(imPanel), panel());
        QVERIFY(!editor->childAt(frei));
        QTest::mouseDClick(editor->windowHandle(), Qt::LeftButton, {}, imPanel);
        QCOMPARE(geoeffnet, 0);
        QTest::mouseDClick(editor->windowHandle(), Qt::LeftButton, {}, frei);
        QCOMPARE(geoeffnet, 1);
    }

    void newRoomAsksFirst()
    {
        click("Command3");
        m->setHintergrund("bild.bmp");
        desktop->answerMessage(QMessageBox::No);
        click("Command6");
        const auto& frage = desktop->requests.last();
        QCOMPARE(frage.text, QString("Wollen Sie wirklich ein neuen Raum erschaffen?"));
        QCOMPARE(frage.title, QString("Super!!!"));
        QCOMPARE(frage.icon, QMessageBox::Question);
        QCOMPARE(frage.buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(m->HotSpotMax, 0);

        writeFile(raeume("a.lsd"), sampleRoom());
        load(raeume("a.lsd"));
        select(0);
        desktop->answerMessage(QMessageBox::Yes);
        click("Command6");
        QCOMPARE(m->HotSpotMax, -1);
        QCOMPARE(m->StartSkript.MaxZeile, -1);
        QCOMPARE(m->Hintergrund(), QString(100, ' '));
        QCOMPARE(list()->count(), 0);
        QVERIFY(panel()->isHidden());
        QCOMPARE(editor->windowTitle(), QString("Editor"));
        QCOMPARE(editor->raumDatei(), QString());
    }

    void savesAndLoadsRooms()
    {
        save(raeume("leer.lsd"));
        const auto& dialog = desktop->requests[0];
        QCOMPARE(dialog.kind, Kind::Save);
        QCOMPARE(dialog.title, QString("Datei speichern"));
        QCOMPARE(dialog.filter, QString("HotSpot-Dateien|*.lsd"));
        QCOMPARE(dialog.folder, m->AppPfad + "rooms");
        const auto& fertig = desktop->requests[1];
        QCOMPARE(fertig.text, QDir::toNativeSeparators(raeume("leer.lsd")) + " gespeichert!");
        QCOMPARE(fertig.title, QString("Tarnholm - Editor"));
        QCOMPARE(fertig.icon, QMessageBox::Information);
        QCOMPARE(bytesOf(raeume("leer.lsd")),
                 "\"" + QByteArray(100, ' ') + "\"\r\n-1\r\n-1\r\n-1\r\n");
        QCOMPARE(editor->windowTitle(), QString("Editor - leer.lsd"));

        // A loaded room saved under a new name is its source, byte for byte.
        writeFile(raeume("wald.lsd"), sampleRoom());
        load(raeume("wald.lsd"));
        QCOMPARE(desktop->requests.last().title, QString("Datei laden"));
        QCOMPARE(desktop->requests.last().preset, raeume("leer.lsd"));
        QCOMPARE(listNames(), QStringList({"Tür 0, alt", "Tür 1, alt", "Tür 2, alt"}));
        QCOMPARE(list()->currentRow(), -1);
        QVERIFY(panel()->isHidden());
        QCOMPARE(editor->windowTitle(), QString("Editor - wald.lsd"));
        save(raeume("kopie.lsd"));
        QCOMPARE(bytesOf(raeume("kopie.lsd")), bytesOf(raeume("wald.lsd")));
    }

    void demoRoomsSaveBackUnchanged()
    {
        const QDir demo(QStringLiteral(TARNHOLM_DEMO_DIR "/rooms"));
        const QStringList raumDateien = demo.entryList({"*.lsd"}, QDir::Files);
        QVERIFY(raumDateien.size() >= 3);
        for (const QString& name : raumDateien) {
            desktop->answerMessage(QMessageBox::Yes); // "Neu"
            click("Command6");
            load(demo.filePath(name));
            QVERIFY(m->HotSpotMax >= 0);
            save(raeume(name));
            QCOMPARE(bytesOf(raeume(name)), bytesOf(demo.filePath(name)));
        }
    }

    void asksBeforeReplacingAnotherPicture()
    {
        writeFile(raeume("wald.lsd"), sampleRoom());
        const QByteArray vorher = bytesOf(raeume("wald.lsd"));
        m->setHintergrund("haus.bmp");
        desktop->answerFile(raeume("wald.lsd"));
        desktop->answerMessage(QMessageBox::No);
        click("Command5");
        const auto& frage = desktop->requests.last();
        QCOMPARE(
            frage.text,
            QString("Die Ausgangsdatei besitzt ein anderes Hintergrundbild. Trotzdem speichern?"));
        QCOMPARE(frage.buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(frage.defaultButton, QMessageBox::No);
        QCOMPARE(frage.icon, QMessageBox::NoIcon);
        QCOMPARE(bytesOf(raeume("wald.lsd")), vorher);
        QCOMPARE(editor->windowTitle(), QString("Editor"));

        // The same picture in another folder and case is no other picture.
        m->setHintergrund("C:\\Spiel\\graphics\\WALD.JPG");
        save(raeume("wald.lsd"));
        QCOMPARE(desktop->requests.last().text.endsWith(" gespeichert!"), true);
    }

    void brokenRoomIsReportedAndKeepsTheEditorGoing()
    {
        // Cut inside the last hotspot's grid: the timer script and ten cells are missing.
        QByteArray kaputt = sampleRoom();
        kaputt.chop(4 + 10 * 3);
        writeFile(raeume("kaputt.lsd"), kaputt);
        desktop->answerFile(raeume("kaputt.lsd"));
        desktop->answerMessage(QMessageBox::Ok);
        click("Command4");
        const auto& meldung = desktop->requests.last();
        QVERIFY(meldung.text.contains(QDir::toNativeSeparators(raeume("kaputt.lsd"))));
        QVERIFY2(meldung.text.contains(QString("Zeile %1 ").arg(kaputt.count("\r\n") + 1)),
                 qPrintable(meldung.text));
        QCOMPARE(editor->windowTitle(), QString("Editor"));
        // What was read before the fault stays, and the list agrees with the room.
        QCOMPARE(listNames(), QStringList({"Tür 0, alt", "Tür 1, alt"}));
        QCOMPARE(m->HotSpotMax, 1);
        QCOMPARE(m->StartSkript.MaxZeile, 1);
        select(1);
        QVERIFY(panel()->isVisible());

        // A count the file cannot hold is read like any other: the file's end stops reading,
        // and the room has the hotspots the file holds, none here.
        writeFile(raeume("riesig.lsd"), "\"" + QByteArray(100, ' ') + "\"\r\n-1\r\n999999999\r\n");
        desktop->answerFile(raeume("riesig.lsd"));
        desktop->answerMessage(QMessageBox::Ok);
        click("Command4");
        QVERIFY(desktop->requests.last().text.contains("Zeile 4 "));
        QCOMPARE(m->HotSpotMax, -1);
        QCOMPARE(list()->count(), 0);
    }

    void failedSaveKeepsTheOldFile()
    {
#ifdef Q_OS_UNIX
        writeFile(raeume("alt.lsd"), sampleRoom());
        const QByteArray vorher = bytesOf(raeume("alt.lsd"));
        m->setHintergrund("wald.jpg");
        for (int i = 0; i < 40; ++i)
            click("Command3");
        {
            const FileSizeLimit knapp(50000);
            QVERIFY(knapp.active());
            desktop->answerFile(raeume("alt.lsd"));
            desktop->answerMessage(QMessageBox::Ok);
            click("Command5");
        }
        const auto& meldung = desktop->requests.last();
        QVERIFY(meldung.text.contains("konnte nicht gespeichert werden"));
        QCOMPARE(meldung.icon, QMessageBox::Warning);
        QCOMPARE(bytesOf(raeume("alt.lsd")), vorher);
        QCOMPARE(QDir(m->AppPfad + "rooms").entryList(QDir::Files), QStringList({"alt.lsd"}));
        QCOMPARE(editor->windowTitle(), QString("Editor"));
#else
        QSKIP("needs a file size limit");
#endif
    }

    void testStartsTheGameAndKeepsTheRoomFile()
    {
        writeFile(raeume("a.lsd"), sampleRoom());
        writeFile(raeume("b.lsd"), sampleRoom());
        load(raeume("a.lsd"));
        desktop->answerFile(raeume("b.lsd"));
        click("Command12");
        QCOMPARE(desktop->requests.last().title, QString("Datei laden"));
        QCOMPARE(desktop->starts.size(), 1);
        // No wine here for a file that is not even a program: the game itself is started.
        QCOMPARE(desktop->starts[0].program, m->AppPfad + "Tarnholm.exe");
        QCOMPARE(desktop->starts[0].arguments, QStringList({raeume("b.lsd")}));
        desktop->answerFile(QString());
        click("Command12");
        QCOMPARE(desktop->starts.size(), 1);
        // "Speichern" still offers the loaded room.
        desktop->answerFile(QString());
        click("Command5");
        QCOMPARE(desktop->requests.last().preset, raeume("a.lsd"));

        click("Command11");
        QCOMPARE(desktop->openedFolders, QStringList({QDir::cleanPath(ordner->path())}));
    }

    void scriptsAreHandedOverAndBack()
    {
        Skript gesehen;
        editor->skriptEditorZeigen = [&] {
            gesehen = m->AktSkript;
            m->AktSkript.zeilenAnlegen(1);
            m->AktSkript.Befehl[0] = 4;
            m->AktSkript.Parameter[0] = "haus.lsd";
        };
        click("Command2");
        QCOMPARE(gesehen.MaxZeile, -1);
        QCOMPARE(m->StartSkript.Parameter[0], QString("haus.lsd"));
        QCOMPARE(m->TimerSkript.MaxZeile, -1);
        click("Command13");
        QCOMPARE(m->TimerSkript.Befehl[0], 4);

        click("Command3");
        click("Command3");
        select(1);
        click("Command1_2");
        QCOMPARE(gesehen.MaxZeile, 0);
        QCOMPARE(gesehen.Befehl[0], 16); // the new hotspot's "Error" line
        QCOMPARE(m->HotSpots[1].Skripte[2].Parameter[0], QString("haus.lsd"));
        QCOMPARE(m->HotSpots[0].Skripte[2].Befehl[0], 16);
    }

    void cursorKeepsThePathAndStoresTheName()
    {
        click("Command3");
        select(0);
        const QString gewaehlt = m->CursorsPfad + "sub/hand.cur";
        desktop->answerFile(gewaehlt);
        click("Command8");
        const auto& dialog = desktop->requests.last();
        QCOMPARE(dialog.title, QString("Icon laden"));
        QCOMPARE(dialog.filter, QString("Icon-Dateien|*.ico;*.cur;*.ani"));
        QCOMPARE(dialog.folder, m->CursorsPfad);
        QCOMPARE(control<QLineEdit>("Text2")->text(), gewaehlt);
        QCOMPARE(m->HotSpots[0].Cursor, gewaehlt);
        save(raeume("c.lsd"));
        QVERIFY(bytesOf(raeume("c.lsd")).contains("\r\n\"hand.cur\"\r\n#TRUE#\r\n\"Noname0\"\r\n"));

        // A name the room file cannot hold is refused with a message.
        desktop->answerFile(m->CursorsPfad + "hand\u2603.cur");
        desktop->answerMessage(QMessageBox::Ok);
        click("Command8");
        QVERIFY(desktop->requests.last().text.contains("hand\u2603.cur"));
        QCOMPARE(m->HotSpots[0].Cursor, gewaehlt);
    }
};

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
