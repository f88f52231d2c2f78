// Reads a whole game, every file with the one reader, on all cores.
#pragma once

#include "Spielpruefung.h"

#include <atomic>

class Module1;

/// Reads a whole game: every item script and every room of the game folder whose paths
/// `ordner` holds, each with the one reader, on as many threads as the machine has cores.
namespace SpielLeser {

/// The rooms (".lsd" in "rooms") and item scripts (".skp" in "items") of the game, as paths
/// relative to the game folder, in the order of their lists.
QStringList dateien(const Module1& ordner);

/// Reads one of them; a file that cannot be opened is known as such.
std::shared_ptr<const SpielDatei> lesen(const Module1& ordner, const QString& datei);

/// Reads every one of them, on `threads` threads (0: one per core), `nachrangig` below the
/// window's priority. When `abbrechen` becomes true, stops soon with what it has.
Spielpruefung spielLesen(const Module1& ordner, const std::atomic<bool>* abbrechen = nullptr,
                         int threads = 0, bool nachrangig = false);

/// A file read again: what it holds now; null when it is gone or as it was known.
struct Nachgelesen
{
    QString datei;
    std::shared_ptr<const SpielDatei> neu;
    bool wieBekannt = false;
};

/// Reads the files again (relative to the game folder, each with its version known, or null)
/// below the window's priority; a file whose bytes are those it was read from is not read
/// into the game again.
QVector<Nachgelesen> nachlesen(const Module1& ordner,
                               const QVector<std::pair<QString, const SpielDatei*>>& dateien,
                               const std::atomic<bool>* abbrechen = nullptr, int threads = 0);

} // namespace SpielLeser
