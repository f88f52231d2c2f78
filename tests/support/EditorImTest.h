#pragma once

#include "FileSizeLimit.h"
#include "ScriptedDesktop.h"
#include "TestSpiel.h"
#include "canvas/Picture1.h"
#include "mainwindow/Editor.h"
#include "mainwindow/RaumBefehle.h"
#include "platform/Look.h"

#include <QtTest>
#include <QtWidgets>
#include <memory>

/// A fresh game folder and a scripted desktop with the main window shown on them: what each
/// window test starts from, and the ways an author works in the windows.
struct EditorImTest
{
    std::unique_ptr<TestSpiel> spiel;
    Module1* m = nullptr;
    std::unique_ptr<ScriptedDesktop> desktop;
    std::unique_ptr<Editor> editor;
    /// Where control() and click() look unless told otherwise.
    QWidget* fenster = nullptr;

    void starten()
    {
        spiel = std::make_unique<TestSpiel>();
        m = &spiel->m;
        applyEditorLook();
        desktop = std::make_unique<ScriptedDesktop>();
        editor = std::make_unique<Editor>(*m, *desktop);
        fenster = editor.get();
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor.get()));
    }
    /// Closes the editor; a dialog nobody expected or an answer nobody used fails the test.
    void beenden()
    {
        editor.reset();
        QVERIFY2(desktop->unexpected.isEmpty(), qPrintable(desktop->unexpected.join(u"; ")));
        QCOMPARE(desktop->answers.size(), size_t(0));
    }

    /// What the canvas shows is what a full redraw from the room shows.
    void canvasWieNeuAufgebaut()
    {
        auto* canvas = editor->findChild<Picture1*>(QStringLiteral("Picture1"));
        const QImage vorher = canvas->bild();
        QVERIFY(canvas->BildAufbau());
        QCOMPARE(canvas->bild(), vorher);
    }
    /// A point of the 748 × 484 area below the menu bar in the window's coordinates, which
    /// QTest's mouse functions on the window take.
    QPoint imFenster(QPoint p) const { return editor->centralWidget()->mapTo(editor.get(), p); }
    /// The title as the window shows it, with the change mark.
    QString titel() const { return editor->windowHandle()->title(); }
    bool geaendert() const { return titel().endsWith('*'); }
    QString raeume(const QString& name) const { return m->AppPfad + "rooms/" + name; }
    /// Loads "r.lsd": the hotspots "Ding 0" to "Ding 2", each with cells, a script, a cursor
    /// and flags, on the picture a.bmp; b.bmp is another picture of canvas size.
    void beispielLaden()
    {
        QImage bild(640, 480, QImage::Format_RGB32);
        bild.fill(Qt::darkBlue);
        QVERIFY(bild.save(m->GraphicsPfad + "a.bmp"));
        bild.fill(Qt::yellow);
        QVERIFY(bild.save(m->GraphicsPfad + "b.bmp"));
        Module1 r;
        r.setHintergrund("a.bmp");
        r.StartSkript = skriptAus({{3, "Anfang"}});
        for (int i = 0; i < 3; ++i) {
            HotSpot& h = r.HotSpots[r.neuerHotSpot(i)];
            h.Name = QString("Ding %1").arg(i);
            h.Cursor = "hand.cur";
            h.Aktion = {true, i == 1, i == 2};
            h.Aktiv = i != 2;
            h.Skripte[1] =
                skriptAus({{0, "Flag"}, {2, QString("Text %1").arg(i)}, {9, ""}, {10, ""}});
            for (int x = 0; x <= 5 + i; ++x)
                h.Feld[10 * i + x][i + 3] = true;
        }
        QVERIFY(spiel->raum("r.lsd", r));
        clickWith("Command4", raeume("r.lsd"));
    }

    QListWidget* list() { return control<QListWidget>("List1", editor.get()); }
    /// Keys as the author presses them: to `an`, else to the widget with the focus, in the
    /// active main window.
    void taste(QKeyCombination k, QWidget* an = nullptr)
    {
        editor->activateWindow();
        QTRY_COMPARE(QGuiApplication::focusWindow(), editor->windowHandle());
        if (an)
            an->setFocus();
        QWidget* ziel = an ? an : QApplication::focusWidget();
        QTest::keyClick(ziel ? ziel : editor.get(), k.key(), k.keyboardModifiers());
    }
    /// A stroke through the window, so that Qt's mouse grab takes part: pressed at the first
    /// point of the canvas, moved over the others, released at the last.
    void drag(Qt::MouseButton knopf, std::initializer_list<QPoint> punkte)
    {
        QWindow* w = editor->windowHandle();
        QTest::mousePress(w, knopf, {}, imFenster(*punkte.begin()));
        for (auto p = punkte.begin() + 1; p != punkte.end(); ++p)
            QTest::mouseMove(w, imFenster(*p));
        QTest::mouseRelease(w, knopf, {}, imFenster(*(punkte.end() - 1)));
    }
    /// Inserts a command as the author does in the script editor: a click on it in the list of
    /// commands, then the double click.
    void befehlEinfuegen(QWidget* skriptEditor, const QString& keyword)
    {
        auto* befehle = control<QListWidget>("List2", skriptEditor);
        QListWidgetItem* item = befehle->findItems(keyword, Qt::MatchExactly).value(0);
        clickRow(befehle, befehle->row(item));
        QTest::mouseDClick(befehle->viewport(), Qt::LeftButton, {},
                           befehle->visualItemRect(item).center());
    }

    template <typename T = QWidget> T* control(const QString& name, const QWidget* in = nullptr)
    {
        if (T* c = (in ? in : fenster)->findChild<T*>(name))
            return c;
        qFatal("no control %s", qPrintable(name));
    }
    void click(const QString& knopf, const QWidget* in = nullptr, int mal = 1)
    {
        for (int i = 0; i < mal; ++i)
            QTest::mouseClick(control<QPushButton>(knopf, in), Qt::LeftButton);
    }
    /// Clicks `knopf` with these answers queued for the dialogs it opens.
    template <typename... A> void clickWith(const QString& knopf, const A&... antworten)
    {
        desktop->answer(antworten...);
        click(knopf);
    }
#ifdef Q_OS_UNIX
    /// The same while writes beyond `bytes` fail as they do on a full disk.
    template <typename... A> void clickOnFullDisk(rlim_t bytes, const QString& knopf, const A&... a)
    {
        const FileSizeLimit knapp(bytes);
        QVERIFY(knapp.active());
        clickWith(knopf, a...);
    }
#endif
    /// Keystrokes; QTest's own keyClicks takes only ASCII.
    static void type(QWidget* w, const QString& text)
    {
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    static void clickRow(QAbstractItemView* liste, int row, Qt::KeyboardModifiers mod = {})
    {
        const QModelIndex i = liste->model()->index(row, 0);
        liste->scrollTo(i);
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, mod, liste->visualRect(i).center());
    }
    static QStringList rowTexts(const QAbstractItemView* liste, bool nurAusgewaehlte = false)
    {
        QStringList texte;
        for (int i = 0; i < liste->model()->rowCount(); ++i)
            if (!nurAusgewaehlte || liste->selectionModel()->isRowSelected(i))
                texte << liste->model()->index(i, 0).data().toString();
        return texte;
    }
    /// A message box in one line, so that a test compares all its parts at once.
    static QString meldung(const QString& text,
                           QMessageBox::StandardButtons knoepfe = QMessageBox::Ok,
                           QMessageBox::StandardButton vorgabe = QMessageBox::NoButton,
                           QMessageBox::Icon icon = QMessageBox::NoIcon,
                           const QString& titel = "Tarnholm - Editor")
    {
        return QString("%1 | %2 | %3 %4 %5").arg(text, titel).arg(icon).arg(knoepfe).arg(vorgabe);
    }
    /// A warning with an OK button, the editor's usual way of saying that something failed.
    static QString warnung(const QString& text)
    {
        return meldung(text, QMessageBox::Ok, QMessageBox::NoButton, QMessageBox::Warning);
    }
    /// A path of the game folder as the editor's messages write it.
    QString nativ(const QString& relativ) const
    {
        return QDir::toNativeSeparators(spiel->pfad(relativ));
    }
    /// The last message box but `zurueck`, in the same form.
    QString letzteMeldung(int zurueck = 0) const
    {
        const MessageRequest r = desktop->messages.value(desktop->messages.size() - 1 - zurueck);
        return meldung(r.text, r.buttons, r.defaultButton, r.icon, r.title);
    }
};
