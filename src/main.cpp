#include "app/Aufruf.h"
#include "app/ZuletztGeoeffnet.h"
#include "mainwindow/Editor.h"
#include "mainwindow/RaumBefehle.h"
#include "mainwindow/Spielfenster.h"
#include "mainwindow/Spielwahl.h"
#include "mainwindow/Startvorlauf.h"
#include "model/Module1.h"
#include "platform/Desktop.h"
#include "platform/ErstesBild.h"
#include "platform/Look.h"
#include "platform/Schriftvorlauf.h"
#include "roomfile/Schreibreste.h"
#include "spiel/Pruefdienst.h"
#include "tools/Umbenennen.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTranslator>
#include <cstdio>

int main(int argc, char* argv[])
{
    // Read before the window system is asked for: help and version need no display. Qt takes
    // none of the arguments.
    QStringList roh;
    for (int i = 1; i < argc; ++i)
        roh << QString::fromLocal8Bit(argv[i]);
    Aufruf::Ergebnis aufruf = Aufruf::lesen(roh, QDir::currentPath());
    if (aufruf.art != Aufruf::Ergebnis::Art::Starten) {
        std::fputs(aufruf.text.toLocal8Bit().constData(),
                   aufruf.art == Aufruf::Ergebnis::Art::Fehler ? stderr : stdout);
        return aufruf.rueckgabe();
    }
    // While the window system is connected and the window made.
    Schriftvorlauf schriften;
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    const std::future<void> schriftdatenbank = schriften.datenbank();
    // Windows hands Qt the whole command line in its own characters, which say a file name
    // better than the local 8-bit form.
    if (const QStringList echte = QCoreApplication::arguments(); echte.size() > 1)
        aufruf = Aufruf::lesen(echte.mid(1), QDir::currentPath());
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

    // The game folder: given, the one the editor lies in, the file's, the last one, or chosen
    // in the start window, perhaps made there.
    QtDesktop desktop;
    const QString zuletzt = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
                            QStringLiteral("/zuletzt.ini");
    const Spielwahl::Beginn beginn =
        Spielwahl::beimStart(desktop, {programmOrdner, aufruf.datei, aufruf.spiel,
                                       ZuletztGeoeffnet(zuletzt, QString()).spiele()});
    const Spielordner::Wahl& wahl = beginn.wahl;
    if (wahl.art == Spielordner::Wahl::Art::Fehler) {
        std::fputs(QStringLiteral("tarnholm-editor: %1\n").arg(wahl.fehler).toLocal8Bit(), stderr);
        return 2;
    }
    if (wahl.art != Spielordner::Wahl::Art::Gefunden)
        return 0;
    const QString& spielOrdner = wahl.ordner;
    // The example game opens on its house.
    if (!beginn.raum.isEmpty())
        aufruf.datei = beginn.raum;

    Module1 raum;
    raum.setzeOrdner(spielOrdner);
    QDir::setCurrent(spielOrdner);
    // The room given is in the first frame; an item script opens in its window after it.
    const bool itemSkript = Spielwahl::istItemSkript(aufruf.datei);
    // What the first frame needs from disk is read while the window is made, once a rename the
    // editor was killed in is put back: nothing reads the game before.
    Startvorlauf vorlauf(spielOrdner, desktop.git(), itemSkript ? QString() : aufruf.datei);

    Editor editor(raum, desktop);
    // Recovery copies lie in the user's data, apart for each game folder: a copy names its
    // room file, and only an editor of that game can save it there.
    editor.befehle().kopienIn(Spielordner::datenOrdner(spielOrdner));
    // What the windows know of the whole game: read once off the window's thread, then each
    // file again when it is written.
    Pruefdienst dienst(raum);
    // The script editor, the item manager, the checker and the windows of the whole game,
    // each made on first use.
    Spielfenster fenster(raum, desktop, editor, dienst);
    editor.show();
    const Startvorlauf::Ergebnis& vorab = vorlauf.ergebnis();
    Umbenennen::aufgeraeumt(desktop, vorab.umbenennung, &editor);
    if (vorab.raum) {
        if (vorab.bild)
            editor.bildVorgeben(*vorab.bild);
        editor.befehle().oeffnen(*vorab.raum);
    }
    // Nothing of this shows in the first frame, so it waits for it.
    ErstesBild::danach(editor, [&] {
        // The rooms of "Zuletzt geöffnet" and the games last used, for every game folder in
        // one file.
        editor.zuletztIn(zuletzt);
        // What a save killed midway left beside its file goes before the game is read; the
        // message about it while the game is read.
        const Schreibreste::Ergebnis reste = Schreibreste::aufraeumen(spielOrdner);
        dienst.lesen();
        if (!reste.text.isEmpty())
            desktop.message(&editor, {reste.text, QStringLiteral("Tarnholm - Editor"),
                                      reste.geblieben.isEmpty() ? QMessageBox::Information
                                                                : QMessageBox::Warning});
        editor.befehle().wiederherstellen();
        if (itemSkript)
            Spielwahl::dateiOeffnen(editor, desktop, raum, aufruf.datei);
    });
    return QApplication::exec();
}
