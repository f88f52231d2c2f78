#include "Pruefung.h"

#include "model/DateiName.h"

Pruefung::Liste::Liste(const QStringList& namen) : namen(namen), benutzt(namen.size(), false)
{
    index.reserve(namen.size());
    for (int i = 0; i < namen.size(); ++i)
        index.insert(namen[i].toCaseFolded(), i);
}

void Pruefung::Liste::benutzen(const QString& wert, QVector<int>& zeilen)
{
    const auto [anfang, ende] = index.equal_range(dateiSchluessel(wert));
    for (auto it = anfang; it != ende; ++it) {
        benutzt[*it] = true;
        zeilen.append(*it);
    }
}

QStringList Pruefung::Liste::unbenutzt() const
{
    QStringList ergebnis;
    for (int i = 0; i < namen.size(); ++i) {
        if (!benutzt[i])
            ergebnis.append(namen[i]);
    }
    return ergebnis;
}

Pruefung::Pruefung(const QStringList& bilder, const QStringList& klaenge)
    : bilder(bilder), klaenge(klaenge)
{
}

Pruefung::Treffer Pruefung::zaehlen(const QVector<Referenz>& referenzen)
{
    Treffer treffer;
    for (const Referenz& r : referenzen) {
        switch (r.art) {
        case Referenz::Art::Hintergrund:
        case Referenz::Art::Bild:
            bilder.benutzen(r.wert, treffer.bilder);
            break;
        case Referenz::Art::Klang:
            klaenge.benutzen(r.wert, treffer.klaenge);
            break;
        default:
            break;
        }
    }
    return treffer;
}
