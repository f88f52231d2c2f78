// Finds an ordinary file in a folder whatever the letter case of its name.
#include "FindeDatei.h"

#include <QDir>
#include <QDirIterator>
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

DateiSuche::Liste& DateiSuche::liste(const QString& ordner)
{
    auto liste = listen.find(ordner);
    if (liste == listen.end()) {
        liste = listen.insert(ordner, {});
        // One pass over the folder serves both the lists of the game's files and the
        // look-ups; QDirIterator makes no list of QFileInfo first.
        QDirIterator it(ordner, QDir::Files | QDir::Hidden);
        while (it.hasNext()) {
            it.next();
            const QFileInfo info = it.fileInfo();
            liste->eintraege.append({info.fileName(), info.isHidden()});
        }
    }
    return *liste;
}

const QVector<DateiSuche::Eintrag>& DateiSuche::eintraege(const QString& ordner)
{
    return liste(ordner).eintraege;
}

QString DateiSuche::finde(const QString& ordner, const QString& name)
{
    if (!gueltig(name))
        return QString();
    Liste& l = liste(ordner);
    if (!l.nachgeschlagen) {
        l.nachgeschlagen = true;
        for (const Eintrag& eintrag : std::as_const(l.eintraege)) {
            l.namen.insert(eintrag.name);
            QString& erster = l.gefaltet[eintrag.name.toCaseFolded()];
            if (erster.isEmpty() || eintrag.name < erster)
                erster = eintrag.name;
        }
    }
    if (l.namen.contains(name))
        return ordner + name;
    const QString gefunden = l.gefaltet.value(name.toCaseFolded());
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
