// tarnholm-check: the game-folder checker without a window, for scripts and release checks.
// It never changes or deletes anything.

#include "check/Befund.h"
#include "model/Module1.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace {

const QString hilfe = QStringLiteral(
    "Aufruf: tarnholm-check [Spielordner]\n"
    "\n"
    "Prüft einen Spielordner von Tarnholm, ohne etwas zu ändern oder zu löschen. Ohne Angabe\n"
    "wird der Ordner geprüft, in dem tarnholm-check liegt. Ein Spielordner ist ein Ordner mit\n"
    "dem Unterordner \"rooms\".\n"
    "\n"
    "Ausgegeben werden, in Gruppen und mit einem Pfad je Zeile:\n"
    "  - die Bilder und Klänge, die kein Raum und kein Gegenstandsskript benutzt (genau die,\n"
    "    die \"Start\" im Editor auswählt),\n"
    "  - die Raumdateien und Gegenstandsskripte, die nicht bis zum Ende gelesen werden können,\n"
    "  - die Verweise auf Dateien, die es nicht gibt, mit Datei, Skript und Zeile.\n"
    "\n"
    "Rückgabewert: 0, wenn nichts fehlt und alles gelesen werden kann, sonst 1;\n"
    "2, wenn der Ordner kein Spielordner ist oder der Aufruf nicht stimmt.\n");

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream aus(stdout);
    QTextStream fehler(stderr);
    const QStringList argumente = app.arguments().mid(1);

    if (argumente.contains(QStringLiteral("--help")) || argumente.contains(QStringLiteral("-h"))) {
        aus << hilfe;
        return 0;
    }
    if (argumente.size() > 1 ||
        (argumente.size() == 1 && argumente[0].startsWith(QLatin1Char('-')))) {
        fehler << QStringLiteral("tarnholm-check: Unbekannter Aufruf. Hilfe: tarnholm-check "
                                 "--help\n");
        return 2;
    }
    const QString ordner =
        QDir(argumente.isEmpty() ? QCoreApplication::applicationDirPath() : argumente[0])
            .absolutePath();
    if (!QFileInfo(ordner).isDir()) {
        fehler << QStringLiteral("tarnholm-check: Den Ordner %1 gibt es nicht.\n")
                      .arg(QDir::toNativeSeparators(ordner));
        return 2;
    }
    if (!istSpielordner(ordner)) {
        fehler << QStringLiteral("tarnholm-check: %1 ist kein Spielordner: Ihm fehlt der "
                                 "Unterordner \"rooms\".\n")
                      .arg(QDir::toNativeSeparators(ordner));
        return 2;
    }

    Module1 m;
    m.setzeOrdner(ordner);
    const Befund befund = ordnerPruefen(m);
    aus << befundText(befund);
    return befund.inOrdnung() ? 0 : 1;
}
