#pragma once

#include "Spielpruefung.h"

#include <QString>
#include <QVector>

/// The map of a game: its rooms and the "Goto" links between them, as a graph.
namespace Karte {

/// Graphviz source: a node per room (unreadable ones marked) with the items its scripts give
/// and need, a node per item script and per missing room that a "Goto" names, and an edge
/// per link labelled with the hotspot or script it starts from. The same game always gives
/// the same text.
QString dot(const QVector<KartenRaum>& raeume, const QVector<Verbindung>& verbindungen);

/// The endings schreiben knows: "dot" as the source itself, "svg" and "png" drawn by
/// Graphviz's `dot`.
bool bekannteEndung(const QString& pfad);

/// Writes the map `dotText` to `pfad`. Returns the German reason when it cannot, else the
/// empty text; without Graphviz's `dot` on the PATH, a drawing cannot be made.
QString schreiben(const QString& pfad, const QString& dotText);

} // namespace Karte
