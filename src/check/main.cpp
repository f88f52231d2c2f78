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
    "Aufruf: tarnholm-check [--] [Spielordner]\n"
    "\n"
    "Prüft einen Spielordner von Tarnholm, ohne etwas zu ändern oder zu löschen. Ohne Angabe\n"
    "wird der Ordner geprüft, in dem tarnholm-check liegt. Ein Spielordner ist ein Ordner mit\n"
    "dem Unterordner \"rooms\". Was nach \"--\" steht, ist der Spielordner, auch wenn sein\n"
    "Name mit \"-\" beginnt.\n"
    "\n"
    "Ausgegeben werden, in Gruppen und mit einem Pfad je Zeile:\n"
    "  - die Bilder und Klänge, die kein Raum und kein Gegenstandsskript benutzt (genau die,\n"
    "    die \"Start\" im Editor auswählt),\n"
    "  - die Raumdateien und Gegenstandsskripte, die nicht bis zum Ende gelesen werden können;\n"
    "    \"Zeile\" ist hier die Zeile der Datei, bei der das Lesen abbricht, von 1 an gezählt,\n"
    "  - die Verweise auf Dateien, die es nicht gibt, mit Datei, Skript und Zeile; \"Zeile\"\n"
    "    ist hier die Zeile im Skript, nicht in der Datei, von 1 an gezählt. Ein HotSpot heißt\n"
    "    mit seinem Namen oder, wenn der nicht mehr gelesen werden konnte, \"HotSpot Nr. n\":\n"
    "    der n-te HotSpot des Raums, von 1 an gezählt.\n"
    "\n"
    "Rückgabewert: 0, wenn nichts fehlt und alles gelesen werden kann, sonst 1;\n"
    "2, wenn der Ordner kein Spielordner ist oder der Aufruf nicht stimmt.\n");

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream aus(stdout);
    QTextStream fehler(stderr);
    bool hilfeGewuenscht = false;
    bool unbekannt = false;
    bool optionenZuEnde = false;
    QStringList angaben;
    for (const QString& argument : app.arguments().mid(1)) {
        if (optionenZuEnde)
            angaben << argument;
        else if (argument == QStringLiteral("--"))
            optionenZuEnde = true;
        else if (argument == QStringLiteral("--help") || argument == QStringLiteral("-h"))
            hilfeGewuenscht = true;
        else if (argument.startsWith(QLatin1Char('-')))
            unbekannt = true;
        else
            angaben << argument;
    }

    if (hilfeGewuenscht) {
        aus << hilfe;
        return 0;
    }
    if (unbekannt || angaben.size() > 1) {
        fehler << QStringLiteral("tarnholm-check: Unbekannter Aufruf. Hilfe: tarnholm-check "
                                 "--help\n");
        return 2;
    }
    const QString ordner =
        QDir(angaben.isEmpty() ? QCoreApplication::applicationDirPath() : angaben[0])
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
