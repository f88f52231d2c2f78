// The edits an author makes to a room.
#pragma once

#include "Module1.h"

#include <QVector>
#include <variant>

/// The edits an author makes to a room. Every change of the room goes through these, so that
/// the editor can mark the room changed, keep a copy of it and take the change back.
namespace RaumBearbeitung {

/// A value of the room that one edit replaces whole.
struct Stelle
{
    enum class Art
    {
        Name,
        Cursor,
        Aktion,
        Aktiv,
        /// The script of an action of a hotspot.
        Skript,
        StartSkript,
        TimerSkript,
        Hintergrund
    };
    Art art = Art::Name;
    /// The hotspot, for the values of a hotspot.
    qint32 hotSpot = -1;
    /// The action (0 to 2), for Aktion and Skript.
    int aktion = -1;

    bool gehoertZuHotSpot() const;
    bool operator==(const Stelle& o) const
    {
        return art == o.art && hotSpot == o.hotSpot && aktion == o.aktion;
    }
};

/// What stands at a place: a text (name, cursor, picture), a flag, or a script.
using Wert = std::variant<QString, bool, Skript>;

/// Whether the place exists in this room.
bool gibt(const Module1& raum, const Stelle& stelle);
Wert lesen(const Module1& raum, const Stelle& stelle);
/// Puts `wert` at the place; the picture name is padded or cut as the room holds it.
void schreiben(Module1& raum, const Stelle& stelle, const Wert& wert);

/// A cell of the grid as one number, column by column as the room file stores them.
using Zelle = quint16;
/// The cells in which two grids differ, in ascending order.
QVector<Zelle> unterschied(const decltype(HotSpot::Feld)& a, const decltype(HotSpot::Feld)& b);
/// Flips these cells of the hotspot's grid; flipping them again restores it.
void umschalten(HotSpot& spot, const QVector<Zelle>& zellen);

/// Puts `spot` into the room at `index` (0 to HotSpotMax + 1); the later ones move down.
void hotSpotEinfuegen(Module1& raum, qint32 index, const HotSpot& spot);

} // namespace RaumBearbeitung
