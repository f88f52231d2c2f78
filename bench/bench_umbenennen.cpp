// Speed of finding and renaming on the 1,000-room game whose rooms all set the flag
// "Tageslicht": the index beside "cat" of the same files, from the page cache and from the disk;
// a query of each kind; the index after one room was saved; the preview and the rename of the
// flag in every room, fsyncs included, and its undo; the preview of that rename in its window
// while the new name is typed, and the longest stall of the window's event loop meanwhile.

#include "FensterBenchmark.h"
#include "GrossesSpiel.h"
#include "namen/Verwendungssuche.h"
#include "spiel/Pruefdienst.h"
#include "spiel/SpielLeser.h"
#include "tools/Umbenennen.h"
#include "umbenennen/Umbenenner.h"
#include "umbenennen/Umbenennung.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <benchmark/benchmark.h>

namespace {

GrossesSpiel* spiel = nullptr;

/// Every room and item script out of the page cache, so that it is read from the disk itself.
void vergessen()
{
    QStringList pfade;
    for (const char* ordner : {"rooms", "items"}) {
        const QDir d(spiel->pfad(QLatin1String(ordner)));
        for (const QString& name : d.entryList(QDir::Files))
            pfade << d.filePath(name);
    }
    ausDemCacheNehmen(pfade);
}

// What the author's shell does: `cat rooms/*.lsd items/*.skp > /dev/null`.
void katze(benchmark::State& state, void (*vorher)())
{
    for (auto _ : state) {
        vorbereiten(state, vorher);
        QProcess p;
        p.setWorkingDirectory(spiel->dir.path());
        p.start(QStringLiteral("sh"),
                {QStringLiteral("-c"), QStringLiteral("cat rooms/*.lsd items/*.skp > /dev/null")});
        if (!p.waitForFinished(60000) || p.exitCode() != 0)
            state.SkipWithError("cat failed");
    }
}

// The index of uses: the checking service's reading of the whole game.
void index(benchmark::State& state, void (*vorher)())
{
    for (auto _ : state) {
        vorbereiten(state, vorher);
        Spielpruefung gelesen = SpielLeser::spielLesen(spiel->m);
        benchmark::DoNotOptimize(gelesen);
        // Letting the index go is not part of making it.
        state.PauseTiming();
        gelesen = Spielpruefung();
        state.ResumeTiming();
    }
}

void abfrage(benchmark::State& state, NamensArt art, const char* name, const char* datei)
{
    const Spielpruefung gelesen = SpielLeser::spielLesen(spiel->m);
    qsizetype n = 0;
    for (auto _ : state) {
        n = Verwendungssuche::suchen(gelesen,
                                     {art, QString::fromUtf8(name),
                                      QDir::toNativeSeparators(QString::fromUtf8(datei)), -1})
                .size();
        benchmark::DoNotOptimize(n);
    }
    state.counters["stellen"] = double(n);
}

// After a room was saved: read anew alone and taken into the index, then asked.
void nachSpeichern(benchmark::State& state)
{
    Spielpruefung gelesen = SpielLeser::spielLesen(spiel->m);
    const QString datei = QDir::toNativeSeparators(QStringLiteral("rooms/raum500.lsd"));
    for (auto _ : state) {
        gelesen.setzen(SpielLeser::lesen(spiel->m, datei));
        benchmark::DoNotOptimize(Verwendungssuche::suchen(
            gelesen, {NamensArt::Flag, QStringLiteral("Tageslicht"), {}, -1}));
    }
}

Umbenennung::Plan planen(const Spielpruefung& gelesen, const QString& von, const QString& nach)
{
    return Umbenennung::planen(gelesen, Umbenennung::Spielzugriff::aufPlatte(spiel->dir.path()),
                               {NamensArt::Flag, von, nach, {}});
}

void vorschau(benchmark::State& state)
{
    const Spielpruefung gelesen = SpielLeser::spielLesen(spiel->m);
    for (auto _ : state) {
        const Umbenennung::Plan plan =
            planen(gelesen, QStringLiteral("Tageslicht"), QStringLiteral("Abendrot"));
        if (plan.dateien.size() != raeume)
            state.SkipWithError("not every room");
    }
}

// The flag in every room, preview and journal and every fsync included; back and forth.
void umbenennen(benchmark::State& state)
{
    QTemporaryDir journale;
    Umbenenner u(spiel->dir.path(), journale.path());
    Spielpruefung gelesen = SpielLeser::spielLesen(spiel->m);
    QString von = QStringLiteral("Tageslicht"), nach = QStringLiteral("Abendrot");
    for (auto _ : state) {
        if (u.ausfuehren(planen(gelesen, von, nach)).art != Umbenenner::Ergebnis::Art::Erledigt)
            state.SkipWithError("not renamed");
        state.PauseTiming();
        gelesen = SpielLeser::spielLesen(spiel->m);
        std::swap(von, nach);
        state.ResumeTiming();
    }
}

void rueckgaengig(benchmark::State& state)
{
    QTemporaryDir journale;
    Umbenenner u(spiel->dir.path(), journale.path());
    for (auto _ : state) {
        state.PauseTiming();
        const Umbenenner::Ergebnis e =
            u.ausfuehren(planen(SpielLeser::spielLesen(spiel->m), QStringLiteral("Tageslicht"),
                                QStringLiteral("Abendrot")));
        state.ResumeTiming();
        if (e.art != Umbenenner::Ergebnis::Art::Erledigt ||
            u.rueckgaengig().art != Umbenenner::Ergebnis::Art::Erledigt)
            state.SkipWithError("not taken back");
    }
}

// "Umbenennen" on the flag of every room: the new name typed a key every 50 ms, until the
// preview lists every room.
void vorschauBeimTippen(benchmark::State& state)
{
    Pruefdienst dienst(spiel->m);
    dienst.lesen();
    if (!warten(&dienst, &Pruefdienst::bereitGeworden))
        state.SkipWithError("the game was not read");
    StillerDesktop desktop;
    Umbenennen fenster(dienst, desktop);
    fenster.zeigen(NamensArt::Flag, QStringLiteral("Tageslicht"));
    auto* neu = fenster.findChild<QLineEdit*>(QStringLiteral("Neu"));
    auto* vorschau = fenster.findChild<QTreeWidget*>(QStringLiteral("Vorschau"));
    Stillstand stillstand;
    int runde = 0;
    for (auto _ : state) {
        const QString name = QStringLiteral("Abend%1").arg(++runde);
        stillstand.anfangen();
        neu->clear();
        for (int i = 1; i <= name.size(); ++i) {
            neu->setText(name.left(i));
            QEventLoop schleife;
            QTimer::singleShot(50, &schleife, &QEventLoop::quit);
            schleife.exec();
        }
        QEventLoop schleife;
        QTimer pruefen;
        QObject::connect(&pruefen, &QTimer::timeout, [&] {
            if (vorschau->topLevelItemCount() == raeume)
                schleife.quit();
        });
        pruefen.start(1);
        QTimer::singleShot(60000, &schleife, &QEventLoop::quit);
        schleife.exec();
        stillstand.aufhoeren();
        if (vorschau->topLevelItemCount() != raeume)
            state.SkipWithError("no preview");
    }
    state.counters["laengsteLuecke_ms"] = stillstand.laengste;
}

} // namespace

BENCHMARK(vorschauBeimTippen)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(katze, ausDemCache, nullptr)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(index, ausDemCache, nullptr)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(katze, vonDerPlatte, vergessen)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(index, vonDerPlatte, vergessen)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(abfrage, flagUeberall, NamensArt::Flag, "Tageslicht", "")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(abfrage, flagEinmal, NamensArt::Flag, "Besucht500", "")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(abfrage, raum, NamensArt::Raum, "RAUM500.LSD", "")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(abfrage, bild, NamensArt::Bild, "bild0500.bmp", "")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(abfrage, ton, NamensArt::Ton, "klang0500.wav", "")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(abfrage, hotSpot, NamensArt::HotSpot, "Noname0", "rooms/raum500.lsd")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(abfrage, text, NamensArt::Text, "still und", "")->Unit(benchmark::kMillisecond);
// Every hotspot's "Sieh an!" says it: 5,000 places.
BENCHMARK_CAPTURE(abfrage, textUeberall, NamensArt::Text, "alt", "")->Unit(benchmark::kMillisecond);
BENCHMARK(nachSpeichern)->Unit(benchmark::kMillisecond);
BENCHMARK(vorschau)->Unit(benchmark::kMillisecond);
BENCHMARK(umbenennen)->Unit(benchmark::kMillisecond)->Iterations(6);
BENCHMARK(rueckgaengig)->Unit(benchmark::kMillisecond)->Iterations(4);

int main(int argc, char** argv)
{
    FensterBenchmark umgebung(argc, argv);
    GrossesSpiel grosses(true);
    spiel = &grosses;
    return umgebung.laufen(argc, argv);
}
