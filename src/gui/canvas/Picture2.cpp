#include "Picture2.h"

#include "Picture1.h"
#include "platform/BildDatei.h"

#include <QFileInfo>
#include <QPainter>

// Black, so that the inverted cell marks stand out white before any picture is loaded.
const QColor Picture2::leer(Qt::black);

bool Picture2::haelt(const QFileInfo& info) const
{
    // The change time too: a copy that keeps the modification time (cp -p, unzip) still
    // sets it.
    const Dekodiert& g = gehalten;
    return !g.nativ.isNull() && info.absoluteFilePath() == g.pfad && info.size() == g.groesse &&
           info.lastModified() == g.geaendert && info.metadataChangeTime() == g.metadatenGeaendert;
}

bool Picture2::laden(const QString& datei)
{
    const QFileInfo info(datei);
    if (!info.isFile())
        return false;
    if (haelt(info))
        return true;
    ++dekodiert;
    std::optional<Dekodiert> neu = dekodieren(datei);
    if (!neu)
        return false;
    uebernehmen(std::move(*neu));
    return true;
}

std::optional<Picture2::Dekodiert> Picture2::dekodieren(const QString& datei)
{
    const QFileInfo info(datei);
    if (!info.isFile())
        return std::nullopt;
    // The file as it was before it was read: changed meanwhile, it is read again.
    Dekodiert d{info.absoluteFilePath(), info.size(),
                info.lastModified(),     info.metadataChangeTime(),
                BildDatei::laden(datei), QImage()};
    if (d.nativ.isNull())
        return std::nullopt;
    d.leinwand = QImage(Picture1::Breite, Picture1::Hoehe, QImage::Format_RGB32);
    d.leinwand.fill(leer);
    {
        // scaled() averages when it shrinks, where the painter's filter would only sample.
        QPainter painter(&d.leinwand);
        painter.drawImage(
            0, 0,
            d.nativ.scaled(d.leinwand.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    return d;
}
