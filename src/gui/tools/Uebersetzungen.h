// The window "Übersetzungen": the game's languages, the template written, translated games built.
#pragma once

#include <QDialog>

class Desktop;
class Pruefdienst;
class QLabel;
class QPushButton;
class QTreeWidget;

/// The languages in the game folder's "uebersetzungen" (one PO file each) with how much of the
/// game they translate, following the game as the checking service knows it. "Vorlage
/// schreiben" writes spiel.pot and brings every language up to date with gettext's msgmerge;
/// "Spiel bauen…" builds the selected language's game into a new folder, or lists what it
/// refuses: the PO file's line, the text, the reason.
class Uebersetzungen : public QDialog
{
    Q_OBJECT

public:
    Uebersetzungen(Pruefdienst& dienst, Desktop& desktop, QWidget* parent = nullptr);

    /// Shows the window, or brings it to the front, with the counts of now.
    void zeigen();
    /// The folder of the translations in the game folder.
    QString ordner() const;

private:
    void neuBerechnen();
    void vorlageSchreiben();
    void bauen();

    Pruefdienst& dienst;
    Desktop& desktop;
    QLabel* hinweis;
    QTreeWidget* sprachen;
    QPushButton* vorlageKnopf;
    QPushButton* bauenKnopf;
    QLabel* ablehnungenTitel;
    QTreeWidget* ablehnungen;
};
