#pragma once

#include <QHash>
#include <QMultiHash>
#include <QString>
#include <QVector>
#include <array>

/// How the scripts of a game use each flag and each item: how often a name is tested, set,
/// deleted, required, removed and given, and every spelling, so that a hint can name the
/// similar name that exists. Counts can be taken away again, so one file can be replaced by a
/// newer version of it.
///
/// A book may stand on a `basis`: it then holds only its own changes, and every count and
/// spelling of the basis counts too. The basis must outlive it and stay as it is meanwhile.
/// The script editor puts the script being typed on top of the game this way.
class Namensbuch
{
public:
    enum class Art
    {
        FlagAbgefragt,
        FlagGesetzt,
        FlagGeloescht,
        GegenstandVerlangt,
        GegenstandEntfernt,
        GegenstandGegeben
    };
    static bool istFlag(Art art) { return art <= Art::FlagGeloescht; }

    explicit Namensbuch(const Namensbuch* basis = nullptr) : basis(basis) {}

    /// `anzahl` more uses (fewer, when negative) of `name` as `art`.
    void zaehlen(Art art, const QString& name, int anzahl = 1);
    /// How often `name` is used as `art`, the basis included.
    int anzahl(Art art, const QString& name) const;

    /// The hint on a flag (`flag`) or item named `name`, as the game check reports it, or the
    /// null text when its uses are in order. A name used nowhere has no hint.
    QString hinweis(bool flag, const QString& name) const;

    /// The spellings of the names that the game check compares: without the spaces around
    /// them, letter case folded.
    static QString schluessel(const QString& name);
    /// Whether two such spellings differ by one letter left out, added, changed, or two
    /// neighbours swapped.
    static bool vertippt(const QString& a, const QString& b);

private:
    struct Zaehler
    {
        std::array<int, 3> anzahl{};
    };
    /// The names of one kind, flags or items.
    struct Namen
    {
        QHash<QString, Zaehler> zaehler;
        /// By the hash of their spelling. Hashes may collide: a candidate found is checked.
        QMultiHash<quint64, QString> gleich;
        /// By the hash of their spelling, and of each spelling with one letter left out: two
        /// spellings one slip apart share one of these.
        QMultiHash<quint64, QString> ohneEinen;
    };

    const Namen& namen(bool flag) const { return flag ? flags : gegenstaende; }
    bool kennt(bool flag, const QString& name) const;
    /// The first name in code order, other than `name` and used as `art`, that differs from
    /// it only in case and spaces (`gleicheSchreibweise`), else by one slip; null when none.
    QString aehnlich(Art art, const QString& name, bool& gleicheSchreibweise) const;
    void kandidaten(bool flag, QStringView schluessel, QVector<QString>& gleich,
                    QVector<QString>& vertippt) const;

    const Namensbuch* basis;
    Namen flags;
    Namen gegenstaende;
};
