// The script block that room files and item script files share.
#pragma once

#include "ItemReader.h"
#include "model/Skript.h"

class ItemWriter;

/// The script block that room files and item script files share: MaxZeile, then code
/// and quoted parameter of every line.
namespace ScriptBlock {

/// Told each script line as soon as it has been read whole, with the file's line (from 1)
/// that holds its command code and where its parameter's text lies.
class Beobachter
{
public:
    virtual ~Beobachter() = default;
    virtual void zeileGelesen(qint32 zeile, qint32 befehl, const QString& parameter, int dateiZeile,
                              TextBereich bereich) = 0;
    /// Before the lines: how many the block makes room for, at most as many as it holds.
    virtual void zeilenAngelegt(qint32 anzahl) { Q_UNUSED(anzahl); }
};

/// Reads a block into `skript`, replacing it. A count below -1 fails. The count is never
/// trusted for memory: no more lines are made than the rest of the file can hold. When a
/// line fails, also because a count runs past the file's end, the script keeps the lines
/// read before it (MaxZeile counts only those).
bool read(ItemReader& reader, Skript& skript, Beobachter* beobachter = nullptr);
void write(ItemWriter& writer, const Skript& skript);

} // namespace ScriptBlock
