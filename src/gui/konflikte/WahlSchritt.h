#pragma once

#include "git/Konfliktloesung.h"

#include <QUndoCommand>
#include <functional>

/// The part of a choice at a conflict that is not the room: which side was chosen. It belongs
/// to the room's history with the changes the choice made, so that Ctrl+Z takes both back.
class WahlSchritt : public QUndoCommand
{
public:
    /// `setzen` puts a choice at conflict `konflikt` and shows it.
    WahlSchritt(int konflikt, Konfliktloesung::Wahl alt, Konfliktloesung::Wahl neu,
                std::function<void(int, Konfliktloesung::Wahl)> setzen);

    void undo() override;
    void redo() override;

private:
    int konflikt;
    Konfliktloesung::Wahl alt;
    Konfliktloesung::Wahl neu;
    std::function<void(int, Konfliktloesung::Wahl)> setzen;
};
