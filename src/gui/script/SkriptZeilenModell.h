#pragma once

#include <QAbstractListModel>
#include <QIcon>
#include <QVector>

class SkriptPruefer;
struct Skript;

/// The rows of the script editor's line list over a script: row i is line i. Each row keeps
/// the indent it was built with; a changed parameter shows at that indent until the next
/// rebuild. A row with findings starts with the error or warning icon and names them in its
/// tooltip; the others keep an empty place for it, so that no text moves when a mark comes.
class SkriptZeilenModell : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit SkriptZeilenModell(Skript& skript, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    /// The findings the rows show; none without.
    void befundeVon(const SkriptPruefer* pruefer) { this->pruefer = pruefer; }
    /// The icon of a line's findings: a fault's, else a hint's, else the empty place.
    QIcon zeichen(int i) const;
    /// The findings of a line in one text, one per line; empty when it has none.
    QString befundText(int i) const;

    /// Rebuilds every row from the script, indents computed afresh.
    void aufbau();
    /// Row i shows its line's parameter anew, at the indent it has.
    void zeileGeaendert(int i);
    /// The leading spaces row i shows.
    int einzug(int i) const { return einzuege[i]; }
    /// Row i's text after its indent.
    QString ohneEinzug(int i) const;

private:
    Skript& skript;
    QVector<int> einzuege;
    const SkriptPruefer* pruefer = nullptr;
    QIcon fehlerZeichen;
    QIcon hinweisZeichen;
    QIcon leer;
};
