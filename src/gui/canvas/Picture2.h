#pragma once

#include <QDateTime>
#include <QImage>
#include <QString>
#include <optional>

class QFileInfo;

/// The picture holder: the picture last loaded, at its native size, never shown. It also
/// keeps that picture stretched over the cleared canvas, and decodes a file again only when
/// its path, size or modification time changed, so a redraw of the same room is cheap.
class Picture2
{
public:
    /// A picture file decoded, and the file as it was then.
    struct Dekodiert
    {
        QString pfad;
        qint64 groesse = -1;
        QDateTime geaendert;
        QDateTime metadatenGeaendert;
        QImage nativ;
        QImage leinwand;
    };

    /// Loads the picture file at `pfad`, the format decided by its content. When it cannot
    /// be loaded, the holder keeps the picture it had.
    bool laden(const QString& pfad);
    /// Decodes the picture file at `pfad` as laden() would, on any thread; nothing when it
    /// cannot be loaded.
    static std::optional<Dekodiert> dekodieren(const QString& pfad);
    /// Holds a picture decoded before: laden() of its file takes it while the file is as it
    /// was then.
    void uebernehmen(Dekodiert bild) { gehalten = std::move(bild); }

    /// The picture at its native size.
    const QImage& bild() const { return gehalten.nativ; }
    QSize size() const { return gehalten.nativ.size(); }
    /// The picture stretched to 640 x 480 over the canvas's background colour, smoothly
    /// filtered: what the canvas shows without marks.
    const QImage& gestreckt() const { return gehalten.leinwand; }

    /// How many times a file was decoded.
    int dekodierungen() const { return dekodiert; }

    /// The canvas's colour before any picture is painted.
    static const QColor leer;

private:
    /// Whether the file at `info` is the one held, unchanged.
    bool haelt(const QFileInfo& info) const;

    Dekodiert gehalten;
    int dekodiert = 0;
};
