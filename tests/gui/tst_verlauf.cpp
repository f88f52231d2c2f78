#include "EditorImTest.h"

#include <random>

// Every edit of the room can be undone and redone, one step per thing the author did, and
// the change mark follows; the main window's keys do what their menu entries do.
class TestVerlauf : public QObject, EditorImTest
{
    Q_OBJECT

private:
    void rueckgaengig() { taste(Qt::CTRL | Qt::Key_Z); }
    // What the window shows agrees with the room: list, panel, canvas.
    void zeigtDenRaum()
    {
        QStringList namen;
        for (int i = 0; i <= m->HotSpotMax; ++i)
            namen << m->HotSpots[i].Name;
        QCOMPARE(rowTexts(list()), namen);
        const int s = list()->currentRow();
        QCOMPARE(control("Frame1")->isVisible(), s >= 0);
        if (s >= 0) {
            QCOMPARE(control<QLineEdit>("Text1")->text(), m->HotSpots[s].Name);
            QCOMPARE(control<QCheckBox>("Check2")->isChecked(), m->HotSpots[s].Aktiv);
        }
        canvasWieNeuAufgebaut();
    }

private Q_SLOTS:
    void init() { starten(); }
    void cleanup() { beenden(); }

    void randomEditsUndoToTheLoadedRoomAndRedoToTheEditedOne()
    {
        std::mt19937 zufall(3127);
        const auto wuerfel = [&](int n) { return int(zufall() % quint32(n)); };
        const auto irgendwo = [&] { return QPoint(wuerfel(640), wuerfel(480)); };
        Skript zurueck;
        for (int runde = 0; runde < 12; ++runde) {
            beenden();
            starten();
            editor->skriptEditorZeigen = [&](auto&&...) { m->AktSkript = zurueck; };
            beispielLaden();
            const QByteArray anfang = RoomFile::schreiben(*m);
            QByteArray gespeichert = anfang;
            for (int schritt = 0; schritt < 30; ++schritt) {
                const int n = list()->count();
                if (n > 0 && wuerfel(3))
                    clickRow(list(), wuerfel(n));
                switch (wuerfel(12)) {
                case 0:
                case 1: {
                    const QPoint von = irgendwo(), bis = irgendwo();
                    drag(wuerfel(2) ? Qt::LeftButton : Qt::RightButton,
                         {von, (von + bis) / 2, bis});
                    break;
                }
                case 2:
                    click("Command3");
                    break;
                case 3:
                    if (n > 0)
                        taste(Qt::Key_Delete, list());
                    break;
                case 4: {
                    QLineEdit* box = control<QLineEdit>(wuerfel(2) ? "Text1" : "Text2");
                    if (!box->isVisible())
                        break;
                    QTest::mouseClick(box, Qt::LeftButton);
                    type(box, QString("xyz").left(1 + wuerfel(3)));
                    if (wuerfel(2))
                        QTest::keyClick(box, Qt::Key_Backspace);
                    break;
                }
                case 5:
                    if (control("Frame1")->isVisible())
                        QTest::mouseClick(control(wuerfel(2) ? "Check2" : "Check1_1"),
                                          Qt::LeftButton, {}, {6, 6});
                    break;
                case 6:
                    zurueck = skriptAus({{wuerfel(33), QString::number(wuerfel(3))}});
                    click(wuerfel(2) ? "Command2" : "Command13");
                    break;
                case 7:
                    clickWith("Command7", m->GraphicsPfad + (wuerfel(2) ? "a.bmp" : "b.bmp"));
                    break;
                case 8:
                    rueckgaengig();
                    break;
                case 9:
                    taste(wuerfel(2) ? (Qt::CTRL | Qt::Key_Y) : (Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
                    break;
                case 10: {
                    // Straight into the room's file; another picture than the file's is asked
                    // about first.
                    const bool anderesBild = !RoomFile::gleichesBild(
                        RoomFile::hintergrundLesen(spiel->inhalt("rooms/r.lsd")).value_or(""),
                        m->Hintergrund());
                    if (anderesBild)
                        desktop->answer(QMessageBox::Yes);
                    taste(Qt::CTRL | Qt::Key_S);
                    gespeichert = spiel->inhalt("rooms/r.lsd");
                    break;
                }
                default:
                    if (control("Frame1")->isVisible()) {
                        zurueck = skriptAus({{2, QString::number(schritt)}});
                        click(QString("Command1_%1").arg(wuerfel(3)));
                    }
                }
                QVERIFY2(desktop->answers.empty(), qPrintable(desktop->unexpected.join(';')));
                QCOMPARE(geaendert(), RoomFile::schreiben(*m) != gespeichert);
            }
            const QByteArray ende = RoomFile::schreiben(*m);
            QUndoStack& verlauf = editor->verlauf().stack();
            const int endeIndex = verlauf.index(); // steps undone at the end stay undone
            // All the way back and forth, the window showing each step it takes.
            for (const bool zurueckGehen : {true, false}) {
                while (zurueckGehen ? verlauf.canUndo() : verlauf.index() < endeIndex) {

                    if (zurueckGehen)
                        rueckgaengig();
                    else
                        taste(Qt::CTRL | Qt::Key_Y);
                    QCOMPARE(geaendert(), RoomFile::schreiben(*m) != gespeichert);
                    zeigtDenRaum();
                }
                QCOMPARE(RoomFile::schreiben(*m), zurueckGehen ? anfang : ende);
            }
        }
    }

    void undoBringsBackWhatItTookAndShowsIt()
    {
        beispielLaden();
        const Module1 geladen = *m;
        // A deleted hotspot comes back at its place, whole, and selected.
        clickRow(list(), 1);
        taste(Qt::Key_Delete, list());
        QCOMPARE(rowTexts(list()), QStringList({"Ding 0", "Ding 2"}));
        rueckgaengig();
        QVERIFY(m->HotSpots[1] == geladen.HotSpots[1]);
        QCOMPARE(list()->currentRow(), 1);
        zeigtDenRaum();
        QCOMPARE(titel(), QString("Editor - r.lsd"));
        // Redone: gone again, the entry that took its place selected.
        taste(Qt::CTRL | Qt::Key_Y);
        QCOMPARE(list()->currentRow(), 1);
        QCOMPARE(control<QLineEdit>("Text1")->text(), QString("Ding 2"));
        rueckgaengig();

        // The typing of one visit to a box is one step, the next visit another; Ctrl+Z in
        // the box takes back the room's step.
        auto* name = control<QLineEdit>("Text1");
        QTest::mouseClick(name, Qt::LeftButton);
        type(name, "ab");
        clickRow(list(), 0);
        QTest::mouseClick(name, Qt::LeftButton);
        type(name, "cd");
        QCOMPARE(m->HotSpots[0].Name, QString("Ding 0cd"));
        taste(Qt::CTRL | Qt::Key_Z, name);
        QCOMPARE(m->HotSpots[0].Name, QString("Ding 0"));
        QCOMPARE(m->HotSpots[1].Name, QString("Ding 1ab"));
        rueckgaengig();
        QCOMPARE(m->HotSpots[1].Name, QString("Ding 1"));
        QCOMPARE(list()->currentRow(), 1);
        QCOMPARE(name->text(), QString("Ding 1"));
        QVERIFY(!geaendert());

        // "Laden" and "Neu" begin a fresh history.
        click("Command3");
        clickWith("Command4", QMessageBox::Discard, raeume("r.lsd"));
        QVERIFY(!editor->verlauf().stack().canUndo());
        click("Command3");
        clickWith("Command6", QMessageBox::Discard);
        QVERIFY(!editor->verlauf().stack().canUndo() && !geaendert());
    }

    void theMainKeysDoWhatTheirButtonsDo()
    {
        beispielLaden();
        clickRow(list(), 0);
        // Delete in the list deletes the hotspot; in the name box it deletes a character.
        auto* name = control<QLineEdit>("Text1");
        QTest::mouseClick(name, Qt::LeftButton);
        taste(Qt::Key_Delete, name);
        QCOMPARE(m->HotSpotMax, 2);
        taste(Qt::Key_Delete, list());
        QCOMPARE(m->HotSpotMax, 1);

        desktop->answer(QMessageBox::Cancel);
        taste(Qt::CTRL | Qt::Key_O); // the question first, as "Laden" asks it
        desktop->answer(QMessageBox::Cancel);
        taste(Qt::CTRL | Qt::Key_N);
        QCOMPARE(desktop->messages.size(), 2);
        // Saved, only the question whether to start anew is left.
        taste(Qt::CTRL | Qt::Key_S);
        desktop->answer(QMessageBox::Yes);
        taste(Qt::CTRL | Qt::Key_N);
        QCOMPARE(m->HotSpotMax, -1);
    }
};

QTEST_MAIN(TestVerlauf)
#include "tst_verlauf.moc"
