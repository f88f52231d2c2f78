#pragma once

#include <QImage>
#include <QWidget>

/// The 640 x 480 canvas. It keeps its content in an image of its own, so what is drawn
/// on it stays until it is cleared and survives every repaint.
class Picture1 : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Breite = 640;
    static constexpr int Hoehe = 480;

    explicit Picture1(QWidget* parent = nullptr);

    void clear();
    const QImage& bild() const { return image; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image;
};
