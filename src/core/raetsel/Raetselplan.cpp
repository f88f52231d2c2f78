// Reading and writing the file of start rooms, goals and first possessions.
#include "Raetselplan.h"

#include "roomfile/TextFile.h"

#include <QFileInfo>
#include <QStringDecoder>

namespace {

struct Artname
{
    Raetselplan::Name::Art art;
    const char* text;
};
constexpr Artname artnamen[] = {{Raetselplan::Name::Art::Flag, "flag"},
                                {Raetselplan::Name::Art::Gegenstand, "gegenstand"},
                                {Raetselplan::Name::Art::Raum, "raum"}};

} // namespace

QString Raetselplan::Name::text() const
{
    for (const Artname& a : artnamen) {
        if (a.art == art)
            return QLatin1String(a.text) + QLatin1Char(':') + name;
    }
    return name;
}

std::optional<Raetselplan::Name> Raetselplan::Name::lesen(const QString& text)
{
    const qsizetype doppelpunkt = text.indexOf(QLatin1Char(':'));
    if (doppelpunkt < 0)
        return std::nullopt;
    const QString art = text.left(doppelpunkt).trimmed().toLower();
    const QString name = text.mid(doppelpunkt + 1).trimmed();
    if (name.isEmpty())
        return std::nullopt;
    for (const Artname& a : artnamen) {
        if (art == QLatin1String(a.text))
            return Name{a.art, name};
    }
    return std::nullopt;
}

Raetselplan::Gelesen Raetselplan::lesen(const QByteArray& bytes)
{
    Gelesen g;
    const auto kaputt = [&g](int zeile, const QString& text) {
        g.plan = {};
        g.fehler = text;
        g.zeile = zeile;
        return g;
    };
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError())
        return kaputt(0, QStringLiteral("kein UTF-8-Text"));
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    const QStringList zeilen = text.split(QLatin1Char('\n'));
    for (int i = 0; i < zeilen.size(); ++i) {
        const QString zeile = zeilen[i].trimmed();
        if (zeile.isEmpty() || zeile.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype doppelpunkt = zeile.indexOf(QLatin1Char(':'));
        const QString schluessel = zeile.left(doppelpunkt).trimmed().toLower();
        const QString wert = zeile.mid(doppelpunkt + 1).trimmed();
        if (doppelpunkt < 0 ||
            (schluessel != QLatin1String("start") && schluessel != QLatin1String("ziel") &&
             schluessel != QLatin1String("besitz")))
            return kaputt(i + 1, QStringLiteral("erwartet „start:“, „ziel:“ oder „besitz:“"));
        if (wert.isEmpty())
            return kaputt(i + 1, QStringLiteral("„%1:“ ohne Namen").arg(schluessel));
        if (schluessel == QLatin1String("start")) {
            g.plan.start << wert;
            continue;
        }
        const std::optional<Name> name = Name::lesen(wert);
        if (!name)
            return kaputt(i + 1, QStringLiteral("„%1“ ist kein „flag:“, „gegenstand:“ oder "
                                                "„raum:“ mit Namen")
                                     .arg(wert));
        if (schluessel == QLatin1String("ziel")) {
            g.plan.ziele << *name;
        } else {
            if (name->art == Name::Art::Raum)
                return kaputt(i + 1, QStringLiteral("einen Raum kann man nicht besitzen"));
            g.plan.besitz << *name;
        }
    }
    return g;
}

QByteArray Raetselplan::schreiben() const
{
    QString text = QStringLiteral("# Rätselplan: Startraum, Ziele, Besitz zu Beginn\n");
    for (const QString& s : start)
        text += QStringLiteral("start: ") + s + QLatin1Char('\n');
    for (const Name& z : ziele)
        text += QStringLiteral("ziel: ") + z.text() + QLatin1Char('\n');
    for (const Name& b : besitz)
        text += QStringLiteral("besitz: ") + b.text() + QLatin1Char('\n');
    return text.toUtf8();
}

QByteArray Raetselplan::mitStart(const QByteArray& bytes, const QString& raum)
{
    if (bytes.isEmpty()) {
        Raetselplan plan;
        if (!raum.isEmpty())
            plan.start << raum;
        return plan.schreiben();
    }
    const QByteArray bom("\xEF\xBB\xBF");
    const qsizetype ersteZeile = bytes.indexOf('\n');
    const QByteArray ende =
        ersteZeile > 0 && bytes[ersteZeile - 1] == '\r' ? QByteArray("\r\n") : QByteArray("\n");
    const QByteArray neu = raum.isEmpty() ? QByteArray() : "start: " + raum.toUtf8() + ende;
    QByteArray aus;
    aus.reserve(bytes.size() + neu.size());
    // lesen() passes over two marks: the decoder's and its own.
    qsizetype anfang = 0;
    for (int i = 0; i < 2 && bytes.sliced(anfang).startsWith(bom); ++i) {
        aus += bom;
        anfang += bom.size();
    }
    const qsizetype kopf = aus.size();
    bool gesetzt = false;
    while (anfang < bytes.size()) {
        const qsizetype umbruch = bytes.indexOf('\n', anfang);
        const qsizetype naechste = umbruch < 0 ? bytes.size() : umbruch + 1;
        const QByteArray zeile = bytes.mid(anfang, naechste - anfang);
        // Told apart as lesen() tells them: its spaces are Unicode's.
        const QString inhalt = QString::fromUtf8(zeile).trimmed();
        const bool eintrag = !inhalt.isEmpty() && !inhalt.startsWith(QLatin1Char('#'));
        const qsizetype doppelpunkt = inhalt.indexOf(QLatin1Char(':'));
        const bool start = eintrag && doppelpunkt >= 0 &&
                           inhalt.left(doppelpunkt).trimmed().toLower() == QLatin1String("start");
        // The start room goes before the goals, where an author reading the file looks first.
        if (!gesetzt && eintrag) {
            aus += neu;
            gesetzt = true;
        }
        if (!start)
            aus += zeile;
        anfang = naechste;
    }
    if (!gesetzt) {
        if (aus.size() > kopf && !aus.endsWith('\n'))
            aus += ende;
        aus += neu;
    }
    return aus;
}

QString Raetselplan::startSetzen(const QString& spielordner, const QString& raum)
{
    const QString pfad = spielordner + dateiName();
    QByteArray bytes;
    if (QFileInfo::exists(pfad)) {
        const std::optional<QByteArray> gelesen = TextFile::read(pfad);
        if (!gelesen)
            return dateiName() + QStringLiteral(" kann nicht gelesen werden.");
        const Gelesen plan = lesen(*gelesen);
        if (!plan.fehler.isEmpty())
            return dateiName() +
                   (plan.zeile > 0 ? QStringLiteral(", Zeile %1").arg(plan.zeile) : QString()) +
                   QStringLiteral(": ") + plan.fehler +
                   QStringLiteral(". Die Datei bleibt, wie sie ist.");
        bytes = *gelesen;
    }
    if (!TextFile::write(pfad, mitStart(bytes, raum)))
        return dateiName() + QStringLiteral(" kann nicht geschrieben werden.");
    return {};
}

Raetselplan::Gelesen Raetselplan::ausOrdner(const QString& spielordner)
{
    const QString pfad = spielordner + dateiName();
    if (!QFileInfo::exists(pfad))
        return {};
    const std::optional<QByteArray> bytes = TextFile::read(pfad);
    if (!bytes)
        return {{}, QStringLiteral("kann nicht geöffnet werden"), 0};
    return lesen(*bytes);
}
