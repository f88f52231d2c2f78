// The patches of hotspot cells as the overview of all hotspots shows them.
#include "Flecken.h"

#include "Strich.h"
#include "model/Module1.h"

#include <algorithm>

namespace Flecken {

Belegung belegung(const Module1& raum)
{
    Belegung anzahl{};
    for (qint32 h = 0; h <= raum.HotSpotMax && h < raum.HotSpots.size(); ++h) {
        const bool* zelle = raum.HotSpots[h].Feld[0].data();
        for (std::size_t i = 0; i < anzahl.size(); ++i)
            anzahl[i] = quint8(std::min(anzahl[i] + int(zelle[i]), 255));
    }
    return anzahl;
}

std::optional<QPointF> namensOrt(const HotSpot& spot)
{
    constexpr int spalten = HotSpot::Spalten;
    constexpr int zeilen = HotSpot::Zeilen;
    // Patch number of every cell, 0 for none; a flood fill with a stack of its own.
    std::array<int, spalten * zeilen> fleck{};
    QVector<int> stapel;
    QVector<int> groesse{0};
    int groesster = 0;
    for (int x = 0; x < spalten; ++x) {
        for (int y = 0; y < zeilen; ++y) {
            if (!spot.Feld[x][y] || fleck[x * zeilen + y] != 0)
                continue;
            const int nummer = int(groesse.size());
            groesse.append(0);
            stapel = {x * zeilen + y};
            fleck[x * zeilen + y] = nummer;
            while (!stapel.isEmpty()) {
                const int i = stapel.takeLast();
                ++groesse[nummer];
                const int cx = i / zeilen;
                const int cy = i % zeilen;
                const auto nachbar = [&](int nx, int ny) {
                    if (nx < 0 || ny < 0 || nx >= spalten || ny >= zeilen || !spot.Feld[nx][ny] ||
                        fleck[nx * zeilen + ny] != 0)
                        return;
                    fleck[nx * zeilen + ny] = nummer;
                    stapel.append(nx * zeilen + ny);
                };
                nachbar(cx - 1, cy);
                nachbar(cx + 1, cy);
                nachbar(cx, cy - 1);
                nachbar(cx, cy + 1);
            }
            if (groesse[nummer] > groesse[groesster])
                groesster = nummer;
        }
    }
    if (groesster == 0)
        return std::nullopt;

    double sx = 0, sy = 0;
    for (int i = 0; i < spalten * zeilen; ++i) {
        if (fleck[i] == groesster) {
            sx += i / zeilen + 0.5;
            sy += i % zeilen + 0.5;
        }
    }
    const QPointF mitte(sx / groesse[groesster], sy / groesse[groesster]);
    const int mx = std::clamp(int(mitte.x()), 0, spalten - 1);
    const int my = std::clamp(int(mitte.y()), 0, zeilen - 1);
    if (fleck[mx * zeilen + my] == groesster)
        return mitte * Strich::Pixel;
    int beste = -1;
    double abstand = 0;
    for (int i = 0; i < spalten * zeilen; ++i) {
        if (fleck[i] != groesster)
            continue;
        const double dx = i / zeilen + 0.5 - mitte.x();
        const double dy = i % zeilen + 0.5 - mitte.y();
        if (beste < 0 || dx * dx + dy * dy < abstand) {
            beste = i;
            abstand = dx * dx + dy * dy;
        }
    }
    return QPointF(beste / zeilen + 0.5, beste % zeilen + 0.5) * Strich::Pixel;
}

} // namespace Flecken
