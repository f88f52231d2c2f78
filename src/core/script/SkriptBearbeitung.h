// The edits the script editor makes on a script.
#pragma once

#include "model/Skript.h"

/// The edits the script editor makes on a script. Every edit keeps MaxZeile and the arrays
/// as the game's own editor leaves them, so the arrays hold exactly the lines afterwards,
/// except after the last line was deleted: then they keep that line's old element.
namespace SkriptBearbeitung {

/// Inserts a line with `code` and the empty parameter after line `nach` (-1: before the
/// first line). "IF" and "IfItem" bring their "Else" and "EndIf": three lines, in that
/// order. Returns the index of the (first) new line.
qint32 einfuegen(Skript& skript, qint32 nach, qint32 code);

/// Exchanges line s with the one above; false (and nothing changed) for the first line.
bool hoch(Skript& skript, qint32 s);
/// Exchanges line s with the one below; false (and nothing changed) for the last line.
bool runter(Skript& skript, qint32 s);
/// Removes line s, whatever block it opens or closes.
bool loeschen(Skript& skript, qint32 s);

/// The last line of the block that line s opens: the "EndIf" that closes an "IF" or
/// "IfItem", the "EndSelect" that closes a "SelectCase", counting the nested blocks of the
/// same kind; the last line of the script when none closes it. Any other line is a block
/// of its own: s.
qint32 blockEnde(const Skript& skript, qint32 s);

/// Those of the lines `ab` to `ab + anzahl - 1` that the script has, as a script of their own.
Skript zeilen(const Skript& skript, qint32 ab, qint32 anzahl);
/// Puts the lines of `neu` in place of the `anzahl` lines from `ab` on (0 <= ab,
/// ab + anzahl <= MaxZeile + 1): removes lines, inserts them or overwrites them, and undoes
/// itself with the lines it replaced. Nothing moves when both runs have the same length.
void ersetzen(Skript& skript, qint32 ab, qint32 anzahl, const Skript& neu);

} // namespace SkriptBearbeitung
