#include "VerwendungenModell.h"

#include "spiel/Spielpruefung.h"

#include <QDir>
#include <QFont>
#include <QHash>
#include <QSet>
#include <algorithm>
#include <tuple>

using Verwendungssuche::Verwendung;

namespace {

/// Places of a file in the order of its lines; a place is the same row when this is equal.
auto schluessel(const Verwendung& v)
{
    return std::make_tuple(v.stelle.dateiZeile, int(v.teil), v.skript, v.stelle.zeile,
                           v.ort.hotSpot);
}

bool gleicheAnfrage(const Verwendungssuche::Anfrage& a, const Verwendungssuche::Anfrage& b)
{
    return a.art == b.art && a.name == b.name && a.datei == b.datei && a.skript == b.skript;
}

} // namespace

VerwendungenModell::VerwendungenModell(QObject* parent) : QAbstractTableModel(parent) {}

void VerwendungenModell::suchen(const Spielpruefung& spiel,
                                const Verwendungssuche::Anfrage& anfrage)
{
    Verwendungssuche::Anfrage a = anfrage;
    // The lines are made for the rows shown, when they are shown.
    a.mitZeilenText = false;
    const bool wieVorher = gesucht && gleicheAnfrage(a, letzte);
    letzte = a;
    gesucht = true;

    // Asked again for the same, only the files read anew since are searched.
    QSet<const SpielDatei*> unveraendert;
    QHash<const SpielDatei*, qsizetype> gruppeVon;
    if (wieVorher) {
        for (const std::shared_ptr<const SpielDatei>& d : std::as_const(gesehen))
            unveraendert.insert(d.get());
        for (qsizetype g = 0; g < gruppen.size(); ++g)
            gruppeVon.insert(gruppen[g].datei.get(), g);
    }
    gesehen = spiel.dateien();
    QVector<QVector<Verwendung>> neu(gesehen.size());
    QVector<std::shared_ptr<const SpielDatei>> zuSuchen;
    QVector<qsizetype> platz;
    for (qsizetype i = 0; i < gesehen.size(); ++i) {
        const SpielDatei* d = gesehen[i].get();
        if (unveraendert.contains(d)) {
            if (const auto g = gruppeVon.constFind(d); g != gruppeVon.cend())
                neu[i] = gruppen[*g].stellen;
            continue;
        }
        zuSuchen.append(gesehen[i]);
        platz.append(i);
    }
    QVector<QVector<Verwendung>> gefunden = Verwendungssuche::suchen(zuSuchen, a);
    for (qsizetype k = 0; k < platz.size(); ++k)
        neu[platz[k]] = std::move(gefunden[k]);

    // All or nothing before or after: one change of the rows.
    qsizetype neueStellen = 0, neueDateien = 0;
    for (const QVector<Verwendung>& n : std::as_const(neu)) {
        neueStellen += n.size();
        neueDateien += n.isEmpty() ? 0 : 1;
    }
    if (gruppen.isEmpty() || neueDateien == 0) {
        if (!gruppen.isEmpty()) {
            beginRemoveRows({}, 0, zeilen - 1);
            gruppen.clear();
            zeilen = 0;
            stellen = 0;
            endRemoveRows();
        }
        if (neueDateien == 0)
            return;
        beginInsertRows({}, 0, int(neueDateien + neueStellen) - 1);
        for (qsizetype i = 0; i < gesehen.size(); ++i) {
            if (!neu[i].isEmpty())
                gruppen.append({gesehen[i], std::move(neu[i]), 0});
        }
        gueltigBis = 0;
        zeilen = int(neueDateien + neueStellen);
        stellen = neueStellen;
        endInsertRows();
        return;
    }

    // Files that no longer have places go, back to front; those left stand in the order of the
    // game, as the new ones do: each is found by walking both along.
    QSet<QString> mitStellen;
    for (qsizetype i = 0; i < gesehen.size(); ++i) {
        if (!neu[i].isEmpty())
            mitStellen.insert(gesehen[i]->datei);
    }
    for (qsizetype g = gruppen.size() - 1; g >= 0; --g) {
        if (!mitStellen.contains(gruppen[g].datei->datei))
            gruppeEntfernen(g);
    }
    qsizetype g = 0;
    for (qsizetype i = 0; i < gesehen.size(); ++i) {
        if (neu[i].isEmpty())
            continue;
        if (g < gruppen.size() && gruppen[g].datei->datei == gesehen[i]->datei) {
            if (gruppen[g].datei != gesehen[i] || !wieVorher) {
                const bool neueFassung = gruppen[g].datei != gesehen[i];
                gruppen[g].datei = gesehen[i];
                abgleichen(g, std::move(neu[i]));
                // Rows kept may show other texts now.
                if (neueFassung && !gruppen[g].stellen.isEmpty())
                    Q_EMIT dataChanged(
                        index(anfang(g), 0),
                        index(anfang(g) + int(gruppen[g].stellen.size()), Spalten - 1));
            }
        } else {
            gruppeEinfuegen(g, {gesehen[i], std::move(neu[i]), 0});
        }
        ++g;
    }
}

void VerwendungenModell::abgleichen(qsizetype g, QVector<Verwendung> neu)
{
    // Both lists follow the file's lines: a two-way walk keeps each row that stays, and takes
    // out or puts in the rest run by run.
    qsizetype k = 0, j = 0;
    while (k < gruppen[g].stellen.size() || j < neu.size()) {
        QVector<Verwendung>& alt = gruppen[g].stellen;
        if (k < alt.size() && j < neu.size() && schluessel(alt[k]) == schluessel(neu[j])) {
            alt[k++] = std::move(neu[j++]);
            continue;
        }
        const int zeile = anfang(g) + 1 + int(k);
        if (j == neu.size() || (k < alt.size() && schluessel(alt[k]) < schluessel(neu[j]))) {
            qsizetype ende = k + 1;
            while (ende < alt.size() &&
                   (j == neu.size() || schluessel(alt[ende]) < schluessel(neu[j])))
                ++ende;
            beginRemoveRows({}, zeile, zeile + int(ende - k) - 1);
            alt.remove(k, ende - k);
            zeilen -= int(ende - k);
            stellen -= ende - k;
            verschoben(g + 1);
            endRemoveRows();
        } else {
            qsizetype ende = j + 1;
            while (ende < neu.size() &&
                   (k == alt.size() || schluessel(neu[ende]) < schluessel(alt[k])))
                ++ende;
            beginInsertRows({}, zeile, zeile + int(ende - j) - 1);
            alt.insert(k, ende - j, Verwendung());
            std::move(neu.begin() + j, neu.begin() + ende, alt.begin() + k);
            zeilen += int(ende - j);
            stellen += ende - j;
            verschoben(g + 1);
            endInsertRows();
            k += ende - j;
            j = ende;
        }
    }
}

void VerwendungenModell::gruppeEntfernen(qsizetype g)
{
    const int erste = anfang(g);
    const int n = 1 + int(gruppen[g].stellen.size());
    beginRemoveRows({}, erste, erste + n - 1);
    stellen -= gruppen[g].stellen.size();
    gruppen.remove(g);
    zeilen -= n;
    verschoben(g);
    endRemoveRows();
}

void VerwendungenModell::gruppeEinfuegen(qsizetype g, Gruppe neu)
{
    const int erste = g < gruppen.size() ? anfang(g) : zeilen;
    const int n = 1 + int(neu.stellen.size());
    beginInsertRows({}, erste, erste + n - 1);
    stellen += neu.stellen.size();
    gruppen.insert(g, std::move(neu));
    zeilen += n;
    verschoben(g);
    endInsertRows();
}

void VerwendungenModell::verschoben(qsizetype g)
{
    gueltigBis = std::min(gueltigBis, g);
}

int VerwendungenModell::anfang(qsizetype g) const
{
    for (; gueltigBis <= g && gueltigBis < gruppen.size(); ++gueltigBis) {
        const qsizetype v = gueltigBis - 1;
        gruppen[gueltigBis].anfang =
            v < 0 ? 0 : gruppen[v].anfang + 1 + int(gruppen[v].stellen.size());
    }
    return gruppen[g].anfang;
}

std::pair<qsizetype, qsizetype> VerwendungenModell::stelle(int zeile) const
{
    if (gruppen.isEmpty())
        return {-1, -1};
    anfang(gruppen.size() - 1);
    const auto g = std::upper_bound(gruppen.cbegin(), gruppen.cend(), zeile,
                                    [](int z, const Gruppe& gr) { return z < gr.anfang; }) -
                   1;
    return {g - gruppen.cbegin(), zeile - g->anfang - 1};
}

const Verwendung* VerwendungenModell::verwendung(const QModelIndex& index) const
{
    if (!index.isValid() || index.row() >= zeilen)
        return nullptr;
    const auto [g, k] = stelle(index.row());
    return g < 0 || k < 0 ? nullptr : &gruppen[g].stellen[k];
}

int VerwendungenModell::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : zeilen;
}

int VerwendungenModell::columnCount(const QModelIndex&) const
{
    return Spalten;
}

QVariant VerwendungenModell::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= zeilen)
        return {};
    const auto [g, k] = stelle(index.row());
    const SpielDatei& d = *gruppen[g].datei;
    if (k < 0) {
        if (role == Qt::FontRole) {
            QFont fett;
            fett.setBold(true);
            return fett;
        }
        if (role != Qt::DisplayRole || index.column() != Wo)
            return {};
        return QDir::fromNativeSeparators(d.datei);
    }
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    const Verwendung& v = gruppen[g].stellen[k];
    const SkriptStelle& s = v.stelle;
    switch (index.column()) {
    case Wo:
        if (s.zeile >= 0)
            return s.skript.isEmpty() ? QStringLiteral("Skript") : s.skript;
        return s.skript.isEmpty() ? QStringLiteral("Hintergrund") : s.skript;
    case Zeile:
        return s.zeile >= 0 ? QVariant(s.zeile + 1) : QVariant();
    case Inhalt:
        return Verwendungssuche::zeilenText(d, v);
    default:
        return {};
    }
}

Qt::ItemFlags VerwendungenModell::flags(const QModelIndex& index) const
{
    // A file's own row is a heading: only its places can be chosen.
    if (index.isValid() && !verwendung(index))
        return Qt::ItemIsEnabled;
    return QAbstractTableModel::flags(index);
}

QVariant VerwendungenModell::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char* const titel[] = {"Datei, Skript", "Zeile", "Inhalt"};
    return section >= 0 && section < Spalten ? QString::fromUtf8(titel[section]) : QVariant();
}
