// Script lines as text, so that they travel through the clipboard.
#include "SkriptText.h"

#include "Befehlstabelle.h"
#include "Zeilen.h"
#include "roomfile/Cp1252.h"

#include <QMimeData>

namespace SkriptText {
namespace {

constexpr qsizetype gezeigteZeichen = 60;

/// The line as a message may show it: control characters and line breaks as "?", a long one
/// cut short.
QString zeigbar(QString zeile)
{
    if (zeile.size() > gezeigteZeichen) {
        const bool halb = zeile[gezeigteZeichen - 1].isHighSurrogate();
        zeile = zeile.left(gezeigteZeichen - halb) + QChar(0x2026);
    }
    for (QChar& c : zeile) {
        const QChar::Category art = c.category();
        if (art == QChar::Other_Control || art == QChar::Separator_Line ||
            art == QChar::Separator_Paragraph)
            c = QLatin1Char('?');
    }
    return zeile;
}

QString keinBefehl(qsizetype nummer, const QString& zeile)
{
    return QStringLiteral("Zeile %1 ist kein Befehl: „%2“. Jede Zeile beginnt mit einem Befehl, "
                          "wie ihn die Befehlsliste schreibt, dann folgen ein Leerzeichen und "
                          "der Parameter. Es wurde nichts eingefügt.")
        .arg(nummer)
        .arg(zeigbar(zeile));
}

QString nichtSpeicherbar(qsizetype nummer, const QString& zeile)
{
    return QStringLiteral("Zeile %1 enthält Zeichen, die eine Raumdatei nicht speichern kann: "
                          "„%2“. Anführungszeichen, Zeilenumbrüche, Steuerzeichen (etwa "
                          "Tabulatoren) und Zeichen außerhalb von Windows-1252 sind nicht "
                          "möglich. Es wurde nichts eingefügt.")
        .arg(nummer)
        .arg(zeigbar(zeile));
}

/// The code whose keyword starts `zeile` and stands alone or before a space; the longest
/// such keyword wins, so one with spaces in it is found whole. -1 for none.
qint32 befehlAm(QStringView zeile)
{
    qint32 gefunden = -1;
    qsizetype laenge = 0;
    for (qint32 code = 0; code < Befehlstabelle::Anzahl; ++code) {
        const QString& wort = Befehlstabelle::befehl(code).keyword;
        if (wort.size() > laenge && zeile.startsWith(wort) &&
            (zeile.size() == wort.size() || zeile[wort.size()] == QLatin1Char(' '))) {
            gefunden = code;
            laenge = wort.size();
        }
    }
    return gefunden;
}

void anhaengen(Skript& s, qint32 code, const QString& parameter)
{
    s.Befehl.append(code);
    s.Parameter.append(parameter);
    ++s.MaxZeile;
}

} // namespace

QString alsText(const Skript& zeilen)
{
    const QVector<int> einzug = Zeilen::einzuege(zeilen);
    QString text;
    for (qint32 i = 0; i <= zeilen.MaxZeile; ++i)
        text += Zeilen::text(einzug[i], zeilen.Befehl[i], zeilen.Parameter[i]) + QLatin1Char('\n');
    return text;
}

QByteArray alsDaten(const Skript& zeilen)
{
    QByteArray daten;
    for (qint32 i = 0; i <= zeilen.MaxZeile; ++i) {
        daten += QByteArray::number(zeilen.Befehl[i]) + '\t' + zeilen.Parameter[i].toUtf8() + '\n';
    }
    return daten;
}

Gelesen ausText(const QString& text)
{
    Gelesen g;
    qsizetype nummer = 0;
    for (QStringView zeile : QStringView(text).split(QLatin1Char('\n'))) {
        ++nummer;
        if (zeile.endsWith(QLatin1Char('\r')))
            zeile.chop(1);
        qsizetype anfang = 0;
        while (anfang < zeile.size() &&
               (zeile[anfang] == QLatin1Char(' ') || zeile[anfang] == QLatin1Char('\t')))
            ++anfang;
        if (anfang == zeile.size())
            continue;
        const QStringView befehl = zeile.mid(anfang);
        const qint32 code = befehlAm(befehl);
        if (code < 0) {
            g.fehler = keinBefehl(nummer, befehl.toString());
            break;
        }
        const QString parameter =
            befehl.mid(qMin(Befehlstabelle::CommandKeyword(code).size() + 1, befehl.size()))
                .toString();
        if (!Cp1252::isStorableText(parameter)) {
            g.fehler = nichtSpeicherbar(nummer, befehl.toString());
            break;
        }
        anhaengen(g.zeilen, code, parameter);
    }
    if (!g.fehler.isEmpty())
        g.zeilen = Skript();
    return g;
}

std::optional<Gelesen> ausDaten(const QByteArray& daten)
{
    if (!daten.isEmpty() && !daten.endsWith('\n'))
        return std::nullopt;
    Gelesen g;
    const QList<QByteArray> zeilen = daten.split('\n');
    for (qsizetype i = 0; i + 1 < zeilen.size(); ++i) {
        const QByteArray& zeile = zeilen[i];
        const qsizetype tab = zeile.indexOf('\t');
        bool zahl = false;
        const qint32 code = tab < 0 ? 0 : zeile.left(tab).toInt(&zahl);
        if (!zahl)
            return std::nullopt;
        const QString parameter = QString::fromUtf8(zeile.mid(tab + 1));
        if (g.fehler.isEmpty() && !Cp1252::isStorableText(parameter))
            g.fehler = nichtSpeicherbar(i + 1, Zeilen::text(0, code, parameter));
        anhaengen(g.zeilen, code, parameter);
    }
    if (!g.fehler.isEmpty())
        g.zeilen = Skript();
    return g;
}

QMimeData* alsMimeDaten(const Skript& zeilen)
{
    auto* daten = new QMimeData;
    daten->setText(alsText(zeilen));
    daten->setData(mimeTyp(), alsDaten(zeilen));
    return daten;
}

Gelesen ausMimeDaten(const QMimeData& daten)
{
    std::optional<Gelesen> genau;
    if (daten.hasFormat(mimeTyp()))
        genau = ausDaten(daten.data(mimeTyp()));
    return genau ? *genau : ausText(daten.text());
}

} // namespace SkriptText
