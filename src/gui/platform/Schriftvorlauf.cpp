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
    einrichtung = std::async(std::launch::async, [] { FcInit(); }).share();
#endif
}

std::future<void> Schriftvorlauf::datenbank() const
{
    // Every function of QFontDatabase may be called from any thread. Qt's own FcInit() must
    // not race ours: two set-ups at once leave one of them behind, unfreed.
    return std::async(std::launch::async, [einrichtung = einrichtung] {
        if (einrichtung.valid())
            einrichtung.wait();
        QFontDatabase::families();
    });
}
