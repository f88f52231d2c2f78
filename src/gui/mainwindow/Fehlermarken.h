#pragma once

#include <QIcon>

class QListWidget;
class QPushButton;
class RaumFehler;

/// The marks of a room's script faults: the error mark and the faults as a tooltip on each
/// hotspot's row and on the buttons of the start and the timer script.
class Fehlermarken
{
public:
    Fehlermarken(QListWidget& liste, QPushButton& start, QPushButton& timer);

    /// Marks what `fehler` counts; rows and buttons whose tooltip is already right stay.
    void zeigen(const RaumFehler& fehler);

private:
    const QIcon& zeichen();

    QListWidget& liste;
    QPushButton& start;
    QPushButton& timer;
    /// Looked up when first needed.
    QIcon fehlerzeichen;
};
