#pragma once

#include "spiel/SpielDatei.h"

#include <QDialog>
#include <functional>

class BefundModell;
class Pruefdienst;
class QLabel;
class QTreeView;

/// The window "Spiel prüfen": every finding of the game as tarnholm-check reports it for the
/// game folder, by file. It stays open beside the main window and follows every file the
/// game check reads anew; the findings are put together off the window's thread.
class SpielPruefen : public QDialog
{
    Q_OBJECT

public:
    explicit SpielPruefen(Pruefdienst& dienst, QWidget* parent = nullptr);

    /// Shows the window, or brings it to the front, with the findings of now.
    void zeigen();
    /// Goes to a script line: Return or a double click on a finding that names one.
    std::function<void(const SkriptStelle&)> stelleOeffnen;
    /// Opens a room git holds in conflict (relative to the game folder), to resolve it.
    std::function<void(const QString&)> konfliktOeffnen;

    const BefundModell& befunde() const { return *modell; }

Q_SIGNALS:
    /// The list shows the findings of the game as now known.
    void aufgebaut();

private:
    void neuBerechnen();
    void oeffnen(const QModelIndex& index);

    Pruefdienst& dienst;
    QLabel* zusammenfassung;
    QTreeView* liste;
    BefundModell* modell;
    /// Only the newest calculation is shown.
    int nummer = 0;
};
