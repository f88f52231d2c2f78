#include "KartenAnsicht.h"

#include "KnotenItem.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>

KartenAnsicht::KartenAnsicht(QWidget* parent) : QGraphicsView(parent), knotenTyp(KnotenItem::Type)
{
    setObjectName(QStringLiteral("Karte"));
    setDragMode(ScrollHandDrag);
    setRenderHint(QPainter::Antialiasing);
    setTransformationAnchor(NoAnchor);
    // Every item sets what it draws with; the view need not save and restore it for each.
    setOptimizationFlags(DontSavePainterState | DontAdjustForAntialiasing);
    setViewportUpdateMode(SmartViewportUpdate);
    setBackgroundBrush(QColor(0xfb, 0xf8, 0xf0));
}

void KartenAnsicht::zoomen(double faktor, std::optional<QPoint> um)
{
    const double neu =
        std::clamp(zoom() * faktor, std::min(kleinsterZoom, ganzSichtbar()), groessterZoom);
    if (neu == zoom())
        return;
    const QPoint anker = um.value_or(viewport()->rect().center());
    const QPointF vorher = mapToScene(anker);
    setTransform(QTransform::fromScale(neu, neu));
    // The point under the anchor stays there.
    const QPointF verschoben = mapFromScene(vorher) - QPointF(anker);
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + qRound(verschoben.x()));
    verticalScrollBar()->setValue(verticalScrollBar()->value() + qRound(verschoben.y()));
}

double KartenAnsicht::ganzSichtbar() const
{
    const QRectF ganz = sceneRect();
    const QSize sicht = maximumViewportSize();
    if (ganz.isEmpty())
        return kleinsterZoom;
    return std::min(sicht.width() / ganz.width(), sicht.height() / ganz.height());
}

QGraphicsItem* KartenAnsicht::knotenBei(QPoint punkt) const
{
    for (QGraphicsItem* i : items(punkt))
        if (i->type() == knotenTyp)
            return i;
    return nullptr;
}

QGraphicsItem* KartenAnsicht::gewaehlt() const
{
    if (!scene())
        return nullptr;
    for (QGraphicsItem* i : scene()->selectedItems())
        if (i->type() == knotenTyp)
            return i;
    return nullptr;
}

void KartenAnsicht::waehlen(QGraphicsItem* knoten)
{
    if (!scene())
        return;
    scene()->clearSelection();
    if (knoten)
        knoten->setSelected(true);
}

void KartenAnsicht::wheelEvent(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QGraphicsView::wheelEvent(event);
        return;
    }
    const int schritte = event->angleDelta().y();
    if (schritte != 0)
        zoomen(std::pow(1.25, schritte / 120.0), event->position().toPoint());
    event->accept();
}

void KartenAnsicht::keyPressEvent(QKeyEvent* event)
{
    const bool strg = event->modifiers() & Qt::ControlModifier;
    if (event->matches(QKeySequence::ZoomIn) ||
        (strg && (event->key() == Qt::Key_Plus || event->key() == Qt::Key_Equal))) {
        zoomen(1.25);
    } else if (event->matches(QKeySequence::ZoomOut) || (strg && event->key() == Qt::Key_Minus)) {
        zoomen(0.8);
    } else if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && gewaehlt()) {
        Q_EMIT aktiviert(gewaehlt());
    } else {
        QGraphicsView::keyPressEvent(event);
        return;
    }
    event->accept();
}

void KartenAnsicht::mousePressEvent(QMouseEvent* event)
{
    druckOrt = event->position().toPoint();
    QGraphicsView::mousePressEvent(event);
}

void KartenAnsicht::mouseReleaseEvent(QMouseEvent* event)
{
    QGraphicsView::mouseReleaseEvent(event);
    // A click, not the end of a drag, picks the node under it.
    if (event->button() == Qt::LeftButton &&
        (event->position().toPoint() - druckOrt).manhattanLength() < 4)
        waehlen(knotenBei(event->position().toPoint()));
}

void KartenAnsicht::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QGraphicsView::mouseDoubleClickEvent(event);
        return;
    }
    QGraphicsItem* knoten = knotenBei(event->position().toPoint());
    waehlen(knoten);
    if (knoten)
        Q_EMIT aktiviert(knoten);
    event->accept();
}
