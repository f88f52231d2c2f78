// How the blocks of one script nest.
#include "Skriptbloecke.h"

#include "model/Skript.h"
#include "script/Befehlstabelle.h"

#include <algorithm>

using namespace Befehlstabelle;

Skriptbloecke::Skriptbloecke(const Skript& s)
{
    const qint32 n = s.MaxZeile + 1;
    sonst.fill(-1, n);
    ende.fill(-1, n);
    oeffner.fill(-1, n);
    QVector<qint32> stapel;
    const auto oben = [&](std::initializer_list<qint32> codes) {
        if (stapel.isEmpty())
            return false;
        const qint32 c = s.Befehl[stapel.last()];
        return std::find(codes.begin(), codes.end(), c) != codes.end();
    };
    for (qint32 i = 0; i < n && ausgeglichen; ++i) {
        switch (s.Befehl[i]) {
        case If:
        case IfItem:
        case SelectCase:
            stapel.append(i);
            break;
        case Else:
            if (!oben({If, IfItem}) || sonst[stapel.last()] >= 0)
                ausgeglichen = false;
            else
                sonst[stapel.last()] = i, oeffner[i] = stapel.last();
            break;
        case EndIf:
            if (!oben({If, IfItem})) {
                ausgeglichen = false;
            } else {
                const qint32 o = stapel.takeLast();
                ende[o] = i;
                if (sonst[o] >= 0)
                    ende[sonst[o]] = i;
                oeffner[i] = o;
            }
            break;
        case Case:
            if (!oben({SelectCase}))
                ausgeglichen = false;
            else
                faelle[stapel.last()].append(i), oeffner[i] = stapel.last();
            break;
        case EndSelect:
            if (!oben({SelectCase})) {
                ausgeglichen = false;
            } else {
                const qint32 o = stapel.takeLast();
                ende[o] = i;
                for (qint32 c : faelle.value(o))
                    ende[c] = i;
                oeffner[i] = o;
            }
            break;
        case Label:
            marken[s.Parameter[i]].append(i);
            break;
        default:
            break;
        }
    }
    if (!stapel.isEmpty())
        ausgeglichen = false;
}
