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

/// "Neues Spiel": asks for a new or empty folder, starting in `ordner`, and makes an empty
/// game there. A folder refused, or a failure, is said and the dialog comes back. The new game
/// folder, or the null text when the author cancels.
QString neuesSpiel(Desktop& desktop, QWidget* parent, const QString& ordner);

/// "Beispielspiel": the same with the example game of the program in `programmOrdner` copied
/// into the folder.
QString beispielspiel(Desktop& desktop, QWidget* parent, const QString& ordner,
                      const QString& programmOrdner);

/// Where an editor starts.
struct Beginn
{
    Spielordner::Wahl wahl;
    /// A room to open first (the example's house), else empty.
    QString raum;
};

/// The game folder to start in, as Spielordner::fuerEditor finds it; when nothing tells, the
/// start window offers to open a game, make a new one or copy the example, and Art::Fragen
/// then means that the author cancelled.
Beginn beimStart(Desktop& desktop, const Spielordner::Start& start);

/// Whether a file named on the command line is an item script; anything else opens as a room.
bool istItemSkript(const QString& datei);

/// Opens a file named on the command line: a room as "Laden" opens it, an item script of the
/// game as "Gegenstände" opens it, on its action.
void dateiOeffnen(Editor& editor, Desktop& desktop, const Module1& raum, const QString& datei);

/// Goes on in the game folder `ordner`: the open room must have been asked about already. A
/// new editor starts there and this one closes, so that every window, the checking service and
/// the recovery copies begin afresh on the new game. False when nothing changed.
/// `raumDatei` is a room to open there first, or empty.
bool wechseln(Editor& editor, Desktop& desktop, const Module1& raum, const QString& ordner,
              const QString& raumDatei = {});

} // namespace Spielwahl
