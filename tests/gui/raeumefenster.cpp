// The rooms window beside the editor on a game folder, wired as the editor's menu entry will
// be, for a look by hand: raeumefenster [game folder [room file]]. Ctrl+R shows the window.

#include "check/Pruefdienst.h"
#include "mainwindow/Editor.h"
#include "mainwindow/RaumBefehle.h"
#include "model/Module1.h"
#include "platform/Desktop.h"
#include "platform/Look.h"
#include "raeume/Raeume.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    applyEditorLook();
    const QStringList argumente = QCoreApplication::arguments();
    Module1 raum;
    raum.setzeOrdner(argumente.size() > 1 ? QFileInfo(argumente[1]).absoluteFilePath()
                                          : QStringLiteral(TARNHOLM_DEMO_DIR));
    QtDesktop desktop;
    Pruefdienst dienst(raum);
    Editor editor(raum, desktop);
    auto* raeume = new Raeume(dienst, raum, &editor);
    raeume->oeffnen = [&editor](const QString& pfad) { editor.befehle().oeffnen(pfad); };
    QObject::connect(&editor.befehle(), &RaumBefehle::offeneDateiGeaendert, raeume,
                     &Raeume::offenerRaum);
    QObject::connect(&editor.befehle(), &RaumBefehle::gespeichert, &dienst,
                     &Pruefdienst::dateiGeaendert);
    auto* taste = new QAction(&editor);
    taste->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    editor.addAction(taste);
    QObject::connect(taste, &QAction::triggered, raeume, &Raeume::zeigen);
    editor.show();
    dienst.lesen();
    if (argumente.size() > 2)
        editor.befehle().oeffnen(QFileInfo(argumente[2]).absoluteFilePath());
    // Once the window manager has placed the editor, so that "Räume" goes beside it.
    QTimer::singleShot(500, raeume, &Raeume::zeigen);
    return QApplication::exec();
}
