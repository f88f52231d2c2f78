#pragma once

class QWidget;

/// Shows a window that works beside the main window (its parent's window) in front; the first
/// time (`platziert` false) it is moved to the right of the main window, as far as the screen
/// allows, so that both stay in sight.
void nebenHauptfensterZeigen(QWidget& fenster, bool& platziert);
