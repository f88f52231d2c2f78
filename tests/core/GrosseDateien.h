#pragma once

#include "roomfile/ItemSkript.h"
#include "roomfile/RoomFile.h"

// Two versions each of a large room and a large item script, as bytes: several writes of the
// disk's buffers long, so a killed save can stop anywhere inside.
inline QByteArray grosserRaum(int fassung)
{
    Module1 m;
    m.setHintergrund(QStringLiteral("burghof_%1.bmp").arg(fassung));
    for (int h = 0; h < 100; ++h) {
        HotSpot& spot = m.HotSpots[m.neuerHotSpot(h)];
        spot.Name = QStringLiteral("Tür %1, Fassung %2").arg(h).arg(fassung);
        for (int x = fassung; x < HotSpot::Spalten; x += 2)
            spot.Feld[x].fill(true);
    }
    return RoomFile::schreiben(m);
}

inline QByteArray grossesSkript(int fassung)
{
    Skript s;
    s.zeilenAnlegen(20000);
    for (int i = 0; i < 20000; ++i) {
        s.Befehl[i] = (i + fassung) % 33;
        s.Parameter[i] = QStringLiteral("Zeile %1 der Fassung %2: Grüße").arg(i).arg(fassung);
    }
    return ItemSkript::schreiben(s);
}
