// The names of a kind the game uses, offered while one is typed.
#include "Spielnamen.h"

#include "model/DateiName.h"
#include "regeln/DateiListe.h"
#include "script/Befehlstabelle.h"
#include "spiel/Spielpruefung.h"

#include <QSet>

namespace Spielnamen {

QStringList namen(const Spielpruefung& spiel, NamensArt art, const QString& datei)
{
    QStringList liste;
    // Files are one file in any case: the first spelling met stands for it.
    QSet<QString> dateien;
    const auto dateiName = [&](QStringView wert) {
        const QStringView name = dateiSchluesselTeil(wert);
        if (!name.isEmpty() && !dateien.contains(name.toString().toCaseFolded())) {
            dateien.insert(name.toString().toCaseFolded());
            liste.append(name.toString());
        }
    };
    for (const std::shared_ptr<const SpielDatei>& d : spiel.dateien()) {
        switch (art) {
        case NamensArt::Flag:
        case NamensArt::Gegenstand:
            for (const SpielDatei::Vorkommen& v : d->vorkommen) {
                if (Namensbuch::istFlag(v.art) == (art == NamensArt::Flag))
                    liste.append(v.name);
            }
            break;
        case NamensArt::Raum:
            if (d->raum)
                dateiName(d->datei);
            for (const SpielDatei::Sprung& s : d->spruenge)
                dateiName(s.parameter);
            break;
        case NamensArt::Bild:
        case NamensArt::Ton:
            for (const Referenz& r : d->referenzen) {
                const bool bild =
                    r.art == Referenz::Art::Hintergrund || r.art == Referenz::Art::Bild;
                const bool ton = r.art == Referenz::Art::Klang || r.art == Referenz::Art::Film ||
                                 r.art == Referenz::Art::Musik;
                if (art == NamensArt::Bild ? bild : ton)
                    dateiName(r.wert);
            }
            break;
        case NamensArt::HotSpot:
            if (datei.isEmpty() || d->datei == datei)
                liste += d->hotSpotListe();
            break;
        case NamensArt::Label:
            if (!datei.isEmpty() && d->datei != datei)
                break;
            for (const SpielDatei::SkriptDaten& s : d->skripte) {
                for (qint32 i = 0; i <= s.skript.MaxZeile; ++i) {
                    if (s.skript.Befehl[i] == Befehlstabelle::Label)
                        liste.append(s.skript.Parameter[i]);
                }
            }
            break;
        case NamensArt::Text:
            return {};
        }
    }
    liste.removeDuplicates();
    liste.removeAll(QString());
    namenSortieren(liste);
    return liste;
}

} // namespace Spielnamen
