#include "FindeDatei.h"

#include <QDir>
#include <QFileInfo>

QString DateiSuche::finde(const QString& ordner, const QString& name)
{
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return QString();
    const QString genau = ordner + name;
    if (QFileInfo(genau).isFile())
        return genau;
    auto liste = listen.find(ordner);
    if (liste == listen.end()) {
        liste = listen.insert(ordner, {});
        // Without QDir::System, as isFile above: a broken link, a pipe or a device is no file.
        const QStringList eintraege =
            QDir(ordner).entryList(QDir::Files | QDir::Hidden, QDir::NoSort);
        for (const QString& eintrag : eintraege) {
            QString& erster = (*liste)[eintrag.toCaseFolded()];
            if (erster.isEmpty() || eintrag < erster)
                erster = eintrag;
        }
    }
    const QString gefunden = liste->value(name.toCaseFolded());
    return gefunden.isEmpty() ? QString() : ordner + gefunden;
}

QString findeDatei(const QString& ordner, const QString& name)
{
    return DateiSuche().finde(ordner, name);
}
