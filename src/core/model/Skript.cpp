// One script: a command code and a parameter per line.
#include "Skript.h"

void Skript::leeren()
{
    Befehl.clear();
    Parameter.clear();
    MaxZeile = -1;
}

void Skript::zeilenAnlegen(qint32 zeilen)
{
    Befehl = QVector<qint32>(zeilen, 0);
    Parameter = QVector<QString>(zeilen);
    MaxZeile = zeilen - 1;
}

Skript Skript::interagiereVorgabe()
{
    constexpr qint32 befehlError = 16;
    Skript s;
    s.zeilenAnlegen(1);
    s.Befehl[0] = befehlError;
    return s;
}

bool Skript::operator==(const Skript& other) const
{
    // Only the meaningful lines count: leftovers beyond MaxZeile are not part of the script.
    if (MaxZeile != other.MaxZeile)
        return false;
    for (qint32 i = 0; i <= MaxZeile; ++i) {
        if (Befehl[i] != other.Befehl[i] || Parameter[i] != other.Parameter[i])
            return false;
    }
    return true;
}
