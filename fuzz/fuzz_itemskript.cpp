// Any bytes as an item script file: no crash, the arrays hold MaxZeile + 1 lines, a failure
// names a line of the file, and a script read whole writes back to bytes that read the same.
#include "RaumRegeln.h"
#include "roomfile/ItemSkript.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    Skript s = Skript::interagiereVorgabe(); // what was there before must not leak through
    const ItemSkript::LeseErgebnis e = ItemSkript::lesen(bytes, s);
    pruefe(s.MaxZeile >= -1 && s.Befehl.size() > s.MaxZeile && s.Parameter.size() > s.MaxZeile,
           "arrays hold MaxZeile + 1 lines");
    if (!e.vollstaendig) {
        pruefe(e.zeile >= 1 && e.zeile <= qsizetype(size) + 1, "line within the file");
        return 0;
    }
    const QByteArray geschrieben = ItemSkript::schreiben(s);
    Skript t;
    pruefe(ItemSkript::lesen(geschrieben, t).vollstaendig && t == s,
           "written script reads the same");
    pruefe(ItemSkript::schreiben(t) == geschrieben, "written script writes the same");
    return 0;
}
