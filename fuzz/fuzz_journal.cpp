// A rename's journal and its copies file, split at "\n=====\n", as a killed run, a full disk or
// a hand may have left them: no crash; a journal that reads writes back to the same text and
// names only files inside the game; a file's bytes before or after come out only as the hash
// the journal holds for them.
#include "RaumRegeln.h"
#include "umbenennen/Journal.h"

#include <cstdint>

namespace {

bool imSpiel(const QString& pfad)
{
    if (pfad.isEmpty() || pfad.startsWith(QLatin1Char('/')) || pfad.startsWith(QLatin1Char('\\')))
        return false;
    QString p = pfad;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return !p.split(QLatin1Char('/')).contains(QStringLiteral(".."));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype trenner = bytes.indexOf("\n=====\n");
    const QByteArray journal = trenner < 0 ? bytes : bytes.left(trenner + 1);
    const QByteArray kopien = trenner < 0 ? QByteArray() : bytes.mid(trenner + 7);

    const std::optional<Journal> j = Journal::lesen(journal);
    if (!j)
        return 0;
    pruefe(!j->eintraege.isEmpty() && !j->kopien.isEmpty(), "a journal names files and copies");
    const QByteArray text = j->text();
    const std::optional<Journal> wieder = Journal::lesen(text);
    pruefe(wieder && wieder->text() == text, "a journal read writes back to what reads the same");
    for (const Journal::Eintrag& e : j->eintraege) {
        pruefe(imSpiel(e.alt) && imSpiel(e.neu), "a journal names only files inside the game");
        if (!e.mitText)
            continue;
        const QByteArray vorher = j->vorher(e, kopien);
        pruefe(vorher.isNull() || Journal::hash(vorher) == e.altHash, "the bytes before");
        const QByteArray nachher = j->nachher(e, kopien);
        pruefe(nachher.isNull() || Journal::hash(nachher) == e.neuHash, "the bytes after");
    }
    return 0;
}
