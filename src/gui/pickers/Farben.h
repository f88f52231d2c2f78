#pragma once

#include <QColor>
#include <QDialog>
#include <array>

class QLabel;

/// The legend of the sixteen text colours of "Print": each code character in its colour.
class Farben : public QDialog
{
    Q_OBJECT

public:
    /// The palette: code i selects entry i.
    static const std::array<QColor, 16>& palette();

    explicit Farben(QWidget* parent = nullptr);

    /// Prints the sixteen lines afresh.
    void laden();

private:
    QLabel* picture1;
};
