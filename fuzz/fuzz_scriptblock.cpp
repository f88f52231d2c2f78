// Any bytes as an item script file, which is one script block: no crash, the arrays hold
// MaxZeile + 1 lines, and a block read whole writes back to bytes that read the same.
#include "RaumRegeln.h"
#include "roomfile/ItemReader.h"
#include "roomfile/ItemWriter.h"
#include "roomfile/ScriptBlock.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    ItemReader r(bytes);
    Skript s;
    const bool ok = ScriptBlock::read(r, s);
    pruefe(s.MaxZeile >= -1 && s.Befehl.size() > s.MaxZeile && s.Parameter.size() > s.MaxZeile,
           "arrays hold MaxZeile + 1 lines");
    pruefe(r.line() >= 1 && r.line() <= qsizetype(size) + 1, "line within the file");
    if (!ok)
        return 0;
    QByteArray geschrieben;
    ItemWriter w(geschrieben);
    ScriptBlock::write(w, s);
    ItemReader wieder(geschrieben);
    Skript t;
    pruefe(ScriptBlock::read(wieder, t) && wieder.remaining() == 0 && t == s,
           "written block reads the same");
    return 0;
}
