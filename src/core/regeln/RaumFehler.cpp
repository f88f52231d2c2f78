// How many faults the game check finds in each script of a room in memory.
#include "RaumFehler.h"

#include "SkriptRegeln.h"
#include "model/Module1.h"

#include <QStringList>

namespace {

int anzahl(const Skript& s, const QStringList& namen)
{
    return s.MaxZeile < 0 ? 0 : int(SkriptRegeln::pruefen(s, &namen).size());
}

bool nenntHotSpots(const Skript& s)
{
    for (qint32 i = 0; i <= s.MaxZeile; ++i)
        if (SkriptRegeln::nenntHotSpot(s.Befehl[i]))
            return true;
    return false;
}

} // namespace

void RaumFehler::skriptGeaendert(const Module1& raum, const RaumBearbeitung::Stelle& stelle)
{
    using Art = RaumBearbeitung::Stelle::Art;
    const QStringList namen = raum.hotSpotNamen();
    if (stelle.art == Art::StartSkript)
        start = anzahl(raum.StartSkript, namen);
    else if (stelle.art == Art::TimerSkript)
        timer = anzahl(raum.TimerSkript, namen);
    else if (stelle.art == Art::Skript && stelle.hotSpot >= 0 && stelle.hotSpot < hotSpots.size())
        hotSpots[stelle.hotSpot][stelle.aktion] =
            anzahl(raum.HotSpots[stelle.hotSpot].Skripte[stelle.aktion], namen);
}

void RaumFehler::namenGeaendert(const Module1& raum)
{
    const QStringList namen = raum.hotSpotNamen();
    const auto neu = [&namen](const Skript& s, int& ziel) {
        if (nenntHotSpots(s))
            ziel = anzahl(s, namen);
    };
    neu(raum.StartSkript, start);
    neu(raum.TimerSkript, timer);
    for (qint32 h = 0; h <= raum.HotSpotMax && h < hotSpots.size(); ++h)
        for (int k = 0; k < HotSpot::Aktionen; ++k)
            neu(raum.HotSpots[h].Skripte[k], hotSpots[h][k]);
}

RaumFehler RaumFehler::zaehlen(const Module1& raum)
{
    RaumFehler f;
    const QStringList namen = raum.hotSpotNamen();
    const auto anzahl = [&namen](const Skript& s) { return ::anzahl(s, namen); };
    f.start = anzahl(raum.StartSkript);
    f.timer = anzahl(raum.TimerSkript);
    f.hotSpots.resize(raum.HotSpotMax + 1);
    for (qint32 h = 0; h <= raum.HotSpotMax; ++h)
        for (int k = 0; k < HotSpot::Aktionen; ++k)
            f.hotSpots[h][k] = anzahl(raum.HotSpots[h].Skripte[k]);
    return f;
}

QString RaumFehler::hotSpotText(qint32 h) const
{
    static const char* const aktionen[] = {"Sieh an!", "Tue", "Interagiere"};
    if (h < 0 || h >= hotSpots.size())
        return {};
    QStringList teile;
    int summe = 0;
    for (int k = 0; k < HotSpot::Aktionen; ++k) {
        if (hotSpots[h][k] == 0)
            continue;
        summe += hotSpots[h][k];
        teile << QStringLiteral("%1 im Skript „%2“")
                     .arg(hotSpots[h][k])
                     .arg(QString::fromUtf8(aktionen[k]));
    }
    if (teile.isEmpty())
        return {};
    if (teile.size() == 1)
        return QStringLiteral("%1 Fehler").arg(summe) + teile[0].mid(teile[0].indexOf(u' '));
    return QStringLiteral("%1 Fehler: ").arg(summe) + teile.join(QStringLiteral(", "));
}

QString RaumFehler::skriptText(int fehler, const QString& skript)
{
    return fehler == 0 ? QString() : QStringLiteral("%1 Fehler im %2").arg(fehler).arg(skript);
}
