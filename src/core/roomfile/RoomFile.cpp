// The room file: reading and writing a room.
#include "RoomFile.h"

#include "ItemReader.h"
#include "ItemWriter.h"
#include "ScriptBlock.h"
#include "model/DateiName.h"

#include <cstring>

namespace RoomFile {
namespace {

// Every grid cell takes at least a digit and a separator.
constexpr qint64 kleinsterHotSpot = qint64(HotSpot::Spalten) * HotSpot::Zeilen * 2;

bool skriptLesen(ItemReader& r, Skript& s, Beobachter* b, const SkriptOrt& ort)
{
    if (b)
        b->skriptBeginnt(ort);
    return ScriptBlock::read(r, s, b);
}

bool hotSpotLesen(ItemReader& r, HotSpot& h, qint32 index, Beobachter* b)
{
    for (int k = 0; k < HotSpot::Aktionen; ++k) {
        if (!r.readFlag(h.Aktion[k]) ||
            !skriptLesen(r, h.Skripte[k], b, {SkriptOrt::Art::HotSpot, index, k}))
            return false;
    }
    if (!r.readString(h.Cursor))
        return false;
    if (b)
        b->cursorGelesen(index, h.Cursor, r.line(), r.lastText());
    if (!r.readFlag(h.Aktiv) || !r.readString(h.Name))
        return false;
    if (b)
        b->nameGelesen(index, h.Name, r.line(), r.lastText());
    // The grid is stored column by column, as Feld lies in memory.
    static_assert(sizeof(h.Feld) == HotSpot::Spalten * HotSpot::Zeilen);
    return r.readCells(h.Feld[0].data(), HotSpot::Spalten * HotSpot::Zeilen);
}

// The grid as the game reads it, a line per cell, column by column, written in place.
void rasterAnhaengen(QByteArray& out, const decltype(HotSpot::Feld)& feld)
{
    const qsizetype alt = out.size();
    out.resize(alt + qsizetype(sizeof feld) * 5);
    char* p = out.data() + alt;
    for (const auto& spalte : feld) {
        for (const bool gesetzt : spalte) {
            if (gesetzt) {
                std::memcpy(p, "255\r\n", 5);
                p += 5;
            } else {
                std::memcpy(p, "0\r\n", 3);
                p += 3;
            }
        }
    }
    out.truncate(p - out.constData());
}

} // namespace

LeseErgebnis lesen(const QByteArray& bytes, Module1& raum, Beobachter* beobachter)
{
    ItemReader r(bytes);
    LeseErgebnis e;
    const auto halt = [&] {
        e.zeile = r.line();
        return e;
    };

    QString bild;
    if (!r.readString(bild))
        return halt();
    raum.setHintergrund(bild);
    e.hintergrundGelesen = true;
    if (beobachter)
        beobachter->hintergrundGelesen(bild, r.lastText());

    if (!skriptLesen(r, raum.StartSkript, beobachter, {SkriptOrt::Art::Start}))
        return halt();

    qint32 max = 0;
    if (!r.readLong(max) || max < -1)
        return halt();
    raum.HotSpotMax = max;
    // As with script lines: no more hotspots are made than the rest of the file can hold,
    // and those that are there are read, so a cut file keeps its complete hotspots.
    const qint64 platz = r.remaining() / kleinsterHotSpot + 1;
    const qsizetype anzahl = qsizetype(std::clamp(qint64(max) + 1, qint64(1), platz));
    // A room read after another into the same model keeps its hotspots' memory: a game's
    // thousand rooms are read that way, and a new block of fresh pages per room cost more
    // than the reading of its cells.
    if (raum.HotSpots.isDetached() && raum.HotSpots.capacity() >= anzahl) {
        raum.HotSpots.clear();
        raum.HotSpots.resize(anzahl);
    } else {
        raum.HotSpots = QVector<HotSpot>(anzahl);
    }
    e.hotSpotsErsetzt = true;
    for (qint32 h = 0; h <= max; ++h) {
        if (h == raum.HotSpots.size() || !hotSpotLesen(r, raum.HotSpots[h], h, beobachter)) {
            // The hotspot list shows only complete hotspots; the model must agree with it.
            raum.HotSpotMax = h - 1;
            raum.HotSpots.resize(std::max(h, 1));
            if (h == 0)
                raum.HotSpots[0] = HotSpot();
            return halt();
        }
    }

    if (!skriptLesen(r, raum.TimerSkript, beobachter, {SkriptOrt::Art::Timer}))
        return halt();
    e.vollstaendig = true;
    return e;
}

QByteArray schreiben(const Module1& raum)
{
    QByteArray out;
    // Grid lines dominate the size: 3 or 5 bytes per cell.
    out.reserve(200 + (raum.HotSpotMax + 1) * (HotSpot::Spalten * HotSpot::Zeilen * 5 + 200));
    ItemWriter w(out);
    w.writeString(raum.Hintergrund());
    ScriptBlock::write(w, raum.StartSkript);
    w.writeLong(raum.HotSpotMax);
    for (qint32 i = 0; i <= raum.HotSpotMax; ++i) {
        const HotSpot& h = raum.HotSpots[i];
        for (int k = 0; k < HotSpot::Aktionen; ++k) {
            w.writeFlag(h.Aktion[k]);
            ScriptBlock::write(w, h.Skripte[k]);
        }
        w.writeString(DateiName(h.Cursor));
        w.writeFlag(h.Aktiv);
        w.writeString(h.Name);
        rasterAnhaengen(out, h.Feld);
    }
    ScriptBlock::write(w, raum.TimerSkript);
    return out;
}

bool gleicherInhalt(const Module1& a, const Module1& b)
{
    if (a.HotSpotMax != b.HotSpotMax || a.Hintergrund() != b.Hintergrund() ||
        a.StartSkript != b.StartSkript || a.TimerSkript != b.TimerSkript)
        return false;
    for (qint32 i = 0; i <= a.HotSpotMax; ++i) {
        const HotSpot& x = a.HotSpots[i];
        const HotSpot& y = b.HotSpots[i];
        // Hotspots nobody touched since are shared with the copy.
        if (&x == &y)
            continue;
        if (x.Name != y.Name || x.Aktion != y.Aktion || x.Aktiv != y.Aktiv || x.Feld != y.Feld ||
            x.Skripte != y.Skripte || DateiName(x.Cursor) != DateiName(y.Cursor))
            return false;
    }
    return true;
}

std::optional<QString> hintergrundLesen(const QByteArray& bytes)
{
    ItemReader r(bytes);
    QString bild;
    if (!r.readString(bild))
        return std::nullopt;
    return bild;
}

bool gleichesBild(const QString& a, const QString& b)
{
    return dateiSchluessel(a) == dateiSchluessel(b);
}

} // namespace RoomFile
