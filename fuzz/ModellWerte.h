#pragma once

#include "model/Module1.h"
#include "regeln/Referenzen.h"

#include <QPair>
#include <QVector>

// What a room's model names, read straight from it, beside the checker's observer: the
// background as the file holds it (the model keeps only 100 characters), every hotspot's
// cursor, and every script line whose command names a file.
inline QVector<QPair<Referenz::Art, QString>> modellWerte(const Module1& m,
                                                          const QString& hintergrund)
{
    QVector<QPair<Referenz::Art, QString>> werte{{Referenz::Art::Hintergrund, hintergrund}};
    QVector<const Skript*> skripte{&m.StartSkript, &m.TimerSkript};
    for (qint32 h = 0; h <= m.HotSpotMax; ++h) {
        werte.append({Referenz::Art::Cursor, m.HotSpots[h].Cursor});
        for (const Skript& s : m.HotSpots[h].Skripte)
            skripte << &s;
    }
    for (const Skript* s : skripte) {
        for (qint32 i = 0; i <= s->MaxZeile; ++i) {
            if (const auto art = befehlsArt(s->Befehl[i]))
                werte.append({*art, s->Parameter[i]});
        }
    }
    return werte;
}
