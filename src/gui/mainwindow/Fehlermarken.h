#pragma once

#include <QIcon>

class QListWidget;
class QPushButton;
struct RaumFehler;
struct RaumNie;

/// The marks of a room's script faults and of what can never happen in them: the error mark,
/// else the warning mark, and both as a tooltip on each hotspot's row and on the buttons of
/// the start and the timer script.
class Fehlermarken
{
public:
    Fehlermarken(QListWidget& liste, QPushButton& start, QPushButton& timer);

    /// Marks what `fehler` counts and `nie` finds; rows and buttons whose tooltip is already
    /// right stay.
    void zeigen(const RaumFehler& fehler, const RaumNie& nie);

private:
    const QIcon& zeichen();
    const QIcon& warnzeichen();
    /// The mark for a tooltip of faults and findings.
    QIcon zeichenFuer(bool fehler, bool nie);

    QListWidget& liste;
    QPushButton& start;
    QPushButton& timer;
    /// Looked up when first needed.
    QIcon fehlerzeichen;
    QIcon nieZeichen;
};
