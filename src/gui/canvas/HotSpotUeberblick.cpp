#include "HotSpotUeberblick.h"

#include "Picture1.h"
#include "canvas/Flecken.h"
#include "canvas/Strich.h"
#include "model/Module1.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <array>
#include <vector>

namespace {

constexpr int zellen = HotSpot::Spalten * HotSpot::Zeilen;
constexpr int pixel = Strich::Pixel;
/// How wide the outline runs along the inside of a hotspot's edge cells.
constexpr int randBreite = 2;

QFont namensSchrift()
{
    QFont schrift(QStringLiteral("DejaVu Sans"));
    schrift.setPixelSize(11);
    schrift.setBold(true);
    return schrift;
}

/// The pixels of a cell in the layer, row by row.
class Zelle
{
public:
    Zelle(QImage& ebene, int x, int y) : ebene(ebene), x0(x * pixel), y0(y * pixel) {}

    void fuellen(QRect teil, QRgb farbe)
    {
        for (int y = teil.top(); y <= teil.bottom(); ++y) {
            auto* zeile = reinterpret_cast<QRgb*>(ebene.scanLine(y0 + y)) + x0;
            std::fill(zeile + teil.left(), zeile + teil.right() + 1, farbe);
        }
    }
    /// Black and white diagonals, continuous from cell to cell.
    void schraffieren()
    {
        for (int y = 0; y < pixel; ++y) {
            auto* zeile = reinterpret_cast<QRgb*>(ebene.scanLine(y0 + y)) + x0;
            for (int x = 0; x < pixel; ++x) {
                if ((x0 + x + y0 + y) % 5 == 0)
                    zeile[x] = 0xff000000;
                else if ((x0 + x - y0 - y + 1000) % 5 == 0)
                    zeile[x] = 0xffffffff;
            }
        }
    }

private:
    QImage& ebene;
    int x0;
    int y0;
};

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
    const QFontMetrics masse(schrift);
    const int anzahl = std::max(0, std::min(raum.HotSpotMax + 1, int(raum.HotSpots.size())));
    farben.resize(anzahl);
    namen.resize(anzahl);
    for (int h = 0; h < anzahl; ++h) {
        const HotSpot& spot = raum.HotSpots[h];
        farben[h] = farbe(h).rgb();
        namen[h].reset();
        const std::optional<QPointF> ort = Flecken::namensOrt(spot);
        const QString name = masse.elidedText(spot.Name.simplified(), Qt::ElideRight, 180);
        if (!ort || name.isEmpty())
            continue;
        const QSize groesse(masse.horizontalAdvance(name) + 10, masse.height() + 4);
        QImage bild(groesse, QImage::Format_ARGB32_Premultiplied);
        bild.fill(Qt::transparent);
        QPainter p(&bild);
        p.setRenderHint(QPainter::Antialiasing);
        p.setOpacity(spot.Aktiv ? 1.0 : 0.55);
        p.setPen(QPen(farbe(h), 1.5));
        p.setBrush(QColor(16, 16, 16, 200));
        p.drawRoundedRect(QRectF(bild.rect()).adjusted(0.75, 0.75, -0.75, -0.75), 4, 4);
        p.setFont(schrift);
        p.setPen(spot.Aktiv ? Qt::white : QColor(220, 220, 220));
        p.drawText(bild.rect(), Qt::AlignCenter, name);
        p.end();
        // A name near the edge stays whole on the canvas.
        const QPoint links = (*ort - QPointF(groesse.width(), groesse.height()) / 2).toPoint();
        namen[h] = Name{bild, QPoint(std::clamp(links.x(), 0, Picture1::Breite - groesse.width()),
                                     std::clamp(links.y(), 0, Picture1::Hoehe - groesse.height()))};
    }
}

void HotSpotUeberblick::malen(QPainter& p, const Module1& raum, int ausgewaehlt) const
{
    const int anzahl = std::max(0, std::min(raum.HotSpotMax + 1, int(raum.HotSpots.size())));
    const auto farbeVon = [this](int h) { return h < farben.size() ? farben[h] : farbe(h).rgb(); };
    const Flecken::Belegung belegt = Flecken::belegung(raum);
    if (ebene.size() != QSize(Picture1::Breite, Picture1::Hoehe))
        ebene = QImage(Picture1::Breite, Picture1::Hoehe, QImage::Format_ARGB32_Premultiplied);
    ebene.fill(Qt::transparent);

    // Tints: a cell of several hotspots gets the mean of theirs; the selected one has none.
    std::vector<std::array<int, 5>> summe(zellen);
    for (int h = 0; h < anzahl; ++h) {
        if (h == ausgewaehlt)
            continue;
        const QRgb t =
            qPremultiply((farbeVon(h) & 0x00ffffff) | (raum.HotSpots[h].Aktiv ? 110u : 45u) << 24);
        const bool* zelle = raum.HotSpots[h].Feld[0].data();
        for (int i = 0; i < zellen; ++i) {
            if (zelle[i])
                summe[i] = {summe[i][0] + qRed(t), summe[i][1] + qGreen(t), summe[i][2] + qBlue(t),
                            summe[i][3] + qAlpha(t), summe[i][4] + 1};
        }
    }
    for (int i = 0; i < zellen; ++i) {
        const int n = summe[i][4];
        if (n > 0)
            Zelle(ebene, i / HotSpot::Zeilen, i % HotSpot::Zeilen)
                .fuellen({0, 0, pixel, pixel},
                         qRgba(summe[i][0] / n, summe[i][1] / n, summe[i][2] / n, summe[i][3] / n));
    }

    // Outlines along the inside of each hotspot's edges.
    for (int h = 0; h < anzahl; ++h) {
        const HotSpot& spot = raum.HotSpots[h];
        const QRgb farbe = spot.Aktiv ? farbeVon(h) | 0xff000000
                                      : qPremultiply((farbeVon(h) & 0x00ffffff) | 110u << 24);
        const auto frei = [&spot](int x, int y) {
            return x < 0 || y < 0 || x >= HotSpot::Spalten || y >= HotSpot::Zeilen ||
                   !spot.Feld[x][y];
        };
        for (int x = 0; x < HotSpot::Spalten; ++x) {
            for (int y = 0; y < HotSpot::Zeilen; ++y) {
                if (!spot.Feld[x][y])
                    continue;
                Zelle z(ebene, x, y);
                if (frei(x, y - 1))
                    z.fuellen({0, 0, pixel, randBreite}, farbe);
                if (frei(x, y + 1))
                    z.fuellen({0, pixel - randBreite, pixel, randBreite}, farbe);
                if (frei(x - 1, y))
                    z.fuellen({0, 0, randBreite, pixel}, farbe);
                if (frei(x + 1, y))
                    z.fuellen({pixel - randBreite, 0, randBreite, pixel}, farbe);
            }
        }
    }

    // Overlaps, hatched so they are seen on any picture and under the selected hotspot too.
    for (int i = 0; i < zellen; ++i) {
        if (belegt[i] >= 2)
            Zelle(ebene, i / HotSpot::Zeilen, i % HotSpot::Zeilen).schraffieren();
    }

    p.drawImage(0, 0, ebene);
    for (const std::optional<Name>& name : namen) {
        if (name)
            p.drawImage(name->ort, name->bild);
    }
}
