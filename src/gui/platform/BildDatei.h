#pragma once

#include <QImage>
#include <QString>

/// Picture files: decoding whatever Qt reads, and writing BMP without risking the old file.
namespace BildDatei {

/// The picture at `pfad` at its native size, the format decided by the content, not by the
/// extension (a ".jpg" that holds BMP data after a resize still loads), at a device pixel
/// ratio of 1 whatever the name, up to 1024 MB decoded. A null image when
/// the file is missing or holds no picture; `fehler` then says why.
QImage laden(const QString& pfad, QString* fehler = nullptr);

/// The same picture stretched to `groesse`; decoders that can (JPEG) read it at about that
/// size straight away, which is many times faster than reading it whole. Safe on any thread.
QImage vorschau(const QString& pfad, QSize groesse);

/// Writes `bild` as a Windows bitmap the way room files are saved, so a failed write leaves
/// the file that was there exactly as it was.
bool bmpSchreiben(const QString& pfad, const QImage& bild, QString* fehler = nullptr);

} // namespace BildDatei
