#include "check/Pruefdienst.h"
#include "mainwindow/Editor.h"
#include "mainwindow/RaumBefehle.h"
#include "model/Module1.h"
#include "platform/Desktop.h"
#include "platform/Look.h"
#include "script/SkriptEditor.h"
#include "tools/Gegen.h"
#include "tools/Tool.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
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

    // A room file named on the command line, as seen from where the editor was started.
    const QStringList argumente = QCoreApplication::arguments();
    const QString raumDatei =
        argumente.size() > 1 ? QFileInfo(argumente.at(1)).absoluteFilePath() : QString();

    Module1 raum;
    raum.setzeOrdner(programmOrdner);
    QDir::setCurrent(programmOrdner);

    QtDesktop desktop;
    Editor editor(raum, desktop);
    // Recovery copies lie in the user's data, apart for each game folder: a copy names its
    // room file, and only an editor of that game can save it there.
    const QByteArray spiel = QCryptographicHash::hash(QDir(programmOrdner).absolutePath().toUtf8(),
                                                      QCryptographicHash::Sha1)
                                 .toHex()
                                 .left(16);
    editor.befehle().kopienIn(
        QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
        QStringLiteral("/Wiederherstellung/") + QString::fromLatin1(spiel));
    // What the windows know of the whole game: read once off the window's thread, then each
    // file again when it is written.
    Pruefdienst dienst(raum);
    QObject::connect(&editor.befehle(), &RaumBefehle::gespeichert, &dienst,
                     &Pruefdienst::dateiGeaendert);
    // Made on first use and kept; owned by the window it last stood over.
    SkriptEditor* skriptEditor = nullptr;
    editor.skriptEditorZeigen = [&](const SkriptPruefer::Herkunft& herkunft, qint32 zeile) {
        if (!skriptEditor) {
            skriptEditor = new SkriptEditor(raum, desktop, &editor);
            skriptEditor->pruefungAnschliessen(
                &dienst, [&editor] { return editor.befehle().geoeffneteDatei(); });
        }
        skriptEditor->zeigen(herkunft, zeile);
    };
    // The item manager and the checker are made on first use and kept.
    Gegen* gegen = nullptr;
    Tool* tool = nullptr;
    editor.gegenstaendeZeigen = [&] {
        if (!gegen) {
            gegen = new Gegen(raum, desktop, &editor);
            QObject::connect(gegen, &Gegen::skriptGeschrieben, &dienst,
                             &Pruefdienst::dateiGeaendert);
        }
        gegen->skriptEditorZeigen = editor.skriptEditorZeigen;
        gegen->zeigen();
    };
    editor.toolZeigen = [&] {
        if (!tool)
            tool = new Tool(raum, desktop, &editor);
        tool->zeigen();
    };
    editor.show();
    dienst.lesen();
    editor.befehle().wiederherstellen();
    if (!raumDatei.isEmpty())
        editor.befehle().oeffnen(raumDatei);
    return QApplication::exec();
}
