// The script files of the items: their names, reading and writing.
#pragma once

#include "ScriptBlock.h"
#include "model/Skript.h"

#include <QByteArray>
#include <QString>

/// The script files of the items: one script block per file, three files per item picture.
namespace ItemSkript {

struct LeseErgebnis
{
    /// The whole script block was read; what stands after it is not looked at.
    bool vollstaendig = false;
    /// Where reading stopped, when it did not finish (1-based line).
    int zeile = 0;
};

/// The script file of action `aktion` (0 "Anschauen", 1 "Tue", 2 "Interagiere") of the item
/// picture `bildPfad`: the path without its last four characters (the dot and the extension),
/// the action's digit, ".skp". Dots inside the name stay: a.b.gif gives a.b2.skp.
QString dateiName(const QString& bildPfad, int aktion);

/// The action (0 to 2) of a script file named by dateiName: the digit before ".skp"; 0 when
/// there is none.
int aktionVon(const QString& skriptPfad);

/// The script an action starts with while it has no file: empty, one "Error" line for
/// "Interagiere".
Skript vorgabe(int aktion);

/// Reads a file's bytes into `skript`, which is emptied first: when reading stops early, it
/// holds the lines read before the fault. A `beobachter` is told every line read.
LeseErgebnis lesen(const QByteArray& bytes, Skript& skript,
                   ScriptBlock::Beobachter* beobachter = nullptr);

QByteArray schreiben(const Skript& skript);

} // namespace ItemSkript
