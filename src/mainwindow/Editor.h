#pragma once

#include "RaumVerlauf.h"

#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

class Desktop;
struct DesktopResult;
class HotSpotPanel;
class Module1;
class Picture1;
class QListWidget;
class QPushButton;
class Wiederherstellung;
struct Skript;

/// The main window: the room commands, the hotspot list and panel, the script buttons.
/// Every change to the room goes through its history (RaumVerlauf): it marks the room
/// changed, keeps the recovery copy and can be undone.
class Editor : public QWidget
{
    Q_OBJECT

public:
    /// `raum` must already know its folders; the window starts with an empty room.
    Editor(Module1& raum, Desktop& desktop, QWidget* parent = nullptr);
    ~Editor() override;

    /// Shows the script editor on AktSkript and returns when it is closed.
    std::function<void()> skriptEditorZeigen;
    /// Opens the item manager.
    std::function<void()> gegenstaendeZeigen;
    /// Opens the game-folder checker.
    std::function<void()> toolZeigen;

    /// The file the room-file dialog remembers and offers next.
    const QString& raumDatei() const { return cd2Datei; }
    RaumVerlauf& verlauf() { return *raumVerlauf; }

    /// Keeps recovery copies of the changed room in `ordner`, outside the game folder.
    /// Without a folder the window keeps none.
    void kopienIn(const QString& ordner);
    /// Offers the copies that editors which are gone left behind, one after the other, until
    /// the author takes one. True when a room was restored.
    bool wiederherstellen();
    /// Loads a room file as "Laden" does after its dialog, asking first when the room in
    /// memory has changes nobody saved.
    void oeffnen(const QString& pfad);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QPushButton* knopf(const QString& name, const QString& text, const QRect& geometry);
    void tastenAnlegen();

    void neu();
    void laden();
    void raumLaden(const QString& pfad);
    bool speichern();
    void testen();
    void explorer();
    void hotSpotGewaehlt(int index);
    void skriptBearbeiten(const RaumBearbeitung::Stelle& stelle);
    void cursorWaehlen();
    void bildLadenBefehl();

    /// Asks whether the changed room is saved first. True when the action may go on: the room
    /// was not changed, was saved, or the author lets the changes go.
    bool aenderungenSichern();
    /// Whether the file's bytes differ from what was last read or written there, and the
    /// author does not want them replaced.
    bool aussenGeaendertBehalten(const QString& pfad);
    /// Shows what a step of the history did.
    void angewendet(const RaumVerlauf::Meldung& meldung);
    void kopieAnstossen();
    void kopieSchreiben();
    /// The room in memory is the file `datei` (empty: none), whose bytes had this hash.
    void raumDateiSetzen(const QString& datei, const QByteArray& hash);

    void listeFuellen();
    void auswaehlen(int index);
    void bildAufbau();
    int auswahl() const;
    QString raumDialog(bool speichern, const QString& titel);
    void meldeFehler(const QString& text);
    /// Tells the author why "Testen" or "Explorer" started nothing, and what helps.
    void meldeSpielNichtGestartet(const DesktopResult& start);
    void meldeOrdnerNichtGeoeffnet(const DesktopResult& geoeffnet);

    Module1& m;
    Desktop& desktop;
    Picture1* picture1;
    QListWidget* list1;
    HotSpotPanel* frame1;
    RaumVerlauf* raumVerlauf;
    /// The room-file dialog's remembered file.
    QString cd2Datei;
    /// The file the room was loaded from or last saved to, and the hash of its bytes then.
    QString raumDateiPfad;
    QByteArray bekannt;
    /// Counts the successful saves: "Testen" sees whether its question saved the room.
    int speicherungen = 0;
    /// Each visit to a text box of the panel is one step of the history.
    int besuch = 0;
    std::unique_ptr<Wiederherstellung> kopie;
    QTimer kopieTakt;
    /// The author let the changes go when closing: no copy is left behind.
    bool verworfen = false;
};
