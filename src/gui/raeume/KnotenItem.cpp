#include "KnotenItem.h"

#include "RaumBildDelegat.h"
#include "Vorschauen.h"
#include "spiel/SpielDatei.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionGraphicsItem>

namespace {

constexpr double seite = 8;
constexpr double oben = 6;

QColor fuellung(KartenKnoten::Art art)
{
    // As the map tarnholm-check writes colours them.
    switch (art) {
    case KartenKnoten::Art::Raum:
        return QColor(0xf3, 0xea, 0xd0);
    case KartenKnoten::Art::Unlesbar:
        return QColor(0xf4, 0xc7, 0xc3);
    case KartenKnoten::Art::ItemSkript:
        return QColor(0xdd, 0xe8, 0xf3);
    case KartenKnoten::Art::Fehlt:
        break;
    }
    return Qt::white;
}

} // namespace

KnotenItem::KnotenItem(KartenKnoten knoten, const QRectF& rahmen, Vorschauen& vorschauen)
    : k(std::move(knoten)), groesse(rahmen.size()), vorschauen(vorschauen)
{
    setPos(rahmen.topLeft());
    setFlag(ItemIsSelectable);
    // Presses go to the view, which pans with every drag and picks nodes by clicks.
    setAcceptedMouseButtons(Qt::NoButton);
    QStringList tipp = k.beschriftung;
    if (k.art == KartenKnoten::Art::Raum || k.art == KartenKnoten::Art::Unlesbar)
        tipp << QStringLiteral("Doppelklick öffnet den Raum im Editor.");
    setToolTip(tipp.join(QLatin1Char('\n')));
}

void KnotenItem::setRaum(std::shared_ptr<const SpielDatei> neu)
{
    if (neu == raum)
        return;
    raum = std::move(neu);
    update();
}

void KnotenItem::setOffen(bool neu)
{
    if (neu == offen)
        return;
    offen = neu;
    update();
}

QRectF KnotenItem::boundingRect() const
{
    // Room for the thick frame of the open room.
    return QRectF(QPointF(), groesse).adjusted(-3, -3, 3, 3);
}

void KnotenItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*)
{
    const double lod = option->levelOfDetailFromTransform(painter->worldTransform());
    const QRectF r(QPointF(), groesse);
    const QColor farbe = fuellung(k.art);
    if (lod < 0.12) {
        painter->fillRect(r, offen ? RaumBildDelegat::offenFarbe : farbe);
        return;
    }
    painter->setRenderHint(QPainter::Antialiasing, lod >= 0.4);
    QPen stift(k.art == KartenKnoten::Art::Fehlt ? QColor(0xb0, 0x30, 0x20)
                                                 : QColor(0x5a, 0x46, 0x32));
    if (k.art == KartenKnoten::Art::Unlesbar || k.art == KartenKnoten::Art::Fehlt)
        stift.setStyle(Qt::DashLine);
    if (offen)
        stift = QPen(RaumBildDelegat::offenFarbe, 4);
    painter->setPen(stift);
    painter->setBrush(farbe);
    painter->drawRoundedRect(r, 6, 6);
    if (isSelected()) {
        painter->setPen(QPen(QColor(0x30, 0x70, 0xc0), 2));
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(r.adjusted(3, 3, -3, -3), 4, 4);
    }

    const QRectF bildRahmen(seite, oben, Vorschauen::Breite, Vorschauen::Hoehe);
    const bool istRaum = k.art == KartenKnoten::Art::Raum || k.art == KartenKnoten::Art::Unlesbar;
    if (istRaum) {
        // Zoomed out, a thumbnail would be a few pixels: none is made for it.
        const QPixmap bild = raum && lod >= 0.2 ? vorschauen.bild(raum) : QPixmap();
        if (bild.isNull())
            painter->fillRect(bildRahmen, QColor(0x50, 0x50, 0x50));
        else
            painter->drawPixmap(bildRahmen, bild, QRectF(bild.rect()));
    }
    if (lod < 0.4)
        return;
    QFont schrift;
    schrift.setPixelSize(11);
    painter->setPen(QColor(0x20, 0x18, 0x10));
    if (!istRaum || k.art == KartenKnoten::Art::Unlesbar) {
        // What dot's label says beside the name: "(gibt es nicht)", "(nicht lesbar)".
        QStringList zeilen = k.beschriftung.mid(1);
        if (k.art == KartenKnoten::Art::ItemSkript)
            zeilen << QStringLiteral("Gegenstandsskript");
        painter->setFont(schrift);
        if (k.art == KartenKnoten::Art::Unlesbar) {
            painter->fillRect(
                QRectF(bildRahmen.left(), bildRahmen.bottom() - 18, bildRahmen.width(), 18),
                QColor(0xf4, 0xc7, 0xc3));
            painter->drawText(bildRahmen.adjusted(0, 0, 0, -2), Qt::AlignHCenter | Qt::AlignBottom,
                              QStringLiteral("nicht lesbar"));
        } else {
            painter->drawText(bildRahmen, Qt::AlignCenter | Qt::TextWordWrap,
                              zeilen.join(QLatin1Char('\n')));
        }
    }
    schrift.setBold(offen);
    painter->setFont(schrift);
    QRectF zeile(seite, oben + Vorschauen::Hoehe + 2, Vorschauen::Breite,
                 groesse.height() - oben - Vorschauen::Hoehe - 4);
    // A room whose scripts have faults shows the error icon with their number, as in "Bilder".
    const int fehler = raum ? int(raum->fehler.size()) : 0;
    if (fehler > 0) {
        static const QPixmap symbol =
            QApplication::style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(12);
        const QString zahl = QString::number(fehler);
        const double breite = 12 + 2 + painter->fontMetrics().horizontalAdvance(zahl);
        const QRectF rechts(zeile.right() - breite, zeile.top(), breite, zeile.height());
        painter->drawPixmap(QRectF(rechts.left(), rechts.center().y() - 6, 12, 12), symbol,
                            QRectF(symbol.rect()));
        painter->setPen(QColor(0xb0, 0x30, 0x20));
        painter->drawText(rechts, Qt::AlignRight | Qt::AlignVCenter, zahl);
        painter->setPen(QColor(0x20, 0x18, 0x10));
        zeile.adjust(breite + 2, 0, -breite - 2, 0);
    }
    painter->drawText(zeile, Qt::AlignCenter,
                      painter->fontMetrics().elidedText(k.beschriftung.value(0), Qt::ElideMiddle,
                                                        int(zeile.width())));
}
