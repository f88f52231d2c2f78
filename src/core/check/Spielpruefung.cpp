#include "Spielpruefung.h"

#include "SkriptRegeln.h"
#include "model/BildPfad.h"
#include "model/DateiName.h"
#include "model/Module1.h"
#include "script/Befehlstabelle.h"
#include "script/Zeilen.h"

#include <QDir>
#include <QHash>
#include <QSet>
#include <QVarLengthArray>
#include <algorithm>
#include <optional>

namespace {

using namespace Befehlstabelle;

/// Names in the order of the rooms list: letter case first ignored, then by code.
QString namensSchluessel(const QString& name)
{
    return name.toCaseFolded() + QChar(0) + name;
}

QString zitat(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

/// Names by the key under which they count as nearly the same.
class Schreibweisen
{
public:
    /// `gefaltet` is the name with its letter case folded.
    void merken(const QString& name, const QString& gefaltet)
    {
        QString& erste = namen[ohneLeerzeichen(gefaltet)];
        if (erste.isNull() || name < erste)
            erste = name;
    }
    /// The first, in code order, of the names that differ from `name` only in case or
    /// spaces; empty when there is none.
    QString zu(const QString& name, const QString& gefaltet) const
    {
        const QString treffer = namen.value(ohneLeerzeichen(gefaltet));
        return treffer == name ? QString() : treffer;
    }

private:
    QHash<QString, QString> namen;
};

/// The flag of "Spiel vom Spiel spielen spielen": its second part, "[Spiel], [Flag], ...".
std::optional<QString> spielFlag(const QString& parameter)
{
    if (!parameter.contains(QLatin1Char(',')))
        return std::nullopt;
    return ohneLeerzeichen(parameter.section(QLatin1Char(','), 1, 1));
}

} // namespace

SkriptStelle Spielpruefung::Vorkommen::mitText() const
{
    SkriptStelle mit = stelle;
    mit.zeilenText = Zeilen::text(einzug, befehl, parameter);
    return mit;
}

bool Verbindung::operator<(const Verbindung& o) const
{
    const auto schluessel = [](const Verbindung& v) {
        return std::make_tuple(namensSchluessel(v.von), namensSchluessel(v.nach), v.ueber);
    };
    return schluessel(*this) < schluessel(o);
}

bool Verbindung::operator==(const Verbindung& o) const
{
    return von == o.von && ueber == o.ueber && nach == o.nach && nachDa == o.nachDa;
}

Spielpruefung::Datei& Spielpruefung::neu(const QString& datei, bool raum)
{
    Datei& d = dateien[QLatin1Char(raum ? '0' : '1') + namensSchluessel(DateiName(datei))];
    d = Datei();
    d.datei = datei;
    d.raum = raum;
    return d;
}

void Spielpruefung::raum(const QString& datei, const Module1& raum, const RaumReferenzen& gelesen)
{
    Datei& d = neu(datei, true);
    d.lesbar = gelesen.ergebnis.vollstaendig;
    // A file that could not be opened left the reader's room as it was.
    if (!gelesen.ergebnis.vollstaendig && !gelesen.ergebnis.hintergrundGelesen)
        return;
    for (qint32 h = 0; h <= raum.HotSpotMax; ++h)
        d.hotSpots << raum.HotSpots[h].Name;

    using Ort = RoomFile::SkriptOrt;
    const auto pruefen = [&](const Skript& s, const Ort& ort, const QString& ueber) {
        skript(
            d, s, [&] { return skriptName(ort, gelesen.hotSpotNamen); }, ueber,
            [&](qint32 zeile) { return gelesen.dateiZeilen.zeile(ort, zeile); }, d.lesbar);
    };
    pruefen(raum.StartSkript, {Ort::Art::Start}, QStringLiteral("Startskript"));
    for (qint32 h = 0; h <= raum.HotSpotMax; ++h) {
        for (int k = 0; k < HotSpot::Aktionen; ++k)
            pruefen(raum.HotSpots[h].Skripte[k], {Ort::Art::HotSpot, h, k}, raum.HotSpots[h].Name);
    }
    pruefen(raum.TimerSkript, {Ort::Art::Timer}, QStringLiteral("Timerskript"));
}

void Spielpruefung::itemSkript(const QString& datei, const ItemSkriptReferenzen& gelesen)
{
    Datei& d = neu(datei, false);
    d.lesbar = gelesen.ergebnis.vollstaendig;
    skript(
        d, gelesen.skript, [] { return QString(); }, QString(),
        [&](qint32 zeile) { return gelesen.dateiZeilen.value(zeile); }, d.lesbar);
}

void Spielpruefung::skript(Datei& ziel, const Skript& s, const std::function<QString()>& skriptName,
                           const QString& ueber, const std::function<int(qint32)>& dateiZeile,
                           bool pruefen)
{
    if (s.MaxZeile < 0)
        return;
    // Commands whose whole parameter names a flag or an item.
    static const QHash<qint32, Art> ganzerParameter{
        {If, Art::FlagAbgefragt},          {SetFlag, Art::FlagGesetzt},
        {DelFlag, Art::FlagGeloescht},     {IfItem, Art::GegenstandVerlangt},
        {Remove, Art::GegenstandEntfernt}, {Add, Art::GegenstandGegeben}};
    // Named and indented only once something in it counts.
    std::optional<QVector<int>> einzuege;
    QString name;
    const auto ort = [&](qint32 i) {
        if (!einzuege) {
            einzuege = Zeilen::einzuege(s);
            name = skriptName();
        }
        return SkriptStelle{ziel.datei, name, i, dateiZeile(i), QString()};
    };
    const auto stelle = [&](qint32 i) {
        SkriptStelle st = ort(i);
        st.zeilenText = Zeilen::text((*einzuege)[i], s.Befehl[i], s.Parameter[i]);
        return st;
    };
    if (pruefen) {
        for (const SkriptRegeln::Verstoss& v :
             SkriptRegeln::pruefen(s, ziel.raum ? &ziel.hotSpots : nullptr))
            ziel.fehler.append({stelle(v.zeile), v.text});
    }
    for (qint32 i = 0; i <= s.MaxZeile; ++i) {
        const QString& parameter = s.Parameter[i];
        const auto merken = [&](Art art, const QString& was) {
            const SkriptStelle st = ort(i);
            ziel.vorkommen.append({art, was, st, ueber, (*einzuege)[i], s.Befehl[i], parameter});
        };
        const qint32 code = s.Befehl[i];
        if (const auto art = ganzerParameter.constFind(code); art != ganzerParameter.cend()) {
            merken(*art, parameter);
        } else if (code == Spiel) {
            // The game played sets the flag it is given.
            if (const std::optional<QString> flag = spielFlag(parameter))
                merken(Art::FlagGesetzt, *flag);
        } else if (code == Goto) {
            if (!dateiSchluesselTeil(parameter).isEmpty())
                merken(Art::Sprung, parameter);
        } else if (pruefen && !ziel.raum && SkriptRegeln::nenntHotSpot(code)) {
            ziel.hotSpotZeilen.append({code, parameter, stelle(i)});
        }
    }
}

QVector<SkriptFehler> Spielpruefung::fehler() const
{
    QStringList alleHotSpots;
    for (const Datei& d : dateien)
        alleHotSpots += d.hotSpots;
    alleHotSpots.removeDuplicates();

    QVector<SkriptFehler> ergebnis;
    for (const Datei& d : dateien) {
        const qsizetype anfang = ergebnis.size();
        ergebnis += d.fehler;
        // An item script runs in any room: a hotspot it names must be in one of them.
        for (const HotSpotZeile& z : d.hotSpotZeilen) {
            if (!SkriptRegeln::hotSpotBenannt(z.befehl, z.parameter, alleHotSpots))
                ergebnis.append({z.stelle, SkriptRegeln::hotSpotFehlt(z.befehl, z.parameter,
                                                                      alleHotSpots, false)});
        }
        if (!d.raum)
            std::stable_sort(ergebnis.begin() + anfang, ergebnis.end(),
                             [](const SkriptFehler& a, const SkriptFehler& b) {
                                 return a.stelle.zeile < b.stelle.zeile;
                             });
    }
    return ergebnis;
}

QVector<SpielHinweis> Spielpruefung::hinweise() const
{
    struct Name
    {
        QString name;
        /// Its letter case folded, for the order and for spellings: folded once.
        QString gefaltet;
        QVarLengthArray<const Vorkommen*, 2> stellen;
        unsigned arten = 0;

        bool hat(Art art) const { return arten & (1u << int(art)); }
    };
    QHash<QString, Name> flags, gegenstaende;
    QHash<QString, QString> raumVon; // file key of a room to its file
    for (const Datei& d : dateien) {
        if (d.raum)
            raumVon.insert(dateiSchluessel(DateiName(d.datei)), d.datei);
    }
    QHash<QString, QString> ziele; // "Goto" parameter to the room file it names
    QSet<QString> erreicht;
    for (const Datei& d : dateien) {
        for (const Vorkommen& v : d.vorkommen) {
            switch (v.art) {
            case Art::Sprung: {
                // Many lines name the same room in the same spelling: its key is made once.
                auto nach = ziele.constFind(v.name);
                if (nach == ziele.cend())
                    nach = ziele.insert(v.name, raumVon.value(dateiSchluessel(v.name)));
                // A room that only leads to itself is still not reached.
                if (!nach->isNull() && *nach != d.datei)
                    erreicht.insert(*nach);
                continue;
            }
            default:
                break;
            }
            const bool flag = v.art == Art::FlagAbgefragt || v.art == Art::FlagGesetzt ||
                              v.art == Art::FlagGeloescht;
            Name& n = (flag ? flags : gegenstaende)[v.name];
            if (n.stellen.isEmpty()) {
                n.name = v.name;
                n.gefaltet = v.name.toCaseFolded();
            }
            n.stellen.append(&v);
            n.arten |= 1u << int(v.art);
        }
    }
    // Spellings, and the names in the order of the rooms list.
    Schreibweisen gesetzt, abgefragt, gegeben;
    const auto ordnen = [](const QHash<QString, Name>& namen) {
        QVector<const Name*> liste;
        liste.reserve(namen.size());
        for (const Name& n : namen)
            liste.append(&n);
        std::sort(liste.begin(), liste.end(), [](const Name* a, const Name* b) {
            return std::tie(a->gefaltet, a->name) < std::tie(b->gefaltet, b->name);
        });
        return liste;
    };
    for (const Name& n : std::as_const(flags)) {
        if (n.hat(Art::FlagGesetzt))
            gesetzt.merken(n.name, n.gefaltet);
        if (n.hat(Art::FlagAbgefragt))
            abgefragt.merken(n.name, n.gefaltet);
    }
    for (const Name& n : std::as_const(gegenstaende)) {
        if (n.hat(Art::GegenstandGegeben))
            gegeben.merken(n.name, n.gefaltet);
    }

    QVector<SpielHinweis> ergebnis;
    const auto hinweis = [&ergebnis](const Name& n, const QString& text, const QString& aehnlich,
                                     const QString& wie) {
        SpielHinweis h;
        h.text = text;
        if (!aehnlich.isNull())
            h.text += QStringLiteral(" (") + wie + zitat(aehnlich) + QLatin1Char(')');
        h.stellen.reserve(n.stellen.size());
        for (const Vorkommen* v : n.stellen)
            h.stellen.append(v->mitText());
        ergebnis.append(std::move(h));
    };
    const auto was = [](const Name& n, Art a, const QString& text, Art b, const QString& textB) {
        if (n.hat(a) && n.hat(b))
            return text + QStringLiteral(" und ") + textB;
        return n.hat(a) ? text : textB;
    };
    for (const Name* name : ordnen(flags)) {
        const Name& n = *name;
        const auto flag = [&n] { return QStringLiteral("Flag ") + zitat(n.name); };
        if (!n.hat(Art::FlagGesetzt)) {
            hinweis(n,
                    flag() + QStringLiteral(" wird ") +
                        was(n, Art::FlagAbgefragt, QStringLiteral("abgefragt"), Art::FlagGeloescht,
                            QStringLiteral("gelöscht")) +
                        QStringLiteral(", aber nirgends gesetzt"),
                    gesetzt.zu(n.name, n.gefaltet), QStringLiteral("gesetzt wird "));
        } else if (!n.hat(Art::FlagAbgefragt)) {
            hinweis(n, flag() + QStringLiteral(" wird gesetzt, aber nirgends abgefragt"),
                    abgefragt.zu(n.name, n.gefaltet), QStringLiteral("abgefragt wird "));
        }
    }
    for (const Name* name : ordnen(gegenstaende)) {
        const Name& n = *name;
        if (n.hat(Art::GegenstandGegeben))
            continue;
        hinweis(n,
                QStringLiteral("Gegenstand ") + zitat(n.name) + QStringLiteral(" wird ") +
                    was(n, Art::GegenstandVerlangt, QStringLiteral("verlangt"),
                        Art::GegenstandEntfernt, QStringLiteral("entfernt")) +
                    QStringLiteral(", aber nirgends mit \"Add\" gegeben"),
                gegeben.zu(n.name, n.gefaltet), QStringLiteral("gegeben wird "));
    }
    for (const Datei& d : dateien) {
        if (d.raum && !erreicht.contains(d.datei))
            ergebnis.append({QStringLiteral("Kein \"Goto\" führt in diesen Raum"), d.datei, {}});
    }
    return ergebnis;
}

QVector<KartenRaum> Spielpruefung::raeume() const
{
    QVector<KartenRaum> ergebnis;
    for (const Datei& d : dateien) {
        if (!d.raum)
            continue;
        KartenRaum r{d.datei, d.lesbar, {}, {}};
        for (const Vorkommen& v : d.vorkommen) {
            if (v.art == Art::GegenstandGegeben)
                r.gibt << v.name;
            else if (v.art == Art::GegenstandVerlangt)
                r.braucht << v.name;
        }
        for (QStringList* liste : {&r.gibt, &r.braucht}) {
            liste->removeDuplicates();
            liste->sort();
        }
        ergebnis.append(r);
    }
    return ergebnis;
}

QVector<Verbindung> Spielpruefung::verbindungen() const
{
    QHash<QString, QString> raumVon;
    for (const Datei& d : dateien) {
        if (d.raum)
            raumVon.insert(dateiSchluessel(DateiName(d.datei)), d.datei);
    }
    QVector<Verbindung> ergebnis;
    for (const Datei& d : dateien) {
        for (const Vorkommen& v : d.vorkommen) {
            if (v.art != Art::Sprung)
                continue;
            const QString nach = raumVon.value(dateiSchluessel(v.name));
            ergebnis.append({d.datei, v.ueber,
                             nach.isNull()
                                 ? QDir::toNativeSeparators(QStringLiteral("rooms/") +
                                                            dateiSchluesselTeil(v.name).toString())
                                 : nach,
                             !nach.isNull()});
        }
    }
    std::sort(ergebnis.begin(), ergebnis.end());
    ergebnis.erase(std::unique(ergebnis.begin(), ergebnis.end()), ergebnis.end());
    return ergebnis;
}
