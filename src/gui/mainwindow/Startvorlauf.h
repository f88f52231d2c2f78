#pragma once

#include "RaumBefehle.h"
#include "canvas/Picture2.h"
#include "umbenennen/Umbenenner.h"

#include <QFuture>
#include <QString>
#include <optional>

class GitProgramm;

/// What the start reads from disk for its first frame, on another thread while the window is
/// made: first a rename the editor was killed in is put back, so that nothing reads the game
/// half renamed; then the room given on the command line is read, with git's merge of it when
/// git holds it in conflict, and its picture is decoded.
class Startvorlauf
{
public:
    struct Ergebnis
    {
        Umbenenner::Ergebnis umbenennung;
        /// The room given, read; nothing without one.
        std::optional<RaumBefehle::Gelesen> raum;
        /// Its picture; nothing when it names none or it cannot be loaded.
        std::optional<Picture2::Dekodiert> bild;
    };

    /// Begins at once. `raumDatei`: the room file to read, or empty.
    Startvorlauf(const QString& spielordner, GitProgramm& git, const QString& raumDatei);
    /// Waits for the thread.
    ~Startvorlauf();

    /// What was read; waits for it.
    const Ergebnis& ergebnis();

private:
    QFuture<Ergebnis> arbeit;
    std::optional<Ergebnis> fertig;
};
