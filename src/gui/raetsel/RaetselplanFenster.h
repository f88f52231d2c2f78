// "Rätselplan": the puzzle dependency chart of the game, beside the editor.
#pragma once

#include "platform/Nebenlauf.h"
#include "raetsel/RaetselKarte.h"
#include "raeume/KartenLayout.h"
#include "spiel/SpielDatei.h"

#include <QHash>
#include <QWidget>
#include <functional>

class Desktop;
class KartenAnsicht;
class PlanKnotenItem;
class Pruefdienst;
class QCheckBox;
class QComboBox;
class QGraphicsItem;
class QGraphicsScene;
class QLabel;
class QStackedWidget;

/// "Rätselplan": every action that needs or gives a flag, an item, a room or a hotspot, left to
/// right from the start room to the goals of the game's raetselplan.txt, as Graphviz lays it
/// out. The way to the goals is bold, what can never happen red; "Nur der Weg zum Ziel" hides
/// the rest. A double click or Return on a step opens its room, its hotspot and its script.
/// "Startraum:" chooses the room play starts in, written into raetselplan.txt.
/// The chart is that of the analysis "Spiel prüfen" shows (Raetseldienst's result, with the
/// game and plan it was worked out from), laid out by dot off the window's thread; it follows
/// every save and checkout as the analysis does.
class RaetselplanFenster : public QWidget
{
    Q_OBJECT

public:
    RaetselplanFenster(Pruefdienst& dienst, Desktop& desktop, QWidget* parent = nullptr);
    /// Stops dot, if it still runs.
    ~RaetselplanFenster() override;

    /// Opens a step's script at its line, its hotspot selected.
    std::function<void(const SkriptStelle& stelle)> stelleOeffnen;

    /// Shows the window, beside its parent the first time, and brings it to the front.
    void zeigen();

    KartenAnsicht* ansicht() const { return bild; }
    /// The chart drawn, and its step nodes by index.
    const RaetselKarte& karte() const { return gezeigteKarte; }
    const QHash<int, PlanKnotenItem*>& schritte() const { return schrittItems; }
    /// The chart shown is that of the game last known.
    bool fertig() const;

Q_SIGNALS:
    /// The chart was laid out and drawn anew, or the window says why not.
    void angeordnet();

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct Auftrag
    {
        RaetselKarte karte;
        QString dot;
        QString planFehler;
        QVector<ZielStand> ziele;
        QStringList start;
        KartenLayout::Ergebnis ergebnis;
        bool abgebrochen = false;
    };

    void anordnen();
    void angekommen(const Auftrag& auftrag);
    void aufbauen(const Auftrag& auftrag);
    void zeileSetzen(const Auftrag& auftrag);
    void melden(const QString& text);
    void schrittAktiviert(QGraphicsItem* item);
    /// The rooms of the game as the analysis knew them, the plan's start room chosen.
    void startraeumeFuellen();
    void startGewaehlt(int index);

    Pruefdienst& dienst;
    Desktop& desktop;
    QComboBox* startWahl;
    QLabel* zeile;
    QCheckBox* nurWeg;
    QStackedWidget* seiten;
    QLabel* meldung;
    KartenAnsicht* bild;
    QGraphicsScene* szene;
    RaetselKarte gezeigteKarte;
    QHash<int, PlanKnotenItem*> schrittItems;
    QString gezeigt;
    /// A result newer than the one drawn is there or coming.
    bool platziert = false;
    bool schonGezeigt = false;
    /// The chart made and laid out off the window's thread; last, so that it goes first.
    Nebenlauf lauf{*this, [this] {
                       if (isVisible())
                           anordnen();
                   }};
};
