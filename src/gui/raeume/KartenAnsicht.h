#pragma once

#include <QGraphicsView>
#include <optional>

class QGraphicsItem;

/// The map's view: Ctrl with the mouse wheel, Ctrl++ and Ctrl+- zoom; a drag or the scroll
/// bars pan; a click selects a node, a double click or Return on it asks to open it.
class KartenAnsicht : public QGraphicsView
{
    Q_OBJECT

public:
    /// Zoomed out further only as far as the whole map fits.
    static constexpr double kleinsterZoom = 0.02;
    static constexpr double groessterZoom = 4;

    explicit KartenAnsicht(QWidget* parent = nullptr);

    /// Zooms by `faktor`, keeping the scene point under `um` (a point of the viewport; the
    /// middle when not given) where it is.
    void zoomen(double faktor, std::optional<QPoint> um = std::nullopt);
    double zoom() const { return transform().m11(); }
    /// The zoom at which the whole map fits.
    double ganzSichtbar() const;
    /// The items of this type (QGraphicsItem::type()) are the nodes; the map's rooms unless
    /// told.
    void setKnotenTyp(int typ) { knotenTyp = typ; }
    /// The node at `punkt` of the viewport, or null.
    QGraphicsItem* knotenBei(QPoint punkt) const;
    /// The selected node, or null.
    QGraphicsItem* gewaehlt() const;

Q_SIGNALS:
    void aktiviert(QGraphicsItem* knoten);

protected:
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void waehlen(QGraphicsItem* knoten);

    QPoint druckOrt;
    int knotenTyp;
};
