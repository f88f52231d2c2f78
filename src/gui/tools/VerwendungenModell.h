#pragma once

#include "namen/Verwendungssuche.h"

#include <QAbstractTableModel>

class Spielpruefung;

/// The places "Verwendungen" lists: a row naming each file, then a row per place in it, with
/// its script, line and the line as the script editor shows it. When the name, the kind or a
/// file of the game changes, only the rows that differ are taken out or put in, so that typing
/// keeps pace in a game of thousands of places and the selection stays where it was.
class VerwendungenModell : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Spalte
    {
        Wo,
        Zeile,
        Inhalt,
        Spalten
    };

    explicit VerwendungenModell(QObject* parent = nullptr);

    /// Shows the places of `anfrage` in the game as `spiel` knows it now. A file whose version
    /// was searched for the same query before keeps its places without a new search.
    void suchen(const Spielpruefung& spiel, const Verwendungssuche::Anfrage& anfrage);

    /// The place of a row, and its file; null for a file's own row.
    const Verwendungssuche::Verwendung* verwendung(const QModelIndex& index) const;
    /// How many places in how many files.
    qsizetype anzahl() const { return stellen; }
    qsizetype dateien() const { return gruppen.size(); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    struct Gruppe
    {
        std::shared_ptr<const SpielDatei> datei;
        QVector<Verwendungssuche::Verwendung> stellen;
        /// Its file's row, worked out when asked: valid below `gueltigBis`.
        mutable int anfang = 0;
    };

    /// Replaces the places of group `g` by `neu`, row run by row run.
    void abgleichen(qsizetype g, QVector<Verwendungssuche::Verwendung> neu);
    void gruppeEntfernen(qsizetype g);
    void gruppeEinfuegen(qsizetype g, Gruppe neu);
    /// Group `g` changed its size: the rows of the groups after it are counted anew when asked.
    void verschoben(qsizetype g);
    int anfang(qsizetype g) const;
    /// The group of a row, and the place within it (-1: the file's own row).
    std::pair<qsizetype, qsizetype> stelle(int zeile) const;

    QVector<Gruppe> gruppen;
    mutable qsizetype gueltigBis = 0;
    int zeilen = 0;
    qsizetype stellen = 0;
    /// The query and the files of the game last searched.
    Verwendungssuche::Anfrage letzte;
    bool gesucht = false;
    QVector<std::shared_ptr<const SpielDatei>> gesehen;
};
