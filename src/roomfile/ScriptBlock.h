#pragma once

#include "model/Skript.h"

class ItemReader;
class ItemWriter;

/// The script block that room files and item script files share: MaxZeile, then code
/// and quoted parameter of every line.
namespace ScriptBlock {

/// Told each script line as soon as it has been read whole.
class Beobachter
{
public:
    virtual ~Beobachter() = default;
    virtual void zeileGelesen(qint32 zeile, qint32 befehl, const QString& parameter) = 0;
};

/// Reads a block into `skript`, replacing it. A count below -1, or one the rest of the file
/// cannot hold, fails before anything is allocated. When a line fails, the script keeps
/// the lines read before it (MaxZeile counts only those).
bool read(ItemReader& reader, Skript& skript, Beobachter* beobachter = nullptr);
void write(ItemWriter& writer, const Skript& skript);

} // namespace ScriptBlock
