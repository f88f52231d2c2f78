// Any bytes as the file of start rooms and goals: no crash, a damaged file gives an empty plan
// and a reason with a line of the file, and a plan read whole writes back to bytes that read
// the same; a start room chosen changes the start rooms alone.
#include "RaumRegeln.h"
#include "raetsel/Raetselplan.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const Raetselplan::Gelesen g = Raetselplan::lesen(bytes);
    if (!g.fehler.isEmpty()) {
        pruefe(g.plan.leer(), "a damaged file gives nothing");
        pruefe(g.zeile >= 0 && g.zeile <= bytes.count('\n') + 1, "line within the file");
        return 0;
    }
    for (const Raetselplan::Name& b : g.plan.besitz)
        pruefe(b.art != Raetselplan::Name::Art::Raum, "nobody holds a room");
    const QByteArray geschrieben = g.plan.schreiben();
    const Raetselplan::Gelesen wieder = Raetselplan::lesen(geschrieben);
    pruefe(wieder.fehler.isEmpty() && wieder.plan == g.plan, "written plan reads the same");
    pruefe(wieder.plan.schreiben() == geschrieben, "written plan writes the same");
    for (const QString& raum : {QString(), QStringLiteral("keller.lsd")}) {
        Raetselplan erwartet = g.plan;
        erwartet.start = raum.isEmpty() ? QStringList() : QStringList{raum};
        const Raetselplan::Gelesen gewaehlt =
            Raetselplan::lesen(Raetselplan::mitStart(bytes, raum));
        pruefe(gewaehlt.fehler.isEmpty() && gewaehlt.plan == erwartet,
               "a start room chosen changes nothing else");
    }
    return 0;
}
