#pragma once

#include "model/Module1.h"

#include <QByteArray>
#include <QString>
#include <optional>

/// The room file: background picture, start script, hotspots, timer script.
namespace RoomFile {

struct LeseErgebnis
{
    /// The file was read to the end of the timer script.
    bool vollstaendig = false;
    /// Where reading stopped, when it did not finish (1-based line).
    int zeile = 0;
    /// The picture name was read into Hintergrund.
    bool hintergrundGelesen = false;
    /// The hotspot count was read: the old hotspots are gone, HotSpots holds what was read.
    bool hotSpotsErsetzt = false;
};

/// Reads a room into the room part of `raum`, item by item. Reading stops at the first item
/// that cannot be read; what was read before stays, the rest of the room is left as it was.
/// Counts always agree with what was read: a hotspot or script line cut short is dropped.
LeseErgebnis lesen(const QByteArray& bytes, Module1& raum);

QByteArray schreiben(const Module1& raum);

/// The first item of a room file, the background picture, if it reads as a text.
std::optional<QString> hintergrundLesen(const QByteArray& bytes);

/// Whether two picture names name the same picture: trimmed, bare file name, any case.
bool gleichesBild(const QString& a, const QString& b);

} // namespace RoomFile
