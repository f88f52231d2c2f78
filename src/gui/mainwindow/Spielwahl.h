#pragma once

#include "app/Spielordner.h"

#include <QString>

class Desktop;
class Editor;
class Module1;
class QWidget;

/// How the editor comes to its game folder, and to another one: the folder dialog "Spielordner
/// öffnen", the start as the command line and the folders used last decide it, and the switch
/// to another game folder while the editor runs.
namespace Spielwahl {

/// The folder that holds a game folder, where the dialog shows its neighbours.
QString neben(const QString& spielordner);

/// The dialog "Spielordner öffnen", starting in `ordner`. It takes only a game folder: for any
/// other it names what is missing and asks again. The folder's one name, or the null text when
/// the author cancels.
QString fragen(Desktop& desktop, QWidget* parent, const QString& ordner);

/// The game folder to start in, as Spielordner::fuerEditor finds it; when nothing tells, the
/// author is asked, and Art::Fragen then means that the author cancelled.
Spielordner::Wahl beimStart(Desktop& desktop, const Spielordner::Start& start);

/// Whether a file named on the command line is an item script; anything else opens as a room.
bool istItemSkript(const QString& datei);

/// Opens a file named on the command line: a room as "Laden" opens it, an item script of the
/// game as "Gegenstände" opens it, on its action.
void dateiOeffnen(Editor& editor, Desktop& desktop, const Module1& raum, const QString& datei);

/// Goes on in the game folder `ordner`: the open room must have been asked about already. A
/// new editor starts there and this one closes, so that every window, the checking service and
/// the recovery copies begin afresh on the new game. False when nothing changed.
bool wechseln(Editor& editor, Desktop& desktop, const Module1& raum, const QString& ordner);

} // namespace Spielwahl
