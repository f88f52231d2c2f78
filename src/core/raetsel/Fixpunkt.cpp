// The least fixpoint of what play can reach from the start rooms.
#include "Fixpunkt.h"

#include "script/Befehlstabelle.h"
#include "spiel/Spielpruefung.h"

#include <algorithm>

using namespace Befehlstabelle;

Fixpunkt::Fixpunkt(const Spielpruefung& spiel, const Raetselplan& plan, Erreichbarkeit& e)
    : t(spiel), plan(plan), e(e)
{
}

void Fixpunkt::rechnen()
{
    laeuft.assign(t.wirkung.size(), 0);
    wartet.assign(t.alle.size(), 0);
    flagDa.assign(size_t(t.flags.anzahl()), 0);
    gegenstandDa.assign(size_t(t.gegenstaende.anzahl()), 0);
    stammDa.assign(size_t(t.staemme.anzahl()), 0);
    hotSpotDa.assign(size_t(t.hotSpots.anzahl()), 0);
    raumDa.assign(size_t(t.dateien.size()), 0);
    startSetzen();
    fixpunkt();
    ergebnisFuellen();
}

void Fixpunkt::startSetzen()
{
    for (const QString& s : plan.start) {
        const int nr = t.raumNummer(s);
        if (nr < 0) {
            e.unbekannteStarts << s;
        } else if (!raumDa[nr]) {
            raumDa[nr] = 1;
            e.startRaeume << t.dateien[nr]->datei;
        }
    }
    if (e.startRaeume.isEmpty()) {
        // The rooms no "Goto" of another file leads into.
        std::vector<char> gefuehrt(size_t(t.dateien.size()), 0);
        for (int von = 0; von < t.dateien.size(); ++von) {
            for (const SpielDatei::Sprung& s : t.dateien[von]->spruenge) {
                const int nach = t.gotoNummer(s.parameter);
                if (nach >= 0 && nach != von)
                    gefuehrt[nach] = 1;
            }
        }
        for (int i = 0; i < t.dateien.size(); ++i) {
            if (t.dateien[i]->raum && !gefuehrt[i])
                e.startRaeume << t.dateien[i]->datei, raumDa[i] = 1;
        }
        if (e.startRaeume.isEmpty()) {
            for (int i = 0; i < t.dateien.size(); ++i) {
                if (t.dateien[i]->raum)
                    e.startRaeume << t.dateien[i]->datei, raumDa[i] = 1;
            }
        }
    }
    for (const Raetselplan::Name& b : plan.besitz) {
        if (b.art == Raetselplan::Name::Art::Flag) {
            const int nr = t.flags.finde(b.name);
            if (nr >= 0)
                flagDa[nr] = 1;
            else
                e.flags.insert(b.name);
        } else if (b.art == Raetselplan::Name::Art::Gegenstand) {
            const int nr = t.gegenstaende.finde(b.name);
            if (nr >= 0) {
                gegenstandHinzu(nr);
            } else {
                // No line names it, but an item script may be its.
                e.gegenstaende.insert(b.name);
                const int stamm = t.staemme.finde(Skripttafel::stammVon(b.name));
                if (stamm >= 0)
                    stammDa[stamm] = 1;
            }
        }
    }
}

void Fixpunkt::anstossen(const Nummernlisten<int>& liste, int nr)
{
    for (const int* i = liste.begin(nr); i != liste.end(nr); ++i) {
        if (!wartet[*i]) {
            wartet[*i] = 1;
            warten.push_back(*i);
        }
    }
}

void Fixpunkt::flagHinzu(int nr)
{
    if (!flagDa[nr]) {
        flagDa[nr] = 1;
        anstossen(t.nachFlag, nr);
    }
}

void Fixpunkt::gegenstandHinzu(int nr)
{
    if (gegenstandDa[nr])
        return;
    gegenstandDa[nr] = 1;
    anstossen(t.nachGegenstand, nr);
    const int stamm = t.stammVonGegenstand[nr];
    if (!stammDa[stamm]) {
        stammDa[stamm] = 1;
        anstossen(t.nachStamm, stamm);
    }
}

bool Fixpunkt::offen(const Eintrag& en) const
{
    switch (en.tor) {
    case Tor::Raum:
        return raumDa[en.raum];
    case Tor::HotSpot:
        return raumDa[en.raum] && en.fleck->aktionen[en.aktion] &&
               (en.fleck->aktiv || hotSpotDa[en.hotSpot]);
    case Tor::Gegenstand:
        return stammDa[en.stamm];
    }
    return false;
}

/// The lines that may run with what is known now.
void Fixpunkt::laufen(const Eintrag& en)
{
    const Skript& s = en.skript();
    const qint32 n = s.MaxZeile + 1;
    char* gelaufen = laeuft.data() + en.anfang;
    if (en.ganz || en.bloecke < 0) {
        std::fill(gelaufen, gelaufen + n, 1);
        return;
    }
    std::fill(gelaufen, gelaufen + n, 0);
    const Skriptbloecke& st = t.bloecke[size_t(en.bloecke)];
    const Skripttafel::Wirkung* w = t.wirkung.data() + en.anfang;
    const int* nr = t.nummer.data() + en.anfang;
    stapel.clear();
    const auto gehe = [&](qint32 z) {
        if (z >= 0 && z < n && !gelaufen[z]) {
            gelaufen[z] = 1;
            stapel.push_back(z);
        }
    };
    gehe(0);
    while (!stapel.empty()) {
        const qint32 i = stapel.back();
        stapel.pop_back();
        const qint32 code = s.Befehl[i];
        switch (code) {
        case If:
        case IfItem:
            if ((w[i] == Skripttafel::BrauchtFlag ? flagDa : gegenstandDa)[nr[i]])
                gehe(i + 1);
            gehe(st.sonst[i] >= 0 ? st.sonst[i] + 1 : st.ende[i]);
            break;
        case Else:
        case Case:
            gehe(st.ende[i]);
            break;
        case SelectCase:
            gehe(i + 1);
            for (qint32 c : st.faelle.value(i))
                gehe(c + 1);
            gehe(st.ende[i]);
            break;
        case Jump: {
            const auto marken = st.marken.constFind(s.Parameter[i]);
            if (marken == st.marken.cend()) {
                gehe(i + 1);
            } else {
                for (qint32 m : *marken)
                    gehe(m);
            }
            break;
        }
        default:
            gehe(i + 1);
            break;
        }
    }
}

void Fixpunkt::fixpunkt()
{
    warten.reserve(t.alle.size());
    for (int i = 0; i < int(t.alle.size()); ++i) {
        if (!wartet[i]) {
            wartet[i] = 1;
            warten.push_back(i);
        }
    }
    // Oldest first, as a queue: what a script gives is known before its neighbours run again.
    for (size_t kopf = 0; kopf < warten.size(); ++kopf) {
        const int i = warten[kopf];
        wartet[i] = 0;
        const Eintrag& en = t.alle[size_t(i)];
        if (en.skript().MaxZeile < 0 || !offen(en))
            continue;
        laufen(en);
        wirken(en);
    }
    warten = {};
}

/// What the lines that run add to what is known.
void Fixpunkt::wirken(const Eintrag& en)
{
    const qint32 n = en.skript().MaxZeile + 1;
    for (qint32 z = 0; z < n; ++z) {
        const qsizetype k = en.anfang + z;
        if (!laeuft[k])
            continue;
        const int nr = t.nummer[k];
        switch (t.wirkung[k]) {
        case Skripttafel::SetztFlag:
            flagHinzu(nr);
            break;
        case Skripttafel::GibtGegenstand:
            gegenstandHinzu(nr);
            break;
        case Skripttafel::Aktiviert:
            if (!hotSpotDa[nr]) {
                hotSpotDa[nr] = 1;
                anstossen(t.nachHotSpot, nr);
            }
            break;
        case Skripttafel::Betritt:
            if (!raumDa[nr]) {
                raumDa[nr] = 1;
                anstossen(t.nachRaum, nr);
            }
            break;
        default:
            break;
        }
    }
}

void Fixpunkt::ergebnisFuellen()
{
    for (int i = 0; i < t.dateien.size(); ++i) {
        if (raumDa[i])
            e.raeume.insert(t.dateien[i]->datei);
    }
    const auto fuellen = [](QSet<QString>& menge, const Namensnummern& namen,
                            const std::vector<char>& da) {
        for (int i = 0; i < namen.anzahl(); ++i) {
            if (da[size_t(i)])
                menge.insert(namen.name(i));
        }
    };
    fuellen(e.flags, t.flags, flagDa);
    fuellen(e.gegenstaende, t.gegenstaende, gegenstandDa);
    fuellen(e.hotSpots, t.hotSpots, hotSpotDa);
}
