#pragma once

#include <QString>

class Desktop;

/// Deleting a file the author made: into the desktop's trash, from where a wrong click can be
/// undone, and for good only where there is no trash for it.
namespace Papierkorb {

enum class Ergebnis
{
    /// In the trash, or gone already.
    Weg,
    /// There is no trash for it: deleted for good.
    Endgueltig,
    /// Neither trashed nor deleted.
    Geblieben
};

/// Tries the desktop's trash, then deleting; only an ordinary file or a link, never a folder
/// or anything else that has taken the file's name.
Ergebnis entfernen(Desktop& desktop, const QString& pfad);

/// Moves the file into the desktop's trash; false, with the file where it was, where that
/// cannot be done.
bool verschieben(const QString& pfad);

} // namespace Papierkorb
