// What play can reach from the start rooms: the least fixpoint over rooms entered, flags and
// items maybe given, hotspots maybe active, and the lines of each script that may run.
#pragma once

#include "Skripttafel.h"

#include <vector>

/// Works out what play can reach into an Erreichbarkeit: its start rooms, rooms, flags, items
/// and hotspots; keeps each script's lines that may run.
class Fixpunkt
{
public:
    using Eintrag = Skripttafel::Eintrag;

    Fixpunkt(const Spielpruefung& spiel, const Raetselplan& plan, Erreichbarkeit& e);

    void rechnen();

    const Skripttafel& tafel() const { return t; }
    /// Line `zeile` of the script may run.
    bool gelaufen(const Eintrag& en, qint32 zeile) const { return laeuft[en.anfang + zeile]; }
    /// The script may run.
    bool offen(const Eintrag& en) const;
    /// Its room is entered.
    bool betreten(const Eintrag& en) const { return en.raum >= 0 && raumDa[en.raum]; }

private:
    using Tor = Skripttafel::Tor;

    void startSetzen();
    void fixpunkt();
    void laufen(const Eintrag& en);
    void wirken(const Eintrag& en);
    void anstossen(const Nummernlisten<int>& liste, int nr);
    void flagHinzu(int nr);
    void gegenstandHinzu(int nr);
    void ergebnisFuellen();

    Skripttafel t;
    const Raetselplan& plan;
    Erreichbarkeit& e;

    std::vector<char> flagDa, gegenstandDa, stammDa, hotSpotDa, raumDa;
    /// Each line of every script may run, by `Eintrag::anfang` + line.
    std::vector<char> laeuft;
    std::vector<int> warten;
    std::vector<char> wartet;
    std::vector<qint32> stapel;
};
