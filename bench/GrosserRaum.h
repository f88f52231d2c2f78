#pragma once

#include "model/Module1.h"

// 50 hotspots, 2,000 script lines in all (about 0.6 MB of file text), parameters as rooms
// hold them: file names, spoken texts with umlauts, numbers as text.
inline Module1 grosserRaum()
{
    static const char* const texte[] = {"Das Tor ist verschlossen, der Schlüssel fehlt.",
                                        "tuer_knarrt.wav",
                                        "Raum12.rom",
                                        "Hm... vielleicht später.",
                                        "Ein „alter“ Brief, 1894 datiert: 50 €.",
                                        "0",
                                        "12,40"};
    Module1 m;
    m.setHintergrund(QStringLiteral("Burghof_Abend.bmp"));
    int zeilen = 0;
    const auto fuellen = [&](Skript& s, int anzahl) {
        s.zeilenAnlegen(anzahl);
        for (int i = 0; i < anzahl; ++i, ++zeilen) {
            s.Befehl[i] = (zeilen * 7) % 40;
            s.Parameter[i] = QString::fromUtf8(texte[zeilen % 7]);
        }
    };
    fuellen(m.StartSkript, 25);
    fuellen(m.TimerSkript, 25);
    for (int h = 0; h < 50; ++h) {
        HotSpot& spot = m.HotSpots[m.neuerHotSpot(h)];
        spot.Cursor = QStringLiteral("hand.cur");
        for (Skript& s : spot.Skripte)
            fuellen(s, 13); // 25 + 25 + 50 * 3 * 13 = 2,000 lines
        for (int x = 8 + h % 20; x < 24 + h % 20; ++x)
            for (int y = 10; y < 30; ++y)
                spot.Feld[x][y] = true;
    }
    return m;
}
