#pragma once

#include "raeume/KartenLayout.h"

#include <QFont>
#include <QGraphicsItem>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>

/// An edge of the map: dot's curve with its arrow, and the hotspots and scripts the "Goto"
/// starts from where dot put its label. Zoomed out, only the curve.
class KantenItem : public QGraphicsItem
{
public:
    enum
    {
        Type = UserType + 2
    };

    /// `von` and `nach` are the files the edge links.
    KantenItem(const KartenLayout::Kante& kante, const QString& von, const QString& nach,
               const QStringList& beschriftung);

    const QString& von() const { return vonDatei; }
    const QString& nach() const { return nachDatei; }
    const QStringList& beschriftung() const { return zeilen; }

    int type() const override { return Type; }
    QRectF boundingRect() const override { return rahmen; }
    /// The curve and its label, not the whole box around them: a long edge's tooltip shows
    /// only near it.
    QPainterPath shape() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

    static QFont schrift();
    /// Draws the curve and its arrow with `stift` (thin and brown unless told).
    void setStift(const QPen& stift);

private:
    QPen stift;
    QString vonDatei;
    QString nachDatei;
    QStringList zeilen;
    QPainterPath weg;
    QPolygonF spitze;
    QRectF textRahmen;
    QRectF rahmen;
    mutable QPainterPath umriss;
};
