// The game's files together and the checks only the whole game shows.
#include "Spielpruefung.h"

#include "model/BildPfad.h"
#include "model/DateiName.h"
#include "model/Module1.h"
#include "regeln/SkriptRegeln.h"
#include "regeln/ZweiHaelften.h"

#include <QDir>
#include <QHash>
#include <QSet>
#include <QVarLengthArray>
#include <algorithm>

namespace {

/// Names in the order of the rooms list: letter case first ignored, then by code.
QString namensSchluessel(const QString& name)
{
    return name.toCaseFolded() + QChar(0) + name;
}

} // namespace

bool Verbindung::operator<(const Verbindung& o) const
{
    const auto schluessel = [](const Verbindung& v) {
        return std::make_tuple(namensSchluessel(v.von), namensSchluessel(v.nach), v.ueber);
    };
    return schluessel(*this) < schluessel(o);
}

bool Verbindung::operator==(const Verbindung& o) const
{
    return von == o.von && ueber == o.ueber && nach == o.nach && nachDa == o.nachDa;
}

QString Spielpruefung::schluessel(const QString& datei, bool raum)
{
    return QLatin1Char(raum ? '0' : '1') + namensSchluessel(DateiName(datei));
}

void Spielpruefung::setzen(std::shared_ptr<const SpielDatei> datei)
{
    std::shared_ptr<const SpielDatei>& platz = alle[schluessel(datei->datei, datei->raum)];
    if (platz)
        platz->zaehlen(buch, -1);
    datei->zaehlen(buch, 1);
    platz = std::move(datei);
}

void Spielpruefung::entfernen(const QString& datei)
{
    for (const bool raum : {true, false}) {
        const auto it = alle.find(schluessel(datei, raum));
        if (it != alle.end() && (*it)->datei == datei) {
            (*it)->zaehlen(buch, -1);
            alle.erase(it);
        }
    }
}

std::shared_ptr<const SpielDatei> Spielpruefung::datei(const QString& datei) const
{
    for (const bool raum : {true, false}) {
        const std::shared_ptr<const SpielDatei> d = alle.value(schluessel(datei, raum));
        if (d && d->datei == datei)
            return d;
    }
    return nullptr;
}

QVector<std::shared_ptr<const SpielDatei>> Spielpruefung::dateien() const
{
    return QVector<std::shared_ptr<const SpielDatei>>(alle.cbegin(), alle.cend());
}

QStringList Spielpruefung::alleHotSpots() const
{
    QStringList namen;
    for (const auto& d : alle)
        namen += d->hotSpotListe();
    namen.removeDuplicates();
    return namen;
}

QVector<SkriptFehler> Spielpruefung::fehler() const
{
    const QStringList hotSpots = alleHotSpots();
    QVector<SkriptFehler> ergebnis;
    for (const auto& d : alle) {
        const qsizetype anfang = ergebnis.size();
        ergebnis += d->fehler;
        // An item script runs in any room: a hotspot it names must be in one of them.
        for (const qint32 z : d->hotSpotZeilen) {
            const Skript& s = d->skripte[0].skript;
            if (!SkriptRegeln::hotSpotBenannt(s.Befehl[z], s.Parameter[z], hotSpots))
                ergebnis.append(
                    {d->stelle(0, z),
                     SkriptRegeln::hotSpotFehlt(s.Befehl[z], s.Parameter[z], hotSpots, false)});
        }
        if (!d->raum)
            std::stable_sort(ergebnis.begin() + anfang, ergebnis.end(),
                             [](const SkriptFehler& a, const SkriptFehler& b) {
                                 return a.stelle.zeile < b.stelle.zeile;
                             });
    }
    return ergebnis;
}

namespace {

/// What a "Goto" in script `skript` of `d` starts from: its hotspot, "Startskript",
/// "Timerskript", nothing in an item script.
QString ueber(const SpielDatei& d, int skript)
{
    const RoomFile::SkriptOrt& ort = d.skripte[skript].ort;
    if (!d.raum)
        return {};
    switch (ort.art) {
    case RoomFile::SkriptOrt::Art::Start:
        return QStringLiteral("Startskript");
    case RoomFile::SkriptOrt::Art::Timer:
        return QStringLiteral("Timerskript");
    case RoomFile::SkriptOrt::Art::HotSpot:
        break;
    }
    return d.hotSpots[ort.hotSpot].name;
}

/// Each room by the key under which "Goto" finds it.
QHash<QString, QString>
raeumeNachSchluessel(const QMap<QString, std::shared_ptr<const SpielDatei>>& alle)
{
    QHash<QString, QString> raumVon;
    for (const auto& d : alle) {
        if (d->raum)
            raumVon.insert(dateiSchluessel(DateiName(d->datei)), d->datei);
    }
    return raumVon;
}

} // namespace

QVector<SpielHinweis> Spielpruefung::hinweise(const QStringList& startRaeume) const
{
    struct Name
    {
        QString name;
        /// Its letter case folded, for the order: folded once.
        QString gefaltet;
        QVarLengthArray<std::pair<const SpielDatei*, const SpielDatei::Vorkommen*>, 2> stellen;
    };
    QHash<QString, Name> flags, gegenstaende;
    const QHash<QString, QString> raumVon = raeumeNachSchluessel(alle);
    QHash<QString, QString> ziele; // "Goto" parameter to the room file it names
    QSet<QString> erreicht;
    for (const auto& datei : alle) {
        const SpielDatei& d = *datei;
        for (const SpielDatei::Sprung& s : d.spruenge) {
            // Many lines name the same room in the same spelling: its key is made once.
            auto nach = ziele.constFind(s.parameter);
            if (nach == ziele.cend())
                nach = ziele.insert(s.parameter, raumVon.value(dateiSchluessel(s.parameter)));
            // A room that only leads to itself is still not reached.
            if (!nach->isNull() && *nach != d.datei)
                erreicht.insert(*nach);
        }
        for (const SpielDatei::Vorkommen& v : d.vorkommen) {
            Name& n = (Namensbuch::istFlag(v.art) ? flags : gegenstaende)[v.name];
            if (n.stellen.isEmpty()) {
                n.name = v.name;
                n.gefaltet = v.name.toCaseFolded();
            }
            n.stellen.append({&d, &v});
        }
    }
    const auto ordnen = [](const QHash<QString, Name>& namen) {
        QVector<const Name*> liste;
        liste.reserve(namen.size());
        for (const Name& n : namen)
            liste.append(&n);
        std::sort(liste.begin(), liste.end(), [](const Name* a, const Name* b) {
            return std::tie(a->gefaltet, a->name) < std::tie(b->gefaltet, b->name);
        });
        return liste;
    };

    QVector<std::pair<bool, const Name*>> namen;
    for (const bool flag : {true, false}) {
        for (const Name* n : ordnen(flag ? flags : gegenstaende))
            namen.append({flag, n});
    }
    // Each name's hint on its own, thousands of them in two halves at once.
    QVector<SpielHinweis> jeName(namen.size());
    inZweiHaelften(namen.size(), 1000, [&](qsizetype von, qsizetype bis) {
        for (qsizetype i = von; i < bis; ++i) {
            const auto [flag, n] = namen[i];
            SpielHinweis& h = jeName[i];
            h.text = buch.hinweis(flag, n->name);
            if (h.text.isNull())
                continue;
            h.stellen.reserve(n->stellen.size());
            for (const auto& [d, v] : n->stellen)
                h.stellen.append(d->stelle(v->skript, v->zeile));
        }
    });
    QVector<SpielHinweis> ergebnis;
    for (SpielHinweis& h : jeName) {
        if (!h.text.isNull())
            ergebnis.append(std::move(h));
    }
    for (const QString& start : startRaeume)
        erreicht.insert(raumVon.value(dateiSchluessel(start)));
    for (const auto& d : alle) {
        if (d->raum && !erreicht.contains(d->datei))
            ergebnis.append({QStringLiteral("Kein \"Goto\" führt in diesen Raum"), d->datei, {}});
    }
    return ergebnis;
}

QVector<KartenRaum> Spielpruefung::raeume() const
{
    QVector<KartenRaum> ergebnis;
    for (const auto& d : alle) {
        if (!d->raum)
            continue;
        KartenRaum r{d->datei, d->vollstaendig, {}, {}};
        for (const SpielDatei::Vorkommen& v : d->vorkommen) {
            if (v.art == Namensbuch::Art::GegenstandGegeben)
                r.gibt << v.name;
            else if (v.art == Namensbuch::Art::GegenstandVerlangt)
                r.braucht << v.name;
        }
        for (QStringList* liste : {&r.gibt, &r.braucht}) {
            liste->removeDuplicates();
            liste->sort();
        }
        ergebnis.append(r);
    }
    return ergebnis;
}

QVector<Verbindung> Spielpruefung::verbindungen() const
{
    const QHash<QString, QString> raumVon = raeumeNachSchluessel(alle);
    QVector<Verbindung> ergebnis;
    for (const auto& d : alle) {
        for (const SpielDatei::Sprung& s : d->spruenge) {
            const QString nach = raumVon.value(dateiSchluessel(s.parameter));
            ergebnis.append({d->datei, ueber(*d, s.skript),
                             nach.isNull() ? QDir::toNativeSeparators(
                                                 QStringLiteral("rooms/") +
                                                 dateiSchluesselTeil(s.parameter).toString())
                                           : nach,
                             !nach.isNull()});
        }
    }
    // In the order of operator<, each name folded once: folded inside every comparison, the
    // sort of a thousand rooms' "Goto"s took longer than all the rest of the analysis.
    struct Geordnet
    {
        QString von, nach;
        qsizetype i;
    };
    QVector<Geordnet> ordnung;
    ordnung.reserve(ergebnis.size());
    for (qsizetype i = 0; i < ergebnis.size(); ++i)
        ordnung.append({namensSchluessel(ergebnis[i].von), namensSchluessel(ergebnis[i].nach), i});
    std::sort(ordnung.begin(), ordnung.end(), [&ergebnis](const Geordnet& a, const Geordnet& b) {
        if (const int c = a.von.compare(b.von))
            return c < 0;
        if (const int c = a.nach.compare(b.nach))
            return c < 0;
        return ergebnis[a.i].ueber < ergebnis[b.i].ueber;
    });
    QVector<Verbindung> geordnet;
    geordnet.reserve(ergebnis.size());
    for (const Geordnet& g : std::as_const(ordnung)) {
        if (geordnet.isEmpty() || !(geordnet.last() == ergebnis[g.i]))
            geordnet.append(std::move(ergebnis[g.i]));
    }
    return geordnet;
}
