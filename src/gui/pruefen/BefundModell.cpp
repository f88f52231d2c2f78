// The findings of "Spiel prüfen" as a list, and what changes between two of its states.
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

bool gleich(const SkriptStelle& a, const SkriptStelle& b)
{
    return a.datei == b.datei && a.skript == b.skript && a.zeile == b.zeile &&
           a.dateiZeile == b.dateiZeile && a.zeilenText == b.zeilenText && a.ort.art == b.ort.art &&
           a.ort.hotSpot == b.ort.hotSpot && a.ort.aktion == b.ort.aktion;
}

bool gleich(const Bericht::Eintrag& a, const Bericht::Eintrag& b)
{
    return a.art == b.art && a.datei == b.datei && a.dateiZeile == b.dateiZeile &&
           a.text == b.text && a.wo == b.wo && a.zeile == b.zeile && a.konflikt == b.konflikt &&
           (!a.zeile || gleich(a.stelle, b.stelle));
}

/// Row `i` of `a` shows and leads to what row `k` of `b` does.
bool gleicheReihe(const BefundModell::Stand& a, int i, const BefundModell::Stand& b, int k)
{
    const BefundModell::Reihe& x = a.reihen[i];
    const BefundModell::Reihe& y = b.reihen[k];
    const Bericht::Gruppe& g = a.gruppen[x.gruppe];
    const Bericht::Gruppe& h = b.gruppen[y.gruppe];
    if ((x.eintrag < 0) != (y.eintrag < 0) ||
        (x.gruppe == a.nieGruppe) != (y.gruppe == b.nieGruppe))
        return false;
    if (x.eintrag < 0)
        return g.datei == h.datei && g.eintraege.size() == h.eintraege.size();
    return gleich(g.eintraege[x.eintrag], h.eintraege[y.eintrag]);
}

} // namespace

BefundModell::BefundModell(QObject* parent) : QAbstractTableModel(parent)
{
    QStyle* stil = QApplication::style();
    fehlerZeichen = stil->standardIcon(QStyle::SP_MessageBoxCritical);
    hinweisZeichen = stil->standardIcon(QStyle::SP_MessageBoxWarning);
    infoZeichen = stil->standardIcon(QStyle::SP_MessageBoxInformation);
}

BefundModell::Stand BefundModell::ordnen(QVector<Bericht::Gruppe> gruppen,
                                         QVector<Bericht::Eintrag> nie)
{
    Stand s;
    s.gruppen = std::move(gruppen);
    if (!nie.isEmpty()) {
        s.nieGruppe = int(s.gruppen.size());
        s.gruppen.append({nieTitel(), std::move(nie)});
    }
    for (int g = 0; g < s.gruppen.size(); ++g) {
        s.reihen.append({g, -1});
        for (int e = 0; e < s.gruppen[g].eintraege.size(); ++e)
            s.reihen.append({g, e});
    }
    s.zusammenfassung = zusammenfassen(s.gruppen, s.nieGruppe);
    return s;
}

BefundModell::Unterschied BefundModell::vergleichen(const Stand& alt, const Stand& neu)
{
    const int a = int(alt.reihen.size()), n = int(neu.reihen.size());
    int vorn = 0;
    while (vorn < a && vorn < n && gleicheReihe(alt, vorn, neu, vorn))
        ++vorn;
    int hinten = 0;
    while (hinten < a - vorn && hinten < n - vorn &&
           gleicheReihe(alt, a - 1 - hinten, neu, n - 1 - hinten))
        ++hinten;
    return {vorn, a - vorn - hinten, n - vorn - hinten};
}

void BefundModell::setzen(QVector<Bericht::Gruppe> gruppen, QVector<Bericht::Eintrag> nie)
{
    Stand neu = ordnen(std::move(gruppen), std::move(nie));
    const Unterschied u = vergleichen(jetzt, neu);
    setzen(std::move(neu), u);
}

void BefundModell::setzen(Stand neu, std::optional<Unterschied> u)
{
    // Where most rows change, one reset is cheaper than taking them out and putting them in.
    if (!u || u->alt + u->neu > std::max<qsizetype>(jetzt.reihen.size(), 64)) {
        beginResetModel();
        tauschen(std::move(neu));
        endResetModel();
        return;
    }
    if (u->alt > 0) {
        beginRemoveRows({}, u->ab, u->ab + u->alt - 1);
        // The rows around stay with the old state meanwhile: they are the same as the new.
        jetzt.reihen.remove(u->ab, u->alt);
        endRemoveRows();
    }
    if (u->neu > 0) {
        beginInsertRows({}, u->ab, u->ab + u->neu - 1);
        tauschen(std::move(neu));
        endInsertRows();
    } else {
        tauschen(std::move(neu));
    }
}

void BefundModell::tauschen(Stand neu)
{
    ++zaehler;
    // Thousands of findings replaced are freed off the window's thread.
    QThreadPool::globalInstance()->start(
        [alt = std::exchange(jetzt, std::move(neu))]() mutable { alt = {}; });
}

const Bericht::Eintrag* BefundModell::eintrag(const QModelIndex& index) const
{
    if (!index.isValid() || index.row() >= jetzt.reihen.size() ||
        jetzt.reihen[index.row()].eintrag < 0)
        return nullptr;
    const Reihe& r = jetzt.reihen[index.row()];
    return &jetzt.gruppen[r.gruppe].eintraege[r.eintrag];
}

QString BefundModell::zusammenfassen(const QVector<Bericht::Gruppe>& gruppen, int nieGruppe)
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
    return parent.isValid() ? 0 : int(jetzt.reihen.size());
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
        const Bericht::Gruppe& g = jetzt.gruppen[jetzt.reihen[index.row()].gruppe];
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
        if (jetzt.reihen[index.row()].gruppe == jetzt.nieGruppe)
            return e->stelle.datei + QStringLiteral(", ") + skript;
        return skript;
    }
    case Zeile:
        return e->zeile && e->stelle.zeile >= 0 ? QVariant(e->stelle.zeile + 1) : QVariant();
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
