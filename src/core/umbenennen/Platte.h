#pragma once

#include <QString>

/// What the journal of a rename needs of the disk beyond the safe writer.
namespace Platte {

/// Puts the folder's entries on the disk: a file made, renamed or removed in it survives a
/// power cut from then on. True where the system has no such thing to do.
bool ordnerSichern(const QString& ordner);

/// Renames a file, never over one that exists.
bool umbenennen(const QString& alt, const QString& neu);

/// Whether anything, a broken link included, has this path.
bool da(const QString& pfad);

} // namespace Platte
