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
    // QRect::normalized() would lose a pixel on each side when b lies left of or above a.
    ecken = QRect(QPoint(qMin(a.x(), b.x()), qMin(a.y(), b.y())),
                  QPoint(qMax(a.x(), b.x()), qMax(a.y(), b.y())));
    update();
}

void ZoomBild::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, image);
    if (!umriss)
        return;
    // Four filled edges cover exactly the outer pixels, also when the corners coincide.
    const QColor gelb(255, 255, 0);
    p.fillRect(QRect(ecken.topLeft(), QSize(ecken.width(), 1)), gelb);
    p.fillRect(QRect(ecken.bottomLeft(), QSize(ecken.width(), 1)), gelb);
    p.fillRect(QRect(ecken.topLeft(), QSize(1, ecken.height())), gelb);
    p.fillRect(QRect(ecken.topRight(), QSize(1, ecken.height())), gelb);
}

void ZoomBild::mouseMoveEvent(QMouseEvent* event)
{
    Q_EMIT bewegt(gerundet(event->position()));
}

void ZoomBild::mouseReleaseEvent(QMouseEvent* event)
{
    Q_EMIT losgelassen(event->button(), gerundet(event->position()));
}
