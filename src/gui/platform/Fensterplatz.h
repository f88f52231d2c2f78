#pragma once

class QWidget;

/// Moves a window that works beside the main window (its parent's window) to the right of it,
/// as far as the screen allows, so that both stay in sight.
void nebenHauptfenster(QWidget& fenster);
