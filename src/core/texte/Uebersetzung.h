// A language's PO file held against the texts of the game as it is now.
#pragma once

#include "PoDatei.h"
#include "Textvorlage.h"

#include <QHash>
#include <QString>
#include <QVector>

/// A translation the game cannot take, with the PO file's line.
struct Ablehnung
{
    /// 0 when it is not about a line of the PO file.
    int zeile = 0;
    /// The German text, as the PO file has it.
    QString text;
    QString grund;
};

/// How much of the game's texts a PO file translates.
struct Zaehlung
{
    int uebersetzt = 0;
    int unuebersetzt = 0;
    int ungenau = 0;
    /// Texts of the PO file the game no longer has.
    int veraltet = 0;

    /// "412 Texte übersetzt, 23 unübersetzt, 2 ungenau: sie bleiben deutsch"
    QString satz() const;
};

/// The translations a build puts into the game: only those gettext would use (translated,
/// not fuzzy) of texts the game has. Untranslated and fuzzy texts stay German.
class Uebersetzung
{
public:
    Uebersetzung(const Textvorlage& vorlage, const PoDatei& po);

    const Zaehlung& zaehlung() const { return zahlen; }
    /// Every translation used that the game's files cannot hold, in the PO file's order.
    const QVector<Ablehnung>& ablehnungen() const { return abgelehnt; }
    /// The text the game shows instead of `msgid`, "#" for line breaks; null when it stays.
    const QString* spieltext(const QString& msgid) const;

    /// Why the game cannot show `uebersetzung` (in PO form); empty when it can. `auswahl`: it
    /// stands in a "SelectCase" too.
    static QString grund(const QString& uebersetzung, bool auswahl);

private:
    Zaehlung zahlen;
    QVector<Ablehnung> abgelehnt;
    QHash<QString, QString> ersatz;
};
