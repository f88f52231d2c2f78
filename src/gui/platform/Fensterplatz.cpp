#include "Fensterplatz.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace {

void nebenHauptfenster(QWidget& fenster)
{
    if (!fenster.parentWidget())
        return;
    const QRect haupt = fenster.parentWidget()->window()->frameGeometry();
    QRect ziel(haupt.topRight() + QPoint(8, 0), fenster.size());
    if (const QScreen* schirm = fenster.parentWidget()->screen()) {
        const QRect frei = schirm->availableGeometry();
        ziel.moveRight(std::min(ziel.right(), frei.right()));
        ziel.moveBottom(std::min(ziel.bottom(), frei.bottom()));
        ziel.moveLeft(std::max(ziel.left(), frei.left()));
        ziel.moveTop(std::max(ziel.top(), frei.top()));
    }
    fenster.move(ziel.topLeft());
}

} // namespace

void nebenHauptfensterZeigen(QWidget& fenster, bool& platziert)
{
    if (!platziert)
        nebenHauptfenster(fenster);
    platziert = true;
    fenster.show();
    fenster.raise();
    fenster.activateWindow();
}
