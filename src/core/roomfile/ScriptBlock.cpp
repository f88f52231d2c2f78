// The script block that room files and item script files share.
#include "ScriptBlock.h"

#include "ItemReader.h"
#include "ItemWriter.h"

#include <algorithm>

namespace ScriptBlock {

// The shortest line a reader accepts is `0,""`.
constexpr qint64 kleinsteZeile = 4;

bool read(ItemReader& reader, Skript& skript, Beobachter* beobachter)
{
    qint32 maxZeile = 0;
    if (!reader.readLong(maxZeile))
        return false;
    if (maxZeile < -1)
        return false;
    if (maxZeile == -1) {
        skript.MaxZeile = -1;
        return true;
    }
    // The count is not trusted: no more lines are made than the rest of the file can hold.
    // A count beyond that still reads the lines that are there, so what a cut file holds
    // before its end is kept.
    const qint64 platz = reader.remaining() / kleinsteZeile + 1;
    skript.zeilenAnlegen(qint32(std::min(qint64(maxZeile) + 1, platz)));
    if (beobachter)
        beobachter->zeilenAngelegt(skript.MaxZeile + 1);
    for (qint32 i = 0; i <= maxZeile; ++i) {
        const bool code = i < skript.Befehl.size() && reader.readLong(skript.Befehl[i]);
        const int dateiZeile = reader.line();
        if (!code || !reader.readString(skript.Parameter[i])) {
            skript.MaxZeile = i - 1;
            return false;
        }
        if (beobachter)
            beobachter->zeileGelesen(i, skript.Befehl[i], skript.Parameter[i], dateiZeile,
                                     reader.lastText());
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
