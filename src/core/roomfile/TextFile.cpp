// Whole-file reads and the one safe writer of the editor's files.
#include "TextFile.h"

#include <QFile>
#include <QSaveFile>
#include <algorithm>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace TextFile {

namespace {

/// Reads on from `fertig` to the file's end as it is then, so a file that grew since its size
/// was taken is read whole all the same; `puffer` grows when it must.
bool bisZumEnde(QFile& datei, QByteArray& puffer, qsizetype fertig)
{
    for (;;) {
        if (fertig == puffer.size()) {
            // Full: whether more follows is asked without making room for it first.
            char mehr[4096];
            const qint64 n = datei.read(mehr, sizeof mehr);
            if (n <= 0)
                return n == 0;
            puffer.append(mehr, qsizetype(n));
            fertig += qsizetype(n);
            continue;
        }
        const qint64 n = datei.read(puffer.data() + fertig, puffer.size() - fertig);
        if (n < 0)
            return false;
        if (n == 0)
            break;
        fertig += qsizetype(n);
    }
    puffer.resize(fertig);
    return true;
}

} // namespace

std::optional<QByteArray> read(const QString& pfad)
{
    // Qt refuses to open a folder. Unbuffered, the bytes go straight where they are wanted.
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return std::nullopt;
    QByteArray bytes(qsizetype(datei.size()), Qt::Uninitialized);
    if (!bisZumEnde(datei, bytes, 0))
        return std::nullopt;
    return bytes;
}

bool read(const QString& pfad, QByteArray& puffer)
{
#ifdef Q_OS_UNIX
    // A game's rooms are read by the thousand: QFile asks for the file's state twice on
    // opening and builds an engine for it, more than the reading of a room itself costs.
    // A folder opens but cannot be read (EISDIR), so it fails as with QFile.
    const int fd = ::open(QFile::encodeName(pfad).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    puffer.resize(std::max<qsizetype>(puffer.capacity(), 64 * 1024));
    qsizetype fertig = 0;
    bool gut = true;
    for (;;) {
        if (fertig == puffer.size())
            puffer.resize(puffer.size() * 2);
        const ssize_t n = ::read(fd, puffer.data() + fertig, size_t(puffer.size() - fertig));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            gut = n == 0;
            break;
        }
        fertig += qsizetype(n);
    }
    ::close(fd);
    puffer.resize(gut ? fertig : 0);
    return gut;
#else
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return false;
    // Without asking for the size: a buffer reused from file to file mostly holds the next.
    puffer.resize(std::max<qsizetype>(puffer.capacity(), 64 * 1024));
    return bisZumEnde(datei, puffer, 0);
#endif
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
