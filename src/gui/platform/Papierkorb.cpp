#include "Papierkorb.h"

#include "Desktop.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdio>

namespace Papierkorb {
namespace {

bool daOderLink(const QString& pfad)
{
    const QFileInfo info(pfad);
    return info.exists() || info.isSymLink();
}

} // namespace

Ergebnis entfernen(Desktop& desktop, const QString& pfad)
{
    // A file that is already gone is no failure: it was to go anyway.
    if (!daOderLink(pfad))
        return Ergebnis::Weg;
    // Only what was found as a file goes: a link as the link it is. A name that has become a
    // folder since, with whatever is in it, or a pipe or a device, stays where it is.
    const QFileInfo info(pfad);
    if (!info.isSymLink() && !info.isFile())
        return Ergebnis::Geblieben;
    if (desktop.moveToTrash(pfad))
        return Ergebnis::Weg;
    if (QFile::remove(pfad))
        return Ergebnis::Endgueltig;
    return daOderLink(pfad) ? Ergebnis::Geblieben : Ergebnis::Weg;
}

bool verschieben(const QString& pfad)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // The trash lies in the user's data folder, which a fresh account may not have yet.
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
#endif
    QString imKorb;
    if (!QFile::moveToTrash(pfad, &imKorb))
        return false;
    if (QDir::isAbsolutePath(imKorb))
        return true;
    // Where it finds no trash folder, Qt 6.4 makes "files" and "info" in the current folder
    // and calls that the trash. The file goes back; a link is moved as the link it is.
    const QFileInfo falsch(imKorb);
    std::rename(QFile::encodeName(imKorb).constData(), QFile::encodeName(pfad).constData());
    QDir ordner = falsch.dir();
    QFile::remove(ordner.filePath(QStringLiteral("../info/") + falsch.fileName() +
                                  QStringLiteral(".trashinfo")));
    const QString files = ordner.absolutePath();
    ordner.cdUp();
    ordner.rmdir(QStringLiteral("info"));
    ordner.rmdir(QFileInfo(files).fileName());
    return false;
}

} // namespace Papierkorb
