// Any bytes as a room file: no crash, the model's rules hold afterwards, and a room read to
// the end writes back to bytes that read the same. The checker's observer changes nothing the
// editor reads and, for a whole room, is told every file the model names.
#include "ModellWerte.h"
#include "RaumRegeln.h"
#include "model/BildPfad.h"
#include "regeln/Referenzen.h"
#include "roomfile/RoomFile.h"

#include <algorithm>
#include <cstdint>

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
    if (!e.vollstaendig) {
        pruefe(e.zeile >= 1 && e.zeile <= qsizetype(size) + 1, "line of the failure");
        return 0;
    }
    // Only spaces pad a value; a no-break space is part of a name.
    const auto werte = modellWerte(m, *RoomFile::hintergrundLesen(bytes));
    const auto benannt = std::count_if(werte.begin(), werte.end(), [](const auto& w) {
        return !ohneLeerzeichen(w.second).isEmpty();
    });
    pruefe(r.referenzen.size() == benannt, "every reference told");
    const QByteArray geschrieben = RoomFile::schreiben(m);
    Module1 wieder;
    pruefe(RoomFile::lesen(geschrieben, wieder).vollstaendig, "written room reads");
    pruefe(RoomFile::schreiben(wieder) == geschrieben, "written room reads the same");
    return 0;
}
