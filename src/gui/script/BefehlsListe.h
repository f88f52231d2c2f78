#pragma once

#include <QListWidget>
#include <functional>

/// The script editor's command list. Enter on a selected row inserts, as a double click does.
class BefehlsListe : public QListWidget
{
public:
    BefehlsListe(std::function<void()> einfuegen, QWidget* parent);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::function<void()> einfuegen;
};
