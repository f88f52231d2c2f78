#include "ZeilenListe.h"

#include "SkriptZeilenModell.h"

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
        // The list measures one row for all: the margins around no text, and the widest
        // text the list knows of.
        messen = true;
        QSize groesse = HoheZeilen::sizeHint(option, index);
        messen = false;
        if (const auto* liste = qobject_cast<const ZeilenListe*>(option.widget))
            groesse.rwidth() += int(std::ceil(liste->breiteste()));
        return groesse;
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (messen)
            option->text.clear();
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

void nurGewaehlteZeileAktuell(QAbstractItemView& liste)
{
    const QModelIndex aktuell = liste.currentIndex();
    if (aktuell.isValid() && !liste.selectionModel()->isSelected(aktuell))
        liste.selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

int gewaehlteZeile(const QAbstractItemView& liste)
{
    const QModelIndexList auswahl = liste.selectionModel()->selectedIndexes();
    return auswahl.isEmpty() ? -1 : auswahl.first().row();
}

ZeilenListe::ZeilenListe(SkriptZeilenModell* modell, QWidget* parent)
    : QListView(parent), modell(modell)
{
    setUniformItemSizes(true);
    setItemDelegate(new ZeilenDelegate(this));
    setModel(modell);
}

qreal ZeilenListe::breite(int zeile)
{
    // The sum of the characters' advances: measuring thousands of rows as laid-out text,
    // indents of thousands of spaces among them, would take far too long. Kerning, left out,
    // mostly narrows a line: the list may scroll a little past the longest one.
    if (zeichenSchrift != font()) {
        zeichenSchrift = font();
        const QFontMetricsF fm(font());
        for (int c = 0; c < 256; ++c)
            latin1[c] = fm.horizontalAdvance(QChar(c));
        andere.clear();
    }
    qreal b = modell->einzug(zeile) * latin1[' '];
    for (const QChar c : modell->ohneEinzug(zeile)) {
        if (c.unicode() < 256) {
            b += latin1[c.unicode()];
            continue;
        }
        auto i = andere.constFind(c.unicode());
        if (i == andere.cend())
            i = andere.insert(c.unicode(), QFontMetricsF(font()).horizontalAdvance(c));
        b += *i;
    }
    return b;
}

void ZeilenListe::reset()
{
    breitesteZeile = 0;
    for (int i = 0; i < modell->rowCount(); ++i)
        breitesteZeile = qMax(breitesteZeile, breite(i));
    QListView::reset();
}

void ZeilenListe::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                              const QList<int>& roles)
{
    // One row's new text needs a repaint of that row, and a new layout only when it is now
    // the widest.
    if (topLeft == bottomRight) {
        const qreal b = breite(topLeft.row());
        if (b > breitesteZeile) {
            breitesteZeile = b;
            scheduleDelayedItemsLayout();
        }
        QAbstractItemView::dataChanged(topLeft, bottomRight, roles);
    } else {
        QListView::dataChanged(topLeft, bottomRight, roles);
    }
}

void ZeilenListe::focusInEvent(QFocusEvent* event)
{
    QListView::focusInEvent(event);
    nurGewaehlteZeileAktuell(*this);
}

QItemSelectionModel::SelectionFlags ZeilenListe::selectionCommand(const QModelIndex& index,
                                                                  const QEvent* event) const
{
    // Without a selected line the panel shown would store nowhere.
    const auto befehl = QListView::selectionCommand(index, event);
    if (!(befehl & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle)))
        return befehl;
    return index.isValid() ? QItemSelectionModel::ClearAndSelect : QItemSelectionModel::NoUpdate;
}
