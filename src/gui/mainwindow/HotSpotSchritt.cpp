#include "HotSpotSchritt.h"

#include "RaumVerlauf.h"
#include "model/Module1.h"
#include "model/RaumBearbeitung.h"

HotSpotSchritt::HotSpotSchritt(Module1& raum, RaumVerlauf& verlauf, bool neu, qint32 index,
                               HotSpot spot, qint32 auswahlVorher)
    : QUndoCommand(neu ? QStringLiteral("Neuer HotSpot") : QStringLiteral("HotSpot löschen")),
      m(raum), verlauf(verlauf), neu(neu), index(index), spot(std::move(spot)),
      auswahlVorher(auswahlVorher)
{
}

void HotSpotSchritt::einfuegen(bool durchAutor)
{
    RaumBearbeitung::hotSpotEinfuegen(m, index, spot);
    RaumVerlauf::Meldung meldung;
    meldung.art = RaumVerlauf::Meldung::Art::HotSpotNeu;
    meldung.hotSpot = meldung.auswahl = index;
    meldung.durchAutor = durchAutor;
    verlauf.melden(meldung);
}

void HotSpotSchritt::entfernen(bool durchAutor)
{
    m.hotSpotEntfernen(index);
    RaumVerlauf::Meldung meldung;
    meldung.art = RaumVerlauf::Meldung::Art::HotSpotWeg;
    meldung.hotSpot = index;
    meldung.durchAutor = durchAutor;
    // A new hotspot taken back: the list shows what it showed before. A deleted one: the
    // entry that took its place, or the new last one.
    meldung.auswahl = neu ? auswahlVorher : std::min(index, m.HotSpotMax);
    verlauf.melden(meldung);
}

void HotSpotSchritt::undo()
{
    if (neu)
        entfernen(false);
    else
        einfuegen(false);
}

void HotSpotSchritt::redo()
{
    const bool durchAutor = erstesMal;
    erstesMal = false;
    if (neu)
        einfuegen(durchAutor);
    else
        entfernen(durchAutor);
}
