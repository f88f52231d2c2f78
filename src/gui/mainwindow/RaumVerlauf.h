#pragma once

#include "model/Module1.h"
#include "model/RaumBearbeitung.h"

#include <QObject>
#include <QUndoStack>
#include <functional>
#include <optional>

/// The one way in for changes to the room: every edit the author makes becomes a step of the
/// room's history, which does the edit, can take it back and do it again. The room is changed
/// while it would write another file than the one last saved (or loaded): undoing back to
/// the saved state clears the mark, and so does typing a name back to what it was.
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
    /// A stroke has flipped these cells of the hotspot; they are flipped already. `knoepfe`
    /// are the mouse buttons it was drawn with, which name the step.
    void zellen(qint32 hotSpot, const QVector<RaumBearbeitung::Zelle>& umgeschaltet,
                int knoepfe = 0);
    /// Appends a new hotspot named after the number of hotspots.
    void neuerHotSpot();
    /// Removes hotspot i.
    void hotSpotLoeschen(qint32 i);
    /// Puts a whole hotspot into the room at `index`.
    void hotSpotEinfuegen(qint32 index, const HotSpot& spot);
    /// The changes `inhalt` makes, each through the history, become one step named `name`.
    void gruppe(const QString& name, const std::function<void()>& inhalt);
    /// A step of the window's own that belongs to the history (the history takes it over).
    void schritt(QUndoCommand* schritt) { push(schritt); }

    /// Runs `vorher` now: the room is about to be replaced or written.
    void offenesAbschliessen();

    void rueckgaengig();
    void wiederholen();
    /// A fresh history for a room just loaded, made or restored; `geaendert` marks it
    /// changed all the same, with no step back to a saved state.
    void neuBeginnen(bool geaendert = false);
    /// The room as it is now is saved.
    void gespeichert();
    /// The saved room is gone: whatever the room is now, it is changed. The steps stay.
    void ungespeichert();
    bool geaendert() const { return markiert; }

    /// Tells the window; the steps call it.
    void melden(const Meldung& m);

Q_SIGNALS:
    void angewendet(const RaumVerlauf::Meldung& m);
    /// After every step, save and new beginning: whether the room is changed now.
    void markeGesetzt(bool geaendert);

private:
    void push(QUndoCommand* schritt);
    /// One step back or forth.
    void gehen(bool zurueck);
    void markePruefen();

    Module1& m;
    QUndoStack schritte;
    /// The room as last saved or loaded; none after a restore, which saved nothing.
    std::optional<Module1> gespeicherterRaum;
    bool markiert = false;
    bool anwenden = false;
    bool imVorher = false;
};
