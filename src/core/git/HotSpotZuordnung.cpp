// Which hotspot of one side of a merge continues which hotspot of the base.
#include "HotSpotZuordnung.h"

#include "model/Module1.h"

#include <QHash>

namespace {

// Whether a hotspot of a new name is the base's, renamed: renaming keeps most of its cells, or
// most of its scripts; a hotspot deleted and another added in its place shares neither. What is
// empty in both says nothing.
bool umbenannt(const HotSpot& basis, const HotSpot& seite)
{
    int beide = 0;
    int eine = 0;
    for (int x = 0; x < HotSpot::Spalten; ++x) {
        for (int y = 0; y < HotSpot::Zeilen; ++y) {
            beide += basis.Feld[x][y] && seite.Feld[x][y] ? 1 : 0;
            eine += basis.Feld[x][y] || seite.Feld[x][y] ? 1 : 0;
        }
    }
    int gleich = eine > 0 && 2 * beide >= eine ? 2 : 0;
    for (int a = 0; a < HotSpot::Aktionen; ++a)
        gleich += basis.Skripte[a] == seite.Skripte[a] && basis.Skripte[a].MaxZeile >= 0 ? 1 : 0;
    gleich += basis.Cursor == seite.Cursor && !basis.Cursor.isEmpty() ? 1 : 0;
    return gleich >= 2;
}

} // namespace

HotSpotZuordnung HotSpotZuordnung::zuordnen(const Module1& basis, const Module1& seite)
{
    HotSpotZuordnung z;
    z.seiteVonBasis.fill(-1, basis.HotSpotMax + 1);
    z.basisVonSeite.fill(-1, seite.HotSpotMax + 1);
    QHash<QString, QVector<qint32>> namen;
    for (qint32 b = 0; b <= basis.HotSpotMax; ++b)
        namen[basis.HotSpots[b].Name].append(b);
    QHash<QString, int> gesehen;
    for (qint32 s = 0; s <= seite.HotSpotMax; ++s) {
        const QString& name = seite.HotSpots[s].Name;
        const int k = gesehen[name]++;
        const auto it = namen.constFind(name);
        if (it != namen.cend() && k < it->size()) {
            z.seiteVonBasis[it->at(k)] = s;
            z.basisVonSeite[s] = it->at(k);
        }
    }
    // A run of base hotspots the side has no name for, and the side's hotspots of new names
    // between the same neighbours: the k-th of one is the k-th of the other, renamed.
    for (qint32 b = 0; b <= basis.HotSpotMax;) {
        if (z.seiteVonBasis[b] >= 0) {
            ++b;
            continue;
        }
        qint32 ende = b;
        while (ende <= basis.HotSpotMax && z.seiteVonBasis[ende] < 0)
            ++ende;
        const qint32 bis = ende <= basis.HotSpotMax ? z.seiteVonBasis[ende] : seite.HotSpotMax + 1;
        qint32 ab = b > 0 ? z.seiteVonBasis[b - 1] + 1 : 0;
        for (qint32 u = b; u < ende; ++u) {
            for (qint32 s = ab; s < bis; ++s) {
                if (z.basisVonSeite[s] < 0 && !namen.contains(seite.HotSpots[s].Name) &&
                    umbenannt(basis.HotSpots[u], seite.HotSpots[s])) {
                    z.seiteVonBasis[u] = s;
                    z.basisVonSeite[s] = u;
                    ab = s + 1;
                    break;
                }
            }
        }
        b = ende;
    }
    return z;
}
