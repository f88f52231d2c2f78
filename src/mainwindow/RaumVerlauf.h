#pragma once

#include "model/RaumBearbeitung.h"

#include <QObject>
#include <QUndoStack>
#include <functional>

class Module1;

/// The one way in for changes to the room: every edit the author makes becomes a step of the
/// room's history, which does the edit, can take it back and do it again. The history's clean
/// state is the saved room: the change mark.
class RaumVerlauf : public QObject
{
    Q_OBJECT

public:
    /// What a step did to the room, for the window to show.
    struct Meldung
    {
        enum class Art
        {
            Wert,
            Zellen,
            HotSpotNeu,
            HotSpotWeg
        };
        Art art = Art::Wert;
        RaumBearbeitung::Stelle stelle;
        /// The hotspot the step changed, -1 for the room itself.
        qint32 hotSpot = -1;
        /// The author has just made the change in the window: what the window shows is right
        /// but for what follows from it. Otherwise the step was undone or redone.
        bool durchAutor = false;
        /// Undone or redone: the hotspot to select afterwards, -1 for none.
        qint32 auswahl = -1;
    };

    explicit RaumVerlauf(Module1& raum, QObject* parent = nullptr);

    QUndoStack& stack() { return schritte; }
    /// Runs before every change and before every step back or forth: a stroke still in
    /// progress becomes a step of its own there.
    std::function<void()> vorher;
    /// The hotspot selected in the window, -1 for none; asked when a step is made.
    std::function<qint32()> auswahl;

    /// Puts `wert` at the place. Nothing happens when it is there already. Edits made in one
    /// visit to a text box (the same `besuch`, not -1) become one step.
    void wert(const RaumBearbeitung::Stelle& stelle, const RaumBearbeitung::Wert& wert,
              int besuch = -1);
    /// A stroke has flipped these cells of the hotspot; they are flipped already.
    void zellen(qint32 hotSpot, const QVector<RaumBearbeitung::Zelle>& umgeschaltet);
    /// Appends a new hotspot named after the number of hotspots.
    void neuerHotSpot();
    /// Removes hotspot i.
    void hotSpotLoeschen(qint32 i);

    void rueckgaengig();
    void wiederholen();
    /// A fresh history for a room just loaded, made or restored; `geaendert` marks it
    /// changed all the same, with no step back to a saved state.
    void neuBeginnen(bool geaendert = false);
    /// The room as it is now is saved.
    void gespeichert();
    bool geaendert() const { return !schritte.isClean(); }

    /// Tells the window; the steps call it.
    void melden(const Meldung& m);
    /// Whether a step is being done or taken back: edits reported meanwhile are only the
    /// window showing that step.
    bool wendetAn() const { return anwenden; }

Q_SIGNALS:
    void angewendet(const RaumVerlauf::Meldung& m);

private:
    void push(QUndoCommand* schritt);
    void vorherAusfuehren();

    Module1& m;
    QUndoStack schritte;
    bool anwenden = false;
    bool imVorher = false;
};
