// Names numbered in the order first met.
#include "Namensnummern.h"

void Namensnummern::reserve(qsizetype anzahl)
{
    nummern.reserve(anzahl);
    namen.reserve(anzahl);
}

int Namensnummern::nummer(const QString& name)
{
    auto da = nummern.find(Schluessel{name});
    if (da == nummern.end()) {
        da = nummern.insert(Schluessel{name}, int(namen.size()));
        namen.append(name);
    }
    return *da;
}

int Namensnummern::finde(const QString& name) const
{
    return nummern.value(Schluessel{name}, -1);
}
