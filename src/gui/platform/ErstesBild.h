#pragma once

#include <functional>

class QWidget;

/// What a window need not have before the author sees it: done once its first frame is on the
/// screen. The start shows the window sooner that way, and work that would hold it up waits
/// those few milliseconds.
namespace ErstesBild {

/// Runs `tun` on the window's thread right after the first frame of `fenster`'s window has
/// been drawn; at once, through the event loop, when that frame is drawn already or the
/// window is not shown. Nothing runs when the window goes before.
void danach(QWidget& fenster, std::function<void()> tun);

} // namespace ErstesBild
