#include "WahlSchritt.h"

WahlSchritt::WahlSchritt(int konflikt, Konfliktloesung::Wahl alt, Konfliktloesung::Wahl neu,
                         std::function<void(int, Konfliktloesung::Wahl)> setzen)
    : konflikt(konflikt), alt(alt), neu(neu), setzen(std::move(setzen))
{
}

void WahlSchritt::undo()
{
    setzen(konflikt, alt);
}

void WahlSchritt::redo()
{
    setzen(konflikt, neu);
}
