#include "GrosserRaum.h"
#include "roomfile/RoomFile.h"

#include <benchmark/benchmark.h>

namespace {

void laden(benchmark::State& state)
{
    const QByteArray bytes = RoomFile::schreiben(grosserRaum());
    for (auto _ : state) {
        Module1 m;
        benchmark::DoNotOptimize(RoomFile::lesen(bytes, m));
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
    state.counters["file_bytes"] = double(bytes.size());
}

void speichern(benchmark::State& state)
{
    const Module1 m = grosserRaum();
    qsizetype groesse = 0;
    for (auto _ : state) {
        const QByteArray bytes = RoomFile::schreiben(m);
        groesse = bytes.size();
        benchmark::DoNotOptimize(bytes.constData());
    }
    state.SetBytesProcessed(state.iterations() * groesse);
}

} // namespace

BENCHMARK(laden)->Unit(benchmark::kMillisecond);
BENCHMARK(speichern)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
