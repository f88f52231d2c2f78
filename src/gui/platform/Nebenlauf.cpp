// A window's slow work off its thread, one at a time, of which only the newest counts.
#include "Nebenlauf.h"

Nebenlauf::Nebenlauf(QObject& fenster) : fenster(fenster) {}

Nebenlauf::~Nebenlauf()
{
    abbrechen();
    lauf.waitForFinished();
}

void Nebenlauf::abbrechen()
{
    if (stop)
        *stop = true;
}
