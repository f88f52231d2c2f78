#include "mainwindow/Editor.h"
#include "model/Module1.h"
#include "platform/Desktop.h"
#include "platform/Look.h"
#include "script/SkriptEditor.h"
#include "tools/Gegen.h"
#include "tools/Tool.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarnholm - Editor"));
    applyEditorLook();

    // Qt's own texts (dialog buttons, file dialogs) in German; a deployed copy beside
    // the program comes first, then Qt's installation.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QTranslator qtDeutsch;
    const QString programmOrdner = QCoreApplication::applicationDirPath();
    if (qtDeutsch.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                       programmOrdner + QStringLiteral("/translations")) ||
        qtDeutsch.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtDeutsch);

    Module1 raum;
    raum.setzeOrdner(programmOrdner);
    QDir::setCurrent(programmOrdner);

    QtDesktop desktop;
    Editor editor(raum, desktop);
    // Made on first use and kept; owned by the window it last stood over.
    SkriptEditor* skriptEditor = nullptr;
    editor.skriptEditorZeigen = [&] {
        if (!skriptEditor)
            skriptEditor = new SkriptEditor(raum, desktop, &editor);
        skriptEditor->zeigen();
    };
    // The item manager and the checker are made on first use and kept.
    Gegen* gegen = nullptr;
    Tool* tool = nullptr;
    editor.gegenstaendeZeigen = [&] {
        if (!gegen)
            gegen = new Gegen(raum, desktop, &editor);
        gegen->skriptEditorZeigen = editor.skriptEditorZeigen;
        gegen->zeigen();
    };
    editor.toolZeigen = [&] {
        if (!tool)
            tool = new Tool(raum, desktop, &editor);
        tool->zeigen();
    };
    editor.show();
    return QApplication::exec();
}
