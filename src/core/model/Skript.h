// One script: a command code and a parameter per line.
#pragma once

#include <QString>
#include <QVector>

/// One script: a command code and a parameter text per line. Copied whole, by value.
/// MaxZeile is the index of the last line; -1 means no lines. When it is 0 or more, both
/// arrays hold at least MaxZeile + 1 elements; only those are meaningful.
struct Skript
{
    // Empty until a line is made: a room holds many empty scripts, and the room reader
    // makes them by the thousand.
    QVector<qint32> Befehl;
    QVector<QString> Parameter;
    qint32 MaxZeile = -1;

    /// No lines; the arrays are emptied.
    void leeren();
    /// Makes the script exactly `zeilen` blank lines long (zeilen >= 1), MaxZeile = zeilen - 1.
    void zeilenAnlegen(qint32 zeilen);

    /// What a new "Interagiere" script holds, for hotspots and items alike: one "Error" line.
    static Skript interagiereVorgabe();

    bool operator==(const Skript& other) const;
    bool operator!=(const Skript& other) const { return !(*this == other); }
};
