#pragma once

#include "check/Karte.h"
#include "platform/Nebenlauf.h"
#include "raeume/KartenLayout.h"
#include "spiel/Spielpruefung.h"

#include <QHash>
#include <QStackedWidget>
#include <memory>

class KartenAnsicht;
class KnotenItem;
class QGraphicsScene;
class QLabel;
class Vorschauen;

/// The "Karte" tab: the map of the game as Graphviz's `dot` lays out the graph that
/// `tarnholm-check --karte` writes, drawn here with the rooms as thumbnails. The graph is made
/// and `dot` runs off the window's thread, `dot` only when the graph changed; meanwhile, and
/// when it cannot run, the tab says why in German.
class KartenSeite : public QStackedWidget
{
    Q_OBJECT

public:
    /// How large dot makes every node: a thumbnail and its file name with a margin.
    static QSizeF knotenGroesse();

    explicit KartenSeite(Vorschauen& vorschauen, QWidget* parent = nullptr);
    /// Stops dot, if it still runs.
    ~KartenSeite() override;

    /// The game now: its graph is laid out anew if it changed, once the tab is seen.
    void setzen(const Spielpruefung& spiel);
    /// Says `text` instead of the map, as long as there is no game to show.
    void melden(const QString& text);
    /// The file (as the game names it) open in the editor; empty for none.
    void offenerRaum(const QString& datei);

    KartenAnsicht* ansicht() const { return karte; }
    /// The map drawn, by file.
    const QHash<QString, KnotenItem*>& knoten() const { return knotenItems; }
    /// The map shown is that of the game last given.
    bool fertig() const;

Q_SIGNALS:
    /// Double click or Return on a node.
    void aktiviert(const KartenKnoten& knoten);
    /// The map was laid out and drawn anew, or the tab says why not.
    void angeordnet();

protected:
    void showEvent(QShowEvent* event) override;

private:
    /// A graph sent to dot, and what came back.
    struct Auftrag
    {
        QString dot;
        /// The graph is the one shown: dot was not asked.
        bool wieGezeigt = false;
        QVector<KartenKnoten> knoten;
        QVector<KartenKante> kanten;
        KartenLayout::Ergebnis ergebnis;
        bool abgebrochen = false;
    };

    void anordnen();
    void angekommen(const Auftrag& auftrag);
    void aufbauen(const Auftrag& auftrag);
    /// The first map: all of it when it is not too small to read, else the open room or the
    /// first one at a readable size.
    void ersterBlick();

    Vorschauen& vorschauen;
    QLabel* meldung;
    KartenAnsicht* karte;
    QGraphicsScene* szene;
    QHash<QString, KnotenItem*> knotenItems;
    QHash<QString, std::shared_ptr<const SpielDatei>> raeume;
    QString offen;

    /// The first room of the graph shown.
    QString ersterKnoten;
    /// The game last given: a copy shares its files, so it is made in no time and is read on
    /// another thread while the service goes on.
    Spielpruefung stand;
    /// The graph whose layout is shown.
    QString gezeigt;
    bool schonGezeigt = false;
    bool gescheitert = false;
    /// The graph made and laid out off the window's thread; last, so that it goes first.
    Nebenlauf lauf{*this, [this] {
                       if (isVisible())
                           anordnen();
                   }};
};
