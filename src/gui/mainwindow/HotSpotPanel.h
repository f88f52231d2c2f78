#pragma once

#include <QGroupBox>
#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;
struct HotSpot;

/// The panel Frame1: name, the three actions with their script buttons, cursor file and
/// "Aktiv" of the selected hotspot. It shows values and reports edits; the main window
/// applies them to the room.
class HotSpotPanel : public QGroupBox
{
    Q_OBJECT

public:
    explicit HotSpotPanel(QWidget* parent = nullptr);

    /// Shows the hotspot's values. The change signals fire as they would for a user.
    void fill(const HotSpot& hotSpot);
    /// Puts a chosen cursor file into the cursor box, as if typed.
    void setCursorText(const QString& text);

Q_SIGNALS:
    void nameEdited(const QString& name);
    void cursorEdited(const QString& cursor);
    void aktionClicked(int index, bool checked);
    void aktivClicked(bool checked);
    void scriptRequested(int index);
    void cursorRequested();
    /// The author has come to the name or cursor box: what is typed there from now on is
    /// one step of the room's history.
    void besuchBeginnt();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* text1;
    std::array<QCheckBox*, 3> check1{};
    std::array<QPushButton*, 3> command1{};
    QLineEdit* text2;
    QPushButton* command8;
    QCheckBox* check2;
};
