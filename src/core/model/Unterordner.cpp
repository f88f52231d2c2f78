// The subfolders of a game folder as they are spelt on disk.
#include "Unterordner.h"

#include <QDir>
#include <QFileInfo>

const QStringList& Unterordner::namen()
{
    static const QStringList alle = {QStringLiteral("rooms"),   QStringLiteral("graphics"),
                                     QStringLiteral("sounds"),  QStringLiteral("movies"),
                                     QStringLiteral("cursors"), QStringLiteral("items"),
                                     QStringLiteral("musics")};
    return alle;
}

Unterordner::Unterordner(const QString& spielordner) : ordner(spielordner)
{
    if (!ordner.endsWith(QLatin1Char('/')))
        ordner += QLatin1Char('/');
    for (const QString& name : namen()) {
        const QString gefunden = finden(ordner, name);
        if (!gefunden.isNull() && gefunden != name)
            anders.insert(name, gefunden);
    }
}

QString Unterordner::pfad(const QString& relativ) const
{
    QString rest = QDir::fromNativeSeparators(relativ);
    const qsizetype schnitt = rest.indexOf(QLatin1Char('/'));
    const QString erster = schnitt < 0 ? rest : rest.left(schnitt);
    const auto it = anders.constFind(erster.toCaseFolded());
    if (it == anders.constEnd())
        return ordner + rest;
    return ordner + *it + (schnitt < 0 ? QString() : rest.mid(schnitt));
}

QString Unterordner::finden(const QString& ordner, const QString& name)
{
    const QDir d(ordner);
    if (QFileInfo(d.filePath(name)).isDir())
        return name;
    const QString gesucht = name.toCaseFolded();
    QString erster;
    for (const QString& eintrag : d.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot)) {
        if (eintrag.toCaseFolded() == gesucht && (erster.isNull() || eintrag < erster))
            erster = eintrag;
    }
    return erster;
}
