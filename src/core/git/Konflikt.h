// A place where both sides of a merge changed the same thing differently.
#pragma once

#include "model/HotSpot.h"
#include "model/Skript.h"

#include <QString>
#include <QStringList>

/// A place where both sides of a merge changed the same thing differently. The merged room
/// holds our value there; the record keeps both, so that the author can still choose.
struct Konflikt
{
    enum class Art
    {
        /// The room's background picture.
        Hintergrund,
        /// A field of a hotspot.
        Name,
        Aktion,
        Aktiv,
        Cursor,
        /// Lines of a script.
        Zeilen,
        /// A hotspot one side deleted and the other changed.
        Geloescht,
        /// A hotspot both sides added under one name, differently.
        Hinzugefuegt,
        /// A file of the three that cannot be read to its end: nothing was merged.
        Datei
    };
    /// Which script holds conflicting lines.
    enum class Skriptart
    {
        Start,
        Timer,
        HotSpot,
        Item
    };

    Art art = Art::Zeilen;
    /// The hotspot's name as the merged room has it; empty for the room itself.
    QString hotSpot;
    /// Its index in the merged room. With Art::Geloescht where we deleted it, where theirs would
    /// stand; -1 for the room itself.
    qint32 index = -1;
    /// Art::Aktion and a hotspot's Art::Zeilen: the action (0 to 2).
    int aktion = -1;
    Skriptart skript = Skriptart::HotSpot;

    /// Art::Zeilen: where the lines begin (0-based) in the merged script, in ours and in
    /// theirs, and each side's lines.
    qint32 ab = 0;
    qint32 unsereAb = 0;
    qint32 derenAb = 0;
    Skript unsereZeilen;
    Skript derenZeilen;

    /// Fields and whole hotspots: each side's hotspot as it stands there (absent when deleted).
    HotSpot unserer;
    HotSpot derer;
    bool unsererDa = true;
    bool dererDa = true;
    /// Art::Hintergrund: each side's picture.
    QString unsererHintergrund;
    QString dererHintergrund;

    /// Art::Datei: which file ("BASIS", "UNSERE", "DEREN") and where reading stops.
    QString datei;
    int zeile = 0;

    /// Each side's version as the author reads it: script lines as the script editor shows them
    /// (with the indentation of their script), field values, or what became of a hotspot.
    QStringList unsere;
    QStringList deren;

    /// Art::Zeilen: where each side's lines stand, "Zeile 2", "Zeilen 2 bis 3", "nach Zeile 4".
    QString unsereStelle() const;
    QString derenStelle() const;
    /// What conflicts: "HotSpot „Tür“, Skript „Tue“, Zeilen 2 bis 3", "Hintergrund", ...
    QString beschreibung() const;
};
