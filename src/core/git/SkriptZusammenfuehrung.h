// The three-way merge of a script's lines.
#pragma once

#include "model/Skript.h"

#include <QPair>
#include <QVector>

/// The three-way merge of a script's lines, as git merges lines of text: changes in different
/// places all arrive, the same change on both sides arrives once, different changes to the
/// same lines (or lines next to each other) are a conflict. Every script of a room and every
/// item script is merged by this one function.
namespace SkriptZusammenfuehrung {

/// A run of the merged script: lines taken, or a conflict between the two sides.
struct Stueck
{
    /// Lines both sides agree on, or that one side alone changed.
    Skript zeilen;
    bool konflikt = false;
    /// At a conflict, each side's lines and the base's lines they replace.
    Skript unsere;
    Skript deren;
    Skript basis;
    /// Where the piece begins (0-based) in our script and in theirs.
    qint32 unsereAb = 0;
    qint32 derenAb = 0;
};

struct Ergebnis
{
    QVector<Stueck> stuecke;

    int konflikte() const;
    /// The merged script, our lines at every conflict.
    Skript skript() const;
};

Ergebnis zusammenfuehren(const Skript& basis, const Skript& unsere, const Skript& deren);

/// The lines a and b share in a shortest edit from a to b, as pairs of indices, both rising.
/// Very different long scripts are compared more coarsely (fewer shared lines, never wrong
/// ones), so that memory stays small.
QVector<QPair<qint32, qint32>> gemeinsameZeilen(const Skript& a, const Skript& b);

/// Appends lines `von` to `bis` (exclusive) of `quelle` to `ziel`.
void anhaengen(Skript& ziel, const Skript& quelle, qint32 von, qint32 bis);

} // namespace SkriptZusammenfuehrung
