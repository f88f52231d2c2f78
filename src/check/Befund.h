#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

class Module1;

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
    };
    QVector<Fehlend> fehlend;

    /// Nothing unreadable, nothing missing; unused files do not count.
    bool inOrdnung() const
    {
        return raeume.isEmpty() && itemSkripte.isEmpty() && fehlend.isEmpty();
    }
};

/// A game folder is a folder with a "rooms" subfolder.
bool istSpielordner(const QString& ordner);

/// Reads the item scripts and then the rooms of the game folder whose paths `ordner` holds,
/// the way "Start" does, and looks up every file they name where the editor would offer it.
/// Never changes anything.
Befund ordnerPruefen(const Module1& ordner);

/// The German report: one group after the other, one path per line, in a fixed order.
QString befundText(const Befund& befund);
