// The start rooms, goals and first possessions of a game, as its file "raetselplan.txt" keeps them.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

/// What the analysis of the game starts from and what it must reach. Kept in the game folder as
/// a small UTF-8 text, one entry a line, so that a team shares it through git:
///
///     # Rätselplan
///     start: wald.lsd
///     ziel: raum:keller.lsd
///     besitz: gegenstand:Laterne.bmp
///
/// Empty lines and lines starting with "#" are comments.
struct Raetselplan
{
    /// A flag, an item or a room, as "flag:Gewonnen", "gegenstand:Krone.bmp", "raum:x.lsd".
    struct Name
    {
        enum class Art
        {
            Flag,
            Gegenstand,
            Raum
        };
        Art art = Art::Flag;
        QString name;

        /// "flag:Gewonnen"; the form lesen() takes.
        QString text() const;
        /// Reads "art:name" (the art in any letter case, the name without the spaces around
        /// it); nothing when it is no such name.
        static std::optional<Name> lesen(const QString& text);

        bool operator==(const Name& o) const { return art == o.art && name == o.name; }
    };

    /// The file's name in the game folder.
    static QString dateiName() { return QStringLiteral("raetselplan.txt"); }

    /// The room files the game starts in, as written ("wald.lsd"); none: the default.
    QStringList start;
    QVector<Name> ziele;
    /// Flags and items the player holds at the start (no rooms).
    QVector<Name> besitz;

    bool leer() const { return start.isEmpty() && ziele.isEmpty() && besitz.isEmpty(); }

    /// The result of reading: the plan, or, for a damaged or foreign file, an empty plan and
    /// the German reason with its line (from 1).
    struct Gelesen;
    static Gelesen lesen(const QByteArray& bytes);
    /// The file of the game folder `spielordner` ("/" at its end) read with lesen(); no file
    /// is an empty plan, one that cannot be opened a damaged one.
    static Gelesen ausOrdner(const QString& spielordner);
    /// The file as lesen() reads it back: one entry a line, "\n" after each.
    QByteArray schreiben() const;
    /// The bytes of a file that lesen() reads whole (empty: no file yet) with `raum` as its
    /// one start room (empty: none, the default): the first "start:" line takes its place,
    /// the others go, and every other line stays byte for byte, its line ends included.
    static QByteArray mitStart(const QByteArray& bytes, const QString& raum);
    /// Makes `raum` the start room of the game folder's file, as mitStart() does, through
    /// the one safe writer. A damaged file is left alone. Empty when written, else the German
    /// reason naming the file.
    static QString startSetzen(const QString& spielordner, const QString& raum);

    bool operator==(const Raetselplan& o) const
    {
        return start == o.start && ziele == o.ziele && besitz == o.besitz;
    }
};

struct Raetselplan::Gelesen
{
    Raetselplan plan;
    /// Empty when the file was read whole.
    QString fehler;
    int zeile = 0;
};
