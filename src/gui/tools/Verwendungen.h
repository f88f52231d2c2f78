#pragma once

#include "namen/Verwendungssuche.h"

#include <QDialog>
#include <functional>

class Desktop;
class Namensvorschlaege;
class Pruefdienst;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTreeView;
class VerwendungenModell;

/// "Verwendungen": every place of the game that uses a name, grouped by file, as the checking
/// service knows the game. The list follows the name and kind as they are typed and chosen,
/// and the game as it changes, row by row. The game's names of the kind are offered while a
/// name is typed. Double-click or Return on a place opens it.
class Verwendungen : public QDialog
{
    Q_OBJECT

public:
    Verwendungen(Pruefdienst& dienst, Desktop& desktop, QWidget* parent = nullptr);

    /// Opens a place: the file (relative to the game folder, as the service names it), the
    /// script and its line (from 0). A room's background has the line -1 and the start script;
    /// a hotspot's name the line -1 and that hotspot (action -1). The window is closed first.
    std::function<void(const QString& datei, const RoomFile::SkriptOrt& ort, qint32 zeile)> oeffnen;

    /// Searches for `name` of kind `art`, then shows the window modally. A hotspot or label may
    /// be narrowed to the file `datei` and the script `skript` it belongs to (an index of
    /// SpielDatei::skripte, -1 for every one).
    void zeigen(NamensArt art = NamensArt::Flag, const QString& name = QString(),
                const QString& datei = QString(), int skript = -1);

    /// Searches with what the controls hold.
    void suchen();

private:
    void aktiviert(const QModelIndex& index);
    NamensArt gewaehlt() const;
    /// The names offered follow the kind chosen and the narrowing to one file.
    void vorschlagen();

    Pruefdienst& dienst;
    Desktop& desktop;
    QLineEdit* name;
    QComboBox* art;
    QCheckBox* bereich;
    QTreeView* liste;
    VerwendungenModell* modell;
    Namensvorschlaege* vorschlaege;
    QLabel* anzahl;
    /// The narrowing zeigen() was asked for.
    QString datei;
    int skript = -1;
};
