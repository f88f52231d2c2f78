// The least fixpoint of what play can reach, and the findings of what it never reaches.
#include "Erreichbarkeit.h"

#include "Skriptbloecke.h"

#include "model/DateiName.h"
#include "script/Befehlstabelle.h"
#include "spiel/Spielpruefung.h"

#include <QQueue>
#include <algorithm>

namespace {

using namespace Befehlstabelle;
constexpr qint32 ErrorBefehl = 16;

QString zitat(const QString& name)
{
    return QStringLiteral("„") + name + QStringLiteral("“");
}

enum class Tor
{
    Raum,
    HotSpot,
    Gegenstand
};

/// A script of the game and what lets it run.
struct Eintrag
{
    const SpielDatei* d;
    int j;
    Tor tor;
    const SpielDatei::Fleck* fleck = nullptr;
    int aktion = -1;
    /// Item scripts: the item's picture without its extension, as compared.
    QString stamm;
    /// Runs whole when it runs: unbalanced, or its file not read whole.
    bool ganz = false;
    std::unique_ptr<Skriptbloecke> struktur;
    QBitArray gelaufen;

    const Skript& skript() const { return d->skripte[j].skript; }
};

/// A line that gives a name.
struct Geber
{
    int eintrag;
    qint32 zeile;
};

QString stammVon(const QString& bild)
{
    return bild.trimmed().chopped(std::min<qsizetype>(4, bild.trimmed().size())).toCaseFolded();
}

/// An item script file's item: "items/Kerze1.skp" → "kerze".
QString stammDerDatei(const QString& datei)
{
    QString name = DateiName(datei);
    name.chop(std::min<qsizetype>(5, name.size())); // ".skp" and the action's digit
    return name.toCaseFolded();
}

bool standardSkript(const Skript& s)
{
    return s.MaxZeile == 0 && s.Befehl[0] == ErrorBefehl;
}

class Rechner
{
public:
    Rechner(const Spielpruefung& spiel, const Raetselplan& plan, Erreichbarkeit& e)
        : spiel(spiel), plan(plan), e(e)
    {
    }

    void rechnen()
    {
        sammeln();
        startSetzen();
        fixpunkt();
        befundeMachen();
        zieleMachen();
    }

private:
    const Spielpruefung& spiel;
    const Raetselplan& plan;
    Erreichbarkeit& e;

    QVector<std::shared_ptr<const SpielDatei>> dateien;
    std::vector<Eintrag> eintraege;
    QHash<QString, QString> raumVon;
    QHash<QString, QVector<int>> nachFlag, nachGegenstand, nachStamm, nachHotSpot, nachRaum;
    QHash<QString, QVector<Geber>> setzer, geber, aktivierer, hinein;
    QSet<QString> staemme;
    QQueue<int> warten;
    std::vector<bool> wartet;
    /// Findings by entry.
    QHash<int, QVector<int>> befundeVon;
    QHash<const SpielDatei*, QHash<int, int>> eintragVon;

    QString raumDurchGoto(const QString& parameter) const
    {
        return raumVon.value(dateiSchluessel(parameter));
    }

    void sammeln()
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
                eintragVon[&d].insert(j, index);
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

    void startSetzen()
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

    void gegenstandHinzu(const QString& name)
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

    void anstossen(const QVector<int>& liste)
    {
        for (int i : liste) {
            if (!wartet[i]) {
                wartet[i] = true;
                warten.enqueue(i);
            }
        }
    }

    bool offen(const Eintrag& en) const
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
    QBitArray laufen(const Eintrag& en) const
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

    void fixpunkt()
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
    void wirken(qint32 code, const QString& p)
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

    /// The first line that gives the name but never runs.
    std::optional<SkriptStelle> nurIn(const QVector<Geber>& liste) const
    {
        for (const Geber& g : liste) {
            const Eintrag& en = eintraege[g.eintrag];
            return en.d->stelle(en.j, g.zeile, false);
        }
        return std::nullopt;
    }

    NieGrund grundFuer(NieGrund::Art art, const QString& name) const
    {
        NieGrund g;
        g.art = art;
        g.name = name;
        switch (art) {
        case NieGrund::Art::FlagNie:
            g.nurIn = nurIn(setzer.value(name));
            break;
        case NieGrund::Art::GegenstandNie:
            g.nurIn = nurIn(geber.value(name));
            break;
        case NieGrund::Art::HotSpotInaktiv:
            g.nurIn = nurIn(aktivierer.value(Erreichbarkeit::hotSpotSchluessel(name)));
            break;
        case NieGrund::Art::RaumNie:
            g.nurIn = nurIn(hinein.value(name));
            break;
        default:
            break;
        }
        return g;
    }

    void befund(int index, qint32 von, qint32 bis, NieGrund grund)
    {
        const Eintrag& en = eintraege[index];
        befundeVon[index].append(int(e.nie.size()));
        e.nie.append({en.d->stelle(en.j, von), bis, en.j, std::move(grund)});
    }

    void befundeMachen()
    {
        for (int index = 0; index < int(eintraege.size()); ++index) {
            Eintrag& en = eintraege[index];
            const Skript& s = en.skript();
            const qint32 n = s.MaxZeile + 1;
            QVector<QBitArray>& zeilen = e.zeilen[en.d->datei];
            if (zeilen.size() <= en.j)
                zeilen.resize(en.d->skripte.size());
            if (n == 0)
                continue;
            if (en.gelaufen.isEmpty())
                en.gelaufen = QBitArray(n, false);
            QBitArray sichtbar = en.gelaufen;
            if (!en.ganz) {
                // "Else", "EndIf", "Case" and "EndSelect" belong to their block.
                for (qint32 i = 0; i < n; ++i) {
                    const qint32 o = en.struktur->oeffner[i];
                    if (o >= 0 && en.gelaufen.testBit(o))
                        sichtbar.setBit(i);
                }
            }
            zeilen[en.j] = sichtbar;
            if (en.ganz || standardSkript(s))
                continue;
            if (en.tor == Tor::HotSpot && !en.fleck->aktionen[en.aktion]) {
                static const char* const aktionen[] = {"Sieh an!", "Tue", "Interagiere"};
                befund(index, 0, n - 1,
                       {NieGrund::Art::NichtAngeboten, QString::fromUtf8(aktionen[en.aktion]),
                        std::nullopt, false});
                continue;
            }
            if (!offen(en)) {
                befund(index, 0, n - 1, torGrund(en));
                continue;
            }
            for (qint32 i = 0; i < n; ++i) {
                if (sichtbar.testBit(i))
                    continue;
                qint32 bis = i;
                while (bis + 1 < n && !sichtbar.testBit(bis + 1))
                    ++bis;
                befund(index, i, bis, zeilenGrund(en, i));
                i = bis;
            }
        }
    }

    NieGrund torGrund(const Eintrag& en) const
    {
        switch (en.tor) {
        case Tor::Gegenstand: {
            // The item as "Add" names it, where a line does; else as its script file does.
            for (auto g = geber.cbegin(); g != geber.cend(); ++g) {
                if (stammVon(g.key()) == en.stamm)
                    return grundFuer(NieGrund::Art::GegenstandNie, g.key());
            }
            return grundFuer(NieGrund::Art::GegenstandNie, DateiName(en.d->datei).chopped(5));
        }
        case Tor::HotSpot:
            if (e.raeume.contains(en.d->datei))
                return grundFuer(NieGrund::Art::HotSpotInaktiv, en.fleck->name);
            break;
        case Tor::Raum:
            break;
        }
        return grundFuer(NieGrund::Art::RaumNie, en.d->datei);
    }

    NieGrund zeilenGrund(const Eintrag& en, qint32 zeile) const
    {
        const Skript& s = en.skript();
        const qint32 davor = zeile - 1;
        const qint32 code = s.Befehl[davor];
        if ((code == If || code == IfItem) && en.gelaufen.testBit(davor))
            return grundFuer(code == If ? NieGrund::Art::FlagNie : NieGrund::Art::GegenstandNie,
                             s.Parameter[davor]);
        NieGrund g;
        g.sprungDavor = code == Jump;
        return g;
    }

    const NieBefund* befundBei(const Geber& g) const
    {
        for (int b : befundeVon.value(g.eintrag)) {
            const NieBefund& f = e.nie[b];
            if (f.stelle.zeile <= g.zeile && g.zeile <= f.bis)
                return &f;
        }
        return nullptr;
    }

    /// Follows a missing name back to the first link that breaks: the lines that would give
    /// it, why the first of them never runs, and so on.
    void erstesGlied(NieGrund grund, std::optional<SkriptStelle> stelle, ZielStand& z) const
    {
        QSet<QString> gesehen;
        for (;;) {
            const QString schluessel =
                QString::number(int(grund.art)) + QLatin1Char(':') + grund.name;
            QVector<Geber> liste;
            switch (grund.art) {
            case NieGrund::Art::FlagNie:
                liste = setzer.value(grund.name);
                break;
            case NieGrund::Art::GegenstandNie:
                liste = geber.value(grund.name);
                break;
            case NieGrund::Art::HotSpotInaktiv:
                liste = aktivierer.value(Erreichbarkeit::hotSpotSchluessel(grund.name));
                break;
            case NieGrund::Art::RaumNie:
                liste = hinein.value(grund.name);
                break;
            default:
                break;
            }
            const NieBefund* weiter = nullptr;
            for (const Geber& g : liste) {
                if ((weiter = befundBei(g)))
                    break;
            }
            if (!weiter || gesehen.contains(schluessel)) {
                z.fehlt = grund;
                z.stelle = stelle;
                return;
            }
            gesehen.insert(schluessel);
            grund = weiter->grund;
            stelle = weiter->stelle;
        }
    }

    void zieleMachen()
    {
        using Art = Raetselplan::Name::Art;
        for (const Raetselplan::Name& ziel : plan.ziele) {
            ZielStand z;
            z.ziel = ziel;
            switch (ziel.art) {
            case Art::Flag:
                z.erreichbar = e.flags.contains(ziel.name);
                if (!z.erreichbar)
                    erstesGlied(grundFuer(NieGrund::Art::FlagNie, ziel.name), std::nullopt, z);
                break;
            case Art::Gegenstand:
                z.erreichbar = e.gegenstaende.contains(ziel.name);
                if (!z.erreichbar)
                    erstesGlied(grundFuer(NieGrund::Art::GegenstandNie, ziel.name), std::nullopt,
                                z);
                break;
            case Art::Raum: {
                const QString raum = raumDurchGoto(ziel.name);
                z.erreichbar = !raum.isNull() && e.raeume.contains(raum);
                if (raum.isNull()) {
                    z.fehlt = {NieGrund::Art::RaumNie, ziel.name, std::nullopt, false};
                } else if (!z.erreichbar) {
                    erstesGlied(grundFuer(NieGrund::Art::RaumNie, raum), std::nullopt, z);
                }
                break;
            }
            }
            e.ziele.append(z);
        }
    }
};

QString ort(const SkriptStelle& s)
{
    QString text = s.datei;
    if (!s.skript.isEmpty())
        text += QStringLiteral(", ") + s.skript;
    return text + QStringLiteral(", Zeile ") + QString::number(s.zeile + 1);
}

} // namespace

QString NieGrund::text() const
{
    QString text;
    switch (art) {
    case Art::RaumNie:
        text =
            QStringLiteral("Raum ") + zitat(DateiName(name)) + QStringLiteral(" wird nie betreten");
        break;
    case Art::HotSpotInaktiv:
        text = QStringLiteral("HotSpot ") + zitat(name) +
               QStringLiteral(" ist inaktiv und wird nirgends aktiviert, wo das Spiel hinkommt");
        break;
    case Art::NichtAngeboten:
        text = QStringLiteral("die Aktion ") + zitat(name) +
               QStringLiteral(" ist nicht angekreuzt, das Spiel bietet sie nicht an");
        break;
    case Art::FlagNie:
        text = QStringLiteral("Flag ") + zitat(name) +
               QStringLiteral(" wird nirgends gesetzt, wo das Spiel hinkommt");
        break;
    case Art::GegenstandNie:
        text = QStringLiteral("Gegenstand ") + zitat(name) +
               QStringLiteral(" wird nirgends gegeben, wo das Spiel hinkommt");
        break;
    case Art::Uebersprungen:
        return sprungDavor ? QStringLiteral("übersprungen: \"Jump\" ohne Bedingung davor")
                           : QStringLiteral("übersprungen: jeder Weg hierher springt vorher weg");
    }
    if (nurIn)
        text +=
            QStringLiteral(" (nur in ") + ort(*nurIn) + QStringLiteral(", die selbst nie läuft)");
    return text;
}

QString ZielStand::text() const
{
    if (erreichbar)
        return {};
    const QString anfang = QStringLiteral("Ziel ") + zitat(ziel.text());
    if (ziel.art == Raetselplan::Name::Art::Raum && fehlt.art == NieGrund::Art::RaumNie &&
        fehlt.name == ziel.name)
        return anfang + QStringLiteral(": diesen Raum gibt es nicht");
    return anfang + QStringLiteral(" wird nie erreicht: ") + fehlt.text();
}

bool Erreichbarkeit::laeuft(const QString& datei, int skript, qint32 zeile) const
{
    const auto d = zeilen.constFind(datei);
    if (d == zeilen.cend() || skript < 0 || skript >= d->size())
        return true;
    const QBitArray& z = (*d)[skript];
    return zeile < 0 || zeile >= z.size() || z.testBit(zeile);
}

const NieBefund* Erreichbarkeit::befundBei(const QString& datei, int skript, qint32 zeile) const
{
    for (const NieBefund& b : nie) {
        if (b.stelle.datei == datei && b.skript == skript && b.stelle.zeile <= zeile &&
            zeile <= b.bis)
            return &b;
    }
    return nullptr;
}

int Erreichbarkeit::fehlendeZiele() const
{
    return int(std::count_if(ziele.cbegin(), ziele.cend(),
                             [](const ZielStand& z) { return !z.erreichbar; }));
}

Erreichbarkeit Erreichbarkeit::berechnen(const Spielpruefung& spiel, const Raetselplan& plan)
{
    Erreichbarkeit e;
    Rechner(spiel, plan, e).rechnen();
    return e;
}

QString Erreichbarkeit::hotSpotSchluessel(const QString& name)
{
    return name.trimmed().toCaseFolded();
}
