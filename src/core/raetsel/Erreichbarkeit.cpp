// What can ever happen in play: the reasons' texts, the queries on the result, and the
// analysis put together from the fixpoint and its findings.
#include "Erreichbarkeit.h"

#include "Fixpunkt.h"
#include "NieBefunde.h"

#include "model/DateiName.h"

#include <algorithm>

namespace {

QString zitat(const QString& name)
{
    return QStringLiteral("„") + name + QStringLiteral("“");
}

QString ort(const SkriptStelle& s)
{
    QString text = s.datei;
    if (!s.skript.isEmpty())
        text += QStringLiteral(", ") + s.skript;
    return text + QStringLiteral(", Zeile ") + QString::number(s.zeile + 1);
}

} // namespace

QString NieGrund::text() const
{
    QString text;
    switch (art) {
    case Art::RaumNie:
        text =
            QStringLiteral("Raum ") + zitat(DateiName(name)) + QStringLiteral(" wird nie betreten");
        break;
    case Art::HotSpotInaktiv:
        text = QStringLiteral("HotSpot ") + zitat(name) +
               QStringLiteral(" ist inaktiv und wird nirgends aktiviert, wo das Spiel hinkommt");
        break;
    case Art::NichtAngeboten:
        text = QStringLiteral("die Aktion ") + zitat(name) +
               QStringLiteral(" ist nicht angekreuzt, das Spiel bietet sie nicht an");
        break;
    case Art::FlagNie:
        text = QStringLiteral("Flag ") + zitat(name) +
               QStringLiteral(" wird nirgends gesetzt, wo das Spiel hinkommt");
        break;
    case Art::GegenstandNie:
        text = QStringLiteral("Gegenstand ") + zitat(name) +
               QStringLiteral(" wird nirgends gegeben, wo das Spiel hinkommt");
        break;
    case Art::Uebersprungen:
        return sprungDavor ? QStringLiteral("übersprungen: \"Jump\" ohne Bedingung davor")
                           : QStringLiteral("übersprungen: jeder Weg hierher springt vorher weg");
    }
    if (nurIn)
        text +=
            QStringLiteral(" (nur in ") + ort(*nurIn) + QStringLiteral(", die selbst nie läuft)");
    return text;
}

QString ZielStand::text() const
{
    if (erreichbar)
        return {};
    const QString anfang = QStringLiteral("Ziel ") + zitat(ziel.text());
    if (ziel.art == Raetselplan::Name::Art::Raum && fehlt.art == NieGrund::Art::RaumNie &&
        fehlt.name == ziel.name)
        return anfang + QStringLiteral(": diesen Raum gibt es nicht");
    return anfang + QStringLiteral(" wird nie erreicht: ") + fehlt.text();
}

bool Erreichbarkeit::laeuft(const QString& datei, int skript, qint32 zeile) const
{
    const auto d = zeilen.constFind(datei);
    if (d == zeilen.cend() || skript < 0 || skript >= d->size())
        return true;
    const QBitArray& z = (*d)[skript];
    return zeile < 0 || zeile >= z.size() || z.testBit(zeile);
}

const NieBefund* Erreichbarkeit::befundBei(const QString& datei, int skript, qint32 zeile) const
{
    for (const NieBefund& b : nie) {
        if (b.stelle.datei == datei && b.skript == skript && b.stelle.zeile <= zeile &&
            zeile <= b.bis)
            return &b;
    }
    return nullptr;
}

int Erreichbarkeit::fehlendeZiele() const
{
    return int(std::count_if(ziele.cbegin(), ziele.cend(),
                             [](const ZielStand& z) { return !z.erreichbar; }));
}

Erreichbarkeit Erreichbarkeit::berechnen(const Spielpruefung& spiel, const Raetselplan& plan)
{
    Erreichbarkeit e;
    Fixpunkt f(spiel, plan, e);
    f.rechnen();
    NieBefunde(f, plan, e).machen();
    return e;
}

QString Erreichbarkeit::hotSpotSchluessel(const QString& name)
{
    return name.trimmed().toCaseFolded();
}
