// One string of a PO file: read from its quotes with C's escapes, and written so.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

/// The quoted strings of PO files as gettext's programs write them.
class PoZeichenkette
{
public:
    /// The quoted string at the start of `zeile`, unescaped into `ziel`; the reason when it is
    /// none.
    static QString lesen(QByteArrayView zeile, QByteArray& ziel);
    /// `text` as UTF-8 between quotes, its backslashes, quotes and control characters escaped.
    static void escapen(QByteArray& aus, const QString& text);
};
