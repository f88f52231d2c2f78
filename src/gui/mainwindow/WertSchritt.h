#pragma once

#include "model/RaumBearbeitung.h"

#include <QUndoCommand>

class Module1;
class RaumVerlauf;

/// A step that replaces one value of the room: a name, a cursor, a flag, a script, the
/// picture. The typing of one visit to a text box merges into one step.
class WertSchritt : public QUndoCommand
{
public:
    WertSchritt(Module1& raum, RaumVerlauf& verlauf, const RaumBearbeitung::Stelle& stelle,
                RaumBearbeitung::Wert neu, int besuch);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    void setzen(const RaumBearbeitung::Wert& wert, bool zurueck);

    Module1& m;
    RaumVerlauf& verlauf;
    RaumBearbeitung::Stelle stelle;
    RaumBearbeitung::Wert alt;
    RaumBearbeitung::Wert neu;
    int besuch;
    bool erstesMal = true;
};
