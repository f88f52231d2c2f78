#pragma once

#include <QWidget>
#include <functional>
#include <memory>

class KartenSeite;
class Module1;
class Pruefdienst;
class QLabel;
class QLineEdit;
class QListView;
class QSortFilterProxyModel;
class QTabWidget;
class RaumBildModell;
class Vorschauen;
struct KartenKnoten;

/// "Räume": every room of the game at a glance, beside the main window and not modal. The tab
/// "Bilder" shows each room as a thumbnail with its file name, hotspots and faults, or why it
/// cannot be read, narrowed by a filter; the tab "Karte" shows the rooms placed as Graphviz
/// lays out the map of the game. In both, the room open in the editor is marked and a double
/// click or Return opens a room. What it shows is what the checking service knows, so it
/// follows every save at once.
class Raeume : public QWidget
{
    Q_OBJECT

public:
    /// `ordner` holds the paths of the game folder.
    Raeume(Pruefdienst& dienst, const Module1& ordner, QWidget* parent = nullptr);
    ~Raeume() override;

    /// Opens the room file at this full path in the editor, asking first about a changed
    /// room there.
    std::function<void(const QString& pfad)> oeffnen;

    /// Shows the window, beside its parent the first time, and brings it to the front.
    void zeigen();
    /// The room file (a full path) open in the editor; empty while the room has no file.
    void offenerRaum(const QString& pfad);

    Vorschauen& vorschauen() { return *bilder; }
    KartenSeite& karte() { return *kartenSeite; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void auffrischen();
    void karteSetzen();
    void bildGewaehlt(const QModelIndex& index);
    void knotenGewaehlt(const KartenKnoten& knoten);
    void zeileSetzen();

    Pruefdienst& dienst;
    std::unique_ptr<Module1> pfade;
    Vorschauen* bilder;
    RaumBildModell* modell;
    QSortFilterProxyModel* filter;
    QLineEdit* filterFeld;
    QListView* liste;
    KartenSeite* kartenSeite;
    QTabWidget* reiter;
    QLabel* zeile;
    /// The open room as the game names its files.
    QString offen;
    bool veraltet = true;
    bool karteVeraltet = true;
    bool platziert = false;
};
