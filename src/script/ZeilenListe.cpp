#include "ZeilenListe.h"

#include <QAbstractItemView>
#include <cmath>

QSize HoheZeilen::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize groesse = QStyledItemDelegate::sizeHint(option, index);
    // The row centres a line of the font, out of which the dots of "Ä", "Ö" and "Ü" and the
    // descenders may stand at small sizes: room for that on both sides, and a pixel for the
    // rounding of the centred line.
    const QFontMetricsF fm(option.font);
    const QRect tinte = QFontMetrics(option.font).tightBoundingRect(QStringLiteral("ÄÖÜgjpq"));
    const qreal ueber = qMax(-tinte.top() - fm.ascent(), tinte.bottom() + 1 - fm.descent());
    groesse.setHeight(qMax(groesse.height(), int(std::ceil(fm.height() + 2 * ueber + 1))));
    return groesse;
}

namespace {

/// Draws a row from no more of its text than reaches the list's right edge: every character
/// is at least a pixel wide, so the rest would be cut off anyway, and laying out thousands
/// of indent spaces (a script of unclosed blocks) at every repaint would take seconds.
class ZeilenDelegate : public HoheZeilen
{
public:
    using HoheZeilen::HoheZeilen;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        // Measured from the whole text, so that the list scrolls as far as the text goes.
        messen = true;
        const QSize groesse = HoheZeilen::sizeHint(option, index);
        messen = false;
        return groesse;
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const auto* liste = qobject_cast<const QAbstractItemView*>(option->widget);
        if (messen || !liste)
            return;
        // From the row's start, which lies left of the list when it is scrolled, to the
        // list's right edge.
        const qsizetype zeichen = qMax(liste->viewport()->width() - option->rect.left(), 0) + 1;
        if (option->text.size() > zeichen)
            option->text.truncate(zeichen);
    }

private:
    mutable bool messen = false;
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
