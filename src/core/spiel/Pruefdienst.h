// The checking service: what the editor knows of its game, kept up to date.
#pragma once

#include "SpielLeser.h"
#include "Spielpruefung.h"
#include "git/GitProgramm.h"
#include "model/Module1.h"

#include <QObject>
#include <QSet>
#include <atomic>
#include <memory>
#include <thread>

class Ordnerwache;

/// What the editor knows of its game, for every window that asks: the game's rooms and item
/// scripts, read once off the window's thread, then kept up to date file by file: a file the
/// editor writes at once, and what others change on disk (a checkout, a second editor) as
/// soon as the game folder has been quiet for a moment. The window's thread never waits for a
/// read; until the first one is done, the game is empty and bereit() false.
class Pruefdienst : public QObject
{
    Q_OBJECT

public:
    /// The game folder whose paths `ordner` holds.
    explicit Pruefdienst(const Module1& ordner, QObject* parent = nullptr);
    /// A read still going on is stopped; that takes no longer than a file or two.
    ~Pruefdienst() override;

    /// Begins watching the game folder and, once it is watched, the first read, on `threads`
    /// threads (0: one per core).
    void lesen(int threads = 0);
    /// The game has been read.
    bool bereit() const { return istBereit; }
    /// The game as known.
    const Spielpruefung& spiel() const { return stand; }
    const Module1& ordner() const { return pfade; }
    /// The rooms and item scripts git holds in conflict from a merge not finished, as the
    /// report names them; empty outside a git work tree.
    const QStringList& konflikte() const { return offen; }

    /// The file at `pfad` (absolute, or relative to the game folder) was written, renamed or
    /// deleted by the editor: it alone is read anew, now. Files that are no room or item script
    /// of the game are passed over.
    void dateiGeaendert(const QString& pfad);
    /// A room's or item script's path relative to the game folder, with the platform's
    /// separators; empty for any other file.
    QString relativ(const QString& pfad) const;

Q_SIGNALS:
    /// The first read is done.
    void bereitGeworden();
    /// The game as known has changed: read at first, a file read anew, pictures and sounds
    /// come or gone, or a file right in the game folder written.
    void geaendert();
    /// Rooms and item scripts (as relativ() names them) whose bytes somebody else changed,
    /// made or removed on disk; told right after geaendert().
    void aussenGeaendert(const QStringList& dateien);

private:
    void gelesen(const std::shared_ptr<Spielpruefung>& spiel, const QStringList& konflikte,
                 const QString& gitOrdner);
    void nachlesen(const QString& datei);
    void aufPlatte(const QStringList& dateien, bool sonstige);
    void nachlesenBeginnen();
    /// `neu`: the game as read anew; `aussen`: the files that differ.
    void nachgelesen(std::shared_ptr<Spielpruefung> neu, QStringList aussen, bool sonstige,
                     const QStringList& konflikte);
    /// The conflicts git's index holds, off the window's thread.
    QStringList konflikteLesen();

    Module1 pfade;
    Spielpruefung stand;
    std::unique_ptr<Ordnerwache> wache;
    std::thread leser;
    std::atomic<bool> abbrechen{false};
    int faeden = 0;
    bool istBereit = false;
    /// Files the editor wrote while a read ran off the window's thread: what that read found
    /// of them is older.
    QSet<QString> spaeter;
    /// Changed on disk and not read yet; whether other files of the game came or went.
    QSet<QString> ausstehend;
    bool sonstigeAusstehend = false;
    /// git's index changed: the conflicts are asked for again.
    bool gitAusstehend = false;
    GitProgramm git;
    QStringList offen;
};
