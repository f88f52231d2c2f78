// What the journal of a rename needs of the disk beyond the safe writer.
#include "Platte.h"

#include "roomfile/Schreibreste.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace Platte {

bool ordnerSichern(const QString& ordner)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(ordner).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
#else
    // NTFS journals its folder entries itself.
    Q_UNUSED(ordner);
    return true;
#endif
}

bool umbenennen(const QString& alt, const QString& neu)
{
    // QFile refuses a name that exists, and renames without replacing where the system can.
    return !da(neu) && QFile::rename(alt, neu);
}

bool da(const QString& pfad)
{
    const QFileInfo info(pfad);
    return info.exists() || info.isSymLink();
}

bool sperren(QLockFile& sperre, int wartezeit)
{
    QElapsedTimer uhr;
    uhr.start();
    do {
        if (sperre.tryLock(std::min(100, wartezeit)))
            return true;
        // Qt never takes a lock without its owner for stale.
        qint64 pid = 0;
        QString rechner, programm;
        if (sperre.error() == QLockFile::LockFailedError &&
            !sperre.getLockInfo(&pid, &rechner, &programm) &&
            QFileInfo(sperre.fileName()).lastModified().msecsTo(QDateTime::currentDateTime()) >
                1000)
            sperre.removeStaleLockFile();
    } while (!uhr.hasExpired(wartezeit));
    return false;
}

QFileInfoList halbGeschrieben(const QString& pfad, const QDateTime& seit)
{
    const QFileInfo info(pfad);
    QFileInfoList reste;
    for (const QFileInfo& rest : info.dir().entryInfoList(
             {info.fileName() + QStringLiteral(".??????")}, QDir::Files | QDir::Hidden)) {
        if (Schreibreste::istRestVon(rest.fileName(), info.fileName()) &&
            rest.lastModified() >= seit)
            reste << rest;
    }
    return reste;
}

} // namespace Platte
