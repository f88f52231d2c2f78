// The editor's command line: what it asks for, its help and its version.
#pragma once

#include <QString>
#include <QStringList>

/// The editor's command line, `tarnholm-editor [--spiel ORDNER] [--] [Raumdatei |
/// Gegenstandsskript]` or `--help` or `--version`. It is read before the window system is
/// asked for anything, so that help and version need no display.
namespace Aufruf {

struct Ergebnis
{
    enum class Art
    {
        Starten,
        Hilfe,
        Version,
        Fehler
    };
    Art art = Art::Starten;
    /// To start with: the absolute path of a room file or, ending in ".skp", an item script;
    /// empty for none.
    QString datei;
    /// The game folder given with --spiel, absolute; empty for none.
    QString spiel;
    /// What goes to the terminal: the help or the version line (standard output) or what
    /// is wrong (standard error), ending in a line break.
    QString text;

    /// 0, or 2 for a call that is wrong.
    int rueckgabe() const { return art == Art::Fehler ? 2 : 0; }
};

/// `argumente` without the program's name; relative paths are taken from `ordner`.
Ergebnis lesen(const QStringList& argumente, const QString& ordner);

/// The project's version, "0.1".
QString version();

} // namespace Aufruf
