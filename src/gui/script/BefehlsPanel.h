#pragma once

#include <QGroupBox>

class QLineEdit;
class QPushButton;

/// The input panel Befehl_k of one command: its help caption, labels, parameter box
/// Text1_k and "..." button, laid out as the command table describes them.
class BefehlsPanel : public QGroupBox
{
    Q_OBJECT

public:
    static constexpr int Links = 0;
    static constexpr int Oben = 296;
    static constexpr int Breite = 505;
    static constexpr int Hoehe = 41;

    BefehlsPanel(qint32 code, QWidget* parent);

    QLineEdit* box() const { return text1; }
    /// The "..." button, or null.
    QPushButton* knopf() const { return knopf_; }

private:
    QLineEdit* text1;
    QPushButton* knopf_ = nullptr;
};
