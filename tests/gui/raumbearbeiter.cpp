// Edits a room through the real main window, with recovery copies, until it is killed. After
// every edit it prints when it was made (monotonic milliseconds) and the hash of the room as
// "Speichern" would write it.
#include "ScriptedDesktop.h"
#include "mainwindow/Editor.h"
#include "mainwindow/RaumBefehle.h"
#include "model/Module1.h"
#include "platform/Look.h"
#include "roomfile/RoomFile.h"
#include "roomfile/Wiederherstellung.h"

#include <QtTest>
#include <QtWidgets>
#include <cstdio>
#include <random>

int main(int argc, char** argv)
{
    if (argc != 4)
        return 2;
    QApplication app(argc, argv);
    applyEditorLook();
    Module1 raum;
    raum.setzeOrdner(QString::fromLocal8Bit(argv[1]));
    ScriptedDesktop desktop;
    Editor editor(raum, desktop);
    editor.befehle().kopienIn(QString::fromLocal8Bit(argv[2]));
    editor.show();
    auto* liste = editor.findChild<QListWidget*>(QStringLiteral("List1"));
    auto* name = editor.findChild<QLineEdit*>(QStringLiteral("Text1"));
    std::mt19937 zufall(std::stoul(argv[3]));
    const auto wuerfel = [&](int n) { return int(zufall() % quint32(n)); };

    QTimer takt;
    QObject::connect(&takt, &QTimer::timeout, [&] {
        takt.setInterval(20 + wuerfel(300));
        if (liste->count() == 0 || wuerfel(8) == 0) {
            QTest::mouseClick(editor.findChild<QPushButton*>(QStringLiteral("Command3")),
                              Qt::LeftButton);
        } else {
            liste->setCurrentRow(wuerfel(liste->count()));
            if (wuerfel(2)) {
                name->setFocus();
                QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown,
                                    QString(QChar('a' + wuerfel(26))), Qt::NoModifier);
            } else {
                const QPoint zelle(wuerfel(64) * 10 + 5, wuerfel(48) * 10 + 5);
                QTest::mouseClick(editor.windowHandle(),
                                  wuerfel(2) ? Qt::LeftButton : Qt::RightButton, {},
                                  editor.centralWidget()->mapTo(&editor, zelle));
            }
        }
        QElapsedTimer jetzt;
        jetzt.start();
        std::printf("%lld %s\n", static_cast<long long>(jetzt.msecsSinceReference()),
                    Wiederherstellung::hash(RoomFile::schreiben(raum)).constData());
        std::fflush(stdout);
    });
    takt.start(0);
    return QApplication::exec();
}
