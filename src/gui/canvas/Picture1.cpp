#include "Picture1.h"

#include "model/BildPfad.h"
#include "model/Module1.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

namespace {

int knopfWert(Qt::MouseButtons knoepfe)
{
    return (knoepfe & Qt::LeftButton ? Strich::Links : 0) |
           (knoepfe & Qt::RightButton ? Strich::Rechts : 0) |
           (knoepfe & Qt::MiddleButton ? Strich::Mitte : 0);
}

} // namespace

Picture1::Picture1(Module1& raum, std::function<int()> auswahl, QWidget* parent)
    : QWidget(parent), m(raum), auswahl(std::move(auswahl)),
      image(Breite, Hoehe, QImage::Format_RGB32)
{
    setObjectName(QStringLiteral("Picture1"));
    setFixedSize(Breite, Hoehe);
    setAttribute(Qt::WA_OpaquePaintEvent);
    image.fill(Picture2::leer);
}

HotSpot* Picture1::ausgewaehlt() const
{
    const int i = auswahl ? auswahl() : -1;
    return i >= 0 && i <= m.HotSpotMax ? &m.HotSpots[i] : nullptr;
}

void Picture1::neuMalen(const QImage& inhalt)
{
    image = inhalt;
    stroke.abbrechen();
    update();
}

void Picture1::clear()
{
    QImage leer(Breite, Hoehe, QImage::Format_RGB32);
    leer.fill(Picture2::leer);
    neuMalen(leer);
}

bool Picture1::BildLaden(QString& Bild)
{
    Bild = ohneLeerzeichen(Bild);
    if (Bild.isEmpty()) {
        clear();
        return true;
    }
    Bild = bildPfad(Bild, m);
    if (!holder.laden(Bild))
        return false;
    neuMalen(holder.gestreckt());
    return true;
}

QString Picture1::bildDatei(const Module1& raum)
{
    const QString bild = ohneLeerzeichen(raum.Hintergrund());
    return bild.isEmpty() ? QString() : bildPfad(bild, raum);
}

bool Picture1::BildAufbau()
{
    QString bild = m.Hintergrund();
    if (!BildLaden(bild))
        return false;
    zellenZeichnen();
    return true;
}

void Picture1::zellenZeichnen()
{
    if (const HotSpot* spot = ausgewaehlt())
        update(invertieren(Strich::zellenMarken(*spot)));
}

QRegion Picture1::invertieren(const QVector<Marke>& marken)
{
    if (marken.isEmpty())
        return {};
    // Exclusive-or with white inverts every pixel and undoes itself.
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    QRect zellen;
    QRegion geaendert;
    for (const Marke& marke : marken) {
        const QVector<QRect> flaechen = marke.flaechen();
        for (const QRect& r : flaechen)
            painter.fillRect(r, Qt::white);
        // A band changes only its outline, which may run round the whole canvas.
        if (marke.art == Marke::Art::Band) {
            for (const QRect& r : flaechen)
                geaendert += r;
        } else {
            zellen |= marke.umriss();
        }
    }
    return geaendert + zellen;
}

void Picture1::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), image, event->rect());
    if (ueberblick)
        ueberblickBild.malen(painter, m, auswahl ? auswahl() : -1);
}

void Picture1::ueberblickUmschalten()
{
    ueberblick = !ueberblick;
    if (ueberblick)
        ueberblickBild.berechnen(m);
    update();
}

void Picture1::raumGeaendert()
{
    // While the overview is off, switching it on takes the room as it then is.
    if (!ueberblick)
        return;
    ueberblickBild.berechnen(m);
    update();
}

void Picture1::strichZeigen(QRegion geaendert)
{
    // The overview outlines a hotspot along the cells beside the changed ones as well.
    if (ueberblick) {
        QRegion weiter;
        for (const QRect& r : geaendert)
            weiter += r.adjusted(-Strich::Pixel, -Strich::Pixel, Strich::Pixel, Strich::Pixel);
        geaendert = weiter;
    }
    update(geaendert);
}

void Picture1::strichAbschliessen()
{
    if (!aufnahme)
        return;
    const Aufnahme a = *aufnahme;
    aufnahme.reset();
    if (a.hotSpot < 0 || a.hotSpot > m.HotSpotMax)
        return;
    const QVector<RaumBearbeitung::Zelle> zellen =
        RaumBearbeitung::unterschied(a.vorher, m.HotSpots[a.hotSpot].Feld);
    if (!zellen.isEmpty())
        Q_EMIT strichFertig(a.hotSpot, zellen, a.knoepfe);
}

void Picture1::mousePressEvent(QMouseEvent* event)
{
    const int knopf = knopfWert(event->button());
    if (knopf == 0)
        return;
    // A second button pressed during a stroke continues it; a stroke cut off by a redraw
    // ends before the next begins.
    if (!stroke.MausGedrueckt)
        strichAbschliessen();
    HotSpot* spot = ausgewaehlt();
    if (spot && !aufnahme)
        aufnahme = Aufnahme{auswahl(), spot->Feld};
    if (aufnahme)
        aufnahme->knoepfe |= knopf;
    const QPointF p = event->position();
    strichZeigen(
        invertieren(stroke.druecken(spot, knopf, std::nearbyint(p.x()), std::nearbyint(p.y()))));
}

void Picture1::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF p = event->position();
    strichZeigen(invertieren(stroke.bewegen(ausgewaehlt(), knopfWert(event->buttons()),
                                            std::nearbyint(p.x()), std::nearbyint(p.y()))));
}

void Picture1::mouseReleaseEvent(QMouseEvent* event)
{
    const int knopf = knopfWert(event->button());
    if (knopf == 0)
        return;
    strichZeigen(invertieren(stroke.loslassen(ausgewaehlt(), knopf)));
    strichAbschliessen();
}
