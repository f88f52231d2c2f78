// Writes items the way the game reads them.
#include "ItemWriter.h"

#include "Cp1252.h"

void ItemWriter::writeString(const QString& text)
{
    out += '"';
    Cp1252::appendEncoded(out, text);
    out += "\"\r\n";
}

void ItemWriter::writeLong(qint32 value)
{
    char buffer[16];
    char* p = buffer + sizeof buffer;
    qint64 v = value;
    const bool negativ = v < 0;
    if (negativ)
        v = -v;
    do {
        *--p = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v != 0);
    if (negativ)
        *--p = '-';
    out.append(p, buffer + sizeof buffer - p);
    out += "\r\n";
}

void ItemWriter::writeFlag(bool value)
{
    out += value ? "#TRUE#\r\n" : "#FALSE#\r\n";
}
