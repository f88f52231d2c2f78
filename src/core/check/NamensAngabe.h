// Names as the command line gives them, and their uses as it prints them.
#pragma once

#include "namen/Verwendungssuche.h"

#include <QString>
#include <optional>

class Spielpruefung;

/// Names as the command line gives them, and the uses as it prints them.
namespace NamensAngabe {

/// "ART:NAME", ART one of flag, gegenstand, raum, bild, ton, text; "hotspot:RAUMDATEI:NAME";
/// "label:DATEI:SKRIPT:NAME" with SKRIPT "Startskript", "Timerskript", "HOTSPOT/AKTION" (the
/// action as "Sieh an!", "Tue", "Interagiere" or 1 to 3) or empty for every script of the
/// file. A file is named as tarnholm-check names it, or by its bare name. Null with `fehler`
/// saying why, in German, when the text names nothing the game has.
std::optional<Verwendungssuche::Anfrage> lesen(const Spielpruefung& spiel, const QString& angabe,
                                               QString& fehler);

/// The room or item script a bare name or a path names: exactly as the game's index names it,
/// else by its file name in any letter case, rooms first. Null when none.
QString datei(const Spielpruefung& spiel, const QString& name);

/// The uses, grouped by file: each file, then each place with its script, line and the line
/// as the script editor shows it; or with `gcc` one line per place, "datei:zeile: ...", with
/// the file's own line.
QString text(const Verwendungssuche::Anfrage& anfrage,
             const QVector<Verwendungssuche::Verwendung>& verwendungen, bool gcc);

} // namespace NamensAngabe
