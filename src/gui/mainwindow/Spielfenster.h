#pragma once

#include "spiel/SpielDatei.h"

#include <QObject>
#include <QString>

class Desktop;
class Editor;
class Gegen;
class Konflikte;
class Module1;
class Pruefdienst;
class Raeume;
class RaetselplanFenster;
class SkriptEditor;
class SpielPruefen;
class Tool;
class Uebersetzungen;
class Umbenennen;
class Verwendungen;

/// The windows beside the main window, each made on first use and kept, and how they reach
/// the main window and each other: the script editor, the item manager, the checker, "Spiel
/// prüfen", "Räume", "Rätselplan", "Verwendungen" and "Umbenennen". What one of them opens goes
/// through the main window's room commands, the question before changes are lost included.
class Spielfenster : public QObject
{
    Q_OBJECT

public:
    Spielfenster(Module1& raum, Desktop& desktop, Editor& editor, Pruefdienst& dienst);

    SkriptEditor& skriptEditor();
    Gegen& gegen();
    SpielPruefen& spielPruefen();
    Raeume& raeume();
    RaetselplanFenster& raetselplan();
    Verwendungen& verwendungen();
    Umbenennen& umbenennen();
    Uebersetzungen& uebersetzungen();
    Konflikte& konflikte();

private:
    /// A place of the game opened in the main window; the script editor, when it is open,
    /// closes first and gives its script back.
    void oeffnen(const SkriptStelle& stelle);
    /// Runs `tun` now, or once the script editor has closed and given its script back.
    void nachDemSkriptEditor(const std::function<void()>& tun);

    void gotoFolgen(const QString& parameter);
    void verwendungenDerZeile(qint32 befehl, const QString& parameter);
    void umbenennenDerZeile(qint32 befehl, const QString& parameter);
    /// The open room after a rename: shown again as it is on disk, under its new name.
    void nachDemUmbenennen(const QStringList& dateien, const QHash<QString, QString>& umbenannt);
    /// The open room's file, relative to the game folder as the service names it; empty for a
    /// room that has none in the game.
    QString offenerRaum() const;

    Module1& m;
    Desktop& desktop;
    Editor& editor;
    Pruefdienst& dienst;
    SkriptEditor* skriptFenster = nullptr;
    Gegen* gegenFenster = nullptr;
    Tool* tool = nullptr;
    SpielPruefen* pruefenFenster = nullptr;
    Raeume* raeumeFenster = nullptr;
    RaetselplanFenster* raetselplanFenster = nullptr;
    Verwendungen* verwendungenFenster = nullptr;
    Umbenennen* umbenennenFenster = nullptr;
    Uebersetzungen* uebersetzungenFenster = nullptr;
    Konflikte* konflikteFenster = nullptr;
};
