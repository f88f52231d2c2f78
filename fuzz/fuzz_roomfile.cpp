// Any bytes as a room file: no crash, the model's rules hold afterwards, and a room read to
// the end writes back to bytes that read the same. The checker's observer changes nothing the
// editor reads and, for a whole room, is told every file the model names.
#include "RaumRegeln.h"
#include "check/Referenzen.h"
#include "model/BildPfad.h"
#include "roomfile/RoomFile.h"

#include <cstdint>

namespace {

// The background as the file holds it: the model keeps only its first 100 characters.
int referenzenIm(const Module1& m, const QString& hintergrund)
{
    // Only spaces pad a value; a no-break space is part of a name.
    const auto benennt = [](const QString& wert) { return !ohneLeerzeichen(wert).isEmpty(); };
    int anzahl = benennt(hintergrund) ? 1 : 0;
    QVector<const Skript*> skripte{&m.StartSkript, &m.TimerSkript};
    for (qint32 h = 0; h <= m.HotSpotMax; ++h) {
        anzahl += benennt(m.HotSpots[h].Cursor) ? 1 : 0;
        for (const Skript& s : m.HotSpots[h].Skripte)
            skripte << &s;
    }
    for (const Skript* s : skripte) {
        for (qint32 i = 0; i <= s->MaxZeile; ++i)
            anzahl += befehlsArt(s->Befehl[i]) && benennt(s->Parameter[i]) ? 1 : 0;
    }
    return anzahl;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    Module1 m;
    const RoomFile::LeseErgebnis e = RoomFile::lesen(bytes, m);
    const QString regel = verletzteRegel(m);
    pruefe(regel.isEmpty(), qPrintable(regel));
    Module1 beobachtet;
    const RaumReferenzen r = raumReferenzen(bytes, beobachtet);
    pruefe(r.ergebnis.zeile == e.zeile && RoomFile::schreiben(beobachtet) == RoomFile::schreiben(m),
           "the observer changes what is read");
    pruefe(!e.vollstaendig ||
               r.referenzen.size() == referenzenIm(m, *RoomFile::hintergrundLesen(bytes)),
           "every reference told");
    if (!e.vollstaendig) {
        pruefe(e.zeile >= 1 && e.zeile <= qsizetype(size) + 1, "line of the failure");
        return 0;
    }
    const QByteArray geschrieben = RoomFile::schreiben(m);
    Module1 wieder;
    pruefe(RoomFile::lesen(geschrieben, wieder).vollstaendig, "written room reads");
    pruefe(RoomFile::schreiben(wieder) == geschrieben, "written room reads the same");
    return 0;
}
