#include "RaumBildDelegat.h"

#include "RaumBildModell.h"
#include "Vorschauen.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

const QColor RaumBildDelegat::offenFarbe(0xe0, 0x8a, 0x00);

namespace {

constexpr int abstand = 6;
constexpr int zeile = 14;

} // namespace

QSize RaumBildDelegat::groesse()
{
    return {Vorschauen::Breite + 2 * abstand + 8,
            abstand + Vorschauen::Hoehe + 4 + 2 * zeile + abstand};
}

QSize RaumBildDelegat::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const
{
    return groesse();
}

void RaumBildDelegat::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const
{
    painter->save();
    const QRect r = option.rect;
    const QPalette& palette = option.palette;
    const bool gewaehlt = option.state & QStyle::State_Selected;
    if (gewaehlt)
        painter->fillRect(r.adjusted(1, 1, -1, -1),
                          palette.color(QPalette::Highlight).lighter(170));

    const QRect bildRahmen(r.x() + (r.width() - Vorschauen::Breite) / 2, r.y() + abstand,
                           Vorschauen::Breite, Vorschauen::Hoehe);
    const QVariant bild = index.data(Qt::DecorationRole);
    if (bild.isValid())
        painter->drawPixmap(bildRahmen.topLeft(), bild.value<QPixmap>());
    else
        painter->fillRect(bildRahmen, QColor(0x50, 0x50, 0x50));
    const bool offen = index.data(RaumBildModell::OffenRolle).toBool();
    if (offen) {
        painter->setPen(QPen(offenFarbe, 3));
        painter->drawRect(bildRahmen.adjusted(-2, -2, 1, 1));
    } else {
        painter->setPen(palette.color(QPalette::Mid));
        painter->drawRect(bildRahmen.adjusted(-1, -1, 0, 0));
    }

    QFont schrift = option.font;
    schrift.setBold(offen);
    painter->setFont(schrift);
    painter->setPen(palette.color(QPalette::Text));
    QRect textZeile(r.x() + abstand, bildRahmen.bottom() + 5, r.width() - 2 * abstand, zeile);
    painter->drawText(textZeile, Qt::AlignHCenter | Qt::AlignVCenter,
                      painter->fontMetrics().elidedText(index.data().toString(), Qt::ElideMiddle,
                                                        textZeile.width()));
    painter->setFont(option.font);
    textZeile.translate(0, zeile);
    const QString grund = index.data(RaumBildModell::GrundRolle).toString();
    if (!grund.isEmpty()) {
        painter->setPen(QColor(0xb0, 0x30, 0x20));
        painter->drawText(
            textZeile, Qt::AlignHCenter | Qt::AlignVCenter,
            painter->fontMetrics().elidedText(grund, Qt::ElideRight, textZeile.width()));
        painter->restore();
        return;
    }
    const int hotSpots = index.data(RaumBildModell::HotSpotsRolle).toInt();
    const int fehler = index.data(RaumBildModell::FehlerRolle).toInt();
    const QString anzahl =
        hotSpots == 1 ? QStringLiteral("1 HotSpot") : QStringLiteral("%1 HotSpots").arg(hotSpots);
    if (fehler == 0) {
        painter->drawText(textZeile, Qt::AlignHCenter | Qt::AlignVCenter, anzahl);
    } else {
        // The count and the error icon with the faults, centred together.
        const QFontMetrics fm = painter->fontMetrics();
        const QString zahl = QString::number(fehler);
        constexpr int symbol = 12;
        const int breite =
            fm.horizontalAdvance(anzahl) + 10 + symbol + 3 + fm.horizontalAdvance(zahl);
        int x = textZeile.x() + (textZeile.width() - breite) / 2;
        painter->drawText(QRect(x, textZeile.y(), breite, zeile), Qt::AlignLeft | Qt::AlignVCenter,
                          anzahl);
        x += fm.horizontalAdvance(anzahl) + 10;
        if (fehlerSymbol.isNull()) {
            const QStyle* stil = option.widget ? option.widget->style() : QApplication::style();
            fehlerSymbol = stil->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(symbol);
        }
        painter->drawPixmap(QRect(x, textZeile.y() + (zeile - symbol) / 2, symbol, symbol),
                            fehlerSymbol);
        x += symbol + 3;
        painter->setPen(QColor(0xb0, 0x30, 0x20));
        painter->drawText(QRect(x, textZeile.y(), breite, zeile), Qt::AlignLeft | Qt::AlignVCenter,
                          zahl);
    }
    painter->restore();
}
