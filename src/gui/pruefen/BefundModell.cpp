#include "BefundModell.h"

#include <QApplication>
#include <QFont>
#include <QSet>
#include <QStyle>
#include <QThreadPool>

namespace {

QString anzahl(qsizetype n, const char* eins, const char* mehr)
{
    return QString::number(n) + QLatin1Char(' ') + QString::fromUtf8(n == 1 ? eins : mehr);
}

} // namespace

BefundModell::BefundModell(QObject* parent) : QAbstractTableModel(parent)
{
    QStyle* stil = QApplication::style();
    fehlerZeichen = stil->standardIcon(QStyle::SP_MessageBoxCritical);
    hinweisZeichen = stil->standardIcon(QStyle::SP_MessageBoxWarning);
    infoZeichen = stil->standardIcon(QStyle::SP_MessageBoxInformation);
}

void BefundModell::setzen(QVector<Bericht::Gruppe> neu, QVector<Bericht::Eintrag> nie)
{
    beginResetModel();
    // Thousands of findings replaced are freed off the window's thread.
    QThreadPool::globalInstance()->start(
        [alt = std::exchange(gruppen, std::move(neu))]() mutable { alt.clear(); });
    nieGruppe = -1;
    if (!nie.isEmpty()) {
        nieGruppe = int(gruppen.size());
        gruppen.append({nieTitel(), std::move(nie)});
    }
    reihen.clear();
    for (int g = 0; g < gruppen.size(); ++g) {
        reihen.append({g, -1});
        for (int e = 0; e < gruppen[g].eintraege.size(); ++e)
            reihen.append({g, e});
    }
    endResetModel();
}

const Bericht::Eintrag* BefundModell::eintrag(const QModelIndex& index) const
{
    if (!index.isValid() || index.row() >= reihen.size() || reihen[index.row()].eintrag < 0)
        return nullptr;
    const Reihe& r = reihen[index.row()];
    return &gruppen[r.gruppe].eintraege[r.eintrag];
}

QString BefundModell::zusammenfassung() const
{
    qsizetype fehler = 0, hinweise = 0, unbenutzt = 0, nie = 0;
    QSet<QString> dateien;
    for (int i = 0; i < gruppen.size(); ++i) {
        for (const Bericht::Eintrag& e : gruppen[i].eintraege) {
            dateien.insert(e.datei);
            if (i == nieGruppe && e.art == Bericht::Eintrag::Art::Warnung) {
                ++nie;
                continue;
            }
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
    if (nie > 0)
        teile << anzahl(nie, "Stelle, die nie geschehen kann,",
                        "Stellen, die nie geschehen können,");
    const QString letzter = teile.takeLast();
    return (teile.isEmpty()
                ? letzter
                : teile.join(QStringLiteral(", ")) + QStringLiteral(" und ") + letzter) +
           QStringLiteral(" in ") + anzahl(dateien.size(), "Datei", "Dateien");
}

int BefundModell::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(reihen.size());
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
        const Bericht::Gruppe& g = gruppen[reihen[index.row()].gruppe];
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
    case Skript: {
        // Where no script line is concerned, the words the report uses.
        if (!e->zeile)
            return e->wo;
        const QString skript =
            e->stelle.skript.isEmpty() ? QStringLiteral("Gegenstandsskript") : e->stelle.skript;
        // Among what can never happen, files mix: each names its own.
        if (reihen[index.row()].gruppe == nieGruppe)
            return e->stelle.datei + QStringLiteral(", ") + skript;
        return skript;
    }
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
