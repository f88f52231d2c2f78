// The rooms window on the 1,000-room game, every room on a picture of its own: opening it with
// the first screen of thumbnails, cold and from the cache, and the longest the window's event
// loop waits meanwhile; the map laid out by dot and drawn, and one frame of panning and
// zooming it. The puzzle chart of a game of 300 steps, from opening its window to the first
// picture.

#include "FensterBenchmark.h"
#include "GrossesSpiel.h"
#include "raetsel/Raetseldienst.h"
#include "raetsel/RaetselplanFenster.h"
#include "raeume/KartenAnsicht.h"
#include "raeume/KartenSeite.h"
#include "raeume/Raeume.h"
#include "raeume/Vorschauen.h"
#include "spiel/Pruefdienst.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QListView>
#include <QPainter>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>
#include <QtConcurrent>
#include <ctime>

namespace {

GrossesSpiel* spiel = nullptr;
Pruefdienst* dienst = nullptr;

/// A 640 x 480 JPEG of its own for every room. The rooms name ".bmp" files: a picture is
/// read by its content.
void hintergruendeMalen()
{
    QVector<int> nummern(raeume);
    std::iota(nummern.begin(), nummern.end(), 0);
    QtConcurrent::blockingMap(nummern, [](int r) {
        QImage gemalt(640, 480, QImage::Format_RGB32);
        gemalt.fill(QColor::fromHsv(r * 7 % 360, 120, 200));
        QPainter maler(&gemalt);
        for (int i = 0; i < 12; ++i)
            maler.fillRect((r * 37 + i * 53) % 600, (r * 11 + i * 41) % 440, 40 + i * 7, 30 + i * 5,
                           QColor::fromHsv((r * 13 + i * 29) % 360, 200, 150));
        maler.end();
        QByteArray bytes;
        QBuffer puffer(&bytes);
        puffer.open(QIODevice::WriteOnly);
        gemalt.save(&puffer, "JPG", 85);
        spiel->datei(QStringLiteral("graphics/") + bild(r), bytes);
    });
}

/// Drops the pictures from the page cache, so that they are read from the disk itself.
void bilderVergessen()
{
    QStringList pfade;
    for (int r = 0; r < raeume; ++r)
        pfade << spiel->pfad(QStringLiteral("graphics/") + bild(r));
    ausDemCacheNehmen(pfade);
}

/// The longest the window's event loop could not react: between two ticks of a 1 ms timer,
/// by the clock, and the time the window's thread itself worked meanwhile. On a machine that
/// is busy with other work the first can be longer than what the window did.
struct Stau
{
    double wand = 0;
    double arbeit = 0;

    void mit(const Stau& o)
    {
        wand = std::max(wand, o.wand);
        arbeit = std::max(arbeit, o.arbeit);
    }
    void zaehlen(benchmark::State& state) const
    {
        state.counters["longest_stall_ms"] = wand;
        state.counters["longest_busy_ms"] = arbeit;
    }
};

qint64 threadZeit()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

/// Runs the window's event loop until `fertig` holds. With LUECKEN set, every wait over 4 ms
/// is printed with when it began.
Stau laufenBis(const std::function<bool()>& fertig)
{
    QElapsedTimer uhr;
    uhr.start();
    qint64 letzte = 0;
    qint64 letzteArbeit = threadZeit();
    Stau stau;
    QEventLoop schleife;
    QTimer takt;
    takt.setTimerType(Qt::PreciseTimer);
    takt.setInterval(1);
    QObject::connect(&takt, &QTimer::timeout, [&] {
        const qint64 jetzt = uhr.nsecsElapsed();
        const qint64 arbeit = threadZeit();
        stau.mit({double(jetzt - letzte) / 1e6, double(arbeit - letzteArbeit) / 1e6});
        if (jetzt - letzte > 4000000 && qEnvironmentVariableIsSet("LUECKEN"))
            fprintf(stderr, "gap %.1f ms (%.1f ms working) at %.1f ms\n", (jetzt - letzte) / 1e6,
                    (arbeit - letzteArbeit) / 1e6, letzte / 1e6);
        letzte = jetzt;
        letzteArbeit = arbeit;
        if (fertig() || uhr.elapsed() > 120000)
            schleife.quit();
    });
    takt.start();
    schleife.exec();
    return stau;
}

/// Every room in sight has its thumbnail, and none is still being made.
bool ersterSchirm(Raeume& fenster)
{
    auto* liste = fenster.findChild<QListView*>(QStringLiteral("Bilder"));
    const QRect sicht = liste->viewport()->rect();
    int gezeigt = 0;
    for (int i = 0; i < liste->model()->rowCount(); ++i) {
        const QModelIndex index = liste->model()->index(i, 0);
        if (!liste->visualRect(index).intersects(sicht))
            continue;
        if (!index.data(Qt::DecorationRole).isValid())
            return false;
        ++gezeigt;
    }
    return gezeigt > 0 && fenster.vorschauen().offen() == 0;
}

// The window made anew, so nothing is known of its thumbnails; the pictures in the page cache,
// or read from the disk.
void oeffnenKalt(benchmark::State& state, bool vonDerPlatte)
{
    Stau stau;
    int schirm = 0;
    for (auto _ : state) {
        if (vonDerPlatte) {
            state.PauseTiming();
            bilderVergessen();
            state.ResumeTiming();
        }
        Raeume fenster(*dienst, spiel->m);
        fenster.zeigen();
        stau.mit(laufenBis([&] { return ersterSchirm(fenster); }));
        state.PauseTiming();
        auto* liste = fenster.findChild<QListView*>(QStringLiteral("Bilder"));
        schirm = 0;
        for (int i = 0; i < liste->model()->rowCount(); ++i)
            schirm += liste->visualRect(liste->model()->index(i, 0))
                          .intersects(liste->viewport()->rect());
        state.ResumeTiming();
    }
    stau.zaehlen(state);
    state.counters["thumbnails"] = schirm;
}

// Closed and shown again: the thumbnails are there at once, and each is compared with its
// picture file off the window's thread.
void oeffnenAusDemCache(benchmark::State& state)
{
    Raeume fenster(*dienst, spiel->m);
    fenster.zeigen();
    laufenBis([&] { return ersterSchirm(fenster); });
    Stau stau;
    for (auto _ : state) {
        state.PauseTiming();
        fenster.hide();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        fenster.zeigen();
        stau.mit(laufenBis([&] { return ersterSchirm(fenster); }));
    }
    stau.zaehlen(state);
}

// The tab "Karte" opened on a window made anew: dot lays out 1,000 rooms, the map is drawn.
void karteZeigen(benchmark::State& state)
{
    Stau stau;
    for (auto _ : state) {
        Raeume fenster(*dienst, spiel->m);
        fenster.findChild<QTabWidget*>(QStringLiteral("Reiter"))->setCurrentIndex(1);
        fenster.zeigen();
        stau.mit(laufenBis([&] { return fenster.karte().fertig(); }));
        fenster.karte().ansicht()->viewport()->repaint();
    }
    stau.zaehlen(state);
}

// A room saved while the window is open, on either tab (0 "Bilder", 1 "Karte"), and without
// it (-1): the service reads the room anew and the window follows. The map's graph stays the
// same, so dot is not asked again.
void speichern(benchmark::State& state)
{
    std::optional<Raeume> fenster;
    if (state.range(0) >= 0) {
        fenster.emplace(*dienst, spiel->m);
        fenster->findChild<QTabWidget*>(QStringLiteral("Reiter"))
            ->setCurrentIndex(int(state.range(0)));
        fenster->zeigen();
        laufenBis([&] {
            return state.range(0) == 0 ? ersterSchirm(*fenster) : fenster->karte().fertig();
        });
    }
    const QString raum = spiel->raumDateien.at(raeume / 2);
    for (auto _ : state)
        dienst->dateiGeaendert(raum);
}

struct KarteOffen
{
    Raeume fenster{*dienst, spiel->m};
    KartenAnsicht* ansicht = nullptr;

    explicit KarteOffen(double zoom)
    {
        fenster.findChild<QTabWidget*>(QStringLiteral("Reiter"))->setCurrentIndex(1);
        fenster.zeigen();
        laufenBis([&] { return fenster.karte().fertig(); });
        ansicht = fenster.karte().ansicht();
        ansicht->zoomen((zoom > 0 ? zoom : ansicht->ganzSichtbar()) / ansicht->zoom());
        ansicht->viewport()->repaint();
    }
};

// One frame of a drag across the map: 40 pixels further, repainted, thumbnails that arrived
// meanwhile taken in.
void karteVerschieben(benchmark::State& state)
{
    KarteOffen karte(double(state.range(0)) / 100);
    QScrollBar* leiste = karte.ansicht->horizontalScrollBar();
    int schritt = 40;
    for (auto _ : state) {
        if (leiste->value() + schritt > leiste->maximum() || leiste->value() + schritt < 0)
            schritt = -schritt;
        leiste->setValue(leiste->value() + schritt);
        karte.ansicht->viewport()->repaint();
        QCoreApplication::processEvents();
    }
}

// One step of Ctrl+wheel, in and out in turn, repainted.
void karteZoomen(benchmark::State& state)
{
    KarteOffen karte(double(state.range(0)) / 100);
    bool hinein = true;
    for (auto _ : state) {
        karte.ansicht->zoomen(hinein ? 1.25 : 0.8);
        hinein = !hinein;
        karte.ansicht->viewport()->repaint();
        QCoreApplication::processEvents();
    }
}

/// 50 rooms of the large game's kind, each hotspot's "Tue" leading on to the next room: every
/// hotspot action and start script a step of the chart, 300 in all.
struct PlanSpiel : TestSpiel
{
    static constexpr int planRaeume = 50;

    PlanSpiel()
    {
        for (int r = 0; r < planRaeume; ++r) {
            Module1 modell = raumModell(r);
            for (int h = 0; h < 5; ++h)
                modell.HotSpots[h].Skripte[1].Parameter[2] =
                    QStringLiteral("raum%1.lsd").arg((r + 1) % planRaeume);
            raum(QStringLiteral("raum%1.lsd").arg(r), modell);
        }
        datei(QStringLiteral("raetselplan.txt"), "start: raum0.lsd\nziel: flag:Benutzt249\n");
    }
};

// The window "Rätselplan" made anew while the service and its analysis know the game: dot lays
// out the chart, it is drawn.
void raetselplanZeigen(benchmark::State& state)
{
    PlanSpiel plan;
    Pruefdienst planDienst(plan.m);
    planDienst.lesen();
    Raetseldienst& analyse = Raetseldienst::von(planDienst);
    laufenBis([&] { return planDienst.bereit() && analyse.aktuell(); });
    Stau stau;
    qsizetype schritte = 0;
    for (auto _ : state) {
        StillerDesktop desktop;
        RaetselplanFenster fenster(planDienst, desktop);
        fenster.zeigen();
        stau.mit(laufenBis([&] { return fenster.fertig(); }));
        fenster.ansicht()->viewport()->repaint();
        schritte = fenster.schritte().size();
    }
    stau.zaehlen(state);
    state.counters["steps_drawn"] = double(schritte);
}

} // namespace

BENCHMARK_CAPTURE(oeffnenKalt, ausDemSeitenCache, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(oeffnenKalt, vonDerPlatte, true)->Unit(benchmark::kMillisecond);
BENCHMARK(oeffnenAusDemCache)->Unit(benchmark::kMillisecond);
BENCHMARK(speichern)->Arg(-1)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(karteZeigen)->Unit(benchmark::kMillisecond)->Iterations(3);
// Zoom in percent: 100 shows thumbnails and labels, 30 thumbnails only, 5 boxes, 0 the whole
// map, every node and edge at once.
BENCHMARK(karteVerschieben)->Arg(100)->Arg(30)->Arg(5)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(karteZoomen)->Arg(100)->Arg(30)->Arg(5)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(raetselplanZeigen)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv)
{
    FensterBenchmark umgebung(argc, argv);
    GrossesSpiel grosses;
    spiel = &grosses;
    hintergruendeMalen();
    Pruefdienst leser(grosses.m);
    dienst = &leser;
    leser.lesen();
    laufenBis([] { return dienst->bereit(); });
    return umgebung.laufen(argc, argv);
}
