// A window's slow work off its thread, one at a time, of which only the newest counts.
#pragma once

#include <QFuture>
#include <QObject>
#include <QtConcurrent/QtConcurrentRun>
#include <atomic>
#include <functional>
#include <memory>

/// Runs a window's slow work (a graph made and laid out by dot) on the thread pool, one piece
/// at a time. A newer wish stops the piece running through its flag, which the work watches;
/// once that piece is back, it is dropped and the window is asked again (`nochmal`). What the work
/// makes comes back on the window's thread, and never after the window is gone: going, it stops and
/// waits for the work, a few milliseconds.
class Nebenlauf
{
public:
    /// `fenster` owns this as a member and hears back on its own thread; `nochmal` asks it for
    /// the work anew when a piece comes back after its state changed.
    Nebenlauf(QObject& fenster, std::function<void()> nochmal);
    ~Nebenlauf();
    Nebenlauf(const Nebenlauf&) = delete;
    Nebenlauf& operator=(const Nebenlauf&) = delete;

    /// A piece of work is running, or its result is on its way back.
    bool laeuft() const { return aktiv; }
    /// Tells the piece running to stop: its result is no longer wanted.
    void abbrechen();
    /// The window's state changed: what runs, or was shown, is not of the newest.
    void veralten() { neu = true; }
    bool veraltet() const { return neu; }
    /// Nothing runs, and nothing changed since the last piece began.
    bool aktuell() const { return !aktiv && !neu; }
    /// A new wish: true when a piece may begin now; else the one running is stopped, and
    /// `nochmal` follows when it is back.
    bool frei();

    /// Runs `arbeit(stop)` off the window's thread, then `zurueck(ergebnis)` on it. Its
    /// result says itself whether it was stopped, as only the work knows how far it got.
    template <typename Ergebnis>
    void starten(std::function<Ergebnis(const std::atomic<bool>& stop)> arbeit,
                 std::function<void(const Ergebnis& ergebnis)> zurueck)
    {
        aktiv = true;
        neu = false;
        stop = std::make_shared<std::atomic<bool>>(false);
        lauf = QtConcurrent::run(
            [this, arbeit = std::move(arbeit), zurueck = std::move(zurueck), s = stop] {
                Ergebnis ergebnis = arbeit(*s);
                // Queued to the window, which waits for this thread before it goes.
                QMetaObject::invokeMethod(
                    &fenster,
                    [this, zurueck, ergebnis = std::move(ergebnis)] {
                        aktiv = false;
                        if (neu)
                            nochmal();
                        else
                            zurueck(ergebnis);
                    },
                    Qt::QueuedConnection);
            });
    }

private:
    QObject& fenster;
    std::function<void()> nochmal;
    bool aktiv = false;
    bool neu = false;
    std::shared_ptr<std::atomic<bool>> stop;
    QFuture<void> lauf;
};
