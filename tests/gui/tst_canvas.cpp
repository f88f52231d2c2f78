#include "EditorImTest.h"
#include "canvas/Flecken.h"
#include "canvas/HotSpotUeberblick.h"
#include "canvas/Picture1.h"

namespace {

// Every pixel differs from its neighbours: a shifted, unstretched or wrongly inverted one shows.
QImage muster(QSize groesse, bool schwarz = false)
{
    QImage bild(groesse, QImage::Format_RGB32);
    for (int y = 0; y < groesse.height(); ++y)
        for (int x = 0; x < groesse.width(); ++x)
            bild.setPixel(x, y, schwarz ? qRgb(0, 0, 0) : qRgb(x * 7, y * 5, (x * 3) ^ (y * 11)));
    return bild;
}
const QImage schwarz = muster({640, 480}, true);

QImage gestreckt(const QImage& bild)
{
    return bild.scaled(640, 480, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

// The canvas with the cells of `spot` inverted, pixel by pixel.
QImage mitZellen(QImage bild, const HotSpot& spot)
{
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x)
            if (spot.Feld[x / 10][y / 10])
                bild.setPixel(x, y, bild.pixel(x, y) ^ 0x00ffffff);
    return bild;
}

// The middle pixel of a cell, clear of every outline.
QRgb mitte(const QImage& bild, int x, int y)
{
    return bild.pixel(x * 10 + 5, y * 10 + 5);
}

int abstand(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

// Grey seen through the tint of hotspot `h` at `alpha`.
QRgb getoent(int h, int alpha)
{
    const QColor c = HotSpotUeberblick::farbe(h);
    const auto kanal = [alpha](int f) { return (f * alpha + 128 * (255 - alpha)) / 255; };
    return qRgb(kanal(c.red()), kanal(c.green()), kanal(c.blue()));
}

// How many pixels of the rectangle are nearly black and nearly white.
QPair<int, int> schwarzWeiss(const QImage& bild, const QRect& r)
{
    int schwarz = 0, weiss = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            schwarz += qGray(bild.pixel(x, y)) < 60;
            weiss += qGray(bild.pixel(x, y)) > 200;
        }
    }
    return {schwarz, weiss};
}

} // namespace

class TestCanvas : public QObject, EditorImTest
{
    Q_OBJECT

private:
    Picture1* canvas() { return control<Picture1>("Picture1"); }
    static QPoint zelle(int x, int y) { return {x * 10 + 5, y * 10 + 5}; }
    QString grafik(const QString& name) const { return m->GraphicsPfad + name; }
    HotSpot& spot(int i) { return m->HotSpots[i]; }
    // Loads a room with this picture name and a hotspot for each rectangle of cells.
    void raum(const QString& hintergrund, const QVector<QRect>& flaechen = {})
    {
        Module1 r;
        r.setHintergrund(hintergrund);
        for (const QRect& f : flaechen) {
            HotSpot& h = r.HotSpots[r.neuerHotSpot(r.HotSpotMax + 1)];
            for (int x = f.left(); x <= f.right(); ++x)
                for (int y = f.top(); y <= f.bottom(); ++y)
                    h.Feld[x][y] = true;
        }
        QVERIFY(spiel->raum("r.lsd", r));
        if (editor->verlauf().geaendert())
            desktop->answer(QMessageBox::Discard);
        clickWith("Command4", spiel->pfad("rooms/r.lsd"));
    }
    // The stroked hotspot has the cells of `soll`, and what the strokes drew is what a full
    // redraw from the room draws.
    void zellenWie(const HotSpot& soll)
    {
        QCOMPARE(spot(1).Feld, soll.Feld);
        canvasWieNeuAufgebaut();
    }

private Q_SLOTS:
    void init() { starten(); }
    void cleanup() { beenden(); }

    void picturesAreFoundStretchedAndMarked()
    {
        QVERIFY(muster({800, 600}).save(grafik("wald.jpg")));
        raum("wald.jpg");
        QCOMPARE(canvas()->bild(), gestreckt(QImage(grafik("wald.jpg"))));
        // The name as given, in the program folder, comes first; the content decides the format.
        QVERIFY(muster({320, 200}).save(m->AppPfad + "wald.jpg", "BMP"));
        raum("  wald.jpg  ");
        QCOMPARE(canvas()->bild(), gestreckt(muster({320, 200})));
        // A path from another machine: its bare name in the graphics folder, in any case.
        QFile::copy(TARNHOLM_DEMO_DIR "/graphics/keller.gif", grafik("Keller.GIF"));
        raum("C:\\Spiel\\graphics\\keller.gif");
        QCOMPARE(canvas()->bild(), gestreckt(QImage(grafik("Keller.GIF"))));
        // No picture clears the canvas, without a message.
        raum(QString(100, ' '));
        QCOMPARE(canvas()->bild(), schwarz);

        // The selected hotspot's cells show, without decoding the picture again.
        QVERIFY(muster({640, 480}).save(grafik("haus.bmp")));
        raum("haus.bmp", {{0, 0, 3, 2}, {60, 40, 4, 8}, {10, 10, 1, 1}});
        const int dekodiert = canvas()->picture2().dekodierungen();
        QCOMPARE(canvas()->bild(), muster({640, 480})); // unscaled, no cells without a selection
        list()->setCurrentRow(1);
        QCOMPARE(canvas()->bild(), mitZellen(muster({640, 480}), spot(1)));
        click("Command10"); // the third moves up and is selected
        QCOMPARE(canvas()->bild(), mitZellen(muster({640, 480}), spot(1)));
        QCOMPARE(canvas()->picture2().dekodierungen(), dekodiert);
        QVERIFY(muster({320, 240}).save(grafik("haus.bmp"))); // a changed file is read again
        list()->setCurrentRow(0);
        QCOMPARE(canvas()->bild(), mitZellen(gestreckt(muster({320, 240})), spot(0)));

        // A missing picture: a room still selects and deletes, the cells over a cleared canvas.
        raum("fehlt.jpg", {{0, 0, 2, 2}, {5, 5, 1, 1}});
        list()->setCurrentRow(0);
        QCOMPARE(canvas()->bild(), mitZellen(schwarz, spot(0)));
        click("Command10");
        QCOMPARE(canvas()->bild(), mitZellen(schwarz, spot(0)));
    }

    void strokesChangeExactlyTheirCells()
    {
        const QImage bild = muster({640, 480});
        QVERIFY(bild.save(grafik("b.bmp")));
        raum("b.bmp", {QRect(), QRect()});
        drag(Qt::LeftButton, {zelle(1, 1), zelle(9, 9)}); // no selection: nothing
        QCOMPARE(canvas()->bild(), bild);
        list()->setCurrentRow(1);
        HotSpot soll;
        QWindow* w = editor->windowHandle();

        // Left from a clear cell sets what it passes, over a set cell and past it; from a set
        // cell it clears. A double click toggles twice.
        spot(1).Feld[5][2] = soll.Feld[5][2] = true;
        canvas()->BildAufbau();
        drag(Qt::LeftButton, {zelle(3, 2), zelle(4, 2), zelle(5, 2), zelle(7, 2), zelle(4, 2)});
        soll.Feld[3][2] = soll.Feld[4][2] = soll.Feld[7][2] = true;
        zellenWie(soll);
        drag(Qt::LeftButton, {zelle(4, 2), zelle(5, 2), zelle(6, 2), zelle(7, 2)});
        QTest::mouseDClick(w, Qt::LeftButton, {}, imFenster(zelle(3, 2)));
        soll.Feld[4][2] = soll.Feld[5][2] = soll.Feld[7][2] = false;
        zellenWie(soll);

        // Right: the band follows the pointer, the rectangle toggles at release.
        QTest::mousePress(w, Qt::RightButton, {}, imFenster(zelle(5, 5)));
        QTest::mouseMove(w, imFenster(zelle(2, 8)));
        for (QPoint p : {QPoint(20, 50), QPoint(59, 89), QPoint(20, 70), QPoint(55, 55)})
            QCOMPARE(canvas()->bild().pixel(p) == bild.pixel(p), p == QPoint(55, 55));
        QTest::mouseRelease(w, Qt::RightButton, {}, imFenster(zelle(2, 8)));
        drag(Qt::RightButton, {zelle(3, 6), zelle(6, 9)}); // the other way, over set cells
        drag(Qt::RightButton, {zelle(10, 10)});
        for (int x = 2; x <= 6; ++x)
            for (int y = 5; y <= 9; ++y)
                soll.Feld[x][y] = (x <= 5 && y <= 8) != (x >= 3 && y >= 6);
        soll.Feld[10][10] = true;
        zellenWie(soll);

        // Beyond every edge, over the list too: the stroke stays on the edge cells.
        drag(Qt::LeftButton,
             {zelle(62, 46), {700, 465}, {700, 483}, {-40, 483}, {-40, -30}, {700, -30}});
        for (QPoint c : {QPoint(62, 46), QPoint(63, 46), QPoint(63, 47), QPoint(0, 47),
                         QPoint(0, 0), QPoint(63, 0)})
            soll.Feld[c.x()][c.y()] = true;
        drag(Qt::RightButton, {zelle(1, 1), {-40, -30}});
        soll.Feld[0][0] = false;
        soll.Feld[1][0] = soll.Feld[0][1] = soll.Feld[1][1] = true;
        zellenWie(soll);

        // Positions are rounded, halves to even, before the cell is taken.
        for (qreal x : {9.4, 9.5}) {
            for (const auto art : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
                QMouseEvent e(art, QPointF(x, 300), QPointF(x, 300), Qt::LeftButton,
                              art == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, {});
                QApplication::sendEvent(canvas(), &e);
            }
        }
        QVERIFY(spot(1).Feld[0][30] && spot(1).Feld[1][30]);

        // A redraw in the middle of a stroke ends it, band and all.
        const HotSpot vorher = spot(1);
        QTest::mousePress(w, Qt::RightButton, {}, imFenster(zelle(20, 20)));
        QTest::mouseMove(w, imFenster(zelle(25, 25)));
        canvas()->BildAufbau();
        QTest::mouseMove(w, imFenster(zelle(26, 26)));
        QTest::mouseRelease(w, Qt::RightButton, {}, imFenster(zelle(26, 26)));
        zellenWie(vorher);
    }

    void theOverviewTintsMarksAndNamesEveryHotspotOverThePictureOnly()
    {
        QVERIFY(canvas()->toolTip().contains("Strg+H"));

        // A and B overlap in columns 8 to 11, rows 4 to 7; C is switched off.
        QImage grau(640, 480, QImage::Format_RGB32);
        grau.fill(qRgb(128, 128, 128));
        QVERIFY(grau.save(grafik("grau.bmp")));
        raum("grau.bmp", {{2, 2, 10, 6}, {8, 4, 8, 6}, {40, 30, 8, 8}});
        list()->setCurrentRow(2);
        QTest::mouseClick(control<QCheckBox>("Check2"), Qt::LeftButton, {}, {6, 6});
        QVERIFY(!spot(2).Aktiv);
        list()->setCurrentRow(-1);
        canvas()->BildAufbau();
        const QImage ohne = canvas()->bild();

        QTest::keyClick(editor.get(), Qt::Key_H, Qt::ControlModifier);
        QVERIFY(canvas()->ueberblickAn());
        QImage mit = canvas()->grab().toImage();
        QCOMPARE(canvas()->bild(), ohne);
        QVERIFY(abstand(mitte(mit, 3, 3), getoent(0, 110)) <= 6);
        QVERIFY(abstand(mitte(mit, 14, 9), getoent(1, 110)) <= 6);
        QVERIFY(abstand(mitte(mit, 41, 31), getoent(2, 45)) <= 6);
        QVERIFY(abstand(mitte(mit, 41, 31), grau.pixel(0, 0)) <
                abstand(mitte(mit, 3, 3), grau.pixel(0, 0)));
        QCOMPARE(mitte(mit, 30, 20), grau.pixel(0, 0));
        // The overlap is hatched black and white; a cell of one hotspot is not.
        const auto [schwarz, weiss] = schwarzWeiss(mit, {101, 41, 8, 8});
        QVERIFY(schwarz >= 4 && weiss >= 4);
        QCOMPARE(schwarzWeiss(mit, {31, 31, 8, 8}), qMakePair(0, 0));
        // The name on a dark plate in the middle of the largest patch: white letters.
        const QPoint name = Flecken::namensOrt(spot(0))->toPoint();
        const auto [platte, schrift] =
            schwarzWeiss(mit, QRect(name - QPoint(20, 5), QSize(40, 10)));
        QVERIFY(platte > 100 && schrift > 20);

        // The selected hotspot's inversion stays on top, untinted.
        list()->setCurrentRow(0);
        mit = canvas()->grab().toImage();
        QCOMPARE(mitte(mit, 3, 3), qRgb(127, 127, 127));
        QVERIFY(abstand(mitte(mit, 14, 9), getoent(1, 110)) <= 6);

        // Painting goes on, and the overview follows: a new hotspot's first cells bring its
        // name, a typed name shows at once.
        click("Command3");
        list()->setCurrentRow(3);
        const QRect neuerName(185, 400, 40, 10);
        QVERIFY(schwarzWeiss(canvas()->grab().toImage(), neuerName).second == 0);
        drag(Qt::LeftButton,
             {zelle(20, 36), zelle(20, 37), zelle(20, 38), zelle(20, 39), zelle(20, 40),
              zelle(20, 41), zelle(20, 42), zelle(20, 43), zelle(20, 44)});
        mit = canvas()->grab().toImage();
        QCOMPARE(mitte(mit, 20, 37), qRgb(127, 127, 127));
        QCOMPARE(Flecken::namensOrt(spot(3)), QPointF(205, 405));
        QVERIFY(schwarzWeiss(mit, neuerName).second > 20);
        type(control<QLineEdit>("Text1"), "Ein viel längerer Name");
        QVERIFY(canvas()->grab().toImage() != mit);

        QTest::keyClick(editor.get(), Qt::Key_H, Qt::ControlModifier);
        QVERIFY(!canvas()->ueberblickAn());
        QCOMPARE(canvas()->grab().toImage().convertToFormat(QImage::Format_RGB32),
                 canvas()->bild());

        // The picture "Bild Laden" writes is the picture alone.
        QTest::keyClick(editor.get(), Qt::Key_H, Qt::ControlModifier);
        QVERIFY(muster({800, 600}).save(grafik("gross.jpg")));
        const QImage gross = gestreckt(QImage(grafik("gross.jpg")));
        clickWith("Command7", grafik("gross.jpg"), QMessageBox::Yes);
        QCOMPARE(QImage(grafik("gross.jpg")).convertToFormat(QImage::Format_RGB32), gross);
    }

    void bildLadenAsksRefusesAndWritesTheStretchedPicture()
    {
        QVERIFY(muster({640, 480}).save(grafik("klein.bmp")));
        QVERIFY(muster({800, 600}).save(grafik("gross.jpg")));
        raum("klein.bmp", {{1, 1, 5, 5}});
        list()->setCurrentRow(0);
        clickWith("Command7", QString());
        QCOMPARE(desktop->dialogs.last(),
                 "Öffnen | Bild laden | Bild-Dateien|*.jpeg;*.jpg;*.bmp;*.gif | " +
                     m->GraphicsPfad + " | klein.bmp");
        // What a room file cannot hold, or no picture, is refused: the room keeps its picture.
        QVERIFY(spiel->datei("graphics/kein Bild.jpg"));
        for (const QString& pfad : {grafik("a\"b.bmp"), grafik("\u2603.bmp"),
                                    grafik(QString(100, 'x') + ".bmp"), grafik("kein Bild.jpg")}) {
            clickWith("Command7", pfad, QMessageBox::Ok);
            QVERIFY(desktop->messages.last().text.contains(QDir::toNativeSeparators(pfad)));
            QCOMPARE(m->Hintergrund().trimmed(), QString("klein.bmp"));
            QCOMPARE(canvas()->bild(), mitZellen(muster({640, 480}), spot(0)));
        }
        // A path too long for the file: a picture of the graphics folder keeps its bare name.
        const QString lang = QString(100 - m->GraphicsPfad.size() + 1, 'l') + ".bmp";
        QVERIFY(muster({640, 480}).save(grafik(lang)));
        clickWith("Command7", grafik(lang)); // of canvas size: no question
        QCOMPARE(m->Hintergrund().trimmed(), lang);

        // Another size, No: shown stretched, the file stays. Yes: the ".jpg" then holds the
        // stretched picture, without marks, as a 640 x 480 BMP.
        const QByteArray jpeg = spiel->inhalt("graphics/gross.jpg");
        const QImage ohneMarken = gestreckt(QImage(grafik("gross.jpg")));
        for (auto antwort : {QMessageBox::No, QMessageBox::Yes}) {
            clickWith("Command7", grafik("gross.jpg"), antwort);
            QCOMPARE(letzteMeldung(),
                     meldung("Bild in neuer Größe als BMP speichern?",
                             QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes));
            QCOMPARE(m->Hintergrund().trimmed(), grafik("gross.jpg"));
            QCOMPARE(canvas()->bild(), mitZellen(ohneMarken, spot(0)));
            QCOMPARE(spiel->inhalt("graphics/gross.jpg") == jpeg, antwort == QMessageBox::No);
        }
        QVERIFY(spiel->inhalt("graphics/gross.jpg").startsWith("BM"));
        QCOMPARE(QImage(grafik("gross.jpg")).convertToFormat(QImage::Format_RGB32), ohneMarken);
        clickWith("Command7", grafik("gross.jpg")); // now of canvas size: no question
#ifdef Q_OS_UNIX
        // A full disk: the picture file stays whole, and the author is told.
        QVERIFY(muster({800, 600}).save(grafik("gross.bmp")));
        const QByteArray vorher = spiel->inhalt("graphics/gross.bmp");
        clickOnFullDisk(1000, "Command7", grafik("gross.bmp"), QMessageBox::Yes, QMessageBox::Ok);
        QVERIFY(desktop->messages.last().text.contains(
            QDir::toNativeSeparators(grafik("gross.bmp")) + " konnte nicht gespeichert werden"));
        QCOMPARE(spiel->inhalt("graphics/gross.bmp"), vorher);
        QCOMPARE(QDir(m->GraphicsPfad).entryList({"g*"}, QDir::Files),
                 QStringList({"gross.bmp", "gross.jpg"}));
#endif
    }
};

QTEST_MAIN(TestCanvas)
#include "tst_canvas.moc"
