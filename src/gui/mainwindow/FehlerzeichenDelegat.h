#pragma once

#include <QStyledItemDelegate>

/// Draws a row's mark (its icon) at the right end of the row, over the end of a long name:
/// every row of the hotspot list is as high as the others and every name starts in the same
/// column, marked or not, and the narrow list loses no room to rows without a mark.
class FehlerzeichenDelegat : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};
