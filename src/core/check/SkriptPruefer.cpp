// The marks on the lines of one script while it is edited.
#include "SkriptPruefer.h"

#include "model/Module1.h"
#include "regeln/SkriptRegeln.h"
#include "script/Befehlstabelle.h"
#include "spiel/SpielDatei.h"
#include "spiel/Spielpruefung.h"

#include <QSet>

SkriptPruefer::SkriptPruefer() = default;
SkriptPruefer::~SkriptPruefer() = default;

void SkriptPruefer::umfeld(const Herkunft& h, const Module1& raum, const QString& raumDatei,
                           const Spielpruefung* spiel)
{
    herkunft = h;
    eigen.reset();
    umgebung.reset();
    for (int art = 0; art < 2; ++art) {
        gezaehlt[art].clear();
        hinweisVon[art].clear();
        namenZeilen[art].clear();
    }
    zeilen.clear();
    hotSpots.clear();
    hotSpotsBekannt = h.imRaum || spiel;
    if (h.imRaum) {
        hotSpots = raum.hotSpotNamen();
    } else if (spiel) {
        // An item script runs in any room of the game, the open one as it is now.
        for (const std::shared_ptr<const SpielDatei>& d : spiel->dateien()) {
            if (d->raum && d->datei != raumDatei)
                hotSpots += d->hotSpotListe();
        }
        hotSpots += raum.hotSpotNamen();
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
    eigen = std::make_unique<Namensbuch>(umgebung.get());
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
    for (Zeile& z : zeilen) {
        z.mehrzeilig.clear();
        z.alleAlt = true;
    }
    for (SkriptRegeln::Verstoss& v : SkriptRegeln::mehrzeilig(skript))
        zeilen[v.zeile].mehrzeilig.append(std::move(v.text));
}

namespace {

int artDesNamens(Namensbuch::Art art)
{
    return Namensbuch::istFlag(art) ? 0 : 1;
}

int stelleDerArt(Namensbuch::Art art)
{
    return Namensbuch::istFlag(art) ? int(art) : int(art) - 3;
}

Namensbuch::Art artAn(int art, int stelle)
{
    return Namensbuch::Art(art * 3 + stelle);
}

/// So many changed names and more, and every hint is worked out again: cheaper than finding
/// the names like each.
constexpr qsizetype vieleNamen = 64;

} // namespace

void SkriptPruefer::pruefen(const Skript& skript)
{
    zeilen = QVector<Zeile>(qMax(skript.MaxZeile + 1, 0));
    mehrzeiligPruefen(skript);
    QHash<QString, Zaehlung> neu[2];
    for (QHash<QString, QVector<qint32>>& namen : namenZeilen)
        namen.clear();
    for (qint32 i = 0; i <= skript.MaxZeile; ++i) {
        zeilen[i].eigener = eigenerFehler(skript.Befehl[i], skript.Parameter[i]);
        const Name n = nameDerZeile(skript.Befehl[i], skript.Parameter[i]);
        if (!n.da)
            continue;
        const int art = artDesNamens(n.art);
        namenZeilen[art][n.name].append(i);
        ++neu[art][n.name][stelleDerArt(n.art)];
    }
    for (int art = 0; art < 2; ++art) {
        // What the script uses now takes the place of what it used at the last check.
        QSet<QString> geaendert;
        for (auto it = neu[art].cbegin(); it != neu[art].cend(); ++it) {
            if (gezaehlt[art].value(it.key()) != it.value())
                geaendert.insert(it.key());
        }
        for (auto it = gezaehlt[art].cbegin(); it != gezaehlt[art].cend(); ++it) {
            if (!neu[art].contains(it.key()))
                geaendert.insert(it.key());
        }
        if (eigen) {
            for (const QString& name : std::as_const(geaendert)) {
                const Zaehlung alt = gezaehlt[art].value(name);
                const Zaehlung jetzt = neu[art].value(name);
                for (int k = 0; k < 3; ++k) {
                    if (jetzt[k] != alt[k])
                        eigen->zaehlen(artAn(art, k), name, jetzt[k] - alt[k]);
                }
            }
        }
        gezaehlt[art] = std::move(neu[art]);
        hinweiseNachfuehren(art, geaendert);
        for (auto it = namenZeilen[art].cbegin(); it != namenZeilen[art].cend(); ++it) {
            const QString hinweis = hinweisVon[art].value(it.key());
            for (const qint32 i : it.value())
                zeilen[i].hinweis = hinweis;
        }
    }
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
        for (Zeile& z : zeilen)
            z.alleAlt = true;
        zaehlen();
        return;
    }
    zeilen[zeile].eigener = eigenerFehler(code, neu);
    zeilen[zeile].alleAlt = true;
    const Name vorher = nameDerZeile(code, alt);
    const Name nachher = nameDerZeile(code, neu);
    if ((vorher.da || nachher.da) && (vorher.da != nachher.da || vorher.name != nachher.name)) {
        // One command names one kind of name.
        const int art = artDesNamens(vorher.da ? vorher.art : nachher.art);
        QHash<QString, QVector<qint32>>& namen = namenZeilen[art];
        QSet<QString> geaendert;
        if (vorher.da) {
            QVector<qint32>& liste = namen[vorher.name];
            liste.removeOne(zeile);
            Zaehlung& z = gezaehlt[art][vorher.name];
            --z[stelleDerArt(vorher.art)];
            if (liste.isEmpty()) {
                namen.remove(vorher.name);
                gezaehlt[art].remove(vorher.name);
            }
            if (eigen)
                eigen->zaehlen(vorher.art, vorher.name, -1);
            zeilen[zeile].hinweis.clear();
            geaendert.insert(vorher.name);
        }
        if (nachher.da) {
            namen[nachher.name].append(zeile);
            ++gezaehlt[art][nachher.name][stelleDerArt(nachher.art)];
            if (eigen)
                eigen->zaehlen(nachher.art, nachher.name, 1);
            geaendert.insert(nachher.name);
        }
        hinweiseNachfuehren(art, geaendert);
    }
    zaehlen();
}

void SkriptPruefer::hinweiseNachfuehren(int art, const QSet<QString>& geaendert)
{
    const QHash<QString, QVector<qint32>>& namen = namenZeilen[art];
    for (const QString& name : geaendert) {
        if (!namen.contains(name))
            hinweisVon[art].remove(name);
    }
    if (!eigen || geaendert.isEmpty())
        return;
    // A hint names a like name that is used: the hints of names like those changed change
    // with them.
    QSet<QString> betroffen;
    if (geaendert.size() >= vieleNamen) {
        for (auto it = namen.cbegin(); it != namen.cend(); ++it)
            betroffen.insert(it.key());
    } else {
        const auto schluesselVonName = [this](const QString& name) {
            auto s = schluesselVon.constFind(name);
            if (s == schluesselVon.cend())
                s = schluesselVon.insert(name, Namensbuch::schluessel(name));
            return *s;
        };
        QStringList schluessel;
        for (const QString& g : geaendert)
            schluessel << schluesselVonName(g);
        for (auto it = namen.cbegin(); it != namen.cend(); ++it) {
            if (geaendert.contains(it.key())) {
                betroffen.insert(it.key());
                continue;
            }
            const QString s = schluesselVonName(it.key());
            for (const QString& g : std::as_const(schluessel)) {
                if (s == g || Namensbuch::vertippt(s, g)) {
                    betroffen.insert(it.key());
                    break;
                }
            }
        }
    }
    for (const QString& name : std::as_const(betroffen)) {
        const QString hinweis = eigen->hinweis(art == 0, name);
        hinweisVon[art].insert(name, hinweis);
        for (const qint32 i : namen.value(name)) {
            zeilen[i].hinweis = hinweis;
            zeilen[i].alleAlt = true;
        }
    }
}

void SkriptPruefer::zaehlen()
{
    fehlerZahl = 0;
    hinweisZahl = 0;
    for (const Zeile& z : std::as_const(zeilen)) {
        fehlerZahl += int(z.mehrzeilig.size()) + (z.eigener.isNull() ? 0 : 1);
        hinweisZahl += z.hinweis.isNull() ? 0 : 1;
    }
    hinweisZahl += int(nie.size());
}

void SkriptPruefer::nieSetzen(QVector<Nie> stellen)
{
    if (stellen.isEmpty() && nie.isEmpty())
        return;
    nie = std::move(stellen);
    for (Zeile& z : zeilen)
        z.alleAlt = true;
    zaehlen();
}

const QVector<SkriptPruefer::Befund>& SkriptPruefer::befunde(qint32 zeile) const
{
    static const QVector<Befund> keine;
    if (zeile < 0 || zeile >= zeilen.size())
        return keine;
    const Zeile& z = zeilen[zeile];
    if (z.alleAlt) {
        z.alle.clear();
        for (const QString& text : z.mehrzeilig)
            z.alle.append({true, text});
        if (!z.eigener.isNull())
            z.alle.append({true, z.eigener});
        if (!z.hinweis.isNull())
            z.alle.append({false, z.hinweis});
        for (const Nie& n : nie) {
            if (n.von <= zeile && zeile <= n.bis)
                z.alle.append({false, n.text});
        }
        z.alleAlt = false;
    }
    return z.alle;
}
