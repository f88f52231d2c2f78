// Which hotspot of one side of a merge continues which hotspot of the base.
#pragma once

#include <QVector>

class Module1;

/// Which hotspot of one side of a merge continues which hotspot of the base: by name, the
/// k-th of a name with the k-th; then a hotspot the side renamed, found at the base's place in
/// the list under a name the base does not have, when it kept most of its cells or scripts.
struct HotSpotZuordnung
{
    /// For each hotspot of the base, the side's (-1: none); for each of the side, the base's.
    QVector<qint32> seiteVonBasis;
    QVector<qint32> basisVonSeite;

    static HotSpotZuordnung zuordnen(const Module1& basis, const Module1& seite);
};
