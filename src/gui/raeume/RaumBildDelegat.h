#pragma once

#include <QPixmap>
#include <QStyledItemDelegate>

/// Draws a room of the "Bilder" tab: its thumbnail, framed boldly when the room is open in
/// the editor, its file name, and below it the number of hotspots with the error icon and
/// the number of faults, or in red why the room cannot be read.
class RaumBildDelegat : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    /// Every room takes this much room in the list.
    static QSize groesse();

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    /// The colour that marks the room open in the editor, here and on the map.
    static const QColor offenFarbe;

private:
    mutable QPixmap fehlerSymbol;
};
