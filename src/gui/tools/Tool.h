#pragma once

#include <QDialog>

class Desktop;
class Module1;
class QListWidget;
class QPushButton;

/// The game-folder checker: "Start" selects every picture and sound that no room and no item
/// script names and offers to delete rooms that cannot be read; "kill" deletes the selection.
/// Deleted files go to the desktop's trash.
class Tool : public QDialog
{
    Q_OBJECT

public:
    Tool(Module1& raum, Desktop& desktop, QWidget* parent = nullptr);

    /// Reads the three folders anew; nothing is selected.
    void laden();
    /// Loads the window and shows it modally.
    void zeigen();

    // The scan lets events through; closing the window must wait until it is done.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void start();
    void kill();
    void fehlerhafterRaum(const QString& pfad);
    /// Moves the selected files of `liste` to the trash; names those deleted for good and those
    /// that stayed.
    void loeschen(QListWidget* liste, const QString& ordner, QStringList& endgueltig,
                  QStringList& geblieben);

    Module1& m;
    Desktop& desktop;
    QListWidget* file1;
    QListWidget* file2;
    QListWidget* file3;
    QPushButton* command1;
    QPushButton* command2;
    bool laeuft = false;
};
