#pragma once

#include "SkriptSchritt.h"

#include <QUndoStack>

/// The history of one showing of the script editor. The window makes each edit as it always
/// did and records it afterwards: the lines from `ab` on were `alt` and are now the next
/// `anzahlNeu` lines of the script.
class SkriptVerlauf
{
public:
    /// `zeigen` shows the script after a step was undone or redone; the steps are kept by a
    /// QUndoStack child of `fenster`.
    SkriptVerlauf(Skript& skript, SkriptSchritt::Zeigen zeigen, QObject* fenster);

    /// A fresh history, for a fresh showing.
    void leeren();
    /// Records an edit just made; `vorher` is the line selected before it.
    void aufzeichnen(qint32 ab, Skript alt, qint32 anzahlNeu, int vorher);
    /// Ends the recorded edit with the line it leaves selected.
    void abschliessen(int zeile);
    /// Line `zeile`'s parameter went from `alt` to `neu` in its box: typing, which merges
    /// within one visit, or a trim that the edit being recorded made by selecting the line.
    void getippt(qint32 zeile, const QString& alt, const QString& neu);
    /// The keystrokes after this are a new step.
    void besuchBeenden() { ++besuch; }
    void rueckgaengig();
    void wiederholen();

private:
    SkriptSchritt* schritt(qint32 ab, Skript alt, qint32 anzahlNeu, int vorher);

    Skript& skript;
    SkriptSchritt::Zeigen zeigen;
    QUndoStack* stack;
    /// The step being recorded: a parameter its selection trims goes into it.
    SkriptSchritt* laufend = nullptr;
    /// The visit to a parameter box that typing belongs to: a focus that leaves the box, a
    /// line selected and any other step end it.
    int besuch = 0;
};
