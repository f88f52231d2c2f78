// One named region of the room with its three actions.
#pragma once

#include "Skript.h"

#include <QString>
#include <array>

/// One named region of the room with its three actions.
struct HotSpot
{
    static constexpr int Spalten = 64;
    static constexpr int Zeilen = 48;
    /// Action indices: 0 "Sieh an!", 1 "Tue", 2 "Interagiere".
    static constexpr int Aktionen = 3;

    QString Name;
    /// Feld[x][y]: cell x (0..63), y (0..47) belongs to the region.
    std::array<std::array<bool, Zeilen>, Spalten> Feld{};
    std::array<bool, Aktionen> Aktion{};
    std::array<Skript, Aktionen> Skripte;
    bool Aktiv = false;
    /// Cursor file; while editing it may hold a full path, the room file keeps the bare name.
    QString Cursor;

    /// The record a new hotspot starts with: only "Sieh an!" offered, active, and the
    /// "Interagiere" script holding one "Error" line.
    static HotSpot neu(const QString& name);

    bool operator==(const HotSpot& other) const;
    bool operator!=(const HotSpot& other) const { return !(*this == other); }
};
