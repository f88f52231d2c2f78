// The puzzle dependency chart of a game: its steps and what they need and give, as a graph.
#pragma once

#include "Erreichbarkeit.h"
#include "Raetselplan.h"
#include "roomfile/RoomFile.h"

#include <QString>
#include <QStringList>
#include <QVector>

class Spielpruefung;

/// A flag, an item, a room or a hotspot between the steps of the chart.
struct PlanDing
{
    enum class Art
    {
        Flag,
        Gegenstand,
        Raum,
        HotSpot
    };
    Art art = Art::Flag;
    /// The flag or item as written, the room file, the hotspot's name.
    QString name;
    /// Its node's name: "flag:TruheOffen", "raum:rooms/haus.lsd", "hotspot:geheimgang".
    QString schluessel;
    /// Play can reach it (a room entered, a flag set, an item given, a hotspot active).
    bool erreicht = true;
    bool start = false;
    bool ziel = false;
    bool zumZiel = false;
};

/// An action that needs or gives something: a hotspot's, an item's, a room's start or timer
/// script.
struct PlanSchritt
{
    /// The room or item script file, relative to the game folder.
    QString datei;
    /// Which of the file's scripts, and where it is.
    int skript = 0;
    RoomFile::SkriptOrt ort;
    /// An item's script, not a room's.
    bool itemSkript = false;
    /// The hotspot's name; empty for a start, timer or item script.
    QString hotSpot;
    /// "Tue", "Startskript", "Timerskript", or the item script's file name.
    QString aktion;
    /// The first line that needs or gives something (from 0), where the editor opens it.
    qint32 zeile = 0;
    /// Keys of the things it needs and gives.
    QStringList braucht;
    QStringList gibt;
    /// It can never run, and why.
    bool nie = false;
    QString grund;
    bool zumZiel = false;

    /// Its node's name: "schritt:3".
    static QString name(int index);
};

/// An edge: a thing a step needs, or a thing a step gives.
struct PlanKante
{
    /// Node names, as PlanDing::schluessel and PlanSchritt::name give them.
    QString von;
    QString nach;
    /// Given only by lines that never run, and why.
    bool nie = false;
    QString grund;
    bool zumZiel = false;
};

/// The chart of a game from what play can reach: steps, the things between them, and which of
/// them lead to the goals of the plan.
struct RaetselKarte
{
    QVector<PlanSchritt> schritte;
    QVector<PlanDing> dinge;
    QVector<PlanKante> kanten;

    static RaetselKarte bauen(const Spielpruefung& spiel, const Erreichbarkeit& ablauf,
                              const Raetselplan& plan);

    /// The step with the node name `name`, or -1.
    int schrittZu(const QString& name) const;
    /// The thing with the node name `name`, or -1.
    int dingZu(const QString& name) const;

    /// The lines of a step's label: its hotspot and action, then its room.
    static QStringList beschriftung(const PlanSchritt& schritt);
    /// A thing's label: "Flag TruheOffen", "Schluessel.bmp", "haus.lsd", "aktiv: Geheimgang".
    static QString beschriftung(const PlanDing& ding);
    /// The pale colour of a room's steps ("#dde8f3"), one a room in turn; white for items.
    QString raumFarbe(const QString& datei) const;

    /// Graphviz source, left to right from the start to the goals; with `nurWeg`, only the
    /// steps and things that lead to a goal. The same chart always gives the same text.
    QString dot(bool nurWeg = false) const;
};
