#pragma once

#include <QDialog>

class Module1;
class QLabel;
class QScrollArea;
class ZoomBild;

/// The zoom window: the room's picture at its native size, on which the author picks the
/// two corners of a rectangle for "ZoomIn" and "ZoomOut". The left button sets ZoomX1 and
/// ZoomY1, any other button ZoomX2 and ZoomY2.
class Zoom : public QDialog
{
    Q_OBJECT

public:
    explicit Zoom(Module1& raum, QWidget* parent = nullptr);

    /// Loads the picture afresh. A picture that cannot be loaded leaves a note in the
    /// window instead, and no corner can be picked.
    void laden();

private:
    void losgelassen(Qt::MouseButton knopf, const QPoint& punkt);

    Module1& m;
    QScrollArea* flaeche;
    ZoomBild* picture1;
    QLabel* hinweis;
};
