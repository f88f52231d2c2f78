#pragma once

#include "check/Karte.h"

#include <QGraphicsItem>
#include <memory>

class Vorschauen;
struct SpielDatei;

/// A node of the map: a room as its thumbnail with its file name below, an item script or a
/// missing room as a card with its name. Zoomed far out it is only a coloured box, so that a
/// map of a thousand rooms pans and zooms smoothly.
class KnotenItem : public QGraphicsItem
{
public:
    enum
    {
        Type = UserType + 1
    };

    KnotenItem(KartenKnoten knoten, const QRectF& rahmen, Vorschauen& vorschauen);

    const KartenKnoten& knoten() const { return k; }
    /// The room as the game knows it now, for its thumbnail; null for other nodes.
    void setRaum(std::shared_ptr<const SpielDatei> raum);
    /// The room is open in the editor.
    void setOffen(bool offen);
    bool istOffen() const { return offen; }

    int type() const override { return Type; }
    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    KartenKnoten k;
    QSizeF groesse;
    Vorschauen& vorschauen;
    std::shared_ptr<const SpielDatei> raum;
    bool offen = false;
};
