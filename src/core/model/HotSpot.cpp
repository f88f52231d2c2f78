// One named region of the room with its three actions.
#include "HotSpot.h"

HotSpot HotSpot::neu(const QString& name)
{
    HotSpot h;
    h.Name = name;
    h.Aktion = {true, false, false};
    h.Skripte[2] = Skript::interagiereVorgabe();
    h.Aktiv = true;
    return h;
}

bool HotSpot::operator==(const HotSpot& other) const
{
    return Name == other.Name && Feld == other.Feld && Aktion == other.Aktion &&
           Skripte == other.Skripte && Aktiv == other.Aktiv && Cursor == other.Cursor;
}
