#include "Startvorlauf.h"

#include "canvas/Picture1.h"
#include "model/Module1.h"
#include "roomfile/RoomFile.h"

#include <QtConcurrent>

Startvorlauf::Startvorlauf(const QString& spielordner, GitProgramm& git, const QString& raumDatei)
{
    arbeit = QtConcurrent::run([spielordner, &git, raumDatei] {
        Ergebnis e;
        e.umbenennung =
            Umbenenner(spielordner, Umbenenner::journalOrdner(spielordner)).aufraeumen();
        if (raumDatei.isEmpty())
            return e;
        e.raum = RaumMitKonflikt::lesen(git, spielordner, raumDatei);
        if (!e.raum->bytes)
            return e;
        // The picture as the room in the window will name it.
        Module1 raum;
        raum.setzeOrdner(spielordner);
        RoomFile::lesen(e.raum->konflikt ? e.raum->konflikt->bytes : *e.raum->bytes, raum);
        if (const QString bild = Picture1::bildDatei(raum); !bild.isEmpty())
            e.bild = Picture2::dekodieren(bild);
        return e;
    });
}

Startvorlauf::~Startvorlauf()
{
    arbeit.waitForFinished();
}

const Startvorlauf::Ergebnis& Startvorlauf::ergebnis()
{
    if (!fertig)
        fertig = arbeit.result();
    return *fertig;
}
