#pragma once

#include "RaumVerlauf.h"
#include "canvas/Picture2.h"
#include "check/SkriptPruefer.h"
#include "raetsel/RaumNie.h"
#include "regeln/RaumFehler.h"
#include "spiel/SpielDatei.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class BildLaden;
class Desktop;
class EditorMenue;
class Hauptmenue;
class HotSpotPanel;
class Module1;
class Fehlermarken;
class Nachladen;
class Picture1;
class QListWidget;
class QPushButton;
class RaumBefehle;
class Statuszeile;

/// The main window: below its menu bar, the 748 x 484 area with the hotspot list and panel,
/// the canvas, the script buttons and, through RaumBefehle, the room commands; below that, its
/// status line. Every change to
/// the room goes through its history (RaumVerlauf): it marks the room changed, keeps the
/// recovery copy and can be undone.
class Editor : public QMainWindow
{
    Q_OBJECT

public:
    /// `raum` must already know its folders; the window starts with an empty room.
    Editor(Module1& raum, Desktop& desktop, QWidget* parent = nullptr);
    ~Editor() override;

    /// Shows the script editor on AktSkript, which comes from there, with a line selected
    /// (-1: none), and returns when it is closed.
    std::function<void(const SkriptPruefer::Herkunft&, qint32 zeile)> skriptEditorZeigen;
    /// Opens the item manager.
    std::function<void()> gegenstaendeZeigen;
    /// Opens the game-folder checker.
    std::function<void()> toolZeigen;
    /// Edits an item script file as the item manager does, with a line selected.
    std::function<void(const QString& pfad, qint32 zeile)> itemSkriptOeffnen;

    /// Goes to a script line of the game: its room is opened (the save question first when
    /// another room is open and changed), its hotspot selected, and the script editor shown on
    /// that line; an item script opens as the item manager opens it. Without a line (-1), the
    /// room is opened and the hotspot, if one is named, selected.
    void stelleOeffnen(const SkriptStelle& stelle);
    /// Opens the window "Spiel prüfen".
    std::function<void()> spielPruefenZeigen;
    std::function<void()> uebersetzungenZeigen;
    /// Opens "Räume", "Verwendungen" and "Umbenennen".
    std::function<void()> raeumeZeigen;
    std::function<void()> raetselplanZeigen;
    std::function<void()> verwendungenZeigen;
    std::function<void()> umbenennenZeigen;
    /// Takes the last rename back; what it would take back, null for nothing.
    std::function<void()> umbenennenRueckgaengig;
    std::function<QString()> letzteUmbenennung;
    /// Runs once a script the script editor closed on is back in the room.
    std::function<void()> nachDemSkript;

    RaumVerlauf& verlauf() { return *raumVerlauf; }
    /// "Neu", "Laden", "Speichern", "Testen", the room file, the recovery copies.
    RaumBefehle& befehle() { return *raumBefehle; }
    Hauptmenue& menue();
    /// The line below the area: what happened around the room, and what may be done about it.
    Statuszeile& statuszeile() { return *zeile; }
    /// The open room following its file on disk.
    Nachladen& nachladen() { return *nachlader; }
    /// Marks what can never happen in play in the room's scripts, beside their faults.
    void nieZeigen(RaumNie nie);
    /// Holds a picture decoded before, for the room that names it.
    void bildVorgeben(Picture2::Dekodiert bild);
    /// Keeps the rooms of "Zuletzt geöffnet" and the game folders of "Zuletzt geöffnete
    /// Spiele" in this INI file, this game folder the newest; without one, in memory only.
    /// The rooms kept in memory until then go into the file, newest first.
    void zuletztIn(const QString& datei);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QPushButton* knopf(const QString& name, const QString& text, const QRect& geometry);

    void hotSpotGewaehlt(int index);
    void skriptBearbeiten(const RaumBearbeitung::Stelle& stelle, qint32 zeile = -1);
    void cursorWaehlen();

    /// Shows what a step of the history did.
    void angewendet(const RaumVerlauf::Meldung& meldung);
    void listeNachfuehren(const RaumVerlauf::Meldung& meldung);

    void listeFuellen();
    /// Marks the hotspots, and the start and timer script buttons, whose scripts have
    /// faults or hold what can never happen.
    void fehlerZeigen();
    void auswaehlen(int index);
    void bildAufbau();
    int auswahl() const;

    Module1& m;
    Desktop& desktop;
    /// The 748 × 484 client area with every control, below the menu bar.
    QWidget* flaeche;
    Picture1* picture1;
    QListWidget* list1;
    HotSpotPanel* frame1;
    RaumVerlauf* raumVerlauf;
    std::unique_ptr<RaumBefehle> raumBefehle;
    std::unique_ptr<BildLaden> bildLaden;
    EditorMenue* menueLeiste;
    Statuszeile* zeile;
    Nachladen* nachlader;
    /// The faults of the room's scripts, as the list and the buttons show them.
    RaumFehler fehler;
    /// What can never happen in them; none while the room differs from the file analysed.
    RaumNie nie;
    /// Their marks on the list and the buttons.
    std::unique_ptr<Fehlermarken> marken;
    /// Each visit to a text box of the panel is one step of the history.
    int besuch = 0;
};
