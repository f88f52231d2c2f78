#pragma once

#include "model/HotSpot.h"

#include <QUndoCommand>

class Module1;
class RaumVerlauf;

/// "Neuer HotSpot" and "HotSpot löschen": a whole hotspot, with its cells, flags and
/// scripts, comes into the room at its place or leaves it.
class HotSpotSchritt : public QUndoCommand
{
public:
    /// `neu`: the step adds `spot` at `index`; otherwise it removes the hotspot at `index`,
    /// which is `spot`. `auswahlVorher` is what the list showed selected before.
    HotSpotSchritt(Module1& raum, RaumVerlauf& verlauf, bool neu, qint32 index, HotSpot spot,
                   qint32 auswahlVorher);

    void undo() override;
    void redo() override;

private:
    void einfuegen(bool durchAutor);
    void entfernen(bool durchAutor);

    Module1& m;
    RaumVerlauf& verlauf;
    bool neu;
    qint32 index;
    HotSpot spot;
    qint32 auswahlVorher;
    bool erstesMal = true;
};
