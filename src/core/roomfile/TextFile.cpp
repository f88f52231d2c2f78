#include "TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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
    // commit() does not notice when flushing its buffer fails (a small file on a full disk
    // would be committed cut short), so the buffer is flushed and checked first.
    if (datei.write(bytes) != bytes.size() || !datei.flush()) {
        datei.cancelWriting();
        return false;
    }
    return datei.commit();
}

} // namespace TextFile
