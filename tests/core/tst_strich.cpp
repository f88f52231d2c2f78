#include "canvas/Strich.h"

#include <QtTest>
#include <vector>

namespace {

Marke band(int x1, int y1, int x2, int y2)
{
    return {Marke::Art::Band, QRect(QPoint(x1, y1), QPoint(x2, y2))};
}

// Inverts what the marks cover; after any strokes, exactly the set cells must be inverted.
struct Leinwand
{
    std::vector<bool> invertiert = std::vector<bool>(640 * 480, false);

    void anwenden(const QVector<Marke>& marken)
    {
        for (const Marke& m : marken)
            for (const QRect& r : m.flaechen())
                for (int y = r.top(); y <= r.bottom(); ++y)
                    for (int x = r.left(); x <= r.right(); ++x)
                        invertiert[size_t(y * 640 + x)] = !invertiert[size_t(y * 640 + x)];
    }
    bool stimmt(const HotSpot& h) const
    {
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < 640; ++x)
                if (invertiert[size_t(y * 640 + x)] != h.Feld[x / 10][y / 10])
                    return false;
        return true;
    }
};

} // namespace

// The canvas test drives strokes through the real widget; these are what it cannot reach.
class TestStrich : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cellOfAPosition()
    {
        const double position[] = {9.4, 9.5, 10, 19.5, 24.5, 639, 639.6, -0.5, -5.5, -15, 1e300};
        const int zelle[] = {0, 1, 1, 2, 2, 63, 64, 0, 0, -1, 100000};
        for (int i = 0; i < 11; ++i)
            QVERIFY2(Strich::zelle(position[i]) == zelle[i], qPrintable(QString::number(i)));
    }

    void strokesEndSafelyAndOnlyTheRightButtonBands()
    {
        Strich s;
        QVERIFY(s.druecken(nullptr, Strich::Links, 5, 5).isEmpty());
        QVERIFY(!s.MausGedrueckt);
        HotSpot h;
        s.druecken(&h, Strich::Rechts, 5, 5);
        s.bewegen(&h, Strich::Rechts, 25, 5);
        QCOMPARE(s.loslassen(nullptr, Strich::Rechts), QVector<Marke>{band(0, 0, 2, 0)});
        QVERIFY(!s.MausGedrueckt);
        s.druecken(&h, Strich::Links, 5, 5);
        s.abbrechen();
        QVERIFY(s.bewegen(&h, Strich::Links, 25, 5).isEmpty());
        QVERIFY(s.loslassen(&h, Strich::Rechts).isEmpty());
        QVERIFY(h.Feld[0][0] && !h.Feld[2][0]);
        // Only the right button alone draws a band: with another one held a move paints.
        s.druecken(&h, Strich::Rechts, 205, 205);
        s.bewegen(&h, Strich::Links | Strich::Rechts, 215, 205);
        QVERIFY(h.Feld[21][20] && !h.Feld[20][20]);
    }

    void noBandIsLeftStandingWhateverTheButtons()
    {
        enum Art
        {
            Druck,
            Zug,
            Los
        };
        struct Schritt
        {
            Art art;
            int knopf;
            double x, y;
        };
        const QVector<QVector<Schritt>> folgen{
            // the left button joins a right-button stroke, and is let go first
            {{Druck, Strich::Rechts, 55, 55},
             {Zug, Strich::Rechts, 95, 75},
             {Druck, Strich::Links, 95, 75},
             {Zug, 3, 125, 95},
             {Los, Strich::Links, 125, 95},
             {Zug, Strich::Rechts, 145, 105},
             {Los, Strich::Rechts, 145, 105}},
            // a release that never came
            {{Druck, Strich::Rechts, 5, 5},
             {Zug, Strich::Rechts, 305, 205},
             {Druck, Strich::Links, 405, 405},
             {Zug, Strich::Links, 425, 405},
             {Los, Strich::Links, 425, 405}},
            // the middle button ends a right-button stroke
            {{Druck, Strich::Rechts, 635, 475},
             {Zug, Strich::Rechts, 700, -20},
             {Los, Strich::Mitte, 700, -20}},
        };
        for (const auto& folge : folgen) {
            HotSpot h;
            Strich s;
            Leinwand l;
            for (const Schritt& k : folge) {
                if (k.art == Druck)
                    l.anwenden(s.druecken(&h, k.knopf, k.x, k.y));
                else if (k.art == Zug)
                    l.anwenden(s.bewegen(&h, k.knopf, k.x, k.y));
                else
                    l.anwenden(s.loslassen(&h, k.knopf));
            }
            QVERIFY(l.stimmt(h));
        }
    }
};

QTEST_GUILESS_MAIN(TestStrich)
#include "tst_strich.moc"
