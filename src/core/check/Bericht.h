// What tarnholm-check prints beyond the findings, and the report in the form compilers use.
#pragma once

#include "Befund.h"
#include "raetsel/Erreichbarkeit.h"
#include "spiel/Spielpruefung.h"

#include <QString>
#include <QVector>

/// What tarnholm-check prints beyond befundText, and the whole report in the form compilers
/// use.
namespace Bericht {

/// One finding of the report, as a window lists it.
struct Eintrag
{
    enum class Art
    {
        /// Counts for the check's result.
        Fehler,
        /// A hint.
        Warnung,
        /// An unused picture or sound.
        Hinweis
    };
    Art art = Art::Fehler;
    /// The file it concerns, relative to the game folder, and the file's line (0: none).
    QString datei;
    int dateiZeile = 0;
    QString text;
    /// Where, in words: "Startskript, Zeile 3: "IF x"", or empty.
    QString wo;
    /// A script line it is about: the file, script, line and the line's text.
    bool zeile = false;
    SkriptStelle stelle;
    /// A conflict git holds from a merge not finished: its file comes first.
    bool konflikt = false;
};

/// Every finding in the order gccText prints them.
QVector<Eintrag> eintraege(const Befund& befund, const QVector<SkriptFehler>& fehler,
                           const QVector<SpielHinweis>& hinweise);

/// The findings of one file.
struct Gruppe
{
    QString datei;
    QVector<Eintrag> eintraege;
};
/// The findings by file, each file's in the report's order: files in conflict, rooms, item
/// scripts, the other files, each by name.
QVector<Gruppe> nachDateien(const QVector<Eintrag>& eintraege);

/// The groups "Fehler in Skripten" and "Hinweise", each only when it holds something, so
/// that the report of a game without them stays as befundText alone.
QString skriptText(const QVector<SkriptFehler>& fehler, const QVector<SpielHinweis>& hinweise);

/// One line per finding, "datei:zeile: Art: Text", with the file's own line (from 1) where a
/// finding has one: "Fehler" for what makes the check fail, "Warnung" for the hints (one line
/// per place), "Hinweis" for unused pictures and sounds.
QString gccText(const Befund& befund, const QVector<SkriptFehler>& fehler,
                const QVector<SpielHinweis>& hinweise);

/// What can never happen in play as findings: an unreachable goal a "Fehler" (in the plan's
/// file), each stretch of lines that never runs a "Warnung" at its first line; a room never
/// entered is one "Warnung" for all its scripts, at the first.
QVector<Eintrag> nieEintraege(const Erreichbarkeit& ablauf);

/// The group "Kann im Spiel nie geschehen", only when it holds something: the goals that are
/// never reached first, then each stretch with file, script, line, the line's text and reason.
QString nieText(const Erreichbarkeit& ablauf);

/// nieEintraege as gccText prints findings.
QString gccNieText(const Erreichbarkeit& ablauf);

} // namespace Bericht
