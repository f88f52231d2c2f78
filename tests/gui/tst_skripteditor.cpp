#include "ScriptedDesktop.h"
#include "SkriptAus.h"
#include "mainwindow/Editor.h"
#include "model/Module1.h"
#include "pickers/Farben.h"
#include "platform/Look.h"
#include "roomfile/RoomFile.h"
#include "script/Befehlstabelle.h"
#include "script/SkriptEditor.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>

using Kind = ScriptedDesktop::Request::Kind;

class TestSkriptEditor : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> ordner;
    std::unique_ptr<Module1> m;
    std::unique_ptr<ScriptedDesktop> desktop;
    std::unique_ptr<SkriptEditor> se;

    template <typename T = QWidget> T* control(const QString& name, QWidget* in = nullptr) const
    {
        T* c = (in ? in : se.get())->findChild<T*>(name);
        if (!c)
            qFatal("no control %s", qPrintable(name));
        return c;
    }
    QListView* list1() const { return control<QListView>("List1"); }
    QListWidget* list2() const { return control<QListWidget>("List2"); }
    QLineEdit* box(int code) const { return control<QLineEdit>(QString("Text1_%1").arg(code)); }
    void click(const QString& button, QWidget* in = nullptr)
    {
        QTest::mouseClick(control<QPushButton>(button, in), Qt::LeftButton);
    }
    static void type(QWidget* w, const QString& text)
    {
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    QStringList rows() const
    {
        QStringList texte;
        for (int i = 0; i < list1()->model()->rowCount(); ++i)
            texte << list1()->model()->index(i, 0).data().toString();
        return texte;
    }
    int selected() const
    {
        const QModelIndexList s = list1()->selectionModel()->selectedIndexes();
        return s.isEmpty() ? -1 : s.first().row();
    }
    void select(int row)
    {
        const QModelIndex i = list1()->model()->index(row, 0);
        list1()->scrollTo(i);
        QTest::mouseClick(list1()->viewport(), Qt::LeftButton, {}, list1()->visualRect(i).center());
    }
    void insert(const QString& keyword)
    {
        QListWidgetItem* item = list2()->findItems(keyword, Qt::MatchExactly).value(0);
        QVERIFY(item);
        list2()->scrollToItem(item);
        // A double click is a click followed by the double click.
        const QPoint mitte = list2()->visualItemRect(item).center();
        QTest::mouseClick(list2()->viewport(), Qt::LeftButton, {}, mitte);
        QTest::mouseDClick(list2()->viewport(), Qt::LeftButton, {}, mitte);
    }
    /// The one panel shown, -1 for none.
    int panel() const
    {
        int gezeigt = -1;
        for (int c = 0; c < Befehlstabelle::Anzahl; ++c) {
            if (!control(QString("Befehl_%1").arg(c))->isHidden()) {
                if (gezeigt >= 0)
                    return -2;
                gezeigt = c;
            }
        }
        return gezeigt;
    }
    /// Opens the script editor on `s` and works in it as the author would.
    void edit(const Skript& s, const std::function<void()>& schritte)
    {
        m->AktSkript = s;
        desktop->driveModal([&](QDialog& d) {
            QCOMPARE(&d, se.get());
            schritte();
        });
        se->zeigen();
    }
    void writeBild(const QString& name, QSize groesse)
    {
        QImage bild(groesse, QImage::Format_RGB32);
        bild.fill(Qt::darkBlue);
        QVERIFY(bild.save(m->GraphicsPfad + name, "BMP"));
    }
    /// Picks corners in the zoom window with the given buttons, and checks the outline.
    void pickZoom(const QString& knopf, const QVector<QPair<Qt::MouseButton, QPoint>>& klicks)
    {
        desktop->driveModal([&](QDialog& zoom) {
            QCOMPARE(zoom.windowTitle(), QString("Zoom"));
            QCOMPARE(zoom.size(), QSize(50, 40));
            auto* bild = control("Picture1", &zoom);
            QMouseEvent bewegung(QEvent::MouseMove, QPointF(12, 30),
                                 bild->mapToGlobal(QPointF(12, 30)), Qt::NoButton, Qt::NoButton,
                                 Qt::NoModifier);
            QApplication::sendEvent(bild, &bewegung);
            QCOMPARE(zoom.windowTitle(), QString("Zoom - 12,30"));
            for (const auto& [taste, punkt] : klicks)
                QTest::mouseClick(bild, taste, {}, punkt);
            const QImage gezeigt = bild->grab().toImage();
            const QRect r =
                QRect(QPoint(m->ZoomX1, m->ZoomY1), QPoint(m->ZoomX2, m->ZoomY2)).normalized();
            int gelb = 0;
            for (int y = 0; y < gezeigt.height(); ++y)
                for (int x = 0; x < gezeigt.width(); ++x)
                    gelb += gezeigt.pixel(x, y) == qRgb(255, 255, 0);
            if (!klicks.isEmpty()) {
                QCOMPARE(gezeigt.pixel(r.topLeft()), qRgb(255, 255, 0));
                QCOMPARE(gezeigt.pixel(r.bottomRight()), qRgb(255, 255, 0));
                QCOMPARE(gelb, 2 * r.width() + 2 * r.height() - 4); // one outline only
            } else {
                QCOMPARE(gelb, 0);
            }
        });
        click(knopf);
    }

private Q_SLOTS:
    void initTestCase() { applyEditorLook(); }
    void init()
    {
        ordner = std::make_unique<QTemporaryDir>();
        for (const char* sub : {"rooms", "graphics", "sounds"})
            QDir(ordner->path()).mkpath(sub);
        m = std::make_unique<Module1>();
        m->setzeOrdner(ordner->path());
        desktop = std::make_unique<ScriptedDesktop>();
        se = std::make_unique<SkriptEditor>(*m, *desktop);
    }
    void cleanup()
    {
        se.reset();
        QVERIFY2(desktop->unexpected.isEmpty(), qPrintable(desktop->unexpected.join("; ")));
        QCOMPARE(desktop->pendingAnswers(), 0);
    }

    void windowLayoutAndCaptions()
    {
        edit(Skript(), [&] {
            QCOMPARE(se->windowTitle(), QString("SkriptEditor"));
            QCOMPARE(se->size(), QSize(508, 340));
            QCOMPARE(se->minimumSize(), se->maximumSize());
            QVERIFY(!(se->windowFlags() &
                      (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
            QCOMPARE(list1()->geometry(), QRect(0, 0, 417, 290));
            QCOMPARE(list2()->geometry(), QRect(424, 0, 81, 212));
            QCOMPARE(rows(), QStringList());
            QCOMPARE(panel(), -1);
            QCOMPARE(list2()->count(), 33);
            QCOMPARE(list2()->item(17)->text(), QString("Spezialblende"));
            QVERIFY(list2()->selectedItems().isEmpty());
            const QVector<QPair<QString, QRect>> knoepfe{{"Hoch", {424, 216, 81, 17}},
                                                         {"Runter", {424, 232, 81, 17}},
                                                         {"Löschen", {424, 248, 81, 17}}};
            for (int i = 0; i < 3; ++i) {
                auto* b = control<QPushButton>(QString("Command%1").arg(i + 1));
                QCOMPARE(b->text(), knoepfe[i].first);
                QCOMPARE(b->geometry(), knoepfe[i].second);
            }
            for (auto* b : se->findChildren<QPushButton*>())
                QVERIFY2(b->fontMetrics().horizontalAdvance(b->text()) <= b->width() - 4,
                         qPrintable(b->objectName()));
            for (int c = 0; c < Befehlstabelle::Anzahl; ++c) {
                const Befehlstabelle::Befehl& b = Befehlstabelle::befehl(c);
                auto* p = control<QGroupBox>(QString("Befehl_%1").arg(c));
                QCOMPARE(p->title(), b.hilfe);
                QCOMPARE(p->geometry(), QRect(0, 296, 505, 41));
                QVERIFY2(p->fontMetrics().horizontalAdvance(p->title()) <= p->width() - 16,
                         qPrintable(p->title()));
                QCOMPARE(box(c)->isHidden(), !b.box);
                QCOMPARE(box(c)->maxLength(), std::numeric_limits<int>::max());
                QCOMPARE(box(c)->y(), 16);
                QCOMPARE(box(c)->height(), 19);
                for (auto* l : p->findChildren<QLabel*>()) {
                    QVERIFY(l->fontMetrics().horizontalAdvance(l->text()) <= l->width());
                    QVERIFY(b.box ? l->geometry().right() < box(c)->x() ||
                                        l->x() > box(c)->geometry().right()
                                  : true);
                }
                if (!b.knopfName.isEmpty()) {
                    auto* k = control<QPushButton>(b.knopfName, p);
                    QCOMPARE(k->geometry(),
                             b.schmal ? QRect(480, 16, 17, 17) : QRect(472, 16, 25, 17));
                    QVERIFY(box(c)->geometry().right() < k->x());
                }
            }
            QCOMPARE(control<QLabel>("Label2_0")->text(), QString("Then"));
            QCOMPARE(control<QLabel>("Label2_0")->x(), 464);
            // Tab order: List1, "Hoch", "Runter", List2, "Löschen".
            QStringList reihe;
            QWidget* w = list1();
            do {
                if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(se.get()))
                    reihe << w->objectName();
                w = w->nextInFocusChain();
            } while (w != list1());
            QCOMPARE(reihe, QStringList({"List1", "Command1", "Command2", "List2", "Command3"}));
        });
    }

    void insertingBringsBlocksAndFocus()
    {
        edit(skriptAus({{3, "a"}}), [&] {
            insert("IF"); // no line selected: before everything
            QCOMPARE(rows(), QStringList({"IF ", "Else ", "EndIf ", "SetFlag a"}));
            QCOMPARE(selected(), 0);
            QCOMPARE(panel(), 0);
            QCOMPARE(se->focusWidget(), box(0));
            QCOMPARE(list2()->currentRow(), 1);
            type(box(0), "Schlüssel");
            QCOMPARE(rows()[0], QString("IF Schlüssel"));

            select(3);
            insert("IfItem");
            QCOMPARE(rows().mid(3), QStringList({"SetFlag a", "IfItem ", "Else ", "EndIf "}));
            QCOMPARE(selected(), 4);
            QCOMPARE(se->focusWidget(), box(8));
            select(0);
            insert("SetFlag");
            type(box(3), "x");
            QCOMPARE(rows().mid(0, 3), QStringList({"IF Schlüssel", "   SetFlag x", "Else "}));
            insert("Else"); // its box is hidden: the focus stays in the list
            QCOMPARE(rows()[2], QString("Else "));
            QCOMPARE(panel(), 9);
            QCOMPARE(se->focusWidget(), list2());
            // A keystroke the room file cannot hold is refused.
            select(1);
            type(box(3), "\"y");
            QCOMPARE(rows()[1], QString("   SetFlag xy"));
        });
        QCOMPARE(m->AktSkript.MaxZeile, 8);
        QCOMPARE(m->AktSkript.Parameter[0], QString("Schlüssel"));
        QCOMPARE(m->AktSkript.Befehl.mid(0, 9), QVector<qint32>({0, 3, 9, 9, 10, 3, 8, 9, 10}));
    }

    void shownParametersAreTrimmedUnlessTheBoxHoldsThemAlready()
    {
        const Skript s = skriptAus({{2, "  Hallo  "}, {2, " Hallo"}, {16, " x "}, {99, " y "}});
        edit(s, [&] {
            select(0);
            QCOMPARE(box(2)->text(), QString("Hallo"));
            QCOMPARE(m->AktSkript.Parameter[0], QString("Hallo"));
            QCOMPARE(rows()[0], QString("Print Hallo"));
            select(1); // the box already says "Hallo": nothing is stored
            QCOMPARE(m->AktSkript.Parameter[1], QString(" Hallo"));
            QCOMPARE(rows()[1], QString("Print  Hallo"));
            select(2);
            QCOMPARE(panel(), 16);
            QCOMPARE(m->AktSkript.Parameter[2], QString("x"));
            select(3); // a code the editor does not know has no panel
            QCOMPARE(panel(), -1);
            QCOMPARE(rows()[3], QString("<99>  y "));
        });
        // Each showing starts with empty boxes.
        edit(m->AktSkript, [&] {
            QCOMPARE(panel(), -1);
            QCOMPARE(selected(), -1);
            select(1);
            QCOMPARE(m->AktSkript.Parameter[1], QString("Hallo"));
        });
    }

    void movingAndDeletingRebuildTheIndents()
    {
        edit(skriptAus({{0, "f"}, {3, "a"}, {9, ""}, {10, ""}, {2, "p"}}), [&] {
            click("Command1"); // nothing selected: nothing happens
            click("Command3");
            QCOMPARE(rows().size(), 5);
            select(1);
            click("Command2"); // out of the IF branch into the Else branch
            QCOMPARE(rows(), QStringList({"IF f", "Else ", "   SetFlag a", "EndIf ", "Print p"}));
            QCOMPARE(selected(), 2);
            click("Command2");
            click("Command2");
            QCOMPARE(rows().mid(3), QStringList({"Print p", "SetFlag a"}));
            click("Command2"); // the last line stays
            QCOMPARE(selected(), 4);
            select(2);
            click("Command3"); // the EndIf goes: the block stays open
            QCOMPARE(rows(), QStringList({"IF f", "Else ", "   Print p", "   SetFlag a"}));
            QCOMPARE(selected(), 2);
            QCOMPARE(panel(), 2);
            select(3);
            click("Command1");
            click("Command1");
            click("Command1");
            QCOMPARE(rows(), QStringList({"SetFlag a", "IF f", "Else ", "   Print p"}));
            click("Command1");
            QCOMPARE(selected(), 0);
            for (int i = 0; i < 4; ++i)
                click("Command3");
            // The last line is gone, its panel stays and typing into it changes nothing.
            QCOMPARE(rows(), QStringList());
            QCOMPARE(selected(), -1);
            QCOMPARE(panel(), 2);
            type(box(2), "z");
        });
        QCOMPARE(m->AktSkript.MaxZeile, -1);
        QCOMPARE(m->AktSkript.Befehl.size(), 1);
        QCOMPARE(m->AktSkript.Parameter[0], QString("p"));
    }

    void fileButtonsPutTheBareNameIntoTheBox()
    {
        const struct
        {
            const char* keyword;
            qint32 code;
            const char* knopf;
            const char* ordner;
            const char* filter;
        } faelle[] = {
            {"PlayWav", 1, "PlaywavB", "sounds/", "Sound & Musik|*.mp3;*.wav;*.mid"},
            {"Goto", 4, "GotoB", "rooms/", "LSD-Dateien|*.lsd"},
            {"LoadPic", 5, "LoadPic", "graphics/", "Alle Bilddateien|*.bmp;*.jpg;*.gif"},
            {"Add", 6, "AddB", "items/", "Alle Bilddateien|*.bmp;*.jpg;*.gif"},
            {"PlayAvi", 11, "PlayAviB", "movies/", "Alle Videos|*.avi;*.mpg"},
            {"PlayMusic", 19, "Command6", "musics/", "Sound & Musik|*.mp3;*.wav;*.mid"},
        };
        edit(Skript(), [&] {
            for (const auto& f : faelle) {
                insert(f.keyword);
                desktop->answerFile("/woanders/ganz/Datei, Nr 1.ext");
                click(f.knopf);
                const auto& r = desktop->requests.last();
                QCOMPARE(r.kind, Kind::Open);
                QCOMPARE(r.title, QString());
                QCOMPARE(r.preset, QString());
                QCOMPARE(r.folder, m->AppPfad + f.ordner);
                QCOMPARE(r.filter, QString(f.filter));
                QCOMPARE(box(f.code)->text(), QString("Datei, Nr 1.ext"));
                desktop->answerFile(QString()); // cancelled
                click(f.knopf);
                desktop->answerFile(m->AppPfad + "sounds/Schnee\u2603.wav");
                desktop->answerMessage(QMessageBox::Ok);
                click(f.knopf);
                QVERIFY(desktop->requests.last().text.contains("Schnee\u2603.wav"));
                QCOMPARE(box(f.code)->text(), QString("Datei, Nr 1.ext"));
            }
        });
        QCOMPARE(m->AktSkript.MaxZeile, 5);
        QCOMPARE(m->AktSkript.Parameter[5], QString("Datei, Nr 1.ext"));
    }

    void zoomPicksCornersInEitherOrder()
    {
        writeBild("raum.bmp", {50, 40});
        m->setHintergrund("C:\\Spiel\\graphics\\Raum.BMP"); // another folder, another case
        edit(Skript(), [&] {
            insert("ZoomIn");
            pickZoom("Command4", {{Qt::LeftButton, {12, 30}}, {Qt::RightButton, {40, 5}}});
            QCOMPARE(box(14)->text(), QString("12,30,40,5"));
            insert("ZoomOut");
            pickZoom(
                "Command5",
                {{Qt::RightButton, {40, 5}}, {Qt::LeftButton, {3, 3}}, {Qt::LeftButton, {12, 30}}});
            QCOMPARE(box(15)->text(), QString("12,30,40,5"));
            insert("ZoomIn");
            pickZoom("Command4", {});
            QCOMPARE(rows(),
                     QStringList({"ZoomIn 12,30,40,5", "ZoomOut 12,30,40,5", "ZoomIn 0,0,0,0"}));
        });

        // A picture wider than the screen scrolls; the client area stays on the screen.
        writeBild("breit.bmp", {5000, 60});
        m->setHintergrund("breit.bmp");
        edit(Skript(), [&] {
            insert("ZoomIn");
            desktop->driveModal([&](QDialog& zoom) {
                QVERIFY(zoom.width() < 5000);
                QCOMPARE(control("Picture1", &zoom)->size(), QSize(5000, 60));
                auto* flaeche = zoom.findChild<QScrollArea*>();
                QCoreApplication::processEvents();
                QVERIFY(flaeche->horizontalScrollBar()->isVisible());
                QCOMPARE(flaeche->viewport()->height(), 60);
            });
            click("Command4");
        });

        // Without its picture the window says so, and the corners stay 0.
        m->setHintergrund("fehlt.bmp");
        edit(Skript(), [&] {
            insert("ZoomIn");
            desktop->driveModal([&](QDialog& zoom) {
                auto* hinweis = control<QLabel>("Hinweis", &zoom);
                QVERIFY(hinweis->isVisible());
                QVERIFY(hinweis->text().contains("„fehlt.bmp“"));
                QTest::mouseClick(&zoom, Qt::LeftButton, {}, QPoint(20, 20));
            });
            click("Command4");
            QCOMPARE(box(14)->text(), QString("0,0,0,0"));
        });
    }

    void colourLegendShowsEachCodeInItsColour()
    {
        edit(Skript(), [&] {
            insert("Print");
            desktop->driveModal([&](QDialog& farben) {
                QCOMPARE(farben.windowTitle(), QString("Farben"));
                QCOMPARE(farben.size(), QSize(58, 228));
                auto* bild = control<QLabel>("Picture1", &farben);
                QCOMPARE(bild->geometry(), QRect(8, 0, 41, 225));
                const QImage legende = bild->pixmap().toImage();
                for (int i = 0; i < 16; ++i) {
                    const QRgb farbe = Farben::palette()[i].rgb();
                    int treffer = 0;
                    for (int y = i * 14; y < i * 14 + 14; ++y)
                        for (int x = 0; x < legende.width(); ++x)
                            treffer += legende.pixel(x, y) == farbe;
                    QVERIFY2(treffer >= 6, qPrintable(QString::number(i)));
                }
            });
            click("Command7");
        });
    }

    void scriptsGoFromEveryButtonIntoTheRoomFile()
    {
        Editor editor(*m, *desktop);
        editor.skriptEditorZeigen = [&] { se->zeigen(); };
        editor.show();
        QTest::mouseClick(editor.findChild<QPushButton*>("Command3"), Qt::LeftButton);
        auto* hotSpots = editor.findChild<QListWidget*>("List1");
        QTest::mouseClick(hotSpots->viewport(), Qt::LeftButton, {},
                          hotSpots->visualItemRect(hotSpots->item(0)).center());
        const QStringList knoepfe{"Command1_0", "Command1_1", "Command1_2", "Command2",
                                  "Command13"};
        for (const QString& k : knoepfe) {
            desktop->driveModal([&](QDialog&) {
                insert("SetFlag");
                type(box(3), "Flag " + k);
            });
            QTest::mouseClick(editor.findChild<QPushButton*>(k), Qt::LeftButton);
        }
        const QString datei = m->AppPfad + "rooms/r.lsd";
        desktop->answerFile(datei);
        desktop->answerMessage(QMessageBox::Ok);
        QTest::mouseClick(editor.findChild<QPushButton*>("Command5"), Qt::LeftButton);

        QFile f(datei);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QVERIFY(bytes.contains("\"\r\n0\r\n3\r\n\"Flag Command2\"\r\n0\r\n"));
        QVERIFY(bytes.contains("#FALSE#\r\n1\r\n3\r\n\"Flag Command1_2\"\r\n16\r\n\"\"\r\n"));
        QVERIFY(bytes.endsWith("\r\n0\r\n3\r\n\"Flag Command13\"\r\n"));
        Module1 geladen;
        QVERIFY(RoomFile::lesen(bytes, geladen).vollstaendig);
        for (int i = 0; i < 2; ++i)
            QCOMPARE(geladen.HotSpots[0].Skripte[i], skriptAus({{3, "Flag " + knoepfe[i]}}));
        QCOMPARE(geladen.HotSpots[0].Skripte[2], skriptAus({{3, "Flag Command1_2"}, {16, ""}}));
        QCOMPARE(geladen.TimerSkript, skriptAus({{3, "Flag Command13"}}));
        QCOMPARE(geladen.HotSpots[0], m->HotSpots[0]);
    }
};

QTEST_MAIN(TestSkriptEditor)
#include "tst_skripteditor.moc"
