// A window's slow work off its thread, one at a time, of which only the newest counts.
#include "Nebenlauf.h"

Nebenlauf::Nebenlauf(QObject& fenster, std::function<void()> nochmal)
    : fenster(fenster), nochmal(std::move(nochmal))
{
}

Nebenlauf::~Nebenlauf()
{
    abbrechen();
    lauf.waitForFinished();
}

bool Nebenlauf::frei()
{
    neu = true;
    if (!aktiv)
        return true;
    abbrechen();
    return false;
}

void Nebenlauf::abbrechen()
{
    if (stop)
        *stop = true;
}
