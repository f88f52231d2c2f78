// Names numbered in the order first met, for the analysis of what can ever happen in play.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

/// Names numbered from 0 in the order first met. Qt's hash of a text with the process's seed
/// costs a hundred times what its plain hash does, and a thousand rooms name tens of
/// thousands of flags, items, hotspots and rooms: here the seed is only mixed into the plain
/// hash.
class Namensnummern
{
public:
    void reserve(qsizetype anzahl);
    /// Its number, a new one when it has none.
    int nummer(const QString& name);
    /// Its number, -1 when it has none.
    int finde(const QString& name) const;
    const QString& name(int nr) const { return namen[nr]; }
    qsizetype anzahl() const { return namen.size(); }

private:
    struct Schluessel
    {
        QString text;
        bool operator==(const Schluessel& o) const { return text == o.text; }
    };
    friend size_t qHash(const Schluessel& s, size_t seed) noexcept
    {
        return qHash(QStringView(s.text), 0) ^ seed;
    }

    QHash<Schluessel, int> nummern;
    QStringList namen;
};
