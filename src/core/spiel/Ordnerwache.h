// The watcher of a game folder, on a thread of its own.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QThread>
#include <memory>

/// Watches a game folder on a thread of its own, so that the window's thread never waits for
/// the system: the folder itself (subfolders made or removed), its subfolders rooms, items,
/// graphics, sounds, movies, musics and cursors, and every room and item script in them, which
/// may change in place without their folder noticing. Changes are gathered until the folder
/// has been quiet for a moment, so that a checkout of hundreds of files is one report.
class Ordnerwache : public QObject
{
    Q_OBJECT

public:
    /// The folder whose paths `ordner` holds ("/" at its end).
    explicit Ordnerwache(const QString& spielordner);
    /// Stops watching; waits for the thread, a few milliseconds.
    ~Ordnerwache() override;

    /// How long the folder must be quiet (ms), and how long a steady stream of changes is
    /// gathered at most before it is reported all the same.
    static constexpr int Ruhe = 50;
    static constexpr int Hoechstens = 500;

    /// Begins watching; beobachtet() says when every file is watched.
    void starten();
    /// Watches this folder too, from any thread: git's own folder, whose index says which
    /// files a merge left in conflict. Its changes are told as anderesGeaendert().
    void auchBeobachten(const QString& ordner);

Q_SIGNALS:
    /// From now on, no change is missed.
    void beobachtet();
    /// Rooms and item scripts (relative to the game folder, with "/") that were changed, made,
    /// renamed or removed; `sonstige` when other files of the game came or went.
    void geaendert(const QStringList& dateien, bool sonstige);
    /// The folder of auchBeobachten() changed.
    void anderesGeaendert();

private:
    class Wache;
    QString ordner;
    Wache* wache = nullptr;
    QThread faden;
};
