#pragma once

#include <QAbstractListModel>
#include <QVector>

struct Skript;

/// The rows of the script editor's line list over a script: row i is line i. Each row keeps
/// the indent it was built with; a changed parameter shows at that indent until the next
/// rebuild.
class SkriptZeilenModell : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit SkriptZeilenModell(Skript& skript, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

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
};
