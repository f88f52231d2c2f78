#include "Demo.h"
#include "Malen.h"
#include "roomfile/ItemSkript.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <QtMath>
#include <array>

namespace {

QString s(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

// ---- pictures ----

QImage briefMalen()
{
    QImage bild(640, 480, QImage::Format_RGB32);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    QRandomGenerator z(5);

    // A table of dark planks.
    p.fillRect(bild.rect(), hex(0x4a2e1c));
    for (int i = 0; i < 140; ++i) {
        const qreal y = z.bounded(480);
        QPainterPath maser;
        maser.moveTo(0, y);
        for (int x = 80; x <= 640; x += 80)
            maser.lineTo(x, y + z.bounded(-4, 5));
        p.setPen(QPen(hex(z.bounded(2) ? 0x6a4630 : 0x2e1c10, 70), 1 + z.bounded(2)));
        p.drawPath(maser);
    }
    p.setPen(QPen(hex(0x1e120a), 3));
    for (int y = 120; y < 480; y += 120)
        p.drawLine(QPointF(0, y), QPointF(640, y));

    QPolygonF blatt;
    const QRectF rand(150, 40, 340, 400);
    for (int i = 0; i <= 20; ++i)
        blatt << QPointF(rand.left() + rand.width() * i / 20, rand.top() + z.bounded(-2, 3));
    for (int i = 0; i <= 20; ++i)
        blatt << QPointF(rand.right() + z.bounded(-2, 3), rand.top() + rand.height() * i / 20);
    for (int i = 20; i >= 0; --i)
        blatt << QPointF(rand.left() + rand.width() * i / 20, rand.bottom() + z.bounded(-2, 3));
    for (int i = 20; i >= 0; --i)
        blatt << QPointF(rand.left() + z.bounded(-2, 3), rand.top() + rand.height() * i / 20);
    p.translate(320, 240);
    p.rotate(-3);
    p.translate(-320, -240);
    p.setPen(Qt::NoPen);
    p.setBrush(hex(0, 100));
    p.drawPolygon(blatt.translated(7, 9));
    p.setBrush(verlauf(rand.topLeft(), rand.bottomRight(),
                       {{0, hex(0xf5e9c8)}, {0.6, hex(0xead7a8)}, {1, hex(0xd8bd86)}}));
    p.drawPolygon(blatt);
    p.setBrush(schein(rand.center(), 260,
                      {{0, hex(0x8a6030, 0)}, {0.75, hex(0x8a6030, 0)}, {1, hex(0x8a6030, 70)}}));
    p.drawPolygon(blatt);
    for (int i = 0; i < 6; ++i) {
        p.setBrush(hex(0x9a7040, 25));
        p.drawEllipse(QPointF(170 + z.bounded(300), 60 + z.bounded(360)), 10 + z.bounded(30),
                      8 + z.bounded(20));
    }

    QFont schrift(QStringLiteral("DejaVu Serif"));
    schrift.setPixelSize(19);
    schrift.setItalic(true);
    p.setFont(schrift);
    p.setPen(hex(0x3a2414));
    p.drawText(rand.adjusted(30, 40, -30, -60), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               s("Wanderer,\n\nwenn du dies liest, bin ich längst fort. Den Schlüssel zum Haus "
                 "verwahrte ich in der alten Truhe.\n\nIm Keller wartet, was ich nicht mitnehmen "
                 "konnte. Eine Münze öffnet den Weg."));
    p.drawText(rand.adjusted(30, 0, -60, -70), Qt::AlignRight | Qt::AlignBottom, s("H."));

    const QPointF siegel(430, 392);
    p.setPen(QPen(hex(0x6a1010), 2));
    p.setBrush(schein(siegel + QPointF(-5, -5), 26, {{0, hex(0xd04040)}, {1, hex(0x8a1a1a)}}));
    p.drawEllipse(siegel, 22, 20);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(hex(0x6a1010), 1.5));
    p.drawEllipse(siegel, 13, 12);
    return bild;
}

QImage gegenstandsFeld()
{
    QImage bild(48, 48, QImage::Format_RGB32);
    QPainter p(&bild);
    p.fillRect(bild.rect(), schein({24, 24}, 34, {{0, hex(0x5a4634)}, {1, hex(0x2a2018)}}));
    return bild;
}

QImage schluesselMalen()
{
    QImage bild = gegenstandsFeld();
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(24, 24);
    p.rotate(-40);
    QPainterPath schluessel;
    schluessel.addEllipse(QPointF(-12, 0), 8, 8);
    schluessel.addRect(QRectF(-5, -2, 24, 4));
    schluessel.addRect(QRectF(12, 2, 4, 8));
    schluessel.addRect(QRectF(17, 2, 3, 6));
    QPainterPath innen;
    innen.addEllipse(QPointF(-12, 0), 4, 4);
    p.setPen(QPen(hex(0x2a1a0c), 1));
    p.setBrush(verlauf({-20, -8}, {20, 8},
                       {{0, hex(0xc08a50)}, {0.5, hex(0x9a6a3a)}, {1, hex(0x5a3a1e)}}));
    p.drawPath(schluessel.simplified().subtracted(innen));
    return bild;
}

QImage zettelMalen()
{
    QImage bild = gegenstandsFeld();
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(24, 24);
    p.rotate(8);
    p.setPen(QPen(hex(0x7a6440), 1));
    p.setBrush(hex(0xf1e6c6));
    p.drawRect(QRectF(-14, -18, 28, 36));
    p.setPen(QPen(hex(0x6a5036, 200), 1));
    for (int i = 0; i < 6; ++i)
        p.drawLine(QPointF(-10, -11 + i * 5), QPointF(i == 5 ? 2 : 10, -11 + i * 5));
    return bild;
}

QImage muenzeMalen()
{
    QImage bild = gegenstandsFeld();
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(24, 24);
    p.setPen(QPen(hex(0x6a4a10), 1));
    p.setBrush(
        schein({-5, -5}, 24, {{0, hex(0xfff0a0)}, {0.5, hex(0xd8a830)}, {1, hex(0x8a6010)}}));
    p.drawEllipse(QPointF(), 17, 17);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(), 13.5, 13.5);
    QPolygonF stern;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 ? 3.5 : 8.5;
        const qreal w = M_PI * i / 5 - M_PI / 2;
        stern << QPointF(r * std::cos(w), r * std::sin(w));
    }
    p.setBrush(hex(0xa87a20));
    p.drawPolygon(stern);
    return bild;
}

QImage leererZeiger()
{
    QImage bild(32, 32, QImage::Format_ARGB32);
    bild.fill(Qt::transparent);
    return bild;
}

QImage handMalen()
{
    QImage bild = leererZeiger();
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath hand;
    hand.setFillRule(Qt::WindingFill); // overlapping parts join instead of cancelling
    hand.addRoundedRect(QRectF(11, 1, 7, 18), 3.5, 3.5);
    hand.addRoundedRect(QRectF(9, 13, 19, 14), 5, 5);
    hand.addRoundedRect(QRectF(17, 10, 5, 9), 2.5, 2.5);
    hand.addRoundedRect(QRectF(21.5, 11, 5, 9), 2.5, 2.5);
    hand.addRoundedRect(QRectF(3, 15, 10, 6), 3, 3);
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(hex(0xf5d0a9));
    p.drawPath(hand.simplified());
    p.setBrush(hex(0x3a6aa8));
    p.drawRect(QRectF(11, 26, 15, 5));
    p.setPen(QPen(Qt::black, 0.8));
    for (qreal x : {17.6, 21.8})
        p.drawLine(QPointF(x, 12), QPointF(x, 17));
    return bild;
}

QImage augeMalen()
{
    QImage bild = leererZeiger();
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath auge;
    auge.moveTo(1.5, 16);
    auge.quadTo(16, 2, 30.5, 16);
    auge.quadTo(16, 30, 1.5, 16);
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(Qt::white);
    p.drawPath(auge);
    p.setPen(Qt::NoPen);
    p.setBrush(schein({15, 15}, 7, {{0, hex(0x6aa8e0)}, {1, hex(0x1a4a8a)}}));
    p.drawEllipse(QPointF(16, 16), 6, 6);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(16, 16), 2.6, 2.6);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(14, 14), 1.2, 1.2);
    return bild;
}

// ---- sounds ----

QVector<float> stille(double sekunden)
{
    return QVector<float>(int(sekunden * Abtastrate), 0.0f);
}

/// A two-pole resonator: rings at its frequency when struck.
class Resonator
{
public:
    Resonator(double frequenz, double bandbreite) { stimmen(frequenz, bandbreite); }
    void stimmen(double frequenz, double bandbreite)
    {
        const double r = std::exp(-M_PI * bandbreite / Abtastrate);
        a1 = 2 * r * std::cos(2 * M_PI * frequenz / Abtastrate);
        a2 = -r * r;
    }
    double operator()(double x)
    {
        const double y = x + a1 * y1 + a2 * y2;
        y2 = y1;
        y1 = y;
        return y;
    }

private:
    double a1 = 0, a2 = 0, y1 = 0, y2 = 0;
};

void normieren(QVector<float>& klang, float spitze = 0.8f)
{
    float max = 1e-6f;
    for (float v : klang)
        max = std::max(max, std::abs(v));
    for (float& v : klang)
        v *= spitze / max;
}

/// Sine partials, each dying away on its own: bells, coins, drops.
void klingen(QVector<float>& klang, double ab, double grund,
             std::initializer_list<std::array<double, 3>> teiltoene)
{
    for (const auto& [verhaeltnis, lautstaerke, abklingen] : teiltoene) {
        for (int i = int(ab * Abtastrate); i < klang.size(); ++i) {
            const double t = double(i) / Abtastrate - ab;
            const double anschlag = std::min(1.0, t / 0.002);
            klang[i] += float(lautstaerke * anschlag * std::exp(-t / abklingen) *
                              std::sin(2 * M_PI * grund * verhaeltnis * t));
        }
    }
}

QVector<float> knarren()
{
    QVector<float> klang = stille(0.8);
    Resonator a(650, 80), b(1400, 120), c(2900, 220);
    QRandomGenerator z(1);
    double phase = 0;
    for (int i = 0; i < klang.size(); ++i) {
        const double t = double(i) / Abtastrate;
        // The hinge sticks and slips: a pulse train whose rate wanders.
        phase += (45 + 55 * std::sin(M_PI * t / 0.8) + 20 * z.generateDouble()) / Abtastrate;
        double stoss = 0;
        if (phase >= 1) {
            phase -= 1;
            stoss = 1;
        }
        const double huelle = std::min({1.0, t / 0.05, (0.8 - t) / 0.15});
        klang[i] = float(huelle * (a(stoss) + 0.7 * b(stoss) + 0.3 * c(stoss)));
    }
    normieren(klang);
    return klang;
}

QVector<float> schritte()
{
    QVector<float> klang = stille(0.9);
    Resonator tief(120, 60), mitte(420, 220);
    QRandomGenerator z(2);
    for (int i = 0; i < klang.size(); ++i) {
        const double t = double(i) / Abtastrate;
        const double seit = std::fmod(t - 0.03, 0.22);
        const double rauschen = z.generateDouble() * 2 - 1;
        const double huelle = t >= 0.03 && t < 0.8 ? std::exp(-seit / 0.025) : 0.0;
        const double x = rauschen * huelle;
        klang[i] = float(tief(x) * 0.02 + mitte(x) * 0.05 + x * 0.15);
    }
    normieren(klang, 0.7f);
    return klang;
}

QVector<float> tropfen()
{
    QVector<float> klang = stille(0.4);
    for (const auto& [ab, laut] : {std::pair{0.0, 1.0}, std::pair{0.18, 0.3}}) {
        double phase = 0;
        for (int i = int(ab * Abtastrate); i < klang.size(); ++i) {
            const double t = double(i) / Abtastrate - ab;
            phase += 2 * M_PI * (700 + 1100 * (1 - std::exp(-t / 0.02))) / Abtastrate;
            klang[i] +=
                float(laut * std::min(1.0, t / 0.002) * std::exp(-t / 0.045) * std::sin(phase));
        }
    }
    normieren(klang, 0.6f);
    return klang;
}

QVector<float> muenze()
{
    QVector<float> klang = stille(0.5);
    for (double ab : {0.0, 0.12})
        klingen(klang, ab, 2200,
                {{1.0, 1.0, 0.15}, {1.58, 0.6, 0.1}, {2.32, 0.4, 0.07}, {3.1, 0.3, 0.05}});
    normieren(klang, 0.6f);
    return klang;
}

QVector<float> glocke()
{
    QVector<float> klang = stille(1.4);
    klingen(klang, 0, 660,
            {{1.0, 1.0, 0.9}, {2.0, 0.5, 0.6}, {2.76, 0.4, 0.4}, {5.4, 0.2, 0.2}, {0.5, 0.3, 1.1}});
    normieren(klang);
    return klang;
}

QVector<float> wind()
{
    QVector<float> klang = stille(1.5);
    Resonator heulen(300, 120);
    QRandomGenerator z(4);
    for (int i = 0; i < klang.size(); ++i) {
        const double t = double(i) / Abtastrate;
        heulen.stimmen(320 + 180 * std::sin(2 * M_PI * 0.7 * t), 120);
        const double huelle = std::pow(std::sin(M_PI * t / 1.5), 2);
        klang[i] = float(huelle * heulen(z.generateDouble() * 2 - 1));
    }
    normieren(klang, 0.5f);
    return klang;
}

} // namespace

void dingeMachen(Inhalt& inhalt)
{
    inhalt.bilder.insert(s("graphics/brief.bmp"), briefMalen());
    inhalt.bilder.insert(s("items/Schluessel.bmp"), schluesselMalen());
    inhalt.bilder.insert(s("items/Zettel.bmp"), zettelMalen());
    inhalt.bilder.insert(s("items/Muenze.gif"), muenzeMalen());

    // The key's scripts for its three actions, as the game reads them beside the picture.
    Skript leer;
    inhalt.dateien.insert(
        s("items/Schluessel0.skp"),
        ItemSkript::schreiben(skript({{Befehl::Print, "Ein rostiger, schwerer Schlüssel."}})));
    inhalt.dateien.insert(s("items/Schluessel1.skp"), ItemSkript::schreiben(leer));
    inhalt.dateien.insert(s("items/Schluessel2.skp"),
                          ItemSkript::schreiben(skript({{Befehl::Error}})));
    // Looking at the note taken from the door shows the letter again.
    inhalt.dateien.insert(s("items/Zettel0.skp"),
                          ItemSkript::schreiben(skript({{Befehl::LoadPic, "brief.bmp"}})));

    inhalt.dateien.insert(s("cursors/hand.cur"), curDatei(handMalen(), {14, 1}));
    inhalt.dateien.insert(s("cursors/auge.cur"), curDatei(augeMalen(), {16, 16}));

    inhalt.dateien.insert(s("sounds/tuer.wav"), wavDatei(knarren()));
    inhalt.dateien.insert(s("sounds/schritte.wav"), wavDatei(schritte()));
    inhalt.dateien.insert(s("sounds/tropfen.wav"), wavDatei(tropfen()));
    inhalt.dateien.insert(s("sounds/muenze.wav"), wavDatei(muenze()));
    inhalt.dateien.insert(s("sounds/glocke.wav"), wavDatei(glocke()));
    inhalt.dateien.insert(s("sounds/wind.wav"), wavDatei(wind()));
}
