#pragma once

#include "model/Module1.h"

#include <QString>

#include <cstdio>
#include <cstdlib>

// Empty when the room keeps the model's rules, else the rule it breaks. Shared by the tests
// and the fuzz targets.
inline QString verletzteRegel(const Module1& m)
{
    // With HotSpotMax -1 the model still holds one element, a blank one.
    if (m.HotSpotMax < -1 || m.HotSpots.size() != qMax(m.HotSpotMax, 0) + 1)
        return QStringLiteral("HotSpots.size() does not fit HotSpotMax");
    if (m.HotSpotMax == -1 && m.HotSpots[0] != HotSpot())
        return QStringLiteral("leftover hotspot behind HotSpotMax -1");
    if (m.Hintergrund().size() != Module1::HintergrundLaenge)
        return QStringLiteral("Hintergrund not 100 chars");
    const auto zuKurz = [](const Skript& s) {
        return s.MaxZeile < -1 || s.Befehl.size() <= s.MaxZeile || s.Parameter.size() <= s.MaxZeile;
    };
    bool kurz = zuKurz(m.StartSkript) || zuKurz(m.TimerSkript);
    for (const HotSpot& h : m.HotSpots)
        for (const Skript& s : h.Skripte)
            kurz = kurz || zuKurz(s);
    return kurz ? QStringLiteral("script arrays shorter than MaxZeile + 1") : QString();
}

// Stops a fuzz run at once when a rule is broken, naming it.
inline void pruefe(bool ok, const char* was)
{
    if (!ok) {
        std::fprintf(stderr, "violated: %s\n", was);
        std::abort();
    }
}
