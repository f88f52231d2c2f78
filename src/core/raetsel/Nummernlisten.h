// Lists by number in one block, as the fixpoint looks them up: who waits for a name, who
// gives it.
#pragma once

#include <QtGlobal>
#include <utility>
#include <vector>

/// For each number, a list of values, in the order they were added; made in one go once every
/// pair is known, so that thousands of short lists cost no allocation each.
template <typename T> class Nummernlisten
{
public:
    void hinzu(int nr, const T& wert) { paare.push_back({nr, wert}); }

    /// Sorts what was added into the lists of numbers 0 to `nummern` - 1.
    void fertig(qsizetype nummern)
    {
        anfang.assign(size_t(nummern) + 1, 0);
        for (const auto& p : paare)
            ++anfang[size_t(p.first) + 1];
        for (size_t i = 1; i < anfang.size(); ++i)
            anfang[i] += anfang[i - 1];
        werte.resize(paare.size());
        std::vector<qsizetype> naechster(anfang.begin(), anfang.end() - 1);
        for (const auto& p : paare)
            werte[size_t(naechster[size_t(p.first)]++)] = p.second;
        paare = {};
    }

    const T* begin(int nr) const { return werte.data() + (gibt(nr) ? anfang[nr] : 0); }
    const T* end(int nr) const { return werte.data() + (gibt(nr) ? anfang[nr + 1] : 0); }
    bool leer(int nr) const { return begin(nr) == end(nr); }

private:
    bool gibt(int nr) const { return nr >= 0 && size_t(nr) + 1 < anfang.size(); }

    std::vector<std::pair<int, T>> paare;
    std::vector<qsizetype> anfang;
    std::vector<T> werte;
};
