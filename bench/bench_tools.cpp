// Speed of the game-folder checker on a large game: 1,000 rooms of 5 hotspots each,
// 5,000 pictures and 2,000 sounds. "Start" is compared with reading the room files' bytes,
// from the page cache and from the disk; tarnholm-check with its script checks with the
// same check without them, and the map of the game; the program with cat of the same files, on
// that game and on 1,000 copies of the demo's house.

#include "FensterBenchmark.h"
#include "GrossesSpiel.h"
#include "TestSpiel.h"
#include "check/Befund.h"
#include "check/Bericht.h"
#include "check/Karte.h"
#include "model/Module1.h"
#include "platform/Desktop.h"
#include "platform/Look.h"
#include "raetsel/Erreichbarkeit.h"
#include "raetsel/Raetselplan.h"
#include "regeln/DateiListe.h"
#include "regeln/Pruefung.h"
#include "regeln/Referenzen.h"
#include "roomfile/ItemSkript.h"
#include "roomfile/RoomFile.h"
#include "roomfile/TextFile.h"
#include "spiel/SpielLeser.h"
#include "spiel/Spielpruefung.h"
#include "tools/Tool.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

GrossesSpiel* spiel = nullptr;

/// Drops the room files from the page cache, so that they are read from the disk itself.
void raumDateienVergessen()
{
    ausDemCacheNehmen(spiel->raumDateien);
}

void raumdateienLesen(benchmark::State& state, void (*vorher)())
{
    qint64 bytes = 0;
    for (auto _ : state) {
        vorbereiten(state, vorher);
        bytes = 0;
        for (const QString& pfad : spiel->raumDateien)
            bytes += TextFile::read(pfad).value_or(QByteArray()).size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["bytes"] = double(bytes);
}

// What "Start" does without the window: item scripts, then every room, matched and counted
// in batches as the window does between two paintings.
void startKern(benchmark::State& state)
{
    const QStringList b = dateiListe(spiel->m.GraphicsPfad, QStringLiteral("*.bmp;*.jpg;*.gif"));
    const QStringList k = dateiListe(spiel->m.SoundsPfad, QStringLiteral("*.wav;*.mp3"));
    for (auto _ : state) {
        Pruefung pruefung(b, k);
        QVector<Referenz> offen;
        for (const ItemSkriptReferenzen& s : itemSkripteLesen(spiel->m.ItemsPfad))
            offen += s.referenzen;
        Module1 arbeitsRaum;
        QByteArray puffer;
        for (const QString& pfad : spiel->raumDateien)
            offen += raumDateiLesen(pfad, arbeitsRaum, puffer).referenzen;
        pruefung.zaehlen(offen);
        benchmark::DoNotOptimize(pruefung.unbenutzteBilder());
    }
}

// The window's "Start": the lists' selection, the rooms list following, events once per room.
void startFenster(benchmark::State& state, void (*vorher)())
{
    StillerDesktop desktop;
    Tool tool(spiel->m, desktop);
    tool.laden();
    tool.show();
    QCoreApplication::processEvents();
    auto* start = tool.findChild<QPushButton*>(QStringLiteral("Command1"));
    for (auto _ : state) {
        vorbereiten(state, vorher);
        start->click();
    }
}

void toolOeffnen(benchmark::State& state)
{
    StillerDesktop desktop;
    for (auto _ : state) {
        Tool tool(spiel->m, desktop);
        tool.laden();
        tool.show();
        QCoreApplication::processEvents();
    }
}

// What tarnholm-check does in its process, without and with the script checks.
void tarnholmCheck(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(befundText(ordnerPruefen(spiel->m)));
}

void tarnholmCheckMitSkripten(benchmark::State& state)
{
    qsizetype hinweise = 0;
    for (auto _ : state) {
        Spielpruefung pruefung;
        const QString text = befundText(ordnerPruefen(spiel->m, &pruefung));
        const QVector<SpielHinweis> h = pruefung.hinweise();
        benchmark::DoNotOptimize(text + Bericht::skriptText(pruefung.fehler(), h));
        hinweise = h.size();
    }
    state.counters["hints"] = double(hinweise);
}

void karte(benchmark::State& state)
{
    const QString datei = spiel->pfad(QStringLiteral("karte.dot"));
    for (auto _ : state) {
        Spielpruefung pruefung;
        ordnerPruefen(spiel->m, &pruefung);
        if (!Karte::schreiben(datei, Karte::dot(pruefung.raeume(), pruefung.verbindungen()))
                 .isEmpty())
            state.SkipWithError("the map was not written");
    }
}

// The program as authors run it, process start and report included; with --karte x.dot.
/// The demo game with 1,000 copies of its house: rooms of many cells and few names, as a
/// game of drawn rooms mostly is.
struct HausKopien
{
    QTemporaryDir dir;
    QStringList dateien;

    HausKopien()
    {
        const QDir demo(QStringLiteral(DEMO_SPIEL));
        for (const QString& ordner : demo.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            QDir(dir.path()).mkdir(ordner);
            for (const QString& name : QDir(demo.filePath(ordner)).entryList(QDir::Files))
                QFile::copy(demo.filePath(ordner + QLatin1Char('/') + name),
                            dir.filePath(ordner + QLatin1Char('/') + name));
        }
        const QString haus = demo.filePath(QStringLiteral("rooms/haus.lsd"));
        for (int i = 0; i < raeume; ++i) {
            dateien << dir.filePath(QStringLiteral("rooms/haus%1.lsd").arg(i));
            QFile::copy(haus, dateien.last());
        }
        for (const QString& name : QDir(dir.filePath(QStringLiteral("items")))
                                       .entryList({QStringLiteral("*.skp")}, QDir::Files))
            dateien << dir.filePath(QStringLiteral("items/") + name);
    }
};

HausKopien& hausKopien()
{
    static HausKopien kopien;
    return kopien;
}

void tarnholmCheckProgramm(benchmark::State& state, bool mitKarte)
{
    QStringList argumente{spiel->dir.path()};
    if (mitKarte)
        argumente << QStringLiteral("--karte") << spiel->pfad(QStringLiteral("x.dot"));
    for (auto _ : state) {
        QProcess p;
        p.setStandardOutputFile(QProcess::nullDevice());
        p.start(QStringLiteral(TARNHOLM_CHECK), argumente);
        if (!p.waitForFinished(60000) || p.exitCode() != 1) // the bench folder has no cursors
            state.SkipWithError("tarnholm-check failed");
    }
}

void tarnholmCheckHausKopien(benchmark::State& state)
{
    const QStringList argumente{hausKopien().dir.path()};
    for (auto _ : state) {
        QProcess p;
        p.setStandardOutputFile(QProcess::nullDevice());
        p.start(QStringLiteral(TARNHOLM_CHECK), argumente);
        if (!p.waitForFinished(60000) || p.exitCode() != 0)
            state.SkipWithError("tarnholm-check failed");
    }
}

// The checker's parts on the house copies, each on one thread: where its time goes.
Module1& hausKopienOrdner()
{
    static Module1 m;
    if (m.AppPfad.isEmpty())
        m.setzeOrdner(hausKopien().dir.path());
    return m;
}

void hausKopienTeil(benchmark::State& state)
{
    const Module1& m = hausKopienOrdner();
    const Spielpruefung spiel = SpielLeser::spielLesen(m, nullptr, 1);
    const Raetselplan plan = Raetselplan::ausOrdner(m.AppPfad).plan;
    for (auto _ : state) {
        switch (state.range(0)) {
        case 0:
            benchmark::DoNotOptimize(SpielLeser::spielLesen(m, nullptr, 1));
            break;
        case 1:
            benchmark::DoNotOptimize(spiel.hinweise(plan.start));
            break;
        case 2:
            benchmark::DoNotOptimize(spiel.fehler());
            break;
        case 3:
            benchmark::DoNotOptimize(Erreichbarkeit::berechnen(spiel, plan));
            break;
        case 4:
            benchmark::DoNotOptimize(befundAus(spiel, m));
            break;
        }
    }
}

// What tarnholm-check is held to: cat of the same rooms and item scripts, from the page cache.
void catProgramm(benchmark::State& state, bool kopien)
{
    QStringList dateien = kopien ? hausKopien().dateien : spiel->raumDateien;
    if (!kopien) {
        for (const QString& name : QDir(spiel->m.ItemsPfad).entryList({QStringLiteral("*.skp")}))
            dateien << spiel->m.ItemsPfad + name;
    }
    for (auto _ : state) {
        QProcess p;
        p.setStandardOutputFile(QProcess::nullDevice());
        p.start(QStringLiteral("cat"), dateien);
        if (!p.waitForFinished(60000) || p.exitCode() != 0)
            state.SkipWithError("cat failed");
    }
}

} // namespace

// From the page cache, then from the disk itself.
BENCHMARK_CAPTURE(raumdateienLesen, ausDemCache, nullptr)->Unit(benchmark::kMillisecond);
BENCHMARK(startKern)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(startFenster, ausDemCache, nullptr)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(raumdateienLesen, vonDerPlatte, raumDateienVergessen)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(startFenster, vonDerPlatte, raumDateienVergessen)->Unit(benchmark::kMillisecond);
BENCHMARK(toolOeffnen)->Unit(benchmark::kMillisecond);
BENCHMARK(tarnholmCheck)->Unit(benchmark::kMillisecond);
BENCHMARK(tarnholmCheckMitSkripten)->Unit(benchmark::kMillisecond);
BENCHMARK(karte)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(catProgramm, grossesSpiel, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(tarnholmCheckProgramm, bericht, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(tarnholmCheckProgramm, mitKarte, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(catProgramm, hausKopien, true)->Unit(benchmark::kMillisecond);
BENCHMARK(tarnholmCheckHausKopien)->Unit(benchmark::kMillisecond);
// 0 reading, 1 hints, 2 script faults, 3 what can never happen, 4 files.
BENCHMARK(hausKopienTeil)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    FensterBenchmark umgebung(argc, argv);
    GrossesSpiel grosses;
    spiel = &grosses;
    return umgebung.laufen(argc, argv);
}
