#include "ScriptBlock.h"

#include "ItemReader.h"
#include "ItemWriter.h"

namespace ScriptBlock {

// The shortest line a reader accepts is `0,""`.
constexpr qint64 kleinsteZeile = 4;

bool read(ItemReader& reader, Skript& skript, Beobachter* beobachter)
{
    qint32 maxZeile = 0;
    if (!reader.readLong(maxZeile))
        return false;
    if (maxZeile < -1 || (qint64(maxZeile) + 1) * kleinsteZeile > reader.remaining())
        return false;
    if (maxZeile == -1) {
        skript.MaxZeile = -1;
        return true;
    }
    skript.zeilenAnlegen(maxZeile + 1);
    for (qint32 i = 0; i <= maxZeile; ++i) {
        if (!reader.readLong(skript.Befehl[i]) || !reader.readString(skript.Parameter[i])) {
            skript.MaxZeile = i - 1;
            return false;
        }
        if (beobachter)
            beobachter->zeileGelesen(i, skript.Befehl[i], skript.Parameter[i]);
    }
    return true;
}

void write(ItemWriter& writer, const Skript& skript)
{
    writer.writeLong(skript.MaxZeile);
    for (qint32 i = 0; i <= skript.MaxZeile; ++i) {
        writer.writeLong(skript.Befehl[i]);
        writer.writeString(skript.Parameter[i]);
    }
}

} // namespace ScriptBlock
