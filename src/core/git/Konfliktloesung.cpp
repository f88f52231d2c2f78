// The author's choices at the conflicts of a merged room, and the edits each makes.
#include "Konfliktloesung.h"

#include "SkriptZusammenfuehrung.h"

#include <algorithm>

namespace {

using Art = Konflikt::Art;

// A hotspot we deleted and they changed: in the room only when theirs was chosen.
bool vonUnsGeloescht(const Konflikt& k)
{
    return k.art == Art::Geloescht && !k.unsererDa;
}

bool vonIhnenGeloescht(const Konflikt& k)
{
    return k.art == Art::Geloescht && k.unsererDa;
}

qint32 laenge(const Skript& s)
{
    return std::max(s.MaxZeile + 1, 0);
}

} // namespace

Konfliktloesung::Konfliktloesung(QVector<Konflikt> konflikte)
    : liste(std::move(konflikte)), wahlen(liste.size(), Wahl::Offen)
{
}

bool Konfliktloesung::moeglich(int i, Wahl w) const
{
    const Konflikt& k = liste[i];
    if (w == Wahl::Beide)
        return k.art == Art::Zeilen;
    if (w == Wahl::Deren)
        return k.art != Art::Datei;
    return true;
}

int Konfliktloesung::offene() const
{
    return int(std::count(wahlen.cbegin(), wahlen.cend(), Wahl::Offen));
}

int Konfliktloesung::naechsteOffene(int i) const
{
    const int n = int(wahlen.size());
    for (int schritt = 1; schritt <= n; ++schritt) {
        const int j = (i + schritt) % n;
        if (wahlen[j] == Wahl::Offen)
            return j;
    }
    return -1;
}

bool Konfliktloesung::vorhanden(int j) const
{
    const Konflikt& k = liste[j];
    if (vonUnsGeloescht(k))
        return wahlen[j] == Wahl::Deren;
    if (vonIhnenGeloescht(k))
        return wahlen[j] != Wahl::Deren;
    return true;
}

qint32 Konfliktloesung::hotSpotIndex(int i) const
{
    const Konflikt& k = liste[i];
    qint32 index = k.index;
    for (int j = 0; j < liste.size(); ++j) {
        const Konflikt& a = liste[j];
        if (j == i)
            continue;
        // A hotspot of theirs put back comes before the merged hotspot at its place.
        if (vonUnsGeloescht(a) && vorhanden(j) &&
            (a.index < k.index || (a.index == k.index && (!vonUnsGeloescht(k) || j < i))))
            ++index;
        if (vonIhnenGeloescht(a) && !vorhanden(j) && a.index < k.index)
            --index;
    }
    return index;
}

Skript Konfliktloesung::gewaehlteZeilen(int i, Wahl w) const
{
    const Konflikt& k = liste[i];
    if (w == Wahl::Deren)
        return k.derenZeilen;
    Skript s = k.unsereZeilen;
    if (w == Wahl::Beide)
        SkriptZusammenfuehrung::anhaengen(s, k.derenZeilen, 0, laenge(k.derenZeilen));
    return s;
}

bool Konfliktloesung::gleichesSkript(const Konflikt& a, const Konflikt& b) const
{
    return a.art == Art::Zeilen && b.art == Art::Zeilen && a.skript == b.skript &&
           (a.skript != Konflikt::Skriptart::HotSpot ||
            (a.index == b.index && a.aktion == b.aktion));
}

qint32 Konfliktloesung::zeilenAb(int i) const
{
    qint32 ab = liste[i].ab;
    for (int j = 0; j < liste.size(); ++j) {
        if (j != i && gleichesSkript(liste[j], liste[i]) && liste[j].ab < liste[i].ab)
            ab += laenge(gewaehlteZeilen(j, wahlen[j])) - laenge(liste[j].unsereZeilen);
    }
    return ab;
}

QStringList Konfliktloesung::fassung(int i, Wahl w) const
{
    if (w == Wahl::Beide)
        return liste[i].unsere + liste[i].deren;
    return w == Wahl::Deren ? liste[i].deren : liste[i].unsere;
}

std::optional<QVector<Konfliktloesung::Aenderung>>
Konfliktloesung::aenderungen(const Module1& raum, int i, Wahl neu, QString* grund) const
{
    const Konflikt& k = liste[i];
    const Wahl jetzt = wahlen[i] == Wahl::Offen ? Wahl::Unsere : wahlen[i];
    if (neu == Wahl::Offen)
        neu = Wahl::Unsere;
    QVector<Aenderung> aenderungen;
    const auto geaendert = [&] {
        if (grund)
            *grund = QStringLiteral("%1 wurde seit dem Zusammenführen geändert; bitte von Hand "
                                    "lösen.")
                         .arg(k.beschreibung());
        return std::nullopt;
    };
    if (!moeglich(i, neu))
        return std::nullopt;
    if (neu == jetzt)
        return aenderungen;

    const qint32 index = hotSpotIndex(i);
    const bool hotSpotDa = index >= 0 && index <= raum.HotSpotMax;
    const auto wert = [&](RaumBearbeitung::Stelle::Art art, int aktion,
                          const RaumBearbeitung::Wert& alt,
                          const RaumBearbeitung::Wert& wert) -> bool {
        RaumBearbeitung::Stelle stelle{
            art, art == RaumBearbeitung::Stelle::Art::Hintergrund ? qint32(-1) : index, aktion};
        if (!RaumBearbeitung::gibt(raum, stelle) || RaumBearbeitung::lesen(raum, stelle) != alt)
            return false;
        aenderungen.append({Aenderung::Art::Wert, stelle, wert, -1, {}});
        return true;
    };
    const bool unsereJetzt = jetzt == Wahl::Unsere;
    const auto seiten = [&](const auto& unser, const auto& ihr) {
        return std::pair{unsereJetzt ? unser : ihr, unsereJetzt ? ihr : unser};
    };
    using S = RaumBearbeitung::Stelle::Art;
    switch (k.art) {
    case Art::Hintergrund: {
        const auto [alt, wert_] = seiten(k.unsererHintergrund, k.dererHintergrund);
        if (!wert(S::Hintergrund, -1, alt, wert_))
            return geaendert();
        break;
    }
    case Art::Name: {
        const auto [alt, wert_] = seiten(k.unserer.Name, k.derer.Name);
        if (!wert(S::Name, -1, alt, wert_))
            return geaendert();
        break;
    }
    case Art::Cursor: {
        const auto [alt, wert_] = seiten(k.unserer.Cursor, k.derer.Cursor);
        if (!wert(S::Cursor, -1, alt, wert_))
            return geaendert();
        break;
    }
    case Art::Aktion: {
        const auto [alt, wert_] = seiten(k.unserer.Aktion[k.aktion], k.derer.Aktion[k.aktion]);
        if (!wert(S::Aktion, k.aktion, alt, wert_))
            return geaendert();
        break;
    }
    case Art::Aktiv: {
        const auto [alt, wert_] = seiten(k.unserer.Aktiv, k.derer.Aktiv);
        if (!wert(S::Aktiv, -1, alt, wert_))
            return geaendert();
        break;
    }
    case Art::Zeilen: {
        const RaumBearbeitung::Stelle stelle{
            k.skript == Konflikt::Skriptart::Start   ? S::StartSkript
            : k.skript == Konflikt::Skriptart::Timer ? S::TimerSkript
                                                     : S::Skript,
            k.skript == Konflikt::Skriptart::HotSpot ? index : qint32(-1), k.aktion};
        if (!RaumBearbeitung::gibt(raum, stelle))
            return geaendert();
        const Skript skript = std::get<Skript>(RaumBearbeitung::lesen(raum, stelle));
        const Skript alt = gewaehlteZeilen(i, jetzt);
        const qint32 ab = zeilenAb(i);
        if (ab + laenge(alt) > laenge(skript))
            return geaendert();
        for (qint32 z = 0; z < laenge(alt); ++z) {
            if (skript.Befehl[ab + z] != alt.Befehl[z] ||
                skript.Parameter[ab + z] != alt.Parameter[z])
                return geaendert();
        }
        Skript neuesSkript;
        SkriptZusammenfuehrung::anhaengen(neuesSkript, skript, 0, ab);
        const Skript gewaehlt = gewaehlteZeilen(i, neu);
        SkriptZusammenfuehrung::anhaengen(neuesSkript, gewaehlt, 0, laenge(gewaehlt));
        SkriptZusammenfuehrung::anhaengen(neuesSkript, skript, ab + laenge(alt), laenge(skript));
        aenderungen.append({Aenderung::Art::Wert, stelle, neuesSkript, -1, {}});
        break;
    }
    case Art::Geloescht:
    case Art::Hinzugefuegt: {
        // What stands there now, and what the choice puts there; a hotspot that is not there
        // is none.
        const auto stehtDa = [&](Wahl w) -> std::optional<HotSpot> {
            const bool unser = w == Wahl::Unsere;
            if (unser ? !k.unsererDa : !k.dererDa)
                return std::nullopt;
            return unser ? k.unserer : k.derer;
        };
        const std::optional<HotSpot> vorher = stehtDa(jetzt);
        const std::optional<HotSpot> nachher = stehtDa(neu);
        if (vorher) {
            if (!hotSpotDa || raum.HotSpots[index].Name != vorher->Name)
                return geaendert();
            aenderungen.append({Aenderung::Art::HotSpotRaus, {}, {}, index, raum.HotSpots[index]});
        }
        if (nachher)
            aenderungen.append({Aenderung::Art::HotSpotRein, {}, {}, index, *nachher});
        break;
    }
    case Art::Datei:
        break;
    }
    return aenderungen;
}
