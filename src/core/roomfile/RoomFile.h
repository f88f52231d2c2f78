// The room file: reading and writing a room.
#pragma once

#include "ScriptBlock.h"
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

/// Which script of a room a block of lines belongs to.
struct SkriptOrt
{
    enum class Art
    {
        Start,
        HotSpot,
        Timer
    };
    Art art = Art::Start;
    /// With Art::HotSpot: the hotspot's index and the action (0 to 2).
    qint32 hotSpot = -1;
    int aktion = -1;
};

/// Told the values of a room as they are read, also those of a hotspot that is cut short
/// and so never reaches the model. The script lines that follow skriptBeginnt belong to it.
class Beobachter : public ScriptBlock::Beobachter
{
public:
    virtual void hintergrundGelesen(const QString& bild, TextBereich bereich) = 0;
    virtual void skriptBeginnt(const SkriptOrt& ort) = 0;
    virtual void cursorGelesen(qint32 hotSpot, const QString& cursor, int dateiZeile,
                               TextBereich bereich) = 0;
    virtual void nameGelesen(qint32 hotSpot, const QString& name, int dateiZeile,
                             TextBereich bereich) = 0;
};

/// Reads a room into the room part of `raum`, item by item. Reading stops at the first item
/// that cannot be read; what was read before stays, the rest of the room is left as it was.
/// Counts always agree with what was read: a hotspot or script line cut short is dropped.
/// A `beobachter` is told every value it reads, up to where it stopped.
LeseErgebnis lesen(const QByteArray& bytes, Module1& raum, Beobachter* beobachter = nullptr);

QByteArray schreiben(const Module1& raum);

/// Whether two rooms write the same file: what a room file does not hold (the folder of a
/// cursor, say) does not count. Far cheaper than writing both.
bool gleicherInhalt(const Module1& a, const Module1& b);

/// The first item of a room file, the background picture, if it reads as a text.
std::optional<QString> hintergrundLesen(const QByteArray& bytes);

/// Whether two picture names name the same picture: trimmed, bare file name, any case.
bool gleichesBild(const QString& a, const QString& b);

} // namespace RoomFile
