#include "RaumBildModell.h"

#include "Vorschauen.h"

#include <QDir>

RaumBildModell::RaumBildModell(Vorschauen& vorschauen, QObject* parent)
    : QAbstractListModel(parent), vorschauen(vorschauen)
{
    connect(&vorschauen, &Vorschauen::fertig, this,
            [this](const QString& datei) { zeileGeaendert(zeile(datei), {Qt::DecorationRole}); });
}

void RaumBildModell::setzen(QVector<RaumEintrag> raeume)
{
    const bool gleicheDateien =
        raeume.size() == eintraege.size() &&
        std::equal(raeume.cbegin(), raeume.cend(), eintraege.cbegin(),
                   [](const RaumEintrag& a, const RaumEintrag& b) { return a.datei == b.datei; });
    if (gleicheDateien) {
        for (int i = 0; i < raeume.size(); ++i) {
            if (raeume[i].raum == eintraege[i].raum)
                continue;
            eintraege[i] = std::move(raeume[i]);
            zeileGeaendert(i);
        }
        return;
    }
    beginResetModel();
    eintraege = std::move(raeume);
    zeilen.clear();
    for (int i = 0; i < eintraege.size(); ++i)
        zeilen.insert(eintraege[i].datei, i);
    endResetModel();
}

void RaumBildModell::offenerRaum(const QString& datei)
{
    if (datei == offen)
        return;
    const int vorher = zeile(offen);
    offen = datei;
    zeileGeaendert(vorher, {OffenRolle});
    zeileGeaendert(zeile(offen), {OffenRolle});
}

void RaumBildModell::zeileGeaendert(int zeile, const QList<int>& rollen)
{
    if (zeile >= 0)
        Q_EMIT dataChanged(index(zeile), index(zeile), rollen);
}

int RaumBildModell::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(eintraege.size());
}

QVariant RaumBildModell::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= eintraege.size())
        return {};
    const RaumEintrag& e = eintraege[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        return e.name;
    case Qt::DecorationRole: {
        // Asked for only while the row is painted: the rooms in sight are made first.
        const QPixmap bild = vorschauen.bild(e.raum);
        return bild.isNull() ? QVariant() : QVariant(bild);
    }
    case Qt::ToolTipRole: {
        QStringList zeilen{QDir::fromNativeSeparators(e.datei)};
        if (!e.lesbar())
            zeilen << e.grund;
        zeilen << (e.hotSpots == 1 ? QStringLiteral("1 HotSpot")
                                   : QStringLiteral("%1 HotSpots").arg(e.hotSpots));
        if (e.fehler > 0)
            zeilen << (e.fehler == 1 ? QStringLiteral("1 Fehler in den Skripten")
                                     : QStringLiteral("%1 Fehler in den Skripten").arg(e.fehler));
        return zeilen.join(QLatin1Char('\n'));
    }
    case DateiRolle:
        return e.datei;
    case HotSpotsRolle:
        return e.hotSpots;
    case FehlerRolle:
        return e.fehler;
    case GrundRolle:
        return e.grund;
    case OffenRolle:
        return !offen.isEmpty() && e.datei == offen;
    default:
        return {};
    }
}
