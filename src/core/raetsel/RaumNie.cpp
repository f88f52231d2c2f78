// The analysis' findings of one room, by hotspot and script.
#include "RaumNie.h"

#include "Erreichbarkeit.h"
#include "spiel/SpielDatei.h"

namespace {

const char* const aktionen[] = {"Sieh an!", "Tue", "Interagiere"};

/// Where in the script: nothing for all of it, else its lines (from 1).
QString zeilen(const NieBefund& b, const Skript& skript)
{
    if (b.stelle.zeile <= 0 && b.bis >= skript.MaxZeile)
        return {};
    if (b.bis <= b.stelle.zeile)
        return QStringLiteral(", Zeile %1").arg(b.stelle.zeile + 1);
    return QStringLiteral(", Zeilen %1–%2").arg(b.stelle.zeile + 1).arg(b.bis + 1);
}

/// Scripts failing for the same reason share its line: a hotspot inactive is said once.
void hinzu(QStringList& liste, QVector<QString>& gruende, const QString& wo, const QString& grund)
{
    const qsizetype i = gruende.indexOf(grund);
    if (i >= 0) {
        liste[i].insert(liste[i].size() - grund.size() - 2, QStringLiteral(", ") + wo);
        return;
    }
    gruende.append(grund);
    liste.append(wo + QStringLiteral(": ") + grund);
}

} // namespace

RaumNie RaumNie::von(const Erreichbarkeit& ablauf, const SpielDatei& raum)
{
    using Art = RoomFile::SkriptOrt::Art;
    RaumNie r;
    r.hotSpots.resize(raum.hotSpots.size());
    QVector<QVector<QString>> gruende(raum.hotSpots.size());
    QVector<QString> startGruende;
    QVector<QString> timerGruende;
    for (const NieBefund& b : ablauf.nie) {
        if (b.stelle.datei != raum.datei || b.skript < 0 || b.skript >= raum.skripte.size())
            continue;
        const SpielDatei::SkriptDaten& d = raum.skripte[b.skript];
        const QString wo = zeilen(b, d.skript);
        const QString grund = b.grund.text();
        if (d.ort.art == Art::Start) {
            hinzu(r.start, startGruende, QStringLiteral("Startskript") + wo, grund);
        } else if (d.ort.art == Art::Timer) {
            hinzu(r.timer, timerGruende, QStringLiteral("Timerskript") + wo, grund);
        } else if (d.ort.hotSpot >= 0 && d.ort.hotSpot < r.hotSpots.size() && d.ort.aktion >= 0 &&
                   d.ort.aktion < 3) {
            const QString aktion = QStringLiteral("„") + QString::fromUtf8(aktionen[d.ort.aktion]) +
                                   QStringLiteral("“") + wo;
            hinzu(r.hotSpots[d.ort.hotSpot], gruende[d.ort.hotSpot], aktion, grund);
        }
    }
    return r;
}

bool RaumNie::leer() const
{
    for (const QStringList& h : hotSpots)
        if (!h.isEmpty())
            return false;
    return start.isEmpty() && timer.isEmpty();
}

QString RaumNie::text(const QStringList& zeilen)
{
    if (zeilen.isEmpty())
        return {};
    return QStringLiteral("Kann im Spiel nie geschehen:\n") + zeilen.join(QLatin1Char('\n'));
}
