#include "Picture1.h"

#include <QPaintEvent>
#include <QPainter>

namespace {
// Black, so that the inverted cell marks stand out white before any picture is loaded.
const QColor leer(Qt::black);
} // namespace

Picture1::Picture1(QWidget* parent) : QWidget(parent), image(Breite, Hoehe, QImage::Format_RGB32)
{
    setObjectName(QStringLiteral("Picture1"));
    setFixedSize(Breite, Hoehe);
    setAttribute(Qt::WA_OpaquePaintEvent);
    image.fill(leer);
}

void Picture1::clear()
{
    image.fill(leer);
    update();
}

void Picture1::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), image, event->rect());
}
