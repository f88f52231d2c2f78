#include "canvas/Strich.h"
#include "model/BildPfad.h"
#include "model/Module1.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

Marke zellen(int x1, int y1, int x2, int y2)
{
    return {Marke::Art::Zellen, QRect(QPoint(x1, y1), QPoint(x2, y2))};
}
Marke band(int x1, int y1, int x2, int y2)
{
    return {Marke::Art::Band, QRect(QPoint(x1, y1), QPoint(x2, y2))};
}
int gesetzt(const HotSpot& h)
{
    int n = 0;
    for (const auto& spalte : h.Feld)
        n += int(std::count(spalte.begin(), spalte.end(), true));
    return n;
}
// The pixel position of the middle of a cell.
double mitte(int zelle)
{
    return zelle * 10 + 5;
}

} // namespace

class TestStrich : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cellOfAPosition()
    {
        const struct
        {
            double position;
            int zelle;
        } faelle[] = {{0, 0},    {9, 0},    {9.4, 0},  {9.5, 1},       {10, 1},     {19, 1},
                      {19.5, 2}, {24.5, 2}, {25.5, 2}, {639, 63},      {639.6, 64}, {-0.5, 0},
                      {-5, 0},   {-5.5, 0}, {-15, -1}, {1e300, 100000}};
        for (const auto& f : faelle)
            QVERIFY2(Strich::zelle(f.position) == f.zelle, qPrintable(QString::number(f.position)));
    }

    void leftStrokesPaintThenErase()
    {
        HotSpot h;
        Strich s;
        QCOMPARE(s.druecken(&h, Strich::Links, mitte(3), mitte(2)),
                 QVector<Marke>{zellen(3, 2, 3, 2)});
        QVERIFY(h.Feld[3][2] && s.Malwert);
        QVERIFY(s.bewegen(&h, Strich::Links, mitte(3) + 3, mitte(2)).isEmpty()); // same cell
        for (int x = 4; x <= 6; ++x)
            QCOMPARE(s.bewegen(&h, Strich::Links, mitte(x), mitte(2)),
                     QVector<Marke>{zellen(x, 2, x, 2)});
        // Back over cells already set: nothing changes, nothing is drawn.
        QVERIFY(s.bewegen(&h, Strich::Links, mitte(4), mitte(2)).isEmpty());
        QVERIFY(s.loslassen(&h, Strich::Links).isEmpty());
        QCOMPARE(gesetzt(h), 4);

        // A stroke beginning on a set cell clears; a middle-button stroke paints like the left.
        s.druecken(&h, Strich::Mitte, mitte(3), mitte(2));
        QVERIFY(!s.Malwert);
        s.bewegen(&h, Strich::Mitte, mitte(9), mitte(2)); // jumps: only the cell reached
        s.bewegen(&h, Strich::Mitte | Strich::Rechts, mitte(5), mitte(2));
        s.loslassen(&h, Strich::Mitte);
        QCOMPARE(gesetzt(h), 2);
        QVERIFY(h.Feld[4][2] && h.Feld[6][2] && !h.Feld[5][2]);

        // Two clicks on one cell toggle it twice.
        s.druecken(&h, Strich::Links, 0, 0);
        s.loslassen(&h, Strich::Links);
        s.druecken(&h, Strich::Links, 0, 0);
        s.loslassen(&h, Strich::Links);
        QCOMPARE(gesetzt(h), 2);
    }

    void rightStrokesToggleTheRectangle()
    {
        HotSpot h;
        h.Feld[3][6] = true;
        Strich s;
        QCOMPARE(s.druecken(&h, Strich::Rechts, mitte(5), mitte(5)),
                 QVector<Marke>{band(5, 5, 5, 5)});
        QCOMPARE(gesetzt(h), 1); // the press changes no cell
        QCOMPARE(s.bewegen(&h, Strich::Rechts, mitte(2), mitte(8)),
                 (QVector<Marke>{band(5, 5, 5, 5), band(2, 5, 5, 8)}));
        QCOMPARE(s.loslassen(&h, Strich::Rechts),
                 (QVector<Marke>{band(2, 5, 5, 8), zellen(2, 5, 5, 8)}));
        QCOMPARE(gesetzt(h), 15);
        QVERIFY(!h.Feld[3][6] && h.Feld[2][5] && h.Feld[5][8] && !h.Feld[6][8]);
        QCOMPARE((std::array<int, 4>{s.LetztX, s.LetztY, s.StartX, s.StartY}),
                 (std::array<int, 4>{2, 5, 5, 8}));
        QVERIFY(!s.MausGedrueckt);

        // The other direction, and a right click without moving toggles one cell.
        s.druecken(&h, Strich::Rechts, mitte(2), mitte(5));
        s.bewegen(&h, Strich::Rechts, mitte(5), mitte(8));
        s.loslassen(&h, Strich::Rechts);
        QCOMPARE(gesetzt(h), 1);
        QVERIFY(h.Feld[3][6]);
        s.druecken(&h, Strich::Rechts, mitte(10), mitte(10));
        QCOMPARE(s.loslassen(&h, Strich::Rechts),
                 (QVector<Marke>{band(10, 10, 10, 10), zellen(10, 10, 10, 10)}));
        QVERIFY(h.Feld[10][10]);

        // A move decides by the buttons held then: left and right together paint.
        s.druecken(&h, Strich::Rechts, mitte(20), mitte(20));
        QCOMPARE(s.bewegen(&h, Strich::Links | Strich::Rechts, mitte(21), mitte(20)),
                 QVector<Marke>{zellen(21, 20, 21, 20)});
    }

    void strokesBeyondTheEdgesUseTheEdgeCells()
    {
        HotSpot h;
        Strich s;
        s.druecken(&h, Strich::Links, 639.6, 479.6);
        QCOMPARE((QPoint(s.LetztX, s.LetztY)), QPoint(63, 47));
        s.bewegen(&h, Strich::Links, 2000, -300);
        s.bewegen(&h, Strich::Links, -2000, -300);
        s.bewegen(&h, Strich::Links, -50, 900);
        s.loslassen(&h, Strich::Links);
        QVERIFY(h.Feld[63][47] && h.Feld[63][0] && h.Feld[0][0] && h.Feld[0][47]);
        QCOMPARE(gesetzt(h), 4);

        s.druecken(&h, Strich::Rechts, mitte(62), mitte(1));
        s.bewegen(&h, Strich::Rechts, 700, -20);
        QCOMPARE(s.loslassen(&h, Strich::Rechts).last(), zellen(62, 0, 63, 1));
    }

    void nothingHappensWithoutASelection()
    {
        Strich s;
        QVERIFY(s.druecken(nullptr, Strich::Links, 5, 5).isEmpty());
        QVERIFY(!s.MausGedrueckt);
        QVERIFY(s.bewegen(nullptr, Strich::Links, 50, 5).isEmpty());
        QVERIFY(s.loslassen(nullptr, Strich::Rechts).isEmpty());

        // A selection gone in the middle of a right stroke: the band goes, no cell changes.
        HotSpot h;
        s.druecken(&h, Strich::Rechts, 5, 5);
        s.bewegen(&h, Strich::Rechts, 25, 5);
        QCOMPARE(s.loslassen(nullptr, Strich::Rechts), QVector<Marke>{band(0, 0, 2, 0)});
        QCOMPARE(gesetzt(h), 0);
        // An ended stroke ignores its remaining events.
        s.druecken(&h, Strich::Links, 5, 5);
        s.abbrechen();
        QVERIFY(s.bewegen(&h, Strich::Links, 25, 5).isEmpty());
        QVERIFY(s.loslassen(&h, Strich::Rechts).isEmpty());
    }

    void marksCoverTheirPixelsOnce()
    {
        HotSpot h;
        for (int x : {0, 1, 2, 5, 63})
            h.Feld[x][4] = true;
        h.Feld[63][47] = true;
        QCOMPARE(Strich::zellenMarken(h),
                 (QVector<Marke>{zellen(0, 4, 2, 4), zellen(5, 4, 5, 4), zellen(63, 4, 63, 4),
                                 zellen(63, 47, 63, 47)}));
        QCOMPARE(zellen(63, 47, 63, 47).flaechen(), QVector<QRect>{QRect(630, 470, 10, 10)});
        // A band runs along the outer pixels of its cells, each pixel in one strip only.
        const QVector<QRect> strips = band(2, 5, 5, 8).flaechen();
        QRect umriss;
        int flaeche = 0;
        for (int i = 0; i < strips.size(); ++i) {
            umriss |= strips[i];
            flaeche += strips[i].width() * strips[i].height();
            for (int j = 0; j < i; ++j)
                QVERIFY(!strips[i].intersects(strips[j]));
        }
        QCOMPARE(flaeche, 2 * 40 + 2 * 38);
        QCOMPARE(umriss, QRect(20, 50, 40, 40));
    }

    void picturesAreLookedUpInOrder()
    {
        QTemporaryDir d;
        Module1 m;
        m.setzeOrdner(d.path());
        QDir(d.path()).mkpath("graphics");
        for (const char* name : {"baum.bmp", "graphics/baum.bmp", "graphics/Stein.BMP"})
            QVERIFY(QFile(m.AppPfad + name).open(QIODevice::WriteOnly));
        QCOMPARE(ohneLeerzeichen("  a b.bmp   "), QString("a b.bmp"));
        QCOMPARE(bildPfad("baum.bmp", m), m.AppPfad + "baum.bmp");
        QCOMPARE(bildPfad(m.GraphicsPfad + "baum.bmp", m), m.GraphicsPfad + "baum.bmp");
        QCOMPARE(bildPfad("C:\\Spiel\\graphics\\stein.bmp", m), m.GraphicsPfad + "Stein.BMP");
        QCOMPARE(bildPfad("/weg/stein.bmp", m), m.GraphicsPfad + "Stein.BMP");
        QCOMPARE(bildPfad("graphics", m), m.GraphicsPfad + "graphics"); // a folder is no picture
        QCOMPARE(bildPfad("fehlt.jpg", m), m.GraphicsPfad + "fehlt.jpg");
    }
};

QTEST_GUILESS_MAIN(TestStrich)
#include "tst_strich.moc"
