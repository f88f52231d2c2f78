#include "TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <sys/file.h>
#include <unistd.h>
#endif

namespace TextFile {

std::optional<QByteArray> read(const QString& pfad)
{
    QByteArray bytes;
    if (!read(pfad, bytes))
        return std::nullopt;
    return bytes;
}

bool read(const QString& pfad, QByteArray& puffer)
{
    QFile datei(pfad);
    if (QFileInfo(pfad).isDir() || !datei.open(QIODevice::ReadOnly))
        return false;
    puffer.resize(datei.size());
    const qint64 gelesen = datei.read(puffer.data(), puffer.size());
    if (gelesen < 0)
        return false;
    puffer.resize(gelesen);
    // A file that grew since its size was taken is read to its end all the same.
    if (!datei.atEnd())
        puffer += datei.readAll();
    return datei.error() == QFileDevice::NoError;
}

bool write(const QString& pfad, const QByteArray& bytes)
{
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly))
        return false;
#ifdef Q_OS_UNIX
    // Tells Schreibreste::aufraeumen that this file is being written, should it see it under
    // its temporary name. Qt closes its own handle before it gives the file its name: a
    // second one holds the lock until then; the lock goes with the process.
    struct Halten
    {
        int fd;
        ~Halten()
        {
            if (fd >= 0)
                ::close(fd);
        }
    } halten{::dup(int(datei.handle()))};
    if (halten.fd >= 0)
        ::flock(halten.fd, LOCK_EX | LOCK_NB);
#endif
    // commit() does not notice when flushing its buffer fails (a small file on a full disk
    // would be committed cut short), so the buffer is flushed and checked first.
    if (datei.write(bytes) != bytes.size() || !datei.flush()) {
        datei.cancelWriting();
        return false;
    }
    return datei.commit();
}

} // namespace TextFile
