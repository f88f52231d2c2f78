// The findings of what can never happen in play, and how far the way to each goal holds.
#include "NieBefunde.h"

#include "model/DateiName.h"
#include "script/Befehlstabelle.h"

using namespace Befehlstabelle;

namespace {

constexpr qint32 ErrorBefehl = 16;

bool standardSkript(const Skript& s)
{
    return s.MaxZeile == 0 && s.Befehl[0] == ErrorBefehl;
}

} // namespace

NieBefunde::NieBefunde(const Fixpunkt& f, const Raetselplan& plan, Erreichbarkeit& e)
    : f(f), plan(plan), e(e)
{
}

void NieBefunde::machen()
{
    befundeMachen();
    zieleMachen();
}

/// The first line that gives the name but never runs.
std::optional<SkriptStelle> NieBefunde::nurIn(const Skripttafel::Geberliste& liste) const
{
    for (const Geber& g : liste) {
        const Eintrag& en = f.tafel().alle[g.eintrag];
        return en.d->stelle(en.j, g.zeile, false);
    }
    return std::nullopt;
}

NieGrund NieBefunde::grundFuer(NieGrund::Art art, const QString& name) const
{
    NieGrund g;
    g.art = art;
    g.name = name;
    g.nurIn = nurIn(f.tafel().geberVon(art, name));
    return g;
}

void NieBefunde::befund(int index, qint32 von, qint32 bis, NieGrund grund)
{
    const Eintrag& en = f.tafel().alle[index];
    // The report shows a room never entered without a line: its lines' texts are not made.
    const bool mitText = grund.art != NieGrund::Art::RaumNie || grund.name != en.d->datei;
    e.nie.append({en.d->stelle(en.j, von, mitText), bis, en.j, std::move(grund)});
}

void NieBefunde::befundeMachen()
{
    const std::vector<Eintrag>& eintraege = f.tafel().alle;
    befundeVon.assign(eintraege.size() + 1, 0);
    const SpielDatei* datei = nullptr;
    QVector<QBitArray>* zeilen = nullptr;
    const SpielDatei* raumGrundVon = nullptr;
    NieGrund raumGrund;
    e.zeilen.reserve(f.tafel().dateien.size());
    // The scripts of rooms never entered run no line: they share one empty row per length.
    QVector<QBitArray> keineZeile;
    for (int index = 0; index < int(eintraege.size()); ++index) {
        befundeVon[index] = int(e.nie.size());
        const Eintrag& en = eintraege[index];
        const Skript& s = en.skript();
        const qint32 n = s.MaxZeile + 1;
        // A file's scripts come one after the other.
        if (en.d != datei) {
            datei = en.d;
            zeilen = &e.zeilen[en.d->datei];
        }
        if (zeilen->size() <= en.j)
            zeilen->resize(en.d->skripte.size());
        if (n == 0)
            continue;
        QBitArray sichtbar;
        if (f.offen(en)) {
            sichtbar.resize(n);
            const Skriptbloecke* bloecke = f.tafel().bloeckeVon(en);
            for (qint32 i = 0; i < n; ++i) {
                // "Else", "EndIf", "Case" and "EndSelect" belong to their block.
                const qint32 o = en.ganz || !bloecke ? -1 : bloecke->oeffner[i];
                if (f.gelaufen(en, i) || (o >= 0 && f.gelaufen(en, o)))
                    sichtbar.setBit(i);
            }
        } else {
            if (keineZeile.size() <= n)
                keineZeile.resize(n + 1);
            if (keineZeile[n].size() != n)
                keineZeile[n] = QBitArray(n);
            sichtbar = keineZeile[n];
        }
        (*zeilen)[en.j] = sichtbar;
        if (en.ganz || standardSkript(s))
            continue;
        if (en.tor == Tor::HotSpot && !en.fleck->aktionen[en.aktion]) {
            static const char* const aktionen[] = {"Sieh an!", "Tue", "Interagiere"};
            befund(index, 0, n - 1,
                   {NieGrund::Art::NichtAngeboten, QString::fromUtf8(aktionen[en.aktion]),
                    std::nullopt, false});
            continue;
        }
        if (!f.offen(en)) {
            // Every script of a room never entered has the same reason: found once.
            if (en.tor == Tor::Gegenstand || f.betreten(en)) {
                befund(index, 0, n - 1, torGrund(en));
            } else {
                if (raumGrundVon != en.d) {
                    raumGrundVon = en.d;
                    raumGrund = torGrund(en);
                }
                befund(index, 0, n - 1, raumGrund);
            }
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
    befundeVon.back() = int(e.nie.size());
}

NieGrund NieBefunde::torGrund(const Eintrag& en) const
{
    switch (en.tor) {
    case Tor::Gegenstand: {
        // The item as "Add" names it, where a line does; else as its script file does.
        const QString gegeben = f.tafel().gegebenAls(en);
        if (!gegeben.isNull())
            return grundFuer(NieGrund::Art::GegenstandNie, gegeben);
        return grundFuer(NieGrund::Art::GegenstandNie, DateiName(en.d->datei).chopped(5));
    }
    case Tor::HotSpot:
        if (f.betreten(en))
            return grundFuer(NieGrund::Art::HotSpotInaktiv, en.fleck->name);
        break;
    case Tor::Raum:
        break;
    }
    return grundFuer(NieGrund::Art::RaumNie, en.d->datei);
}

NieGrund NieBefunde::zeilenGrund(const Eintrag& en, qint32 zeile) const
{
    const Skript& s = en.skript();
    const qint32 davor = zeile - 1;
    const qint32 code = s.Befehl[davor];
    if ((code == If || code == IfItem) && f.gelaufen(en, davor))
        return grundFuer(code == If ? NieGrund::Art::FlagNie : NieGrund::Art::GegenstandNie,
                         s.Parameter[davor]);
    NieGrund g;
    g.sprungDavor = code == Jump;
    return g;
}

const NieBefund* NieBefunde::befundBei(const Geber& g) const
{
    for (int b = befundeVon[g.eintrag]; b < befundeVon[g.eintrag + 1]; ++b) {
        const NieBefund& da = e.nie[b];
        if (da.stelle.zeile <= g.zeile && g.zeile <= da.bis)
            return &da;
    }
    return nullptr;
}

/// Follows a missing name back to the first link that breaks: the lines that would give
/// it, why the first of them never runs, and so on.
void NieBefunde::erstesGlied(NieGrund grund, std::optional<SkriptStelle> stelle, ZielStand& z) const
{
    QSet<QString> gesehen;
    for (;;) {
        const QString schluessel = QString::number(int(grund.art)) + QLatin1Char(':') + grund.name;
        const NieBefund* weiter = nullptr;
        for (const Geber& g : f.tafel().geberVon(grund.art, grund.name)) {
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

void NieBefunde::zieleMachen()
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
                erstesGlied(grundFuer(NieGrund::Art::GegenstandNie, ziel.name), std::nullopt, z);
            break;
        case Art::Raum: {
            const QString raum = f.tafel().raumDurchGoto(ziel.name);
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
