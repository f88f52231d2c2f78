// Any bytes as a PO file: no crash, a refusal names a line of the file, and a file read whole
// writes back to bytes that read as the same messages.
#include "RaumRegeln.h"
#include "texte/PoDatei.h"

#include <cstdint>

namespace {

bool gleich(const PoEintrag& a, const PoEintrag& b)
{
    return a.kontext == b.kontext && a.msgid == b.msgid && a.msgstr == b.msgstr &&
           a.flags == b.flags && a.referenzen == b.referenzen && a.kommentare == b.kommentare;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    PoFehler fehler;
    const std::optional<PoDatei> po = PoDatei::lesen(bytes, fehler);
    if (!po) {
        pruefe(fehler.zeile >= 1 && fehler.zeile <= qsizetype(size) + 1, "line within the file");
        pruefe(!fehler.text.isEmpty(), "a refusal says why");
        return 0;
    }
    for (const PoEintrag& e : po->eintraege)
        pruefe(e.zeile >= 1 && e.msgstrZeile >= e.zeile, "messages know their lines");
    const QByteArray geschrieben = po->schreiben({}, false);
    PoFehler zweiter;
    const std::optional<PoDatei> wieder = PoDatei::lesen(geschrieben, zweiter);
    pruefe(wieder.has_value(), "a written file reads");
    pruefe(wieder->eintraege.size() == po->eintraege.size(), "written file keeps every message");
    for (qsizetype i = 0; i < po->eintraege.size(); ++i)
        pruefe(gleich(wieder->eintraege[i], po->eintraege[i]), "written message reads the same");
    return 0;
}
