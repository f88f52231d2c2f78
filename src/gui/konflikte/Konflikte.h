#pragma once

#include "git/Konfliktloesung.h"

#include <QDialog>
#include <functional>
#include <memory>

class Desktop;
class Module1;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class RaumVerlauf;

/// The window "Konflikte": the conflicts of a room that git could not merge alone, each with
/// both versions side by side. "Unsere", "Deren" and, for script lines, "Beide" choose, each
/// choice one step of the room's history; once all are decided, "Als gelöst markieren" saves
/// the room into its file and tells git it is resolved.
class Konflikte : public QDialog
{
    Q_OBJECT

public:
    Konflikte(Module1& raum, RaumVerlauf& verlauf, Desktop& desktop, QWidget* parent = nullptr);
    ~Konflikte() override;

    /// Shows the conflicts of the room just opened from `datei` (the game folder's `spielordner`)
    /// and brings the window to the front.
    /// `zusammengefuehrt`: the editor shows the merge, which the file does not hold yet.
    void zeigen(const QString& spielordner, const QString& datei, QVector<Konflikt> konflikte,
                bool zusammengefuehrt = false);
    /// The room is another one now: there is nothing to choose any more.
    void vergessen();
    /// vergessen(), and the window goes.
    void schliessen();
    /// The file whose conflicts the window shows, empty for none.
    const QString& datei() const { return raumDatei; }
    const Konfliktloesung& loesung() const { return *stand; }

    /// Saves the room into its file; true when written.
    std::function<bool()> speichern;

Q_SIGNALS:
    /// The room was saved and git marked it resolved (or could not: the author was told).
    void geloest(const QString& datei);

private:
    void waehlen(Konfliktloesung::Wahl wahl);
    /// Shows a choice, made or taken back, and the conflict it was made at.
    void gewaehlt(int konflikt, Konfliktloesung::Wahl wahl);
    void auswahlZeigen();
    void alsGeloestMarkieren();
    void zaehlen();
    int aktuell() const;

    Module1& m;
    RaumVerlauf& verlauf;
    Desktop& desktop;
    std::unique_ptr<Konfliktloesung> stand;
    QString ordner;
    QString raumDatei;
    bool nichtGespeichert = false;
    QLabel* zusammenfassung;
    QTreeWidget* liste;
    QPlainTextEdit* unsere;
    QPlainTextEdit* deren;
    QPushButton* unsereKnopf;
    QPushButton* derenKnopf;
    QPushButton* beideKnopf;
    QPushButton* geloestKnopf;
    bool platziert = false;
};
