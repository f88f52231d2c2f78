// The outline of a hotspot's cells.
#pragma once

#include "model/HotSpot.h"

#include <QLine>
#include <QVector>
#include <bitset>

/// The outline of a hotspot's cells: the sides between a cell of it and one that is not (or
/// the edge of the room), joined into lines, in cells (0..64, 0..48).
namespace Umriss {

QVector<QLine> linien(const std::bitset<HotSpot::Spalten * HotSpot::Zeilen>& zellen);

} // namespace Umriss
