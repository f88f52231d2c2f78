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

} // namespace

Fixpunkt::Fixpunkt(const Spielpruefung& spiel, const Raetselplan& plan, Erreichbarkeit& e)
    : spiel(spiel), plan(plan), e(e)
{
}

void Fixpunkt::rechnen()
{
    sammeln();
    startSetzen();
    fixpunkt();
    for (Eintrag& en : eintraege) {
        if (en.gelaufen.isEmpty())
            en.gelaufen = QBitArray(en.skript().MaxZeile + 1, false);
    }
}

QString Fixpunkt::stammVon(const QString& bild)
{
    return bild.trimmed().chopped(std::min<qsizetype>(4, bild.trimmed().size())).toCaseFolded();
}

QString Fixpunkt::raumDurchGoto(const QString& parameter) const
{
    return raumVon.value(dateiSchluessel(parameter));
}

void Fixpunkt::sammeln()
{
    dateien = spiel.dateien();
    for (const auto& d : dateien) {
        if (d->raum)
            raumVon.insert(dateiSchluessel(DateiName(d->datei)), d->datei);
    }
    for (const auto& dp : dateien) {
        const SpielDatei& d = *dp;
        for (int j = 0; j < d.skripte.size(); ++j) {
            const SpielDatei::SkriptDaten& sd = d.skripte[j];
            Eintrag en{&d, j, Tor::Raum, nullptr, -1, QString(), false, nullptr, QBitArray()};
            if (!d.raum) {
                en.tor = Tor::Gegenstand;
                en.stamm = stammDerDatei(d.datei);
            } else if (sd.ort.art == RoomFile::SkriptOrt::Art::HotSpot) {
                if (sd.ort.hotSpot < 0 || sd.ort.hotSpot >= d.hotSpots.size())
                    continue;
                en.tor = Tor::HotSpot;
                en.fleck = &d.hotSpots[sd.ort.hotSpot];
                en.aktion = sd.ort.aktion;
            }
            const int index = int(eintraege.size());
            const Skript& s = sd.skript;
            if (s.MaxZeile >= 0) {
                en.struktur = std::make_unique<Skriptbloecke>(s);
                en.ganz = !d.vollstaendig || !en.struktur->ausgeglichen;
            }
            switch (en.tor) {
            case Tor::Raum:
                nachRaum[d.datei].append(index);
                break;
            case Tor::HotSpot:
                nachRaum[d.datei].append(index);
                nachHotSpot[Erreichbarkeit::hotSpotSchluessel(en.fleck->name)].append(index);
                break;
            case Tor::Gegenstand:
                nachStamm[en.stamm].append(index);
                break;
            }
            for (qint32 i = 0; i <= s.MaxZeile; ++i) {
                const QString& p = s.Parameter[i];
                switch (s.Befehl[i]) {
                case If:
                    nachFlag[p].append(index);
                    break;
                case IfItem:
                    nachGegenstand[p].append(index);
                    break;
                case HSaktivieren:
                    aktivierer[Erreichbarkeit::hotSpotSchluessel(p)].append({index, i});
                    break;
                case Goto: {
                    const QString nach = raumDurchGoto(p);
                    if (!nach.isNull())
                        hinein[nach].append({index, i});
                    break;
                }
                default:
                    if (const auto name = SpielDatei::benannt(s.Befehl[i], p)) {
                        if (name->first == Namensbuch::Art::FlagGesetzt)
                            setzer[name->second].append({index, i});
                        else if (name->first == Namensbuch::Art::GegenstandGegeben)
                            geber[name->second].append({index, i});
                    }
                    break;
                }
            }
            eintraege.push_back(std::move(en));
        }
    }
    wartet.assign(eintraege.size(), false);
}

void Fixpunkt::startSetzen()
{
    for (const QString& s : plan.start) {
        const QString raum = raumDurchGoto(s);
        if (raum.isNull())
            e.unbekannteStarts << s;
        else if (!e.startRaeume.contains(raum))
            e.startRaeume << raum;
    }
    if (e.startRaeume.isEmpty()) {
        QSet<QString> gefuehrt;
        for (const Verbindung& v : spiel.verbindungen()) {
            if (v.nachDa && v.nach != v.von)
                gefuehrt.insert(v.nach);
        }
        for (const auto& d : dateien) {
            if (d->raum && !gefuehrt.contains(d->datei))
                e.startRaeume << d->datei;
        }
        if (e.startRaeume.isEmpty()) {
            for (const auto& d : dateien) {
                if (d->raum)
                    e.startRaeume << d->datei;
            }
        }
    }
    for (const QString& r : std::as_const(e.startRaeume))
        e.raeume.insert(r);
    for (const Raetselplan::Name& b : plan.besitz) {
        if (b.art == Raetselplan::Name::Art::Flag)
            e.flags.insert(b.name);
        else if (b.art == Raetselplan::Name::Art::Gegenstand)
            gegenstandHinzu(b.name);
    }
}

void Fixpunkt::gegenstandHinzu(const QString& name)
{
    if (e.gegenstaende.contains(name))
        return;
    e.gegenstaende.insert(name);
    anstossen(nachGegenstand.value(name));
    const QString stamm = stammVon(name);
    if (!staemme.contains(stamm)) {
        staemme.insert(stamm);
        anstossen(nachStamm.value(stamm));
    }
}

void Fixpunkt::anstossen(const QVector<int>& liste)
{
    for (int i : liste) {
        if (!wartet[i]) {
            wartet[i] = true;
            warten.enqueue(i);
        }
    }
}

bool Fixpunkt::offen(const Eintrag& en) const
{
    switch (en.tor) {
    case Tor::Raum:
        return e.raeume.contains(en.d->datei);
    case Tor::HotSpot:
        return e.raeume.contains(en.d->datei) && en.fleck->aktionen[en.aktion] &&
               (en.fleck->aktiv ||
                e.hotSpots.contains(Erreichbarkeit::hotSpotSchluessel(en.fleck->name)));
    case Tor::Gegenstand:
        return staemme.contains(en.stamm);
    }
    return false;
}

/// The lines that may run with what is known now.
QBitArray Fixpunkt::laufen(const Eintrag& en) const
{
    const Skript& s = en.skript();
    const qint32 n = s.MaxZeile + 1;
    if (en.ganz)
        return QBitArray(n, true);
    const Skriptbloecke& st = *en.struktur;
    QBitArray gelaufen(n, false);
    QVector<qint32> stapel;
    const auto gehe = [&](qint32 z) {
        if (z >= 0 && z < n && !gelaufen.testBit(z)) {
            gelaufen.setBit(z);
            stapel.append(z);
        }
    };
    gehe(0);
    while (!stapel.isEmpty()) {
        const qint32 i = stapel.takeLast();
        const qint32 code = s.Befehl[i];
        switch (code) {
        case If:
        case IfItem:
            if ((code == If ? e.flags : e.gegenstaende).contains(s.Parameter[i]))
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
    return gelaufen;
}

void Fixpunkt::fixpunkt()
{
    for (int i = 0; i < int(eintraege.size()); ++i) {
        wartet[i] = true;
        warten.enqueue(i);
    }
    while (!warten.isEmpty()) {
        const int i = warten.dequeue();
        wartet[i] = false;
        Eintrag& en = eintraege[i];
        if (!en.struktur || !offen(en))
            continue;
        en.gelaufen = laufen(en);
        const Skript& s = en.skript();
        for (qint32 z = 0; z <= s.MaxZeile; ++z) {
            if (en.gelaufen.testBit(z))
                wirken(s.Befehl[z], s.Parameter[z]);
        }
    }
}

/// What a line that runs adds to what is known.
void Fixpunkt::wirken(qint32 code, const QString& p)
{
    switch (code) {
    case HSaktivieren: {
        const QString k = Erreichbarkeit::hotSpotSchluessel(p);
        if (!e.hotSpots.contains(k)) {
            e.hotSpots.insert(k);
            anstossen(nachHotSpot.value(k));
        }
        return;
    }
    case Goto: {
        const QString nach = raumDurchGoto(p);
        if (!nach.isNull() && !e.raeume.contains(nach)) {
            e.raeume.insert(nach);
            anstossen(nachRaum.value(nach));
        }
        return;
    }
    default:
        break;
    }
    if (const auto name = SpielDatei::benannt(code, p)) {
        if (name->first == Namensbuch::Art::FlagGesetzt && !e.flags.contains(name->second)) {
            e.flags.insert(name->second);
            anstossen(nachFlag.value(name->second));
        } else if (name->first == Namensbuch::Art::GegenstandGegeben) {
            gegenstandHinzu(name->second);
        }
    }
}
