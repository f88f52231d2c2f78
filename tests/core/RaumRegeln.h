#pragma once

#include "model/Module1.h"

#include <QString>

#include <cstdio>
#include <cstdlib>

// Empty when the room keeps the model's rules, else the rule it breaks. Shared by the tests
// and the fuzz targets.
inline QString verletzteRegel(const Module1& m)
{
    if (m.HotSpots.isEmpty() || m.HotSpotMax < -1 ||
        (m.HotSpotMax >= 0 && m.HotSpots.size() != m.HotSpotMax + 1))
        return QStringLiteral("HotSpots.size() does not fit HotSpotMax");
    if (m.HotSpotMax == -1 && m.HotSpots[0] != HotSpot())
        return QStringLiteral("leftover hotspot behind HotSpotMax -1");
    if (m.Hintergrund().size() != Module1::HintergrundLaenge)
        return QStringLiteral("Hintergrund not 100 chars");
    QVector<const Skript*> skripte{&m.StartSkript, &m.TimerSkript};
    for (const HotSpot& h : m.HotSpots)
        for (const Skript& s : h.Skripte)
            skripte << &s;
    for (const Skript* s : skripte) {
        if (s->MaxZeile < -1 || s->Befehl.size() <= s->MaxZeile ||
            s->Parameter.size() <= s->MaxZeile)
            return QStringLiteral("script arrays shorter than MaxZeile + 1");
    }
    return {};
}

// Stops a fuzz run at once when a rule is broken, naming it.
inline void pruefe(bool ok, const char* was)
{
    if (!ok) {
        std::fprintf(stderr, "violated: %s\n", was);
        std::abort();
    }
}
