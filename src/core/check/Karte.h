// The map of a game: rooms, their "Goto" links and items, as Graphviz source.
#pragma once

#include "spiel/Spielpruefung.h"

#include <QString>
#include <QStringList>
#include <QVector>

/// A node of the map of a game.
struct KartenKnoten
{
    enum class Art
    {
        Raum,
        /// A room file that cannot be read to its end.
        Unlesbar,
        /// An item script that leads somewhere.
        ItemSkript,
        /// A room that a "Goto" names and that is not there.
        Fehlt
    };
    /// The file, relative to the game folder, with the platform's separators.
    QString datei;
    Art art = Art::Raum;
    /// The lines of its label: the file name, then what it gives and needs or why it is marked.
    QStringList beschriftung;
};

/// An edge of the map: every "Goto" from one file into another.
struct KartenKante
{
    QString von;
    QString nach;
    /// The hotspots and scripts it starts from, each once; empty for an item script.
    QStringList ueber;
};

/// The map of a game: its rooms and the "Goto" links between them, as a graph.
namespace Karte {

/// A node per room (unreadable ones marked) with the items its scripts give and need, then a
/// node per item script and per missing room that a "Goto" names, each once.
QVector<KartenKnoten> knoten(const QVector<KartenRaum>& raeume,
                             const QVector<Verbindung>& verbindungen);
/// An edge per pair of files that "Goto" links, in the order of `verbindungen`. The links
/// between the same two files share one edge, which names all of them: Graphviz needs
/// minutes for a game whose rooms have several labelled edges each.
QVector<KartenKante> kanten(const QVector<Verbindung>& verbindungen);
/// A node's name as Graphviz knows it, in the source and in its layout.
QString name(const QString& datei);
/// A Graphviz string: quoted, with its quotes and backslashes escaped.
QString text(const QString& wert);
/// The lines of a label, each escaped; Graphviz breaks them at "\n".
QString zeilen(const QStringList& teile);

/// Graphviz source of knoten() and kanten(), each edge labelled with the hotspots or scripts it
/// starts from. The same game always gives the same text.
QString dot(const QVector<KartenRaum>& raeume, const QVector<Verbindung>& verbindungen);

/// The endings schreiben knows: "dot" as the source itself, "svg" and "png" drawn by
/// Graphviz's `dot`.
bool bekannteEndung(const QString& pfad);

/// What a reason calls the graph: "Die Karte"/"die Karte", "Der Rätselplan"/"den Rätselplan".
struct Benennung
{
    QString wer;
    QString wen;
};

/// Writes the graph `dotText` to `pfad`. Returns the German reason when it cannot, else the
/// empty text; without Graphviz's `dot` on the PATH, a drawing cannot be made.
QString schreiben(const QString& pfad, const QString& dotText,
                  const Benennung& als = {QStringLiteral("Die Karte"),
                                          QStringLiteral("die Karte")});

} // namespace Karte
