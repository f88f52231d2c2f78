#pragma once

#include "check/SkriptPruefer.h"

#include <QDialog>
#include <QMessageBox>
#include <functional>

class Desktop;
class Module1;
class QListWidget;

/// The item manager: the item pictures of the items folder and, for the selected one, its
/// three scripts, each kept in a file of its own beside the picture.
class Gegen : public QDialog
{
    Q_OBJECT

public:
    Gegen(Module1& raum, Desktop& desktop, QWidget* parent = nullptr);

    /// Shows the script editor on AktSkript, which comes from there, with a line selected
    /// (-1: none), and returns when it is closed.
    std::function<void(const SkriptPruefer::Herkunft&, qint32 zeile)> skriptEditorZeigen;
    /// Runs once the script the script editor closed on is written.
    std::function<void()> nachDemSkript;

    /// Reads the items folder anew and selects the first item.
    void laden();
    /// Edits the item script file `pfad` of action `aktion` in the script editor, line `zeile`
    /// selected, and writes it when the script editor closes, as the buttons do.
    void skriptBearbeiten(QString pfad, int aktion, qint32 zeile = -1);
    /// Loads the window and shows it modally.
    void zeigen();

Q_SIGNALS:
    /// An item script was written to this file.
    void skriptGeschrieben(const QString& pfad);

private:
    void bearbeiten(int aktion);
    /// A warning; with a default button, a question answered Yes or No.
    QMessageBox::StandardButton warnen(const QString& text,
                                       QMessageBox::StandardButton vorgabe = QMessageBox::NoButton);

    Module1& m;
    Desktop& desktop;
    QListWidget* file1;
};
