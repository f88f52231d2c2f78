// What the game knows of one room or item script file, read once.
#pragma once

#include "regeln/Namensbuch.h"
#include "regeln/Referenzen.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <array>
#include <bitset>
#include <memory>
#include <optional>

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
    /// Which script of the file.
    RoomFile::SkriptOrt ort;
};

struct SkriptFehler
{
    SkriptStelle stelle;
    QString text;
};

// Texts and numbers only: a list of them grows by moving its memory, not element by element.
Q_DECLARE_TYPEINFO(SkriptStelle, Q_RELOCATABLE_TYPE);
Q_DECLARE_TYPEINFO(SkriptFehler, Q_RELOCATABLE_TYPE);

/// What the game knows of one room or item script file: everything its reader saw, as far as
/// it got, and what the checks of the game need from it. Made once per reading, never
/// changed afterwards, so one version can be shared between threads and indexes.
struct SpielDatei
{
    /// The file, relative to the game folder, with the platform's separators.
    QString datei;
    bool raum = true;
    /// The file could be opened; `vollstaendig`, read to its end.
    bool geoeffnet = false;
    bool vollstaendig = false;
    /// Where reading stopped, when it did not finish (from 1).
    int zeile = 0;
    /// The size and a hash of the bytes it was read from: the same bytes found on disk again
    /// need not be read into it again.
    qsizetype groesse = -1;
    size_t inhalt = 0;
    bool ausBytes(const QByteArray& bytes) const;

    /// A room's background picture as stored, its padding included; null when it was not read.
    QString hintergrund;
    TextBereich hintergrundBereich;

    /// A hotspot read whole.
    struct Fleck
    {
        QString name;
        QString cursor;
        bool aktiv = false;
        /// Which of the three actions the hotspot offers.
        std::array<bool, HotSpot::Aktionen> aktionen{};
        std::bitset<HotSpot::Spalten * HotSpot::Zeilen> zellen;
        HotSpotStellen stellen;

        bool zelle(int x, int y) const { return zellen[std::size_t(x * HotSpot::Zeilen + y)]; }
    };
    QVector<Fleck> hotSpots;

    /// A script as it stands in the file: the start script, the three of every hotspot read
    /// whole, the timer script; an item script's one.
    struct SkriptDaten
    {
        RoomFile::SkriptOrt ort;
        /// As reports name it: "Startskript", "HotSpot "Tür", Tue"; empty in an item script.
        QString name;
        Skript skript;
        SkriptZeilen::Zeilen stellen;
        /// The leading spaces of each line in the script editor; empty when none has any.
        QVector<int> einzuege;
    };
    QVector<SkriptDaten> skripte;

    /// The files it names, also those of a part that was not read whole.
    QVector<Referenz> referenzen;
    /// The hotspots read as far as their name, by index.
    QHash<qint32, QString> hotSpotNamen;

    /// A flag or item named by a script line.
    struct Vorkommen
    {
        Namensbuch::Art art;
        QString name;
        /// Which of `skripte`, and the line.
        int skript;
        qint32 zeile;
    };
    /// A "Goto" that names a file.
    struct Sprung
    {
        QString parameter;
        int skript;
        qint32 zeile;
    };
    QVector<Vorkommen> vorkommen;
    QVector<Sprung> spruenge;
    /// The faults of its scripts on their own; none when it was not read whole.
    QVector<SkriptFehler> fehler;
    /// Lines of an item script that name a hotspot, checked once every room is known.
    QVector<qint32> hotSpotZeilen;

    /// Reads a room file's bytes; without bytes, a file that could not be opened.
    static std::shared_ptr<const SpielDatei> raumLesen(const QString& datei,
                                                       const QByteArray* bytes);
    /// The room in memory, as it would be saved to `datei`.
    static std::shared_ptr<const SpielDatei> raumImSpeicher(const QString& datei,
                                                            const Module1& raum);
    static std::shared_ptr<const SpielDatei> itemSkriptLesen(const QString& datei,
                                                             const QByteArray* bytes);

    /// The flag or item a script line names, and how it uses it.
    static std::optional<std::pair<Namensbuch::Art, QString>> benannt(qint32 befehl,
                                                                      const QString& parameter);

    /// The names of the hotspots read whole.
    QStringList hotSpotListe() const;
    /// The place of line `zeile` of script `skript`, with the line as the script editor shows
    /// it when `mitText`.
    SkriptStelle stelle(int skript, qint32 zeile, bool mitText = true) const;
    /// Which script is at `ort`; -1 when the file has none there.
    int skriptBei(const RoomFile::SkriptOrt& ort) const;
    /// Counts its flags and items into `buch`, or takes them out (`anzahl` -1); without the
    /// script `ohne`, when given.
    void zaehlen(Namensbuch& buch, int anzahl, int ohne = -1) const;
};
