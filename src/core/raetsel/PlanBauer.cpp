// Builds the steps of the puzzle chart from the game's scripts and marks the way to the goals.
#include "PlanBauer.h"

#include "model/DateiName.h"
#include "script/Befehlstabelle.h"
#include "spiel/Spielpruefung.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <climits>

namespace {

using namespace Befehlstabelle;

const char* const aktionsNamen[] = {"Sieh an!", "Tue", "Interagiere"};

/// A line that gives a thing, and the conditions it stands under.
struct Gabe
{
    QString ding;
    qint32 zeile;
    QStringList wachen;
};

QString flagDing(const QString& name)
{
    return QStringLiteral("flag:") + name;
}
QString gegenstandDing(const QString& name)
{
    return QStringLiteral("gegenstand:") + name;
}
QString raumDing(const QString& datei)
{
    return QStringLiteral("raum:") + datei;
}
QString hotSpotDing(const QString& name)
{
    return QStringLiteral("hotspot:") + Erreichbarkeit::hotSpotSchluessel(name);
}

class Bauer
{
public:
    Bauer(const Spielpruefung& spiel, const Erreichbarkeit& ablauf, const Raetselplan& plan,
          RaetselKarte& k)
        : spiel(spiel), ablauf(ablauf), plan(plan), k(k)
    {
    }

    void bauen()
    {
        const auto dateien = spiel.dateien();
        for (const auto& d : dateien) {
            if (d->raum)
                raumVon.insert(dateiSchluessel(DateiName(d->datei)), d->datei);
        }
        for (const QString& r : ablauf.startRaeume)
            ding(PlanDing::Art::Raum, r).start = true;
        for (const auto& d : dateien) {
            for (int j = 0; j < d->skripte.size(); ++j)
                schritt(*d, j);
        }
        for (const Raetselplan::Name& z : plan.ziele) {
            PlanDing* d = nullptr;
            switch (z.art) {
            case Raetselplan::Name::Art::Flag:
                d = &ding(PlanDing::Art::Flag, z.name);
                break;
            case Raetselplan::Name::Art::Gegenstand:
                d = &ding(PlanDing::Art::Gegenstand, z.name);
                break;
            case Raetselplan::Name::Art::Raum: {
                const QString raum = raumVon.value(dateiSchluessel(DateiName(z.name)));
                d = &ding(PlanDing::Art::Raum, raum.isNull() ? z.name : raum);
                break;
            }
            }
            d->ziel = true;
        }
        wegMarkieren();
    }

private:
    const Spielpruefung& spiel;
    const Erreichbarkeit& ablauf;
    const Raetselplan& plan;
    RaetselKarte& k;
    QHash<QString, QString> raumVon;
    QHash<QString, int> dingIndex;
    /// Per step: the lines that give, and what its hotspot and room are.
    QVector<QVector<Gabe>> gaben;
    QVector<QStringList> tore;

    PlanDing& ding(PlanDing::Art art, const QString& name)
    {
        QString schluessel;
        bool erreicht = true;
        switch (art) {
        case PlanDing::Art::Flag:
            schluessel = flagDing(name);
            erreicht = ablauf.flags.contains(name);
            break;
        case PlanDing::Art::Gegenstand:
            schluessel = gegenstandDing(name);
            erreicht = ablauf.gegenstaende.contains(name);
            break;
        case PlanDing::Art::Raum:
            schluessel = raumDing(name);
            erreicht = ablauf.raeume.contains(name);
            break;
        case PlanDing::Art::HotSpot:
            schluessel = hotSpotDing(name);
            erreicht = ablauf.hotSpots.contains(Erreichbarkeit::hotSpotSchluessel(name));
            break;
        }
        const auto i = dingIndex.constFind(schluessel);
        if (i != dingIndex.cend())
            return k.dinge[*i];
        dingIndex.insert(schluessel, int(k.dinge.size()));
        k.dinge.append({art, name, schluessel, erreicht, false, false, false});
        return k.dinge.last();
    }

    void schritt(const SpielDatei& d, int j)
    {
        const SpielDatei::SkriptDaten& sd = d.skripte[j];
        const Skript& s = sd.skript;
        PlanSchritt p;
        p.datei = d.datei;
        p.skript = j;
        p.ort = sd.ort;
        QStringList tor;
        const SpielDatei::Fleck* fleck = nullptr;
        if (!d.raum) {
            p.itemSkript = true;
            p.aktion = DateiName(d.datei);
        } else if (sd.ort.art == RoomFile::SkriptOrt::Art::HotSpot) {
            if (sd.ort.hotSpot < 0 || sd.ort.hotSpot >= d.hotSpots.size())
                return;
            fleck = &d.hotSpots[sd.ort.hotSpot];
            p.hotSpot = fleck->name;
            p.aktion = QString::fromUtf8(aktionsNamen[std::clamp(sd.ort.aktion, 0, 2)]);
        } else {
            p.aktion = sd.ort.art == RoomFile::SkriptOrt::Art::Timer
                           ? QStringLiteral("Timerskript")
                           : QStringLiteral("Startskript");
        }

        // The conditions each line stands under: the "IF"s and "IfItem"s whose first branch
        // holds it ("Else" branches need nothing, as flags and items start absent).
        struct Block
        {
            QString ding;
            bool sonst = false;
        };
        QVector<Block> stapel;
        QVector<Gabe> gibt;
        QStringList braucht;
        qint32 erste = -1;
        const auto wachen = [&] {
            QStringList w;
            for (const Block& b : std::as_const(stapel)) {
                if (!b.ding.isEmpty() && !b.sonst && !w.contains(b.ding))
                    w << b.ding;
            }
            return w;
        };
        const auto geben = [&](const QString& was, qint32 zeile) {
            gibt.append({was, zeile, wachen()});
            if (erste < 0)
                erste = zeile;
        };
        for (qint32 i = 0; i <= s.MaxZeile; ++i) {
            const qint32 code = s.Befehl[i];
            const QString& par = s.Parameter[i];
            switch (code) {
            case If:
            case IfItem: {
                const QString was = code == If ? ding(PlanDing::Art::Flag, par).schluessel
                                               : ding(PlanDing::Art::Gegenstand, par).schluessel;
                if (!braucht.contains(was))
                    braucht << was;
                if (erste < 0)
                    erste = i;
                stapel.append({was, false});
                break;
            }
            case SelectCase:
                stapel.append({QString(), false});
                break;
            case Else:
                if (!stapel.isEmpty())
                    stapel.last().sonst = true;
                break;
            case EndIf:
            case EndSelect:
                if (!stapel.isEmpty())
                    stapel.removeLast();
                break;
            case HSaktivieren:
                geben(ding(PlanDing::Art::HotSpot, par).schluessel, i);
                break;
            case Goto: {
                const QString nach = raumVon.value(dateiSchluessel(DateiName(par)));
                if (!nach.isNull() && nach != d.datei)
                    geben(ding(PlanDing::Art::Raum, nach).schluessel, i);
                break;
            }
            default:
                if (const auto name = SpielDatei::benannt(code, par)) {
                    if (name->first == Namensbuch::Art::FlagGesetzt)
                        geben(ding(PlanDing::Art::Flag, name->second).schluessel, i);
                    else if (name->first == Namensbuch::Art::GegenstandGegeben)
                        geben(ding(PlanDing::Art::Gegenstand, name->second).schluessel, i);
                }
                break;
            }
        }
        // A flag tested and set by the same action ("HausBesucht") only tells its runs apart.
        for (const Gabe& g : std::as_const(gibt))
            braucht.removeAll(g.ding);
        if (braucht.isEmpty() && gibt.isEmpty())
            return; // prints and plays only
        p.zeile = std::max(erste, 0);
        if (d.raum) {
            tor << ding(PlanDing::Art::Raum, d.datei).schluessel;
            if (fleck && !fleck->aktiv)
                tor << ding(PlanDing::Art::HotSpot, fleck->name).schluessel;
        }
        p.braucht = tor + braucht;
        if (const NieBefund* b = ablauf.befundBei(d.datei, j, 0);
            b && b->stelle.zeile == 0 && b->bis == s.MaxZeile) {
            p.nie = true;
            p.grund = b->grund.text();
        }
        const QString name = PlanSchritt::name(int(k.schritte.size()));
        for (const QString& b : std::as_const(p.braucht))
            k.kanten.append({b, name, false, QString(), false});
        for (const Gabe& g : std::as_const(gibt)) {
            if (!p.gibt.contains(g.ding))
                p.gibt << g.ding;
        }
        for (const QString& was : std::as_const(p.gibt)) {
            // An edge is "never" only when no line that gives it can run.
            PlanKante kante{name, was, true, QString(), false};
            for (const Gabe& g : std::as_const(gibt)) {
                if (g.ding != was)
                    continue;
                if (ablauf.laeuft(d.datei, j, g.zeile)) {
                    kante.nie = false;
                    break;
                }
                if (kante.grund.isEmpty()) {
                    if (const NieBefund* b = ablauf.befundBei(d.datei, j, g.zeile))
                        kante.grund = b->grund.text();
                }
            }
            k.kanten.append(kante);
        }
        k.schritte.append(p);
        gaben.append(gibt);
        tore.append(tor);
    }

    /// The lines of step `i` that give `was` and may run, and what each needs: its hotspot,
    /// its room and the conditions it stands under.
    /// With `alle`, also the lines that never run.
    QVector<QStringList> wege(int i, const QString& was, bool alle = false) const
    {
        QVector<QStringList> w;
        const PlanSchritt& p = k.schritte[i];
        for (const Gabe& g : gaben[i]) {
            if (g.ding == was && (alle || ablauf.laeuft(p.datei, p.skript, g.zeile)))
                w.append(tore[i] + g.wachen);
        }
        return w;
    }

    /// From the goals back: the steps that give them, what those lines stand under, and so
    /// on. Only the earliest ways count: a thing is reached in the round after everything its
    /// line needs, and a step that needs what comes later (the cellar's stairs back to the
    /// house) leads nowhere. What play never reaches is followed through every line that would
    /// give it, so that the way shows where it breaks.
    void wegMarkieren()
    {
        QHash<QString, QVector<int>> geberVon;
        for (int i = 0; i < k.schritte.size(); ++i) {
            for (const QString& was : std::as_const(k.schritte[i].gibt))
                geberVon[was].append(i);
        }
        QHash<QString, int> runde;
        for (const PlanDing& d : std::as_const(k.dinge)) {
            if (d.start)
                runde.insert(d.schluessel, 0);
        }
        for (const Raetselplan::Name& b : plan.besitz)
            runde.insert(
                (b.art == Raetselplan::Name::Art::Flag ? flagDing : gegenstandDing)(b.name), 0);
        const auto rundeVon = [&](const QStringList& noetig) {
            int r = 0;
            for (const QString& n : noetig) {
                const auto it = runde.constFind(n);
                if (it == runde.cend())
                    return -1;
                r = std::max(r, *it);
            }
            return r;
        };
        for (bool weiter = true; weiter;) {
            weiter = false;
            for (int i = 0; i < k.schritte.size(); ++i) {
                if (k.schritte[i].nie)
                    continue;
                for (const QString& was : std::as_const(k.schritte[i].gibt)) {
                    for (const QStringList& noetig : wege(i, was)) {
                        const int r = rundeVon(noetig);
                        if (r >= 0 && r + 1 < runde.value(was, INT_MAX)) {
                            runde.insert(was, r + 1);
                            weiter = true;
                        }
                    }
                }
            }
        }

        QSet<QString> weg;
        QVector<QString> offen;
        for (const PlanDing& d : std::as_const(k.dinge)) {
            if (d.ziel) {
                weg.insert(d.schluessel);
                offen.append(d.schluessel);
            }
        }
        QSet<QPair<int, QString>> wegKanten;
        while (!offen.isEmpty()) {
            const QString was = offen.takeLast();
            const int ziel = runde.value(was, -1);
            for (int i : geberVon.value(was)) {
                PlanSchritt& p = k.schritte[i];
                if (p.nie && ziel >= 0)
                    continue;
                for (const QStringList& noetig : wege(i, was, ziel < 0)) {
                    const int r = rundeVon(noetig);
                    // Unknown rounds (a way the conditions alone do not show) count as early.
                    if (ziel >= 0 && (r < 0 || r + 1 > ziel))
                        continue;
                    p.zumZiel = true;
                    wegKanten.insert({i, was});
                    for (const QString& n : noetig) {
                        wegKanten.insert({i, n});
                        if (!weg.contains(n)) {
                            weg.insert(n);
                            offen.append(n);
                        }
                    }
                }
            }
        }
        for (PlanDing& d : k.dinge)
            d.zumZiel = weg.contains(d.schluessel);
        for (PlanKante& kante : k.kanten) {
            const bool gabe = kante.von.startsWith(QStringLiteral("schritt:"));
            const int i = k.schrittZu(gabe ? kante.von : kante.nach);
            kante.zumZiel = i >= 0 && wegKanten.contains({i, gabe ? kante.nach : kante.von});
        }
    }
};

} // namespace

void PlanBauer::bauen(const Spielpruefung& spiel, const Erreichbarkeit& ablauf,
                      const Raetselplan& plan, RaetselKarte& karte)
{
    Bauer(spiel, ablauf, plan, karte).bauen();
}
