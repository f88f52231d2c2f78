// A node of the puzzle chart as drawn: a step, or a flag, item, room or hotspot between steps.
#pragma once

#include "raetsel/RaetselKarte.h"

#include <QColor>
#include <QGraphicsItem>
#include <QStringList>

/// A node of the puzzle chart where dot put it: a step as a rounded box in its room's colour,
/// bold on the way to the goal, red when it can never happen (the reason as its tooltip); a
/// thing as a small ellipse (flag), card (item), house (room) or diamond (hotspot).
class PlanKnotenItem : public QGraphicsItem
{
public:
    enum
    {
        Type = UserType + 11
    };

    /// A step of `karte`.
    PlanKnotenItem(const RaetselKarte& karte, int schritt, const QRectF& rahmen);
    /// A thing of `karte`.
    PlanKnotenItem(const RaetselKarte& karte, const PlanDing& ding, const QRectF& rahmen);

    /// The step's index, or -1 for a thing.
    int schritt() const { return index; }
    bool fett() const { return zumZiel; }
    bool nie() const { return rot; }

    int type() const override { return Type; }
    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    int index = -1;
    PlanDing::Art art = PlanDing::Art::Flag;
    QRectF box;
    QStringList zeilen;
    QColor fuellung;
    bool zumZiel = false;
    bool rot = false;
    bool ziel = false;
};
