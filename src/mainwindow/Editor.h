#pragma once

#include <QWidget>
#include <functional>

class Desktop;
struct DesktopResult;
class HotSpotPanel;
class Module1;
class Picture1;
class QListWidget;
class QPushButton;
struct Skript;

/// The main window: the room commands, the hotspot list and panel, the script buttons.
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

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QPushButton* knopf(const QString& name, const QString& text, const QRect& geometry);

    void neu();
    void laden();
    void speichern();
    void testen();
    void explorer();
    void neuerHotSpot();
    void hotSpotLoeschen();
    void hotSpotGewaehlt(int index);
    void skriptBearbeiten(const std::function<Skript&()>& ziel);
    void cursorWaehlen();
    void bildLadenBefehl();

    void listeFuellen();
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
    /// The room-file dialog's remembered file.
    QString cd2Datei;
};
