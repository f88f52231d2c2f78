// Writes items the way the game reads them.
#pragma once

#include <QByteArray>
#include <QString>

/// Writes items the way the game reads them: one per line, CR LF after every line,
/// texts in Windows-1252 between double quotes.
class ItemWriter
{
public:
    explicit ItemWriter(QByteArray& out) : out(out) {}

    void writeString(const QString& text);
    void writeLong(qint32 value);
    void writeFlag(bool value);

private:
    QByteArray& out;
};
