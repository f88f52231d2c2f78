#pragma once

#include "model/Skript.h"

#include <QUndoCommand>
#include <QVector>
#include <functional>

/// One step of the script editor's history, recorded once the window has made its edit: the
/// run of lines from `ab` on as it was and as it became. Undo and redo put one run in place
/// of the other through the core edit, then let the window show the script.
class SkriptSchritt : public QUndoCommand
{
public:
    /// Shows the script after undo or redo: rebuilt when lines came, went or changed their
    /// command, else only the `anzahl` rows from `ab` on anew; then line `zeile` selected
    /// (-1: none).
    using Zeigen = std::function<void(bool aufbauen, qint32 ab, qint32 anzahl, int zeile)>;

    /// `vorher` is the line selected before the edit; undo selects it again.
    SkriptSchritt(Skript& skript, Zeigen zeigen, qint32 ab, Skript alt, Skript neu, int vorher);

    /// Makes this the typing of one visit to a parameter box: the next keystrokes of the same
    /// visit into the same line merge into it.
    void getippt(int besuch);
    /// A parameter that the edit's own selection changed afterwards (it trims what it shows).
    void nachtragen(qint32 zeile, const QString& alt, const QString& neu);
    /// The line selected after the edit; redo selects it again.
    void nachher(int zeile) { auswahlNachher = zeile; }

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    struct Nachtrag
    {
        qint32 zeile;
        QString alt;
        QString neu;
    };

    Skript& skript;
    Zeigen zeigen;
    qint32 ab;
    Skript alt;
    Skript neu;
    bool aufbauen;
    int auswahlVorher;
    int auswahlNachher;
    QVector<Nachtrag> nachtraege;
    /// The visit the typing belongs to; -1 for every other step.
    int besuch = -1;
    /// Pushing a step redoes it; its edit is made already.
    bool erledigt = true;
};
