#include "SkriptZeilenModell.h"

#include "model/Skript.h"
#include "script/Zeilen.h"

SkriptZeilenModell::SkriptZeilenModell(Skript& skript, QObject* parent)
    : QAbstractListModel(parent), skript(skript)
{
}

int SkriptZeilenModell::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(einzuege.size());
}

QVariant SkriptZeilenModell::data(const QModelIndex& index, int role) const
{
    const int i = index.row();
    if (role != Qt::DisplayRole || !index.isValid() || i >= einzuege.size() || i > skript.MaxZeile)
        return QVariant();
    return Zeilen::text(einzuege[i], skript.Befehl[i], skript.Parameter[i]);
}

QString SkriptZeilenModell::ohneEinzug(int i) const
{
    return Zeilen::text(0, skript.Befehl[i], skript.Parameter[i]);
}

void SkriptZeilenModell::aufbau()
{
    beginResetModel();
    einzuege = Zeilen::einzuege(skript);
    endResetModel();
}

void SkriptZeilenModell::zeileGeaendert(int i)
{
    const QModelIndex zeile = index(i);
    Q_EMIT dataChanged(zeile, zeile, {Qt::DisplayRole});
}
