// What can ever happen in play: rooms, flags, items, hotspots and script lines, from the start.
#pragma once

#include "Raetselplan.h"
#include "spiel/SpielDatei.h"

#include <QBitArray>
#include <QHash>
#include <QSet>
#include <QString>
#include <QVector>

class Spielpruefung;

/// Why lines can never run, as far as one link: the name whose lack blocks them.
struct NieGrund
{
    enum class Art
    {
        /// The room of the script is never entered.
        RaumNie,
        /// The hotspot is inactive and nothing that runs activates it.
        HotSpotInaktiv,
        /// The action is not offered ("Tue" unticked).
        NichtAngeboten,
        /// Nothing that runs sets the flag.
        FlagNie,
        /// Nothing that runs gives the item.
        GegenstandNie,
        /// A "Jump" before them leads past them.
        Uebersprungen,
    };
    Art art = Art::Uebersprungen;
    /// The room file, hotspot, action, flag or item.
    QString name;
    /// For FlagNie, GegenstandNie, HotSpotInaktiv and RaumNie: a line that would give it but
    /// never runs itself, when there is one.
    std::optional<SkriptStelle> nurIn;
    /// The line before is a "Jump" without a condition.
    bool sprungDavor = false;

    /// The German reason, as the report and the windows show it.
    QString text() const;
};

/// A stretch of lines of one script that can never run: a whole script, a branch, the lines
/// after a "Jump".
struct NieBefund
{
    /// Its first line; `bis`, its last (script lines, from 0).
    SkriptStelle stelle;
    qint32 bis = 0;
    /// Which of the file's scripts.
    int skript = 0;
    NieGrund grund;
};

// Texts, numbers and an optional place: a game's thousands of findings grow by moving memory.
Q_DECLARE_TYPEINFO(NieGrund, Q_RELOCATABLE_TYPE);
Q_DECLARE_TYPEINFO(NieBefund, Q_RELOCATABLE_TYPE);

/// A goal of the plan and whether play can reach it; if not, the first missing link.
struct ZielStand
{
    Raetselplan::Name ziel;
    bool erreichbar = false;
    /// The link at which the way to it breaks first, and where, when a line names it.
    NieGrund fehlt;
    std::optional<SkriptStelle> stelle;

    /// "Ziel „raum:keller.lsd“ wird nie erreicht: ..." (empty when it is reachable).
    QString text() const;
};

/// The least fixpoint of what play can reach from the start rooms: rooms entered, flags maybe
/// set, items maybe held, hotspots maybe active, and every script line that may run. It claims
/// "never" only where no order of play makes a thing happen: "Goto" and everything else is
/// taken to let a script go on, "DelFlag", "Remove" and "HSdeaktivieren" are ignored, every
/// "Else" and "Case" may run. A script that is unbalanced or not read whole counts as running
/// whole when it may run, and nothing in it is claimed never.
struct Erreichbarkeit
{
    /// The start rooms used (room files relative to the game folder): the plan's, else the
    /// rooms no "Goto" leads to, else every room.
    QStringList startRaeume;
    /// Names of the plan's start rooms that are no room of the game.
    QStringList unbekannteStarts;

    QSet<QString> raeume;
    QSet<QString> flags;
    QSet<QString> gegenstaende;
    /// Hotspot names as compared (trimmed, case folded) of hotspots that may be active.
    QSet<QString> hotSpots;

    /// Per file and script, the lines that may run (a script that cannot run: none).
    QHash<QString, QVector<QBitArray>> zeilen;

    /// Ordered by file (as the game lists them), script and line.
    QVector<NieBefund> nie;
    QVector<ZielStand> ziele;

    /// Whether line `zeile` of script `skript` of `datei` may run; unknown places may.
    bool laeuft(const QString& datei, int skript, qint32 zeile) const;
    /// The finding that holds the line, or null.
    const NieBefund* befundBei(const QString& datei, int skript, qint32 zeile) const;
    /// Goals that can never be reached: faults.
    int fehlendeZiele() const;

    static Erreichbarkeit berechnen(const Spielpruefung& spiel, const Raetselplan& plan);

    /// The key under which hotspot names are compared.
    static QString hotSpotSchluessel(const QString& name);
};
