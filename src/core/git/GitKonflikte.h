// What git's index says of a merge that is not finished.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

class GitProgramm;

/// What git's index says of a merge that is not finished: which files of the game folder it
/// holds in conflict, and the three versions of one of them.
namespace GitKonflikte {

/// Whether the folder lies in a git work tree, as far as the disk tells without asking git: a
/// ".git" in it or above it. Saves starting git for a game that is not in one.
bool vielleichtImArbeitsbaum(const QString& ordner);

/// The files below `spielordner` that git's index holds in conflict, relative to it, with "/".
/// Empty outside a work tree and where git is not installed.
QStringList dateien(GitProgramm& git, const QString& spielordner);

/// Of those, the game's rooms and item scripts (right in "rooms" and "items"), with the
/// platform's separators, as the report names files.
QStringList spielDateien(const QStringList& dateien);

/// git's own folder of the work tree `ordner` lies in (absolute), whose index changes with
/// every merge, "git add" and commit; empty outside a work tree.
QString gitOrdner(GitProgramm& git, const QString& ordner);

struct Stufen
{
    /// The common version; empty when both sides added the file.
    QByteArray basis;
    QByteArray unsere;
    QByteArray deren;
};

/// The three versions of `datei` (relative to `spielordner`), as the index holds them while
/// its merge is unfinished; nothing when it is not in conflict, or one side deleted it.
std::optional<Stufen> stufen(GitProgramm& git, const QString& spielordner, const QString& datei);

/// Marks the file resolved: `git add` of it. The German reason when that fails, else empty.
QString alsGeloestMarkieren(GitProgramm& git, const QString& spielordner, const QString& datei);

} // namespace GitKonflikte
