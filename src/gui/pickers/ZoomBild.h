#pragma once

#include <QImage>
#include <QWidget>

/// The zoom window's picture box: the room's picture at its native size, the pointer
/// reported as it moves and where a button is released, and one yellow outline.
class ZoomBild : public QWidget
{
    Q_OBJECT

public:
    explicit ZoomBild(QWidget* parent = nullptr);

    /// Shows the picture at its size, without an outline.
    void setBild(const QImage& bild);
    const QImage& bild() const { return image; }
    /// One outline from corner a to corner b, both included.
    void setUmriss(const QPoint& a, const QPoint& b);

Q_SIGNALS:
    void bewegt(const QPoint& punkt);
    void losgelassen(Qt::MouseButton knopf, const QPoint& punkt);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage image;
    bool umriss = false;
    QRect ecken;
};
