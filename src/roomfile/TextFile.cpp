#include "TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace TextFile {

std::optional<QByteArray> read(const QString& pfad)
{
    QFile datei(pfad);
    if (QFileInfo(pfad).isDir() || !datei.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = datei.readAll();
    if (datei.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
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
