#include "FindeDatei.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool gueltig(const QString& name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

/// The first name in byte order among the files of `eintraege` spelt `name` but for letter case.
QString gleichBisAufGross(const QStringList& eintraege, const QString& name)
{
    const QString gesucht = name.toCaseFolded();
    QString erster;
    for (const QString& eintrag : eintraege) {
        if ((erster.isEmpty() || eintrag < erster) && eintrag.toCaseFolded() == gesucht)
            erster = eintrag;
    }
    return erster;
}

/// Without QDir::System, as QFileInfo::isFile: a broken link, a pipe or a device is no file.
QStringList dateien(const QString& ordner)
{
    return QDir(ordner).entryList(QDir::Files | QDir::Hidden, QDir::NoSort);
}

} // namespace

QString DateiSuche::finde(const QString& ordner, const QString& name)
{
    if (!gueltig(name))
        return QString();
    auto liste = listen.find(ordner);
    if (liste == listen.end()) {
        liste = listen.insert(ordner, {});
        for (const QString& eintrag : dateien(ordner)) {
            liste->namen.insert(eintrag);
            QString& erster = liste->gefaltet[eintrag.toCaseFolded()];
            if (erster.isEmpty() || eintrag < erster)
                erster = eintrag;
        }
    }
    if (liste->namen.contains(name))
        return ordner + name;
    const QString gefunden = liste->gefaltet.value(name.toCaseFolded());
    return gefunden.isEmpty() ? QString() : ordner + gefunden;
}

QString findeDatei(const QString& ordner, const QString& name)
{
    // One name: asking for it costs less than listing the folder.
    if (!gueltig(name))
        return QString();
    const QString genau = ordner + name;
    if (QFileInfo(genau).isFile())
        return genau;
    const QString gefunden = gleichBisAufGross(dateien(ordner), name);
    return gefunden.isEmpty() ? QString() : ordner + gefunden;
}
