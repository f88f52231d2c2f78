#include "GrosserRaum.h"
#include "git/Textform.h"
#include "git/Zusammenfuehren.h"
#include "roomfile/RoomFile.h"
#include "roomfile/TextFile.h"

#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// The 50-hotspot room as `git diff` asks for it, in the process.
void text(benchmark::State& state)
{
    const QByteArray bytes = RoomFile::schreiben(grosserRaum());
    for (auto _ : state)
        benchmark::DoNotOptimize(Textform::text(Textform::Art::Raum, bytes));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

// The same as git runs it: tarnholm-git started on the file, start-up included.
void textMitStart(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString datei = dir.filePath("raum.lsd");
    TextFile::write(datei, RoomFile::schreiben(grosserRaum()));
    for (auto _ : state) {
        QProcess p;
        p.start(TARNHOLM_GIT, {"text", datei});
        p.waitForFinished();
        benchmark::DoNotOptimize(p.readAllStandardOutput());
    }
}

// Two authors changed different hotspots of the room: cells, a script line and the cursor
// on one side, a name, cells and a line of the start script on the other.
void zusammenfuehren(benchmark::State& state)
{
    const Module1 basis = grosserRaum();
    Module1 unsere = basis;
    Module1 deren = basis;
    for (int h = 0; h < 50; h += 2) {
        unsere.HotSpots[h].Feld[h][40] = true;
        unsere.HotSpots[h].Skripte[1].Parameter[5] = "Geändert";
        unsere.HotSpots[h].Cursor = "auge.cur";
        deren.HotSpots[h + 1].Feld[h][41] = true;
        deren.HotSpots[h + 1].Name = "Umbenannt";
    }
    deren.StartSkript.Parameter[3] = "Neu";
    const QByteArray b = RoomFile::schreiben(basis);
    const QByteArray o = RoomFile::schreiben(unsere);
    const QByteArray t = RoomFile::schreiben(deren);
    for (auto _ : state) {
        const Zusammenfuehren::Ergebnis e = Zusammenfuehren::dateien(Textform::Art::Raum, b, o, t);
        if (!e.sauber())
            state.SkipWithError("conflict");
        benchmark::DoNotOptimize(e.bytes);
    }
}

} // namespace

BENCHMARK(text)->Unit(benchmark::kMillisecond);
BENCHMARK(textMitStart)->Unit(benchmark::kMillisecond);
BENCHMARK(zusammenfuehren)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
