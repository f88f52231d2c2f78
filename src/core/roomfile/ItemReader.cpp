// Reads the items of a room or item script file, one value a line.
#include "ItemReader.h"

#include "Cp1252.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

ItemReader::ItemReader(const QByteArray& bytes)
    : anfangDerDatei(bytes.constData()), pos(bytes.constData()),
      ende(bytes.constData() + bytes.size())
{
}

void ItemReader::skipBlanks()
{
    while (pos < ende && (*pos == ' ' || *pos == '\t'))
        ++pos;
}

// After a number or flag: blanks, then a comma, a line end or the end of the file.
bool ItemReader::endItem()
{
    skipBlanks();
    if (pos == ende)
        return true;
    switch (*pos) {
    case ',':
        ++pos;
        return true;
    case '\r':
        ++pos;
        if (pos < ende && *pos == '\n')
            ++pos;
        ++zeile;
        return true;
    case '\n':
        ++pos;
        ++zeile;
        return true;
    default:
        return false;
    }
}

bool ItemReader::readInteger(qint64& value, qint64 min, qint64 max)
{
    const char* const anfang = pos;
    const int anfangsZeile = zeile;
    itemZeile = zeile;
    skipBlanks();
    bool negativ = false;
    if (pos < ende && (*pos == '-' || *pos == '+')) {
        negativ = *pos == '-';
        ++pos;
    }
    const char* const ziffern = pos;
    qint64 v = 0;
    while (pos < ende && *pos >= '0' && *pos <= '9') {
        v = v * 10 + (*pos - '0');
        ++pos;
        if (v > (qint64(1) << 40))
            break; // far beyond any range asked for; the range test below fails
    }
    if (negativ)
        v = -v;
    if (pos == ziffern || v < min || v > max || !endItem()) {
        pos = anfang;
        zeile = anfangsZeile;
        return false;
    }
    value = v;
    return true;
}

bool ItemReader::readLong(qint32& value)
{
    qint64 v = 0;
    if (!readInteger(v, -2147483648LL, 2147483647LL))
        return false;
    value = static_cast<qint32>(v);
    return true;
}

bool ItemReader::readByte(int& value)
{
    qint64 v = 0;
    if (!readInteger(v, 0, 255))
        return false;
    value = static_cast<int>(v);
    return true;
}

namespace {

// A run of cells in the form we write, eight at a time: eight "0" lines fill 24 bytes, eight
// "255" lines 40, so a run is compared as whole machine words.
using Wort = std::uint64_t;

Wort wort(const char* p)
{
    Wort w;
    std::memcpy(&w, p, sizeof w);
    return w;
}

template <std::size_t N> struct Achtzeilen
{
    explicit Achtzeilen(const char* zeile)
    {
        const QByteArray acht = QByteArray(zeile).repeated(8);
        static_assert(N * sizeof(Wort) <= 40);
        for (std::size_t k = 0; k < N; ++k)
            w[k] = wort(acht.constData() + k * sizeof(Wort));
    }
    bool bei(const char* p) const
    {
        for (std::size_t k = 0; k < N; ++k) {
            if (wort(p + k * sizeof(Wort)) != w[k])
                return false;
        }
        return true;
    }
    static constexpr qint64 laenge = N * sizeof(Wort);
    Wort w[N];
};

} // namespace

bool ItemReader::readCells(bool* cells, int count)
{
    // The "0" and "255" lines, one per cell, are the bulk of a room file: runs of them are
    // compared at once, single ones at the runs' ends. Anything else (blanks, a comma, a line
    // end without CR, another number, the file's end) is read item by item from there.
    static const Achtzeilen<3> nullen("0\r\n");
    static const Achtzeilen<5> volle("255\r\n");
    // Regions are small, so most of the grid's columns of 48 cells are clear: tried as one
    // block where a column begins.
    constexpr int spalte = 48;
    static const QByteArray leereSpalte = QByteArray("0\r\n").repeated(spalte);
    int i = 0;
    while (i < count) {
        const char* p = pos;
        const int anfang = i;
        while (i < count && p < ende) {
            const qint64 rest = ende - p;
            // Runs of eight stay within a column, so that the next column begins a block.
            const int inSpalte = std::min(spalte - i % spalte, count - i);
            if (*p == '0') {
                if (inSpalte == spalte && rest >= leereSpalte.size() &&
                    std::memcmp(p, leereSpalte.constData(), leereSpalte.size()) == 0) {
                    std::memset(cells + i, 0, spalte);
                    p += leereSpalte.size();
                    i += spalte;
                } else if (inSpalte >= 8 && rest >= nullen.laenge && nullen.bei(p)) {
                    std::memset(cells + i, 0, 8);
                    p += nullen.laenge;
                    i += 8;
                } else if (rest >= 3 && p[1] == '\r' && p[2] == '\n') {
                    p += 3;
                    cells[i++] = false;
                } else {
                    break;
                }
            } else if (*p == '2') {
                if (inSpalte >= 8 && rest >= volle.laenge && volle.bei(p)) {
                    std::fill_n(cells + i, 8, true);
                    p += volle.laenge;
                    i += 8;
                } else if (rest >= 5 && std::memcmp(p, "255\r\n", 5) == 0) {
                    p += 5;
                    cells[i++] = true;
                } else {
                    break;
                }
            } else {
                break;
            }
        }
        pos = p;
        if (i > anfang) {
            zeile += i - anfang;
            itemZeile = zeile - 1;
        }
        if (i == count)
            break;
        int wert = 0;
        if (!readByte(wert))
            return false;
        cells[i++] = wert == 255;
    }
    return true;
}

bool ItemReader::readFlag(bool& value)
{
    const char* const anfang = pos;
    const int anfangsZeile = zeile;
    itemZeile = zeile;
    skipBlanks();
    static constexpr char wahr[] = "#TRUE#";
    static constexpr char falsch[] = "#FALSE#";
    bool v = false;
    if (ende - pos >= 6 && std::memcmp(pos, wahr, 6) == 0) {
        pos += 6;
        v = true;
    } else if (ende - pos >= 7 && std::memcmp(pos, falsch, 7) == 0) {
        pos += 7;
    } else {
        pos = anfang;
        return false;
    }
    if (!endItem()) {
        pos = anfang;
        zeile = anfangsZeile;
        return false;
    }
    value = v;
    return true;
}

bool ItemReader::readString(QString& text)
{
    const char* const anfang = pos;
    itemZeile = zeile;
    skipBlanks();
    if (pos == ende || *pos != '"') {
        pos = anfang;
        return false;
    }
    const char* const inhalt = pos + 1;
    const char* p = inhalt;
    while (p < ende && *p != '"' && *p != '\r' && *p != '\n')
        ++p;
    if (p == ende || *p != '"') {
        // No closing quote on this line: the texts we write never span lines.
        pos = anfang;
        return false;
    }
    text = Cp1252::decode(inhalt, p - inhalt);
    letzterText = {inhalt - anfangDerDatei, p - inhalt};
    pos = p + 1;
    while (pos < ende && *pos != '\r' && *pos != '\n')
        ++pos;
    if (pos < ende) {
        if (*pos == '\r' && pos + 1 < ende && pos[1] == '\n')
            ++pos;
        ++pos;
        ++zeile;
    }
    return true;
}
