// The edits the script editor makes on a script.
#include "SkriptBearbeitung.h"

#include "Befehlstabelle.h"

#include <algorithm>
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

qint32 blockEnde(const Skript& skript, qint32 s)
{
    using namespace Befehlstabelle;
    const qint32 code = skript.Befehl[s];
    const bool wenn = code == If || code == IfItem;
    if (!wenn && code != SelectCase)
        return s;
    int tiefe = 0;
    for (qint32 i = s; i <= skript.MaxZeile; ++i) {
        const qint32 c = skript.Befehl[i];
        if (wenn ? c == If || c == IfItem : c == SelectCase)
            ++tiefe;
        else if (c == (wenn ? EndIf : EndSelect) && --tiefe == 0)
            return i;
    }
    return skript.MaxZeile;
}

Skript zeilen(const Skript& skript, qint32 ab, qint32 anzahl)
{
    const qint32 von = qBound(0, ab, skript.MaxZeile + 1);
    const qint32 bis = qBound(von, ab + anzahl, skript.MaxZeile + 1);
    Skript teil;
    teil.Befehl = skript.Befehl.mid(von, bis - von);
    teil.Parameter = skript.Parameter.mid(von, bis - von);
    teil.MaxZeile = qint32(teil.Befehl.size()) - 1;
    return teil;
}

void ersetzen(Skript& skript, qint32 ab, qint32 anzahl, const Skript& neu)
{
    const qint32 n = neu.MaxZeile + 1;
    const qint32 gemeinsam = qMin(anzahl, n);
    for (qint32 i = 0; i < gemeinsam; ++i) {
        skript.Befehl[ab + i] = neu.Befehl[i];
        skript.Parameter[ab + i] = neu.Parameter[i];
    }
    if (n == anzahl)
        return;
    skript.Befehl.resize(skript.MaxZeile + 1);
    skript.Parameter.resize(skript.MaxZeile + 1);
    skript.MaxZeile += n - anzahl;
    if (anzahl > n) {
        // As a deletion of the last line leaves it: its element stays behind MaxZeile.
        const qint32 bleibt = skript.MaxZeile < 0 ? 1 : 0;
        skript.Befehl.remove(ab + n + bleibt, anzahl - n - bleibt);
        skript.Parameter.remove(ab + n + bleibt, anzahl - n - bleibt);
        return;
    }
    skript.Befehl.insert(ab + anzahl, n - anzahl, 0);
    skript.Parameter.insert(ab + anzahl, n - anzahl, QString());
    std::copy(neu.Befehl.cbegin() + anzahl, neu.Befehl.cbegin() + n,
              skript.Befehl.begin() + ab + anzahl);
    std::copy(neu.Parameter.cbegin() + anzahl, neu.Parameter.cbegin() + n,
              skript.Parameter.begin() + ab + anzahl);
}

} // namespace SkriptBearbeitung
