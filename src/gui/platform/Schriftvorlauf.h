#pragma once

#include <future>

/// The fonts of the first frame, made ready on other threads while the start does other work.
/// Qt fills its font database when a window first needs a font, and on Linux most of that is
/// fontconfig reading its set-up, some hundred files: as long as the rest of the window's
/// making. The connection to the window system, made before, mostly waits for it.
class Schriftvorlauf
{
public:
    /// Begins with fontconfig's set-up, where Qt uses fontconfig; before the application object
    /// is made. Waits for it when destroyed.
    Schriftvorlauf();

    /// Fills Qt's font database on another thread, after fontconfig's set-up; once the
    /// application object exists. The future waits for it when destroyed, which must be before
    /// the application object goes.
    [[nodiscard]] std::future<void> datenbank() const;

private:
    std::shared_future<void> einrichtung;
};
