#include "FindeDatei.h"

#include "DateiName.h"

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
        const QStringList eintraege =
            QDir(ordner).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::NoSort);
        for (const QString& eintrag : eintraege) {
            QString& erster = (*liste)[eintrag.toCaseFolded()];
            if (erster.isEmpty() || eintrag < erster)
                erster = eintrag;
        }
    }
    const QString gefunden = liste->value(name.toCaseFolded());
    return gefunden.isEmpty() ? QString() : ordner + gefunden;
}

QString DateiSuche::hintergrund(const QString& appPfad, const QString& graphicsPfad,
                                const QString& bild)
{
    const QString name = bild.trimmed();
    if (name.isEmpty())
        return QString();
    const QString gespeichert = QDir(appPfad).filePath(name);
    if (QFileInfo(gespeichert).isFile())
        return gespeichert;
    return finde(graphicsPfad, DateiName(name));
}

QString findeDatei(const QString& ordner, const QString& name)
{
    return DateiSuche().finde(ordner, name);
}

QString findeHintergrund(const QString& appPfad, const QString& graphicsPfad, const QString& bild)
{
    return DateiSuche().hintergrund(appPfad, graphicsPfad, bild);
}
