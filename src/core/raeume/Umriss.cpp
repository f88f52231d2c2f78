// The outline of a hotspot's cells.
#include "Umriss.h"

namespace Umriss {

QVector<QLine> linien(const std::bitset<HotSpot::Spalten * HotSpot::Zeilen>& zellen)
{
    constexpr int breite = HotSpot::Spalten;
    constexpr int hoehe = HotSpot::Zeilen;
    const auto drin = [&zellen](int x, int y) {
        return x >= 0 && y >= 0 && x < breite && y < hoehe && zellen[std::size_t(x * hoehe + y)];
    };
    QVector<QLine> ergebnis;
    // Above each row of cells, and left of each column: runs where the sides differ.
    for (int y = 0; y <= hoehe; ++y) {
        for (int x = 0; x < breite;) {
            if (drin(x, y - 1) == drin(x, y)) {
                ++x;
                continue;
            }
            const int anfang = x;
            while (x < breite && drin(x, y - 1) != drin(x, y))
                ++x;
            ergebnis.append(QLine(anfang, y, x, y));
        }
    }
    for (int x = 0; x <= breite; ++x) {
        for (int y = 0; y < hoehe;) {
            if (drin(x - 1, y) == drin(x, y)) {
                ++y;
                continue;
            }
            const int anfang = y;
            while (y < hoehe && drin(x - 1, y) != drin(x, y))
                ++y;
            ergebnis.append(QLine(x, anfang, x, y));
        }
    }
    return ergebnis;
}

} // namespace Umriss
