// Reads the items of a room or item script file, one value a line.
#pragma once

#include <QByteArray>
#include <QString>

/// Where a string item's text lies in the file's bytes, between its quotes.
struct TextBereich
{
    qsizetype anfang = -1;
    qsizetype laenge = 0;
};

/// Reads the items of a room or item script file from bytes in memory: one item per line,
/// a comma outside quotes also ends an item, blanks before an item are skipped.
/// A read that fails leaves the reader where the failed item began; line() then names
/// the line of the file where reading stopped.
class ItemReader
{
public:
    /// The bytes must outlive the reader.
    explicit ItemReader(const QByteArray& bytes);

    /// A string item: a double quote, the text, a double quote on the same line; what
    /// follows the closing quote up to the line end is skipped.
    bool readString(QString& text);
    /// A decimal integer in 32 bits, optionally signed.
    bool readLong(qint32& value);
    /// "#TRUE#" or "#FALSE#".
    bool readFlag(bool& value);
    /// A decimal integer from 0 to 255.
    bool readByte(int& value);
    /// `count` byte items as grid cells: a cell is set exactly when its value is 255. On a
    /// failure the cells read before it are set and the reader stands at the failed one.
    bool readCells(bool* cells, int count);

    /// 1-based line of the item read last, or of the one that failed to read.
    int line() const { return itemZeile; }
    /// Where the text of the string item read last lies.
    TextBereich lastText() const { return letzterText; }
    /// Bytes not yet read; bounds what callers make for a count read from the file.
    qint64 remaining() const { return ende - pos; }

private:
    void skipBlanks();
    bool endItem();
    bool readInteger(qint64& value, qint64 min, qint64 max);

    const char* const anfangDerDatei;
    const char* pos;
    const char* ende;
    TextBereich letzterText;
    int zeile = 1;
    int itemZeile = 1;
};
