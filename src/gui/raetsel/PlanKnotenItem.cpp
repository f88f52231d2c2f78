// A node of the puzzle chart as drawn: a step, or a flag, item, room or hotspot between steps.
#include "PlanKnotenItem.h"

#include <QPainter>
#include <QStyleOptionGraphicsItem>

namespace {

const QColor rotFarbe(0xb0, 0x30, 0x20);
const QColor tinte(0x20, 0x18, 0x10);

/// The node's box: dot's rectangle, centred where dot put it.
QRectF zentriert(const QRectF& r)
{
    return QRectF(-r.width() / 2, -r.height() / 2, r.width(), r.height());
}

} // namespace

PlanKnotenItem::PlanKnotenItem(const RaetselKarte& karte, int schritt, const QRectF& rahmen)
    : index(schritt), box(zentriert(rahmen))
{
    const PlanSchritt& p = karte.schritte[schritt];
    zeilen = RaetselKarte::beschriftung(p);
    fuellung = QColor(karte.raumFarbe(p.datei));
    zumZiel = p.zumZiel;
    rot = p.nie;
    setPos(rahmen.center());
    setFlag(ItemIsSelectable);
    setCursor(Qt::PointingHandCursor);
    QString tipp = zeilen.join(QStringLiteral(", "));
    if (rot)
        tipp += QStringLiteral("\nKann im Spiel nie geschehen: ") + p.grund;
    setToolTip(tipp);
}

PlanKnotenItem::PlanKnotenItem(const RaetselKarte& karte, const PlanDing& ding,
                               const QRectF& rahmen)
    : art(ding.art), box(zentriert(rahmen))
{
    zeilen = {RaetselKarte::beschriftung(ding)};
    fuellung = ding.art == PlanDing::Art::Raum ? QColor(karte.raumFarbe(ding.name)) : Qt::white;
    zumZiel = ding.zumZiel;
    rot = !ding.erreicht;
    ziel = ding.ziel;
    setPos(rahmen.center());
    setToolTip(ziel ? QStringLiteral("Ziel: ") + zeilen.first() : zeilen.first());
}

QRectF PlanKnotenItem::boundingRect() const
{
    return box.adjusted(-4, -4, 4, 4);
}

void PlanKnotenItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*)
{
    const double lod = option->levelOfDetailFromTransform(painter->worldTransform());
    painter->setRenderHint(QPainter::Antialiasing, lod >= 0.4);
    QPen stift(rot ? rotFarbe : tinte, zumZiel ? (index >= 0 ? 3 : 2) : 1);
    if (rot && index < 0)
        stift.setStyle(Qt::DashLine);
    painter->setPen(stift);
    painter->setBrush(fuellung);
    const QRectF r = box.adjusted(1, 1, -1, -1);
    QPainterPath umriss;
    if (index >= 0) {
        umriss.addRoundedRect(r, 6, 6);
    } else {
        switch (art) {
        case PlanDing::Art::Flag:
            umriss.addEllipse(r);
            break;
        case PlanDing::Art::Gegenstand: {
            // A card with its corner folded.
            const double e = std::min(6.0, r.height() / 3);
            umriss.moveTo(r.topLeft());
            umriss.lineTo(r.right() - e, r.top());
            umriss.lineTo(r.right(), r.top() + e);
            umriss.lineTo(r.bottomRight());
            umriss.lineTo(r.bottomLeft());
            umriss.closeSubpath();
            break;
        }
        case PlanDing::Art::Raum: {
            const double giebel = r.height() * 0.35;
            umriss.moveTo(r.left(), r.bottom());
            umriss.lineTo(r.left(), r.top() + giebel);
            umriss.lineTo(r.center().x(), r.top());
            umriss.lineTo(r.right(), r.top() + giebel);
            umriss.lineTo(r.right(), r.bottom());
            umriss.closeSubpath();
            break;
        }
        case PlanDing::Art::HotSpot:
            umriss.moveTo(r.center().x(), r.top());
            umriss.lineTo(r.right(), r.center().y());
            umriss.lineTo(r.center().x(), r.bottom());
            umriss.lineTo(r.left(), r.center().y());
            umriss.closeSubpath();
            break;
        }
    }
    painter->drawPath(umriss);
    if (ziel) {
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(box.adjusted(-3, -3, 3, 3));
    }
    if (isSelected()) {
        painter->setPen(QPen(QColor(0x30, 0x60, 0xc0), 2, Qt::DashLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(box.adjusted(-3, -3, 3, 3), 7, 7);
    }
    if (lod < 0.3)
        return;
    QFont schrift;
    schrift.setPixelSize(index >= 0 ? 11 : 9);
    schrift.setBold(zumZiel && index >= 0);
    painter->setFont(schrift);
    painter->setPen(rot ? rotFarbe : tinte);
    painter->drawText(box, Qt::AlignCenter, zeilen.join(QLatin1Char('\n')));
}
