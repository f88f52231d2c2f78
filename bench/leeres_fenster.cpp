// The yardstick of the editor's start: a Qt Widgets main window of the given size with nothing
// in it, built as the editor is; with a text, a window showing that one line, which pays what
// any window with text pays for its fonts. `leeres_fenster BREITE HOEHE [TEXT]`
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow fenster;
    const QStringList args = QCoreApplication::arguments();
    if (args.size() >= 3)
        fenster.setFixedSize(args[1].toInt(), args[2].toInt());
    if (args.size() == 4)
        fenster.setCentralWidget(new QLabel(args[3]));
    fenster.show();
    return QApplication::exec();
}
