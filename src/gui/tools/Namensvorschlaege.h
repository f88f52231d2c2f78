#pragma once

#include "namen/Verwendungssuche.h"

#include <QCompleter>

class Pruefdienst;
class QLineEdit;
class QStringListModel;

/// The names of the game offered while a name is typed into `feld`: those of the chosen kind
/// that contain what was typed, letter case aside, as the checking service knows the game.
/// Down and Return take one. They follow the kind chosen and every change of the game.
class Namensvorschlaege : public QCompleter
{
    Q_OBJECT

public:
    Namensvorschlaege(Pruefdienst& dienst, QLineEdit* feld);

    /// Offers the names of `art`; hotspots and labels only of the file `datei`, when given.
    void anbieten(NamensArt art, const QString& datei = {});

private:
    void auffrischen();

    Pruefdienst& dienst;
    QLineEdit* feld;
    QStringListModel* namen;
    NamensArt art = NamensArt::Flag;
    QString datei;
    /// The game changed while the box was hidden: the names are made anew when it is shown.
    bool veraltet = true;
};
