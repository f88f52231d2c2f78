#include "DateiListe.h"

#include <QDir>
#include <algorithm>

QStringList dateiListe(const QString& ordner, const QString& muster)
{
    // Without QDir::CaseSensitive, Qt matches name filters ignoring case on every platform.
    QStringList namen = QDir(ordner).entryList(muster.split(QLatin1Char(';'), Qt::SkipEmptyParts),
                                               QDir::Files, QDir::NoSort);
    std::sort(namen.begin(), namen.end(), [](const QString& a, const QString& b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return namen;
}
