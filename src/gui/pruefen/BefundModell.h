#pragma once

#include "check/Bericht.h"

#include <QAbstractItemModel>
#include <QIcon>

/// The findings of a game by file, as a tree: a row per file, below it a row per finding with
/// what it says, the script, the script line (from 1) and the line as the script editor
/// shows it. Made for thousands of findings: nothing is laid out before it is shown.
class BefundModell : public QAbstractItemModel
{
    Q_OBJECT

public:
    enum Spalte
    {
        Befund,
        Skript,
        Zeile,
        Inhalt,
        Spalten
    };

    explicit BefundModell(QObject* parent = nullptr);

    void setzen(QVector<Bericht::Gruppe> gruppen);
    /// The finding of a row; null for a file's row.
    const Bericht::Eintrag* eintrag(const QModelIndex& index) const;
    /// "3 Fehler, 12 Hinweise und 2 unbenutzte Dateien in 5 Dateien".
    QString zusammenfassung() const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& index) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QVector<Bericht::Gruppe> gruppen;
    QIcon fehlerZeichen;
    QIcon hinweisZeichen;
    QIcon infoZeichen;
};
