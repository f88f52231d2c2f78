// A room file as read from disk, with git's conflict markers where a merge left them.
#pragma once

#include "Zusammenfuehren.h"

#include <QByteArray>
#include <QString>
#include <optional>

class GitProgramm;

/// A room file as read from disk: its bytes (nothing when it could not be read), and what the
/// merge of its three versions makes of it when git holds it in conflict (what the file holds,
/// without conflicts, when it was saved resolved since).
struct RaumMitKonflikt
{
    QString pfad;
    std::optional<QByteArray> bytes;
    std::optional<Zusammenfuehren::Ergebnis> konflikt;

    /// Reads the room file at `pfad` of the game folder `spielordner`, on any thread.
    static RaumMitKonflikt lesen(GitProgramm& git, const QString& spielordner, const QString& pfad);
};
