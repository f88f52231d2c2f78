// What the safe writer leaves when it is killed midway, found and cleared.
#pragma once

#include <QString>
#include <QStringList>

/// What the safe writer (TextFile::write) leaves when it is killed between writing a file and
/// putting it in its place: beside the file, one named like it with a dot and six random
/// letters ("haus.lsd.AbCdEf"). git shows it as a new file. It may hold the whole new file, so
/// it is set aside outside the game folder, never deleted.
namespace Schreibreste {

/// Whether the file name `name` is what the safe writer names a file while it writes `ziel`.
bool istRestVon(const QString& name, const QString& ziel);

struct Ergebnis
{
    /// The leftovers set aside, relative to the game folder with "/".
    QStringList beiseite;
    /// Those that could not be moved, with why.
    QStringList geblieben;
    /// For the author, in German; empty when there was nothing to do.
    QString text;
};

/// Sets aside into `ablage` every leftover of the safe writer among the rooms, item scripts
/// and pictures of the game folder: regular files named as the writer names them beside a
/// file of the kinds it writes there, that no program is writing. A file another editor or
/// program is writing at this moment, and an empty one just made, stay.
Ergebnis aufraeumen(const QString& spielordner, const QString& ablage);
/// The same into the game's recovery place outside the game folder, where an interrupted
/// rename puts what it sets aside. Every program of the editor calls it at its start.
Ergebnis aufraeumen(const QString& spielordner);

} // namespace Schreibreste
