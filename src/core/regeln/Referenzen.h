// The files a room or item script names, and where.
#pragma once

#include "roomfile/ItemSkript.h"
#include "roomfile/RoomFile.h"

#include <QHash>
#include <QString>
#include <QVector>
#include <array>
#include <optional>

/// A value in a room or item script that names a file of the game folder.
struct Referenz
{
    /// What is named, and so the folder it lies in.
    enum class Art
    {
        Hintergrund, // graphics, or the path as stored
        Bild,        // "LoadPic": graphics
        Klang,       // "PlayWav": sounds
        Film,        // "PlayAvi": movies
        Musik,       // "PlayMusic": musics
        Raum,        // "Goto": rooms
        Gegenstand,  // "Add", "Remove", "IfItem": items
        Cursor       // a hotspot's cursor: cursors
    };
    Art art = Art::Bild;
    /// As stored, padding and folders included.
    QString wert;
    /// The script of a script line; for a cursor, its hotspot.
    RoomFile::SkriptOrt ort;
    /// The script line (from 0), or -1 for a background or cursor.
    qint32 zeile = -1;
    qint32 befehl = -1;
    /// The file's line (from 1) of the command code, the background or the cursor.
    int dateiZeile = 0;
};

/// What a script line of command `befehl` names, if it names a file.
std::optional<Referenz::Art> befehlsArt(qint32 befehl);

/// How a report names a room's script: "Startskript", "Timerskript", or "HotSpot "name",
/// <action>" with the name from `namen`, or "HotSpot Nr. n" (from 1) when it was not read.
QString skriptName(const RoomFile::SkriptOrt& ort, const QHash<qint32, QString>& namen);

/// Where every script line stands in the file, by script, as read.
struct SkriptZeilen
{
    struct Zeilen
    {
        /// The file's line (from 1) of each line's command code.
        QVector<int> datei;
        /// Where each line's parameter lies.
        QVector<TextBereich> parameter;
    };
    Zeilen start;
    Zeilen timer;
    /// By hotspot index, then action.
    QVector<std::array<Zeilen, HotSpot::Aktionen>> hotSpots;

    /// The lines of the script at `ort`, made when it has none yet.
    Zeilen& von(const RoomFile::SkriptOrt& ort);
    /// Those lines; null when none were read.
    const Zeilen* bei(const RoomFile::SkriptOrt& ort) const;
    /// The file line of script line `zeile` at `ort`; 0 when it was not read.
    int zeile(const RoomFile::SkriptOrt& ort, qint32 zeile) const;
};

/// Where a hotspot's texts lie in its room file.
struct HotSpotStellen
{
    TextBereich name;
    int nameZeile = 0;
    TextBereich cursor;
};

/// What a room file names, read with the editor's own room reader, also what stands before
/// the place where reading stopped.
struct RaumReferenzen
{
    /// A file that could not be opened has `zeile` 0.
    RoomFile::LeseErgebnis ergebnis;
    QVector<Referenz> referenzen;
    /// The hotspots read as far as their name, by index.
    QHash<qint32, QString> hotSpotNamen;
    SkriptZeilen dateiZeilen;
    TextBereich hintergrund;
    /// By hotspot index, as far as they were read.
    QHash<qint32, HotSpotStellen> hotSpotStellen;
};

/// Reads a room file's bytes into `arbeitsRaum`, which only serves as the reader's room.
RaumReferenzen raumReferenzen(const QByteArray& bytes, Module1& arbeitsRaum);
/// The same for the room file at `pfad`; `puffer` holds its bytes and is reused from file to
/// file.
RaumReferenzen raumDateiLesen(const QString& pfad, Module1& arbeitsRaum, QByteArray& puffer);

/// What an item script file names.
struct ItemSkriptReferenzen
{
    QString name;
    /// A file that could not be opened has `zeile` 0.
    ItemSkript::LeseErgebnis ergebnis;
    QVector<Referenz> referenzen;
    /// The lines read, and where each stands in the file.
    Skript skript;
    SkriptZeilen::Zeilen dateiZeilen;
};

/// What the item script file `name` holding `bytes` names.
ItemSkriptReferenzen itemSkriptReferenzen(const QString& name, const QByteArray& bytes);
/// Every item script (".skp") of the items folder, in the order of dateiListe.
QVector<ItemSkriptReferenzen> itemSkripteLesen(const QString& itemsPfad);
