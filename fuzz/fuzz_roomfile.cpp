// Any bytes as a room file: no crash, the model's rules hold afterwards, and a room read to
// the end writes back to bytes that read the same.
#include "RaumRegeln.h"
#include "roomfile/RoomFile.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    Module1 m;
    const RoomFile::LeseErgebnis e = RoomFile::lesen(bytes, m);
    const QString regel = verletzteRegel(m);
    pruefe(regel.isEmpty(), qPrintable(regel));
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
