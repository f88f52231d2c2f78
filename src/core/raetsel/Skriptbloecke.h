// How the blocks of one script nest: "IF"/"Else"/"EndIf", "SelectCase"/"Case", "Label"s.
#pragma once

#include <QHash>
#include <QString>
#include <QVector>

struct Skript;

/// How the blocks of a script nest, found once per script. A script whose blocks do not
/// close as they open is not `ausgeglichen`; what was found up to there stays.
class Skriptbloecke
{
public:
    explicit Skriptbloecke(const Skript& s);

    bool ausgeglichen = true;
    /// For "IF"/"IfItem": its "Else" (-1: none); for "IF", "IfItem", "Else", "SelectCase" and
    /// "Case": the line that closes the block.
    QVector<qint32> sonst, ende;
    /// For "Else", "EndIf", "Case", "EndSelect": the line that opened the block.
    QVector<qint32> oeffner;
    /// For "SelectCase": its "Case" lines.
    QHash<qint32, QVector<qint32>> faelle;
    /// The "Label" lines of each name.
    QHash<QString, QVector<qint32>> marken;
};
