#include "roomfile/RoomFile.h"

#include <benchmark/benchmark.h>

namespace {

// 50 hotspots, 2,000 script lines in all (about 0.6 MB of file text), parameters as rooms
// hold them: file names, spoken texts with umlauts, numbers as text.
Module1 grosserRaum()
{
    static const char* const texte[] = {"Das Tor ist verschlossen, der Schlüssel fehlt.",
                                        "tuer_knarrt.wav",
                                        "Raum12.rom",
                                        "Hm... vielleicht später.",
                                        "Ein „alter“ Brief, 1894 datiert: 50 €.",
                                        "0",
                                        "12,40"};
    Module1 m;
    m.setHintergrund(QStringLiteral("Burghof_Abend.bmp"));
    int zeilen = 0;
    const auto fuellen = [&](Skript& s, int anzahl) {
        s.zeilenAnlegen(anzahl);
        for (int i = 0; i < anzahl; ++i, ++zeilen) {
            s.Befehl[i] = (zeilen * 7) % 40;
            s.Parameter[i] = QString::fromUtf8(texte[zeilen % 7]);
        }
    };
    fuellen(m.StartSkript, 25);
    fuellen(m.TimerSkript, 25);
    for (int h = 0; h < 50; ++h) {
        HotSpot& spot = m.HotSpots[m.neuerHotSpot(h)];
        spot.Cursor = QStringLiteral("hand.cur");
        for (Skript& s : spot.Skripte)
            fuellen(s, 13); // 25 + 25 + 50 * 3 * 13 = 2,000 lines
        for (int x = 8 + h % 20; x < 24 + h % 20; ++x)
            for (int y = 10; y < 30; ++y)
                spot.Feld[x][y] = true;
    }
    return m;
}

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
