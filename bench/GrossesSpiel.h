#pragma once

// The large game the benchmarks of the checker, the checking service and the rename share:
// 1,000 rooms of 5 hotspots each, 5,000 pictures, 2,000 sounds and 20 items.

#include "TestSpiel.h"
#include "roomfile/ItemSkript.h"

#include <benchmark/benchmark.h>

#include <QFile>
#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

inline constexpr int raeume = 1000;
inline constexpr int bilder = 5000;
inline constexpr int klaenge = 2000;

inline QString bild(int i)
{
    return QStringLiteral("bild%1.bmp").arg(i, 4, 10, QLatin1Char('0'));
}

inline QString klang(int i)
{
    return QStringLiteral("klang%1.wav").arg(i, 4, 10, QLatin1Char('0'));
}

/// Rooms as authors make them: a background, scripts that show pictures, play sounds and
/// speak, regions of a few hundred cells. Every name is spelled as rooms made on Windows do.
inline Module1 raumModell(int r, bool ueberall = false)
{
    Module1 m;
    m.setHintergrund(QStringLiteral("graphics\\") + bild(r).toUpper());
    m.StartSkript = skriptAus({{0, QStringLiteral("Besucht%1").arg(r)},
                               {2, QStringLiteral("Ein Raum, still und dunkel.")},
                               {9, {}},
                               {1, klang(r % klaenge)},
                               {10, {}}});
    for (int h = 0; h < 5; ++h) {
        HotSpot& spot = m.HotSpots[m.neuerHotSpot(h)];
        spot.Cursor = QStringLiteral("hand.cur");
        const int n = r * 5 + h;
        spot.Skripte[0] =
            skriptAus({{5, bild((n + 1000) % bilder)}, {2, QStringLiteral("Das sieht alt aus.")}});
        spot.Skripte[1] = skriptAus({{1, QStringLiteral(" sounds\\") + klang(n % klaenge)},
                                     {3, QStringLiteral("Benutzt%1").arg(n)},
                                     {4, QStringLiteral("raum%1.lsd").arg((r + 1) % raeume)}});
        spot.Skripte[2] = Skript::interagiereVorgabe();
        for (int x = 10 + h * 10; x < 18 + h * 10; ++x)
            for (int y = 10; y < 30; ++y)
                spot.Feld[x][y] = true;
    }
    m.TimerSkript = skriptAus({{5, bild((r + 2000) % bilder)}});
    if (ueberall) {
        m.TimerSkript.Befehl << 3;
        m.TimerSkript.Parameter << QStringLiteral("Tageslicht");
        m.TimerSkript.MaxZeile = 1;
    }
    return m;
}

struct GrossesSpiel : TestSpiel
{
    QStringList raumDateien;

    /// With `ueberall`, every room also sets the flag "Tageslicht".
    explicit GrossesSpiel(bool ueberall = false)
    {
        for (int i = 0; i < bilder; ++i)
            datei(QStringLiteral("graphics/") + bild(i), "BM");
        for (int i = 0; i < klaenge; ++i)
            datei(QStringLiteral("sounds/") + klang(i), "RIFF");
        for (int r = 0; r < raeume; ++r) {
            raumDateien << pfad(QStringLiteral("rooms/raum%1.lsd").arg(r));
            raum(QStringLiteral("raum%1.lsd").arg(r), raumModell(r, ueberall));
        }
        for (int i = 0; i < 20; ++i) {
            datei(QStringLiteral("items/ding%1.bmp").arg(i), "BM");
            datei(QStringLiteral("items/ding%10.skp").arg(i),
                  ItemSkript::schreiben(skriptAus({{5, bild(4000 + i)}})));
        }
    }
};

/// Drops the files from the page cache, so that they are read from the disk itself.
inline void ausDemCacheNehmen(const QStringList& pfade)
{
#ifdef Q_OS_UNIX
    for (const QString& pfad : pfade) {
        QFile f(pfad);
        if (!f.open(QIODevice::ReadOnly))
            continue;
        // Pages not yet written back would stay.
        ::fdatasync(f.handle());
        ::posix_fadvise(f.handle(), 0, 0, POSIX_FADV_DONTNEED);
    }
#else
    Q_UNUSED(pfade);
#endif
}

/// Runs `vorher` untimed before each run, when given.
inline void vorbereiten(benchmark::State& state, void (*vorher)())
{
    if (!vorher)
        return;
    state.PauseTiming();
    vorher();
    state.ResumeTiming();
}
