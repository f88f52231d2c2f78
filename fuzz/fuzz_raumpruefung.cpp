// Any bytes as one room of the game-folder checker's scan: no crash, and the pictures and
// sounds it leaves unused are exactly those that no file name in the room names, compared by
// a plain rule of our own. The lists hold the room's own names in other spellings, so the
// fuzzer reaches matches as well as misses.
#include "ModellWerte.h"
#include "RaumRegeln.h"
#include "regeln/Pruefung.h"
#include "regeln/Referenzen.h"
#include "roomfile/RoomFile.h"

#include <QSet>

#include <cstdint>

namespace {

// Spaces around it and the folders before it go; letter case does not count.
QString blosserName(const QString& wert)
{
    qsizetype a = 0, e = wert.size();
    while (a < e && wert[a] == QLatin1Char(' '))
        ++a;
    while (e > a && wert[e - 1] == QLatin1Char(' '))
        --e;
    QString name = wert.mid(a, e - a);
    const qsizetype trenner = qMax(name.lastIndexOf(QLatin1Char('/')), name.lastIndexOf('\\'));
    return name.mid(trenner + 1);
}

bool benannt(const QString& name, const QStringList& werte)
{
    for (const QString& w : werte) {
        if (blosserName(w).compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QString andersGeschrieben(const QString& name, int art)
{
    switch (art % 3) {
    case 0:
        return name.toUpper();
    case 1:
        return name.toLower();
    default:
        return name + QLatin1Char('x'); // a near miss
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    Module1 m;
    const RoomFile::LeseErgebnis gelesen = RoomFile::lesen(bytes, m);

    // What the room names, straight from the model.
    QStringList bildWerte, klangWerte;
    for (const auto& [art, wert] :
         modellWerte(m, RoomFile::hintergrundLesen(bytes).value_or(QString()))) {
        if (art == Referenz::Art::Hintergrund || art == Referenz::Art::Bild)
            bildWerte << wert;
        else if (art == Referenz::Art::Klang)
            klangWerte << wert;
    }

    QStringList bilder{QStringLiteral("baum.bmp"), QStringLiteral("Tür.JPG")};
    QStringList klaenge{QStringLiteral("wind.wav"), QStringLiteral("ÄÖÜ.mp3")};
    int art = 0;
    for (const QString& w : bildWerte)
        bilder << andersGeschrieben(blosserName(w), art++);
    for (const QString& w : klangWerte)
        klaenge << andersGeschrieben(blosserName(w), art++);
    // A folder lists no file without a name.
    bilder.removeAll(QString());
    klaenge.removeAll(QString());

    Module1 arbeitsRaum;
    const RaumReferenzen r = raumReferenzen(bytes, arbeitsRaum);
    Pruefung pruefung(bilder, klaenge);
    const Pruefung::Treffer treffer = pruefung.zaehlen(r.referenzen);

    const auto unbenutzt = [](const QStringList& namen, const QStringList& werte) {
        QStringList liste;
        for (const QString& n : namen) {
            if (!benannt(n, werte))
                liste << n;
        }
        return liste;
    };
    const QStringList ungenutzteBilder = pruefung.unbenutzteBilder();
    const QStringList ungenutzteKlaenge = pruefung.unbenutzteKlaenge();
    for (int zeile : treffer.bilder)
        pruefe(!ungenutzteBilder.contains(bilder[zeile]), "a picture hit stays unused");
    pruefe(ungenutzteBilder.size() +
                   QSet<int>(treffer.bilder.begin(), treffer.bilder.end()).size() ==
               bilder.size(),
           "picture hits and unused pictures do not add up");
    if (gelesen.vollstaendig) {
        pruefe(ungenutzteBilder == unbenutzt(bilder, bildWerte), "unused pictures");
        pruefe(ungenutzteKlaenge == unbenutzt(klaenge, klangWerte), "unused sounds");
    }
    return 0;
}
