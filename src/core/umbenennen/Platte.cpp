#include "Platte.h"

#include <QFile>
#include <QFileInfo>

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

} // namespace Platte
