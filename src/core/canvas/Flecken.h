// The patches of hotspot cells as the overview of all hotspots shows them.
#pragma once

#include "model/HotSpot.h"

#include <QPointF>
#include <QVector>
#include <array>
#include <optional>

class Module1;

/// The patches of hotspot cells as the overview of all hotspots shows them.
namespace Flecken {

/// How many of the room's hotspots hold a cell, by column x and row y (x * Zeilen + y).
using Belegung = std::array<quint8, HotSpot::Spalten * HotSpot::Zeilen>;

/// Counts, for every cell, the hotspots 0 to HotSpotMax that hold it (at most 255).
Belegung belegung(const Module1& raum);

/// Where the hotspot's name goes, in canvas pixels: the centre of its largest patch (cells
/// joined by a side; of equal ones the first by column, then row). That is the patch's
/// centre of mass when it lies on the patch, else the middle of the patch's cell nearest to
/// it, so a name never stands beside its region. Nothing for a hotspot without cells.
std::optional<QPointF> namensOrt(const HotSpot& spot);

} // namespace Flecken
