#pragma once

#include "model/RaumBearbeitung.h"

#include <QUndoCommand>

class Module1;
class RaumVerlauf;

/// A stroke or a rectangle of the mouse: the cells of one hotspot that it flipped. It keeps
/// only those cells, so a long history of strokes stays small.
class ZellenSchritt : public QUndoCommand
{
public:
    /// The cells are flipped already when the step is made. `knoepfe`, the buttons of the
    /// stroke, name it: "Strich" for the left, "Rechteck" for the right, else "Zellen".
    ZellenSchritt(Module1& raum, RaumVerlauf& verlauf, qint32 hotSpot,
                  QVector<RaumBearbeitung::Zelle> zellen, int knoepfe = 0);

    void undo() override;
    void redo() override;

private:
    void umschalten(bool zurueck);

    Module1& m;
    RaumVerlauf& verlauf;
    qint32 hotSpot;
    QVector<RaumBearbeitung::Zelle> zellen;
    bool erstesMal = true;
};
