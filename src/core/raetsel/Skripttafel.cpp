// Every script of the game as the analysis of what can ever happen reads it.
#include "Skripttafel.h"

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

QString Skripttafel::stammVon(const QString& bild)
{
    return bild.trimmed().chopped(std::min<qsizetype>(4, bild.trimmed().size())).toCaseFolded();
}

int Skripttafel::gegenstandNummer(const QString& name)
{
    const int nr = gegenstaende.nummer(name);
    if (size_t(nr) == stammVonGegenstand.size())
        stammVonGegenstand.push_back(staemme.nummer(stammVon(name)));
    return nr;
}

int Skripttafel::hotSpotNummer(const QString& name)
{
    // The same name is written the same way many times: its key is made once.
    const int nr = hotSpotNamen.nummer(name);
    if (size_t(nr) == hotSpotVonName.size())
        hotSpotVonName.push_back(hotSpots.nummer(Erreichbarkeit::hotSpotSchluessel(name)));
    return hotSpotVonName[size_t(nr)];
}

int Skripttafel::gotoNummer(const QString& parameter)
{
    const int nr = gotoParameter.nummer(parameter);
    if (size_t(nr) == gotoRaum.size()) {
        gotoRaum.push_back(raumNummer(parameter));
    }
    return gotoRaum[size_t(nr)];
}

int Skripttafel::raumNummer(const QString& parameter) const
{
    const int schluessel = raumSchluessel.finde(dateiSchluessel(parameter));
    return schluessel < 0 ? -1 : raumVonSchluessel[size_t(schluessel)];
}

QString Skripttafel::raumDurchGoto(const QString& parameter) const
{
    const int nr = raumNummer(parameter);
    return nr < 0 ? QString() : dateien[nr]->datei;
}

Skripttafel::Skripttafel(const Spielpruefung& spiel) : dateien(spiel.dateien())
{
    // Room for every name at once: growing the tables step by step took a third as long
    // as numbering the names.
    qsizetype zeilen = 0, flagZeilen = 0, gegenstandZeilen = 0, gotoZeilen = 0, skripte = 0;
    for (const auto& d : std::as_const(dateien)) {
        skripte += d->skripte.size();
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
    alle.reserve(size_t(skripte));
    wirkung.reserve(size_t(zeilen));
    nummer.reserve(size_t(zeilen));
    // A hotspot's three scripts come one after the other: its number is looked up once.
    const SpielDatei::Fleck* letzterFleck = nullptr;
    int letzteNummer = -1;
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
                if (en.fleck != letzterFleck) {
                    letzterFleck = en.fleck;
                    letzteNummer = hotSpotNummer(en.fleck->name);
                }
                en.hotSpot = letzteNummer;
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

void Skripttafel::zeilenSammeln(const Skript& s, int index)
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

const Skriptbloecke* Skripttafel::bloeckeVon(const Eintrag& en) const
{
    return en.bloecke < 0 ? nullptr : &bloecke[size_t(en.bloecke)];
}

Skripttafel::Geberliste Skripttafel::geberVon(NieGrund::Art art, const QString& name) const
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

QString Skripttafel::gegebenAls(const Eintrag& en) const
{
    for (int i = 0; i < gegenstaende.anzahl(); ++i) {
        if (stammVonGegenstand[size_t(i)] == en.stamm && !geber.leer(i))
            return gegenstaende.name(i);
    }
    return {};
}
