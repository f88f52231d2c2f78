// Whole-file reads and the one safe writer of the editor's files.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

/// Whole-file reads and writes for the editor's files.
namespace TextFile {

/// The file's bytes, or nothing when it cannot be opened or read.
std::optional<QByteArray> read(const QString& pfad);
/// The same into `puffer`, whose memory is reused: a scan of many files allocates once.
bool read(const QString& pfad, QByteArray& puffer);

/// Writes through a temporary file that replaces the target only when everything was
/// written, so a failed or interrupted save leaves the old file exactly as it was.
bool write(const QString& pfad, const QByteArray& bytes);

} // namespace TextFile
