#include "RaumVerlauf.h"

#include "HotSpotSchritt.h"
#include "WertSchritt.h"
#include "ZellenSchritt.h"
#include "roomfile/RoomFile.h"

RaumVerlauf::RaumVerlauf(Module1& raum, QObject* parent)
    : QObject(parent), m(raum), gespeicherterRaum(raum)
{
    // No limit: an author may take back a whole afternoon of strokes.
    schritte.setUndoLimit(0);
}

void RaumVerlauf::markePruefen()
{
    // At the saved step the room is the saved room; elsewhere it may be that again.
    const bool jetzt = !schritte.isClean() &&
                       (!gespeicherterRaum || !RoomFile::gleicherInhalt(m, *gespeicherterRaum));
    markiert = jetzt;
    Q_EMIT markeGesetzt(jetzt);
}

void RaumVerlauf::offenesAbschliessen()
{
    if (imVorher || !vorher)
        return;
    imVorher = true;
    vorher();
    imVorher = false;
}

void RaumVerlauf::push(QUndoCommand* schritt)
{
    anwenden = true;
    schritte.push(schritt);
    anwenden = false;
    markePruefen();
}

void RaumVerlauf::melden(const Meldung& meldung)
{
    Q_EMIT angewendet(meldung);
}

void RaumVerlauf::wert(const RaumBearbeitung::Stelle& stelle, const RaumBearbeitung::Wert& wert,
                       int besuch)
{
    if (anwenden)
        return;
    offenesAbschliessen();
    if (!RaumBearbeitung::gibt(m, stelle) || RaumBearbeitung::lesen(m, stelle) == wert)
        return;
    push(new WertSchritt(m, *this, stelle, wert, besuch));
}

void RaumVerlauf::zellen(qint32 hotSpot, const QVector<RaumBearbeitung::Zelle>& umgeschaltet,
                         int knoepfe)
{
    if (umgeschaltet.isEmpty() || hotSpot < 0 || hotSpot > m.HotSpotMax)
        return;
    offenesAbschliessen();
    push(new ZellenSchritt(m, *this, hotSpot, umgeschaltet, knoepfe));
}

void RaumVerlauf::neuerHotSpot()
{
    if (anwenden)
        return;
    offenesAbschliessen();
    const qint32 index = m.HotSpotMax + 1;
    push(new HotSpotSchritt(m, *this, true, index,
                            HotSpot::neu(QStringLiteral("Noname") + QString::number(index)),
                            auswahl ? auswahl() : -1));
}

void RaumVerlauf::hotSpotLoeschen(qint32 i)
{
    if (anwenden)
        return;
    offenesAbschliessen();
    if (i < 0 || i > m.HotSpotMax)
        return;
    push(new HotSpotSchritt(m, *this, false, i, m.HotSpots[i], i));
}

void RaumVerlauf::hotSpotEinfuegen(qint32 index, const HotSpot& spot)
{
    if (anwenden)
        return;
    offenesAbschliessen();
    if (index < 0 || index > m.HotSpotMax + 1)
        return;
    push(new HotSpotSchritt(m, *this, true, index, spot, auswahl ? auswahl() : -1));
}

void RaumVerlauf::gruppe(const QString& name, const std::function<void()>& inhalt)
{
    if (anwenden)
        return;
    offenesAbschliessen();
    schritte.beginMacro(name);
    inhalt();
    schritte.endMacro();
    markePruefen();
}

void RaumVerlauf::rueckgaengig()
{
    gehen(true);
}

void RaumVerlauf::wiederholen()
{
    gehen(false);
}

void RaumVerlauf::gehen(bool zurueck)
{
    if (anwenden)
        return;
    offenesAbschliessen();
    anwenden = true;
    zurueck ? schritte.undo() : schritte.redo();
    anwenden = false;
    markePruefen();
}

void RaumVerlauf::neuBeginnen(bool geaendert)
{
    schritte.clear();
    if (geaendert) {
        schritte.resetClean();
        gespeicherterRaum.reset();
    } else {
        gespeicherterRaum = m;
    }
    markePruefen();
}

void RaumVerlauf::gespeichert()
{
    schritte.setClean();
    gespeicherterRaum = m;
    markePruefen();
}

void RaumVerlauf::ungespeichert()
{
    gespeicherterRaum.reset();
    schritte.resetClean();
    markePruefen();
}
