// A room of the game as the rooms window lists it.
#include "RaumEintrag.h"

#include "model/DateiName.h"
#include "spiel/Spielpruefung.h"

QVector<RaumEintrag> RaumEintrag::alle(const Spielpruefung& spiel)
{
    QVector<RaumEintrag> ergebnis;
    for (const std::shared_ptr<const SpielDatei>& d : spiel.dateien())
        if (d->raum)
            ergebnis.append(von(d));
    return ergebnis;
}

RaumEintrag RaumEintrag::von(std::shared_ptr<const SpielDatei> raum)
{
    RaumEintrag e;
    e.datei = raum->datei;
    e.name = DateiName(raum->datei);
    e.hotSpots = int(raum->hotSpots.size());
    e.fehler = int(raum->fehler.size());
    if (!raum->geoeffnet)
        e.grund = QStringLiteral("kann nicht geöffnet werden");
    else if (!raum->vollstaendig)
        e.grund = QStringLiteral("Lesen bricht in Zeile %1 ab").arg(raum->zeile);
    e.raum = std::move(raum);
    return e;
}
