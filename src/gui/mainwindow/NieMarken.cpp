// The hotspot list's marks of what can never happen in play, while the room is as saved.
#include "NieMarken.h"

#include "Editor.h"
#include "RaumBefehle.h"
#include "RaumVerlauf.h"
#include "raetsel/Raetseldienst.h"
#include "raetsel/RaumNie.h"
#include "roomfile/RoomFile.h"
#include "spiel/Pruefdienst.h"

NieMarken::NieMarken(const Module1& raum, Editor& editor, Pruefdienst& dienst, QObject* parent)
    : QObject(parent), m(raum), editor(editor), dienst(dienst)
{
    connect(&Raetseldienst::von(dienst), &Raetseldienst::geaendert, this, &NieMarken::nachfuehren);
    connect(&editor.verlauf(), &RaumVerlauf::markeGesetzt, this, &NieMarken::nachfuehren);
    connect(&editor.befehle(), &RaumBefehle::offeneDateiGeaendert, this, &NieMarken::nachfuehren);
    nachfuehren();
}

void NieMarken::nachfuehren()
{
    const Raetseldienst& raetsel = Raetseldienst::von(dienst);
    const std::shared_ptr<const Erreichbarkeit> ablauf = raetsel.ergebnis();
    const QString datei = dienst.relativ(editor.befehle().geoeffneteDatei());
    std::shared_ptr<const SpielDatei> gelesen;
    if (ablauf && !datei.isEmpty() && !editor.verlauf().geaendert())
        gelesen = raetsel.ergebnisSpiel()->datei(datei);
    // Unchanged since loaded or saved is not enough: the analysis may be of the file before
    // the save, or of bytes another program wrote since.
    if (gelesen && gelesen->ausBytes(RoomFile::schreiben(m)))
        editor.nieZeigen(RaumNie::von(*ablauf, *gelesen));
    else
        editor.nieZeigen({});
}
