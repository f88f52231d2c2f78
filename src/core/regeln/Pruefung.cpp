// The pictures and sounds of a game folder and which of them a reference names.
#include "Pruefung.h"

#include "model/DateiName.h"

namespace {

// FNV-1a over the case-folded code points. Thousands of references are looked up, so no key is
// copied; a game folder needs no defence against chosen collisions.
quint64 gefaltetHash(QStringView text)
{
    quint64 h = 14695981039346656037ull;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            c = QChar::surrogateToUcs4(char16_t(c), text[++i].unicode());
        h ^= QChar::toCaseFolded(c);
        h *= 1099511628211ull;
    }
    return h;
}

} // namespace

Pruefung::Liste::Liste(const QStringList& namen) : namen(namen), benutzt(namen.size(), false)
{
    index.reserve(namen.size());
    for (int i = 0; i < namen.size(); ++i)
        index.emplace(gefaltetHash(namen[i]), i);
}

bool Pruefung::Liste::benutzen(const QString& wert, QVector<int>* zeilen)
{
    const QStringView schluessel = dateiSchluesselTeil(wert);
    const auto [anfang, ende] = index.equal_range(gefaltetHash(schluessel));
    bool gefunden = false;
    for (auto it = anfang; it != ende; ++it) {
        if (schluessel.compare(namen[it->second], Qt::CaseInsensitive) == 0) {
            benutzt[it->second] = true;
            gefunden = true;
            if (zeilen)
                zeilen->append(it->second);
        }
    }
    return gefunden;
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
            bilder.benutzen(r.wert, &treffer.bilder);
            break;
        case Referenz::Art::Klang:
            klaenge.benutzen(r.wert, &treffer.klaenge);
            break;
        default:
            break;
        }
    }
    return treffer;
}

bool Pruefung::zaehlen(const Referenz& r)
{
    switch (r.art) {
    case Referenz::Art::Hintergrund:
    case Referenz::Art::Bild:
        return bilder.benutzen(r.wert, nullptr);
    case Referenz::Art::Klang:
        return klaenge.benutzen(r.wert, nullptr);
    default:
        return false;
    }
}
