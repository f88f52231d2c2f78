#pragma once

#include "Referenzen.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

class Module1;

/// A line of a script of the game.
struct SkriptStelle
{
    /// The room or item script file, relative to the game folder.
    QString datei;
    /// "Startskript", "HotSpot "Tür", Tue", ...; empty in an item script.
    QString skript;
    /// The script line, from 0.
    qint32 zeile = 0;
    /// The file's line of its command code, from 1.
    int dateiZeile = 0;
    /// As the script editor shows it, indent included.
    QString zeilenText;
};

struct SkriptFehler
{
    SkriptStelle stelle;
    QString text;
};

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

/// The checks of every script of a game: each script on its own (SkriptRegeln), and what only
/// the whole game shows: flags set and never tested or tested and never set, items needed
/// and never given, rooms no "Goto" leads to, and the links between rooms. Files may come in
/// any order; every result is ordered by file, script and line.
///
/// Flags, items and labels are compared exactly, letter case and spaces included, as the
/// game compares texts; where a name differs from another only in those, the hint says so.
/// Rooms are named by file, and "Goto" finds them as the game's file system does: without
/// the spaces around the name, its folder, and letter case.
class Spielpruefung
{
public:
    /// The room file `datei` (relative to the game folder), read into `raum` from its first
    /// line: what `gelesen` tells was read before it was. A room that cannot be read to its
    /// end is not checked script by script, since its last script was cut short; what it
    /// holds counts for the game.
    void raum(const QString& datei, const Module1& raum, const RaumReferenzen& gelesen);
    void itemSkript(const QString& datei, const ItemSkriptReferenzen& gelesen);

    QVector<SkriptFehler> fehler() const;
    QVector<SpielHinweis> hinweise() const;

    /// Every room, readable or not, in the order of the rooms list.
    QVector<KartenRaum> raeume() const;
    /// Every "Goto" that names a file, once per start, way and end.
    QVector<Verbindung> verbindungen() const;

private:
    enum class Art
    {
        FlagAbgefragt,
        FlagGesetzt,
        FlagGeloescht,
        GegenstandVerlangt,
        GegenstandEntfernt,
        GegenstandGegeben,
        Sprung
    };
    /// A flag, item or room named by a script line.
    struct Vorkommen
    {
        Art art;
        QString name;
        /// Without its line's text, which is made only for the few that are reported.
        SkriptStelle stelle;
        /// For a "Goto": the hotspot or script it starts from.
        QString ueber;
        int einzug;
        qint32 befehl;
        QString parameter;

        SkriptStelle mitText() const;
    };
    /// A hotspot named in an item script, checked once every room is known.
    struct HotSpotZeile
    {
        qint32 befehl;
        QString parameter;
        SkriptStelle stelle;
    };
    struct Datei
    {
        QString datei;
        bool raum = true;
        bool lesbar = false;
        QStringList hotSpots;
        QVector<SkriptFehler> fehler;
        QVector<Vorkommen> vorkommen;
        QVector<HotSpotZeile> hotSpotZeilen;
    };

    /// Checks one script (when `pruefen`) and collects what it names. `skriptName` names the
    /// script, `ueber` is what a "Goto" in it starts from.
    void skript(Datei& ziel, const Skript& s, const std::function<QString()>& skriptName,
                const QString& ueber, const std::function<int(qint32)>& dateiZeile, bool pruefen);
    Datei& neu(const QString& datei, bool raum);

    /// By rooms first, then the order of the rooms list.
    QMap<QString, Datei> dateien;
};
