// The puzzle dependency chart of a game: its steps and what they need and give, as a graph.
#include "RaetselKarte.h"

#include "PlanBauer.h"

#include "check/Karte.h"
#include "model/DateiName.h"

#include <QHash>
#include <QSet>

namespace {

using Karte::text;
using Karte::zeilen;

/// Pale colours for the rooms, one a room in turn; red is kept for what can never happen.
const char* const raumFarben[] = {"#dde8f3", "#e3f0d8", "#f3ead0", "#ece0f3",
                                  "#d8f0ec", "#f3e0d0", "#e8e8e8", "#f0f3c8"};

QString dingText(const PlanDing& d)
{
    switch (d.art) {
    case PlanDing::Art::Flag:
        return QStringLiteral("Flag ") + d.name;
    case PlanDing::Art::Gegenstand:
        return d.name;
    case PlanDing::Art::Raum:
        return DateiName(d.name);
    case PlanDing::Art::HotSpot:
        return QStringLiteral("aktiv: ") + d.name;
    }
    return d.name;
}

} // namespace

QString PlanSchritt::name(int index)
{
    return QStringLiteral("schritt:") + QString::number(index);
}

RaetselKarte RaetselKarte::bauen(const Spielpruefung& spiel, const Erreichbarkeit& ablauf,
                                 const Raetselplan& plan)
{
    RaetselKarte k;
    PlanBauer::bauen(spiel, ablauf, plan, k);
    return k;
}

int RaetselKarte::dingZu(const QString& name) const
{
    for (int i = 0; i < dinge.size(); ++i) {
        if (dinge[i].schluessel == name)
            return i;
    }
    return -1;
}

QStringList RaetselKarte::beschriftung(const PlanSchritt& p)
{
    return {p.hotSpot.isEmpty() ? p.aktion : p.hotSpot + QStringLiteral(": ") + p.aktion,
            p.itemSkript ? QStringLiteral("Gegenstand") : DateiName(p.datei)};
}

QString RaetselKarte::beschriftung(const PlanDing& ding)
{
    return dingText(ding);
}

QString RaetselKarte::raumFarbe(const QString& datei) const
{
    int n = 0;
    for (const PlanDing& d : dinge) {
        if (d.art != PlanDing::Art::Raum)
            continue;
        if (d.name == datei)
            return QLatin1String(raumFarben[n % 8]);
        ++n;
    }
    return QStringLiteral("#ffffff");
}

int RaetselKarte::schrittZu(const QString& name) const
{
    if (!name.startsWith(QStringLiteral("schritt:")))
        return -1;
    bool ok = false;
    const int i = name.mid(8).toInt(&ok);
    return ok && i >= 0 && i < schritte.size() ? i : -1;
}

QString RaetselKarte::dot(bool nurWeg) const
{
    QString t = QStringLiteral(
        "digraph Raetselplan {\n"
        "    graph [rankdir=LR, fontname=\"DejaVu Sans\", nodesep=0.25, ranksep=0.5];\n"
        "    node [fontname=\"DejaVu Sans\", fontsize=11];\n"
        "    edge [color=\"#5a4632\", arrowsize=0.7];\n");
    QHash<QString, int> farbe;
    QSet<QString> gezeigt;
    for (const PlanDing& d : dinge) {
        if (d.art == PlanDing::Art::Raum && !farbe.contains(d.name))
            farbe.insert(d.name, int(farbe.size()));
        if (nurWeg && !d.zumZiel)
            continue;
        gezeigt.insert(d.schluessel);
        QStringList a{QStringLiteral("label=") + text(dingText(d))};
        switch (d.art) {
        case PlanDing::Art::Flag:
            a << QStringLiteral("shape=ellipse");
            break;
        case PlanDing::Art::Gegenstand:
            a << QStringLiteral("shape=note");
            break;
        case PlanDing::Art::Raum:
            a << QStringLiteral("shape=house");
            break;
        case PlanDing::Art::HotSpot:
            a << QStringLiteral("shape=diamond");
            break;
        }
        a << QStringLiteral("fontsize=9, margin=\"0.05,0.02\", height=0.3");
        if (d.art == PlanDing::Art::Raum)
            a << QStringLiteral("style=filled, fillcolor=\"%1\"")
                     .arg(QLatin1String(raumFarben[farbe.value(d.name) % 8]));
        if (!d.erreicht)
            a << QStringLiteral("color=\"#b03020\", fontcolor=\"#b03020\", style=dashed");
        if (d.ziel)
            a << QStringLiteral("peripheries=2");
        if (d.zumZiel)
            a << QStringLiteral("penwidth=2");
        t += QStringLiteral("    ") + text(d.schluessel) + QStringLiteral(" [") +
             a.join(QStringLiteral(", ")) + QStringLiteral("];\n");
    }
    QStringList starts;
    for (const PlanDing& d : dinge) {
        if (d.start && gezeigt.contains(d.schluessel))
            starts << text(d.schluessel);
    }
    if (!starts.isEmpty())
        t += QStringLiteral("    { rank=source; ") + starts.join(QStringLiteral("; ")) +
             QStringLiteral("; }\n");
    for (int i = 0; i < schritte.size(); ++i) {
        const PlanSchritt& p = schritte[i];
        if (nurWeg && !p.zumZiel)
            continue;
        const QString name = PlanSchritt::name(i);
        gezeigt.insert(name);
        const QString kopf =
            p.hotSpot.isEmpty() ? p.aktion : p.hotSpot + QStringLiteral(": ") + p.aktion;
        QStringList a{
            QStringLiteral("label=") +
                zeilen({kopf, p.itemSkript ? QStringLiteral("Gegenstand") : DateiName(p.datei)}),
            QStringLiteral("shape=box, style=\"rounded,filled\"")};
        const bool raum = farbe.contains(p.datei);
        a << QStringLiteral("fillcolor=\"%1\"")
                 .arg(QLatin1String(raum ? raumFarben[farbe.value(p.datei) % 8] : "#ffffff"));
        if (p.nie)
            a << QStringLiteral("color=\"#b03020\", fontcolor=\"#b03020\", tooltip=") +
                     text(p.grund);
        if (p.zumZiel)
            a << QStringLiteral("penwidth=3, fontname=\"DejaVu Sans Bold\"");
        t += QStringLiteral("    ") + text(name) + QStringLiteral(" [") +
             a.join(QStringLiteral(", ")) + QStringLiteral("];\n");
    }
    for (const PlanKante& kante : kanten) {
        if (!gezeigt.contains(kante.von) || !gezeigt.contains(kante.nach) ||
            (nurWeg && !kante.zumZiel))
            continue;
        QStringList a;
        if (kante.nie)
            a << QStringLiteral("style=dashed, color=\"#b03020\"");
        if (!kante.grund.isEmpty())
            a << QStringLiteral("tooltip=") + text(kante.grund);
        if (kante.zumZiel)
            a << QStringLiteral("penwidth=2.5");
        t +=
            QStringLiteral("    ") + text(kante.von) + QStringLiteral(" -> ") + text(kante.nach) +
            (a.isEmpty() ? QString()
                         : QStringLiteral(" [") + a.join(QStringLiteral(", ")) + QLatin1Char(']')) +
            QStringLiteral(";\n");
    }
    return t + QStringLiteral("}\n");
}
