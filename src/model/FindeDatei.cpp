#include "FindeDatei.h"

#include "DateiName.h"

#include <QDir>
#include <QFileInfo>

QString findeDatei(const QString& ordner, const QString& name)
{
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return QString();
    const QString genau = ordner + name;
    if (QFileInfo(genau).isFile())
        return genau;
    QString gefunden;
    const QStringList eintraege =
        QDir(ordner).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::NoSort);
    for (const QString& eintrag : eintraege) {
        if (eintrag.compare(name, Qt::CaseInsensitive) == 0 &&
            (gefunden.isEmpty() || eintrag < gefunden))
            gefunden = eintrag;
    }
    return gefunden.isEmpty() ? QString() : ordner + gefunden;
}

QString findeHintergrund(const QString& appPfad, const QString& graphicsPfad, const QString& bild)
{
    const QString name = bild.trimmed();
    if (name.isEmpty())
        return QString();
    const QString gespeichert = QDir(appPfad).filePath(name);
    if (QFileInfo(gespeichert).isFile())
        return gespeichert;
    return findeDatei(graphicsPfad, DateiName(name));
}
