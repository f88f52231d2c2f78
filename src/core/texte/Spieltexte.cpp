// The texts a script line shows the player, and how they look to translators.
#include "Spieltexte.h"

#include "script/Befehlstabelle.h"

#include <QStringList>

namespace {

/// The part between `anfang` and `ende` without the spaces around it.
Textteil ohneLeerzeichen(const QString& text, qsizetype anfang, qsizetype ende)
{
    while (anfang < ende && text[anfang].isSpace())
        ++anfang;
    while (ende > anfang && text[ende - 1].isSpace())
        --ende;
    return {anfang, ende - anfang, true};
}

} // namespace

namespace Spieltexte {

QVector<Textteil> teile(qint32 befehl, const QString& parameter, bool* fehlerhaft)
{
    if (fehlerhaft)
        *fehlerhaft = false;
    if (befehl == Befehlstabelle::Print)
        return {{0, parameter.size(), false}};
    if (befehl != Befehlstabelle::SelectCase)
        return {};
    const qsizetype erster = parameter.indexOf(QLatin1Char('|'));
    const qsizetype zweiter = erster < 0 ? -1 : parameter.indexOf(QLatin1Char('|'), erster + 1);
    const bool dritter = zweiter >= 0 && parameter.indexOf(QLatin1Char('|'), zweiter + 1) >= 0;
    bool zahl = false;
    if (erster >= 0)
        parameter.left(erster).trimmed().toUInt(&zahl);
    if (zweiter < 0 || dritter || !zahl) {
        if (fehlerhaft)
            *fehlerhaft = true;
        return {};
    }
    return {ohneLeerzeichen(parameter, erster + 1, zweiter),
            ohneLeerzeichen(parameter, zweiter + 1, parameter.size())};
}

QString alsMsgid(QStringView spieltext)
{
    QString text = spieltext.toString();
    text.replace(QLatin1Char('#'), QLatin1Char('\n'));
    return text;
}

QString alsSpieltext(QString uebersetzung)
{
    uebersetzung.replace(QLatin1Char('\n'), QLatin1Char('#'));
    return uebersetzung;
}

QString ersetzt(const QString& parameter, const QVector<Textteil>& teile, const QStringList& neu)
{
    QString text = parameter;
    // From the back, so that the places before stay where they are.
    for (qsizetype i = teile.size() - 1; i >= 0; --i)
        text.replace(teile[i].anfang, teile[i].laenge, neu[i]);
    return text;
}

} // namespace Spieltexte
