#include "DateiName.h"

QString DateiName(const QString& pfad)
{
    const qsizetype p =
        std::max(pfad.lastIndexOf(QLatin1Char('\\')), pfad.lastIndexOf(QLatin1Char('/')));
    return p < 0 ? pfad : pfad.mid(p + 1);
}

QString dateiSchluessel(const QString& wert)
{
    return DateiName(wert.trimmed()).toCaseFolded();
}
