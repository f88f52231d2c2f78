// The edits an author makes to a room.
#include "RaumBearbeitung.h"

namespace RaumBearbeitung {
namespace {

// For a room and for a const room alike.
template <typename Raum> decltype(auto) skriptAn(Raum& raum, const Stelle& s)
{
    switch (s.art) {
    case Stelle::Art::StartSkript:
        return (raum.StartSkript);
    case Stelle::Art::TimerSkript:
        return (raum.TimerSkript);
    default:
        return (raum.HotSpots[s.hotSpot].Skripte[s.aktion]);
    }
}

} // namespace

bool Stelle::gehoertZuHotSpot() const
{
    return art != Art::StartSkript && art != Art::TimerSkript && art != Art::Hintergrund;
}

bool gibt(const Module1& raum, const Stelle& s)
{
    if (!s.gehoertZuHotSpot())
        return true;
    if (s.hotSpot < 0 || s.hotSpot > raum.HotSpotMax)
        return false;
    const bool mitAktion = s.art == Stelle::Art::Aktion || s.art == Stelle::Art::Skript;
    return !mitAktion || (s.aktion >= 0 && s.aktion < HotSpot::Aktionen);
}

Wert lesen(const Module1& raum, const Stelle& s)
{
    switch (s.art) {
    case Stelle::Art::Name:
        return raum.HotSpots[s.hotSpot].Name;
    case Stelle::Art::Cursor:
        return raum.HotSpots[s.hotSpot].Cursor;
    case Stelle::Art::Aktion:
        return raum.HotSpots[s.hotSpot].Aktion[s.aktion];
    case Stelle::Art::Aktiv:
        return raum.HotSpots[s.hotSpot].Aktiv;
    case Stelle::Art::Hintergrund:
        return raum.Hintergrund();
    default:
        return skriptAn(raum, s);
    }
}

void schreiben(Module1& raum, const Stelle& s, const Wert& wert)
{
    switch (s.art) {
    case Stelle::Art::Name:
        raum.HotSpots[s.hotSpot].Name = std::get<QString>(wert);
        break;
    case Stelle::Art::Cursor:
        raum.HotSpots[s.hotSpot].Cursor = std::get<QString>(wert);
        break;
    case Stelle::Art::Aktion:
        raum.HotSpots[s.hotSpot].Aktion[s.aktion] = std::get<bool>(wert);
        break;
    case Stelle::Art::Aktiv:
        raum.HotSpots[s.hotSpot].Aktiv = std::get<bool>(wert);
        break;
    case Stelle::Art::Hintergrund:
        raum.setHintergrund(std::get<QString>(wert));
        break;
    default:
        skriptAn(raum, s) = std::get<Skript>(wert);
    }
}

QVector<Zelle> unterschied(const decltype(HotSpot::Feld)& a, const decltype(HotSpot::Feld)& b)
{
    QVector<Zelle> zellen;
    Zelle nummer = 0;
    for (int x = 0; x < HotSpot::Spalten; ++x) {
        for (int y = 0; y < HotSpot::Zeilen; ++y, ++nummer) {
            if (a[x][y] != b[x][y])
                zellen.append(nummer);
        }
    }
    return zellen;
}

void umschalten(HotSpot& spot, const QVector<Zelle>& zellen)
{
    for (const Zelle z : zellen) {
        bool& feld = spot.Feld[z / HotSpot::Zeilen][z % HotSpot::Zeilen];
        feld = !feld;
    }
}

void hotSpotEinfuegen(Module1& raum, qint32 index, const HotSpot& spot)
{
    // With no hotspot the array holds one unused record, which the new one replaces.
    if (raum.HotSpotMax < 0)
        raum.HotSpots.clear();
    raum.HotSpots.insert(index, spot);
    ++raum.HotSpotMax;
}

} // namespace RaumBearbeitung
