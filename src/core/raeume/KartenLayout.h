// Where Graphviz's `dot` puts the nodes and edges of a graph.
#pragma once

#include <QByteArray>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QVector>
#include <atomic>
#include <optional>

/// Where Graphviz's `dot` puts the nodes and edges of a graph, in the drawing's own
/// coordinates: points (1/72 inch), y growing downwards, the top left corner at 0,0.
struct KartenLayout
{
    struct Knoten
    {
        /// As Graphviz knows it.
        QString name;
        QRectF rahmen;
    };
    struct Kante
    {
        /// Indexes into `knoten`.
        int von = -1;
        int nach = -1;
        /// The curve: its start, then three points for each cubic segment.
        QVector<QPointF> kurve;
        /// Where its arrow points, when it has one.
        std::optional<QPointF> spitze;
        /// The middle of its label, when it has one.
        std::optional<QPointF> beschriftung;
    };

    QSizeF groesse;
    QVector<Knoten> knoten;
    QVector<Kante> kanten;

    /// Reads what `dot -Tjson0` writes. Nothing for anything else, with the German reason in
    /// `fehler`.
    static std::optional<KartenLayout> lesen(const QByteArray& json, QString* fehler = nullptr);

    struct Ergebnis;
    /// Lays out the graph `dot` with Graphviz's `dot` from the PATH, every node `knoten` large
    /// whatever its label; an empty size leaves every node as large as its label. Waits for it;
    /// stops it soon when `abbrechen` becomes true.
    static Ergebnis anordnen(const QString& dot, QSizeF knoten,
                             const std::atomic<bool>* abbrechen = nullptr);
    /// The arguments anordnen gives `dot`.
    static QStringList argumente(QSizeF knoten);
};

/// What came of asking Graphviz.
struct KartenLayout::Ergebnis
{
    std::optional<KartenLayout> layout;
    /// Why there is no layout, in German.
    QString fehler;
    /// `dot` is not on the PATH.
    bool ohneDot = false;
};
