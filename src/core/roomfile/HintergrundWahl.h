// What a room file stores for a background picture the author chose.
#pragma once

#include <QString>

/// What a room file stores for a background picture the author chose.
namespace HintergrundWahl {

struct Ergebnis
{
    /// The path to store, unpadded; empty when it cannot be stored.
    QString pfad;
    /// Why it cannot, in German.
    QString fehler;
};

/// The file holds the path as chosen, between quotes, in at most 100 characters. A picture
/// of the graphics folder `graphicsPfad` is found by its bare name too, so a path too long
/// for the file keeps only that.
Ergebnis pruefen(const QString& gewaehlt, const QString& graphicsPfad);

} // namespace HintergrundWahl
