#include "canvas/Strich.h"

#include <QtTest>

namespace {

Marke band(int x1, int y1, int x2, int y2)
{
    return {Marke::Art::Band, QRect(QPoint(x1, y1), QPoint(x2, y2))};
}

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
};

QTEST_GUILESS_MAIN(TestStrich)
#include "tst_strich.moc"
