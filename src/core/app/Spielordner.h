// Which game folder the editor and the programs beside it work in.
#pragma once

#include <QString>
#include <QStringList>

/// Which game folder the editor and the programs beside it work in. A game folder is a folder
/// with a "rooms" subfolder, in any letter case; every program asks here, and nothing else
/// decides it.
namespace Spielordner {

bool istSpielordner(const QString& ordner);

/// The one name of a folder, however it was reached: absolute, links and ".." resolved, no
/// trailing separator.
QString eindeutig(const QString& ordner);

/// Why `ordner` is no game folder, in German, for the author; empty when it is one.
QString warumNicht(const QString& ordner);

/// The game folder that holds the room or item script `datei` in its "rooms" or "items"
/// folder (any letter case); empty when it lies in none.
QString vonDatei(const QString& datei);

/// What the editor knows when it starts.
struct Start
{
    /// The folder the editor lies in.
    QString programmOrdner;
    /// A room or item script given on the command line, absolute; empty for none.
    QString datei;
    /// The folder given with --spiel; empty for none.
    QString angegeben;
    /// The game folders used last, newest first.
    QStringList zuletzt;
};

struct Wahl
{
    enum class Art
    {
        /// `ordner` is the game folder.
        Gefunden,
        /// Nothing tells: the author chooses.
        Fragen,
        /// The folder given is none: `fehler` says why.
        Fehler
    };
    Art art = Art::Fragen;
    /// Absolute, its links resolved, without a trailing separator.
    QString ordner;
    QString fehler;
};

/// The editor's game folder: the one given with --spiel; else the folder the editor lies in
/// when it is one, so that a copy in a game folder works there; else the one that holds the
/// file given; else the newest of `zuletzt` that still is one; else the author is asked.
Wahl fuerEditor(const Start& start);

/// The game folder of a program beside the editor (tarnholm-check and its kin): the folder
/// given; without one, the folder the program lies in when it is one, else the current folder
/// when it is one. `programm` names the program in the message.
Wahl fuerProgramm(const QString& angegeben, const QString& programmOrdner, const QString& aktuell,
                  const QString& programm);

/// Where the recovery copies and the journals of the game folder's renames lie: in the
/// author's data, one folder per game folder, never in the game folder itself.
QString datenOrdner(const QString& spielordner);

} // namespace Spielordner
