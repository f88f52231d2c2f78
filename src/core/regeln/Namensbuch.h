// How the scripts of a game use each flag and each item.
#pragma once

#include <QHash>
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
    static bool vertippt(QStringView a, QStringView b);

private:
    struct Eintrag
    {
        QString name;
        std::array<int, 3> anzahl{};
        /// Whether its spelling was learnt for each use, here or in the basis.
        std::array<bool, 3> gelernt{};
    };
    /// Entries by a hash of their spelling, many to a hash: a chain through `kette` from the
    /// newest. Tens of thousands of these are made for a game and looked up for its hints: the
    /// keys are hashes already, so they are placed by their own bits, each next to the other in
    /// one array, and adding one allocates nothing of its own.
    struct Verweise
    {
        void hinzu(quint64 hash, qsizetype eintrag);
        template <typename Sehen> void jeder(quint64 hash, const Sehen& sehen) const;

        /// 32 bits of a hash, mixed, and where in `kette` its newest entry stands, plus one; 0
        /// for a free place. Hashes that share those bits share a chain: a candidate is checked.
        QVector<std::pair<quint32, qint32>> plaetze;
        qsizetype belegt = 0;
        /// The entry, and the place in `kette` of the one before it under that hash (-1: none).
        QVector<std::pair<qint32, qint32>> kette;

    private:
        static quint32 teil(quint64 hash);
        qsizetype platz(quint32 teil) const;
    };
    /// The spellings of the names used one way (tested, set, ...): a hint looks for a name
    /// used the way its own is not, so only those are looked through.
    struct Schreibweisen
    {
        /// By the hash of their spelling. Hashes may collide: a candidate found is checked.
        Verweise gleich;
        /// By the hash of their spelling, and of each spelling with one letter left out: two
        /// spellings one slip apart share one of these.
        Verweise ohneEinen;
    };
    /// The names of one kind, flags or items. Names are never forgotten, so an entry keeps its
    /// index: the spellings find entries by index, with no second lookup by name.
    struct Namen
    {
        QVector<Eintrag> eintraege;
        QHash<QString, qsizetype> index;
        std::array<Schreibweisen, 3> schreibweisen;
    };

    const Namen& namen(bool flag) const { return flag ? flags : gegenstaende; }
    /// Whether the spelling of `name` was learnt for the use `stelle` here or in the basis.
    bool gelernt(bool flag, int stelle, const QString& name) const;
    /// The uses of `name` of each art of its kind, the basis included.
    std::array<int, 3> anzahlen(bool flag, const QString& name) const;
    /// The first name in code order, other than `name` and used as `art`, that differs from
    /// it only in case and spaces (`gleicheSchreibweise`), else by one slip; null when none.
    QString aehnlich(Art art, const QString& name, bool& gleicheSchreibweise) const;
    /// Calls `sehen(gleich, buch, eintrag)` with each name of a kind ever used as `stelle`, in
    /// this book or a basis, that may be spelt `schluessel` (`gleich`) or one slip from it:
    /// hashes may collide, so each must still be checked.
    template <typename Sehen>
    void kandidaten(bool flag, int stelle, QStringView schluessel, const Sehen& sehen) const;

    const Namensbuch* basis;
    Namen flags;
    Namen gegenstaende;
};
