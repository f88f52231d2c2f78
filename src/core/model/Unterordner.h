// The subfolders of a game folder as they are spelt on disk.
#pragma once

#include <QHash>
#include <QString>

/// The subfolders of a game folder as they are spelt on disk. A game made on Windows may have
/// "Rooms" or "GRAPHICS", which the game finds there as "rooms" and "graphics"; on a system
/// whose file names heed letter case, each is looked up once here, and every path into the game
/// goes through it.
class Unterordner
{
public:
    /// The seven subfolders of every game.
    static const QStringList& namen();

    Unterordner() = default;
    /// Looks the subfolders of `spielordner` up now; one made later is not seen.
    explicit Unterordner(const QString& spielordner);

    /// The game folder, ending in "/".
    const QString& spielordner() const { return ordner; }
    /// The path of `relativ` ("rooms/haus.lsd", "graphics", either separator) in the game
    /// folder: a first folder that is one of namen() spelt as on disk, the rest as given.
    QString pfad(const QString& relativ) const;

    /// The name of the folder `name` in `ordner` as it is spelt on disk: `name` itself, else
    /// one that differs only in letter case (the first in byte order); null when there is none.
    static QString finden(const QString& ordner, const QString& name);

private:
    QString ordner;
    /// Case-folded name to its spelling on disk, for the subfolders spelt otherwise.
    QHash<QString, QString> anders;
};
