// Works one rename out over the game as a list of file edits.
#pragma once

#include "Umbenennung.h"

#include <QHash>
#include <memory>
#include <optional>

namespace Umbenennung {

/// Works one rename out over the game: which files it renames, whether it may, and which
/// bytes change. planen() is its use.
class Planer
{
public:
    Planer(const Spielpruefung& spiel, const Spielzugriff& zugriff, const Anfrage& anfrage);
    Plan machen();

private:
    using Verwendung = Verwendungssuche::Verwendung;
    struct DateiUmbenennung
    {
        QString alt;
        QString neu;
        bool mitText;
    };

    /// Why the rename cannot be done, or the null text with the plan made.
    QString pruefen();
    /// The files renamed with the name.
    QString dateienFinden();
    /// Why the new name is taken, or the null text.
    QString vergeben();
    QString aehnlichText(const QString& wovon, const QString& name) const;
    /// A flag or item of the new name, or of one that differs from it only in case or spaces.
    QString schonVerwendet();
    /// Whether `d` takes part: a hotspot named by an item script is renamed there only when
    /// no other room has a hotspot of that name, which the line may mean as well.
    bool nimmtTeil(const SpielDatei& d);
    QString dateienPlanen();
    QString dateiPlanen(const QString& name, const QHash<QString, QString>& neuerName);
    QString ersetzen(const SpielDatei& d, const Verwendung& v, Datei& datei);

    const Spielpruefung& spiel;
    const Spielzugriff& zugriff;
    Anfrage a;
    Verwendungssuche::Anfrage suche;
    Plan plan;
    std::shared_ptr<const SpielDatei> raum;
    QVector<Verwendung> verwendungen;
    QVector<DateiUmbenennung> umbenennungen;
    std::optional<bool> auchItemSkripte;
};

} // namespace Umbenennung
