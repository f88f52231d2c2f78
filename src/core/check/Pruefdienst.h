#pragma once

#include "Spielpruefung.h"
#include "model/Module1.h"

#include <QObject>
#include <QSet>
#include <atomic>
#include <memory>
#include <thread>

/// What the editor knows of its game, for every window that asks: the game's rooms and item
/// scripts, read once off the window's thread, then kept up to date file by file as files are
/// written. The window's thread never waits for the first read; until it is done, the game is
/// empty and bereit() false.
class Pruefdienst : public QObject
{
    Q_OBJECT

public:
    /// The game folder whose paths `ordner` holds.
    explicit Pruefdienst(const Module1& ordner, QObject* parent = nullptr);
    /// A read still going on is stopped; that takes no longer than a file or two.
    ~Pruefdienst() override;

    /// Begins the first read, on `threads` threads (0: one per core).
    void lesen(int threads = 0);
    /// The game has been read.
    bool bereit() const { return istBereit; }
    /// The game as known.
    const Spielpruefung& spiel() const { return stand; }
    const Module1& ordner() const { return pfade; }

    /// The file at `pfad` (absolute, or relative to the game folder) was written, renamed or
    /// deleted: it alone is read anew. Files that are no room or item script of the game are
    /// passed over.
    void dateiGeaendert(const QString& pfad);
    /// A room's or item script's path relative to the game folder, with the platform's
    /// separators; empty for any other file.
    QString relativ(const QString& pfad) const;

Q_SIGNALS:
    /// The first read is done.
    void bereitGeworden();
    /// The game as known has changed: read at first, or a file read anew.
    void geaendert();

private:
    void gelesen(const std::shared_ptr<Spielpruefung>& spiel);
    void nachlesen(const QString& datei);

    Module1 pfade;
    Spielpruefung stand;
    std::thread leser;
    std::atomic<bool> abbrechen{false};
    bool istBereit = false;
    /// Files written while the first read ran: read again once it is done.
    QSet<QString> spaeter;
};
