// Works one rename out over the game as a list of file edits.
#include "Planer.h"

#include "Namensregeln.h"
#include "model/BildPfad.h"
#include "model/DateiName.h"
#include "regeln/Namensbuch.h"
#include "roomfile/Cp1252.h"
#include "roomfile/ItemSkript.h"
#include "script/Befehlstabelle.h"
#include "script/Zeilen.h"
#include "spiel/Spielpruefung.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace Umbenennung {
namespace {

using Verwendung = Verwendungssuche::Verwendung;
using Eintraege = QVector<Spielzugriff::Eintrag>;

QString zitat(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

bool istDateiArt(NamensArt art)
{
    return art == NamensArt::Gegenstand || art == NamensArt::Raum || art == NamensArt::Bild ||
           art == NamensArt::Ton;
}

/// The file of that name: exactly, else the first in code order that differs only in case,
/// as the editor finds files that rooms made on Windows name.
QString finden(const Eintraege& eintraege, const QString& name)
{
    QString gefunden;
    for (const Spielzugriff::Eintrag& e : eintraege) {
        if (!e.datei || e.name.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        if (e.name == name)
            return e.name;
        if (gefunden.isNull() || e.name < gefunden)
            gefunden = e.name;
    }
    return gefunden;
}

/// Anything of that name, in any letter case, as Windows sees it.
QString belegt(const Eintraege& eintraege, const QString& name)
{
    for (const Spielzugriff::Eintrag& e : eintraege) {
        if (e.name.compare(name, Qt::CaseInsensitive) == 0)
            return e.name;
    }
    return QString();
}

QString orte(const QVector<Verwendung>& verwendungen)
{
    QStringList texte;
    for (const Verwendung& v : verwendungen.mid(0, 3)) {
        texte << QDir::fromNativeSeparators(v.stelle.datei) +
                     (v.stelle.zeile >= 0 ? QStringLiteral(", %1, Zeile %2")
                                                .arg(v.stelle.skript)
                                                .arg(v.stelle.zeile + 1)
                                          : QString());
    }
    if (verwendungen.size() > 3)
        texte << QStringLiteral("…");
    return texte.join(QStringLiteral("; "));
}

Verwendung gefunden(const SpielDatei& d, const SpielDatei::Vorkommen& v)
{
    Verwendung w;
    w.stelle = d.stelle(v.skript, v.zeile, false);
    return w;
}

} // namespace

Planer::Planer(const Spielpruefung& spiel, const Spielzugriff& zugriff, const Anfrage& anfrage)
    : spiel(spiel), zugriff(zugriff), a(anfrage)
{
    if (istDateiArt(a.art))
        a.alt = DateiName(ohneLeerzeichen(a.alt));
    suche = {a.art, a.alt, a.raum, -1};
}

Plan Planer::machen()
{
    plan.was =
        Verwendungssuche::artName(a.art) + QLatin1Char(' ') + zitat(a.alt) +
        (a.art == NamensArt::HotSpot ? QStringLiteral(" in ") + QDir::fromNativeSeparators(a.raum)
                                     : QString()) +
        QStringLiteral(" in ") + zitat(a.neu);
    const QString grund = pruefen();
    if (!grund.isNull()) {
        plan.fehler = grund;
        plan.dateien.clear();
    }
    return plan;
}

QString Planer::pruefen()
{
    if (a.art == NamensArt::Label || a.art == NamensArt::Text)
        return QStringLiteral("Marken werden im Skripteditor umbenannt, Texte gar nicht.");
    QString grund =
        istDateiArt(a.art) ? Namensregeln::dateiFehler(a.neu) : Namensregeln::textFehler(a.neu);
    if (!grund.isNull())
        return grund;
    if (a.neu != ohneLeerzeichen(a.neu))
        return QStringLiteral("Der neue Name beginnt oder endet mit einem Leerzeichen.");
    if (a.neu == a.alt)
        return QStringLiteral("Der neue Name ist derselbe wie der alte.");
    if (istDateiArt(a.art)) {
        grund = Namensregeln::endungsFehler(a.alt, a.neu);
        if (!grund.isNull())
            return grund;
        if (a.alt.compare(a.neu, Qt::CaseInsensitive) == 0)
            return QStringLiteral("Der neue Name unterscheidet sich vom alten nur in Groß- "
                                  "und Kleinschreibung: Unter Windows ist das dieselbe Datei.");
    }
    if (a.art == NamensArt::HotSpot) {
        raum = spiel.datei(a.raum);
        if (!raum || !raum->raum)
            return QStringLiteral("Den Raum %1 kennt das Spiel nicht.")
                .arg(QDir::fromNativeSeparators(a.raum));
    }
    verwendungen = Verwendungssuche::suchen(spiel, suche);
    grund = dateienFinden();
    if (!grund.isNull())
        return grund;
    if (verwendungen.isEmpty() && umbenennungen.isEmpty())
        return Verwendungssuche::artMitArtikel(a.art) + QLatin1Char(' ') + zitat(a.alt) +
               QStringLiteral(" wird nirgends verwendet.");
    grund = vergeben();
    if (!grund.isNull())
        return grund;
    return dateienPlanen();
}

QString Planer::dateienFinden()
{
    for (const QString& ordner : Verwendungssuche::ordnerVon(a.art)) {
        const Eintraege eintraege = zugriff.eintraege(ordner);
        const QString pfad = ordner + QLatin1Char('/');
        const QString datei = finden(eintraege, a.alt);
        if (!datei.isNull())
            umbenennungen.append({pfad + datei, pfad + a.neu, a.art == NamensArt::Raum});
        if (a.art != NamensArt::Gegenstand)
            continue;
        // An item's scripts, also while its picture is missing.
        const QString bild = datei.isNull() ? a.alt : datei;
        // Two pictures that differ only in their ending share their scripts.
        for (const Spielzugriff::Eintrag& e : eintraege) {
            if (e.datei && e.name != bild && e.name.size() == bild.size() &&
                e.name.chopped(4).compare(bild.chopped(4), Qt::CaseInsensitive) == 0 &&
                Namensregeln::istBild(e.name))
                return QStringLiteral("Die Skripte des Gegenstands \"%1\" gehören auch zu "
                                      "\"%2\"; umbenannt wären sie nur noch die von \"%3\".")
                    .arg(bild, e.name, a.neu);
        }
        for (int aktion = 0; aktion < 3; ++aktion) {
            const QString skript = finden(eintraege, ItemSkript::dateiName(bild, aktion));
            if (!skript.isNull())
                umbenennungen.append(
                    {pfad + skript, pfad + ItemSkript::dateiName(a.neu, aktion), true});
        }
    }
    return QString();
}

QString Planer::vergeben()
{
    if (istDateiArt(a.art)) {
        for (const QString& ordner : Verwendungssuche::ordnerVon(a.art)) {
            const Eintraege eintraege = zugriff.eintraege(ordner);
            QStringList namen{a.neu};
            if (a.art == NamensArt::Gegenstand) {
                for (int aktion = 0; aktion < 3; ++aktion)
                    namen << ItemSkript::dateiName(a.neu, aktion);
            }
            for (const QString& name : namen) {
                const QString da = belegt(eintraege, name);
                if (!da.isNull())
                    return QStringLiteral("Im Ordner %1 gibt es schon \"%2\".").arg(ordner, da);
            }
        }
        if (a.art == NamensArt::Gegenstand)
            return schonVerwendet();
        const QVector<Verwendung> neue =
            Verwendungssuche::suchen(spiel, {a.art, a.neu, QString(), -1});
        if (!neue.isEmpty())
            return QStringLiteral("\"%1\" wird schon verwendet: %2.").arg(a.neu, orte(neue));
        return QString();
    }
    if (a.art == NamensArt::HotSpot) {
        const QString schluessel = Namensbuch::schluessel(a.neu);
        for (const SpielDatei::Fleck& f : raum->hotSpots) {
            if (f.name == a.neu)
                return QStringLiteral("Der Raum hat schon einen HotSpot \"%1\".").arg(a.neu);
            if (f.name != a.alt && Namensbuch::schluessel(f.name) == schluessel)
                return aehnlichText(QStringLiteral("vom HotSpot"), f.name);
        }
        const QVector<Verwendung> neue = Verwendungssuche::suchen(*raum, {a.art, a.neu, a.raum});
        if (!neue.isEmpty())
            return QStringLiteral("Die Skripte des Raums nennen schon einen HotSpot \"%1\": "
                                  "%2.")
                .arg(a.neu, orte(neue));
        return QString();
    }
    return schonVerwendet();
}

QString Planer::aehnlichText(const QString& wovon, const QString& name) const
{
    return QStringLiteral("Der neue Name \"%1\" unterscheidet sich %2 \"%3\", den es schon "
                          "gibt, nur in Groß- und Kleinschreibung oder Leerzeichen.")
        .arg(a.neu, wovon, name);
}

QString Planer::schonVerwendet()
{
    const bool flag = a.art == NamensArt::Flag;
    const QString schluessel = Namensbuch::schluessel(a.neu);
    for (const std::shared_ptr<const SpielDatei>& d : spiel.dateien()) {
        for (const SpielDatei::Vorkommen& v : d->vorkommen) {
            if (Namensbuch::istFlag(v.art) != flag)
                continue;
            if (v.name == a.neu)
                return Verwendungssuche::artMitArtikel(a.art) + QLatin1Char(' ') + zitat(a.neu) +
                       QStringLiteral(" gibt es schon (%1).").arg(orte({gefunden(*d, v)}));
            if (v.name != a.alt && Namensbuch::schluessel(v.name) == schluessel)
                return aehnlichText(
                    flag ? QStringLiteral("vom Flag") : QStringLiteral("vom Gegenstand"), v.name);
        }
    }
    if (flag && a.neu.contains(QLatin1Char(','))) {
        for (const Verwendung& v : verwendungen) {
            if (v.befehl == Befehlstabelle::Spiel)
                return QStringLiteral("Das Flag steht auch in \"Spiel vom Spiel spielen "
                                      "spielen\", dessen Teile Kommas trennen: Der neue Name "
                                      "kann kein Komma enthalten.");
        }
    }
    return QString();
}

bool Planer::nimmtTeil(const SpielDatei& d)
{
    if (a.art != NamensArt::HotSpot || d.raum)
        return true;
    if (!auchItemSkripte) {
        auchItemSkripte = true;
        for (const std::shared_ptr<const SpielDatei>& r : spiel.dateien()) {
            if (r->raum && r->datei != a.raum && r->hotSpotListe().contains(a.alt))
                *auchItemSkripte = false;
        }
    }
    return *auchItemSkripte;
}

QString Planer::dateienPlanen()
{
    QStringList kandidaten;
    for (const Verwendung& v : std::as_const(verwendungen)) {
        if (kandidaten.isEmpty() || kandidaten.last() != v.stelle.datei)
            kandidaten << v.stelle.datei;
    }
    QHash<QString, QString> neuerName;
    for (const DateiUmbenennung& u : std::as_const(umbenennungen)) {
        if (!u.mitText)
            continue;
        neuerName.insert(u.alt, u.neu);
        if (!kandidaten.contains(QDir::toNativeSeparators(u.alt)))
            kandidaten << QDir::toNativeSeparators(u.alt);
    }
    for (const QString& kandidat : std::as_const(kandidaten)) {
        const QString grund = dateiPlanen(kandidat, neuerName);
        if (!grund.isNull())
            return grund;
    }
    for (const DateiUmbenennung& u : std::as_const(umbenennungen)) {
        if (!u.mitText)
            plan.dateien.append({u.alt, u.neu, false, {}, {}, {}, {}});
    }
    return QString();
}

QString Planer::dateiPlanen(const QString& name, const QHash<QString, QString>& neuerName)
{
    const QString relativ = QDir::fromNativeSeparators(name);
    const std::optional<QByteArray> bytes = zugriff.lesen(relativ);
    if (!bytes)
        return QStringLiteral("Die Datei %1 kann nicht gelesen werden.").arg(relativ);
    const bool istRaum = relativ.startsWith(QStringLiteral("rooms/"));
    const std::shared_ptr<const SpielDatei> d =
        istRaum ? SpielDatei::raumLesen(name, &*bytes) : SpielDatei::itemSkriptLesen(name, &*bytes);
    if (!d->vollstaendig)
        return QStringLiteral("Die Datei %1 kann nicht bis zum Ende gelesen werden (das Lesen "
                              "bricht in Zeile %2 ab): Ob sie den Namen danach noch "
                              "verwendet, ist unbekannt.")
            .arg(relativ)
            .arg(d->zeile);
    Datei datei;
    datei.alt = relativ;
    datei.neu = neuerName.value(relativ, relativ);
    datei.mitText = true;
    datei.altBytes = *bytes;
    if (nimmtTeil(*d)) {
        for (const Verwendung& v : Verwendungssuche::suchen(*d, suche)) {
            const QString grund = ersetzen(*d, v, datei);
            if (!grund.isNull())
                return grund;
        }
    }
    std::sort(datei.ersetzungen.begin(), datei.ersetzungen.end(),
              [](const Ersetzung& x, const Ersetzung& y) { return x.anfang < y.anfang; });
    datei.neuBytes = anwenden(datei.altBytes, datei.ersetzungen);
    if (!datei.ersetzungen.isEmpty() || datei.umbenannt())
        plan.dateien.append(std::move(datei));
    return QString();
}

QString Planer::ersetzen(const SpielDatei& d, const Verwendung& v, Datei& datei)
{
    const QByteArray& bytes = datei.altBytes;
    const auto gespeichert = [&](TextBereich b) {
        return Cp1252::decode(bytes.constData() + b.anfang, b.laenge);
    };
    if (v.bereich.anfang < 0 || v.bereich.anfang + v.bereich.laenge > bytes.size() ||
        gespeichert(v.bereich) != v.wert)
        return QStringLiteral("Die Datei %1 ist anders gelesen worden, als sie ist.")
            .arg(datei.alt);
    Zeile zeile{v.stelle, QString()};
    switch (v.teil) {
    case Verwendung::Teil::Hintergrund: {
        // The whole stored text: its folder stays, and it stays 100 characters long.
        const TextBereich ganz = d.hintergrundBereich;
        const QString alt = gespeichert(ganz);
        const qsizetype anfang = v.bereich.anfang - ganz.anfang;
        QString neu = alt.left(anfang) + Namensregeln::mitEndungWie(v.wert, a.neu) +
                      alt.mid(anfang + v.bereich.laenge);
        while (neu.size() > Module1::HintergrundLaenge && neu.endsWith(QLatin1Char(' ')))
            neu.chop(1);
        if (neu.size() > Module1::HintergrundLaenge)
            return QStringLiteral("Der Hintergrund von %1 wäre mit dem neuen Namen länger "
                                  "als %2 Zeichen.")
                .arg(datei.alt)
                .arg(Module1::HintergrundLaenge);
        neu = neu.leftJustified(Module1::HintergrundLaenge, QLatin1Char(' '));
        datei.ersetzungen.append({ganz.anfang, ganz.laenge, Cp1252::encode(neu)});
        zeile.neu = QStringLiteral("Hintergrund ") + ohneLeerzeichen(neu);
        break;
    }
    case Verwendung::Teil::HotSpotName:
        datei.ersetzungen.append({v.bereich.anfang, v.bereich.laenge, Cp1252::encode(a.neu)});
        zeile.neu = QStringLiteral("Name ") + a.neu;
        break;
    case Verwendung::Teil::Parameter: {
        const QString wert = istDateiArt(a.art) ? Namensregeln::mitEndungWie(v.wert, a.neu) : a.neu;
        datei.ersetzungen.append({v.bereich.anfang, v.bereich.laenge, Cp1252::encode(wert)});
        const SpielDatei::SkriptDaten& s = d.skripte[v.skript];
        const qint32 z = v.stelle.zeile;
        const qsizetype innen = v.bereich.anfang - s.stellen.parameter[z].anfang;
        QString parameter = s.skript.Parameter[z];
        parameter.replace(innen, v.bereich.laenge, wert);
        zeile.neu = Zeilen::text(s.einzuege.value(z), s.skript.Befehl[z], parameter);
        break;
    }
    }
    datei.zeilen.append(zeile);
    return QString();
}

} // namespace Umbenennung
