#pragma once

#include "HotSpotUeberblick.h"
#include "Picture2.h"
#include "canvas/Strich.h"
#include "model/RaumBearbeitung.h"

#include <QImage>
#include <QRegion>
#include <QWidget>
#include <functional>
#include <optional>

class Module1;
struct HotSpot;

/// The 640 x 480 canvas: the room's picture stretched over it and the selected hotspot's
/// cells inverted on top. It keeps its content in an image of its own, so what is drawn on
/// it stays until it is cleared and survives every repaint. The mouse edits the selected
/// hotspot's cells.
class Picture1 : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Breite = 640;
    static constexpr int Hoehe = 480;

    /// `auswahl` gives the index of the selected hotspot, -1 for none; it is asked on every
    /// mouse event and redraw.
    Picture1(Module1& raum, std::function<int()> auswahl, QWidget* parent = nullptr);

    /// Trims `Bild`, clears the canvas when it is empty, else finds the picture (the name
    /// may be replaced by the path it was found at), loads it into the holder and paints it
    /// stretched over the cleared canvas. False, with canvas and holder as they were, when the
    /// picture cannot be loaded.
    bool BildLaden(QString& Bild);
    /// The file BildLaden() loads for the room's background; empty for none.
    static QString bildDatei(const Module1& raum);
    /// Holds a picture decoded before (Picture2::dekodieren()) for BildLaden().
    void bildVorgeben(Picture2::Dekodiert bild) { holder.uebernehmen(std::move(bild)); }
    /// Paints the room's picture and inverts the selected hotspot's cells over it. False,
    /// with nothing drawn, when the picture cannot be loaded.
    bool BildAufbau();
    /// Inverts the selected hotspot's cells over what the canvas shows.
    void zellenZeichnen();
    void clear();

    /// Switches the overview of all hotspots on or off; it is painted over the canvas,
    /// never into its image.
    void ueberblickUmschalten();
    bool ueberblickAn() const { return ueberblick; }
    /// The room changed (cells, hotspots, names, "Aktiv"): the overview takes its names and
    /// colours afresh and is painted again. A stroke in progress is painted from the room as
    /// it goes; its names follow when it has become a step of the history.
    void raumGeaendert();

    const QImage& bild() const { return image; }
    const Picture2& picture2() const { return holder; }
    const Strich& strich() const { return stroke; }

    /// A stroke whose release the canvas has not seen yet (the room is about to change in
    /// another way) ends here: what it changed so far is reported.
    void strichAbschliessen();

Q_SIGNALS:
    /// A stroke has ended; it flipped these cells of the hotspot, with the buttons pressed
    /// during it (Strich::Links, Strich::Rechts, ...). Not sent when it changed no cell.
    void strichFertig(qint32 hotSpot, const QVector<RaumBearbeitung::Zelle>& zellen, int knoepfe);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    HotSpot* ausgewaehlt() const;
    /// Replaces the whole canvas; a stroke in progress ends.
    void neuMalen(const QImage& inhalt);
    /// Inverts the marks in the image and returns the area they touched.
    QRegion invertieren(const QVector<Marke>& marken);
    /// Repaints what a mouse event changed.
    void strichZeigen(QRegion geaendert);

    Module1& m;
    std::function<int()> auswahl;
    Picture2 holder;
    Strich stroke;
    /// The hotspot's cells as the stroke in progress found them.
    struct Aufnahme
    {
        qint32 hotSpot;
        decltype(HotSpot::Feld) vorher;
        int knoepfe = 0;
    };
    std::optional<Aufnahme> aufnahme;
    QImage image;
    HotSpotUeberblick ueberblickBild;
    bool ueberblick = false;
};
