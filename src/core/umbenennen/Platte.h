// What the journal of a rename needs of the disk beyond the safe writer.
#pragma once

#include <QDateTime>
#include <QFileInfoList>
#include <QString>
#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

class QLockFile;

/// What the journal of a rename needs of the disk beyond the safe writer.
namespace Platte {

/// Puts the folder's entries on the disk: a file made, renamed or removed in it survives a
/// power cut from then on. True where the system has no such thing to do.
bool ordnerSichern(const QString& ordner);

/// Renames a file, never over one that exists.
bool umbenennen(const QString& alt, const QString& neu);

/// Whether anything, a broken link included, has this path.
bool da(const QString& pfad);

/// Takes the lock, waiting up to `wartezeit` ms for another program. A lock file without its
/// owner, left by a program killed while it made it, is taken as stale after a second.
bool sperren(QLockFile& sperre, int wartezeit);

/// What the safe writer left of `pfad` when it was killed writing it ("haus.lsd.AbC12x"),
/// made since `seit`.
QFileInfoList halbGeschrieben(const QString& pfad, const QDateTime& seit);

/// Runs `arbeit(i)` for every i below n on several threads and hands out no more once one
/// fails. Writing a file waits for the disk far longer than it computes: the disk takes
/// several writes at once, so more threads than cores pay; work that only computes asks for
/// as many `faeden` as there are cores.
template <typename F> bool gleichzeitig(qsizetype n, F arbeit, qsizetype faeden = 8)
{
    std::atomic<qsizetype> naechste{0};
    std::atomic<bool> gut{true};
    const auto laufen = [&] {
        for (qsizetype i = naechste++; i < n && gut; i = naechste++) {
            if (!arbeit(i))
                gut = false;
        }
    };
    std::vector<std::thread> helfer;
    for (qsizetype t = 1; t < std::min(faeden, n); ++t)
        helfer.emplace_back(laufen);
    laufen();
    for (std::thread& t : helfer)
        t.join();
    return gut;
}

} // namespace Platte
