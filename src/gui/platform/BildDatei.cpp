#include "BildDatei.h"

#include "roomfile/TextFile.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <memory>

namespace BildDatei {

namespace {

void grenzeSetzen()
{
    // Qt refuses to decode more than 128 MB, less than a large photo of a room needs.
    static const bool grenzeGesetzt = [] {
        QImageReader::setAllocationLimit(1024);
        return true;
    }();
    Q_UNUSED(grenzeGesetzt);
}

/// A reader of the picture at `pfad` that goes by its content, whatever its name says. Asked
/// without a format, Qt loads every image plugin to ask it; a BMP, the editor's own format, is
/// known by its first bytes to Qt's own handler, which is asked first.
std::unique_ptr<QImageReader> leser(const QString& pfad)
{
    grenzeSetzen();
    auto bmp = std::make_unique<QImageReader>(pfad, QByteArrayLiteral("bmp"));
    bmp->setAutoDetectImageFormat(false);
    if (bmp->canRead())
        return bmp;
    auto reader = std::make_unique<QImageReader>(pfad);
    reader->setDecideFormatFromContent(true);
    return reader;
}

} // namespace

QImage laden(const QString& pfad, QString* fehler)
{
    const std::unique_ptr<QImageReader> reader = leser(pfad);
    QImage bild = reader->read();
    if (bild.isNull() && fehler)
        *fehler = reader->errorString();
    // A name ending in "@2x" would make the picture half as large on the screen.
    bild.setDevicePixelRatio(1);
    return bild;
}

QImage vorschau(const QString& pfad, QSize groesse)
{
    const std::unique_ptr<QImageReader> reader = leser(pfad);
    reader->setScaledSize(groesse);
    QImage bild = reader->read();
    // The JPEG reader stops at a whole fraction of the size; the rest is smoothed here.
    if (!bild.isNull() && bild.size() != groesse)
        bild = bild.scaled(groesse, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    bild.setDevicePixelRatio(1);
    return bild;
}

bool bmpSchreiben(const QString& pfad, const QImage& bild, QString* fehler)
{
    // Encoded in memory first, then saved by the one safe writer the room files use.
    QByteArray bytes;
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&puffer, "BMP");
    if (!writer.write(bild)) {
        if (fehler)
            *fehler = writer.errorString();
        return false;
    }
    if (!TextFile::write(pfad, bytes)) {
        if (fehler)
            *fehler = QStringLiteral("Die Datei kann nicht geschrieben werden.");
        return false;
    }
    return true;
}

} // namespace BildDatei
