// What tarnholm-check finds in a game folder, and its German report.
#include "Befund.h"

#include "model/BildPfad.h"
#include "model/DateiName.h"
#include "model/FindeDatei.h"
#include "model/Module1.h"
#include "regeln/DateiListe.h"
#include "regeln/Pruefung.h"
#include "regeln/Referenzen.h"
#include "script/Befehlstabelle.h"
#include "spiel/SpielLeser.h"
#include "spiel/Spielpruefung.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QtConcurrent/QtConcurrentRun>

namespace {

QString relativ(const char* ordner, const QString& name)
{
    return QDir::toNativeSeparators(QLatin1String(ordner) + QLatin1Char('/') + name);
}

QString zitat(const QString& wert)
{
    return QLatin1Char('"') + ohneLeerzeichen(wert) + QLatin1Char('"');
}

/// Looks references up where the editor's pickers would offer them.
class Suche
{
public:
    Suche(const Module1& m, DateiSuche& suche) : m(m), suche(suche) {}

    /// The path where the file was looked for last when it does not exist, else empty.
    /// A game names the same few cursors and items in hotspot after hotspot: each is looked
    /// for once.
    QString fehlt(const Referenz& r)
    {
        const std::pair<int, QString> schluessel{int(r.art), r.wert};
        const auto bekannt = gesucht.constFind(schluessel);
        if (bekannt != gesucht.cend())
            return *bekannt;
        return *gesucht.insert(schluessel, suchen(r));
    }

private:
    QString suchen(const Referenz& r)
    {
        const auto [ordner, unter] = ort(r.art);
        const QString name = DateiName(ohneLeerzeichen(r.wert));
        // No file has a NUL in its name, and Qt warns about every path that holds one.
        if (r.wert.contains(QChar(0)))
            return relativ(unter, name);
        const bool da = r.art == Referenz::Art::Hintergrund
                            ? !bildFinden(ohneLeerzeichen(r.wert), m, &suche).isEmpty()
                            : !suche.finde(ordner, name).isEmpty();
        return da ? QString() : relativ(unter, name);
    }

    std::pair<QString, const char*> ort(Referenz::Art art) const
    {
        switch (art) {
        case Referenz::Art::Hintergrund:
        case Referenz::Art::Bild:
            return {m.GraphicsPfad, "graphics"};
        case Referenz::Art::Klang:
            return {m.SoundsPfad, "sounds"};
        case Referenz::Art::Film:
            return {m.MoviesPfad, "movies"};
        case Referenz::Art::Musik:
            return {m.MusicsPfad, "musics"};
        case Referenz::Art::Raum:
            return {m.raeumeOrdner() + QLatin1Char('/'), "rooms"};
        case Referenz::Art::Gegenstand:
            return {m.ItemsPfad, "items"};
        case Referenz::Art::Cursor:
            return {m.CursorsPfad, "cursors"};
        }
        return {};
    }

    const Module1& m;
    DateiSuche& suche;
    QHash<std::pair<int, QString>, QString> gesucht;
};

/// "<script>, Zeile n: <command> "<value>"", or the background or cursor.
QString stelleText(const Referenz& r, const QHash<qint32, QString>& namen, bool imRaum)
{
    if (r.art == Referenz::Art::Hintergrund)
        return QStringLiteral("Hintergrund ") + zitat(r.wert);
    const QString skript = imRaum ? skriptName(r.ort, namen) + QStringLiteral(", ") : QString();
    if (r.art == Referenz::Art::Cursor)
        return skript + QStringLiteral("Cursor ") + zitat(r.wert);
    return skript + QStringLiteral("Zeile %1: ").arg(r.zeile + 1) +
           Befehlstabelle::CommandKeyword(r.befehl) + QLatin1Char(' ') + zitat(r.wert);
}

} // namespace

QString ohneSteuerzeichen(QString text)
{
    for (QChar& c : text) {
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0))
            c = QLatin1Char('?');
    }
    return text;
}

Befund ordnerPruefen(const Module1& m, Spielpruefung* spiel,
                     const std::function<void(const Spielpruefung&)>& nebenher,
                     const std::function<void(const Spielpruefung&)>& danach)
{
    // The pictures and sounds that may go unused are listed, sorted and indexed while the
    // rooms are read.
    DateiSuche ordner;
    std::optional<Pruefung> pruefung;
    QFuture<void> listen = QtConcurrent::run([&ordner, &m, &pruefung] {
        pruefung.emplace(dateiListe(m.GraphicsPfad, bildMuster, &ordner),
                         dateiListe(m.SoundsPfad, klangMuster, &ordner));
    });
    Spielpruefung gelesen = SpielLeser::spielLesen(m);
    listen.waitForFinished();
    QFuture<void> daneben;
    if (nebenher)
        daneben = QtConcurrent::run([&nebenher, &gelesen] { nebenher(gelesen); });
    Befund befund = befundAus(gelesen, m, &ordner, &*pruefung);
    if (danach)
        danach(gelesen);
    daneben.waitForFinished();
    if (spiel)
        *spiel = std::move(gelesen);
    return befund;
}

Befund befundAus(const Spielpruefung& spiel, const Module1& m, DateiSuche* listen,
                 Pruefung* vorbereitet)
{
    Befund befund;
    // Each folder is listed once, for the unused files and the missing ones alike.
    DateiSuche eigene;
    DateiSuche& ordner = listen ? *listen : eigene;
    std::optional<Pruefung> eigenePruefung;
    if (!vorbereitet)
        eigenePruefung.emplace(dateiListe(m.GraphicsPfad, bildMuster, &ordner),
                               dateiListe(m.SoundsPfad, klangMuster, &ordner));
    Pruefung& pruefung = vorbereitet ? *vorbereitet : *eigenePruefung;
    Suche suche(m, ordner);
    const QVector<std::shared_ptr<const SpielDatei>> dateien = spiel.dateien();
    // A room the game has read is there: a "Goto" to it needs no listing of the rooms folder.
    QSet<QString> raeume;
    for (const std::shared_ptr<const SpielDatei>& d : dateien) {
        if (d->raum)
            raeume.insert(dateiSchluessel(d->datei));
    }
    QVector<Befund::Fehlend> inItemSkripten;
    for (const std::shared_ptr<const SpielDatei>& d : dateien) {
        if (!d->vollstaendig)
            (d->raum ? befund.raeume : befund.itemSkripte).append({d->datei, d->zeile});
        // The report names rooms first.
        QVector<Befund::Fehlend>& ziel = d->raum ? befund.fehlend : inItemSkripten;
        for (const Referenz& r : d->referenzen) {
            // A picture or sound of the lists is there; only what they do not hold is looked for.
            if (pruefung.zaehlen(r) ||
                (r.art == Referenz::Art::Raum && raeume.contains(dateiSchluessel(r.wert))))
                continue;
            const QString pfad = suche.fehlt(r);
            if (pfad.isEmpty())
                continue;
            const QString stelle = stelleText(r, d->hotSpotNamen, d->raum);
            std::optional<SkriptStelle> skriptStelle;
            const int skript = r.zeile < 0 ? -1 : d->skriptBei(r.ort);
            if (skript >= 0 && r.zeile <= d->skripte[skript].skript.MaxZeile)
                skriptStelle = d->stelle(skript, r.zeile);
            ziel.append({pfad, d->datei + QStringLiteral(", ") + stelle, d->datei, r.dateiZeile,
                         stelle, skriptStelle});
        }
    }
    befund.fehlend += inItemSkripten;

    for (const QString& name : pruefung.unbenutzteBilder())
        befund.unbenutzteBilder.append(relativ("graphics", name));
    for (const QString& name : pruefung.unbenutzteKlaenge())
        befund.unbenutzteKlaenge.append(relativ("sounds", name));
    return befund;
}

QString befundText(const Befund& befund)
{
    QString text;
    const auto gruppe = [&text](const QString& titel, qsizetype anzahl, const auto& zeile) {
        text += titel + QLatin1Char('\n');
        if (anzahl == 0)
            text += QStringLiteral("  (keine)\n");
        for (qsizetype i = 0; i < anzahl; ++i)
            zeile(i);
    };
    const auto namen = [&text](const QStringList& liste) {
        return
            [&text, &liste](qsizetype i) { zeileAnhaengen(text, QLatin1String("  "), liste[i]); };
    };
    const auto unlesbar = [&text](const QVector<Befund::Unlesbar>& dateien) {
        return [&text, &dateien](qsizetype i) {
            const Befund::Unlesbar& d = dateien[i];
            zeileAnhaengen(text, QLatin1String("  "), d.datei,
                           d.zeile == 0
                               ? QStringLiteral(" (kann nicht geöffnet werden)")
                               : QStringLiteral(" (Lesen bricht in Zeile %1 ab)").arg(d.zeile));
        };
    };

    if (!befund.konflikte.isEmpty())
        gruppe(QStringLiteral("Konflikte aus dem Zusammenführen, nicht gelöst:"),
               befund.konflikte.size(), namen(befund.konflikte));
    gruppe(QStringLiteral("Unbenutzte Bilder:"), befund.unbenutzteBilder.size(),
           namen(befund.unbenutzteBilder));
    gruppe(QStringLiteral("Unbenutzte Klänge:"), befund.unbenutzteKlaenge.size(),
           namen(befund.unbenutzteKlaenge));
    gruppe(QStringLiteral("Raumdateien, die nicht gelesen werden können:"), befund.raeume.size(),
           unlesbar(befund.raeume));
    gruppe(QStringLiteral("Gegenstandsskripte, die nicht gelesen werden können:"),
           befund.itemSkripte.size(), unlesbar(befund.itemSkripte));
    gruppe(QStringLiteral("Verweise auf Dateien, die es nicht gibt:"), befund.fehlend.size(),
           [&](qsizetype i) {
               const Befund::Fehlend& f = befund.fehlend[i];
               zeileAnhaengen(text, QLatin1String("  "), f.pfad, QLatin1String(" ("), f.wo,
                              QLatin1String(")"));
           });
    return text;
}
