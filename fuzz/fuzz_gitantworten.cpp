// Any bytes as git's answers to `ls-files -u -z` and `rev-parse`: no crash; an
// entry read has a hex object name (it becomes an argument of "git cat-file"), a stage of 1 to
// 3 and a path; a path read is one line.
#include "RaumRegeln.h"
#include "git/GitAntworten.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const GitAntworten::Konflikteintrag& e : GitAntworten::konflikte(bytes)) {
        pruefe(e.blob.size() == 40 || e.blob.size() == 64, "an object name's length");
        for (const char c : e.blob)
            pruefe((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'), "an object name is hex");
        pruefe(e.stufe >= 1 && e.stufe <= 3, "a stage");
        pruefe(!e.pfad.isEmpty(), "a path");
    }
    const QString pfad = GitAntworten::pfad(bytes);
    pruefe(pfad.isNull() || (!pfad.isEmpty() && !pfad.contains(QLatin1Char('\n'))),
           "one path on one line");
    const std::optional<bool> w = GitAntworten::wahrheit(bytes);
    pruefe(!w || bytes.startsWith(*w ? "true" : "false"), "true or false");
    return 0;
}
