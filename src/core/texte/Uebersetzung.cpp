// A language's PO file held against the texts of the game as it is now.
#include "Uebersetzung.h"

#include "Spieltexte.h"
#include "roomfile/Cp1252.h"

namespace {

bool farbe(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
           (c >= QLatin1Char('a') && c <= QLatin1Char('f'));
}

} // namespace

QString Zaehlung::satz() const
{
    return QStringLiteral("%1 Texte übersetzt, %2 unübersetzt, %3 ungenau: sie bleiben deutsch")
        .arg(uebersetzt)
        .arg(unuebersetzt)
        .arg(ungenau);
}

QString Uebersetzung::grund(const QString& uebersetzung, bool auswahl)
{
    for (const char32_t c : uebersetzung.toUcs4()) {
        const QString zeichen = QString::fromUcs4(&c, 1);
        const QString name = QStringLiteral("U+") +
                             QStringLiteral("%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper();
        if (c == U'\n')
            continue;
        if (c < 0x20 || c == 0x7f)
            return QStringLiteral("Das Steuerzeichen %1 kann in den Dateien des Spiels nicht "
                                  "stehen")
                .arg(name);
        if (c == U'"')
            return QStringLiteral("Ein gerades Anführungszeichen (\") kann in den Dateien des "
                                  "Spiels nicht stehen; „ “ gehen");
        if (!Cp1252::canEncode(zeichen))
            return QStringLiteral("„%1“ (%2) gibt es in Windows-1252 nicht, und nur diese "
                                  "Zeichen kann das Spiel zeigen")
                .arg(zeichen, name);
        if (c == U'|' && auswahl)
            return QStringLiteral("„|“ trennt Anzahl, Frage und Antwort von SelectCase und kann "
                                  "im Text nicht stehen");
    }
    // "$" at the start of a line of the game's text takes the colour character after it.
    for (const QStringView zeile : QStringView(uebersetzung).split(QLatin1Char('\n'))) {
        for (const QStringView teil : zeile.split(QLatin1Char('#'))) {
            if (!teil.startsWith(QLatin1Char('$')))
                continue;
            if (teil.size() < 2)
                return QStringLiteral("„$“ am Zeilenanfang braucht einen Farbcode danach: $0 "
                                      "bis $9 oder $a bis $f");
            if (!farbe(teil[1]))
                return QStringLiteral("„%1“ am Zeilenanfang ist kein Farbcode: nur $0 bis $9 "
                                      "und $a bis $f")
                    .arg(teil.left(2));
        }
    }
    return {};
}

Uebersetzung::Uebersetzung(const Textvorlage& vorlage, const PoDatei& po)
{
    const QHash<QString, qsizetype> texte = vorlage.verzeichnis();
    QHash<QString, const PoEintrag*> eintraege;
    for (const PoEintrag& e : po.eintraege) {
        // A context is no text of ours: such messages come from elsewhere.
        const qsizetype i = e.kontext ? -1 : texte.value(e.msgid, -1);
        if (i < 0) {
            ++zahlen.veraltet;
            continue;
        }
        eintraege.insert(e.msgid, &e);
        if (!e.uebersetzt())
            continue;
        if (const QString warum = grund(e.msgstr, vorlage.texte[i].auswahl); !warum.isEmpty()) {
            abgelehnt.append({e.msgstrZeile, e.msgid, warum});
            continue;
        }
        ersatz.insert(e.msgid, Spieltexte::alsSpieltext(e.msgstr));
    }
    for (const VorlagenText& t : vorlage.texte) {
        const PoEintrag* e = eintraege.value(t.msgid);
        if (e && e->uebersetzt())
            ++zahlen.uebersetzt;
        else if (e && e->ungenau() && !e->msgstr.isEmpty())
            ++zahlen.ungenau;
        else
            ++zahlen.unuebersetzt;
    }
}

const QString* Uebersetzung::spieltext(const QString& msgid) const
{
    const auto it = ersatz.constFind(msgid);
    return it == ersatz.cend() ? nullptr : &*it;
}
