#include "ZellenSchritt.h"

#include "RaumVerlauf.h"
#include "canvas/Strich.h"

namespace {

QString name(int knoepfe)
{
    if (knoepfe == Strich::Links)
        return QStringLiteral("Strich");
    if (knoepfe == Strich::Rechts)
        return QStringLiteral("Rechteck");
    return QStringLiteral("Zellen");
}

} // namespace

ZellenSchritt::ZellenSchritt(Module1& raum, RaumVerlauf& verlauf, qint32 hotSpot,
                             QVector<RaumBearbeitung::Zelle> zellen, int knoepfe)
    : QUndoCommand(name(knoepfe)), m(raum), verlauf(verlauf), hotSpot(hotSpot),
      zellen(std::move(zellen))
{
}

void ZellenSchritt::umschalten(bool zurueck)
{
    RaumVerlauf::Meldung meldung;
    meldung.art = RaumVerlauf::Meldung::Art::Zellen;
    meldung.hotSpot = meldung.auswahl = hotSpot;
    meldung.durchAutor = erstesMal && !zurueck;
    if (!meldung.durchAutor)
        RaumBearbeitung::umschalten(m.HotSpots[hotSpot], zellen);
    erstesMal = false;
    verlauf.melden(meldung);
}

void ZellenSchritt::undo()
{
    umschalten(true);
}

void ZellenSchritt::redo()
{
    umschalten(false);
}
