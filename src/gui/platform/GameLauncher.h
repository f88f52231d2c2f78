#pragma once

#include <QString>
#include <QStringList>

/// How the game is started on this platform: "Tarnholm.exe" is a Windows program, so
/// elsewhere it runs through wine.
struct GameCommand
{
    QString program;
    QStringList arguments;
};

namespace GameLauncher {

/// The command for the game `exe` with the room file `room` as its single argument.
/// `nativeWindows` tells whether this is Windows, where the game runs as it is. Elsewhere a
/// Windows program is started through the command `wine`, looked up on the PATH when it
/// starts, so that a missing wine is told as a missing command; any other file (a game
/// built for this system, or none at all) is started as it is.
GameCommand command(const QString& exe, const QString& room, bool nativeWindows);

/// The same for the platform the editor runs on.
GameCommand command(const QString& exe, const QString& room);

} // namespace GameLauncher
