#include "Aufruf.h"

#include <QDir>
#include <QFileInfo>

namespace Aufruf {

namespace {

const QString hilfe = QStringLiteral(
    "Aufruf: tarnholm-editor [--] [Raumdatei]\n"
    "        tarnholm-editor --help | --version\n"
    "\n"
    "Der Raumeditor von Tarnholm. Er arbeitet im Spielordner, in dem er liegt, mit dessen\n"
    "Unterordnern \"rooms\", \"graphics\", \"sounds\", \"movies\", \"cursors\", \"items\" und\n"
    "\"musics\". Mit einer Raumdatei startet er mit diesem Raum, so wie \"Laden\" ihn lädt. Was\n"
    "nach \"--\" steht, ist die Raumdatei, auch wenn ihr Name mit \"-\" beginnt.\n"
    "\n"
    "Optionen:\n"
    "  -h, --help     zeigt diese Hilfe.\n"
    "  --version      zeigt die Version.\n"
    "\n"
    "Die Tasten des Editors zeigt er selbst unter \"Hilfe\" > \"Tastenkürzel\" (F1). "
    "Einstellungen\n"
    "von Qt gelten über dessen Umgebungsvariablen, etwa QT_QPA_PLATFORM.\n"
    "\n"
    "Rückgabewert: 0; 2, wenn der Aufruf nicht stimmt.\n");

Ergebnis fehler(const QString& was)
{
    Ergebnis e;
    e.art = Ergebnis::Art::Fehler;
    e.text = QStringLiteral("tarnholm-editor: %1 Hilfe: tarnholm-editor --help\n").arg(was);
    return e;
}

} // namespace

QString version()
{
    return QStringLiteral(TARNHOLM_VERSION);
}

Ergebnis lesen(const QStringList& argumente, const QString& ordner)
{
    bool optionenZuEnde = false;
    QStringList dateien;
    Ergebnis e;
    for (const QString& argument : argumente) {
        if (optionenZuEnde || argument == QStringLiteral("-") ||
            !argument.startsWith(QLatin1Char('-'))) {
            dateien << argument;
        } else if (argument == QStringLiteral("--")) {
            optionenZuEnde = true;
        } else if (argument == QStringLiteral("--help") || argument == QStringLiteral("-h")) {
            e.art = Ergebnis::Art::Hilfe;
        } else if (argument == QStringLiteral("--version")) {
            if (e.art != Ergebnis::Art::Hilfe)
                e.art = Ergebnis::Art::Version;
        } else {
            return fehler(QStringLiteral("Die Option „%1“ gibt es nicht.").arg(argument));
        }
    }
    if (e.art == Ergebnis::Art::Hilfe) {
        e.text = hilfe;
        return e;
    }
    if (e.art == Ergebnis::Art::Version) {
        e.text = QStringLiteral("tarnholm-editor %1\n").arg(version());
        return e;
    }
    if (dateien.size() > 1)
        return fehler(QStringLiteral("Es kann nur eine Raumdatei angegeben werden."));
    if (!dateien.isEmpty()) {
        if (dateien[0].isEmpty())
            return fehler(QStringLiteral("Der Name der Raumdatei ist leer."));
        e.raumDatei = QFileInfo(QDir(ordner), dateien[0]).absoluteFilePath();
    }
    return e;
}

} // namespace Aufruf
