// The texts a script line shows the player, and how they look to translators.
#pragma once

#include <QString>
#include <QVector>

/// Where a text the player reads stands in a script line's parameter.
struct Textteil
{
    qsizetype anfang = 0;
    qsizetype laenge = 0;
    /// The question or the answer of a "SelectCase", not a "Print".
    bool auswahl = false;
};

namespace Spieltexte {

/// The texts of a line: the whole parameter of a "Print", question and answer of a
/// "SelectCase" ("Anzahl | Frage | Antwort", without the spaces around them); none for any
/// other command, whose parameters are names the game compares. `fehlerhaft` is set for a
/// "SelectCase" not of that form.
QVector<Textteil> teile(qint32 befehl, const QString& parameter, bool* fehlerhaft = nullptr);

/// A game text as translators see it: "#" as a line break.
QString alsMsgid(QStringView spieltext);
/// A translation as the game shows it: a line break as "#".
QString alsSpieltext(QString uebersetzung);

/// The parameter with each part replaced by its text in `neu` (same order as `teile`).
QString ersetzt(const QString& parameter, const QVector<Textteil>& teile, const QStringList& neu);

} // namespace Spieltexte
