#include "Bericht.h"

namespace Bericht {
namespace {

/// "<script>, Zeile n: "<line>"", the script left out in an item script.
QString wo(const SkriptStelle& s)
{
    return (s.skript.isEmpty() ? QString() : s.skript + QStringLiteral(", ")) +
           QStringLiteral("Zeile %1: \"").arg(s.zeile + 1) + s.zeilenText + QLatin1Char('"');
}

QString zeile(const QString& text)
{
    return ohneSteuerzeichen(text) + QLatin1Char('\n');
}

QString gcc(const QString& datei, int dateiZeile, const char* art, const QString& text)
{
    return zeile(datei + (dateiZeile > 0 ? QStringLiteral(":%1").arg(dateiZeile) : QString()) +
                 QStringLiteral(": ") + QLatin1String(art) + QStringLiteral(": ") + text);
}

} // namespace

QString skriptText(const QVector<SkriptFehler>& fehler, const QVector<SpielHinweis>& hinweise)
{
    QString text;
    if (!fehler.isEmpty()) {
        text += QStringLiteral("Fehler in Skripten:\n");
        for (const SkriptFehler& f : fehler) {
            text += zeile(QStringLiteral("  ") + f.text + QStringLiteral(" (") + f.stelle.datei +
                          QStringLiteral(", ") + wo(f.stelle) + QLatin1Char(')'));
        }
    }
    if (!hinweise.isEmpty()) {
        text += QStringLiteral("Hinweise:\n");
        for (const SpielHinweis& h : hinweise) {
            if (h.stellen.isEmpty()) {
                text += zeile(QStringLiteral("  ") + h.datei + QStringLiteral(": ") + h.text);
                continue;
            }
            text += zeile(QStringLiteral("  ") + h.text + QLatin1Char(':'));
            for (const SkriptStelle& s : h.stellen)
                text += zeile(QStringLiteral("    ") + s.datei + QStringLiteral(", ") + wo(s));
        }
    }
    return text;
}

QString gccText(const Befund& befund, const QVector<SkriptFehler>& fehler,
                const QVector<SpielHinweis>& hinweise)
{
    QString text;
    for (const QString& bild : befund.unbenutzteBilder)
        text += gcc(bild, 0, "Hinweis",
                    QStringLiteral("Kein Raum und kein Gegenstandsskript benutzt dieses Bild"));
    for (const QString& klang : befund.unbenutzteKlaenge)
        text += gcc(klang, 0, "Hinweis",
                    QStringLiteral("Kein Raum und kein Gegenstandsskript benutzt diesen Klang"));
    for (const auto* dateien : {&befund.raeume, &befund.itemSkripte}) {
        for (const Befund::Unlesbar& d : *dateien)
            text += gcc(d.datei, d.zeile, "Fehler",
                        d.zeile == 0 ? QStringLiteral("Die Datei kann nicht geöffnet werden")
                                     : QStringLiteral("Hier bricht das Lesen ab"));
    }
    for (const Befund::Fehlend& f : befund.fehlend)
        text += gcc(f.datei, f.dateiZeile, "Fehler",
                    QStringLiteral("Die Datei ") + f.pfad + QStringLiteral(" gibt es nicht (") +
                        f.stelle + QLatin1Char(')'));
    for (const SkriptFehler& f : fehler)
        text += gcc(f.stelle.datei, f.stelle.dateiZeile, "Fehler",
                    f.text + QStringLiteral(" (") + wo(f.stelle) + QLatin1Char(')'));
    for (const SpielHinweis& h : hinweise) {
        if (h.stellen.isEmpty())
            text += gcc(h.datei, 0, "Warnung", h.text);
        for (const SkriptStelle& s : h.stellen)
            text += gcc(s.datei, s.dateiZeile, "Warnung",
                        h.text + QStringLiteral(" (") + wo(s) + QLatin1Char(')'));
    }
    return text;
}

} // namespace Bericht
