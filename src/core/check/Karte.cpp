// The map of a game: rooms, their "Goto" links and items, as Graphviz source.
#include "Karte.h"

#include "Befund.h"
#include "model/DateiName.h"
#include "roomfile/TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>

namespace Karte {
namespace {

QString id(const QString& datei)
{
    return QLatin1Char('"') + name(datei).replace(QLatin1Char('"'), QStringLiteral("\\\"")) +
           QLatin1Char('"');
}

} // namespace

QString text(const QString& wert)
{
    QString t = ohneSteuerzeichen(wert);
    t.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('"'), QStringLiteral("\\\""));
    return QLatin1Char('"') + t + QLatin1Char('"');
}

QString zeilen(const QStringList& teile)
{
    QStringList escaped;
    for (const QString& t : teile)
        escaped << text(t).mid(1).chopped(1);
    return QLatin1Char('"') + escaped.join(QStringLiteral("\\n")) + QLatin1Char('"');
}

QVector<KartenKnoten> knoten(const QVector<KartenRaum>& raeume,
                             const QVector<Verbindung>& verbindungen)
{
    QVector<KartenKnoten> ergebnis;
    QSet<QString> schon;
    for (const KartenRaum& r : raeume) {
        schon.insert(r.datei);
        KartenKnoten k{r.datei,
                       r.lesbar ? KartenKnoten::Art::Raum : KartenKnoten::Art::Unlesbar,
                       {DateiName(r.datei)}};
        if (!r.gibt.isEmpty())
            k.beschriftung << QStringLiteral("gibt: ") + r.gibt.join(QStringLiteral(", "));
        if (!r.braucht.isEmpty())
            k.beschriftung << QStringLiteral("braucht: ") + r.braucht.join(QStringLiteral(", "));
        if (!r.lesbar)
            k.beschriftung << QStringLiteral("(nicht lesbar)");
        ergebnis.append(k);
    }
    for (const Verbindung& v : verbindungen) {
        if (!schon.contains(v.von)) {
            schon.insert(v.von);
            ergebnis.append({v.von, KartenKnoten::Art::ItemSkript, {DateiName(v.von)}});
        }
        if (!v.nachDa && !schon.contains(v.nach)) {
            schon.insert(v.nach);
            ergebnis.append({v.nach,
                             KartenKnoten::Art::Fehlt,
                             {DateiName(v.nach), QStringLiteral("(gibt es nicht)")}});
        }
    }
    return ergebnis;
}

QVector<KartenKante> kanten(const QVector<Verbindung>& verbindungen)
{
    QVector<KartenKante> ergebnis;
    QHash<QPair<QString, QString>, int> paare;
    for (const Verbindung& v : verbindungen) {
        const int i = paare.value({v.von, v.nach}, int(ergebnis.size()));
        if (i == ergebnis.size()) {
            paare.insert({v.von, v.nach}, i);
            ergebnis.append({v.von, v.nach, {}});
        }
        if (!v.ueber.isEmpty() && !ergebnis[i].ueber.contains(v.ueber))
            ergebnis[i].ueber.append(v.ueber);
    }
    return ergebnis;
}

QString name(const QString& datei)
{
    // Graphviz keeps a name's backslashes as written: only a quote is escaped in it.
    return ohneSteuerzeichen(QDir::fromNativeSeparators(datei))
        .replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
}

QString dot(const QVector<KartenRaum>& raeume, const QVector<Verbindung>& verbindungen)
{
    QString t = QStringLiteral(
        "digraph Tarnholm {\n"
        "    graph [rankdir=LR, fontname=\"DejaVu Sans\", nodesep=0.4, ranksep=0.8];\n"
        "    node [shape=box, style=\"rounded,filled\", fillcolor=\"#f3ead0\", "
        "fontname=\"DejaVu Sans\", fontsize=11];\n"
        "    edge [fontname=\"DejaVu Sans\", fontsize=9, color=\"#5a4632\"];\n");
    for (const KartenKnoten& k : knoten(raeume, verbindungen)) {
        QString aussehen;
        switch (k.art) {
        case KartenKnoten::Art::Raum:
            break;
        case KartenKnoten::Art::Unlesbar:
            aussehen = QStringLiteral("style=\"rounded,filled,dashed\", fillcolor=\"#f4c7c3\"");
            break;
        case KartenKnoten::Art::ItemSkript:
            aussehen = QStringLiteral("shape=note, style=filled, fillcolor=\"#dde8f3\"");
            break;
        case KartenKnoten::Art::Fehlt:
            aussehen = QStringLiteral("style=\"rounded,dashed\", color=\"#b03020\"");
            break;
        }
        t += QStringLiteral("    ") + id(k.datei) + QStringLiteral(" [label=") +
             zeilen(k.beschriftung) +
             (aussehen.isEmpty() ? QString() : QStringLiteral(", ") + aussehen) +
             QStringLiteral("];\n");
    }
    for (const KartenKante& k : kanten(verbindungen)) {
        t += QStringLiteral("    ") + id(k.von) + QStringLiteral(" -> ") + id(k.nach) +
             (k.ueber.isEmpty() ? QString()
                                : QStringLiteral(" [label=") + zeilen(k.ueber) + QLatin1Char(']')) +
             QStringLiteral(";\n");
    }
    return t + QStringLiteral("}\n");
}

bool bekannteEndung(const QString& pfad)
{
    const QString endung = QFileInfo(pfad).suffix().toLower();
    return endung == QLatin1String("dot") || endung == QLatin1String("svg") ||
           endung == QLatin1String("png");
}

QString schreiben(const QString& pfad, const QString& dotText, const Benennung& als)
{
    const QString endung = QFileInfo(pfad).suffix().toLower();
    if (!bekannteEndung(pfad))
        return QStringLiteral("%1 wird als .dot, .svg oder .png geschrieben, nicht als %2.")
            .arg(als.wer, QDir::toNativeSeparators(pfad));
    QByteArray bytes = dotText.toUtf8();
    if (endung != QLatin1String("dot")) {
        const QString programm = QStandardPaths::findExecutable(QStringLiteral("dot"));
        if (programm.isEmpty())
            return QStringLiteral("Für .%1 braucht es das Programm \"dot\" von Graphviz, und es "
                                  "ist nicht installiert. Als .dot geht es ohne.")
                .arg(endung);
        QProcess graphviz;
        graphviz.start(programm, {QStringLiteral("-T") + endung});
        graphviz.write(bytes);
        graphviz.closeWriteChannel();
        if (!graphviz.waitForFinished(-1) || graphviz.exitStatus() != QProcess::NormalExit ||
            graphviz.exitCode() != 0)
            return QStringLiteral("Graphviz konnte %1 nicht zeichnen: %2")
                .arg(als.wen, QString::fromLocal8Bit(graphviz.readAllStandardError()).trimmed());
        bytes = graphviz.readAllStandardOutput();
    }
    if (!TextFile::write(pfad, bytes))
        return QStringLiteral("%1 konnte nicht nach %2 geschrieben werden.")
            .arg(als.wer, QDir::toNativeSeparators(pfad));
    return {};
}

} // namespace Karte
