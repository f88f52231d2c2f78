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

/// The number of `name` in `nr`, the next one when it has none.
int nummerVon(QHash<QString, int>& nr, const QString& name)
{
    auto da = nr.find(name);
    if (da == nr.end())
        da = nr.insert(name, int(nr.size()));
    return *da;
}

/// The same, with `name` appended to `namen` when it is new.
int nummerVon(QHash<QString, int>& nr, QStringList& namen, const QString& name)
{
    const int n = nummerVon(nr, name);
    if (n == namen.size())
        namen.append(name);
    return n;
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

template <typename T> void Fixpunkt::Listen<T>::fertig(qsizetype nummern)
{
    anfang.assign(size_t(nummern) + 1, 0);
    for (const auto& p : paare)
        ++anfang[size_t(p.first) + 1];
    for (size_t i = 1; i < anfang.size(); ++i)
        anfang[i] += anfang[i - 1];
    werte.resize(paare.size());
    std::vector<qsizetype> naechster(anfang.begin(), anfang.end() - 1);
    // In the order collected: the first line that gives a name is the one a reason names.
    for (const auto& p : paare)
        werte[size_t(naechster[size_t(p.first)]++)] = p.second;
    paare = {};
}

template <typename T> qsizetype Fixpunkt::Listen<T>::groesse(int nr) const
{
    return nr < 0 || size_t(nr) + 1 >= anfang.size() ? 0 : anfang[nr + 1] - anfang[nr];
}

template <typename T> const T* Fixpunkt::Listen<T>::von(int nr) const
{
    return groesse(nr) > 0 ? werte.data() + anfang[nr] : nullptr;
}

Fixpunkt::Fixpunkt(const Spielpruefung& spiel, const Raetselplan& plan, Erreichbarkeit& e)
    : spiel(spiel), plan(plan), e(e)
{
}

void Fixpunkt::rechnen()
{
    sammeln();
    flagDa.assign(size_t(flagNamen.size()), 0);
    gegenstandDa.assign(size_t(gegenstandNamen.size()), 0);
    stammDa.assign(size_t(stammNr.size()), 0);
    hotSpotDa.assign(size_t(hotSpotSchluessel.size()), 0);
    raumDa.assign(size_t(dateien.size()), 0);
    startSetzen();
    fixpunkt();
    ergebnisFuellen();
}

QString Fixpunkt::stammVon(const QString& bild)
{
    return bild.trimmed().chopped(std::min<qsizetype>(4, bild.trimmed().size())).toCaseFolded();
}

int Fixpunkt::flagNummer(const QString& name)
{
    return nummerVon(flagNr, flagNamen, name);
}

int Fixpunkt::gegenstandNummer(const QString& name)
{
    const int nr = nummerVon(gegenstandNr, gegenstandNamen, name);
    if (size_t(nr) == stammVonGegenstand.size())
        stammVonGegenstand.push_back(nummerVon(stammNr, stammVon(name)));
    return nr;
}

int Fixpunkt::hotSpotNummer(const QString& name)
{
    // The same name is written the same way many times: its key is made once.
    const auto roh = hotSpotNr.constFind(name);
    if (roh != hotSpotNr.cend())
        return *roh;
    const int nr =
        nummerVon(hotSpotSchluesselNr, hotSpotSchluessel, Erreichbarkeit::hotSpotSchluessel(name));
    hotSpotNr.insert(name, nr);
    return nr;
}

int Fixpunkt::gotoNummer(const QString& parameter)
{
    const auto da = gotoNr.constFind(parameter);
    if (da != gotoNr.cend())
        return *da;
    const int nr = raumVon.value(dateiSchluessel(parameter), -1);
    gotoNr.insert(parameter, nr);
    return nr;
}

QString Fixpunkt::raumDurchGoto(const QString& parameter) const
{
    const int nr = raumVon.value(dateiSchluessel(parameter), -1);
    return nr < 0 ? QString() : dateien[nr]->datei;
}

void Fixpunkt::sammeln()
{
    dateien = spiel.dateien();
    for (int i = 0; i < dateien.size(); ++i) {
        if (dateien[i]->raum) {
            raumVon.insert(dateiSchluessel(DateiName(dateien[i]->datei)), i);
            dateiNr.insert(dateien[i]->datei, i);
        }
    }
    qsizetype zeilen = 0;
    for (const auto& d : std::as_const(dateien)) {
        for (const SpielDatei::SkriptDaten& sd : d->skripte)
            zeilen += sd.skript.MaxZeile + 1;
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
                en.stamm = nummerVon(stammNr, stammDerDatei(d.datei));
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
                nachRaum.paare.push_back({en.raum, index});
                break;
            case Tor::HotSpot:
                nachRaum.paare.push_back({en.raum, index});
                nachHotSpot.paare.push_back({en.hotSpot, index});
                break;
            case Tor::Gegenstand:
                nachStamm.paare.push_back({en.stamm, index});
                break;
            }
            en.anfang = qsizetype(wirkung.size());
            alle.push_back(en);
            zeilenSammeln(s, index);
        }
    }
    laeuft.assign(wirkung.size(), 0);
    wartet.assign(alle.size(), 0);
    nachFlag.fertig(flagNamen.size());
    nachGegenstand.fertig(gegenstandNamen.size());
    nachStamm.fertig(stammNr.size());
    nachHotSpot.fertig(hotSpotSchluessel.size());
    nachRaum.fertig(dateien.size());
    setzer.fertig(flagNamen.size());
    geber.fertig(gegenstandNamen.size());
    aktivierer.fertig(hotSpotSchluessel.size());
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
            nr = flagNummer(p);
            nachFlag.paare.push_back({nr, index});
            break;
        case IfItem:
            w = BrauchtGegenstand;
            nr = gegenstandNummer(p);
            nachGegenstand.paare.push_back({nr, index});
            break;
        case HSaktivieren:
            w = Aktiviert;
            nr = hotSpotNummer(p);
            aktivierer.paare.push_back({nr, {index, i}});
            break;
        case Goto:
            nr = gotoNummer(p);
            if (nr >= 0) {
                w = Betritt;
                hinein.paare.push_back({nr, {index, i}});
            }
            break;
        default:
            if (const auto name = SpielDatei::benannt(s.Befehl[i], p)) {
                if (name->first == Namensbuch::Art::FlagGesetzt) {
                    w = SetztFlag;
                    nr = flagNummer(name->second);
                    setzer.paare.push_back({nr, {index, i}});
                } else if (name->first == Namensbuch::Art::GegenstandGegeben) {
                    w = GibtGegenstand;
                    nr = gegenstandNummer(name->second);
                    geber.paare.push_back({nr, {index, i}});
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
        const int nr = raumVon.value(dateiSchluessel(s), -1);
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
            const int nr = flagNr.value(b.name, -1);
            if (nr >= 0)
                flagDa[nr] = 1;
            else
                e.flags.insert(b.name);
        } else if (b.art == Raetselplan::Name::Art::Gegenstand) {
            const auto nr = gegenstandNr.constFind(b.name);
            if (nr != gegenstandNr.cend()) {
                gegenstandHinzu(*nr);
            } else {
                // No line names it, but an item script may be its.
                e.gegenstaende.insert(b.name);
                const int stamm = stammNr.value(stammVon(b.name), -1);
                if (stamm >= 0)
                    stammDa[stamm] = 1;
            }
        }
    }
}

void Fixpunkt::anstossen(const Listen<int>& liste, int nr)
{
    const int* i = liste.von(nr);
    for (qsizetype k = liste.groesse(nr); k > 0; --k, ++i) {
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
    for (int i = 0; i < flagNamen.size(); ++i) {
        if (flagDa[i])
            e.flags.insert(flagNamen[i]);
    }
    for (int i = 0; i < gegenstandNamen.size(); ++i) {
        if (gegenstandDa[i])
            e.gegenstaende.insert(gegenstandNamen[i]);
    }
    for (int i = 0; i < hotSpotSchluessel.size(); ++i) {
        if (hotSpotDa[i])
            e.hotSpots.insert(hotSpotSchluessel[i]);
    }
}

Fixpunkt::Geberliste Fixpunkt::geberVon(NieGrund::Art art, const QString& name) const
{
    const auto liste = [](const Listen<Geber>& l, int nr) {
        const Geber* von = l.von(nr);
        return Geberliste{von, von + l.groesse(nr)};
    };
    switch (art) {
    case NieGrund::Art::FlagNie:
        return liste(setzer, flagNr.value(name, -1));
    case NieGrund::Art::GegenstandNie:
        return liste(geber, gegenstandNr.value(name, -1));
    case NieGrund::Art::HotSpotInaktiv:
        return liste(aktivierer,
                     hotSpotSchluesselNr.value(Erreichbarkeit::hotSpotSchluessel(name), -1));
    case NieGrund::Art::RaumNie:
        return liste(hinein, dateiNr.value(name, -1));
    default:
        return {};
    }
}

QString Fixpunkt::gegebenAls(const Eintrag& en) const
{
    for (int i = 0; i < gegenstandNamen.size(); ++i) {
        if (stammVonGegenstand[size_t(i)] == en.stamm && geber.groesse(i) > 0)
            return gegenstandNamen[i];
    }
    return {};
}
