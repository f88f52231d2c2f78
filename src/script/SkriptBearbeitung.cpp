#include "SkriptBearbeitung.h"

#include "Befehlstabelle.h"

#include <utility>

namespace SkriptBearbeitung {
namespace {

void zeileEinfuegen(Skript& s, qint32 p, qint32 code)
{
    // Grown to exactly one more line; leftovers beyond MaxZeile go.
    s.Befehl.resize(s.MaxZeile + 1);
    s.Parameter.resize(s.MaxZeile + 1);
    s.Befehl.insert(p, code);
    s.Parameter.insert(p, QString());
    ++s.MaxZeile;
}

void tauschen(Skript& s, qint32 a, qint32 b)
{
    std::swap(s.Befehl[a], s.Befehl[b]);
    std::swap(s.Parameter[a], s.Parameter[b]);
}

} // namespace

qint32 einfuegen(Skript& skript, qint32 nach, qint32 code)
{
    const qint32 p = qBound(0, nach + 1, skript.MaxZeile + 1);
    if (code == Befehlstabelle::If || code == Befehlstabelle::IfItem) {
        zeileEinfuegen(skript, p, Befehlstabelle::EndIf);
        zeileEinfuegen(skript, p, Befehlstabelle::Else);
    }
    zeileEinfuegen(skript, p, code);
    return p;
}

bool hoch(Skript& skript, qint32 s)
{
    if (s < 1 || s > skript.MaxZeile)
        return false;
    tauschen(skript, s - 1, s);
    return true;
}

bool runter(Skript& skript, qint32 s)
{
    if (s < 0 || s >= skript.MaxZeile)
        return false;
    tauschen(skript, s, s + 1);
    return true;
}

bool loeschen(Skript& skript, qint32 s)
{
    if (s < 0 || s > skript.MaxZeile)
        return false;
    if (skript.MaxZeile == 0) {
        // The arrays keep their one element; it no longer counts as a line.
        skript.MaxZeile = -1;
        return true;
    }
    skript.Befehl.resize(skript.MaxZeile + 1);
    skript.Parameter.resize(skript.MaxZeile + 1);
    skript.Befehl.remove(s);
    skript.Parameter.remove(s);
    --skript.MaxZeile;
    return true;
}

} // namespace SkriptBearbeitung
