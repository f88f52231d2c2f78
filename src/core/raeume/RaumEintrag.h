// A room of the game as the rooms window lists it.
#pragma once

#include "spiel/SpielDatei.h"

#include <QString>
#include <QVector>
#include <memory>

class Spielpruefung;

/// A room of the game as the rooms window lists it.
struct RaumEintrag
{
    /// The room file, relative to the game folder, with the platform's separators.
    QString datei;
    /// Its bare file name.
    QString name;
    std::shared_ptr<const SpielDatei> raum;
    /// The hotspots read whole.
    int hotSpots = 0;
    /// The faults of its scripts.
    int fehler = 0;
    /// Why it cannot be read, in German ("Lesen bricht in Zeile 12 ab"); empty when it can.
    QString grund;

    bool lesbar() const { return grund.isEmpty(); }

    /// Every room of the game, in the order of the rooms list.
    static QVector<RaumEintrag> alle(const Spielpruefung& spiel);
    static RaumEintrag von(std::shared_ptr<const SpielDatei> raum);
};
