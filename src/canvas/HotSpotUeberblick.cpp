#include "HotSpotUeberblick.h"

#include "Flecken.h"
#include "Picture1.h"
#include "Strich.h"
#include "model/Module1.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <array>
#include <vector>

namespace {

constexpr int zellen = HotSpot::Spalten * HotSpot::Zeilen;
constexpr int pixel = Strich::Pixel;

QFont namensSchrift()
{
    QFont schrift(QStringLiteral("DejaVu Sans"));
    schrift.setPixelSize(11);
    schrift.setBold(true);
    return schrift;
}

/// The edges between the hotspot's cells and the cells outside it, joined into runs.
QVector<QLine> umriss(const HotSpot& spot)
{
    const auto gesetzt = [&spot](int x, int y) {
        return x >= 0 && y >= 0 && x < HotSpot::Spalten && y < HotSpot::Zeilen && spot.Feld[x][y];
    };
    QVector<QLine> linien;
    for (int y = 0; y <= HotSpot::Zeilen; ++y) {
        for (int x = 0; x < HotSpot::Spalten; ++x) {
            if (gesetzt(x, y - 1) == gesetzt(x, y))
                continue;
            const int anfang = x;
            while (x + 1 < HotSpot::Spalten && gesetzt(x + 1, y - 1) != gesetzt(x + 1, y))
                ++x;
            linien.append(QLine(anfang * pixel, y * pixel, (x + 1) * pixel, y * pixel));
        }
    }
    for (int x = 0; x <= HotSpot::Spalten; ++x) {
        for (int y = 0; y < HotSpot::Zeilen; ++y) {
            if (gesetzt(x - 1, y) == gesetzt(x, y))
                continue;
            const int anfang = y;
            while (y + 1 < HotSpot::Zeilen && gesetzt(x - 1, y + 1) != gesetzt(x, y + 1))
                ++y;
            linien.append(QLine(x * pixel, anfang * pixel, x * pixel, (y + 1) * pixel));
        }
    }
    return linien;
}

} // namespace

QColor HotSpotUeberblick::farbe(int index)
{
    // The golden angle keeps any two indices' hues apart.
    const int farbton = int(std::lround(index * 137.508)) % 360;
    return QColor::fromHsv(farbton, 220, 255);
}

void HotSpotUeberblick::berechnen(const Module1& raum)
{
    const QFont schrift = namensSchrift();
    const QFontMetricsF masse(schrift);
    const int anzahl = std::max(0, std::min(raum.HotSpotMax + 1, int(raum.HotSpots.size())));
    farben.resize(anzahl);
    namen.resize(anzahl);
    for (int h = 0; h < anzahl; ++h) {
        const HotSpot& spot = raum.HotSpots[h];
        farben[h] = farbe(h);
        namen[h].reset();
        const std::optional<QPointF> ort = Flecken::namensOrt(spot);
        const QString name = masse.elidedText(spot.Name.simplified(), Qt::ElideRight, 180);
        if (!ort || name.isEmpty())
            continue;
        Name n;
        n.text = QStaticText(name);
        n.text.setTextFormat(Qt::PlainText);
        n.text.prepare(QTransform(), schrift);
        const QSizeF groesse = n.text.size() + QSizeF(8, 4);
        QRectF platte(*ort - QPointF(groesse.width() / 2, groesse.height() / 2), groesse);
        // A name near the edge stays whole on the canvas.
        platte.moveLeft(std::clamp(platte.left(), 0.0, Picture1::Breite - platte.width()));
        platte.moveTop(std::clamp(platte.top(), 0.0, Picture1::Hoehe - platte.height()));
        n.platte = platte;
        namen[h] = n;
    }
}

void HotSpotUeberblick::malen(QPainter& p, const Module1& raum, int ausgewaehlt) const
{
    const int anzahl = std::max(0, std::min(raum.HotSpotMax + 1, int(raum.HotSpots.size())));
    const auto farbeVon = [this](int h) { return h < farben.size() ? farben[h] : farbe(h); };
    const Flecken::Belegung belegt = Flecken::belegung(raum);
    const bool* auswahl = ausgewaehlt >= 0 && ausgewaehlt < anzahl
                              ? raum.HotSpots[ausgewaehlt].Feld[0].data()
                              : nullptr;

    // The tint, a pixel per cell, stretched without smoothing. A cell of several hotspots
    // gets the mean of their tints.
    std::vector<std::array<int, 4>> summe(zellen);
    for (int h = 0; h < anzahl; ++h) {
        if (h == ausgewaehlt)
            continue;
        QColor c = farbeVon(h);
        c.setAlpha(raum.HotSpots[h].Aktiv ? 110 : 45);
        const QRgb rgb = qPremultiply(c.rgba());
        const bool* zelle = raum.HotSpots[h].Feld[0].data();
        for (int i = 0; i < zellen; ++i) {
            if (!zelle[i])
                continue;
            summe[i][0] += qRed(rgb);
            summe[i][1] += qGreen(rgb);
            summe[i][2] += qBlue(rgb);
            summe[i][3] += qAlpha(rgb);
        }
    }
    QImage toenung(HotSpot::Spalten, HotSpot::Zeilen, QImage::Format_ARGB32_Premultiplied);
    toenung.fill(Qt::transparent);
    for (int i = 0; i < zellen; ++i) {
        const int n = belegt[i] - (auswahl && auswahl[i] ? 1 : 0);
        if (n <= 0 || (auswahl && auswahl[i]))
            continue;
        toenung.setPixel(i / HotSpot::Zeilen, i % HotSpot::Zeilen,
                         qRgba(summe[i][0] / n, summe[i][1] / n, summe[i][2] / n, summe[i][3] / n));
    }
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(QRect(0, 0, Picture1::Breite, Picture1::Hoehe), toenung);

    for (int h = 0; h < anzahl; ++h) {
        QColor c = farbeVon(h);
        if (!raum.HotSpots[h].Aktiv)
            c.setAlpha(110);
        p.setPen(QPen(c, 2));
        p.drawLines(umriss(raum.HotSpots[h]));
    }

    // Overlaps: black and white hatching, seen on any picture.
    for (int y = 0; y < HotSpot::Zeilen; ++y) {
        for (int x = 0; x < HotSpot::Spalten; ++x) {
            if (belegt[x * HotSpot::Zeilen + y] < 2)
                continue;
            const int anfang = x;
            while (x + 1 < HotSpot::Spalten && belegt[(x + 1) * HotSpot::Zeilen + y] >= 2)
                ++x;
            const QRect r(anfang * pixel, y * pixel, (x - anfang + 1) * pixel, pixel);
            p.fillRect(r, QBrush(Qt::black, Qt::BDiagPattern));
            p.fillRect(r, QBrush(Qt::white, Qt::FDiagPattern));
        }
    }

    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(namensSchrift());
    for (int h = 0; h < anzahl && h < namen.size(); ++h) {
        if (!namen[h])
            continue;
        const bool aktiv = raum.HotSpots[h].Aktiv;
        p.setOpacity(aktiv ? 1.0 : 0.55);
        p.setPen(QPen(farbeVon(h), 1.5));
        p.setBrush(QColor(16, 16, 16, 200));
        p.drawRoundedRect(namen[h]->platte, 4, 4);
        p.setPen(aktiv ? Qt::white : QColor(220, 220, 220));
        p.drawStaticText(namen[h]->platte.topLeft() + QPointF(4, 2), namen[h]->text);
    }
    p.restore();
}
