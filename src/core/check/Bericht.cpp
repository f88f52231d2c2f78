// What tarnholm-check prints beyond the findings, and the report in the form compilers use.
#include "Bericht.h"

#include "raetsel/Raetselplan.h"

#include <QDir>
#include <QHash>
#include <algorithm>

namespace Bericht {
namespace {

/// "<script>, Zeile n: "<line>"", the script left out in an item script.
QString wo(const SkriptStelle& s)
{
    return (s.skript.isEmpty() ? QString() : s.skript + QStringLiteral(", ")) +
           QStringLiteral("Zeile ") + QString::number(s.zeile + 1) + QStringLiteral(": \"") +
           s.zeilenText + QLatin1Char('"');
}

} // namespace

QString skriptText(const QVector<SkriptFehler>& fehler, const QVector<SpielHinweis>& hinweise)
{
    QString text;
    if (!fehler.isEmpty()) {
        text += QStringLiteral("Fehler in Skripten:\n");
        for (const SkriptFehler& f : fehler)
            zeileAnhaengen(text, QStringLiteral("  "), f.text, QStringLiteral(" ("), f.stelle.datei,
                           QStringLiteral(", "), wo(f.stelle), QStringLiteral(")"));
    }
    if (!hinweise.isEmpty()) {
        text += QStringLiteral("Hinweise:\n");
        for (const SpielHinweis& h : hinweise) {
            if (h.stellen.isEmpty()) {
                zeileAnhaengen(text, QStringLiteral("  "), h.datei, QStringLiteral(": "), h.text);
                continue;
            }
            zeileAnhaengen(text, QStringLiteral("  "), h.text, QStringLiteral(":"));
            for (const SkriptStelle& s : h.stellen)
                zeileAnhaengen(text, QStringLiteral("    "), s.datei, QStringLiteral(", "), wo(s));
        }
    }
    return text;
}

QVector<Eintrag> eintraege(const Befund& befund, const QVector<SkriptFehler>& fehler,
                           const QVector<SpielHinweis>& hinweise)
{
    using Art = Eintrag::Art;
    QVector<Eintrag> liste;
    const auto eintrag = [&liste](Art art, const QString& datei, int dateiZeile,
                                  const QString& text, const QString& wo = {}) -> Eintrag& {
        liste.append({art, datei, dateiZeile, text, wo, false, {}, false});
        return liste.last();
    };
    const auto anStelle = [](Eintrag& e, const SkriptStelle& s) {
        e.zeile = true;
        e.stelle = s;
    };
    for (const QString& datei : befund.konflikte)
        eintrag(Art::Fehler, datei, 0,
                QStringLiteral("Konflikt aus dem Zusammenführen nicht gelöst"))
            .konflikt = true;
    for (const QString& bild : befund.unbenutzteBilder)
        eintrag(Art::Hinweis, bild, 0,
                QStringLiteral("Kein Raum und kein Gegenstandsskript benutzt dieses Bild"));
    for (const QString& klang : befund.unbenutzteKlaenge)
        eintrag(Art::Hinweis, klang, 0,
                QStringLiteral("Kein Raum und kein Gegenstandsskript benutzt diesen Klang"));
    for (const auto* dateien : {&befund.raeume, &befund.itemSkripte}) {
        for (const Befund::Unlesbar& d : *dateien)
            eintrag(Art::Fehler, d.datei, d.zeile,
                    d.zeile == 0 ? QStringLiteral("Die Datei kann nicht geöffnet werden")
                                 : QStringLiteral("Hier bricht das Lesen ab"));
    }
    for (const Befund::Fehlend& f : befund.fehlend) {
        Eintrag& e = eintrag(
            Art::Fehler, f.datei, f.dateiZeile,
            QStringLiteral("Die Datei ") + f.pfad + QStringLiteral(" gibt es nicht"), f.stelle);
        if (f.skriptStelle)
            anStelle(e, *f.skriptStelle);
    }
    for (const SkriptFehler& f : fehler)
        anStelle(eintrag(Art::Fehler, f.stelle.datei, f.stelle.dateiZeile, f.text, wo(f.stelle)),
                 f.stelle);
    for (const SpielHinweis& h : hinweise) {
        if (h.stellen.isEmpty())
            eintrag(Art::Warnung, h.datei, 0, h.text);
        for (const SkriptStelle& s : h.stellen)
            anStelle(eintrag(Art::Warnung, s.datei, s.dateiZeile, h.text, wo(s)), s);
    }
    return liste;
}

QVector<Gruppe> nachDateien(const QVector<Eintrag>& eintraege)
{
    QHash<QString, qsizetype> platz;
    QVector<Gruppe> gruppen;
    for (const Eintrag& e : eintraege) {
        auto p = platz.constFind(e.datei);
        if (p == platz.cend()) {
            p = platz.insert(e.datei, gruppen.size());
            gruppen.append({e.datei, {}});
        }
        gruppen[*p].eintraege.append(e);
    }
    const auto rang = [](const Gruppe& g) {
        if (!g.eintraege.isEmpty() && g.eintraege.first().konflikt)
            return 0;
        const QString ordner = QDir::fromNativeSeparators(g.datei).section(QLatin1Char('/'), 0, 0);
        return ordner == QLatin1String("rooms") ? 1 : ordner == QLatin1String("items") ? 2 : 3;
    };
    std::stable_sort(gruppen.begin(), gruppen.end(), [&rang](const Gruppe& a, const Gruppe& b) {
        const int ra = rang(a), rb = rang(b);
        if (ra != rb)
            return ra < rb;
        const int c = a.datei.compare(b.datei, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a.datei < b.datei;
    });
    return gruppen;
}

namespace {

QString gccZeilen(const QVector<Eintrag>& liste)
{
    static const QLatin1String arten[] = {QLatin1String("Fehler"), QLatin1String("Warnung"),
                                          QLatin1String("Hinweis")};
    QString text;
    for (const Eintrag& e : liste) {
        const QString nummer =
            e.dateiZeile > 0 ? QLatin1Char(':') + QString::number(e.dateiZeile) : QString();
        if (e.wo.isEmpty())
            zeileAnhaengen(text, e.datei, nummer, QLatin1String(": "), arten[int(e.art)],
                           QLatin1String(": "), e.text);
        else
            zeileAnhaengen(text, e.datei, nummer, QLatin1String(": "), arten[int(e.art)],
                           QLatin1String(": "), e.text, QLatin1String(" ("), e.wo,
                           QLatin1String(")"));
    }
    return text;
}

} // namespace

QString gccText(const Befund& befund, const QVector<SkriptFehler>& fehler,
                const QVector<SpielHinweis>& hinweise)
{
    return gccZeilen(eintraege(befund, fehler, hinweise));
}

QVector<Eintrag> nieEintraege(const Erreichbarkeit& ablauf)
{
    QVector<Eintrag> liste;
    for (const QString& start : ablauf.unbekannteStarts)
        liste.append({Eintrag::Art::Fehler,
                      Raetselplan::dateiName(),
                      0,
                      QStringLiteral("Den Startraum „") + start + QStringLiteral("“ gibt es nicht"),
                      {},
                      false,
                      {},
                      false});
    for (const ZielStand& z : ablauf.ziele) {
        if (z.erreichbar)
            continue;
        Eintrag e{
            Eintrag::Art::Fehler, Raetselplan::dateiName(), 0, z.text(), {}, false, {}, false};
        if (z.stelle) {
            e.zeile = true;
            e.stelle = *z.stelle;
        }
        liste.append(e);
    }
    // A room never entered is one finding, not one for each of its scripts.
    QString raum;
    for (const NieBefund& b : ablauf.nie) {
        const bool nieBetreten =
            b.grund.art == NieGrund::Art::RaumNie && b.grund.name == b.stelle.datei;
        if (nieBetreten && raum == b.stelle.datei)
            continue;
        if (!nieBetreten) {
            liste.append({Eintrag::Art::Warnung, b.stelle.datei, b.stelle.dateiZeile,
                          b.grund.text(), wo(b.stelle), true, b.stelle, false});
            continue;
        }
        // No line of its own: opening it opens the room.
        raum = b.stelle.datei;
        SkriptStelle stelle = b.stelle;
        stelle.skript = QStringLiteral("alle Skripte");
        stelle.zeile = -1;
        stelle.zeilenText.clear();
        liste.append({Eintrag::Art::Warnung, b.stelle.datei, b.stelle.dateiZeile, b.grund.text(),
                      stelle.skript, true, stelle, false});
    }
    return liste;
}

QString nieText(const Erreichbarkeit& ablauf)
{
    const QVector<Eintrag> liste = nieEintraege(ablauf);
    if (liste.isEmpty())
        return {};
    QString text = QStringLiteral("Kann im Spiel nie geschehen:\n");
    for (const Eintrag& e : liste) {
        if (e.wo.isEmpty())
            zeileAnhaengen(text, QStringLiteral("  "), e.text);
        else
            zeileAnhaengen(text, QStringLiteral("  "), e.datei, QStringLiteral(", "), e.wo,
                           QStringLiteral(": "), e.text);
    }
    return text;
}

QString gccNieText(const Erreichbarkeit& ablauf)
{
    return gccZeilen(nieEintraege(ablauf));
}

} // namespace Bericht
