#include "KantenItem.h"

#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <QtMath>

namespace {

const QColor farbe(0x5a, 0x46, 0x32);

} // namespace

QFont KantenItem::schrift()
{
    QFont s;
    s.setPixelSize(9);
    return s;
}

KantenItem::KantenItem(const KartenLayout::Kante& kante, const QString& von, const QString& nach,
                       const QStringList& beschriftung)
    : stift(farbe, 1), vonDatei(von), nachDatei(nach), zeilen(beschriftung)
{
    setZValue(-1);
    setAcceptedMouseButtons(Qt::NoButton);
    weg.moveTo(kante.kurve.value(0));
    for (int i = 1; i + 2 < kante.kurve.size(); i += 3)
        weg.cubicTo(kante.kurve[i], kante.kurve[i + 1], kante.kurve[i + 2]);
    rahmen = weg.boundingRect();
    if (kante.spitze) {
        // dot's curve ends where the arrow's base is; the arrow reaches to its point.
        const QPointF ende = kante.kurve.last();
        const QPointF richtung = *kante.spitze - ende;
        const double laenge = std::hypot(richtung.x(), richtung.y());
        if (laenge > 0) {
            const QPointF quer = QPointF(-richtung.y(), richtung.x()) / laenge * 3.5;
            spitze << *kante.spitze << ende + quer << ende - quer;
            rahmen |= spitze.boundingRect();
        }
    }
    if (kante.beschriftung && !zeilen.isEmpty()) {
        // No glyph is wider than the font is high: measuring a thousand labels would hold up
        // the window, and the text is centred in the box anyway.
        qsizetype zeichen = 0;
        for (const QString& z : zeilen)
            zeichen = std::max(zeichen, z.size());
        const double hoehe = schrift().pixelSize();
        const QSizeF groesse(double(zeichen) * hoehe + 2, (hoehe + 3) * double(zeilen.size()));
        textRahmen = QRectF(
            *kante.beschriftung - QPointF(groesse.width() / 2, groesse.height() / 2), groesse);
        rahmen |= textRahmen;
    }
    rahmen.adjust(-2, -2, 2, 2);
    setToolTip(zeilen.join(QLatin1Char('\n')));
}

void KantenItem::setStift(const QPen& neu)
{
    stift = neu;
    update();
}

QPainterPath KantenItem::shape() const
{
    if (umriss.isEmpty()) {
        QPainterPathStroker strich;
        strich.setWidth(6);
        umriss = strich.createStroke(weg);
        umriss.addPolygon(spitze);
        if (!textRahmen.isNull())
            umriss.addRect(textRahmen);
    }
    return umriss;
}

void KantenItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*)
{
    const double lod = option->levelOfDetailFromTransform(painter->worldTransform());
    // Smooth curves only where they are large enough to show it: far out they cost most.
    painter->setRenderHint(QPainter::Antialiasing, lod >= 0.4);
    painter->setPen(stift);
    painter->setBrush(Qt::NoBrush);
    painter->drawPath(weg);
    if (lod < 0.12)
        return;
    painter->setPen(QPen(stift.color(), 1));
    painter->setBrush(stift.color());
    painter->drawPolygon(spitze);
    if (lod < 0.4 || textRahmen.isNull())
        return;
    painter->setFont(schrift());
    painter->setPen(QColor(0x20, 0x18, 0x10));
    painter->drawText(textRahmen, Qt::AlignCenter, zeilen.join(QLatin1Char('\n')));
}
