#pragma once

#include "check/Bericht.h"

#include <QAbstractTableModel>
#include <QIcon>

/// The findings of a game by file: a row naming the file, then a row per finding with what
/// it says, the script, the script line (from 1) and the line as the script editor shows it;
/// last, what can never happen in play as a group of its own, each with its file. Made for
/// thousands of findings: nothing is laid out before it is shown.
class BefundModell : public QAbstractTableModel
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

    /// `nie`: what can never happen in play, in the analysis' order.
    void setzen(QVector<Bericht::Gruppe> gruppen, QVector<Bericht::Eintrag> nie = {});
    /// The title of the group of what can never happen.
    static QString nieTitel() { return QStringLiteral("Kann im Spiel nie geschehen"); }
    /// The finding of a row; null for a file's row.
    const Bericht::Eintrag* eintrag(const QModelIndex& index) const;
    /// "3 Fehler, 12 Hinweise, 2 unbenutzte Dateien und 4 Stellen, die nie geschehen können,
    /// in 5 Dateien".
    QString zusammenfassung() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    struct Reihe
    {
        int gruppe;
        /// -1 for the file's own row.
        int eintrag;
    };
    QVector<Bericht::Gruppe> gruppen;
    /// The group of what can never happen, -1 for none.
    int nieGruppe = -1;
    QVector<Reihe> reihen;
    QIcon fehlerZeichen;
    QIcon hinweisZeichen;
    QIcon infoZeichen;
};
