#include "canvas/Flecken.h"
#include "canvas/Strich.h"
#include "model/Module1.h"

#include <QtTest>
#include <vector>

// The canvas test drives strokes through the real widget; these are what it cannot reach.
class TestStrich : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cellOfAPosition()
    {
        // Rounded to a whole pixel, halves to the even one, then divided cutting toward zero.
        const std::pair<double, int> faelle[] = {{9.4, 0},  {9.5, 1},  {24.5, 2},
                                                 {-5.5, 0}, {-15, -1}, {1e300, 100000}};
        for (const auto& [position, zelle] : faelle)
            QVERIFY2(Strich::zelle(position) == zelle, qPrintable(QString::number(position)));
    }

    void strokesEndSafelyAndOnlyTheRightButtonBands()
    {
        Strich s;
        HotSpot h;
        QVERIFY(s.druecken(nullptr, Strich::Links, 5, 5).isEmpty() && !s.MausGedrueckt);
        s.druecken(&h, Strich::Rechts, 5, 5);
        s.bewegen(&h, Strich::Rechts, 25, 5);
        QCOMPARE(s.loslassen(nullptr, Strich::Rechts),
                 QVector<Marke>({{Marke::Art::Band, QRect(0, 0, 3, 1)}}));
        s.druecken(&h, Strich::Links, 5, 5);
        s.abbrechen();
        QVERIFY(s.bewegen(&h, Strich::Links, 25, 5).isEmpty() &&
                s.loslassen(&h, Strich::Rechts).isEmpty());
        QVERIFY(h.Feld[0][0] && !h.Feld[2][0]);
        // Only the right button alone draws a band: with another one held a move paints.
        s.druecken(&h, Strich::Rechts, 205, 205);
        s.bewegen(&h, Strich::Links | Strich::Rechts, 215, 205);
        QVERIFY(h.Feld[21][20] && !h.Feld[20][20]);
    }

    void noBandIsLeftStandingWhateverTheButtons()
    {
        // 'd' press, 'z' move, 'l' release; the buttons; the position.
        using Schritt = std::tuple<char, int, double, double>;
        const int R = Strich::Rechts, L = Strich::Links;
        // The left button joins a right-button stroke, and is let go first.
        const QVector<Schritt> linksDazu = {
            {'d', R, 55, 55}, {'z', R, 95, 75},   {'d', L, 95, 75}, {'z', L | R, 125, 95},
            {'l', L, 0, 0},   {'z', R, 145, 105}, {'l', R, 0, 0}};
        // A release that never came.
        const QVector<Schritt> ohneLoslassen = {{'d', R, 5, 5},
                                                {'z', R, 305, 205},
                                                {'d', L, 405, 405},
                                                {'z', L, 425, 405},
                                                {'l', L, 0, 0}};
        // The middle button ends a right-button stroke.
        const QVector<Schritt> mitte = {
            {'d', R, 635, 475}, {'z', R, 700, -20}, {'l', Strich::Mitte, 0, 0}};
        const QVector<QVector<Schritt>> folgen{linksDazu, ohneLoslassen, mitte};
        for (const auto& folge : folgen) {
            HotSpot h;
            Strich s;
            // What the marks invert must be exactly the set cells.
            std::vector<bool> invertiert(640 * 480, false);
            for (const auto& [art, knopf, x, y] : folge) {
                const QVector<Marke> marken = art == 'd'   ? s.druecken(&h, knopf, x, y)
                                              : art == 'z' ? s.bewegen(&h, knopf, x, y)
                                                           : s.loslassen(&h, knopf);
                for (const Marke& m : marken)
                    for (const QRect& r : m.flaechen())
                        for (int py = r.top(); py <= r.bottom(); ++py)
                            for (int px = r.left(); px <= r.right(); ++px)
                                invertiert[size_t(py * 640 + px)].flip();
                if (knopf != R || art == 'l') // only a right-button stroke shows a band meanwhile
                    for (int i = 0; i < 640 * 480; ++i)
                        QVERIFY(invertiert[size_t(i)] == h.Feld[i % 640 / 10][i / 6400]);
            }
        }
    }

    void aNameStandsOnTheLargestPatchAndOverlapsAreCounted()
    {
        const auto setzen = [](HotSpot& h, const QRect& r) {
            for (int x = r.left(); x <= r.right(); ++x)
                for (int y = r.top(); y <= r.bottom(); ++y)
                    h.Feld[x][y] = true;
        };
        HotSpot h;
        QCOMPARE(Flecken::namensOrt(h), std::nullopt);
        // Two patches touching only at a corner: the larger one, at its centre.
        setzen(h, {0, 0, 2, 2});
        setzen(h, {3, 3, 4, 2});
        QCOMPARE(Flecken::namensOrt(h), QPointF(50, 40));
        // Of equal patches the first by column; a "U" whose centre is empty puts the name on
        // its cell nearest to it.
        HotSpot u;
        setzen(u, {50, 40, 1, 1});
        setzen(u, {10, 10, 1, 5});
        setzen(u, {14, 10, 1, 5});
        setzen(u, {10, 14, 5, 1});
        QCOMPARE(Flecken::namensOrt(u), QPointF(125, 145));

        Module1 raum;
        for (const QRect& r : {QRect(0, 0, 2, 1), QRect(1, 0, 2, 1), QRect(1, 0, 1, 1)})
            setzen(raum.HotSpots[raum.neuerHotSpot(0)], r);
        const Flecken::Belegung belegt = Flecken::belegung(raum);
        QCOMPARE(std::vector<int>(
                     {belegt[0], belegt[HotSpot::Zeilen], belegt[2 * HotSpot::Zeilen], belegt[1]}),
                 std::vector<int>({1, 3, 1, 0}));
    }
};

QTEST_GUILESS_MAIN(TestStrich)
#include "tst_strich.moc"
