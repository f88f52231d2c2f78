#include "Picture2.h"

#include "Picture1.h"
#include "platform/BildDatei.h"

#include <QFileInfo>
#include <QPainter>

// Black, so that the inverted cell marks stand out white before any picture is loaded.
const QColor Picture2::leer(Qt::black);

bool Picture2::laden(const QString& datei)
{
    const QFileInfo info(datei);
    if (!info.isFile())
        return false;
    const QString schluessel = info.absoluteFilePath();
    // The change time too: a copy that keeps the modification time (cp -p, unzip) still
    // sets it.
    if (!nativ.isNull() && schluessel == pfad && info.size() == groesse &&
        info.lastModified() == geaendert && info.metadataChangeTime() == metadatenGeaendert)
        return true;

    ++dekodiert;
    const QImage neu = BildDatei::laden(datei);
    if (neu.isNull())
        return false;
    QImage gemalt(Picture1::Breite, Picture1::Hoehe, QImage::Format_RGB32);
    gemalt.fill(leer);
    {
        // scaled() averages when it shrinks, where the painter's filter would only sample.
        QPainter painter(&gemalt);
        painter.drawImage(
            0, 0, neu.scaled(gemalt.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    nativ = neu;
    leinwand = gemalt;
    pfad = schluessel;
    groesse = info.size();
    geaendert = info.lastModified();
    metadatenGeaendert = info.metadataChangeTime();
    return true;
}
