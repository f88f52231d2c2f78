#include "BildDatei.h"

#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

namespace BildDatei {

QImage laden(const QString& pfad, QString* fehler)
{
    QImageReader reader(pfad);
    reader.setDecideFormatFromContent(true);
    QImage bild = reader.read();
    if (bild.isNull() && fehler)
        *fehler = reader.errorString();
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
    if (!writer.write(bild)) {
        if (fehler)
            *fehler = writer.errorString();
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
