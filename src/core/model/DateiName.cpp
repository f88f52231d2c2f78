// The bare file name of a path, and the key under which "Goto" finds a file.
#include "DateiName.h"

#include "BildPfad.h"

namespace {

qsizetype letzterTrenner(QStringView pfad)
{
    return std::max(pfad.lastIndexOf(QLatin1Char('\\')), pfad.lastIndexOf(QLatin1Char('/')));
}

} // namespace

QString DateiName(const QString& pfad)
{
    const qsizetype p = letzterTrenner(pfad);
    return p < 0 ? pfad : pfad.mid(p + 1);
}

QStringView dateiSchluesselTeil(QStringView wert)
{
    const QStringView name = ohneLeerzeichen(wert);
    return name.mid(letzterTrenner(name) + 1);
}

QString dateiSchluessel(const QString& wert)
{
    return dateiSchluesselTeil(wert).toString().toCaseFolded();
}
