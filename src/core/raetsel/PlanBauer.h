// Builds the steps of the puzzle chart from the game's scripts and marks the way to the goals.
#pragma once

#include "RaetselKarte.h"

/// Fills a chart: a step for every action that needs or gives something, the flags, items,
/// rooms and hotspots between them, and the steps and things that lead to a goal.
class PlanBauer
{
public:
    static void bauen(const Spielpruefung& spiel, const Erreichbarkeit& ablauf,
                      const Raetselplan& plan, RaetselKarte& karte);
};
