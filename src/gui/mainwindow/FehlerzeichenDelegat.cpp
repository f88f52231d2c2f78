#include "FehlerzeichenDelegat.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QPainter>

void FehlerzeichenDelegat::initStyleOption(QStyleOptionViewItem* option,
                                           const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    // The mark is drawn apart; the name and the row's height go as without one.
    option->icon = QIcon();
    option->features &= ~QStyleOptionViewItem::HasDecoration;
}

void FehlerzeichenDelegat::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const
{
    const QIcon zeichen = index.data(Qt::DecorationRole).value<QIcon>();
    if (zeichen.isNull()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem o = option;
    initStyleOption(&o, index);
    const QWidget* liste = o.widget;
    QStyle* stil = liste ? liste->style() : QApplication::style();
    // A long name may reach beyond the list's visible part; the mark stays in sight.
    int rechts = o.rect.right();
    if (const auto* bereich = qobject_cast<const QAbstractScrollArea*>(liste))
        rechts = std::min(rechts, bereich->viewport()->rect().right());
    const QSize groesse = o.decorationSize;
    stil->drawPrimitive(QStyle::PE_PanelItemViewItem, &o, painter, liste);
    QStyleOptionViewItem name = o;
    name.rect.setRight(rechts - groesse.width() - 2);
    stil->drawControl(QStyle::CE_ItemViewItem, &name, painter, liste);
    zeichen.paint(painter, QRect(QPoint(rechts - groesse.width() - 1,
                                        o.rect.center().y() - groesse.height() / 2 + 1),
                                 groesse));
}
