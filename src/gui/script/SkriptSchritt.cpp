#include "SkriptSchritt.h"

#include "script/SkriptBearbeitung.h"

#include <utility>

SkriptSchritt::SkriptSchritt(Skript& skript, Zeigen zeigen, qint32 ab, Skript alt, Skript neu,
                             int vorher)
    : skript(skript), zeigen(std::move(zeigen)), ab(ab), alt(std::move(alt)), neu(std::move(neu)),
      aufbauen(this->alt.Befehl != this->neu.Befehl), auswahlVorher(vorher), auswahlNachher(vorher)
{
}

void SkriptSchritt::getippt(int besuchNummer)
{
    besuch = besuchNummer;
}

void SkriptSchritt::nachtragen(qint32 zeile, const QString& vorher, const QString& danach)
{
    nachtraege.append({zeile, vorher, danach});
}

void SkriptSchritt::undo()
{
    for (auto n = nachtraege.crbegin(); n != nachtraege.crend(); ++n)
        skript.Parameter[n->zeile] = n->alt;
    SkriptBearbeitung::ersetzen(skript, ab, neu.MaxZeile + 1, alt);
    zeigen(aufbauen, ab, alt.MaxZeile + 1, auswahlVorher);
}

void SkriptSchritt::redo()
{
    if (std::exchange(erledigt, false))
        return;
    SkriptBearbeitung::ersetzen(skript, ab, alt.MaxZeile + 1, neu);
    for (const Nachtrag& n : nachtraege)
        skript.Parameter[n.zeile] = n.neu;
    zeigen(aufbauen, ab, neu.MaxZeile + 1, auswahlNachher);
}

int SkriptSchritt::id() const
{
    return besuch < 0 ? -1 : 1;
}

bool SkriptSchritt::mergeWith(const QUndoCommand* other)
{
    const auto* spaeter = static_cast<const SkriptSchritt*>(other);
    if (spaeter->besuch != besuch || spaeter->ab != ab)
        return false;
    neu = spaeter->neu;
    // Typed and taken back: no step at all.
    setObsolete(neu == alt);
    return true;
}
