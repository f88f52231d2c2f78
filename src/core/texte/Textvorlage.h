// The template of every text the player reads: what translators get.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

class Spielpruefung;

/// One text of the game, once however often it stands in the game.
struct VorlagenText
{
    /// As translators see it: "#" as a line break.
    QString msgid;
    /// "rooms/haus.lsd:12", one for each place, in the order of the game.
    QStringList referenzen;
    /// "rooms/haus.lsd: HotSpot „Tür“, Sieh an!, Zeile 1", one for each place.
    QStringList kommentare;
    /// It is also the question or answer of a "SelectCase", where "|" cannot stand.
    bool auswahl = false;
};

/// The texts of the game, made from what the checking service holds: the rooms in the order of
/// the rooms list, then the item scripts, each text at its first place.
struct Textvorlage
{
    QVector<VorlagenText> texte;
    /// What was left out and why: a "SelectCase" not of its form, a file not read whole.
    QStringList warnungen;

    static Textvorlage aus(const Spielpruefung& spiel);

    /// The index of a text by its msgid.
    QHash<QString, qsizetype> verzeichnis() const;

    /// The template as a POT file, UTF-8, with gettext's standard header.
    QByteArray pot(const QString& spielname, const QDateTime& erstellt) const;
};
