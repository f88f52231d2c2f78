#include "Demo.h"
#include "Malen.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <QtMath>

namespace {

QString s(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

QPainterPath form(const QPolygonF& vieleck)
{
    QPainterPath p;
    p.addPolygon(vieleck);
    p.closeSubpath();
    return p;
}

QPainterPath form(const QRectF& r)
{
    QPainterPath p;
    p.addRect(r);
    return p;
}

QPainterPath oval(QPointF mitte, qreal rx, qreal ry)
{
    QPainterPath p;
    p.addEllipse(mitte, rx, ry);
    return p;
}

// ---- painting ----

void tanne(QPainter& p, QPointF fuss, qreal hoehe, const QColor& farbe)
{
    p.setPen(Qt::NoPen);
    p.setBrush(farbe.darker(150));
    p.drawRect(
        QRectF(fuss.x() - hoehe * 0.03, fuss.y() - hoehe * 0.15, hoehe * 0.06, hoehe * 0.15));
    for (int stufe = 0; stufe < 3; ++stufe) {
        const qreal unten = fuss.y() - hoehe * (0.1 + 0.25 * stufe);
        const qreal breite = hoehe * (0.3 - 0.07 * stufe);
        const QPointF spitze(fuss.x(), unten - hoehe * 0.42);
        p.setBrush(farbe);
        p.drawPolygon(QPolygonF{{fuss.x() - breite, unten}, spitze, {fuss.x() + breite, unten}});
        // The light comes from the right.
        p.setBrush(farbe.lighter(120));
        p.drawPolygon(QPolygonF{{fuss.x(), unten}, spitze, {fuss.x() + breite, unten}});
    }
}

// Leaves as overlapping blobs: dark ones first, lit ones shifted towards the upper right.
void krone(QPainter& p, QRandomGenerator& z, QPointF mitte, qreal rx, qreal ry)
{
    const QRgb toene[] = {0x1f3d18, 0x2c5622, 0x3b722d, 0x55913a, 0x80b552};
    p.setPen(Qt::NoPen);
    for (int schicht = 0; schicht < 5; ++schicht) {
        const QPointF licht(rx * 0.07 * schicht, -ry * 0.08 * schicht);
        const qreal umfang = 1.0 - 0.14 * schicht;
        p.setBrush(hex(toene[schicht]));
        for (int i = 0; i < 60 - 9 * schicht; ++i) {
            const qreal winkel = z.generateDouble() * 2 * M_PI;
            const qreal abstand = std::sqrt(z.generateDouble()) * umfang;
            const QPointF pos =
                mitte + licht +
                QPointF(std::cos(winkel) * rx * abstand, std::sin(winkel) * ry * abstand);
            const qreal r = rx * (0.14 + 0.12 * z.generateDouble()) * umfang;
            p.drawEllipse(pos, r, r * 0.85);
        }
    }
}

void gras(QPainter& p, QRandomGenerator& z, const QRectF& flaeche, int halme, QRgb hell,
          QRgb dunkel)
{
    for (int i = 0; i < halme; ++i) {
        const qreal tiefe = z.generateDouble();
        const QPointF fuss(flaeche.left() + z.generateDouble() * flaeche.width(),
                           flaeche.top() + tiefe * flaeche.height());
        const qreal laenge = 3 + 9 * tiefe; // nearer blades are longer
        p.setPen(QPen(hex(z.bounded(2) ? hell : dunkel, 160), 0.8 + tiefe));
        p.drawLine(fuss, fuss + QPointF((z.generateDouble() - 0.5) * laenge * 0.7, -laenge));
    }
}

void huegel(QPainter& p, qreal hoehe, qreal welle, qreal boden, const QColor& farbe)
{
    QPainterPath h;
    h.moveTo(0, boden);
    for (int x = 0; x <= 640; x += 8)
        h.lineTo(x, hoehe + welle * std::sin(x / 90.0) + welle * 0.5 * std::sin(x / 37.0 + 1));
    h.lineTo(640, boden);
    p.setPen(Qt::NoPen);
    p.setBrush(farbe);
    p.drawPath(h);
}

void vignette(QPainter& p, QSize groesse, int staerke)
{
    const QPointF mitte(groesse.width() / 2.0, groesse.height() * 0.55);
    p.fillRect(QRect(QPoint(), groesse),
               schein(mitte, groesse.width() * 0.75,
                      {{0, hex(0, 0)}, {0.6, hex(0, 0)}, {1, hex(0, staerke)}}));
}

// ---- the forest ----

const QSize waldGroesse(640, 480);
const QPolygonF eicheStamm{{40, 448},  {78, 428},  {92, 330},  {96, 205},  {150, 205}, {148, 330},
                           {162, 422}, {200, 448}, {150, 441}, {118, 450}, {84, 442}};
const QPointF eicheKrone(125, 110);
const QPointF astloch(122, 305);
const QPolygonF wegweiserSchild{{452, 294}, {546, 294}, {564, 309}, {546, 324}, {452, 324}};
const QRectF wegweiserPfosten(498, 286, 10, 114);

QPainterPath waldWeg()
{
    QPainterPath weg;
    weg.moveTo(180, 480);
    weg.cubicTo(250, 420, 380, 350, 640, 312);
    weg.lineTo(640, 338);
    weg.cubicTo(470, 365, 400, 412, 440, 480);
    weg.closeSubpath();
    return weg;
}

void waldLandschaft(QPainter& p)
{
    QRandomGenerator z(7);
    huegel(p, 250, 16, 320, hex(0x8fb3b0));
    for (int x = -10; x < 660; x += 14 + z.bounded(10))
        tanne(p, QPointF(x, 300 + z.bounded(8)), 50 + z.bounded(40), hex(0x6a9488));
    for (int x = 170; x < 680; x += 24 + z.bounded(18))
        tanne(p, QPointF(x, 316 + z.bounded(10)), 80 + z.bounded(70), hex(0x3f6e4f));
    p.fillRect(QRectF(0, 260, 640, 60),
               verlauf({0, 260}, {0, 320}, {{0, hex(0xdfe8d0, 0)}, {1, hex(0xdfe8d0, 110)}}));

    p.fillRect(QRectF(0, 305, 640, 175),
               verlauf({0, 305}, {0, 480}, {{0, hex(0x7fa852)}, {1, hex(0x3d6a2a)}}));
    gras(p, z, QRectF(0, 305, 640, 175), 2500, 0x9cc468, 0x2f5520);

    const QPainterPath weg = waldWeg();
    p.setPen(QPen(hex(0x6a5034, 170), 3));
    p.setBrush(verlauf({0, 320}, {0, 480}, {{0, hex(0xcfb27e)}, {1, hex(0xa27f4f)}}));
    p.drawPath(weg);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 160; ++i) {
        const QPointF kiesel(z.bounded(640), 310 + z.bounded(170));
        if (!weg.contains(kiesel))
            continue;
        const qreal r = 0.8 + (kiesel.y() - 300) / 60.0;
        p.setBrush(hex(z.bounded(2) ? 0x86704e : 0xe6d3a8, 200));
        p.drawEllipse(kiesel, r * 1.4, r);
    }

    krone(p, z, {330, 312}, 38, 18);
    krone(p, z, {610, 292}, 34, 20);
    krone(p, z, {600, 452}, 70, 34);

    // The signpost points along the path.
    p.setPen(QPen(hex(0x3a2614), 1.5));
    p.setBrush(verlauf({498, 0}, {508, 0}, {{0, hex(0x5a3d22)}, {1, hex(0x8a6240)}}));
    p.drawRect(wegweiserPfosten);
    p.setBrush(verlauf({0, 294}, {0, 324}, {{0, hex(0xb08550)}, {1, hex(0x8a6438)}}));
    p.drawPolygon(wegweiserSchild);
    QFont schrift(QStringLiteral("DejaVu Serif"));
    schrift.setPixelSize(14);
    schrift.setBold(true);
    p.setFont(schrift);
    p.setPen(hex(0x2a1a0c));
    p.drawText(QRectF(452, 294, 100, 30), Qt::AlignCenter, s("Tarnholm"));

    // The old oak.
    p.setPen(QPen(hex(0x4a301c), 16, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(110, 220), QPointF(55, 130));
    p.drawLine(QPointF(138, 215), QPointF(205, 120));
    p.setPen(QPen(hex(0x2a1a0c), 2));
    p.setBrush(verlauf({78, 0}, {165, 0},
                       {{0, hex(0x4a301c)}, {0.45, hex(0x8a6442)}, {1, hex(0x3f2816)}}));
    p.drawPolygon(eicheStamm);
    for (int i = 0; i < 14; ++i) {
        const qreal x = 96 + z.bounded(50);
        QPainterPath rinde;
        rinde.moveTo(x, 215);
        for (int y = 235; y <= 425; y += 20)
            rinde.lineTo(x + z.bounded(-3, 4), y);
        p.setPen(QPen(hex(0x2a1a0c, 110), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(rinde);
    }
    p.setPen(QPen(hex(0x5a3a22), 3));
    p.setBrush(schein(astloch, 20, {{0, hex(0x050302)}, {1, hex(0x2a1a0e)}}));
    p.drawEllipse(astloch, 12, 18);
    krone(p, z, eicheKrone, 140, 95);
}

QImage waldMalen(bool nacht)
{
    QImage bild(waldGroesse, QImage::Format_RGB32);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    QRandomGenerator z(3);
    if (nacht) {
        p.fillRect(QRectF(0, 0, 640, 330),
                   verlauf({0, 0}, {0, 330},
                           {{0, hex(0x070b24)}, {0.7, hex(0x1b2750)}, {1, hex(0x33406a)}}));
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 160; ++i) {
            p.setBrush(hex(0xffffff, 90 + z.bounded(165)));
            const qreal r = 0.5 + z.generateDouble();
            p.drawEllipse(QPointF(z.bounded(640), z.bounded(270)), r, r);
        }
        p.fillRect(bild.rect(), schein({470, 80}, 90, {{0, hex(0xd8e0ff, 90)}, {1, hex(0, 0)}}));
        p.setBrush(hex(0xf4f0d8));
        p.drawEllipse(QPointF(470, 80), 24, 24);
    } else {
        p.fillRect(QRectF(0, 0, 640, 330),
                   verlauf({0, 0}, {0, 330},
                           {{0, hex(0x6fa8dc)}, {0.55, hex(0xbcdcec)}, {1, hex(0xf3ead0)}}));
        p.fillRect(bild.rect(),
                   schein({480, 70}, 170,
                          {{0, hex(0xfffbe8)}, {0.12, hex(0xfff3c0, 220)}, {1, hex(0xfff3c0, 0)}}));
    }

    // The landscape goes on its own layer so the night can darken it without the sky.
    QImage land(waldGroesse, QImage::Format_ARGB32_Premultiplied);
    land.fill(Qt::transparent);
    {
        QPainter l(&land);
        l.setRenderHint(QPainter::Antialiasing);
        waldLandschaft(l);
        if (nacht) {
            l.setCompositionMode(QPainter::CompositionMode_SourceAtop);
            l.fillRect(land.rect(), hex(0x0a1030, 190));
        }
    }
    p.drawImage(0, 0, land);

    p.setPen(Qt::NoPen);
    if (nacht) {
        for (int i = 0; i < 18; ++i) {
            const QPointF pos(z.bounded(640), 280 + z.bounded(180));
            p.setBrush(schein(pos, 7, {{0, hex(0xf8ff90, 230)}, {1, hex(0xf8ff90, 0)}}));
            p.drawEllipse(pos, 7, 7);
        }
    } else {
        for (int i = 0; i < 4; ++i) {
            const qreal x = 430 + i * 55;
            p.setBrush(hex(0xfff8d8, 22));
            p.drawPolygon(QPolygonF{{x, 0}, {x + 30, 0}, {x - 150, 480}, {x - 230, 480}});
        }
    }
    vignette(p, waldGroesse, nacht ? 150 : 90);
    return bild;
}

// ---- the house ----

const QSize hausGroesse(640, 480);
const QRectF hausWand(250, 175, 300, 197);
const QRectF fensterUnten(488, 294, 44, 48);
const QRectF fensterObenLinks(346, 196, 44, 50);
const QRectF fensterObenRechts(410, 196, 44, 50);
const QRectF truheDeckel(161, 372, 100, 30);
const QRectF truheKoerper(165, 394, 92, 46);

QPainterPath tuerForm()
{
    QPainterPath t;
    t.moveTo(376, 372);
    t.lineTo(376, 302);
    t.arcTo(QRectF(376, 272, 60, 60), 180, -180);
    t.lineTo(436, 372);
    t.closeSubpath();
    return t;
}

QPolygonF zettelForm()
{
    QTransform t;
    t.translate(406, 312);
    t.rotate(-6);
    return t.map(QPolygonF(QRectF(-15, -18, 30, 36)));
}

void fenster(QPainter& p, const QRectF& r, bool laeden)
{
    if (laeden) {
        p.setPen(QPen(hex(0x24402c), 1.5));
        p.setBrush(hex(0x3e6b4c));
        for (const QRectF& laden : {QRectF(r.left() - 16, r.top(), 15, r.height()),
                                    QRectF(r.right() + 1, r.top(), 15, r.height())}) {
            p.drawRect(laden);
            for (qreal y = laden.top() + 8; y < laden.bottom(); y += 8)
                p.drawLine(QPointF(laden.left() + 2, y), QPointF(laden.right() - 2, y));
        }
    }
    p.setPen(QPen(hex(0x4d3020), 4));
    p.setBrush(verlauf(r.topLeft(), r.bottomRight(),
                       {{0, hex(0x6a7c94)}, {0.5, hex(0x2a3444)}, {1, hex(0x1c2430)}}));
    p.drawRect(r);
    p.setPen(Qt::NoPen);
    p.setBrush(hex(0xffffff, 45));
    p.drawPolygon(QPolygonF{{r.left() + 3, r.bottom() - 10},
                            {r.left() + r.width() * 0.5, r.top() + 3},
                            {r.left() + r.width() * 0.75, r.top() + 3},
                            {r.left() + 3, r.bottom() - 2}});
    p.setPen(QPen(hex(0x4d3020), 3));
    p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
    p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
    p.setPen(Qt::NoPen);
    p.setBrush(hex(0x6a4a30));
    p.drawRect(QRectF(r.left() - 5, r.bottom() + 1, r.width() + 10, 5));
}

void haus(QPainter& p, QRandomGenerator& z)
{
    // Chimney first: the roof hides its foot.
    p.setPen(QPen(hex(0x3a1a12), 1.5));
    p.setBrush(verlauf({470, 0}, {496, 0}, {{0, hex(0x8a3a2a)}, {1, hex(0xb05a40)}}));
    p.drawRect(QRectF(470, 72, 26, 60));
    p.setBrush(hex(0x5a2a1e));
    p.drawRect(QRectF(466, 66, 34, 8));

    p.setPen(Qt::NoPen);
    p.setBrush(verlauf(hausWand.topLeft(), hausWand.topRight(),
                       {{0, hex(0xd9c9a6)}, {0.5, hex(0xf3e9d3)}, {1, hex(0xe8dabb)}}));
    p.drawRect(hausWand);
    p.setBrush(hex(0x000000, 40)); // shade under the eaves
    p.drawRect(QRectF(250, 175, 300, 16));

    QPen balken(hex(0x4d3020), 9, Qt::SolidLine, Qt::SquareCap);
    p.setPen(balken);
    p.setBrush(Qt::NoBrush);
    p.drawRect(hausWand);
    p.drawLine(QPointF(250, 270), QPointF(550, 270));
    p.drawLine(QPointF(330, 175), QPointF(330, 372));
    p.drawLine(QPointF(470, 175), QPointF(470, 372));
    p.drawLine(QPointF(254, 266), QPointF(326, 180));
    p.drawLine(QPointF(546, 266), QPointF(474, 180));
    p.drawLine(QPointF(256, 366), QPointF(324, 276));
    p.drawLine(QPointF(256, 276), QPointF(324, 366));

    fenster(p, fensterObenLinks, false);
    fenster(p, fensterObenRechts, false);
    fenster(p, fensterUnten, true);

    // The door with its planks, iron bands and ring.
    const QPainterPath tuer = tuerForm();
    p.setPen(Qt::NoPen);
    p.setBrush(verlauf({376, 0}, {436, 0},
                       {{0, hex(0x5a3820)}, {0.5, hex(0x85583a)}, {1, hex(0x4e301c)}}));
    p.drawPath(tuer);
    p.save();
    p.setClipPath(tuer);
    p.setPen(QPen(hex(0x2e1c0e, 180), 1.5));
    for (qreal x = 388; x < 436; x += 12)
        p.drawLine(QPointF(x, 270), QPointF(x, 372));
    p.setPen(QPen(hex(0x2a2a2c), 5));
    for (qreal y : {300.0, 352.0}) {
        p.drawLine(QPointF(376, y), QPointF(436, y));
        for (qreal x = 382; x < 436; x += 12) {
            p.setBrush(hex(0x6a6a70));
            p.drawEllipse(QPointF(x, y), 0.8, 0.8);
        }
    }
    p.restore();
    p.setPen(QPen(hex(0x3a2416), 5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tuer);
    p.setPen(QPen(hex(0xc8a040), 2));
    p.drawEllipse(QPointF(425, 334), 5, 5);
    p.setPen(QPen(hex(0x5a5450), 1));
    p.setBrush(hex(0x8a847c));
    p.drawRect(QRectF(364, 371, 84, 8));

    // The note nailed to the door.
    const QPolygonF zettel = zettelForm();
    p.setPen(QPen(hex(0x8a7650), 1));
    p.setBrush(hex(0xf1e6c6));
    p.drawPolygon(zettel);
    p.setPen(QPen(hex(0x6a5036, 190), 1));
    for (int i = 0; i < 5; ++i) {
        const qreal t = 0.25 + i * 0.13;
        const QPointF links =
            zettel[0] + (zettel[3] - zettel[0]) * t + (zettel[1] - zettel[0]) * 0.15;
        p.drawLine(links, links + (zettel[1] - zettel[0]) * (i == 4 ? 0.4 : 0.7));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(hex(0x3a3a3a));
    p.drawEllipse((zettel[0] + zettel[1]) / 2 + QPointF(0, 3), 1.6, 1.6);

    p.setPen(QPen(hex(0x6a6460), 1));
    p.setBrush(hex(0x8a847c));
    p.drawRect(QRectF(246, 364, 308, 10));

    // The roof with rows of tiles.
    const QPolygonF dach{{226, 182}, {400, 56}, {574, 182}};
    p.setPen(Qt::NoPen);
    p.setBrush(verlauf({0, 56}, {0, 182}, {{0, hex(0xa8523a)}, {1, hex(0x6e2e1e)}}));
    p.drawPolygon(dach);
    p.save();
    p.setClipRegion(QRegion(dach.toPolygon()));
    for (int reihe = 0; reihe < 12; ++reihe) {
        const qreal y = 70 + reihe * 10.5;
        p.setPen(QPen(hex(0x4a1e12, 160), 1.5));
        p.drawLine(QPointF(220, y), QPointF(580, y));
        p.setPen(QPen(hex(0x4a1e12, 110), 1));
        for (qreal x = 220 + (reihe % 2) * 8; x < 580; x += 16)
            p.drawLine(QPointF(x, y - 10.5), QPointF(x, y));
    }
    p.restore();
    p.setPen(QPen(hex(0x4a2416), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(dach[0], dach[1]);
    p.drawLine(dach[1], dach[2]);

    p.setPen(Qt::NoPen);
    for (int i = 0; i < 8; ++i) {
        p.setBrush(hex(0xe6e6e6, 150 - i * 17));
        p.drawEllipse(QPointF(483 + i * 7 + i * i * 0.9, 58 - i * 8), 6 + i * 2.2, 5 + i * 2);
    }
    krone(p, z, {246, 362}, 26, 16);
    krone(p, z, {560, 360}, 24, 16);
}

void truhe(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(hex(0, 80));
    p.drawEllipse(QRectF(146, 426, 134, 24));
    const auto holz = verlauf({0, 372}, {0, 440}, {{0, hex(0x9a6a3a)}, {1, hex(0x5a3818)}});
    p.setPen(QPen(hex(0x2e1c0c), 2));
    p.setBrush(holz);
    p.drawRoundedRect(truheDeckel, 14, 14);
    p.drawRect(truheKoerper);
    p.setPen(QPen(hex(0x2e1c0c, 150), 1));
    for (qreal y : {410.0, 425.0})
        p.drawLine(QPointF(166, y), QPointF(256, y));
    p.setPen(QPen(hex(0x26262a), 1));
    p.setBrush(verlauf({0, 0}, {7, 0}, {{0, hex(0x5a5a60)}, {1, hex(0x34343a)}}));
    for (qreal x : {176.0, 238.0})
        p.drawRect(QRectF(x, 374, 8, 66));
    p.drawRect(QRectF(163, 394, 96, 4));
    p.setBrush(hex(0xc8a040));
    p.drawRect(QRectF(203, 390, 16, 18));
    p.setBrush(hex(0x120c06));
    p.drawEllipse(QPointF(211, 397), 2, 2);
    p.drawRect(QRectF(210.2, 397, 1.6, 6));
}

QImage hausMalen()
{
    QImage bild(hausGroesse, QImage::Format_RGB32);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    QRandomGenerator z(11);
    p.fillRect(
        QRectF(0, 0, 640, 330),
        verlauf({0, 0}, {0, 330}, {{0, hex(0x7fb2dc)}, {0.65, hex(0xe6dcc4)}, {1, hex(0xf2c594)}}));
    p.setPen(Qt::NoPen);
    for (const QPointF wolke : {QPointF(150, 70), QPointF(560, 40), QPointF(330, 110)}) {
        for (int i = 0; i < 7; ++i) {
            p.setBrush(hex(0xffffff, 170));
            p.drawEllipse(wolke + QPointF(z.bounded(-40, 40), z.bounded(-6, 8)), 22 + z.bounded(14),
                          10 + z.bounded(6));
        }
    }
    huegel(p, 290, 14, 340, hex(0x9ab4a4));
    for (int x = 120; x < 660; x += 12 + z.bounded(10))
        tanne(p, QPointF(x, 332 + z.bounded(6)), 36 + z.bounded(30), hex(0x6e9282));
    p.fillRect(QRectF(0, 322, 640, 158),
               verlauf({0, 322}, {0, 480}, {{0, hex(0x86ad58)}, {1, hex(0x477a30)}}));
    gras(p, z, QRectF(0, 322, 640, 158), 2200, 0xa4cc70, 0x356028);

    QPainterPath weg;
    weg.moveTo(0, 392);
    weg.cubicTo(140, 392, 300, 382, 380, 374);
    weg.lineTo(432, 374);
    weg.cubicTo(330, 412, 160, 446, 0, 452);
    weg.closeSubpath();
    p.setPen(QPen(hex(0x6a5034, 170), 2));
    p.setBrush(verlauf({0, 372}, {0, 452}, {{0, hex(0xcbb07c)}, {1, hex(0xa58250)}}));
    p.drawPath(weg);

    tanne(p, QPointF(-20, 476), 380, hex(0x1e3a25));
    tanne(p, QPointF(40, 420), 320, hex(0x24452c));
    tanne(p, QPointF(105, 398), 250, hex(0x2c5234));

    haus(p, z);
    truhe(p);

    p.setPen(Qt::NoPen);
    for (int i = 0; i < 90; ++i) {
        const QRgb bluete[] = {0xd84a4a, 0xf0d050, 0xf4f4f4, 0xb070d0};
        p.setBrush(hex(bluete[z.bounded(4)]));
        const QPointF pos(z.bounded(640), 385 + z.bounded(95));
        if (!weg.contains(pos) && !QRectF(140, 365, 140, 90).contains(pos))
            p.drawEllipse(pos, 1.8, 1.8);
    }
    vignette(p, hausGroesse, 90);
    return bild;
}

// ---- the cellar ----

const QSize kellerGroesse(320, 240);
const QPointF fackel(208, 52);
const QPointF loch(166, 128);
const QPolygonF treppe{{0, 14}, {46, 14}, {108, 222}, {108, 240}, {0, 240}};
const QRectF geheimgang(104, 98, 48, 78);

QPainterPath fassForm()
{
    QPainterPath f;
    f.moveTo(252, 208);
    f.cubicTo(238, 185, 238, 150, 252, 130);
    f.lineTo(300, 130);
    f.cubicTo(314, 150, 314, 185, 300, 208);
    f.closeSubpath();
    return f;
}

QImage kellerMalen()
{
    QImage bild(kellerGroesse, QImage::Format_RGB32);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    QRandomGenerator z(23);

    p.fillRect(QRectF(0, 0, 320, 176), hex(0x2e2925));
    for (int reihe = 0; reihe * 14 < 176; ++reihe) {
        const qreal y = reihe * 14;
        for (qreal x = -z.bounded(20); x < 320;) {
            const qreal w = 22 + z.bounded(18);
            const QRectF stein(x + 1, y + 1, w - 2, 12);
            p.setPen(Qt::NoPen);
            p.setBrush(
                QColor::fromHsv(25 + z.bounded(12), 25 + z.bounded(25), 105 + z.bounded(35)));
            p.drawRoundedRect(stein, 3, 3);
            p.setPen(QPen(hex(0xffffff, 35), 1));
            p.drawLine(stein.topLeft() + QPointF(3, 1), stein.topRight() + QPointF(-3, 1));
            x += w;
        }
    }

    const QRectF boden(0, 176, 320, 64);
    p.fillRect(boden, verlauf({0, 176}, {0, 240}, {{0, hex(0x3a342e)}, {1, hex(0x524a40)}}));
    p.save();
    p.setClipRect(boden);
    p.setPen(QPen(hex(0x1e1a16), 1));
    for (qreal y : {183.0, 193.0, 207.0, 226.0})
        p.drawLine(QPointF(0, y), QPointF(320, y));
    for (qreal x = -400; x <= 720; x += 80)
        p.drawLine(QPointF(160, 100), QPointF(x, 240));
    p.restore();
    p.fillRect(QRectF(0, 170, 320, 10),
               verlauf({0, 170}, {0, 180}, {{0, hex(0, 0)}, {1, hex(0, 120)}}));
    p.setPen(Qt::NoPen);
    p.setBrush(hex(0x7a8aa0, 80));
    p.drawEllipse(QPointF(186, 214), 24, 5);

    // A walled-up arch: one smooth slab among the stones, the secret passage.
    QPainterPath bogen;
    bogen.moveTo(108, 176);
    bogen.lineTo(108, 120);
    bogen.arcTo(QRectF(108, 100, 40, 40), 180, -180);
    bogen.lineTo(148, 176);
    bogen.closeSubpath();
    p.setPen(QPen(hex(0x1a1613), 2));
    p.setBrush(verlauf({108, 100}, {148, 176}, {{0, hex(0x7a7066)}, {1, hex(0x57504a)}}));
    p.drawPath(bogen);
    p.setPen(QPen(hex(0x1a1613, 160), 1));
    p.drawPolyline(QPolygonF{{116, 128}, {121, 136}, {119, 145}, {125, 152}});
    p.drawPolyline(QPolygonF{{140, 160}, {135, 166}, {137, 175}});

    p.setPen(QPen(hex(0x8a8078), 1));
    p.setBrush(hex(0x060404));
    p.drawEllipse(loch, 5, 4);

    // Stairs up to the house, lit from the open door above.
    QPainterPath oeffnung;
    oeffnung.moveTo(4, 72);
    oeffnung.lineTo(4, 30);
    oeffnung.arcTo(QRectF(4, 12, 38, 36), 180, -180);
    oeffnung.lineTo(42, 72);
    oeffnung.closeSubpath();
    p.setPen(QPen(hex(0x2a2420), 3));
    p.setBrush(verlauf({0, 12}, {0, 72}, {{0, hex(0xfff0c0)}, {1, hex(0xc09860)}}));
    p.drawPath(oeffnung);
    for (int i = 7; i >= 0; --i) {
        const qreal y = 222 - i * 22;
        const qreal rechts = 104 - i * 9;
        const QColor stein(88 + i * 9, 80 + i * 8, 72 + i * 6);
        p.setPen(Qt::NoPen);
        p.setBrush(stein.lighter(125));
        p.drawRect(QRectF(0, y, rechts, 5));
        p.setBrush(stein.darker(135));
        p.drawRect(QRectF(0, y + 5, rechts, 17));
        p.setPen(QPen(hex(0x1a1613), 1));
        p.drawLine(QPointF(0, y + 5), QPointF(rechts, y + 5));
        p.drawLine(QPointF(rechts, y), QPointF(rechts, y + 22));
    }

    const QPainterPath fass = fassForm();
    p.setBrush(hex(0, 90));
    p.drawEllipse(QPointF(276, 208), 36, 6);
    p.setPen(QPen(hex(0x1e120a), 1.5));
    p.setBrush(verlauf({240, 0}, {312, 0},
                       {{0, hex(0x3e2612)}, {0.4, hex(0x9a6a3a)}, {1, hex(0x3a2410)}}));
    p.drawPath(fass);
    p.save();
    p.setClipPath(fass);
    p.setPen(QPen(hex(0x2a1a0c, 120), 1));
    for (qreal x = 252; x < 304; x += 8)
        p.drawLine(QPointF(x, 130), QPointF(x, 208));
    for (qreal y : {140.0, 168.0, 196.0}) {
        p.fillRect(QRectF(236, y, 80, 5), hex(0x2a2a2c));
        p.fillRect(QRectF(236, y, 80, 1), hex(0x8a8a90));
    }
    p.restore();
    p.setPen(QPen(hex(0x1e120a), 1));
    p.setBrush(hex(0x5a3a20));
    p.drawEllipse(QPointF(276, 131), 24, 5);

    p.setPen(QPen(hex(0x1a1a1a), 3));
    p.drawLine(QPointF(208, 84), QPointF(208, 94));
    p.setPen(Qt::NoPen);
    p.setBrush(hex(0x4a2e18));
    p.drawPolygon(QPolygonF{{203, 58}, {213, 58}, {210, 90}, {206, 90}});

    p.setCompositionMode(QPainter::CompositionMode_Screen);
    p.fillRect(bild.rect(), schein(fackel, 150, {{0, hex(0xffc070, 150)}, {1, hex(0xffc070, 0)}}));
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.fillRect(bild.rect(),
               schein({200, 80}, 300, {{0, hex(0, 0)}, {0.4, hex(0, 30)}, {1, hex(0, 220)}}));

    QPainterPath flamme;
    flamme.moveTo(208, 30);
    flamme.cubicTo(199, 44, 197, 53, 203, 60);
    flamme.lineTo(213, 60);
    flamme.cubicTo(219, 53, 217, 44, 208, 30);
    p.setBrush(schein(
        {208, 54}, 18,
        {{0, hex(0xfffbe0)}, {0.35, hex(0xffd050)}, {0.8, hex(0xf07820)}, {1, hex(0xc03010, 0)}}));
    p.drawPath(flamme);
    return bild;
}

// ---- rooms ----

/// Marks the grid cells whose centre lies in the shape.
void flaeche(HotSpot& h, const QPainterPath& form, QSize bild)
{
    for (int x = 0; x < HotSpot::Spalten; ++x) {
        for (int y = 0; y < HotSpot::Zeilen; ++y) {
            const QPointF mitte((x + 0.5) * bild.width() / HotSpot::Spalten,
                                (y + 0.5) * bild.height() / HotSpot::Zeilen);
            h.Feld[x][y] = form.contains(mitte);
        }
    }
}

/// A new hotspot offering "Sieh an!" with the given text. The reference lives only until
/// the next hotspot is added.
HotSpot& ort(Module1& raum, const char* name, const QPainterPath& form, QSize bild,
             const char* cursor, const char* ansehen)
{
    HotSpot& h = raum.HotSpots[raum.neuerHotSpot(raum.HotSpotMax + 2)];
    h.Name = s(name);
    h.Cursor = s(cursor);
    flaeche(h, form, bild);
    h.Skripte[0] = skript({{Befehl::Print, ansehen}});
    return h;
}

void aktion(HotSpot& h, int k, const Skript& s)
{
    h.Aktion[k] = true;
    h.Skripte[k] = s;
}

constexpr int tue = 1, interagiere = 2;

Module1 wald()
{
    using namespace Befehl;
    Module1 raum;
    raum.setHintergrund(s("wald.jpg"));
    raum.StartSkript = skript({{If, "WaldBesucht"},
                               {Else},
                               {Print, "Der Wald bei Tarnholm.#Irgendwo zwitschert ein Vogel."},
                               {SetFlag, "WaldBesucht"},
                               {EndIf}});
    const QPainterPath loch = oval(astloch, 18, 26);
    ort(raum, "Alte Eiche", form(eicheStamm).united(oval(eicheKrone, 150, 100)).subtracted(loch),
        waldGroesse, "auge.cur", "Eine uralte Eiche. Sie hat schon bessere Tage gesehen.");
    aktion(ort(raum, "Astloch", loch, waldGroesse, "hand.cur", "Ein dunkles Astloch im Stamm."),
           tue,
           skript({{If, "MuenzeGefunden"},
                   {Print, "Das Astloch ist leer."},
                   {Else},
                   {PlayWav, "muenze.wav"},
                   {Add, "Muenze.gif"},
                   {SetFlag, "MuenzeGefunden"},
                   {Print, "Im Astloch liegt eine alte Münze!"},
                   {EndIf}}));
    ort(raum, "Wegweiser", form(wegweiserSchild).united(form(wegweiserPfosten)), waldGroesse,
        "auge.cur", "Nach Osten: Tarnholm, eine halbe Meile.");
    aktion(ort(raum, "Weg zum Haus", form(QRectF(560, 292, 80, 70)), waldGroesse, "hand.cur",
               "Der Pfad führt zu einem Haus am Waldrand."),
           tue, skript({{PlayWav, "schritte.wav"}, {Goto, "haus.lsd"}}));
    return raum;
}

Module1 hausRaum()
{
    using namespace Befehl;
    Module1 raum;
    raum.setHintergrund(s("haus.bmp"));
    raum.StartSkript =
        skript({{If, "HausBesucht"},
                {Else},
                {Print, "Ein einsames Haus am Waldrand. Niemand scheint hier zu wohnen."},
                {SetFlag, "HausBesucht"},
                {EndIf},
                {If, "ZettelGenommen"},
                {HSdeaktivieren, "Zettel an der Tür"},
                {Else},
                {EndIf}});
    const QPainterPath zettel = form(zettelForm());
    HotSpot& tuer = ort(raum, "Tür", tuerForm().subtracted(zettel), hausGroesse, "hand.cur",
                        "Eine schwere Eichentür mit eisernen Beschlägen.");
    aktion(tuer, tue,
           skript({{If, "TuerOffen"},
                   {PlayWav, "schritte.wav"},
                   {Goto, "keller.lsd"},
                   {Else},
                   {Print, "Abgeschlossen."},
                   {EndIf}}));
    aktion(tuer, interagiere,
           skript({{IfItem, "Schluessel.bmp"},
                   {If, "TuerOffen"},
                   {Print, "Die Tür ist schon offen."},
                   {Else},
                   {PlayWav, "tuer.wav"},
                   {SetFlag, "TuerOffen"},
                   {Print, "Der Schlüssel passt. Knarrend schwingt die Tür auf.#"
                           "Dahinter führt eine Treppe hinab."},
                   {EndIf},
                   {Else},
                   {Error},
                   {EndIf}}));
    HotSpot& brief = ort(raum, "Zettel an der Tür", zettel, hausGroesse, "hand.cur", "");
    brief.Skripte[0] = skript(
        {{LoadPic, "brief.bmp"},
         {Print, "Ein alter Brief, vergilbt und schwer zu lesen: Die Truhe birgt den Schlüssel."}});
    aktion(brief, tue,
           skript({{Add, "Zettel.bmp"},
                   {SetFlag, "ZettelGenommen"},
                   {HSdeaktivieren, "Zettel an der Tür"},
                   {Print, "Du nimmst den Zettel mit."}}));
    aktion(ort(raum, "Truhe", form(truheDeckel.united(truheKoerper)), hausGroesse, "hand.cur",
               "Eine alte Truhe, mit Eisen beschlagen."),
           tue,
           skript({{If, "TruheOffen"},
                   {Print, "Die Truhe ist leer."},
                   {Else},
                   {If, "ZettelGenommen"},
                   {PlayWav, "tuer.wav"},
                   {Add, "Schluessel.bmp"},
                   {SetFlag, "TruheOffen"},
                   {Print, "In der Truhe liegt ein rostiger Schlüssel."},
                   {Else},
                   {Print, "Nur alter Plunder. Wonach sollte ich hier suchen?"},
                   {EndIf},
                   {EndIf}}));
    ort(raum, "Fenster",
        form(fensterUnten).united(form(fensterObenLinks)).united(form(fensterObenRechts)),
        hausGroesse, "auge.cur", "Hinter den Scheiben ist es dunkel.");
    aktion(ort(raum, "Weg zum Wald", form(QRectF(0, 382, 70, 72)), hausGroesse, "hand.cur",
               "Zurück in den Wald."),
           tue, skript({{PlayWav, "schritte.wav"}, {Goto, "wald.lsd"}}));
    return raum;
}

Module1 keller()
{
    using namespace Befehl;
    Module1 raum;
    raum.setHintergrund(s("keller.gif"));
    raum.StartSkript = skript({{If, "KellerBesucht"},
                               {Else},
                               {Print, "Ein feuchter Gewölbekeller. Es riecht nach Moder."},
                               {SetFlag, "KellerBesucht"},
                               {EndIf},
                               {If, "GangOffen"},
                               {HSaktivieren, "Geheimgang"},
                               {HSdeaktivieren, "Loch in der Wand"},
                               {Else},
                               {EndIf}});
    raum.TimerSkript = skript({{PlayWav, "tropfen.wav"}});
    aktion(ort(raum, "Treppe", form(treppe), kellerGroesse, "hand.cur",
               "Die Treppe führt hinauf zur Tür."),
           tue, skript({{PlayWav, "schritte.wav"}, {Goto, "haus.lsd"}}));
    aktion(ort(raum, "Fass", fassForm(), kellerGroesse, "auge.cur", "Ein Weinfass. Leer, leider."),
           tue, skript({{Print, "Es rührt sich nicht."}}));
    aktion(ort(raum, "Fackel", form(QRectF(196, 28, 26, 66)), kellerGroesse, "hand.cur",
               "Eine Fackel, die unruhig flackert."),
           tue,
           skript({{If, "FackelAus"},
                   {Print, "Du zündest die Fackel wieder an."},
                   {DelFlag, "FackelAus"},
                   {Else},
                   {Print, "Du bläst die Fackel aus. Sofort wird es unheimlich."},
                   {SetFlag, "FackelAus"},
                   {EndIf}}));
    aktion(ort(raum, "Loch in der Wand", oval(loch, 9, 9), kellerGroesse, "hand.cur",
               "Ein kleines rundes Loch. Genau so groß wie eine Münze."),
           interagiere,
           skript({{IfItem, "Muenze.gif"},
                   {PlayWav, "glocke.wav"},
                   {SetFlag, "GangOffen"},
                   {HSaktivieren, "Geheimgang"},
                   {HSdeaktivieren, "Loch in der Wand"},
                   {Print, "Die Münze fällt klirrend hinein. Irgendwo läutet eine Glocke,#"
                           "und ein Stück der Wand schwingt zur Seite."},
                   {Else},
                   {Error},
                   {EndIf}}));
    HotSpot& gang = ort(raum, "Geheimgang", form(geheimgang), kellerGroesse, "hand.cur",
                        "Ein schmaler Gang führt ins Dunkle.");
    aktion(gang, tue, skript({{Print, "Hier endet die Demo von Tarnholm.#Danke fürs Spielen!"}}));
    gang.Aktiv = false; // opened by the coin
    return raum;
}

} // namespace

void raeumeMachen(Inhalt& inhalt)
{
    inhalt.bilder.insert(s("graphics/wald.jpg"), waldMalen(false));
    inhalt.bilder.insert(s("graphics/wald_nacht.jpg"), waldMalen(true));
    inhalt.bilder.insert(s("graphics/haus.bmp"), hausMalen());
    inhalt.bilder.insert(s("graphics/keller.gif"), kellerMalen());
    inhalt.raeume = {
        {s("wald.lsd"), wald()}, {s("haus.lsd"), hausRaum()}, {s("keller.lsd"), keller()}};
}
