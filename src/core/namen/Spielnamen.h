// The names of a kind the game uses, offered while one is typed.
#pragma once

#include "Verwendungssuche.h"

#include <QString>
#include <QStringList>

class Spielpruefung;

namespace Spielnamen {

/// The names of a kind the game uses, to offer while one is typed: flags and items as the
/// scripts spell them, rooms, pictures and sounds by file name (one spelling of a file, case
/// aside), hotspots of the rooms, labels of the scripts; only those of the file `datei` for
/// hotspots and labels when it is given. Sorted without regard to case; no text for Text.
QStringList namen(const Spielpruefung& spiel, NamensArt art, const QString& datei = {});

} // namespace Spielnamen
