// What can never happen in play, worked out anew after each update of the checking service.
#pragma once

#include "Erreichbarkeit.h"
#include "spiel/Spielpruefung.h"

#include <QObject>
#include <memory>

class Pruefdienst;

/// Follows the checking service: after each of its updates, the game as then known and the
/// game folder's plan of start rooms and goals are analysed off the window's thread, and the
/// result published with geaendert(). Only the newest result is kept; one analysis runs at a
/// time, and updates meanwhile make one more.
///
/// The service itself knows nothing of the analysis (it lies below it); every window reaches
/// the same one through von().
class Raetseldienst : public QObject
{
    Q_OBJECT

public:
    explicit Raetseldienst(Pruefdienst& dienst);
    /// Waits for an analysis still running, a few milliseconds.
    ~Raetseldienst() override;

    /// The one that follows `dienst`, made on first use as its child.
    static Raetseldienst& von(Pruefdienst& dienst);

    /// The newest result; null until the first analysis is done.
    std::shared_ptr<const Erreichbarkeit> ergebnis() const { return stand; }
    /// The game as the service knew it when the newest result was worked out, which that
    /// result's places (files, scripts, lines) are counted in; null with the result.
    std::shared_ptr<const Spielpruefung> ergebnisSpiel() const { return standSpiel; }
    /// The newest result is of the game as the service knows it now: no analysis is running.
    bool aktuell() const { return stand && !laeuft; }
    /// The plan the newest result starts from.
    const Raetselplan& plan() const { return gelesen; }
    /// The plan file's reason when it is damaged (then an empty plan is used), else empty.
    const QString& planFehler() const { return planGrund; }
    /// The line of the plan file named by planFehler(), from 1; 0 for the file as a whole.
    int planZeile() const { return planGrundZeile; }

    /// Works the game out again, with the plan file as it is now: the editor has just
    /// written it, before the folder's watcher tells the service.
    void neuRechnen() { anstossen(); }

Q_SIGNALS:
    /// A new result is published.
    void geaendert();

private:
    void anstossen();

    Pruefdienst& dienst;
    std::shared_ptr<const Erreichbarkeit> stand;
    std::shared_ptr<const Spielpruefung> standSpiel;
    Raetselplan gelesen;
    QString planGrund;
    int planGrundZeile = 0;
    bool laeuft = false;
    bool nochmal = false;
    class Lauf;
    std::unique_ptr<Lauf> lauf;
};
