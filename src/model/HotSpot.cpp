#include "HotSpot.h"

namespace {
constexpr qint32 befehlError = 16;
}

HotSpot HotSpot::neu(const QString& name)
{
    HotSpot h;
    h.Name = name;
    h.Aktion = {true, false, false};
    h.Skripte[2].zeilenAnlegen(1);
    h.Skripte[2].Befehl[0] = befehlError;
    h.Aktiv = true;
    return h;
}

bool HotSpot::operator==(const HotSpot& other) const
{
    return Name == other.Name && Feld == other.Feld && Aktion == other.Aktion &&
           Skripte == other.Skripte && Aktiv == other.Aktiv && Cursor == other.Cursor;
}
