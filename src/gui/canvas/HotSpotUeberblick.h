#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QVector>
#include <optional>

class Module1;
class QPainter;

/// The overview of all hotspots over the canvas: every hotspot's cells tinted in a colour of
/// its own and outlined, cells of more than one hotspot hatched, each name at the centre of
/// its largest patch, hotspots that are not active paler. The cells are read from the room
/// on every paint; only colours and the names, drawn on their plates, are kept, made once
/// per change.
class HotSpotUeberblick
{
public:
    /// The colour of hotspot `index`: hues far apart for neighbouring indices, bright enough
    /// for dark pictures and saturated enough for light ones.
    static QColor farbe(int index);

    /// Takes the names, colours and name places from the room.
    void berechnen(const Module1& raum);

    /// Paints the overview over what `painter` shows, leaving the cells of hotspot
    /// `ausgewaehlt` (-1 for none) untinted so its inversion stays on top.
    void malen(QPainter& painter, const Module1& raum, int ausgewaehlt) const;

private:
    struct Name
    {
        /// The name on its plate, ready to be copied onto the canvas at `ort`.
        QImage bild;
        QPoint ort;
    };
    QVector<QRgb> farben;
    QVector<std::optional<Name>> namen;
    /// Where each paint draws tints, outlines and hatching before they go onto the canvas in
    /// one go; only its memory is kept from paint to paint.
    mutable QImage ebene;
};
