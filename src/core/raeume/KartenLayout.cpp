// Where Graphviz's `dot` puts the nodes and edges of a graph.
#include "KartenLayout.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <cmath>

namespace {

/// Beyond any map Graphviz draws; keeps the scene's sums and its conversions to int sound.
constexpr double groessteZahl = 1e9;

bool vernuenftig(double z)
{
    return std::isfinite(z) && std::abs(z) <= groessteZahl;
}

/// Graphviz writes its numbers as texts ("2.5", "1.2e+05"); a number is taken as well.
std::optional<double> zahl(const QJsonValue& wert)
{
    bool ok = false;
    const double z = wert.isDouble() ? wert.toDouble() : wert.toString().toDouble(&ok);
    if ((!wert.isDouble() && !ok) || !vernuenftig(z))
        return std::nullopt;
    return z;
}

std::optional<QPointF> punkt(QStringView text)
{
    const qsizetype komma = text.indexOf(QLatin1Char(','));
    if (komma < 0)
        return std::nullopt;
    bool okX = false, okY = false;
    const double x = text.left(komma).toDouble(&okX);
    const double y = text.mid(komma + 1).toDouble(&okY);
    if (!okX || !okY || !vernuenftig(x) || !vernuenftig(y))
        return std::nullopt;
    return QPointF(x, y);
}

} // namespace

std::optional<KartenLayout> KartenLayout::lesen(const QByteArray& json, QString* fehler)
{
    const auto scheitern = [fehler](const QString& grund) {
        if (fehler)
            *fehler = QStringLiteral("Graphviz hat keine lesbare Anordnung geliefert: ") + grund;
        return std::nullopt;
    };
    QJsonParseError jsonFehler;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &jsonFehler);
    if (!doc.isObject())
        return scheitern(jsonFehler.error == QJsonParseError::NoError
                             ? QStringLiteral("kein Objekt")
                             : jsonFehler.errorString());
    const QJsonObject graph = doc.object();
    const QStringList bb = graph.value(QLatin1String("bb")).toString().split(QLatin1Char(','));
    QVector<double> rand;
    for (const QString& z : bb)
        if (const std::optional<double> wert = zahl(z))
            rand << *wert;
    if (rand.size() != 4 || rand[2] < rand[0] || rand[3] < rand[1])
        return scheitern(QStringLiteral("ohne Größe"));
    // Graphviz counts y upwards from the bottom.
    const auto umrechnen = [&rand](QPointF p) { return QPointF(p.x() - rand[0], rand[3] - p.y()); };

    KartenLayout layout;
    layout.groesse = QSizeF(rand[2] - rand[0], rand[3] - rand[1]);
    QHash<int, int> nachNummer;
    for (const QJsonValue& wert : graph.value(QLatin1String("objects")).toArray()) {
        const QJsonObject o = wert.toObject();
        if (o.contains(QLatin1String("nodes")))
            continue; // a subgraph
        const std::optional<QPointF> mitte = punkt(o.value(QLatin1String("pos")).toString());
        const std::optional<double> breite = zahl(o.value(QLatin1String("width")));
        const std::optional<double> hoehe = zahl(o.value(QLatin1String("height")));
        if (!mitte || !breite || !hoehe || *breite < 0 || *hoehe < 0 ||
            !o.value(QLatin1String("_gvid")).isDouble())
            return scheitern(QStringLiteral("ein Knoten ohne Ort"));
        // Sizes are in inches.
        const QSizeF groesse(*breite * 72, *hoehe * 72);
        nachNummer.insert(o.value(QLatin1String("_gvid")).toInt(), int(layout.knoten.size()));
        layout.knoten.append(
            {o.value(QLatin1String("name")).toString(),
             QRectF(umrechnen(*mitte) - QPointF(groesse.width() / 2, groesse.height() / 2),
                    groesse)});
    }
    for (const QJsonValue& wert : graph.value(QLatin1String("edges")).toArray()) {
        const QJsonObject o = wert.toObject();
        Kante k;
        k.von = nachNummer.value(o.value(QLatin1String("tail")).toInt(-1), -1);
        k.nach = nachNummer.value(o.value(QLatin1String("head")).toInt(-1), -1);
        if (k.von < 0 || k.nach < 0)
            return scheitern(QStringLiteral("eine Kante ohne ihre Knoten"));
        // "e,x,y" is where the arrow points, "s,x,y" where a backward one would; then the
        // spline. Only the first of several splines is drawn.
        const QString pos =
            o.value(QLatin1String("pos")).toString().section(QLatin1Char(';'), 0, 0);
        for (QStringView teil : QStringView(pos).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const bool ende = teil.startsWith(QLatin1String("e,"));
            const bool anfang = teil.startsWith(QLatin1String("s,"));
            const std::optional<QPointF> p = punkt(ende || anfang ? teil.mid(2) : teil);
            if (!p)
                return scheitern(QStringLiteral("eine Kante mit unlesbarem Verlauf"));
            if (ende)
                k.spitze = umrechnen(*p);
            else if (!anfang)
                k.kurve.append(umrechnen(*p));
        }
        if (k.kurve.size() < 4 || (k.kurve.size() - 1) % 3 != 0)
            return scheitern(QStringLiteral("eine Kante mit unlesbarem Verlauf"));
        if (const std::optional<QPointF> lp = punkt(o.value(QLatin1String("lp")).toString()))
            k.beschriftung = umrechnen(*lp);
        layout.kanten.append(k);
    }
    return layout;
}

QStringList KartenLayout::argumente(QSizeF knoten)
{
    if (knoten.isEmpty())
        return {QStringLiteral("-Tjson0")};
    return {QStringLiteral("-Tjson0"),
            QStringLiteral("-Nwidth=%1").arg(knoten.width() / 72, 0, 'g', 10),
            QStringLiteral("-Nheight=%1").arg(knoten.height() / 72, 0, 'g', 10),
            QStringLiteral("-Nfixedsize=true")};
}

KartenLayout::Ergebnis KartenLayout::anordnen(const QString& dot, QSizeF knoten,
                                              const std::atomic<bool>* abbrechen)
{
    Ergebnis e;
    const QString programm = QStandardPaths::findExecutable(QStringLiteral("dot"));
    if (programm.isEmpty()) {
        e.ohneDot = true;
        e.fehler = QStringLiteral(
            "Die Karte ordnet das Programm „dot“ von Graphviz an, und es ist nicht installiert. "
            "Installieren Sie das Paket „graphviz“ und öffnen Sie „Räume“ dann erneut; die "
            "Bilder der Räume zeigt der Reiter „Bilder“ auch ohne.");
        return e;
    }
    QProcess graphviz;
    graphviz.start(programm, argumente(knoten));
    if (!graphviz.waitForStarted(10000)) {
        e.fehler = QStringLiteral("Graphviz („dot“) konnte nicht gestartet werden: %1")
                       .arg(graphviz.errorString());
        return e;
    }
    graphviz.write(dot.toUtf8());
    graphviz.closeWriteChannel();
    while (!graphviz.waitForFinished(50) && graphviz.state() != QProcess::NotRunning) {
        if (abbrechen && *abbrechen) {
            graphviz.kill();
            graphviz.waitForFinished(1000);
            e.fehler = QStringLiteral("abgebrochen");
            return e;
        }
    }
    if (graphviz.exitStatus() != QProcess::NormalExit || graphviz.exitCode() != 0) {
        const QString meldung = QString::fromLocal8Bit(graphviz.readAllStandardError()).trimmed();
        e.fehler =
            QStringLiteral("Graphviz konnte die Karte nicht anordnen%1")
                .arg(meldung.isEmpty() ? QStringLiteral(".") : QStringLiteral(": ") + meldung);
        return e;
    }
    e.layout = lesen(graphviz.readAllStandardOutput(), &e.fehler);
    return e;
}
