// The three-way merge of a script's lines.
#include "SkriptZusammenfuehrung.h"

#include <QHash>
#include <algorithm>
#include <vector>

namespace SkriptZusammenfuehrung {
namespace {

// A shortest edit is searched up to this many differences; beyond, the lines between the
// common beginning and end count as all changed. Memory grows with its square.
constexpr int hoechsteAbweichung = 3000;

qint32 laenge(const Skript& s)
{
    return std::max(s.MaxZeile + 1, 0);
}

// Each distinct line (code and parameter) as one number, the same in both scripts.
void nummerieren(const Skript& a, const Skript& b, std::vector<int>& na, std::vector<int>& nb)
{
    QHash<QPair<qint32, QString>, int> nummern;
    const auto holen = [&](const Skript& s, qint32 i) {
        const QPair<qint32, QString> zeile{s.Befehl[i], s.Parameter[i]};
        const auto it = nummern.constFind(zeile);
        return it != nummern.cend() ? *it : *nummern.insert(zeile, int(nummern.size()));
    };
    na.resize(size_t(laenge(a)));
    nb.resize(size_t(laenge(b)));
    for (qint32 i = 0; i < laenge(a); ++i)
        na[size_t(i)] = holen(a, i);
    for (qint32 i = 0; i < laenge(b); ++i)
        nb[size_t(i)] = holen(b, i);
}

// Myers' greedy search for a shortest edit between a[0..n) and b[0..m), keeping each round's
// furthest points to walk back along.
void mitte(const int* a, int n, const int* b, int m, qint32 abA, qint32 abB,
           QVector<QPair<qint32, qint32>>& paare)
{
    const int grenze = std::min(n + m, hoechsteAbweichung);
    const int versatz = grenze + 1;
    std::vector<int> v(size_t(2 * grenze + 3), 0);
    std::vector<std::vector<int>> spur;
    int ende = -1;
    for (int d = 0; d <= grenze && ende < 0; ++d) {
        for (int k = -d; k <= d; k += 2) {
            int x = (k == -d || (k != d && v[size_t(versatz + k - 1)] < v[size_t(versatz + k + 1)]))
                        ? v[size_t(versatz + k + 1)]
                        : v[size_t(versatz + k - 1)] + 1;
            int y = x - k;
            while (x < n && y < m && a[x] == b[y]) {
                ++x;
                ++y;
            }
            v[size_t(versatz + k)] = x;
            if (x >= n && y >= m) {
                ende = d;
                break;
            }
        }
        spur.emplace_back(v.begin() + (versatz - d), v.begin() + (versatz + d + 1));
    }
    if (ende < 0)
        return;
    QVector<QPair<qint32, qint32>> rueckwaerts;
    int x = n;
    int y = m;
    for (int d = ende; d > 0; --d) {
        const std::vector<int>& vorher = spur[size_t(d - 1)];
        const auto bei = [&](int k) { return vorher[size_t(k + d - 1)]; };
        const int k = x - y;
        const bool runter = k == -d || (k != d && bei(k - 1) < bei(k + 1));
        const int vorK = runter ? k + 1 : k - 1;
        const int vorX = bei(vorK);
        const int startX = runter ? vorX : vorX + 1;
        while (x > startX) {
            --x;
            --y;
            rueckwaerts.append({abA + x, abB + y});
        }
        x = vorX;
        y = vorX - vorK;
    }
    while (x > 0 && y > 0) {
        --x;
        --y;
        rueckwaerts.append({abA + x, abB + y});
    }
    std::reverse(rueckwaerts.begin(), rueckwaerts.end());
    paare += rueckwaerts;
}

bool gleich(const Skript& a, qint32 vonA, qint32 bisA, const Skript& b, qint32 vonB, qint32 bisB)
{
    if (bisA - vonA != bisB - vonB)
        return false;
    for (qint32 i = 0; i < bisA - vonA; ++i) {
        if (a.Befehl[vonA + i] != b.Befehl[vonB + i] ||
            a.Parameter[vonA + i] != b.Parameter[vonB + i])
            return false;
    }
    return true;
}

bool gleicheZeile(const Skript& a, qint32 i, const Skript& b, qint32 j)
{
    return a.Befehl[i] == b.Befehl[j] && a.Parameter[i] == b.Parameter[j];
}

void genommen(QVector<Stueck>& stuecke, const Skript& quelle, qint32 von, qint32 bis)
{
    if (von >= bis)
        return;
    if (stuecke.isEmpty() || stuecke.last().konflikt)
        stuecke.append(Stueck());
    anhaengen(stuecke.last().zeilen, quelle, von, bis);
}

} // namespace

void anhaengen(Skript& ziel, const Skript& quelle, qint32 von, qint32 bis)
{
    if (von >= bis)
        return;
    const qint32 alt = laenge(ziel);
    ziel.Befehl.resize(alt);
    ziel.Parameter.resize(alt);
    for (qint32 i = von; i < bis; ++i) {
        ziel.Befehl.append(quelle.Befehl[i]);
        ziel.Parameter.append(quelle.Parameter[i]);
    }
    ziel.MaxZeile = alt + (bis - von) - 1;
}

QVector<QPair<qint32, qint32>> gemeinsameZeilen(const Skript& a, const Skript& b)
{
    std::vector<int> na;
    std::vector<int> nb;
    nummerieren(a, b, na, nb);
    const int n = int(na.size());
    const int m = int(nb.size());
    int anfang = 0;
    while (anfang < n && anfang < m && na[size_t(anfang)] == nb[size_t(anfang)])
        ++anfang;
    int schluss = 0;
    while (schluss < n - anfang && schluss < m - anfang &&
           na[size_t(n - 1 - schluss)] == nb[size_t(m - 1 - schluss)])
        ++schluss;
    QVector<QPair<qint32, qint32>> paare;
    paare.reserve(std::min(n, m));
    for (int i = 0; i < anfang; ++i)
        paare.append({i, i});
    if (anfang < n - schluss && anfang < m - schluss)
        mitte(na.data() + anfang, n - schluss - anfang, nb.data() + anfang, m - schluss - anfang,
              anfang, anfang, paare);
    for (int i = schluss; i > 0; --i)
        paare.append({n - i, m - i});
    return paare;
}

Ergebnis zusammenfuehren(const Skript& basis, const Skript& unsere, const Skript& deren)
{
    const qint32 nBasis = laenge(basis);
    // For every line of the base, where it stands in each side, or -1 where it is gone.
    QVector<qint32> inUnserer(nBasis, -1);
    QVector<qint32> inDeren(nBasis, -1);
    for (const auto& [i, j] : gemeinsameZeilen(basis, unsere))
        inUnserer[i] = j;
    for (const auto& [i, j] : gemeinsameZeilen(basis, deren))
        inDeren[i] = j;

    Ergebnis e;
    qint32 o = 0;
    qint32 a = 0;
    qint32 b = 0;
    for (;;) {
        // Lines that stand alike in all three.
        const qint32 stabilAb = o;
        while (o < nBasis && inUnserer[o] == a && inDeren[o] == b) {
            ++o;
            ++a;
            ++b;
        }
        genommen(e.stuecke, basis, stabilAb, o);
        // Up to the next base line both sides still have.
        qint32 o2 = o;
        while (o2 < nBasis && (inUnserer[o2] < 0 || inDeren[o2] < 0))
            ++o2;
        const qint32 a2 = o2 < nBasis ? inUnserer[o2] : laenge(unsere);
        const qint32 b2 = o2 < nBasis ? inDeren[o2] : laenge(deren);
        if (o2 == o && a2 == a && b2 == b)
            break;
        const bool unsereGeaendert = !gleich(unsere, a, a2, basis, o, o2);
        const bool derenGeaendert = !gleich(deren, b, b2, basis, o, o2);
        if (!derenGeaendert) {
            genommen(e.stuecke, unsere, a, a2);
        } else if (!unsereGeaendert || gleich(unsere, a, a2, deren, b, b2)) {
            genommen(e.stuecke, deren, b, b2);
        } else {
            // What both sides put at the beginning or end of the lines alike is no conflict.
            qint32 vorn = 0;
            while (a + vorn < a2 && b + vorn < b2 &&
                   gleicheZeile(unsere, a + vorn, deren, b + vorn))
                ++vorn;
            qint32 hinten = 0;
            while (a2 - hinten > a + vorn && b2 - hinten > b + vorn &&
                   gleicheZeile(unsere, a2 - hinten - 1, deren, b2 - hinten - 1))
                ++hinten;
            genommen(e.stuecke, unsere, a, a + vorn);
            Stueck k;
            k.konflikt = true;
            anhaengen(k.unsere, unsere, a + vorn, a2 - hinten);
            anhaengen(k.deren, deren, b + vorn, b2 - hinten);
            anhaengen(k.basis, basis, o, o2);
            k.unsereAb = a + vorn;
            k.derenAb = b + vorn;
            e.stuecke.append(k);
            genommen(e.stuecke, unsere, a2 - hinten, a2);
        }
        o = o2;
        a = a2;
        b = b2;
    }
    return e;
}

int Ergebnis::konflikte() const
{
    return int(std::count_if(stuecke.cbegin(), stuecke.cend(),
                             [](const Stueck& s) { return s.konflikt; }));
}

Skript Ergebnis::skript() const
{
    Skript s;
    for (const Stueck& stueck : stuecke) {
        const Skript& teil = stueck.konflikt ? stueck.unsere : stueck.zeilen;
        anhaengen(s, teil, 0, laenge(teil));
    }
    return s;
}

} // namespace SkriptZusammenfuehrung
