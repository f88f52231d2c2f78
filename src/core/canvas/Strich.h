// The cells a stroke of the mouse inverts on the canvas.
#pragma once

#include "model/HotSpot.h"

#include <QRect>
#include <QVector>
#include <optional>

/// Something to invert on the canvas, in cells of the 64 x 48 grid.
struct Marke
{
    enum class Art
    {
        /// Every cell of the rectangle, filled.
        Zellen,
        /// The one-pixel outline along the outer pixels of the rectangle's cells.
        Band
    };
    Art art = Art::Zellen;
    /// Columns left() to right(), rows top() to bottom(), both ends included.
    QRect zellen;

    /// The pixel rectangles whose pixels are inverted: disjoint, so inverting each once
    /// inverts the mark exactly once.
    QVector<QRect> flaechen() const;
    /// The canvas area the mark touches.
    QRect umriss() const;

    bool operator==(const Marke& o) const { return art == o.art && zellen == o.zellen; }
};

/// The mouse editing of the selected hotspot's cells: a left-button stroke paints or
/// erases the cells it passes, a right-button stroke shows a band and toggles the rectangle
/// of cells at release. Each event changes the hotspot's cells in place and returns the
/// marks the canvas inverts, in order.
class Strich
{
public:
    /// Mouse buttons as the handlers count them; a move passes the sum of those held.
    enum Knopf
    {
        Links = 1,
        Rechts = 2,
        Mitte = 4
    };
    static constexpr int Pixel = 10;

    /// The column (or row) of a canvas position: rounded to a whole pixel, halves to the
    /// even neighbour, then divided by 10 with the quotient cut toward zero.
    static int zelle(double position);

    /// The cell marks of every set cell of `spot`: what a full redraw inverts.
    static QVector<Marke> zellenMarken(const HotSpot& spot);

    /// `spot` is the selected hotspot, or null when none is selected.
    QVector<Marke> druecken(HotSpot* spot, int knopf, double x, double y);
    QVector<Marke> bewegen(HotSpot* spot, int knoepfe, double x, double y);
    QVector<Marke> loslassen(HotSpot* spot, int knopf);

    /// A full redraw wipes the band and draws the cells afresh: the stroke ends there, and
    /// its later events change nothing.
    void abbrechen()
    {
        MausGedrueckt = false;
        gezeigt.reset();
    }

    qint32 StartX = 0;
    qint32 StartY = 0;
    qint32 LetztX = 0;
    qint32 LetztY = 0;
    bool MausGedrueckt = false;
    bool Malwert = false;

private:
    Marke band() const;
    void bandZeigen(QVector<Marke>& marken);
    /// Erases the band that stands on the canvas, if one does.
    void bandWeg(QVector<Marke>& marken);

    /// The band the canvas shows, in cells: what is erased is what was drawn, also when the
    /// buttons held changed in between.
    std::optional<QRect> gezeigt;
};
