#include "EditorImTest.h"
#include "FileSizeLimit.h"
#include "canvas/Picture1.h"
#include "platform/Look.h"
#include "roomfile/RoomFile.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace {

// A picture in which every pixel differs from its neighbours, so that a shifted, unstretched
// or wrongly inverted pixel shows.
QImage muster(QSize groesse)
{
    QImage bild(groesse, QImage::Format_RGB32);
    for (int y = 0; y < groesse.height(); ++y)
        for (int x = 0; x < groesse.width(); ++x)
            bild.setPixel(x, y, qRgb(x * 7, y * 5, (x * 3) ^ (y * 11)));
    return bild;
}

// The picture stretched over the whole canvas.
QImage gestreckt(const QImage& bild)
{
    return bild.scaled(640, 480, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

QImage schwarz()
{
    QImage bild(640, 480, QImage::Format_RGB32);
    bild.fill(Qt::black);
    return bild;
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

bool invertiert(const QImage& canvas, const QImage& bild, int x, int y)
{
    return canvas.pixel(x, y) == (bild.pixel(x, y) ^ 0x00ffffff);
}

} // namespace

class TestCanvas : public QObject, EditorImTest
{
    Q_OBJECT

private:
    Picture1* canvas = nullptr;

    QString grafik(const QString& name) const { return m->GraphicsPfad + name; }
    void click(const char* button)
    {
        QTest::mouseClick(editor->findChild<QPushButton*>(button), Qt::LeftButton);
    }
    QListWidget* list() const { return editor->findChild<QListWidget*>("List1"); }
    HotSpot& spot(int i) { return m->HotSpots[i]; }
    static void bildDatei(const QString& pfad, const QImage& bild, const char* format)
    {
        QVERIFY(bild.save(pfad, format, 100));
    }
    static QByteArray bytesOf(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Loads a room with this picture name and hotspots whose cells are the given rectangles.
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
        QFile f(m->AppPfad + "rooms/r.lsd");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(RoomFile::schreiben(r));
        f.close();
        desktop->answerFile(f.fileName());
        click("Command4");
    }
    void bildLaden(const QString& pfad)
    {
        desktop->answerFile(pfad);
        click("Command7");
    }

    // Real mouse input through the window, so Qt's mouse grab is part of the test.
    QWindow* fenster() const { return editor->windowHandle(); }
    void drag(Qt::MouseButton knopf, std::initializer_list<QPoint> punkte)
    {
        QTest::mousePress(fenster(), knopf, {}, *punkte.begin());
        for (auto p = punkte.begin() + 1; p != punkte.end(); ++p)
            QTest::mouseMove(fenster(), *p);
        QTest::mouseRelease(fenster(), knopf, {}, *(punkte.end() - 1));
    }
    static QPoint zelle(int x, int y) { return {x * 10 + 5, y * 10 + 5}; }
    // The canvas as it is must equal a full redraw from the room.
    void gleichWieNeuAufgebaut()
    {
        const QImage vorher = canvas->bild();
        QVERIFY(canvas->BildAufbau());
        QCOMPARE(canvas->bild(), vorher);
    }

private Q_SLOTS:
    void initTestCase() { applyEditorLook(); }
    void init()
    {
        starten({"rooms", "graphics"});
        canvas = editor->findChild<Picture1*>("Picture1");
    }
    void cleanup() { beenden(); }

    void roomsShowTheirPictureFoundInOrder()
    {
        const QImage wald = muster({800, 600});
        bildDatei(grafik("wald.jpg"), wald, "JPG");
        raum("wald.jpg");
        QCOMPARE(canvas->bild(), gestreckt(QImage(grafik("wald.jpg"))));
        QCOMPARE(canvas->picture2().size(), QSize(800, 600));

        // The name as given, against the program folder, comes before the graphics folder.
        bildDatei(m->AppPfad + "wald.jpg", muster({320, 200}), "BMP");
        raum("  wald.jpg  ");
        QCOMPARE(canvas->bild(), gestreckt(muster({320, 200})));

        // A path from another machine: the bare name in the graphics folder, in any case.
        QFile::copy(QStringLiteral(TARNHOLM_DEMO_DIR "/graphics/keller.gif"), grafik("Keller.GIF"));
        raum("C:\\Spiel\\graphics\\keller.gif");
        QCOMPARE(canvas->bild(), gestreckt(QImage(grafik("Keller.GIF"))));

        // A missing or empty picture clears the canvas; loading says nothing about it.
        raum("fehlt.bmp");
        QCOMPARE(canvas->bild(), schwarz());
        raum("wald.jpg");
        raum(QString(100, ' '));
        QCOMPARE(canvas->bild(), schwarz());
    }

    void selectionShowsOnlyThatHotSpotsCellsWithoutDecodingAgain()
    {
        bildDatei(grafik("haus.bmp"), muster({640, 480}), "BMP");
        raum("haus.bmp", {{0, 0, 3, 2}, {60, 40, 4, 8}, {10, 10, 1, 1}});
        const int dekodiert = canvas->picture2().dekodierungen();
        QCOMPARE(canvas->bild(), muster({640, 480})); // unscaled, and no cells before a selection
        list()->setCurrentRow(0);
        QCOMPARE(canvas->bild(), mitZellen(muster({640, 480}), spot(0)));
        list()->setCurrentRow(1);
        QCOMPARE(canvas->bild(), mitZellen(muster({640, 480}), spot(1)));
        click("Command10"); // the third moves up and is selected
        QCOMPARE(canvas->bild(), mitZellen(muster({640, 480}), spot(1)));
        QCOMPARE(canvas->picture2().dekodierungen(), dekodiert);

        // A changed file is decoded again.
        bildDatei(grafik("haus.bmp"), muster({320, 240}), "BMP");
        list()->setCurrentRow(0);
        QCOMPARE(canvas->bild(), mitZellen(gestreckt(muster({320, 240})), spot(0)));
        QCOMPARE(canvas->picture2().dekodierungen(), dekodiert + 1);
    }

    void missingPictureStillSelectsAndDeletes()
    {
        raum("fehlt.jpg", {{0, 0, 2, 2}, {5, 5, 1, 1}});
        list()->setCurrentRow(0);
        QCOMPARE(canvas->bild(), mitZellen(schwarz(), spot(0)));
        click("Command10");
        QCOMPARE(m->HotSpotMax, 0);
        QCOMPARE(canvas->bild(), mitZellen(schwarz(), spot(0)));
        drag(Qt::LeftButton, {zelle(20, 20), zelle(22, 20)});
        QCOMPARE(canvas->bild(), mitZellen(schwarz(), spot(0)));
        click("Command10");
        QCOMPARE(canvas->bild(), schwarz());
    }

    void strokesChangeExactlyTheirCells()
    {
        const QImage bild = muster({640, 480});
        bildDatei(grafik("b.bmp"), bild, "BMP");
        raum("b.bmp", {QRect()});
        list()->setCurrentRow(0);

        // Left: a stroke from a clear cell sets what it passes, over and past set cells.
        spot(0).Feld[5][2] = true;
        canvas->BildAufbau();
        drag(Qt::LeftButton, {zelle(3, 2), zelle(4, 2), zelle(5, 2), zelle(7, 2), zelle(4, 2)});
        HotSpot soll;
        for (int x : {3, 4, 5, 7})
            soll.Feld[x][2] = true;
        QCOMPARE(spot(0).Feld, soll.Feld);
        gleichWieNeuAufgebaut();
        // From a set cell it clears; a double click toggles twice.
        drag(Qt::LeftButton, {zelle(3, 2), zelle(4, 2), zelle(5, 2), zelle(6, 2), zelle(7, 2)});
        QTest::mouseDClick(fenster(), Qt::LeftButton, {}, zelle(4, 2));
        soll = HotSpot();
        QCOMPARE(spot(0).Feld, soll.Feld);
        gleichWieNeuAufgebaut();

        // Right: the band follows the pointer and the rectangle toggles at release.
        QTest::mousePress(fenster(), Qt::RightButton, {}, zelle(5, 5));
        QTest::mouseMove(fenster(), zelle(2, 8));
        const QImage band = canvas->bild();
        for (QPoint p : {QPoint(20, 50), QPoint(59, 89), QPoint(20, 70), QPoint(40, 50)})
            QVERIFY(invertiert(band, bild, p.x(), p.y()));
        for (QPoint p : {QPoint(21, 51), QPoint(55, 55), QPoint(58, 88)})
            QCOMPARE(band.pixel(p), bild.pixel(p));
        QCOMPARE(spot(0).Feld, soll.Feld);
        QTest::mouseRelease(fenster(), Qt::RightButton, {}, zelle(2, 8));
        for (int x = 2; x <= 5; ++x)
            for (int y = 5; y <= 8; ++y)
                soll.Feld[x][y] = true;
        QCOMPARE(spot(0).Feld, soll.Feld);
        gleichWieNeuAufgebaut();
        // Dragged the other way over set cells, and a right click on one cell.
        drag(Qt::RightButton, {zelle(3, 6), zelle(6, 9)});
        drag(Qt::RightButton, {zelle(10, 10)});
        for (int x = 3; x <= 6; ++x)
            for (int y = 6; y <= 9; ++y)
                soll.Feld[x][y] = !soll.Feld[x][y];
        soll.Feld[10][10] = true;
        QCOMPARE(spot(0).Feld, soll.Feld);
        gleichWieNeuAufgebaut();

        // Beyond every edge, over the list on the right: the grab keeps the stroke on the edge
        // cells.
        drag(Qt::LeftButton,
             {zelle(62, 46), {700, 465}, {700, 483}, {-40, 483}, {-40, -30}, {700, -30}});
        for (QPoint c : {QPoint(62, 46), QPoint(63, 46), QPoint(63, 47), QPoint(0, 47),
                         QPoint(0, 0), QPoint(63, 0)})
            soll.Feld[c.x()][c.y()] = true;
        drag(Qt::RightButton, {zelle(1, 1), {-40, -30}});
        soll.Feld[0][0] = false;
        soll.Feld[1][0] = soll.Feld[0][1] = soll.Feld[1][1] = true;
        QCOMPARE(spot(0).Feld, soll.Feld);
        gleichWieNeuAufgebaut();

        // Positions round to whole pixels, halves to even, before the cell is taken.
        for (qreal x : {9.4, 9.5}) {
            for (auto typ : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
                QMouseEvent e(typ, QPointF(x, 300), canvas->mapToGlobal(QPointF(x, 300)),
                              Qt::LeftButton,
                              typ == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, {});
                QApplication::sendEvent(canvas, &e);
            }
        }
        QVERIFY(spot(0).Feld[0][30] && spot(0).Feld[1][30]);
    }

    void withoutSelectionTheMouseChangesNothing()
    {
        bildDatei(grafik("b.bmp"), muster({640, 480}), "BMP");
        raum("b.bmp", {{0, 0, 4, 4}});
        const HotSpot vorher = spot(0);
        drag(Qt::LeftButton, {zelle(1, 1), zelle(9, 9)});
        drag(Qt::RightButton, {zelle(1, 1), zelle(9, 9)});
        QCOMPARE(spot(0), vorher);
        QCOMPARE(canvas->bild(), muster({640, 480}));
        // A redraw in the middle of a stroke ends it: its band is gone with the redraw.
        list()->setCurrentRow(0);
        QTest::mousePress(fenster(), Qt::RightButton, {}, zelle(20, 20));
        QTest::mouseMove(fenster(), zelle(25, 25));
        canvas->BildAufbau();
        QTest::mouseMove(fenster(), zelle(26, 26));
        QTest::mouseRelease(fenster(), Qt::RightButton, {}, zelle(26, 26));
        QCOMPARE(spot(0), vorher);
        gleichWieNeuAufgebaut();
    }

    void bildLadenAsksAndWritesTheStretchedPicture()
    {
        bildDatei(grafik("klein.bmp"), muster({640, 480}), "BMP");
        bildDatei(grafik("gross.jpg"), muster({800, 600}), "JPG");
        raum("klein.bmp", {{1, 1, 5, 5}});
        list()->setCurrentRow(0);
        desktop->answerFile(QString());
        click("Command7");
        const auto& dialog = desktop->requests.last();
        QCOMPARE(dialog.title, QString("Bild laden"));
        QCOMPARE(dialog.filter, QString("Bild-Dateien|*.jpeg;*.jpg;*.bmp;*.gif"));
        QCOMPARE(dialog.folder, m->AppPfad + "graphics");
        QCOMPARE(dialog.preset, QString("klein.bmp"));
        QCOMPARE(m->Hintergrund().trimmed(), QString("klein.bmp"));

        // The same size: no question.
        bildLaden(grafik("klein.bmp"));
        QCOMPARE(m->Hintergrund().trimmed(), grafik("klein.bmp"));

        // Another size, answered No: shown stretched, the file stays as it is.
        const QByteArray jpeg = bytesOf(grafik("gross.jpg"));
        desktop->answerFile(grafik("gross.jpg"));
        desktop->answerMessage(QMessageBox::No);
        click("Command7");
        const auto& frage = desktop->requests.last();
        QCOMPARE(frage.text, QString("Bild in neuer Größe als BMP speichern?"));
        QCOMPARE(frage.title, QString("Tarnholm - Editor"));
        QCOMPARE(frage.buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(frage.defaultButton, QMessageBox::Yes);
        QCOMPARE(frage.icon, QMessageBox::NoIcon);
        QCOMPARE(m->Hintergrund().trimmed(), grafik("gross.jpg"));
        const QImage ohneMarken = gestreckt(QImage(grafik("gross.jpg")));
        QCOMPARE(canvas->bild(), mitZellen(ohneMarken, spot(0)));
        QCOMPARE(bytesOf(grafik("gross.jpg")), jpeg);

        // Yes: the ".jpg" now holds the stretched picture as a 640 x 480 BMP, without marks.
        desktop->answerFile(grafik("gross.jpg"));
        desktop->answerMessage(QMessageBox::Yes);
        click("Command7");
        QCOMPARE(bytesOf(grafik("gross.jpg")).left(2), QByteArray("BM"));
        QCOMPARE(QImage(grafik("gross.jpg")).convertToFormat(QImage::Format_RGB32), ohneMarken);
        QCOMPARE(canvas->bild(), mitZellen(ohneMarken, spot(0)));
        bildLaden(grafik("gross.jpg")); // now of canvas size: no question
    }

    void bildLadenRefusesWhatARoomCannotHold()
    {
        bildDatei(grafik("a.bmp"), muster({640, 480}), "BMP");
        raum("a.bmp");
        QFile(grafik("kein Bild.jpg")).open(QIODevice::WriteOnly);
        const QString lang = grafik(QString(100, 'x') + ".bmp");
        const char* gruende[] = {"Zeichen", "Zeichen", "100 Zeichen", "nicht als Bild"};
        const QString pfade[] = {grafik("a\"b.bmp"), grafik("\u2603.bmp"), lang,
                                 grafik("kein Bild.jpg")};
        for (int i = 0; i < 4; ++i) {
            desktop->answerFile(pfade[i]);
            desktop->answerMessage(QMessageBox::Ok);
            click("Command7");
            const auto& meldung = desktop->requests.last();
            QVERIFY2(meldung.text.contains(gruende[i]), qPrintable(meldung.text));
            QVERIFY(meldung.text.contains(QDir::toNativeSeparators(pfade[i])));
            QCOMPARE(m->Hintergrund().trimmed(), QString("a.bmp"));
            QCOMPARE(canvas->bild(), muster({640, 480}));
        }
    }

    void failedBmpWriteLeavesTheFileAndSaysSo()
    {
        // A stale path whose folder is a file: the picture is found in the graphics folder, but
        // nothing can be written where the path points.
        bildDatei(grafik("gross.bmp"), muster({800, 600}), "BMP");
        QFile(m->AppPfad + "datei").open(QIODevice::WriteOnly);
        desktop->answerFile(m->AppPfad + "datei/gross.bmp");
        desktop->answerMessage(QMessageBox::Yes);
        desktop->answerMessage(QMessageBox::Ok);
        click("Command7");
        QVERIFY(desktop->requests.last().text.contains("konnte nicht gespeichert werden"));
        QVERIFY(QFileInfo(m->AppPfad + "datei").isFile());
        QCOMPARE(canvas->bild(), gestreckt(muster({800, 600})));
#ifdef Q_OS_UNIX
        // A full disk: the old file stays whole.
        const QByteArray vorher = bytesOf(grafik("gross.bmp"));
        {
            const FileSizeLimit knapp(1000);
            QVERIFY(knapp.active());
            desktop->answerFile(grafik("gross.bmp"));
            desktop->answerMessage(QMessageBox::Yes);
            desktop->answerMessage(QMessageBox::Ok);
            click("Command7");
        }
        const auto& meldung = desktop->requests.last();
        QVERIFY(meldung.text.contains(QDir::toNativeSeparators(grafik("gross.bmp"))));
        QCOMPARE(meldung.icon, QMessageBox::Warning);
        QCOMPARE(bytesOf(grafik("gross.bmp")), vorher);
        QCOMPARE(QDir(m->GraphicsPfad).entryList(QDir::Files), QStringList({"gross.bmp"}));
#endif
    }

    void regionsSurviveSavingAndLoading()
    {
        bildDatei(grafik("b.bmp"), muster({640, 480}), "BMP");
        raum("b.bmp", {QRect(), QRect()});
        list()->setCurrentRow(1);
        drag(Qt::LeftButton, {zelle(10, 10), zelle(12, 10), zelle(12, 30)});
        drag(Qt::RightButton, {zelle(40, 40), zelle(30, 20)});
        const HotSpot gemalt = spot(1);
        const QImage bild = canvas->bild();
        desktop->answerFile(m->AppPfad + "rooms/neu.lsd");
        desktop->answerMessage(QMessageBox::Ok);
        click("Command5");
        desktop->answerMessage(QMessageBox::Yes);
        click("Command6");
        QCOMPARE(canvas->bild(), schwarz());
        desktop->answerFile(m->AppPfad + "rooms/neu.lsd");
        click("Command4");
        list()->setCurrentRow(1);
        QCOMPARE(spot(1), gemalt);
        QCOMPARE(canvas->bild(), bild);
    }
};

QTEST_MAIN(TestCanvas)
#include "tst_canvas.moc"
