#include "SkriptZeilenModell.h"

#include "check/SkriptPruefer.h"
#include "model/Skript.h"
#include "script/Zeilen.h"

#include <QApplication>
#include <QPixmap>
#include <QStyle>

namespace {

/// The marks are drawn at this size, a little less than a row's height.
constexpr int zeichenGroesse = 12;

} // namespace

SkriptZeilenModell::SkriptZeilenModell(Skript& skript, QObject* parent)
    : QAbstractListModel(parent), skript(skript)
{
    fehlerZeichen = QApplication::style()->standardIcon(QStyle::SP_MessageBoxCritical);
    hinweisZeichen = QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
    QPixmap nichts(zeichenGroesse, zeichenGroesse);
    nichts.fill(Qt::transparent);
    leer = QIcon(nichts);
}

QIcon SkriptZeilenModell::zeichen(int i) const
{
    if (!pruefer || pruefer->befunde(i).isEmpty())
        return leer;
    return pruefer->befunde(i).first().fehler ? fehlerZeichen : hinweisZeichen;
}

QString SkriptZeilenModell::befundText(int i) const
{
    if (!pruefer)
        return {};
    QStringList texte;
    for (const SkriptPruefer::Befund& b : pruefer->befunde(i))
        texte << b.text;
    return texte.join(QLatin1Char('\n'));
}

int SkriptZeilenModell::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(einzuege.size());
}

QVariant SkriptZeilenModell::data(const QModelIndex& index, int role) const
{
    const int i = index.row();
    if (!index.isValid() || i >= einzuege.size() || i > skript.MaxZeile)
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return Zeilen::text(einzuege[i], skript.Befehl[i], skript.Parameter[i]);
    case Qt::DecorationRole:
        return zeichen(i);
    case Qt::ToolTipRole: {
        const QString text = befundText(i);
        return text.isEmpty() ? QVariant() : QVariant(text);
    }
    default:
        return QVariant();
    }
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
