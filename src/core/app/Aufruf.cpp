// The editor's command line: what it asks for, its help and its version.
#include "Aufruf.h"

#include <QDir>
#include <QFileInfo>
#include <optional>

namespace Aufruf {

namespace {

const QString hilfe = QStringLiteral(
    "Aufruf: tarnholm-editor [--spiel ORDNER] [--] [Raumdatei | Gegenstandsskript]\n"
    "        tarnholm-editor --help | --version\n"
    "\n"
    "Der Raumeditor von Tarnholm. Er arbeitet in einem Spielordner, einem Ordner mit den\n"
    "Unterordnern \"rooms\", \"graphics\", \"sounds\", \"movies\", \"cursors\", \"items\" und\n"
    "\"musics\" (nur \"rooms\" muss es geben). Das ist der mit --spiel angegebene; sonst der,\n"
    "in dem der Editor selbst liegt, wenn er einer ist; sonst der, dessen \"rooms\" oder\n"
    "\"items\" die angegebene Datei hält; sonst der zuletzt benutzte; sonst fragt der Editor.\n"
    "\n"
    "Mit einer Raumdatei startet er mit diesem Raum, so wie \"Laden\" ihn lädt; mit einem\n"
    "Gegenstandsskript (.skp) öffnet er es, wie \"Gegenstände\" es öffnet. Was nach \"--\"\n"
    "steht, ist die Datei, auch wenn ihr Name mit \"-\" beginnt.\n"
    "\n"
    "Optionen:\n"
    "  --spiel ORDNER  arbeitet in diesem Spielordner.\n"
    "  -h, --help      zeigt diese Hilfe.\n"
    "  --version       zeigt die Version.\n"
    "\n"
    "Die Tasten des Editors zeigt er selbst unter \"Hilfe\" > \"Tastenkürzel\" (F1). "
    "Einstellungen\n"
    "von Qt gelten über dessen Umgebungsvariablen, etwa QT_QPA_PLATFORM.\n"
    "\n"
    "Rückgabewert: 0; 2, wenn der Aufruf nicht stimmt oder ORDNER kein Spielordner ist.\n");

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
    std::optional<QString> spiel;
    Ergebnis e;
    for (qsizetype i = 0; i < argumente.size(); ++i) {
        const QString& argument = argumente[i];
        if (optionenZuEnde || argument == QStringLiteral("-") ||
            !argument.startsWith(QLatin1Char('-'))) {
            dateien << argument;
        } else if (argument.startsWith(QStringLiteral("--spiel="))) {
            spiel = argument.mid(8);
        } else if (argument == QStringLiteral("--spiel")) {
            if (i + 1 == argumente.size())
                return fehler(QStringLiteral("Nach „--spiel“ fehlt der Spielordner."));
            spiel = argumente[++i];
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
        return fehler(QStringLiteral("Es kann nur eine Datei angegeben werden."));
    if (!dateien.isEmpty()) {
        if (dateien[0].isEmpty())
            return fehler(QStringLiteral("Der Name der Datei ist leer."));
        e.datei = QFileInfo(QDir(ordner), dateien[0]).absoluteFilePath();
    }
    if (spiel) {
        if (spiel->isEmpty())
            return fehler(QStringLiteral("Der Name des Spielordners ist leer."));
        e.spiel = QDir::cleanPath(QDir(ordner).absoluteFilePath(*spiel));
    }
    return e;
}

} // namespace Aufruf
