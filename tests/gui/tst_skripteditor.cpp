#include "EditorImTest.h"
#include "model/BildPfad.h"
#include "pickers/Farben.h"
#include "script/Befehlstabelle.h"
#include "script/SkriptBearbeitung.h"
#include "script/SkriptEditor.h"
#include "script/SkriptText.h"

class TestSkriptEditor : public QObject, EditorImTest
{
    Q_OBJECT

private:
    SkriptEditor* se = nullptr; // a child of the main window, as the program makes it

    QAbstractItemView* list1() { return control<QAbstractItemView>("List1"); }
    QListWidget* list2() { return control<QListWidget>("List2"); }
    QLineEdit* box(int code) { return control<QLineEdit>(QString("Text1_%1").arg(code)); }
    QStringList rows() { return rowTexts(list1()); }
    int selected() { return list1()->selectionModel()->selectedIndexes().value(0).row(); }
    void select(int row) { clickRow(list1(), row); }
    void insert(const QString& keyword) { befehlEinfuegen(se, keyword); }
    /// The codes of the panels shown.
    QString panel()
    {
        QStringList gezeigt;
        for (auto* p : se->findChildren<QGroupBox*>())
            if (!p->isHidden())
                gezeigt << p->objectName().mid(7);
        return gezeigt.join(',');
    }
    /// How many pixel lines of `bild` hold ink other than its top right pixel's colour.
    static int inkLines(const QImage& bild)
    {
        QImage leer(bild.width(), 1, bild.format());
        leer.fill(bild.pixel(bild.width() - 1, 0));
        int zeilen = 0;
        for (int y = 0; y < bild.height(); ++y)
            zeilen += bild.copy(0, y, bild.width(), 1) != leer;
        return zeilen;
    }
    /// Shows the script editor on `s`; zeigen() itself is tried where it matters.
    void oeffnen(const Skript& s)
    {
        m->AktSkript = s;
        se->laden();
        se->show();
    }
    /// The same, the window active, so that its keys and the boxes' focus work as for an author.
    void aktivOeffnen(const Skript& s)
    {
        oeffnen(s);
        se->activateWindow();
        // Active for real: a dialog counts as active while its parent is.
        QTRY_COMPARE(QGuiApplication::focusWindow(), se->windowHandle());
    }
    /// A key with Ctrl (and Shift) where the focus is, as the keyboard sends it.
    void strg(Qt::Key taste, bool shift = false)
    {
        QWidget* ziel = se->focusWidget() ? se->focusWidget() : se;
        QTest::keyClick(ziel, taste,
                        Qt::ControlModifier | (shift ? Qt::ShiftModifier : Qt::NoModifier));
    }
    QUndoStack* verlauf() { return se->findChild<QUndoStack*>(); }
    /// The rows the line list must show for AktSkript.
    QStringList zeilenDesSkripts()
    {
        return SkriptText::alsText(m->AktSkript).split('\n', Qt::SkipEmptyParts);
    }
    /// The selected line's panel shows its parameter, trimmed, or no panel is shown.
    bool panelZeigtDieZeile()
    {
        const int i = selected();
        const qint32 code = i < 0 ? -1 : m->AktSkript.Befehl[i];
        if (!Befehlstabelle::bekannt(code))
            return panel().isEmpty();
        return panel() == QString::number(code) &&
               box(code)->text() == ohneLeerzeichen(m->AktSkript.Parameter[i]);
    }
    void bild(const QString& name, QSize groesse)
    {
        QImage bild(groesse, QImage::Format_RGB32);
        bild.fill(Qt::darkBlue);
        QVERIFY(bild.save(m->GraphicsPfad + name.toLower(), "BMP"));
        m->setHintergrund("C:\\Spiel\\graphics\\" + name); // another folder, another case
    }
    /// Picks corners in the zoom window with the given buttons; the picture then shows yellow
    /// exactly on the outer pixels of `umriss` (inclusive corners; a null rectangle: none).
    void zoom(const QString& knopf, const QVector<QPair<Qt::MouseButton, QPoint>>& klicks,
              const QRect& umriss)
    {
        desktop->driveModal([&](QDialog& zoom) {
            QCOMPARE(zoom.size(), QSize(50, 40)); // the picture's own size
            auto* bild = control("Picture1", &zoom);
            QMouseEvent bewegt(QEvent::MouseMove, QPointF(12, 30), bild->mapToGlobal(QPointF()),
                               Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(bild, &bewegt);
            QCOMPARE(zoom.windowTitle(), QString("Zoom - 12,30"));
            for (const auto& [taste, punkt] : klicks)
                QTest::mouseClick(bild, taste, {}, punkt);
            const QImage gezeigt = bild->grab().toImage();
            QRegion gelb;
            for (int y = 0; y < gezeigt.height(); ++y)
                for (int x = 0; x < gezeigt.width(); ++x)
                    if (gezeigt.pixel(x, y) == qRgb(255, 255, 0))
                        gelb += QRect(x, y, 1, 1);
            QVERIFY(
                gelb.xored(QRegion(umriss).subtracted(umriss.adjusted(1, 1, -1, -1))).isEmpty());
        });
        click(knopf);
    }

private Q_SLOTS:
    void init()
    {
        starten();
        fenster = se = new SkriptEditor(*m, *desktop, editor.get());
        editor->skriptEditorZeigen = [this](auto&&... a) { se->zeigen(a...); };
    }
    void cleanup() { beenden(); }

    void windowLayoutAndCaptions()
    {
        oeffnen(skriptAus({{2, "Üg"}}));
        QCOMPARE(se->minimumSize(), se->maximumSize());
        QVERIFY(panel().isEmpty() && list2()->count() == 33 && list2()->selectedItems().isEmpty());
        for (auto* b : se->findChildren<QPushButton*>())
            QVERIFY2(b->fontMetrics().horizontalAdvance(b->text()) <= b->width() - 4,
                     qPrintable(b->objectName()));
        for (int c = 0; c < Befehlstabelle::Anzahl; ++c) {
            const Befehlstabelle::Befehl& b = Befehlstabelle::befehl(c);
            auto* p = control<QGroupBox>(QString("Befehl_%1").arg(c));
            // Every panel in the one place below the lists.
            QCOMPARE(p->geometry(), control("Befehl_0")->geometry());
            QVERIFY(p->title() == b.hilfe &&
                    p->fontMetrics().horizontalAdvance(b.hilfe) <= p->width() - 16);
            QVERIFY(box(c)->isHidden() != b.box && box(c)->maxLength() == INT_MAX);
            // Labels fit and stand beside the box, the button after it.
            for (auto* l : p->findChildren<QLabel*>())
                QVERIFY(l->fontMetrics().horizontalAdvance(l->text()) <= l->width() &&
                        (!b.box || !l->geometry().intersects(box(c)->geometry())));
            if (!b.knopfName.isEmpty())
                QVERIFY(box(c)->geometry().right() < control(b.knopfName, p)->x());
        }
        QStringList reihe{"List1"};
        for (QWidget* w = list1()->nextInFocusChain(); w != list1(); w = w->nextInFocusChain())
            if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(se))
                reihe << w->objectName();
        QCOMPARE(reihe, QStringList({"List1", "Command1", "Command2", "List2", "Command3"}));

        // Capital umlauts and descenders: a row shows as many lines of ink as the text drawn
        // where nothing cuts it.
        list2()->item(0)->setText("Üg");
        for (QAbstractItemView* liste : {list1(), static_cast<QAbstractItemView*>(list2())}) {
            QImage frei(80, 40, QImage::Format_RGB32);
            frei.fill(Qt::white);
            QPainter p(&frei);
            p.setFont(liste->font());
            p.drawText(20, 25, "Üg");
            p.end();
            const QRect zeile = liste->visualRect(liste->model()->index(0, 0));
            QCOMPARE(inkLines(liste->viewport()->grab(zeile).toImage()), inkLines(frei));
        }
    }

    void everyBoxThatFeedsAFileRefusesWhatItCannotHold()
    {
        oeffnen(skriptAus({}));
        QList<QLineEdit*> boxen = se->findChildren<QLineEdit*>();
        boxen << control<QLineEdit>("Text1", editor.get())
              << control<QLineEdit>("Text2", editor.get());
        for (QLineEdit* b : boxen) {
            b->setText("a");
            b->end(false);
            // Typed, each refused character is left out; pasted, the whole text is.
            type(b, "\"\u2603\t\u0081b");
            for (const QString& einfuegen : {"c\"d", "c\nd", "c\r\nd", "c\u20ACd\U0001F600"}) {
                QGuiApplication::clipboard()->setText(einfuegen);
                QTest::keyClick(b, Qt::Key_V, Qt::ControlModifier);
            }
            QGuiApplication::clipboard()->setText("\u20AC");
            QTest::keyClick(b, Qt::Key_V, Qt::ControlModifier);
            QVERIFY2(b->text() == "ab\u20AC", qPrintable(b->objectName() + ": " + b->text()));
        }
        // The box then names what it refuses.
        QVERIFY(QToolTip::text().contains("Steuerzeichen (etwa Tabulatoren)"));
    }

    void insertingMovingAndDeletingKeepBlocksAndIndents()
    {
        oeffnen(skriptAus({{3, "a"}}));
        insert("IF"); // no line selected: before everything
        QCOMPARE(rows(), QStringList({"IF ", "Else ", "EndIf ", "SetFlag a"}));
        QVERIFY(selected() == 0 && panel() == "0" && list2()->currentRow() == 1);
        QCOMPARE(se->focusWidget(), box(0));
        type(box(0), "Schlüssel");
        select(3);
        insert("IfItem");
        QCOMPARE(rows().mid(3), QStringList({"SetFlag a", "IfItem ", "Else ", "EndIf "}));
        QCOMPARE(selected(), 4);
        QCOMPARE(se->focusWidget(), box(8));
        // Typing into an indented line keeps its indent; what a file cannot hold is refused.
        select(0);
        insert("SetFlag");
        type(box(3), "x\"y");
        QCOMPARE(rows().mid(0, 3), QStringList({"IF Schlüssel", "   SetFlag xy", "Else "}));
        insert("Else"); // its box is hidden: the focus stays in the list
        QCOMPARE(panel(), QString("9"));
        QCOMPARE(se->focusWidget(), list2());
        QCOMPARE(m->AktSkript.Befehl, QVector<qint32>({0, 3, 9, 9, 10, 3, 8, 9, 10}));
        QCOMPARE(m->AktSkript.Parameter[1], QString("xy"));

        // Moves and deletions rebuild the indents.
        oeffnen(skriptAus({{0, "f"}, {3, "a"}, {9, ""}, {10, ""}, {2, "p"}}));
        click("Command1"); // nothing selected: nothing happens
        click("Command3");
        select(1);
        click("Command2"); // out of the IF branch into the Else branch
        QCOMPARE(rows(), QStringList({"IF f", "Else ", "   SetFlag a", "EndIf ", "Print p"}));
        QCOMPARE(selected(), 2);
        click("Command2", nullptr, 3); // the last line stays last
        QCOMPARE(selected(), 4);
        select(2);
        click("Command3"); // the EndIf goes: the block stays open
        QCOMPARE(rows(), QStringList({"IF f", "Else ", "   Print p", "   SetFlag a"}));
        QVERIFY(selected() == 2 && panel() == "2");
        select(3);
        click("Command1", nullptr, 4);
        QCOMPARE(rows(), QStringList({"SetFlag a", "IF f", "Else ", "   Print p"}));
        QCOMPARE(selected(), 0);
        click("Command3", nullptr, 4);
        // The last line is gone, its panel stays and typing into it changes nothing.
        QVERIFY(rows().isEmpty() && selected() == -1 && panel() == "2");
        type(box(2), "z");
        QCOMPARE(m->AktSkript.Parameter, QVector<QString>({"p"}));
    }

    void selectedParametersAreTrimmedScrolledToAndStaySelected()
    {
        oeffnen(skriptAus({{2, "  Hallo  "}, {2, " Hallo"}, {16, " x "}, {99, " y "}}));
        select(0);
        QCOMPARE(box(2)->text(), QString("Hallo"));
        QCOMPARE(rows()[0], QString("Print Hallo"));
        select(1); // the box already says "Hallo": nothing is stored
        QCOMPARE(rows()[1], QString("Print  Hallo"));
        select(3); // a code the editor does not know has no panel
        QVERIFY(panel().isEmpty());
        QCOMPARE(m->AktSkript.Parameter, QVector<QString>({"Hallo", " Hallo", " x ", " y "}));
        // Each showing starts with empty boxes.
        oeffnen(m->AktSkript);
        QCOMPARE(selected(), -1);
        select(1);
        select(2);
        QCOMPARE(m->AktSkript.Parameter, QVector<QString>({"Hallo", "Hallo", "x", " y "}));

        // The list scrolls as far as its longest line.
        const QString lang = QString("Weit und breit ").repeated(20);
        oeffnen(skriptAus({{0, "f"}, {2, lang}, {10, ""}, {3, "k"}}));
        // To the end of the row's text, margins and kerning allowed for, and not far beyond.
        const auto bisZumEnde = [&](int row) {
            QCoreApplication::processEvents();
            const int bis =
                list1()->horizontalScrollBar()->maximum() + list1()->viewport()->width();
            const int text = list1()->fontMetrics().horizontalAdvance(rows()[row]);
            return bis >= text && bis <= text * 1.02 + 12;
        };
        QVERIFY(bisZumEnde(1));
        select(3);
        type(box(3), lang + lang);
        QVERIFY(bisZumEnde(3));

        // Clicks and keys keep the selection on a row.
        oeffnen(skriptAus({{2, "a"}, {3, "b"}}));
        se->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(se));
        // Tabbing into either list, Down selects its first row; Enter inserts only then.
        for (QAbstractItemView* liste : {list1(), static_cast<QAbstractItemView*>(list2())}) {
            control(liste == list1() ? "Command3" : "Command2")->setFocus();
            QTest::keyClick(se->focusWidget(), Qt::Key_Tab);
            QCOMPARE(se->focusWidget(), liste);
            QTest::keyClick(liste, Qt::Key_Return);
            QCOMPARE(rows().size(), 2);
            QTest::keyClick(liste, Qt::Key_Down);
            QCOMPARE(liste->selectionModel()->selectedIndexes().value(0).row(), 0);
        }
        QTest::keyClick(list2(), Qt::Key_Return);
        QCOMPARE(rows(), QStringList({"Print a", "IfItem ", "Else ", "EndIf ", "SetFlag b"}));
        // Ctrl with a click, below the rows too, or with Space leaves the line selected.
        select(0);
        clickRow(list1(), 0, Qt::ControlModifier);
        QCOMPARE(selected(), 0);
        QTest::mouseClick(list1()->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          list1()->viewport()->rect().bottomLeft() + QPoint(5, -5));
        QTest::keyClick(list1(), Qt::Key_Space, Qt::ControlModifier);
        QVERIFY(selected() == 0 && panel() == "2");
    }

    void panelButtonsPickFilesCornersAndShowColours()
    {
        const char* const faelle[][4] = {
            {"PlayWav", "PlaywavB", "sounds/", "Sound & Musik|*.mp3;*.wav;*.mid"},
            {"Goto", "GotoB", "rooms/", "LSD-Dateien|*.lsd"},
            {"LoadPic", "LoadPic", "graphics/", "Alle Bilddateien|*.bmp;*.jpg;*.gif"},
            {"Add", "AddB", "items/", "Alle Bilddateien|*.bmp;*.jpg;*.gif"},
            {"PlayAvi", "PlayAviB", "movies/", "Alle Videos|*.avi;*.mpg"},
            {"PlayMusic", "Command6", "musics/", "Sound & Musik|*.mp3;*.wav;*.mid"},
        };
        oeffnen(Skript());
        for (const auto& [keyword, knopf, ordner, filter] : faelle) {
            insert(keyword);
            desktop->answer("/woanders/ganz/Datei, Nr 1.ext", QString(),
                            m->AppPfad + "Schnee\u2603.wav", QMessageBox::Ok);
            click(knopf, nullptr, 3); // then cancelled, then refused: nothing changes
            QCOMPARE(desktop->dialogs.last(),
                     QString("Öffnen |  | %1 | %2 | ").arg(filter, m->AppPfad + ordner));
            QVERIFY(desktop->messages.last().text.contains("Schnee\u2603.wav"));
            QCOMPARE(rows().last(), QString(keyword) + " Datei, Nr 1.ext");
        }

        // The zoom window picks corners in either order.
        bild("Raum.BMP", {50, 40});
        insert("ZoomIn"); // bottom to top
        zoom("Command4", {{Qt::LeftButton, {12, 30}}, {Qt::RightButton, {40, 5}}},
             QRect(QPoint(12, 5), QPoint(40, 30)));
        insert("ZoomOut"); // right to left and bottom to top; a second left click moves
        zoom("Command5",
             {{Qt::RightButton, {5, 8}}, {Qt::LeftButton, {3, 3}}, {Qt::LeftButton, {44, 35}}},
             QRect(QPoint(5, 8), QPoint(44, 35)));
        insert("ZoomIn"); // one pixel
        zoom("Command4", {{Qt::LeftButton, {20, 7}}, {Qt::RightButton, {20, 7}}},
             QRect(20, 7, 1, 1));
        insert("ZoomIn");
        zoom("Command4", {}, QRect());
        QCOMPARE(rows().mid(6), QStringList({"ZoomIn 12,30,40,5", "ZoomOut 44,35,5,8",
                                             "ZoomIn 20,7,20,7", "ZoomIn 0,0,0,0"}));

        // A picture wider than the screen scrolls; without one the window says so.
        bild("Breit.bmp", {5000, 60});
        desktop->driveModal([&](QDialog& zoom) {
            QCOMPARE(control("Picture1", &zoom)->size(), QSize(5000, 60));
            auto* flaeche = zoom.findChild<QScrollArea*>();
            QCoreApplication::processEvents();
            QVERIFY(zoom.width() < 5000 && flaeche->horizontalScrollBar()->isVisible());
            QCOMPARE(flaeche->viewport()->height(), 60);
        });
        click("Command4");
        m->setHintergrund("fehlt.bmp");
        desktop->driveModal([&](QDialog& zoom) {
            QVERIFY(control<QLabel>("Hinweis", &zoom)->text().contains("„fehlt.bmp“"));
            QTest::mouseClick(&zoom, Qt::LeftButton, {}, QPoint(20, 20));
        });
        click("Command4");
        QCOMPARE(rows()[9], QString("ZoomIn 0,0,0,0"));

        // The colour legend shows each code in its colour.
        insert("Print");
        desktop->driveModal([&](QDialog& farben) {
            auto* bild = control<QLabel>("Picture1", &farben);
            QVERIFY(farben.rect().contains(bild->geometry()));
            // Each code's band of 14 pixel lines shows its colour.
            const QImage legende = bild->pixmap().toImage();
            int treffer[16] = {};
            for (int y = 0; y < 16 * 14; ++y)
                for (int x = 0; x < legende.width(); ++x)
                    treffer[y / 14] += legende.pixel(x, y) == Farben::palette()[y / 14].rgb();
            QVERIFY(*std::min_element(treffer, treffer + 16) >= 6);
        });
        click("Command7");
    }

    void randomEditsUndoToTheStartAndRedoToTheEnd()
    {
        QRandomGenerator zufall(13);
        const qint32 codes[] = {3, 2, 16, 27, 0, 8, 9, 10, 24, 25, 26, 99};
        const auto wort = [&](int max) { // spaces around it too, which a selection trims
            QString w;
            for (int n = zufall.bounded(max + 1); n > 0; --n)
                w += QString(" abÄ€x")[zufall.bounded(6)];
            return w;
        };
        const auto zufallsSkript = [&](int max, bool nurBekannte) {
            QVector<QPair<qint32, QString>> zeilen;
            for (int n = zufall.bounded(max + 1); n > 0; --n)
                zeilen.append({codes[zufall.bounded(12 - nurBekannte)], wort(4)});
            return skriptAus(zeilen);
        };
        for (int lauf = 0; lauf < 20; ++lauf) {
            const Skript start = zufallsSkript(10, false);
            aktivOeffnen(start);
            QGuiApplication::clipboard()->setText(SkriptText::alsText(zufallsSkript(4, true)));
            // The script after each step of the history, by the history's index.
            QVector<Skript> stand{start};
            int index = 0;
            // One step for each thing done, or none and no change; typing goes into the step
            // of its visit, which selecting its line may have begun.
            const auto festhalten = [&](bool getippt) {
                const int i = verlauf()->index();
                if (i != index || verlauf()->count() != stand.size() - 1) {
                    QVERIFY(i == index + 1);
                    stand.resize(i + 1);
                } else if (!getippt) {
                    QCOMPARE(m->AktSkript, stand[i]);
                }
                stand[index = i] = m->AktSkript;
                QCOMPARE(rows(), zeilenDesSkripts());
            };
            const auto zurueckOderVor = [&](bool zurueck, bool shift) {
                strg(zurueck || shift ? Qt::Key_Z : Qt::Key_Y, !zurueck && shift);
                const bool getan = std::exchange(index, verlauf()->index()) != index;
                QCOMPARE(m->AktSkript, stand.value(index));
                QVERIFY(rows() == zeilenDesSkripts() && (!getan || panelZeigtDieZeile()));
            };
            for (int schritt = 0; schritt < 25; ++schritt) {
                const int was = zufall.bounded(10);
                if (was >= 8) {
                    zurueckOderVor(was == 8, zufall.bounded(2));
                    continue;
                }
                if (!rows().isEmpty())
                    select(zufall.bounded(int(rows().size())));
                festhalten(false);
                const qint32 code = selected() < 0 ? -1 : m->AktSkript.Befehl[selected()];
                if (was == 0) {
                    insert(list2()->item(zufall.bounded(Befehlstabelle::Anzahl))->text());
                } else if (was <= 3) {
                    click(QString("Command%1").arg(was));
                } else if (was == 4 && Befehlstabelle::bekannt(code) && !box(code)->isHidden()) {
                    QTest::mouseClick(box(code), Qt::LeftButton);
                    type(box(code), wort(3));
                    for (int n = zufall.bounded(3); n > 0; --n)
                        QTest::keyClick(box(code), Qt::Key_Backspace);
                    type(box(code), wort(2));
                } else if (was >= 5) {
                    list1()->setFocus();
                    strg(was == 5 ? Qt::Key_C : was == 6 ? Qt::Key_X : Qt::Key_V);
                }
                festhalten(was == 4);
            }
            const Skript ende = stand.last();
            for (int n = verlauf()->index(); n > 0; --n)
                zurueckOderVor(true, false);
            QCOMPARE(m->AktSkript, start);
            for (int n = verlauf()->count(); n > 0; --n)
                zurueckOderVor(false, zufall.bounded(2));
            QCOMPARE(m->AktSkript, ende);
        }
    }

    void undoAndRedoSelectTheLineTheyChange()
    {
        aktivOeffnen(skriptAus({{3, "a"}, {2, "  Hallo  "}}));
        select(0);
        insert("IF");
        type(box(0), "Tür");
        // Ctrl+Z in the box is the window's: the typing of the visit, then the whole block.
        QCOMPARE(se->focusWidget(), box(0));
        strg(Qt::Key_Z);
        QVERIFY(rows()[1] == "IF " && selected() == 1 && box(0)->text().isEmpty());
        QCOMPARE(se->focusWidget(), box(0));
        strg(Qt::Key_Z);
        QVERIFY(rows() == QStringList({"SetFlag a", "Print   Hallo  "}) && selected() == 0);
        strg(Qt::Key_Y);
        strg(Qt::Key_Z, true);
        QVERIFY(rows()[1] == "IF Tür" && selected() == 1 && box(0)->text() == "Tür");

        select(0);
        click("Command2");
        QTest::mouseClick(box(3), Qt::LeftButton);
        type(box(3), "x");
        QTest::keyClick(box(3), Qt::Key_Backspace); // typed and taken back: no step
        select(4);                                  // the spaces go as the line is shown: a step
        strg(Qt::Key_Z);
        QVERIFY(rows()[4] == "Print   Hallo  " && selected() == 4 && panel() == "2");
        strg(Qt::Key_Z);
        QVERIFY(rows()[0] == "SetFlag a" && selected() == 0 && panel() == "3");
        strg(Qt::Key_Z, true);
        QVERIFY(rows()[1] == "   SetFlag a" && selected() == 1);
    }

    void blocksAndNestedBlocksAreCopiedCutAndPasted()
    {
        const QVector<QPair<qint32, QString>> zeilen = {
            {3, "vor"},     {0, "Schluessel"}, {3, " TuerOffen"}, {24, "2 | Wohin?"}, {25, "1"},
            {8, "Axt.bmp"}, {9, ""},           {10, ""},          {26, ""},           {9, ""},
            {99, "fremd"},  {10, ""},          {2, "nach"}};
        const Skript skript = skriptAus(zeilen);
        aktivOeffnen(skript);
        select(3);
        strg(Qt::Key_C);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QString("SelectCase 2 | Wohin?\nCase 1\n   IfItem Axt.bmp\n   Else \n   EndIf \n"
                         "EndSelect \n"));
        select(0); // a line that opens nothing goes alone
        strg(Qt::Key_C);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("SetFlag vor\n"));
        select(1);
        strg(Qt::Key_X);
        QVERIFY(rows() == QStringList({"SetFlag vor", "Print nach"}) && selected() == 1);
        // Below the selected line, then below what came: codes and parameters exactly, also
        // a code the table does not know.
        strg(Qt::Key_V);
        strg(Qt::Key_V);
        const Skript block = SkriptBearbeitung::zeilen(skript, 1, 11);
        QVERIFY(m->AktSkript.MaxZeile == 23 &&
                SkriptBearbeitung::zeilen(m->AktSkript, 2, 11) == block &&
                SkriptBearbeitung::zeilen(m->AktSkript, 13, 11) == block);
        for (int i = 0; i < 3; ++i)
            strg(Qt::Key_Z);
        QVERIFY(m->AktSkript == skript && selected() == 1);

        // Plain text from any editor goes to the top when no line is selected.
        oeffnen(skript);
        QGuiApplication::clipboard()->setText("IF a\r\n\t SetFlag  b \r\n\r\nElse\nEndIf\n");
        strg(Qt::Key_V);
        QCOMPARE(rows().mid(0, 5),
                 QStringList({"IF a", "   SetFlag  b ", "Else ", "EndIf ", "SetFlag vor"}));
        QCOMPARE(selected(), 3);
    }

    void brokenTextInsertsNothingAndNamesItsFirstBrokenLine()
    {
        const QString keinBefehl = "Zeile %1 ist kein Befehl: „%2“. Jede Zeile beginnt mit einem "
                                   "Befehl, wie ihn die Befehlsliste schreibt, dann folgen ein "
                                   "Leerzeichen und der Parameter. Es wurde nichts eingefügt.";
        const QString nichtSpeicherbar =
            "Zeile %1 enthält Zeichen, die eine Raumdatei nicht speichern kann: „%2“. "
            "Anführungszeichen, Zeilenumbrüche, Steuerzeichen (etwa Tabulatoren) und Zeichen "
            "außerhalb von Windows-1252 sind nicht möglich. Es wurde nichts eingefügt.";
        const QString lang = QString("Weit und breit ").repeated(5);
        const QString faelle[][4] = {
            {"SetFlag a\n\n  Prnt b\n", keinBefehl, "3", "Prnt b"},
            {"SetFlagX\nPrnt b", keinBefehl, "1", "SetFlagX"},
            {"Print Hallo\nWelt\n", keinBefehl, "2", "Welt"}, // a line break in a parameter
            {lang + "\nIF", keinBefehl, "1", lang.left(60) + "…"},
            {"EndIf\nPrint a\rb", nichtSpeicherbar, "2", "Print a?b"},
            {"Print a\u2028b\tc", nichtSpeicherbar, "1", "Print a?b?c"},
            {"Print \"Hallo\"", nichtSpeicherbar, "1", "Print \"Hallo\""},
            {"Print Schnee\u2603", nichtSpeicherbar, "1", "Print Schnee\u2603"},
        };
        aktivOeffnen(skriptAus({{3, "a"}}));
        select(0);
        click("Command3");
        for (const auto& [text, meldung, nummer, zeile] : faelle) {
            QGuiApplication::clipboard()->setText(text);
            desktop->answer(QMessageBox::Ok);
            strg(Qt::Key_V);
            QCOMPARE(letzteMeldung(), warnung(meldung.arg(nummer, zeile)));
            QVERIFY(rows().isEmpty());
        }
        strg(Qt::Key_Z); // the deletion is still the last step
        QCOMPARE(rows(), QStringList("SetFlag a"));
    }

    void scriptsGoFromEveryButtonIntoTheRoomFileOverTheWindowThatOpensIt()
    {
        click("Command3", editor.get(), 2);
        clickRow(list(), 1);
        const QStringList knoepfe{"Command1_0", "Command1_1", "Command1_2", "Command2",
                                  "Command13"};
        for (const QString& k : knoepfe) {
            desktop->driveModal([&](QDialog&) {
                insert("SetFlag");
                type(box(3), "Flag " + k);
            });
            click(k, editor.get());
        }
        fenster = editor.get();
        clickWith("Command5", m->AppPfad + "rooms/r.lsd", QMessageBox::Ok);
        Module1 geladen;
        QVERIFY(RoomFile::lesen(spiel->inhalt("rooms/r.lsd"), geladen).vollstaendig);
        for (int i = 0; i < 2; ++i)
            QCOMPARE(geladen.HotSpots[1].Skripte[i], skriptAus({{3, "Flag " + knoepfe[i]}}));
        QCOMPARE(geladen.HotSpots[1].Skripte[2], skriptAus({{3, "Flag Command1_2"}, {16, ""}}));
        QCOMPARE(geladen.HotSpots[0].Skripte[2], skriptAus({{16, ""}}));
        QCOMPARE(geladen.StartSkript, skriptAus({{3, "Flag Command2"}}));
        QCOMPARE(geladen.TimerSkript, skriptAus({{3, "Flag Command13"}}));

        // The script editor stands over the modal window that opens it, such as the item
        // manager, else over the main window.
        const Qt::WindowFlags flags = se->windowFlags();
        QDialog gegen; // as the item manager
        const auto zurueck = qScopeGuard([&] { se->setParent(editor.get(), flags); }); // if failed
        gegen.setModal(true);
        gegen.show();
        desktop->driveModal([&](QDialog&) { QCOMPARE(se->parentWidget(), &gegen); });
        se->zeigen();
        gegen.close();
        desktop->driveModal([&](QDialog&) { QCOMPARE(se->parentWidget(), editor.get()); });
        se->zeigen(); // over the one it was made for
        QCOMPARE(se->windowFlags(), flags);
    }
};

QTEST_MAIN(TestSkriptEditor)
#include "tst_skripteditor.moc"
