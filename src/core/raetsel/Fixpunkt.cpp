// The least fixpoint of what play can reach from the start rooms.
#include "Fixpunkt.h"

#include "model/DateiName.h"
#include "script/Befehlstabelle.h"
#include "spiel/Spielpruefung.h"

#include <algorithm>

using namespace Befehlstabelle;

namespace {

/// An item script file's item: "items/Kerze1.skp" → "kerze".
QString stammDerDatei(const QString& datei)
{
    QString name = DateiName(datei);
    name.chop(std::min<qsizetype>(5, name.size())); // ".skp" and the action's digit
    return name.toCaseFolded();
}

/// Lines that a walk must follow by the blocks; without them a script runs straight through.
bool hatBloecke(const Skript& s)
{
    for (qint32 i = 0; i <= s.MaxZeile; ++i) {
        switch (s.Befehl[i]) {
        case If:
        case IfItem:
        case Else:
        case EndIf:
        case SelectCase:
        case Case:
        case EndSelect:
        case Jump:
            return true;
        default:
            break;
        }
    }
    return false;
}

} // namespace

Fixpunkt::Fixpunkt(const Spielpruefung& spiel, const Raetselplan& plan, Erreichbarkeit& e)
    : spiel(spiel), plan(plan), e(e)
{
}

void Fixpunkt::rechnen()
{
    sammeln();
    flagDa.assign(size_t(flags.anzahl()), 0);
    gegenstandDa.assign(size_t(gegenstaende.anzahl()), 0);
    stammDa.assign(size_t(staemme.anzahl()), 0);
    hotSpotDa.assign(size_t(hotSpots.anzahl()), 0);
    raumDa.assign(size_t(dateien.size()), 0);
    startSetzen();
    fixpunkt();
    ergebnisFuellen();
}

QString Fixpunkt::stammVon(const QString& bild)
{
    return bild.trimmed().chopped(std::min<qsizetype>(4, bild.trimmed().size())).toCaseFolded();
}

int Fixpunkt::gegenstandNummer(const QString& name)
{
    const int nr = gegenstaende.nummer(name);
    if (size_t(nr) == stammVonGegenstand.size())
        stammVonGegenstand.push_back(staemme.nummer(stammVon(name)));
    return nr;
}

int Fixpunkt::hotSpotNummer(const QString& name)
{
    // The same name is written the same way many times: its key is made once.
    const int nr = hotSpotNamen.nummer(name);
    if (size_t(nr) == hotSpotVonName.size())
        hotSpotVonName.push_back(hotSpots.nummer(Erreichbarkeit::hotSpotSchluessel(name)));
    return hotSpotVonName[size_t(nr)];
}

int Fixpunkt::gotoNummer(const QString& parameter)
{
    const int nr = gotoParameter.nummer(parameter);
    if (size_t(nr) == gotoRaum.size()) {
        const int schluessel = raumSchluessel.finde(dateiSchluessel(parameter));
        gotoRaum.push_back(schluessel < 0 ? -1 : raumVonSchluessel[size_t(schluessel)]);
    }
    return gotoRaum[size_t(nr)];
}

QString Fixpunkt::raumDurchGoto(const QString& parameter) const
{
    const int schluessel = raumSchluessel.finde(dateiSchluessel(parameter));
    return schluessel < 0 ? QString() : dateien[raumVonSchluessel[size_t(schluessel)]]->datei;
}

void Fixpunkt::sammeln()
{
    dateien = spiel.dateien();
    // Room for every name at once: growing the tables step by step took a third as long
    // as numbering the names.
    qsizetype zeilen = 0, flagZeilen = 0, gegenstandZeilen = 0, gotoZeilen = 0;
    for (const auto& d : std::as_const(dateien)) {
        for (const SpielDatei::SkriptDaten& sd : d->skripte) {
            zeilen += sd.skript.MaxZeile + 1;
            for (qint32 i = 0; i <= sd.skript.MaxZeile; ++i) {
                switch (sd.skript.Befehl[i]) {
                case If:
                case SetFlag:
                case Spiel:
                    ++flagZeilen;
                    break;
                case IfItem:
                case Add:
                    ++gegenstandZeilen;
                    break;
                case Goto:
                    ++gotoZeilen;
                    break;
                default:
                    break;
                }
            }
        }
    }
    flags.reserve(flagZeilen);
    gegenstaende.reserve(gegenstandZeilen);
    gotoParameter.reserve(gotoZeilen);
    raumSchluessel.reserve(dateien.size());
    raumDateien.reserve(dateien.size());
    for (int i = 0; i < dateien.size(); ++i) {
        if (dateien[i]->raum) {
            const int nr = raumSchluessel.nummer(dateiSchluessel(DateiName(dateien[i]->datei)));
            raumVonSchluessel.resize(size_t(raumSchluessel.anzahl()));
            raumVonSchluessel[size_t(nr)] = i;
            raumDateien.nummer(dateien[i]->datei);
            raumVonDatei.push_back(i);
        }
    }
    wirkung.reserve(size_t(zeilen));
    nummer.reserve(size_t(zeilen));
    for (int nr = 0; nr < dateien.size(); ++nr) {
        const SpielDatei& d = *dateien[nr];
        for (int j = 0; j < d.skripte.size(); ++j) {
            const SpielDatei::SkriptDaten& sd = d.skripte[j];
            Eintrag en{&d, j, Tor::Raum};
            if (!d.raum) {
                en.tor = Tor::Gegenstand;
                en.stamm = staemme.nummer(stammDerDatei(d.datei));
            } else if (sd.ort.art == RoomFile::SkriptOrt::Art::HotSpot) {
                if (sd.ort.hotSpot < 0 || sd.ort.hotSpot >= d.hotSpots.size())
                    continue;
                en.tor = Tor::HotSpot;
                en.fleck = &d.hotSpots[sd.ort.hotSpot];
                en.aktion = sd.ort.aktion;
                en.hotSpot = hotSpotNummer(en.fleck->name);
            }
            if (d.raum)
                en.raum = nr;
            const int index = int(alle.size());
            const Skript& s = sd.skript;
            if (s.MaxZeile >= 0 && hatBloecke(s)) {
                bloecke.emplace_back(s);
                en.bloecke = int(bloecke.size()) - 1;
                en.ganz = !d.vollstaendig || !bloecke.back().ausgeglichen;
            } else if (s.MaxZeile >= 0) {
                en.ganz = !d.vollstaendig;
            }
            switch (en.tor) {
            case Tor::Raum:
                nachRaum.hinzu(en.raum, index);
                break;
            case Tor::HotSpot:
                nachRaum.hinzu(en.raum, index);
                nachHotSpot.hinzu(en.hotSpot, index);
                break;
            case Tor::Gegenstand:
                nachStamm.hinzu(en.stamm, index);
                break;
            }
            en.anfang = qsizetype(wirkung.size());
            alle.push_back(en);
            zeilenSammeln(s, index);
        }
    }
    laeuft.assign(wirkung.size(), 0);
    wartet.assign(alle.size(), 0);
    nachFlag.fertig(flags.anzahl());
    nachGegenstand.fertig(gegenstaende.anzahl());
    nachStamm.fertig(staemme.anzahl());
    nachHotSpot.fertig(hotSpots.anzahl());
    nachRaum.fertig(dateien.size());
    setzer.fertig(flags.anzahl());
    geber.fertig(gegenstaende.anzahl());
    aktivierer.fertig(hotSpots.anzahl());
    hinein.fertig(dateien.size());
}

void Fixpunkt::zeilenSammeln(const Skript& s, int index)
{
    for (qint32 i = 0; i <= s.MaxZeile; ++i) {
        const QString& p = s.Parameter[i];
        Wirkung w = Nichts;
        int nr = -1;
        switch (s.Befehl[i]) {
        case If:
            w = BrauchtFlag;
            nr = flags.nummer(p);
            nachFlag.hinzu(nr, index);
            break;
        case IfItem:
            w = BrauchtGegenstand;
            nr = gegenstandNummer(p);
            nachGegenstand.hinzu(nr, index);
            break;
        case HSaktivieren:
            w = Aktiviert;
            nr = hotSpotNummer(p);
            aktivierer.hinzu(nr, {index, i});
            break;
        case Goto:
            nr = gotoNummer(p);
            if (nr >= 0) {
                w = Betritt;
                hinein.hinzu(nr, {index, i});
            }
            break;
        default:
            if (const auto name = SpielDatei::benannt(s.Befehl[i], p)) {
                if (name->first == Namensbuch::Art::FlagGesetzt) {
                    w = SetztFlag;
                    nr = flags.nummer(name->second);
                    setzer.hinzu(nr, {index, i});
                } else if (name->first == Namensbuch::Art::GegenstandGegeben) {
                    w = GibtGegenstand;
                    nr = gegenstandNummer(name->second);
                    geber.hinzu(nr, {index, i});
                }
            }
            break;
        }
        wirkung.push_back(w);
        nummer.push_back(nr);
    }
}

void Fixpunkt::startSetzen()
{
    for (const QString& s : plan.start) {
        const int schluessel = raumSchluessel.finde(dateiSchluessel(s));
        const int nr = schluessel < 0 ? -1 : raumVonSchluessel[size_t(schluessel)];
        if (nr < 0) {
            e.unbekannteStarts << s;
        } else if (!raumDa[nr]) {
            raumDa[nr] = 1;
            e.startRaeume << dateien[nr]->datei;
        }
    }
    if (e.startRaeume.isEmpty()) {
        // The rooms no "Goto" of another file leads into.
        std::vector<char> gefuehrt(size_t(dateien.size()), 0);
        for (int von = 0; von < dateien.size(); ++von) {
            for (const SpielDatei::Sprung& s : dateien[von]->spruenge) {
                const int nach = gotoNummer(s.parameter);
                if (nach >= 0 && nach != von)
                    gefuehrt[nach] = 1;
            }
        }
        for (int i = 0; i < dateien.size(); ++i) {
            if (dateien[i]->raum && !gefuehrt[i])
                e.startRaeume << dateien[i]->datei, raumDa[i] = 1;
        }
        if (e.startRaeume.isEmpty()) {
            for (int i = 0; i < dateien.size(); ++i) {
                if (dateien[i]->raum)
                    e.startRaeume << dateien[i]->datei, raumDa[i] = 1;
            }
        }
    }
    for (const Raetselplan::Name& b : plan.besitz) {
        if (b.art == Raetselplan::Name::Art::Flag) {
            const int nr = flags.finde(b.name);
            if (nr >= 0)
                flagDa[nr] = 1;
            else
                e.flags.insert(b.name);
        } else if (b.art == Raetselplan::Name::Art::Gegenstand) {
            const int nr = gegenstaende.finde(b.name);
            if (nr >= 0) {
                gegenstandHinzu(nr);
            } else {
                // No line names it, but an item script may be its.
                e.gegenstaende.insert(b.name);
                const int stamm = staemme.finde(stammVon(b.name));
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
        anstossen(nachFlag, nr);
    }
}

void Fixpunkt::gegenstandHinzu(int nr)
{
    if (gegenstandDa[nr])
        return;
    gegenstandDa[nr] = 1;
    anstossen(nachGegenstand, nr);
    const int stamm = stammVonGegenstand[nr];
    if (!stammDa[stamm]) {
        stammDa[stamm] = 1;
        anstossen(nachStamm, stamm);
    }
}

const Skriptbloecke* Fixpunkt::bloeckeVon(const Eintrag& en) const
{
    return en.bloecke < 0 ? nullptr : &bloecke[size_t(en.bloecke)];
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
    const Skriptbloecke& st = bloecke[size_t(en.bloecke)];
    const Wirkung* w = wirkung.data() + en.anfang;
    const int* nr = nummer.data() + en.anfang;
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
            if ((w[i] == BrauchtFlag ? flagDa : gegenstandDa)[nr[i]])
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
    warten.reserve(alle.size());
    for (int i = 0; i < int(alle.size()); ++i) {
        if (!wartet[i]) {
            wartet[i] = 1;
            warten.push_back(i);
        }
    }
    // Oldest first, as a queue: what a script gives is known before its neighbours run again.
    for (size_t kopf = 0; kopf < warten.size(); ++kopf) {
        const int i = warten[kopf];
        wartet[i] = 0;
        const Eintrag& en = alle[size_t(i)];
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
        const int nr = nummer[k];
        switch (wirkung[k]) {
        case SetztFlag:
            flagHinzu(nr);
            break;
        case GibtGegenstand:
            gegenstandHinzu(nr);
            break;
        case Aktiviert:
            if (!hotSpotDa[nr]) {
                hotSpotDa[nr] = 1;
                anstossen(nachHotSpot, nr);
            }
            break;
        case Betritt:
            if (!raumDa[nr]) {
                raumDa[nr] = 1;
                anstossen(nachRaum, nr);
            }
            break;
        default:
            break;
        }
    }
}

void Fixpunkt::ergebnisFuellen()
{
    for (int i = 0; i < dateien.size(); ++i) {
        if (raumDa[i])
            e.raeume.insert(dateien[i]->datei);
    }
    const auto fuellen = [](QSet<QString>& menge, const Namensnummern& namen,
                            const std::vector<char>& da) {
        for (int i = 0; i < namen.anzahl(); ++i) {
            if (da[size_t(i)])
                menge.insert(namen.name(i));
        }
    };
    fuellen(e.flags, flags, flagDa);
    fuellen(e.gegenstaende, gegenstaende, gegenstandDa);
    fuellen(e.hotSpots, hotSpots, hotSpotDa);
}

Fixpunkt::Geberliste Fixpunkt::geberVon(NieGrund::Art art, const QString& name) const
{
    const auto liste = [](const Nummernlisten<Geber>& l, int nr) {
        return Geberliste{l.begin(nr), l.end(nr)};
    };
    switch (art) {
    case NieGrund::Art::FlagNie:
        return liste(setzer, flags.finde(name));
    case NieGrund::Art::GegenstandNie:
        return liste(geber, gegenstaende.finde(name));
    case NieGrund::Art::HotSpotInaktiv:
        return liste(aktivierer, hotSpots.finde(Erreichbarkeit::hotSpotSchluessel(name)));
    case NieGrund::Art::RaumNie: {
        const int nr = raumDateien.finde(name);
        return liste(hinein, nr < 0 ? -1 : raumVonDatei[size_t(nr)]);
    }
    default:
        return {};
    }
}

QString Fixpunkt::gegebenAls(const Eintrag& en) const
{
    for (int i = 0; i < gegenstaende.anzahl(); ++i) {
        if (stammVonGegenstand[size_t(i)] == en.stamm && !geber.leer(i))
            return gegenstaende.name(i);
    }
    return {};
}
