// What the game knows of one room or item script file, read once.
#include "SpielDatei.h"

#include "model/BildPfad.h"
#include "model/DateiName.h"
#include "model/Module1.h"
#include "regeln/SkriptRegeln.h"
#include "roomfile/RoomFile.h"
#include "script/Befehlstabelle.h"
#include "script/Zeilen.h"

#include <cstdint>
#include <cstring>
#include <optional>

namespace {

using namespace Befehlstabelle;

/// The flag of "Spiel vom Spiel spielen spielen": its second part, "[Spiel], [Flag], ...".
std::optional<QString> spielFlag(const QString& parameter)
{
    if (!parameter.contains(QLatin1Char(',')))
        return std::nullopt;
    return ohneLeerzeichen(parameter.section(QLatin1Char(','), 1, 1));
}

/// What the checks learn from the scripts read: the flags, items and rooms they name, and,
/// for a file read whole, the faults of each script on its own.
void auswerten(SpielDatei& d)
{
    const QStringList hotSpots = d.hotSpotListe();
    for (int j = 0; j < d.skripte.size(); ++j) {
        const Skript& s = d.skripte[j].skript;
        if (s.MaxZeile < 0)
            continue;
        if (d.vollstaendig) {
            const QVector<SkriptRegeln::Verstoss> verstoesse =
                SkriptRegeln::pruefen(s, d.raum ? &hotSpots : nullptr);
            for (const SkriptRegeln::Verstoss& v : verstoesse)
                d.fehler.append({d.stelle(j, v.zeile), v.text});
        }
        for (qint32 i = 0; i <= s.MaxZeile; ++i) {
            const qint32 code = s.Befehl[i];
            if (const auto name = SpielDatei::benannt(code, s.Parameter[i])) {
                d.vorkommen.append({name->first, name->second, j, i});
            } else if (code == Goto) {
                if (!dateiSchluesselTeil(s.Parameter[i]).isEmpty())
                    d.spruenge.append({s.Parameter[i], j, i});
            } else if (d.vollstaendig && !d.raum && SkriptRegeln::nenntHotSpot(code)) {
                d.hotSpotZeilen.append(i);
            }
        }
    }
}

/// The indents of a script's lines; none where no line opens a block, as in most scripts.
QVector<int> einzuege(const Skript& s)
{
    for (qint32 i = 0; i <= s.MaxZeile; ++i) {
        const qint32 code = s.Befehl[i];
        if (code == If || code == IfItem || code == SelectCase || code == Else || code == Case)
            return Zeilen::einzuege(s);
    }
    return {};
}

/// The grid of a hotspot as bits, column by column. Most of it is clear: eight cells are
/// looked at together and passed over when none is set.
void zellenSetzen(const HotSpot& spot, std::bitset<HotSpot::Spalten * HotSpot::Zeilen>& zellen)
{
    const bool* feld = spot.Feld[0].data();
    constexpr std::size_t anzahl = sizeof(spot.Feld);
    static_assert(anzahl == HotSpot::Spalten * HotSpot::Zeilen && anzahl % 8 == 0);
    for (std::size_t i = 0; i < anzahl; i += 8) {
        std::uint64_t acht;
        std::memcpy(&acht, feld + i, sizeof acht);
        if (acht == 0)
            continue;
        for (std::size_t k = i; k < i + 8; ++k) {
            if (feld[k])
                zellen.set(k);
        }
    }
}

size_t inhaltVon(const QByteArray& bytes)
{
    // Any fixed seed but 0, which would keep Qt from its fastest hash.
    return qHashBits(bytes.constData(), size_t(bytes.size()), 0x5461726e);
}

} // namespace

std::optional<std::pair<Namensbuch::Art, QString>> SpielDatei::benannt(qint32 befehl,
                                                                       const QString& parameter)
{
    using Art = Namensbuch::Art;
    switch (befehl) {
    case If:
        return std::pair{Art::FlagAbgefragt, parameter};
    case SetFlag:
        return std::pair{Art::FlagGesetzt, parameter};
    case DelFlag:
        return std::pair{Art::FlagGeloescht, parameter};
    case IfItem:
        return std::pair{Art::GegenstandVerlangt, parameter};
    case Remove:
        return std::pair{Art::GegenstandEntfernt, parameter};
    case Add:
        return std::pair{Art::GegenstandGegeben, parameter};
    case Spiel:
        // The game played sets the flag it is given.
        if (const std::optional<QString> flag = spielFlag(parameter))
            return std::pair{Art::FlagGesetzt, *flag};
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

bool SpielDatei::ausBytes(const QByteArray& bytes) const
{
    return geoeffnet && groesse == bytes.size() && inhalt == inhaltVon(bytes);
}

std::shared_ptr<const SpielDatei> SpielDatei::raumLesen(const QString& datei,
                                                        const QByteArray* bytes)
{
    auto d = std::make_shared<SpielDatei>();
    d->datei = datei;
    if (!bytes)
        return d;
    d->geoeffnet = true;
    d->groesse = bytes->size();
    d->inhalt = inhaltVon(*bytes);
    // One model per thread, emptied as a new one would be: its hotspots' memory is reused
    // from room to room.
    thread_local Module1 m;
    m.HotSpotMax = -1;
    m.StartSkript.leeren();
    m.TimerSkript.leeren();
    RaumReferenzen gelesen = raumReferenzen(*bytes, m);
    d->vollstaendig = gelesen.ergebnis.vollstaendig;
    d->zeile = gelesen.ergebnis.zeile;
    d->referenzen = std::move(gelesen.referenzen);
    d->hotSpotNamen = gelesen.hotSpotNamen;
    if (!gelesen.ergebnis.hintergrundGelesen)
        return d;
    d->hintergrund = m.Hintergrund();
    d->hintergrundBereich = gelesen.hintergrund;

    using Ort = RoomFile::SkriptOrt;
    const auto skript = [&](const Ort& ort, const Skript& s) {
        const SkriptZeilen::Zeilen* stellen = gelesen.dateiZeilen.bei(ort);
        d->skripte.append({ort, skriptName(ort, d->hotSpotNamen), s,
                           stellen ? *stellen : SkriptZeilen::Zeilen(), einzuege(s)});
    };
    d->skripte.reserve(2 + (m.HotSpotMax + 1) * HotSpot::Aktionen);
    skript({Ort::Art::Start}, m.StartSkript);
    d->hotSpots.reserve(m.HotSpotMax + 1);
    for (qint32 h = 0; h <= m.HotSpotMax; ++h) {
        const HotSpot& spot = m.HotSpots[h];
        Fleck f;
        f.name = spot.Name;
        f.cursor = spot.Cursor;
        f.aktiv = spot.Aktiv;
        f.aktionen = spot.Aktion;
        zellenSetzen(spot, f.zellen);
        f.stellen = gelesen.hotSpotStellen.value(h);
        d->hotSpots.append(std::move(f));
        for (int k = 0; k < HotSpot::Aktionen; ++k)
            skript({Ort::Art::HotSpot, h, k}, spot.Skripte[k]);
    }
    skript({Ort::Art::Timer}, m.TimerSkript);
    auswerten(*d);
    return d;
}

std::shared_ptr<const SpielDatei> SpielDatei::raumImSpeicher(const QString& datei,
                                                             const Module1& raum)
{
    // Written and read back, the room stands exactly where saving would put it.
    const QByteArray bytes = RoomFile::schreiben(raum);
    return raumLesen(datei, &bytes);
}

std::shared_ptr<const SpielDatei> SpielDatei::itemSkriptLesen(const QString& datei,
                                                              const QByteArray* bytes)
{
    auto d = std::make_shared<SpielDatei>();
    d->datei = datei;
    d->raum = false;
    if (!bytes)
        return d;
    d->geoeffnet = true;
    d->groesse = bytes->size();
    d->inhalt = inhaltVon(*bytes);
    ItemSkriptReferenzen gelesen = itemSkriptReferenzen(datei, *bytes);
    d->vollstaendig = gelesen.ergebnis.vollstaendig;
    d->zeile = gelesen.ergebnis.zeile;
    d->referenzen = std::move(gelesen.referenzen);
    d->skripte.append(
        {{}, QString(), gelesen.skript, gelesen.dateiZeilen, einzuege(gelesen.skript)});
    auswerten(*d);
    return d;
}

QStringList SpielDatei::hotSpotListe() const
{
    QStringList namen;
    namen.reserve(hotSpots.size());
    for (const Fleck& f : hotSpots)
        namen << f.name;
    return namen;
}

SkriptStelle SpielDatei::stelle(int skript, qint32 zeile, bool mitText) const
{
    const SkriptDaten& s = skripte[skript];
    SkriptStelle st{datei, s.name, zeile, s.stellen.datei.value(zeile), QString(), s.ort};
    if (mitText)
        st.zeilenText = Zeilen::text(s.einzuege.value(zeile), s.skript.Befehl[zeile],
                                     s.skript.Parameter[zeile]);
    return st;
}

int SpielDatei::skriptBei(const RoomFile::SkriptOrt& ort) const
{
    using Art = RoomFile::SkriptOrt::Art;
    if (!raum)
        return skripte.isEmpty() ? -1 : 0;
    int i = -1;
    switch (ort.art) {
    case Art::Start:
        i = 0;
        break;
    case Art::HotSpot:
        if (ort.hotSpot < 0 || ort.hotSpot >= hotSpots.size() || ort.aktion < 0 ||
            ort.aktion >= HotSpot::Aktionen)
            return -1;
        i = 1 + ort.hotSpot * HotSpot::Aktionen + ort.aktion;
        break;
    case Art::Timer:
        i = 1 + int(hotSpots.size()) * HotSpot::Aktionen;
        break;
    }
    return i < skripte.size() ? i : -1;
}

void SpielDatei::zaehlen(Namensbuch& buch, int anzahl, int ohne) const
{
    for (const Vorkommen& v : vorkommen) {
        if (v.skript != ohne)
            buch.zaehlen(v.art, v.name, anzahl);
    }
}
