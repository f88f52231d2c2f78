// The window "Übersetzungen": the game's languages, the template written, translated games built.
#pragma once

#include "texte/Spielbau.h"

#include <QDialog>
#include <atomic>
#include <memory>

class Desktop;
class Pruefdienst;
class QFutureWatcherBase;
class QLabel;
class QPushButton;
class QTreeWidget;

/// The languages in the game folder's "uebersetzungen" (one PO file each) with how much of the
/// game they translate, following the game as the checking service knows it. "Vorlage
/// schreiben" writes spiel.pot and brings every language up to date with gettext's msgmerge;
/// "Spiel bauen…" builds the selected language's game into a new folder, or lists what it
/// refuses: the PO file's line, the text, the reason. Both run off the window's thread, one at a
/// time; a build still running when the window goes is stopped and leaves nothing behind.
class Uebersetzungen : public QDialog
{
    Q_OBJECT

public:
    Uebersetzungen(Pruefdienst& dienst, Desktop& desktop, QWidget* parent = nullptr);
    ~Uebersetzungen() override;

    /// Shows the window, or brings it to the front, with the counts of now.
    void zeigen();
    /// The folder of the translations in the game folder.
    QString ordner() const;

private:
    void neuBerechnen();
    void vorlageSchreiben();
    void bauen();
    /// The buttons while `arbeit` runs, and the line saying what it does.
    void laeuft(const QString& was);
    void fertig();
    /// What a build came to: the count sentence, the refusals, or what failed.
    void gebaut(const Spielbau::Ergebnis& e, const QString& datei, const QString& ziel);

    Pruefdienst& dienst;
    Desktop& desktop;
    QLabel* hinweis;
    QTreeWidget* sprachen;
    QPushButton* vorlageKnopf;
    QPushButton* bauenKnopf;
    QLabel* stand;
    QLabel* ablehnungenTitel;
    QTreeWidget* ablehnungen;
    QFutureWatcherBase* arbeit = nullptr;
    std::shared_ptr<std::atomic<bool>> abbrechen;
};
