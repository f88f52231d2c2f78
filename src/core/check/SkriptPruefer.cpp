#include "SkriptPruefer.h"

#include "SkriptRegeln.h"
#include "SpielDatei.h"
#include "Spielpruefung.h"
#include "model/Module1.h"
#include "script/Befehlstabelle.h"

#include <QSet>

namespace {

QStringList hotSpotNamen(const Module1& raum)
{
    QStringList namen;
    for (qint32 h = 0; h <= raum.HotSpotMax; ++h)
        namen << raum.HotSpots[h].Name;
    return namen;
}

} // namespace

SkriptPruefer::SkriptPruefer() = default;
SkriptPruefer::~SkriptPruefer() = default;

void SkriptPruefer::umfeld(const Herkunft& h, const Module1& raum, const QString& raumDatei,
                           const Spielpruefung* spiel)
{
    herkunft = h;
    eigen.reset();
    umgebung.reset();
    hotSpots.clear();
    hotSpotsBekannt = h.imRaum || spiel;
    if (h.imRaum) {
        hotSpots = hotSpotNamen(raum);
    } else if (spiel) {
        // An item script runs in any room of the game, the open one as it is now.
        for (const std::shared_ptr<const SpielDatei>& d : spiel->dateien()) {
            if (d->raum && d->datei != raumDatei)
                hotSpots += d->hotSpotListe();
        }
        hotSpots += hotSpotNamen(raum);
        hotSpots.removeDuplicates();
    }
    if (!spiel)
        return;
    umgebung = std::make_unique<Namensbuch>(&spiel->namen());
    if (const auto alt = raumDatei.isEmpty() ? nullptr : spiel->datei(raumDatei))
        alt->zaehlen(*umgebung, -1);
    const auto imSpeicher = SpielDatei::raumImSpeicher(raumDatei, raum);
    imSpeicher->zaehlen(*umgebung, 1, h.imRaum ? imSpeicher->skriptBei(h.ort) : -1);
    if (!h.imRaum) {
        if (const auto alt = spiel->datei(h.datei))
            alt->zaehlen(*umgebung, -1);
    }
}

SkriptPruefer::Name SkriptPruefer::nameDerZeile(qint32 befehl, const QString& parameter)
{
    const auto benannt = SpielDatei::benannt(befehl, parameter);
    return benannt ? Name{true, benannt->first, benannt->second} : Name{};
}

QString SkriptPruefer::eigenerFehler(qint32 befehl, const QString& parameter) const
{
    if (herkunft.imRaum)
        return SkriptRegeln::zeilenFehler(befehl, parameter, &hotSpots);
    QString fehler = SkriptRegeln::zeilenFehler(befehl, parameter, nullptr);
    if (fehler.isNull() && hotSpotsBekannt && SkriptRegeln::nenntHotSpot(befehl) &&
        !SkriptRegeln::hotSpotBenannt(befehl, parameter, hotSpots))
        fehler = SkriptRegeln::hotSpotFehlt(befehl, parameter, hotSpots, false);
    return fehler;
}

void SkriptPruefer::mehrzeiligPruefen(const Skript& skript)
{
    for (Zeile& z : zeilen)
        z.mehrzeilig.clear();
    for (SkriptRegeln::Verstoss& v : SkriptRegeln::mehrzeilig(skript))
        zeilen[v.zeile].mehrzeilig.append(std::move(v.text));
}

void SkriptPruefer::pruefen(const Skript& skript)
{
    zeilen = QVector<Zeile>(qMax(skript.MaxZeile + 1, 0));
    mehrzeiligPruefen(skript);
    for (QHash<QString, QVector<qint32>>& namen : namenZeilen)
        namen.clear();
    eigen = umgebung ? std::make_unique<Namensbuch>(umgebung.get()) : nullptr;
    for (qint32 i = 0; i <= skript.MaxZeile; ++i) {
        zeilen[i].eigener = eigenerFehler(skript.Befehl[i], skript.Parameter[i]);
        const Name n = nameDerZeile(skript.Befehl[i], skript.Parameter[i]);
        if (!n.da)
            continue;
        namenZeilen[Namensbuch::istFlag(n.art) ? 0 : 1][n.name].append(i);
        if (eigen)
            eigen->zaehlen(n.art, n.name);
    }
    for (const bool flag : {true, false})
        hinweisePruefen(flag, namenZeilen[flag ? 0 : 1].keys());
    for (qint32 i = 0; i < zeilen.size(); ++i)
        zusammenstellen(i);
    zaehlen();
}

void SkriptPruefer::parameterGeaendert(const Skript& skript, qint32 zeile, const QString& alt)
{
    if (zeile < 0 || zeile >= zeilen.size())
        return;
    const qint32 code = skript.Befehl[zeile];
    const QString& neu = skript.Parameter[zeile];
    if (code == Befehlstabelle::Label || code == Befehlstabelle::Jump) {
        // Labels and jumps are checked against each other.
        mehrzeiligPruefen(skript);
        for (qint32 i = 0; i < zeilen.size(); ++i)
            zusammenstellen(i);
        zaehlen();
        return;
    }
    zeilen[zeile].eigener = eigenerFehler(code, neu);
    QSet<qint32> geaendert{zeile};
    const Name vorher = nameDerZeile(code, alt);
    const Name nachher = nameDerZeile(code, neu);
    if ((vorher.da || nachher.da) && (vorher.da != nachher.da || vorher.name != nachher.name)) {
        // One command names one kind of name.
        const bool flag = Namensbuch::istFlag(vorher.da ? vorher.art : nachher.art);
        QHash<QString, QVector<qint32>>& namen = namenZeilen[flag ? 0 : 1];
        QStringList betroffen;
        if (vorher.da) {
            QVector<qint32>& liste = namen[vorher.name];
            liste.removeOne(zeile);
            if (liste.isEmpty())
                namen.remove(vorher.name);
            if (eigen)
                eigen->zaehlen(vorher.art, vorher.name, -1);
            zeilen[zeile].hinweis.clear();
            betroffen << vorher.name;
        }
        if (nachher.da) {
            namen[nachher.name].append(zeile);
            if (eigen)
                eigen->zaehlen(nachher.art, nachher.name, 1);
            betroffen << nachher.name;
        }
        if (eigen) {
            // A hint names a like name that is used: the hints of names like these two
            // change with them.
            QStringList schluessel;
            for (const QString& b : std::as_const(betroffen))
                schluessel << Namensbuch::schluessel(b);
            for (auto it = namen.cbegin(); it != namen.cend(); ++it) {
                if (betroffen.contains(it.key()))
                    continue;
                const QString s = Namensbuch::schluessel(it.key());
                for (const QString& b : std::as_const(schluessel)) {
                    if (s == b || Namensbuch::vertippt(s, b)) {
                        betroffen << it.key();
                        break;
                    }
                }
            }
            hinweisePruefen(flag, betroffen);
            for (const QString& b : std::as_const(betroffen))
                for (const qint32 i : namen.value(b))
                    geaendert.insert(i);
        }
    }
    for (const qint32 i : std::as_const(geaendert))
        zusammenstellen(i);
    zaehlen();
}

void SkriptPruefer::hinweisePruefen(bool flag, const QStringList& namen)
{
    if (!eigen)
        return;
    const QHash<QString, QVector<qint32>>& liste = namenZeilen[flag ? 0 : 1];
    for (const QString& name : namen) {
        const auto zeilenDesNamens = liste.constFind(name);
        if (zeilenDesNamens == liste.cend())
            continue;
        const QString text = eigen->hinweis(flag, name);
        for (const qint32 i : *zeilenDesNamens)
            zeilen[i].hinweis = text;
    }
}

void SkriptPruefer::zusammenstellen(qint32 zeile)
{
    Zeile& z = zeilen[zeile];
    z.alle.clear();
    for (const QString& text : std::as_const(z.mehrzeilig))
        z.alle.append({true, text});
    if (!z.eigener.isNull())
        z.alle.append({true, z.eigener});
    if (!z.hinweis.isNull())
        z.alle.append({false, z.hinweis});
}

void SkriptPruefer::zaehlen()
{
    fehlerZahl = 0;
    hinweisZahl = 0;
    for (const Zeile& z : std::as_const(zeilen)) {
        fehlerZahl += int(z.mehrzeilig.size()) + (z.eigener.isNull() ? 0 : 1);
        hinweisZahl += z.hinweis.isNull() ? 0 : 1;
    }
}

const QVector<SkriptPruefer::Befund>& SkriptPruefer::befunde(qint32 zeile) const
{
    static const QVector<Befund> keine;
    return zeile >= 0 && zeile < zeilen.size() ? zeilen[zeile].alle : keine;
}
