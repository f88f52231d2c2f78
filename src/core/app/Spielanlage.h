#pragma once

#include <QString>

/// A game folder made for an author who has none yet: an empty game, or a copy of the example
/// game. Nothing is written into a folder that holds anything, and what a failed attempt made
/// is taken away again.
namespace Spielanlage {

/// Why no game can be made in `ordner`, in German; empty when it can: the folder is not there
/// yet (its parents may be missing too), or it is empty.
QString warumNicht(const QString& ordner);

/// Makes `ordner` where it is missing, and in it the seven subfolders of a game and nothing
/// else. Empty when done; else why not, with nothing of the attempt left.
QString neuesSpiel(const QString& ordner);

/// The example game of the program lying in `programmOrdner`: `../share/tarnholm-editor/
/// beispiel` as the package installs it, else the build's demo game the program lies in. Null
/// when there is none.
QString beispiel(const QString& programmOrdner);

/// Copies the game in `beispiel` into `ordner`, which is made as by neuesSpiel(): its seven
/// subfolders with everything in them and its file of start rooms and goals, byte for byte,
/// and nothing else (the programs beside a built example stay behind). Empty when done; else why
/// not, with nothing of the attempt left.
QString beispielKopieren(const QString& beispiel, const QString& ordner);

/// The room the example game opens with, its house, in the game `spielordner`; empty when it
/// has none.
QString hausRaum(const QString& spielordner);

} // namespace Spielanlage
