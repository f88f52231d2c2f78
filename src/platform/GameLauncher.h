#pragma once

#include <QString>
#include <QStringList>

/// How the game is started on this platform: "Tarnholm.exe" is a Windows program, so
/// elsewhere it runs through wine when wine is there.
struct GameCommand
{
    QString program;
    QStringList arguments;
};

namespace GameLauncher {

/// The command for the game `exe` with the room file `room` as its single argument.
/// `wine` is the path of wine, or empty where there is none; `nativeWindows` tells
/// whether this is Windows, where the game runs as it is.
GameCommand command(const QString& exe, const QString& room, bool nativeWindows,
                    const QString& wine);

/// The same for the platform the editor runs on.
GameCommand command(const QString& exe, const QString& room);

} // namespace GameLauncher
