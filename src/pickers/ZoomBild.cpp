#include "ZoomBild.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace {

// Halves go to the even neighbour.
QPoint gerundet(const QPointF& p)
{
    return QPoint(int(std::nearbyint(p.x())), int(std::nearbyint(p.y())));
}

} // namespace

ZoomBild::ZoomBild(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture1"));
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
}

void ZoomBild::setBild(const QImage& bild)
{
    image = bild;
    umriss = false;
    setFixedSize(bild.size());
    update();
}

void ZoomBild::setUmriss(const QPoint& a, const QPoint& b)
{
    umriss = true;
    ecken = QRect(a, b).normalized();
    update();
}

void ZoomBild::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, image);
    if (!umriss)
        return;
    // A one-pixel pen without antialiasing covers exactly the given pixels, corners included.
    p.setPen(QPen(QColor(255, 255, 0), 0));
    p.drawRect(ecken.x(), ecken.y(), ecken.width() - 1, ecken.height() - 1);
}

void ZoomBild::mouseMoveEvent(QMouseEvent* event)
{
    Q_EMIT bewegt(gerundet(event->position()));
}

void ZoomBild::mouseReleaseEvent(QMouseEvent* event)
{
    Q_EMIT losgelassen(event->button(), gerundet(event->position()));
}
