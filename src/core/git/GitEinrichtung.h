// Sets a game folder in a git work tree up for the text form and the merge of rooms.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class GitProgramm;

/// Sets a game folder in a git work tree up for the text form and the merge of rooms: the
/// attributes beside the rooms, the drivers in the repository's own config, and on request a
/// hook that checks the game before every commit.
namespace GitEinrichtung {

struct Ergebnis
{
    /// 0 done, 2 when it could not be done.
    int status = 0;
    /// What was set, a line each, for the terminal.
    QStringList gesetzt;
    /// Why it could not be done, in German.
    QString fehler;
};

/// `programm`: the absolute path of tarnholm-git, `pruefer` that of tarnholm-check; with
/// `pruefen` the pre-commit hook is installed too, unless one is there already.
Ergebnis einrichten(const QString& spielordner, const QString& programm, const QString& pruefer,
                    bool pruefen, GitProgramm& git);

/// The lines .gitattributes needs.
QStringList attributZeilen();
/// `alt` with every line of attributZeilen() it does not hold yet added at its end, in the
/// line ends it uses; unchanged when it holds them all.
QByteArray attributeErgaenzen(const QByteArray& alt);

/// A word for the shell that git runs drivers with: in single quotes.
QString shellWort(const QString& wort);

/// The pre-commit hook: runs the checker on the game folder and refuses when it finds faults.
QByteArray hook(const QString& pruefer, const QString& spielordner);

} // namespace GitEinrichtung
