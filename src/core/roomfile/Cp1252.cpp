// Windows-1252, the code page of every file the game reads.
#include "Cp1252.h"

#include <algorithm>

namespace Cp1252 {
namespace {

// 0x80..0x9F. The five bytes Windows leaves undefined map to the C1 code points of the
// same value, as Windows itself converts them, so that every byte survives a round trip.
constexpr char16_t hoch[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                               0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                               0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                               0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int byteOf(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i) {
        if (hoch[i] == c)
            return 0x80 + i;
    }
    return -1;
}

} // namespace

QString decode(const char* data, qsizetype size)
{
    QString text = QString::fromLatin1(data, size);
    const auto* bytes = reinterpret_cast<const unsigned char*>(data);
    for (qsizetype i = 0; i < size; ++i) {
        if (bytes[i] >= 0x80 && bytes[i] < 0xA0)
            text[i] = QChar(hoch[bytes[i] - 0x80]);
    }
    return text;
}

void appendEncoded(QByteArray& out, const QString& text)
{
    // One byte per UTF-16 unit, written in place: saving a room is mostly this and the grid.
    const qsizetype alt = out.size();
    out.resize(alt + text.size());
    char* p = out.data() + alt;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80) {
            *p++ = char(u);
        } else {
            const int b = byteOf(u);
            *p++ = b < 0 ? '?' : char(b);
        }
    }
}

QByteArray encode(const QString& text)
{
    QByteArray out;
    appendEncoded(out, text);
    return out;
}

bool canEncode(const QString& text)
{
    return std::all_of(text.cbegin(), text.cend(),
                       [](QChar c) { return byteOf(c.unicode()) >= 0; });
}

bool isStorableText(const QString& text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u == 0x7F || u == '"' || (u >= 0x80 && u < 0xA0))
            return false;
        return byteOf(u) >= 0;
    });
}

} // namespace Cp1252
