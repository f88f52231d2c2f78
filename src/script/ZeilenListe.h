#pragma once

#include <QListView>

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
