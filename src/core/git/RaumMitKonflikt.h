// A room file as read from disk, with git's conflict markers where a merge left them.
#pragma once

#include "Zusammenfuehren.h"

#include <QByteArray>
#include <QString>
#include <optional>

class GitProgramm;

/// A room file as read from disk: its bytes (nothing when it could not be read), and what the
/// merge of its three versions makes of it when git holds it in conflict. Only a file that is
/// neither ours nor that merge nor holds git's markers was saved resolved since: then what it
/// holds, without conflicts.
struct RaumMitKonflikt
{
    QString pfad;
    std::optional<QByteArray> bytes;
    std::optional<Zusammenfuehren::Ergebnis> konflikt;

    /// Reads the room file at `pfad` of the game folder `spielordner`, on any thread.
    static RaumMitKonflikt lesen(GitProgramm& git, const QString& spielordner, const QString& pfad);

    /// Whether the bytes hold a line of git's conflict markers, as its text merge leaves them.
    static bool hatKonfliktMarken(const QByteArray& bytes);
};
