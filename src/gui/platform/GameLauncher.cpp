#include "GameLauncher.h"

#include <QDir>
#include <QFile>

namespace GameLauncher {
namespace {

bool isWindowsProgram(const QString& exe)
{
    QFile datei(exe);
    return datei.open(QIODevice::ReadOnly) && datei.read(2) == "MZ";
}

} // namespace

GameCommand command(const QString& exe, const QString& room, bool nativeWindows)
{
    if (nativeWindows)
        return {exe, {QDir::toNativeSeparators(room)}};
    if (isWindowsProgram(exe)) {
        // Wine maps the root of the file system to drive Z:.
        QString windowsPfad = room;
        if (windowsPfad.startsWith(QLatin1Char('/')))
            windowsPfad.prepend(QStringLiteral("Z:"));
        windowsPfad.replace(QLatin1Char('/'), QLatin1Char('\\'));
        return {QStringLiteral("wine"), {exe, windowsPfad}};
    }
    return {exe, {room}};
}

GameCommand command(const QString& exe, const QString& room)
{
#ifdef Q_OS_WIN
    return command(exe, room, true);
#else
    return command(exe, room, false);
#endif
}

} // namespace GameLauncher
