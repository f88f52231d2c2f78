// What a room's thumbnail is made of, so that it is made again only when that changes.
#include "VorschauSchluessel.h"

#include "model/BildPfad.h"
#include "spiel/SpielDatei.h"

#include <QFileInfo>
#include <functional>

VorschauSchluessel VorschauSchluessel::von(const SpielDatei& raum, const Module1& ordner,
                                           DateiSuche* suche)
{
    VorschauSchluessel s;
    const QString bild = ohneLeerzeichen(raum.hintergrund);
    if (!bild.isEmpty()) {
        s.bild = bildPfad(bild, ordner, suche);
        const QFileInfo info(s.bild);
        s.da = info.isFile();
        if (s.da) {
            s.groesse = info.size();
            s.geaendert = info.lastModified();
            s.metadatenGeaendert = info.metadataChangeTime();
        }
    }
    size_t h = std::hash<qsizetype>()(raum.hotSpots.size());
    for (const SpielDatei::Fleck& f : raum.hotSpots)
        h = h * 31 + std::hash<decltype(f.zellen)>()(f.zellen);
    s.zellen = h;
    return s;
}

bool VorschauSchluessel::operator==(const VorschauSchluessel& o) const
{
    return bild == o.bild && da == o.da && groesse == o.groesse && geaendert == o.geaendert &&
           metadatenGeaendert == o.metadatenGeaendert && zellen == o.zellen;
}
