// The checks of one script on its own: blocks, labels, hotspot names, parameter forms.
#pragma once

#include "model/Skript.h"

#include <QString>
#include <QStringList>
#include <QVector>

/// The checks of one script that need nothing but the script and the names of its room's
/// hotspots: blocks, labels, hotspot names and the form of parameters. Names are compared
/// exactly, letter case and spaces included, as the game compares texts.
namespace SkriptRegeln {

struct Verstoss
{
    /// The script line (from 0) that the fault is reported at.
    qint32 zeile = 0;
    QString text;
};

/// The faults of `skript`, ordered by line. The hotspot names of "HSaktivieren",
/// "HSdeaktivieren" and "ChangeMouse" are looked up in `hotSpots` when it is given.
QVector<Verstoss> pruefen(const Skript& skript, const QStringList* hotSpots);

/// The faults that come from several lines together: blocks that do not match, a label
/// defined twice, a "Jump" to a label the script does not hold. Ordered by line.
QVector<Verstoss> mehrzeilig(const Skript& skript);

/// The fault of a line that it has on its own, whatever the lines around it: a hotspot name
/// not in `hotSpots` (when given), a parameter its command cannot take. Null when none.
/// "Label" and "Jump" lines have none of their own: they are checked against each other.
QString zeilenFehler(qint32 befehl, const QString& parameter, const QStringList* hotSpots);

/// Whether a line of command `befehl` names a hotspot.
bool nenntHotSpot(qint32 befehl);
/// Whether such a line names one of `namen`: "HSaktivieren" and "HSdeaktivieren" name a
/// hotspot with their whole parameter, "ChangeMouse" with what stands before the comma.
bool hotSpotBenannt(qint32 befehl, const QString& parameter, const QStringList& namen);
/// The fault of such a line when `namen`, the hotspots of its room (`imRaum`) or of every
/// room, does not hold the name.
QString hotSpotFehlt(qint32 befehl, const QString& parameter, const QStringList& namen,
                     bool imRaum);

/// The key under which two names count as nearly the same: without the spaces around them,
/// letter case folded. Only for telling the author which spelling exists.
QString aehnlichSchluessel(const QString& name);

} // namespace SkriptRegeln
