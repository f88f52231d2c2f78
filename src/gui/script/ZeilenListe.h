#pragma once

#include <QFont>
#include <QHash>
#include <QListView>
#include <QStyledItemDelegate>
#include <array>
#include <optional>

/// Rows tall enough for capital umlauts above and descenders below at the list's font.
class HoheZeilen : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

class SkriptZeilenModell;

/// Drops the current row of `liste` unless it is selected. Qt makes the first row current
/// without selecting it when a list gets the focus; Down would then select the second.
void nurGewaehlteZeileAktuell(QAbstractItemView& liste);
/// The selected row of a single-selection list, -1 for none.
int gewaehlteZeile(const QAbstractItemView& liste);

/// The script editor's line list over its rows, quick on long scripts: rows all have one
/// height and the width of the widest row, a row whose text changed is repainted alone, and
/// a row is drawn from no more text than fits.
class ZeilenListe : public QListView
{
    Q_OBJECT

public:
    explicit ZeilenListe(SkriptZeilenModell* modell, QWidget* parent = nullptr);

    /// The text width of the widest row since the rows were built: the list scrolls as far
    /// as that. A row that got shorter leaves it until the next build.
    qreal breiteste() const { return breitesteZeile; }

    void reset() override;

protected:
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;
    void focusInEvent(QFocusEvent* event) override;
    /// A click or a key never takes the selection from a line, even with Ctrl.
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;

private:
    qreal breite(int zeile);

    SkriptZeilenModell* modell;
    qreal breitesteZeile = 0;
    /// Advances of single characters at `zeichenSchrift`, Latin-1 ones at their code.
    std::optional<QFont> zeichenSchrift;
    std::array<qreal, 256> latin1{};
    QHash<char16_t, qreal> andere;
};
