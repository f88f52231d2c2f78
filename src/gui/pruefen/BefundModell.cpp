#include "BefundModell.h"

#include <QApplication>
#include <QFont>
#include <QStyle>

namespace {

// A finding's row carries its file's row + 1; a file's row carries 0.
constexpr quintptr keineGruppe = 0;

QString anzahl(qsizetype n, const char* eins, const char* mehr)
{
    return QString::number(n) + QLatin1Char(' ') + QString::fromUtf8(n == 1 ? eins : mehr);
}

} // namespace

BefundModell::BefundModell(QObject* parent) : QAbstractItemModel(parent)
{
    QStyle* stil = QApplication::style();
    fehlerZeichen = stil->standardIcon(QStyle::SP_MessageBoxCritical);
    hinweisZeichen = stil->standardIcon(QStyle::SP_MessageBoxWarning);
    infoZeichen = stil->standardIcon(QStyle::SP_MessageBoxInformation);
}

void BefundModell::setzen(QVector<Bericht::Gruppe> neu)
{
    beginResetModel();
    gruppen = std::move(neu);
    endResetModel();
}

const Bericht::Eintrag* BefundModell::eintrag(const QModelIndex& index) const
{
    if (!index.isValid() || index.internalId() == keineGruppe)
        return nullptr;
    return &gruppen[qsizetype(index.internalId() - 1)].eintraege[index.row()];
}

QString BefundModell::zusammenfassung() const
{
    qsizetype fehler = 0, hinweise = 0, unbenutzt = 0;
    for (const Bericht::Gruppe& g : gruppen) {
        for (const Bericht::Eintrag& e : g.eintraege) {
            switch (e.art) {
            case Bericht::Eintrag::Art::Fehler:
                ++fehler;
                break;
            case Bericht::Eintrag::Art::Warnung:
                ++hinweise;
                break;
            case Bericht::Eintrag::Art::Hinweis:
                ++unbenutzt;
                break;
            }
        }
    }
    if (gruppen.isEmpty())
        return QStringLiteral("Keine Fehler, keine Hinweise und keine unbenutzten Dateien");
    QStringList teile;
    if (fehler > 0)
        teile << anzahl(fehler, "Fehler", "Fehler");
    if (hinweise > 0)
        teile << anzahl(hinweise, "Hinweis", "Hinweise");
    if (unbenutzt > 0)
        teile << anzahl(unbenutzt, "unbenutzte Datei", "unbenutzte Dateien");
    const QString letzter = teile.takeLast();
    return (teile.isEmpty()
                ? letzter
                : teile.join(QStringLiteral(", ")) + QStringLiteral(" und ") + letzter) +
           QStringLiteral(" in ") + anzahl(gruppen.size(), "Datei", "Dateien");
}

QModelIndex BefundModell::index(int row, int column, const QModelIndex& parent) const
{
    if (row < 0 || column < 0 || column >= Spalten)
        return {};
    if (!parent.isValid())
        return row < gruppen.size() ? createIndex(row, column, keineGruppe) : QModelIndex();
    if (parent.internalId() != keineGruppe || row >= gruppen[parent.row()].eintraege.size())
        return {};
    return createIndex(row, column, quintptr(parent.row()) + 1);
}

QModelIndex BefundModell::parent(const QModelIndex& index) const
{
    if (!index.isValid() || index.internalId() == keineGruppe)
        return {};
    return createIndex(int(index.internalId() - 1), 0, keineGruppe);
}

int BefundModell::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return int(gruppen.size());
    if (parent.internalId() != keineGruppe || parent.column() != 0)
        return 0;
    return int(gruppen[parent.row()].eintraege.size());
}

int BefundModell::columnCount(const QModelIndex&) const
{
    return Spalten;
}

QVariant BefundModell::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const Bericht::Eintrag* e = eintrag(index);
    if (!e) {
        const Bericht::Gruppe& g = gruppen[index.row()];
        if (index.column() != Befund)
            return {};
        if (role == Qt::DisplayRole)
            return QStringLiteral("%1 (%2)").arg(g.datei).arg(g.eintraege.size());
        if (role == Qt::FontRole) {
            QFont fett;
            fett.setBold(true);
            return fett;
        }
        return {};
    }
    if (role == Qt::DecorationRole && index.column() == Befund) {
        switch (e->art) {
        case Bericht::Eintrag::Art::Fehler:
            return fehlerZeichen;
        case Bericht::Eintrag::Art::Warnung:
            return hinweisZeichen;
        case Bericht::Eintrag::Art::Hinweis:
            return infoZeichen;
        }
    }
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    switch (index.column()) {
    case Befund:
        return e->text;
    case Skript:
        // Where no script line is concerned, the words the report uses.
        if (!e->zeile)
            return e->wo;
        return e->stelle.skript.isEmpty() ? QStringLiteral("Gegenstandsskript") : e->stelle.skript;
    case Zeile:
        return e->zeile ? QVariant(e->stelle.zeile + 1) : QVariant();
    case Inhalt:
        return e->zeile ? e->stelle.zeilenText : QString();
    default:
        return {};
    }
}

QVariant BefundModell::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char* const titel[] = {"Befund", "Skript", "Zeile", "Inhalt"};
    return section >= 0 && section < Spalten ? QString::fromUtf8(titel[section]) : QVariant();
}
