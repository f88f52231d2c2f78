// How many faults the game check finds in each script of a room in memory.
#pragma once

#include "model/HotSpot.h"
#include "model/RaumBearbeitung.h"

#include <QString>
#include <QVector>
#include <array>

class Module1;

/// How many faults the game check finds in each script of a room, as it is in memory: the
/// main window shows where they are.
struct RaumFehler
{
    /// By hotspot, then action.
    QVector<std::array<int, HotSpot::Aktionen>> hotSpots;
    int start = 0;
    int timer = 0;

    static RaumFehler zaehlen(const Module1& raum);
    /// Counts again the one script at `stelle` (a hotspot's action, the start or timer
    /// script): the rest of the room is as it was counted.
    void skriptGeaendert(const Module1& raum, const RaumBearbeitung::Stelle& stelle);
    /// A hotspot was renamed: counts again the scripts that name hotspots.
    void namenGeaendert(const Module1& raum);

    /// "2 Fehler: 1 im Skript „Tue“, 1 im Skript „Interagiere“" for hotspot h; empty
    /// without faults.
    QString hotSpotText(qint32 h) const;
    /// "1 Fehler im Startskript"; empty without.
    static QString skriptText(int fehler, const QString& skript);
};
