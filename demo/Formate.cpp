#include "Demo.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Every format here stores its numbers little-endian.
void u16(QByteArray& out, quint32 v)
{
    out.append(char(v & 0xff));
    out.append(char((v >> 8) & 0xff));
}

void u32(QByteArray& out, quint32 v)
{
    u16(out, v & 0xffff);
    u16(out, v >> 16);
}

} // namespace

QImage quantisiert(const QImage& bild)
{
    // Median cut over the colours at 5 bits per channel: small bright areas like a flame
    // keep their own entries, which a fixed palette would dither into noise.
    const QImage rgb = bild.convertToFormat(QImage::Format_RGB32);
    const auto fach = [](QRgb c) {
        return (qRed(c) >> 3) << 10 | (qGreen(c) >> 3) << 5 | qBlue(c) >> 3;
    };
    struct Farbe
    {
        std::array<qint64, 3> summe{};
        qint64 n = 0;
        int kanal(int k) const { return int(summe[k] / n); }
    };
    QVector<Farbe> faecher(1 << 15);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* zeile = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            Farbe& f = faecher[fach(zeile[x])];
            f.summe[0] += qRed(zeile[x]);
            f.summe[1] += qGreen(zeile[x]);
            f.summe[2] += qBlue(zeile[x]);
            ++f.n;
        }
    }
    QVector<Farbe> farben;
    for (const Farbe& f : faecher) {
        if (f.n > 0)
            farben.append(f);
    }

    // Split the box with the widest channel at its pixel-weighted median until 256 boxes.
    QVector<std::pair<int, int>> kisten{{0, int(farben.size())}};
    while (kisten.size() < 256) {
        int beste = -1, besteSpanne = 0, besterKanal = 0;
        for (int i = 0; i < kisten.size(); ++i) {
            for (int k = 0; k < 3; ++k) {
                int lo = 255, hi = 0;
                for (int j = kisten[i].first; j < kisten[i].second; ++j) {
                    lo = std::min(lo, farben[j].kanal(k));
                    hi = std::max(hi, farben[j].kanal(k));
                }
                if (hi - lo > besteSpanne) {
                    beste = i;
                    besteSpanne = hi - lo;
                    besterKanal = k;
                }
            }
        }
        if (beste < 0)
            break;
        const auto [von, bis] = kisten[beste];
        std::sort(farben.begin() + von, farben.begin() + bis, [&](const Farbe& a, const Farbe& b) {
            return a.kanal(besterKanal) < b.kanal(besterKanal);
        });
        qint64 gesamt = 0, bisher = 0;
        for (int j = von; j < bis; ++j)
            gesamt += farben[j].n;
        int mitte = von + 1;
        while (mitte < bis - 1 && (bisher += farben[mitte - 1].n) * 2 < gesamt)
            ++mitte;
        kisten[beste] = {von, mitte};
        kisten.append({mitte, bis});
    }

    QVector<QRgb> palette;
    for (const auto& [von, bis] : kisten) {
        Farbe mittel;
        for (int j = von; j < bis; ++j) {
            for (int k = 0; k < 3; ++k)
                mittel.summe[k] += farben[j].summe[k];
            mittel.n += farben[j].n;
        }
        palette.append(qRgb(mittel.kanal(0), mittel.kanal(1), mittel.kanal(2)));
    }
    QImage out(rgb.size(), QImage::Format_Indexed8);
    out.setColorTable(palette);
    QVector<int> naechste(1 << 15, -1);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* ein = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* aus = out.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            int& index = naechste[fach(ein[x])];
            if (index < 0) {
                const Farbe& f = faecher[fach(ein[x])];
                qint64 bester = -1;
                for (int i = 0; i < palette.size(); ++i) {
                    const qint64 dr = f.kanal(0) - qRed(palette[i]);
                    const qint64 dg = f.kanal(1) - qGreen(palette[i]);
                    const qint64 db = f.kanal(2) - qBlue(palette[i]);
                    const qint64 d = dr * dr + dg * dg + db * db;
                    if (bester < 0 || d < bester) {
                        bester = d;
                        index = i;
                    }
                }
            }
            aus[x] = uchar(index);
        }
    }
    return out;
}

QByteArray gifDatei(const QImage& indiziert)
{
    const int w = indiziert.width(), h = indiziert.height();
    QByteArray out("GIF89a");
    u16(out, w);
    u16(out, h);
    out.append(char(0xF7)); // global table of 256 colours
    out.append(char(0));
    out.append(char(0));
    const QVector<QRgb> palette = indiziert.colorTable();
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < palette.size() ? palette[i] : 0;
        out.append(char(qRed(c)));
        out.append(char(qGreen(c)));
        out.append(char(qBlue(c)));
    }
    out.append(char(0x2C));
    u32(out, 0);
    u16(out, w);
    u16(out, h);
    out.append(char(0));
    out.append(char(8));

    // LZW without compression: literal 9-bit codes only, and a clear code before the
    // decoder's table would reach 512 entries, so the code width never changes.
    constexpr int clear = 256, ende = 257, literaleJeClear = 250;
    QByteArray daten;
    quint32 puffer = 0;
    int bits = 0;
    const auto code = [&](int c) {
        puffer |= quint32(c) << bits;
        for (bits += 9; bits >= 8; bits -= 8) {
            daten.append(char(puffer & 0xff));
            puffer >>= 8;
        }
    };
    int seitClear = literaleJeClear;
    for (int y = 0; y < h; ++y) {
        const uchar* zeile = indiziert.constScanLine(y);
        for (int x = 0; x < w; ++x) {
            if (seitClear == literaleJeClear) {
                code(clear);
                seitClear = 0;
            }
            code(zeile[x]);
            ++seitClear;
        }
    }
    code(ende);
    if (bits > 0)
        daten.append(char(puffer & 0xff));
    for (qsizetype i = 0; i < daten.size(); i += 255) {
        const qsizetype n = std::min<qsizetype>(255, daten.size() - i);
        out.append(char(n));
        out.append(daten.mid(i, n));
    }
    out.append(char(0));
    out.append(char(0x3B));
    return out;
}

QByteArray curDatei(const QImage& bild, QPoint hotspot)
{
    const QImage argb = bild.convertToFormat(QImage::Format_ARGB32);
    const int w = argb.width(), h = argb.height();
    const int maskenZeile = (w + 31) / 32 * 4;
    QByteArray dib;
    u32(dib, 40);
    u32(dib, w);
    u32(dib, 2 * h); // colour rows and mask rows
    u16(dib, 1);
    u16(dib, 32);
    u32(dib, 0);
    u32(dib, w * h * 4 + maskenZeile * h);
    for (int i = 0; i < 4; ++i)
        u32(dib, 0);
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            const QRgb c = argb.pixel(x, y);
            dib.append(char(qBlue(c)));
            dib.append(char(qGreen(c)));
            dib.append(char(qRed(c)));
            dib.append(char(qAlpha(c)));
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray zeile(maskenZeile, 0);
        for (int x = 0; x < w; ++x) {
            if (qAlpha(argb.pixel(x, y)) == 0)
                zeile[x / 8] = char(zeile[x / 8] | (0x80 >> (x % 8)));
        }
        dib += zeile;
    }
    QByteArray out;
    u16(out, 0);
    u16(out, 2); // cursor
    u16(out, 1);
    out.append(char(w));
    out.append(char(h));
    out.append(char(0));
    out.append(char(0));
    u16(out, hotspot.x());
    u16(out, hotspot.y());
    u32(out, dib.size());
    u32(out, 22);
    return out + dib;
}

QByteArray wavDatei(const QVector<float>& klang)
{
    QByteArray pcm;
    for (float v : klang)
        u16(pcm, quint16(qint16(std::lround(std::clamp(v, -1.0f, 1.0f) * 32767))));
    QByteArray out("RIFF");
    u32(out, 36 + pcm.size());
    out += "WAVEfmt ";
    u32(out, 16);
    u16(out, 1); // PCM
    u16(out, 1);
    u32(out, Abtastrate);
    u32(out, Abtastrate * 2);
    u16(out, 2);
    u16(out, 16);
    out += "data";
    u32(out, pcm.size());
    return out + pcm;
}
