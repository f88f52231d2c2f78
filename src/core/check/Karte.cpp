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

/// A Graphviz string: quoted, with its quotes and backslashes escaped.
QString text(const QString& wert)
{
    QString t = ohneSteuerzeichen(wert);
    t.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('"'), QStringLiteral("\\\""));
    return QLatin1Char('"') + t + QLatin1Char('"');
}

QString id(const QString& datei)
{
    return text(QDir::fromNativeSeparators(datei));
}

/// The lines of a label, each escaped; Graphviz breaks them at "\n".
QString zeilen(const QStringList& teile)
{
    QStringList escaped;
    for (const QString& t : teile)
        escaped << text(t).mid(1).chopped(1);
    return QLatin1Char('"') + escaped.join(QStringLiteral("\\n")) + QLatin1Char('"');
}

QString knoten(const QString& datei, const QStringList& beschriftung, const QString& aussehen)
{
    return QStringLiteral("    ") + id(datei) + QStringLiteral(" [label=") + zeilen(beschriftung) +
           (aussehen.isEmpty() ? QString() : QStringLiteral(", ") + aussehen) +
           QStringLiteral("];\n");
}

} // namespace

QString dot(const QVector<KartenRaum>& raeume, const QVector<Verbindung>& verbindungen)
{
    QString t = QStringLiteral(
        "digraph Tarnholm {\n"
        "    graph [rankdir=LR, fontname=\"DejaVu Sans\", nodesep=0.4, ranksep=0.8];\n"
        "    node [shape=box, style=\"rounded,filled\", fillcolor=\"#f3ead0\", "
        "fontname=\"DejaVu Sans\", fontsize=11];\n"
        "    edge [fontname=\"DejaVu Sans\", fontsize=9, color=\"#5a4632\"];\n");
    QSet<QString> raumDateien;
    for (const KartenRaum& r : raeume) {
        raumDateien.insert(r.datei);
        QStringList beschriftung{DateiName(r.datei)};
        if (!r.gibt.isEmpty())
            beschriftung << QStringLiteral("gibt: ") + r.gibt.join(QStringLiteral(", "));
        if (!r.braucht.isEmpty())
            beschriftung << QStringLiteral("braucht: ") + r.braucht.join(QStringLiteral(", "));
        if (!r.lesbar)
            beschriftung << QStringLiteral("(nicht lesbar)");
        t += knoten(r.datei, beschriftung,
                    r.lesbar ? QString()
                             : QStringLiteral("style=\"rounded,filled,dashed\", "
                                              "fillcolor=\"#f4c7c3\""));
    }
    // Item scripts that lead somewhere, and rooms that are named but missing, once each.
    QSet<QString> weitere;
    for (const Verbindung& v : verbindungen) {
        if (!raumDateien.contains(v.von) && !weitere.contains(v.von)) {
            weitere.insert(v.von);
            t += knoten(v.von, {DateiName(v.von)},
                        QStringLiteral("shape=note, style=filled, fillcolor=\"#dde8f3\""));
        }
        if (!v.nachDa && !weitere.contains(v.nach)) {
            weitere.insert(v.nach);
            t += knoten(v.nach, {DateiName(v.nach), QStringLiteral("(gibt es nicht)")},
                        QStringLiteral("style=\"rounded,dashed\", color=\"#b03020\""));
        }
    }
    for (const Verbindung& v : verbindungen) {
        t += QStringLiteral("    ") + id(v.von) + QStringLiteral(" -> ") + id(v.nach) +
             (v.ueber.isEmpty() ? QString()
                                : QStringLiteral(" [label=") + text(v.ueber) + QLatin1Char(']')) +
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

QString schreiben(const QString& pfad, const QString& dotText)
{
    const QString endung = QFileInfo(pfad).suffix().toLower();
    if (!bekannteEndung(pfad))
        return QStringLiteral("Die Karte wird als .dot, .svg oder .png geschrieben, nicht als %1.")
            .arg(QDir::toNativeSeparators(pfad));
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
            return QStringLiteral("Graphviz konnte die Karte nicht zeichnen: %1")
                .arg(QString::fromLocal8Bit(graphviz.readAllStandardError()).trimmed());
        bytes = graphviz.readAllStandardOutput();
    }
    if (!TextFile::write(pfad, bytes))
        return QStringLiteral("Die Karte konnte nicht nach %1 geschrieben werden.")
            .arg(QDir::toNativeSeparators(pfad));
    return {};
}

} // namespace Karte
