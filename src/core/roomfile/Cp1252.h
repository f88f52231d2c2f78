// Windows-1252, the code page of every file the game reads.
#pragma once

#include <QByteArray>
#include <QString>

/// Windows-1252, the code page of every file the game reads. Not every Qt build converts
/// it (only those with ICU), so the editor carries its own table.
namespace Cp1252 {

QString decode(const char* data, qsizetype size);
inline QString decode(const QByteArray& bytes)
{
    return decode(bytes.constData(), bytes.size());
}

/// Appends the encoded text. A character the code page cannot hold becomes "?"; callers
/// refuse such texts where they enter the editor (see canEncode).
void appendEncoded(QByteArray& out, const QString& text);
QByteArray encode(const QString& text);

/// Whether every character of the text has a byte in Windows-1252.
bool canEncode(const QString& text);

/// Whether the text can stand between the double quotes of a file line exactly as it is:
/// encodable, no double quote, no line break or other control character.
bool isStorableText(const QString& text);

} // namespace Cp1252
