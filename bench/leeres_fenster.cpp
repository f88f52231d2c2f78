// The yardstick of the editor's start: a Qt Widgets main window of the given size with nothing
// in it, built as the editor is. `leeres_fenster BREITE HOEHE`
#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow fenster;
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 3)
        fenster.setFixedSize(args[1].toInt(), args[2].toInt());
    fenster.show();
    return QApplication::exec();
}
