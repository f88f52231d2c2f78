// The findings of "Spiel prüfen" as a list: a row per file, then a row per finding.
#pragma once

#include "check/Bericht.h"

#include <QAbstractTableModel>
#include <QIcon>

#include <optional>

/// The findings of a game by file: a row naming the file, then a row per finding with what
/// it says, the script, the script line (from 1) and the line as the script editor shows it;
/// last, what can never happen in play as a group of its own, each with its file. Made for
/// thousands of findings: the rows are put together off the window's thread, and a change
/// replaces only the rows that differ, so that the list keeps its place and the window does
/// not lay out thousands of rows again.
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

    struct Reihe
    {
        int gruppe;
        /// -1 for the file's own row.
        int eintrag;
    };
    /// What the list shows.
    struct Stand
    {
        QVector<Bericht::Gruppe> gruppen;
        /// The group of what can never happen, -1 for none.
        int nieGruppe = -1;
        QVector<Reihe> reihen;
        QString zusammenfassung;
    };
    /// The rows that differ between two states: from row `ab`, `alt` rows of the old one
    /// stand where `neu` rows of the new one do; the rows around them are the same.
    struct Unterschied
    {
        int ab = 0;
        int alt = 0;
        int neu = 0;
    };

    explicit BefundModell(QObject* parent = nullptr);

    /// The rows of `gruppen` and of `nie`, what can never happen in play in the analysis'
    /// order, as the list shows them. Thread-safe: meant to be called off the window's thread.
    static Stand ordnen(QVector<Bericht::Gruppe> gruppen, QVector<Bericht::Eintrag> nie = {});
    /// Thread-safe, as `ordnen`.
    static Unterschied vergleichen(const Stand& alt, const Stand& neu);

    const Stand& stand() const { return jetzt; }
    /// Counts the states shown: a difference is only good for the state it was taken from.
    quint64 fassung() const { return zaehler; }
    /// Shows `neu`, replacing the rows `unterschied` names, or all of them without it.
    void setzen(Stand neu, std::optional<Unterschied> unterschied = std::nullopt);
    /// The same, put together here.
    void setzen(QVector<Bericht::Gruppe> gruppen, QVector<Bericht::Eintrag> nie = {});

    /// The title of the group of what can never happen.
    static QString nieTitel() { return QStringLiteral("Kann im Spiel nie geschehen"); }
    /// The finding of a row; null for a file's row.
    const Bericht::Eintrag* eintrag(const QModelIndex& index) const;
    /// "3 Fehler, 12 Hinweise, 2 unbenutzte Dateien und 4 Stellen, die nie geschehen können,
    /// in 5 Dateien".
    QString zusammenfassung() const { return jetzt.zusammenfassung; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    static QString zusammenfassen(const QVector<Bericht::Gruppe>& gruppen, int nieGruppe);
    void tauschen(Stand neu);

    Stand jetzt;
    quint64 zaehler = 0;
    QIcon fehlerZeichen;
    QIcon hinweisZeichen;
    QIcon infoZeichen;
};
