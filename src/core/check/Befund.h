// What tarnholm-check finds in a game folder, and its German report.
#pragma once

#include "spiel/SpielDatei.h"

#include <functional>
#include <optional>

#include <QString>
#include <QStringList>
#include <QVector>

class DateiSuche;
class Pruefung;
class Module1;
class Spielpruefung;

/// What tarnholm-check finds in a game folder. Paths are relative to the game folder, with
/// the platform's separators.
struct Befund
{
    /// Exactly what "Start" in the game-folder checker leaves selected.
    QStringList unbenutzteBilder;
    QStringList unbenutzteKlaenge;

    struct Unlesbar
    {
        QString datei;
        /// Where reading stopped; 0 when the file could not be opened.
        int zeile = 0;
    };
    QVector<Unlesbar> raeume;
    QVector<Unlesbar> itemSkripte;

    struct Fehlend
    {
        /// Where the file was looked for last.
        QString pfad;
        /// Which file, script and line name it.
        QString wo;
        /// The file that names it, the file's line (from 1), and the script and line.
        QString datei;
        int dateiZeile = 0;
        QString stelle;
        /// The script line that names it, when one does and the file holds it whole.
        std::optional<SkriptStelle> skriptStelle;
    };
    QVector<Fehlend> fehlend;

    /// Rooms and item scripts that git holds in conflict from a merge not finished.
    QStringList konflikte;

    /// Nothing unreadable, nothing missing, no conflict; unused files do not count.
    bool inOrdnung() const
    {
        return raeume.isEmpty() && itemSkripte.isEmpty() && fehlend.isEmpty() &&
               konflikte.isEmpty();
    }
};

/// Reads the item scripts and the rooms of the game folder whose paths `ordner` holds and
/// finds what befundAus finds; what was read is handed to `spiel`, when given. `nebenher` is
/// given the game read, on another thread, while befundAus runs; `danach`, on this thread
/// once befundAus is done, while `nebenher` may still run. Never changes anything.
Befund ordnerPruefen(const Module1& ordner, Spielpruefung* spiel = nullptr,
                     const std::function<void(const Spielpruefung&)>& nebenher = {},
                     const std::function<void(const Spielpruefung&)>& danach = {});

/// What "Start" would leave selected in the game's folders as they are now, the files of the
/// game that cannot be read, and every file they name that is not where the editor would
/// offer it. The folders are listed anew, or taken from `listen` as it lists them; the
/// pictures and sounds from `vorbereitet` when they were listed from it before, which counts
/// their uses.
Befund befundAus(const Spielpruefung& spiel, const Module1& ordner, DateiSuche* listen = nullptr,
                 Pruefung* vorbereitet = nullptr);

/// The German report: one group after the other, one path per line, in a fixed order; the
/// conflicts first, only when there are any.
QString befundText(const Befund& befund);

/// Names come from broken files and any file name: a control character must neither break
/// the one-line-per-entry form of a report nor reach the terminal. Each becomes "?".
QString ohneSteuerzeichen(QString text);

/// Appends to `text` a line made of `teile`, each control character in them as "?", as
/// ohneSteuerzeichen makes it: a report writes thousands of lines into one text.
template <typename... Teile> void zeileAnhaengen(QString& text, const Teile&... teile)
{
    const qsizetype anfang = text.size();
    (text.append(teile), ...);
    QChar* const ende = text.data() + text.size();
    for (QChar* c = ende - (text.size() - anfang); c != ende; ++c) {
        if (c->unicode() < 0x20 || (c->unicode() >= 0x7F && c->unicode() < 0xA0))
            *c = QLatin1Char('?');
    }
    text.append(QLatin1Char('\n'));
}
