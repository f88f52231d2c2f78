#include "WertSchritt.h"

#include "RaumVerlauf.h"

namespace {

QString beschreibung(const RaumBearbeitung::Stelle& s)
{
    using Art = RaumBearbeitung::Stelle::Art;
    static const QString aktionen[] = {QStringLiteral("„Sieh an!“"), QStringLiteral("„Tue“"),
                                       QStringLiteral("„Interagiere“")};
    const QString aktion = s.aktion >= 0 && s.aktion < 3 ? aktionen[s.aktion] : QString();
    switch (s.art) {
    case Art::Name:
        return QStringLiteral("Name");
    case Art::Cursor:
        return QStringLiteral("Cursor");
    case Art::Aktion:
        return QStringLiteral("Aktion ") + aktion;
    case Art::Aktiv:
        return QStringLiteral("Aktiv");
    case Art::Skript:
        return QStringLiteral("Skript ") + aktion;
    case Art::StartSkript:
        return QStringLiteral("Startskript");
    case Art::TimerSkript:
        return QStringLiteral("Timerskript");
    case Art::Hintergrund:
        return QStringLiteral("Bild");
    }
    return QString();
}

} // namespace

WertSchritt::WertSchritt(Module1& raum, RaumVerlauf& verlauf, const RaumBearbeitung::Stelle& stelle,
                         RaumBearbeitung::Wert neu, int besuch)
    : QUndoCommand(beschreibung(stelle)), m(raum), verlauf(verlauf), stelle(stelle),
      alt(RaumBearbeitung::lesen(raum, stelle)), neu(std::move(neu)), besuch(besuch)
{
}

void WertSchritt::setzen(const RaumBearbeitung::Wert& wert, bool zurueck)
{
    RaumBearbeitung::schreiben(m, stelle, wert);
    RaumVerlauf::Meldung meldung;
    meldung.stelle = stelle;
    meldung.hotSpot = stelle.gehoertZuHotSpot() ? stelle.hotSpot : -1;
    meldung.durchAutor = erstesMal && !zurueck;
    meldung.auswahl = stelle.gehoertZuHotSpot() ? stelle.hotSpot : verlauf.auswahl();
    erstesMal = false;
    verlauf.melden(meldung);
}

void WertSchritt::undo()
{
    setzen(alt, true);
}

void WertSchritt::redo()
{
    setzen(neu, false);
}

int WertSchritt::id() const
{
    // Only typing merges.
    return besuch >= 0 ? 1 : -1;
}

bool WertSchritt::mergeWith(const QUndoCommand* other)
{
    const auto* o = static_cast<const WertSchritt*>(other);
    if (o->besuch != besuch || !(o->stelle == stelle))
        return false;
    neu = o->neu;
    // Typed and typed back: no step at all.
    setObsolete(neu == alt);
    return true;
}
