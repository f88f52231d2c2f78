// What a new name must be so that the files can hold it and Windows accepts it.
#pragma once

#include <QString>

/// What a new name must be so that the files can hold it and Windows, on which the game runs,
/// accepts it. Each check gives the German reason it refuses the name, or the null text.
namespace Namensregeln {

/// A name that stands between the double quotes of a file line: not empty, no double quote,
/// no line break or other control character, every character in Windows-1252.
QString textFehler(const QString& name);

/// A file name besides: no folder, none of <>:"/\|?*, no name Windows keeps for itself (CON,
/// PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9, also with an ending), no dot or space at the end.
QString dateiFehler(const QString& name);

/// The ending of a file name from its last dot, the dot included; empty without one.
QString endung(const QString& name);

/// A file renamed keeps its kind: the same ending as before, in any letter case.
QString endungsFehler(const QString& alt, const QString& neu);

/// What is written in place of the stored file name `gespeichert`: the new name, with the
/// ending spelt as the author spelt it there.
QString mitEndungWie(const QString& gespeichert, const QString& neu);

/// Whether the name ends as a picture the game shows does: ".bmp", ".jpg", ".gif".
bool istBild(const QString& name);

} // namespace Namensregeln
