#include "BildDatei.h"

#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

namespace BildDatei {

QImage laden(const QString& pfad, QString* fehler)
{
    // Qt refuses to decode more than 128 MB, less than a large photo of a room needs.
    static const bool grenzeGesetzt = [] {
        QImageReader::setAllocationLimit(1024);
        return true;
    }();
    Q_UNUSED(grenzeGesetzt);
    QImageReader reader(pfad);
    reader.setDecideFormatFromContent(true);
    QImage bild = reader.read();
    if (bild.isNull() && fehler)
        *fehler = reader.errorString();
    // A name ending in "@2x" would make the picture half as large on the screen.
    bild.setDevicePixelRatio(1);
    return bild;
}

bool bmpSchreiben(const QString& pfad, const QImage& bild, QString* fehler)
{
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly)) {
        if (fehler)
            *fehler = datei.errorString();
        return false;
    }
    QImageWriter writer(&datei, "BMP");
    // commit() misses a failed flush of its buffer: a file cut short would count as written.
    if (!writer.write(bild) || !datei.flush()) {
        if (fehler)
            *fehler = writer.error() != QImageWriter::UnknownError ? writer.errorString()
                                                                   : datei.errorString();
        datei.cancelWriting();
        return false;
    }
    if (!datei.commit()) {
        if (fehler)
            *fehler = datei.errorString();
        return false;
    }
    return true;
}

} // namespace BildDatei
