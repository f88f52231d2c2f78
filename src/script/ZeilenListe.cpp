#include "ZeilenListe.h"

#include <QStyledItemDelegate>

namespace {

/// Draws a row from no more of its text than the row can show: every character is at
/// least a pixel wide, so the rest would be cut off anyway, and laying out thousands of
/// indent spaces (a script of unclosed blocks) at every repaint would take seconds.
class ZeilenDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const qsizetype zeichen = qMax(option->rect.width(), 0) + 1;
        if (option->text.size() > zeichen)
            option->text.truncate(zeichen);
    }
};

} // namespace

ZeilenListe::ZeilenListe(QWidget* parent) : QListView(parent)
{
    setUniformItemSizes(true);
    setItemDelegate(new ZeilenDelegate(this));
}

void ZeilenListe::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                              const QList<int>& roles)
{
    // One row's new text needs a repaint of that row, not a layout of all rows.
    if (topLeft == bottomRight)
        QAbstractItemView::dataChanged(topLeft, bottomRight, roles);
    else
        QListView::dataChanged(topLeft, bottomRight, roles);
}
