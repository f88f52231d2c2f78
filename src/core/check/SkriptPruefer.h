// The marks on the lines of one script while it is edited.
#pragma once

#include "model/Skript.h"
#include "regeln/Namensbuch.h"
#include "roomfile/RoomFile.h"

#include <QHash>
#include <QSet>
#include <QStringList>
#include <QVector>
#include <memory>

class Module1;
class Spielpruefung;

/// The findings on the lines of one script while it is edited: exactly what the game check
/// reports for them once the script is saved in its place, the rest of the game as it is.
/// A parameter typed changes only what it can change, so a keystroke costs little even in a
/// long script.
class SkriptPruefer
{
public:
    struct Befund
    {
        /// A fault; otherwise a hint.
        bool fehler = true;
        QString text;
    };

    /// Where the script belongs.
    struct Herkunft
    {
        /// A script of the open room, at `ort`; otherwise an item script.
        bool imRaum = true;
        RoomFile::SkriptOrt ort;
        /// An item script's file, relative to the game folder.
        QString datei;
    };

    SkriptPruefer();
    ~SkriptPruefer();

    /// What the script is checked against: the room open in the editor as it is in memory,
    /// in place of `raumDatei` (its file relative to the game folder; empty when it has none
    /// in the game), and the game `spiel` as read. Without the game (it is being read) there
    /// are no hints that need it. Both must stay as they are until the next call.
    void umfeld(const Herkunft& herkunft, const Module1& raum, const QString& raumDatei,
                const Spielpruefung* spiel);

    /// Checks every line anew. A name's hint is worked out again only when the uses of it,
    /// or of a name like it, changed since the last check.
    void pruefen(const Skript& skript);
    /// Line `zeile` holds a new parameter in place of `alt`; nothing else changed since the
    /// last check.
    void parameterGeaendert(const Skript& skript, qint32 zeile, const QString& alt);

    /// A stretch of lines that can never run in play, from `von` to `bis`, and why.
    struct Nie
    {
        qint32 von = 0;
        qint32 bis = 0;
        QString text;
    };
    /// What can never happen in this script, as the analysis of the game found it; each
    /// stretch counts as one hint and marks each of its lines. Kept until set anew.
    void nieSetzen(QVector<Nie> stellen);
    bool hatNie() const { return !nie.isEmpty(); }

    /// The findings of a line: its faults first, then its hint, then why it never runs.
    const QVector<Befund>& befunde(qint32 zeile) const;
    int fehler() const { return fehlerZahl; }
    int hinweise() const { return hinweisZahl; }

private:
    struct Zeile
    {
        /// Faults the line has with other lines, then its own, then the game's hint.
        QVector<QString> mehrzeilig;
        QString eigener;
        QString hinweis;
        /// Put together when asked for: a check touches every line, a view shows a few.
        mutable QVector<Befund> alle;
        mutable bool alleAlt = true;
    };
    /// How often the script uses a name, by kind of use.
    using Zaehlung = std::array<int, 3>;
    /// The flag or item a line names, if any.
    struct Name
    {
        bool da = false;
        Namensbuch::Art art;
        QString name;
    };
    static Name nameDerZeile(qint32 befehl, const QString& parameter);

    QString eigenerFehler(qint32 befehl, const QString& parameter) const;
    void mehrzeiligPruefen(const Skript& skript);
    /// The names of one kind (0 flags, 1 items) whose uses changed: their hints, and those of
    /// the names like them, are worked out again and given to their lines.
    void hinweiseNachfuehren(int art, const QSet<QString>& geaendert);
    void zaehlen();

    Herkunft herkunft;
    /// The hotspots a line may name: the room's, or for an item script every room's.
    QStringList hotSpots;
    bool hotSpotsBekannt = false;
    /// The game without this script; the script itself on top of it.
    std::unique_ptr<Namensbuch> umgebung;
    std::unique_ptr<Namensbuch> eigen;
    /// Per kind (flags, items): the lines naming each name, its uses as counted into
    /// `eigen`, and its hint.
    QHash<QString, QVector<qint32>> namenZeilen[2];
    QHash<QString, Zaehlung> gezaehlt[2];
    QHash<QString, QString> hinweisVon[2];
    /// The spelling (Namensbuch::schluessel) of every name met, made once.
    QHash<QString, QString> schluesselVon;
    QVector<Zeile> zeilen;
    QVector<Nie> nie;
    int fehlerZahl = 0;
    int hinweisZahl = 0;
};
