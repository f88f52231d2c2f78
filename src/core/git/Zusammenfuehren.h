// The three-way merge of rooms and item scripts by what the editor edits.
#pragma once

#include "Konflikt.h"
#include "Textform.h"
#include "model/Module1.h"

#include <QByteArray>
#include <QVector>

/// The three-way merge of rooms and item scripts by what the editor edits: hotspots by name,
/// fields, script lines, cells one by one. At a conflict our value stays, so the result is
/// always a room the editor and the game read; every conflict is kept with both sides.
namespace Zusammenfuehren {

struct Ergebnis
{
    /// What the merged file holds: the room written by the one writer, our bytes unchanged
    /// where nothing had to be merged or a file could not be read, or theirs where only they
    /// changed it.
    QByteArray bytes;
    QVector<Konflikt> konflikte;

    bool sauber() const { return konflikte.isEmpty(); }
};

/// Merges the rooms' models: `raum` receives the merged room part.
QVector<Konflikt> raeume(const Module1& basis, const Module1& unsere, const Module1& deren,
                         Module1& raum);

/// Merges three files of one kind as git hands them to a merge driver.
Ergebnis dateien(Textform::Art art, const QByteArray& basis, const QByteArray& unsere,
                 const QByteArray& deren);

/// What the merge driver says on standard error: every conflict with `pfad`, what conflicts
/// and both versions, then how to see theirs. Empty for a clean merge.
QString meldung(const Ergebnis& ergebnis, const QString& pfad);

} // namespace Zusammenfuehren
