// PO and POT files: the subset that gettext's programs, Poedit and Weblate write, read and written.
#include "PoDatei.h"

#include "PoZeichenkette.h"

#include <QHash>
#include <QStringDecoder>

namespace {

/// A message as it is read, its strings still bytes until the header's charset is known.
struct Roh
{
    std::optional<QByteArray> kontext;
    QByteArray msgid;
    QByteArray msgstr;
    bool hatId = false;
    bool hatStr = false;
    QList<QByteArray> flags;
    QList<QByteArray> referenzen;
    QList<QByteArray> kommentare;
    int zeile = 0;
    int strZeile = 0;
    int charsetZeile = 0;

    bool leer() const
    {
        return !kontext && !hatId && flags.isEmpty() && referenzen.isEmpty() &&
               kommentare.isEmpty();
    }
};

enum class Feld
{
    Keins,
    Kontext,
    Id,
    Str
};

/// The charset the header names, empty when it names none.
QByteArray zeichensatz(const QByteArray& kopf)
{
    const qsizetype i = kopf.indexOf("charset=");
    if (i < 0)
        return {};
    qsizetype ende = i + 8;
    while (ende < kopf.size() && kopf[ende] != ';' && kopf[ende] != '\n' && kopf[ende] != ' ')
        ++ende;
    return kopf.mid(i + 8, ende - i - 8);
}

} // namespace

std::optional<PoDatei> PoDatei::lesen(const QByteArray& bytes, PoFehler& fehler)
{
    PoDatei datei;
    QHash<QString, int> gesehen;
    bool kopfGelesen = false;
    Roh roh;
    Feld feld = Feld::Keins;
    int nummer = 0;

    const auto scheitern = [&fehler](int zeile, const QString& text) {
        fehler = {zeile, text};
        return false;
    };
    const auto text = [&](const QByteArray& b, int zeile, QString& ziel) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        ziel = utf8(b);
        if (utf8.hasError())
            return scheitern(zeile, QStringLiteral("Der Text ist kein gültiges UTF-8"));
        return true;
    };
    const auto texte = [&](const QList<QByteArray>& b, int zeile, QStringList& ziel) {
        for (const QByteArray& t : b) {
            QString s;
            if (!text(t, zeile, s))
                return false;
            ziel << s;
        }
        return true;
    };
    // A message ends where the next begins, at an empty line, or at the end of the file.
    const auto abschliessen = [&]() {
        if (!roh.hatId) {
            if (roh.kontext)
                return scheitern(roh.zeile, QStringLiteral("Nach msgctxt fehlt msgid"));
            return true;
        }
        if (!roh.hatStr)
            return scheitern(roh.zeile, QStringLiteral("Zu diesem msgid fehlt msgstr"));
        PoEintrag e;
        e.zeile = roh.zeile;
        e.msgstrZeile = roh.strZeile;
        if (roh.kontext) {
            e.kontext.emplace();
            if (!text(*roh.kontext, roh.zeile, *e.kontext))
                return false;
        }
        if (!roh.kontext && roh.msgid.isEmpty() && !kopfGelesen) {
            // The header comes first and says how the rest is written.
            kopfGelesen = true;
            const QByteArray satz = zeichensatz(roh.msgstr);
            if (!satz.isEmpty() && satz.compare("UTF-8", Qt::CaseInsensitive) != 0 &&
                satz.compare("UTF8", Qt::CaseInsensitive) != 0 && satz != "CHARSET")
                return scheitern(roh.charsetZeile ? roh.charsetZeile : roh.strZeile,
                                 QStringLiteral("Der Zeichensatz „%1“ wird nicht gelesen: die "
                                                "Datei muss in UTF-8 geschrieben sein")
                                     .arg(QString::fromLatin1(satz)));
            if (!text(roh.msgstr, roh.strZeile, datei.kopf))
                return false;
            roh = Roh();
            return true;
        }
        if (!text(roh.msgid, roh.zeile, e.msgid) || !text(roh.msgstr, roh.strZeile, e.msgstr) ||
            !texte(roh.flags, roh.zeile, e.flags) ||
            !texte(roh.referenzen, roh.zeile, e.referenzen) ||
            !texte(roh.kommentare, roh.zeile, e.kommentare))
            return false;
        const QString schluessel = e.kontext.value_or(QString()) + QChar(4) + e.msgid;
        if (const auto vorher = gesehen.constFind(schluessel); vorher != gesehen.cend())
            return scheitern(e.zeile,
                             QStringLiteral("Dieser Text steht schon in Zeile %1").arg(*vorher));
        gesehen.insert(schluessel, e.zeile);
        datei.eintraege.append(std::move(e));
        roh = Roh();
        return true;
    };

    qsizetype pos = 0;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        pos = 3;
    while (pos < bytes.size()) {
        qsizetype ende = bytes.indexOf('\n', pos);
        if (ende < 0)
            ende = bytes.size();
        QByteArrayView zeile(bytes.constData() + pos, ende - pos);
        pos = ende + 1;
        ++nummer;
        if (zeile.endsWith('\r'))
            zeile.chop(1);
        zeile = zeile.trimmed();

        if (zeile.isEmpty() || zeile.startsWith("#~")) {
            feld = Feld::Keins;
            if (roh.hatStr && !abschliessen())
                return std::nullopt;
            continue;
        }
        if (zeile.startsWith('#')) {
            feld = Feld::Keins;
            if (roh.hatStr && !abschliessen())
                return std::nullopt;
            if (roh.zeile == 0)
                roh.zeile = nummer;
            const QByteArray rest =
                zeile.size() > 2 ? zeile.sliced(2).toByteArray().trimmed() : QByteArray();
            if (zeile.startsWith("#,")) {
                for (const QByteArray& f : rest.split(','))
                    if (!f.trimmed().isEmpty())
                        roh.flags << f.trimmed();
            } else if (zeile.startsWith("#:")) {
                for (const QByteArray& r : rest.simplified().split(' '))
                    if (!r.isEmpty())
                        roh.referenzen << r;
            } else if (zeile.startsWith("#.")) {
                roh.kommentare << rest;
            }
            continue;
        }
        if (zeile.startsWith('"')) {
            QByteArray* ziel = feld == Feld::Kontext ? &*roh.kontext
                               : feld == Feld::Id    ? &roh.msgid
                               : feld == Feld::Str   ? &roh.msgstr
                                                     : nullptr;
            if (!ziel)
                return scheitern(nummer, QStringLiteral("Dieser Text gehört zu keinem msgid "
                                                        "oder msgstr")),
                       std::nullopt;
            if (feld == Feld::Str && zeile.contains("charset="))
                roh.charsetZeile = nummer;
            if (const QString grund = PoZeichenkette::lesen(zeile, *ziel); !grund.isEmpty())
                return scheitern(nummer, grund), std::nullopt;
            continue;
        }
        if (zeile.startsWith("msgid_plural") || zeile.startsWith("msgstr[")) {
            return scheitern(nummer, QStringLiteral("Mehrzahlformen (msgid_plural, msgstr[n]) "
                                                    "kennt das Spiel nicht: jeder Text steht "
                                                    "einzeln")),
                   std::nullopt;
        }
        const auto schluesselwort = [&zeile](const char* wort) {
            const qsizetype n = qsizetype(qstrlen(wort));
            return zeile.startsWith(wort) && zeile.size() > n &&
                   (zeile[n] == ' ' || zeile[n] == '\t' || zeile[n] == '"');
        };
        QByteArray* ziel = nullptr;
        if (schluesselwort("msgctxt")) {
            if (roh.hatStr && !abschliessen())
                return std::nullopt;
            if (roh.kontext || roh.hatId)
                return scheitern(nummer, QStringLiteral("Hier fehlt msgstr vor msgctxt")),
                       std::nullopt;
            if (roh.zeile == 0)
                roh.zeile = nummer;
            roh.kontext.emplace();
            ziel = &*roh.kontext;
            feld = Feld::Kontext;
            zeile = zeile.sliced(7);
        } else if (schluesselwort("msgid")) {
            if (roh.hatStr && !abschliessen())
                return std::nullopt;
            if (roh.hatId)
                return scheitern(nummer, QStringLiteral("Hier fehlt msgstr vor msgid")),
                       std::nullopt;
            roh.hatId = true;
            roh.zeile = nummer;
            ziel = &roh.msgid;
            feld = Feld::Id;
            zeile = zeile.sliced(5);
        } else if (schluesselwort("msgstr")) {
            if (!roh.hatId || roh.hatStr)
                return scheitern(nummer, QStringLiteral("Vor msgstr fehlt msgid")), std::nullopt;
            roh.hatStr = true;
            roh.strZeile = nummer;
            ziel = &roh.msgstr;
            feld = Feld::Str;
            zeile = zeile.sliced(6);
        } else {
            return scheitern(nummer, QStringLiteral("Diese Zeile ist kein Teil einer PO-Datei")),
                   std::nullopt;
        }
        if (const QString grund = PoZeichenkette::lesen(zeile, *ziel); !grund.isEmpty())
            return scheitern(nummer, grund), std::nullopt;
    }
    if (!abschliessen())
        return std::nullopt;
    return datei;
}

QByteArray PoDatei::zeichenkette(const QByteArray& schluessel, const QString& text)
{
    QByteArray aus = schluessel;
    // Split after each line break, as xgettext does, so that translators see the lines.
    QStringList teile;
    qsizetype anfang = 0;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i] == QLatin1Char('\n')) {
            teile << text.mid(anfang, i + 1 - anfang);
            anfang = i + 1;
        }
    if (anfang < text.size() || teile.isEmpty())
        teile << text.mid(anfang);
    if (teile.size() > 1)
        aus.append(" \"\"\n");
    else
        aus.append(' ');
    for (const QString& teil : teile) {
        aus.append('"');
        PoZeichenkette::escapen(aus, teil);
        aus.append("\"\n");
    }
    return aus;
}

QByteArray PoDatei::schreiben(const QStringList& kopfKommentar, bool kopfUngenau) const
{
    QByteArray aus;
    for (const QString& k : kopfKommentar)
        aus.append(k.isEmpty() ? QByteArray("#\n") : "# " + k.toUtf8() + '\n');
    if (kopfUngenau)
        aus.append("#, fuzzy\n");
    // The header always stands one field a line under an empty first string.
    aus.append("msgid \"\"\nmsgstr \"\"\n");
    for (const QString& feld : kopf.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        aus.append('"');
        PoZeichenkette::escapen(aus, feld + QLatin1Char('\n'));
        aus.append("\"\n");
    }
    for (const PoEintrag& e : eintraege) {
        aus.append('\n');
        for (const QString& k : e.kommentare)
            aus.append("#. " + k.toUtf8() + '\n');
        for (const QString& r : e.referenzen)
            aus.append("#: " + r.toUtf8() + '\n');
        if (!e.flags.isEmpty())
            aus.append("#, " + e.flags.join(QStringLiteral(", ")).toUtf8() + '\n');
        if (e.kontext)
            aus.append(zeichenkette("msgctxt", *e.kontext));
        aus.append(zeichenkette("msgid", e.msgid));
        aus.append(zeichenkette("msgstr", e.msgstr));
    }
    return aus;
}
