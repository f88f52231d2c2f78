#include "Schriftvorlauf.h"

#include <QFontDatabase>
#include <QStringList>

#ifdef TARNHOLM_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

Schriftvorlauf::Schriftvorlauf()
{
#ifdef TARNHOLM_FONTCONFIG
    // Qt's own call to FcInit() then finds it done.
    einrichtung = std::async(std::launch::async, [] { FcInit(); });
#endif
}

std::future<void> Schriftvorlauf::datenbank()
{
    // Every function of QFontDatabase may be called from any thread.
    return std::async(std::launch::async, [] { QFontDatabase::families(); });
}
