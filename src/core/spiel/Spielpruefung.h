// The game's files together and the checks only the whole game shows.
#pragma once

#include "SpielDatei.h"
#include "regeln/Namensbuch.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

class Module1;

/// Something that is probably a mistake, with every place it concerns.
struct SpielHinweis
{
    QString text;
    /// The room the hint is about, when it is about a room.
    QString datei;
    QVector<SkriptStelle> stellen;
};

/// A "Goto" between rooms, or from an item script into a room.
struct Verbindung
{
    /// The room or item script file it starts in, relative to the game folder.
    QString von;
    /// The hotspot or script it starts from.
    QString ueber;
    /// The room file it leads to, relative to the game folder; the parameter's file name when
    /// there is no such room.
    QString nach;
    bool nachDa = false;

    bool operator<(const Verbindung& o) const;
    bool operator==(const Verbindung& o) const;
};

/// A room of the game with the items its scripts give and need.
struct KartenRaum
{
    QString datei;
    bool lesbar = false;
    QStringList gibt;
    QStringList braucht;
};

/// What the game's scripts hold, file by file, and the checks over them: each script on its
/// own (SkriptRegeln), and what only the whole game shows: flags set and never tested or
/// tested and never set, items needed and never given, rooms no "Goto" leads to, and the
/// links between rooms. Files may come in any order and be replaced one by one (a file saved
/// anew); every result is ordered by file, script and line.
///
/// Flags, items and labels are compared exactly, letter case and spaces included, as the
/// game compares texts; where a name differs from another only in those, or by one slip of
/// the keyboard, the hint says so. Rooms are named by file, and "Goto" finds them as the
/// game's file system does: without the spaces around the name, its folder, and letter case.
class Spielpruefung
{
public:
    /// Takes the file in, in place of an earlier version of the same file.
    void setzen(std::shared_ptr<const SpielDatei> datei);
    /// Forgets the file (relative to the game folder).
    void entfernen(const QString& datei);
    /// The file's version known, or null.
    std::shared_ptr<const SpielDatei> datei(const QString& datei) const;
    /// Rooms first, then item scripts, each in the order of the rooms list.
    QVector<std::shared_ptr<const SpielDatei>> dateien() const;
    /// How the game uses its flags and items.
    const Namensbuch& namen() const { return buch; }
    /// The hotspots of every room, each name once.
    QStringList alleHotSpots() const;

    QVector<SkriptFehler> fehler() const;
    /// The hints; a room named in `startRaeume` (as "Goto" names rooms) is not hinted at for
    /// having no "Goto" that leads into it.
    QVector<SpielHinweis> hinweise(const QStringList& startRaeume = {}) const;

    /// Every room, readable or not, in the order of the rooms list.
    QVector<KartenRaum> raeume() const;
    /// Every "Goto" that names a file, once per start, way and end.
    QVector<Verbindung> verbindungen() const;

private:
    /// Files by their place in the order of the rooms list, rooms first.
    static QString schluessel(const QString& datei, bool raum);

    QMap<QString, std::shared_ptr<const SpielDatei>> alle;
    Namensbuch buch;
};
