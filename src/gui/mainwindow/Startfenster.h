#pragma once

#include <QDialog>

/// The window an editor shows first when it finds no game folder: open a game, make a new
/// one, or try the example game; "Abbrechen" ends the editor.
class Startfenster : public QDialog
{
    Q_OBJECT

public:
    enum class Wahl
    {
        Abbrechen,
        Oeffnen,
        Neu,
        Beispiel
    };

    explicit Startfenster(QWidget* parent = nullptr);

    /// What the author chose; Abbrechen also when the window was closed.
    Wahl wahl() const { return gewaehlt; }

private:
    Wahl gewaehlt = Wahl::Abbrechen;
};
