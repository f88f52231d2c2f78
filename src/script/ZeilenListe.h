#pragma once

#include <QListView>
#include <QStyledItemDelegate>

/// Rows tall enough for capital umlauts above and descenders below at the list's font.
class HoheZeilen : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

/// The script editor's line list, quick on long scripts: rows all have one height, a row
/// whose text changed is repainted alone, and a row is drawn from no more text than fits.
class ZeilenListe : public QListView
{
    Q_OBJECT

public:
    explicit ZeilenListe(QWidget* parent = nullptr);

protected:
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;
};
