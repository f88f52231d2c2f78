// The cells a stroke of the mouse inverts on the canvas.
#include "Strich.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int letzteSpalte = HotSpot::Spalten - 1;
constexpr int letzteZeile = HotSpot::Zeilen - 1;

Marke zellMarke(int x, int y)
{
    return {Marke::Art::Zellen, QRect(x, y, 1, 1)};
}

} // namespace

QVector<QRect> Marke::flaechen() const
{
    const QRect p = umriss();
    if (art == Art::Zellen)
        return {p};
    // Top and bottom rows whole, the sides between them, so no corner is inverted twice.
    return {QRect(p.left(), p.top(), p.width(), 1), QRect(p.left(), p.bottom(), p.width(), 1),
            QRect(p.left(), p.top() + 1, 1, p.height() - 2),
            QRect(p.right(), p.top() + 1, 1, p.height() - 2)};
}

QRect Marke::umriss() const
{
    return QRect(zellen.left() * Strich::Pixel, zellen.top() * Strich::Pixel,
                 zellen.width() * Strich::Pixel, zellen.height() * Strich::Pixel);
}

int Strich::zelle(double position)
{
    // Far beyond the canvas every position clamps to an edge cell; the limit only keeps the
    // conversion defined.
    const double p = std::nearbyint(std::clamp(position, -1.0e6, 1.0e6));
    return int(p) / Pixel;
}

QVector<Marke> Strich::zellenMarken(const HotSpot& spot)
{
    // A run of set cells in a row inverts the same pixels as its cells one by one, and a
    // few wide rectangles invert far faster than many small ones.
    QVector<Marke> marken;
    for (int y = 0; y < HotSpot::Zeilen; ++y) {
        for (int x = 0; x < HotSpot::Spalten; ++x) {
            if (!spot.Feld[x][y])
                continue;
            const int anfang = x;
            while (x + 1 < HotSpot::Spalten && spot.Feld[x + 1][y])
                ++x;
            marken.append({Marke::Art::Zellen, QRect(anfang, y, x - anfang + 1, 1)});
        }
    }
    return marken;
}

Marke Strich::band() const
{
    return {Marke::Art::Band, QRect(QPoint(std::min(StartX, LetztX), std::min(StartY, LetztY)),
                                    QPoint(std::max(StartX, LetztX), std::max(StartY, LetztY)))};
}

void Strich::bandZeigen(QVector<Marke>& marken)
{
    const Marke b = band();
    marken.append(b);
    gezeigt = b.zellen;
}

void Strich::bandWeg(QVector<Marke>& marken)
{
    if (gezeigt) {
        marken.append({Marke::Art::Band, *gezeigt});
        gezeigt.reset();
    }
}

QVector<Marke> Strich::druecken(HotSpot* spot, int knopf, double x, double y)
{
    // A band still standing lost its release (another button pressed meanwhile, or the
    // grab broken): it goes before anything else is drawn.
    QVector<Marke> marken;
    bandWeg(marken);
    if (!spot)
        return marken;
    MausGedrueckt = true;
    // A press lies on the canvas; the lower bound only guards against rounding at its edge.
    LetztX = std::clamp(zelle(x), 0, letzteSpalte);
    LetztY = std::clamp(zelle(y), 0, letzteZeile);
    bool& feld = spot->Feld[LetztX][LetztY];
    Malwert = !feld;
    feld = Malwert;
    StartX = LetztX;
    StartY = LetztY;
    if (knopf == Rechts) {
        feld = !Malwert;
        bandZeigen(marken);
    } else {
        marken.append(zellMarke(LetztX, LetztY));
    }
    return marken;
}

QVector<Marke> Strich::bewegen(HotSpot* spot, int knoepfe, double x, double y)
{
    if (!MausGedrueckt)
        return {};
    const int zx = zelle(x);
    const int zy = zelle(y);
    if (zx == LetztX && zy == LetztY)
        return {};
    QVector<Marke> marken;
    if (knoepfe == Rechts)
        bandWeg(marken);
    LetztX = std::clamp(zx, 0, letzteSpalte);
    LetztY = std::clamp(zy, 0, letzteZeile);
    if (knoepfe == Rechts) {
        bandZeigen(marken);
    } else if (spot && spot->Feld[LetztX][LetztY] != Malwert) {
        spot->Feld[LetztX][LetztY] = Malwert;
        marken.append(zellMarke(LetztX, LetztY));
    }
    return marken;
}

QVector<Marke> Strich::loslassen(HotSpot* spot, int knopf)
{
    QVector<Marke> marken;
    if (MausGedrueckt && knopf == Rechts) {
        if (LetztX > StartX)
            std::swap(LetztX, StartX);
        if (LetztY > StartY)
            std::swap(LetztY, StartY);
        const Marke b = band();
        bandWeg(marken);
        if (spot) {
            for (int x = LetztX; x <= StartX; ++x)
                for (int y = LetztY; y <= StartY; ++y)
                    spot->Feld[x][y] = !spot->Feld[x][y];
            // Toggling every cell of the rectangle inverts each of its pixels once.
            marken.append({Marke::Art::Zellen, b.zellen});
        }
    }
    // A stroke ended by another button takes its band with it.
    bandWeg(marken);
    MausGedrueckt = false;
    return marken;
}
