#pragma once

#include <QObject>
#include <memory>

class Desktop;
class Editor;
class Hauptmenue;
class Module1;
class Picture1;
class ZuletztGeoeffnet;

/// The main window's menu bar filled with its commands, each doing what its button or key
/// does, questions included; the rooms last opened, the keys window and the about box.
class EditorMenue : public QObject
{
    Q_OBJECT

public:
    EditorMenue(Editor& editor, Module1& raum, Desktop& desktop, Picture1& bild);
    ~EditorMenue() override;

    Hauptmenue& leiste() { return *hauptmenue; }
    /// Keeps the rooms of "Zuletzt geöffnet" and the game folders of "Zuletzt geöffnete
    /// Spiele" in this INI file, this game folder the newest; without one, in memory only.
    /// The rooms kept in memory until then go into the file, newest first.
    void zuletztIn(const QString& datei);

private:
    void zuletztOeffnen(const QString& pfad);
    void spielordnerOeffnen();
    void spielOeffnen(const QString& ordner);
    /// "Neues Spiel" or "Beispielspiel": the game made goes on in an editor of its own, as
    /// another game opened does.
    void spielAnlegen(bool beispiel);
    void tastenZeigen();
    void ueberZeigen();

    Editor& editor;
    Module1& m;
    Desktop& desktop;
    Hauptmenue* hauptmenue;
    std::unique_ptr<ZuletztGeoeffnet> zuletzt;
};
