// Translations on the 1,000-room game: the template from the game as read, the whole
// "tarnholm-texte vorlage" run, and a build with a full translation beside `cp -r` of the folder;
// the window "Übersetzungen" building the game and writing the template, and the longest stall
// of its event loop meanwhile.

#include "FensterBenchmark.h"
#include "GrossesSpiel.h"
#include "spiel/Pruefdienst.h"
#include "spiel/SpielLeser.h"
#include "texte/Spielbau.h"
#include "texte/Textvorlage.h"
#include "tools/Uebersetzungen.h"

#include <QDateTime>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

GrossesSpiel* spiel = nullptr;

/// The template from what the checking service holds.
void vorlage(benchmark::State& state)
{
    const Spielpruefung gelesen = SpielLeser::spielLesen(spiel->m);
    qsizetype texte = 0;
    for (auto _ : state) {
        const Textvorlage v = Textvorlage::aus(gelesen);
        benchmark::DoNotOptimize(v.pot(QStringLiteral("gross"), QDateTime::currentDateTimeUtc()));
        texte = v.texte.size();
    }
    state.counters["texte"] = double(texte);
}

/// The program as an author runs it: the game read, the template written to a file.
void vorlageProgramm(benchmark::State& state)
{
    QTemporaryDir aus;
    for (auto _ : state) {
        QProcess p;
        p.start(QStringLiteral(TARNHOLM_TEXTE),
                {QStringLiteral("vorlage"), QStringLiteral("-o"),
                 aus.filePath(QStringLiteral("x.pot")), QStringLiteral("--"), spiel->dir.path()});
        if (!p.waitForFinished(60000) || p.exitCode() != 0)
            state.SkipWithError("tarnholm-texte failed");
    }
}

/// A PO file translating every text of the game.
bool voll(const Spielpruefung& gelesen, const QString& po)
{
    PoDatei datei;
    datei.kopf = QStringLiteral("Content-Type: text/plain; charset=UTF-8\n");
    for (const VorlagenText& t : Textvorlage::aus(gelesen).texte)
        datei.eintraege.append(
            {std::nullopt, t.msgid, QStringLiteral("EN ") + t.msgid, {}, {}, {}, 0, 0});
    QFile f(po);
    return f.open(QIODevice::WriteOnly) && f.write(datei.schreiben({}, false)) >= 0;
}

/// A build with every text translated (so every room is written anew), against `cp -r`.
void bauen(benchmark::State& state, bool mitCp)
{
    const Spielpruefung gelesen = SpielLeser::spielLesen(spiel->m);
    QTemporaryDir ziele;
    const QString po = ziele.filePath(QStringLiteral("en.po"));
    if (!voll(gelesen, po))
        state.SkipWithError("cannot write the PO file");
    int n = 0;
    for (auto _ : state) {
        const QString ziel = ziele.filePath(QStringLiteral("spiel%1").arg(n++));
        if (mitCp) {
            QProcess p;
            p.start(QStringLiteral("cp"), {QStringLiteral("-r"), spiel->dir.path(), ziel});
            if (!p.waitForFinished(60000) || p.exitCode() != 0)
                state.SkipWithError("cp failed");
        } else {
            const Spielbau::Ergebnis e = Spielbau::bauen(gelesen, spiel->dir.path(), po, ziel);
            if (e.art != Spielbau::Ergebnis::Art::Fertig || e.zaehlung.unuebersetzt != 0)
                state.SkipWithError("the build failed");
        }
        state.PauseTiming();
        QDir(ziel).removeRecursively();
        state.ResumeTiming();
    }
}

/// The window's "Spiel bauen…" or "Vorlage schreiben" (msgmerge included) with the full
/// translation, until its buttons are back.
void fenster(benchmark::State& state, const char* knopf)
{
    Pruefdienst dienst(spiel->m);
    dienst.lesen();
    if (!warten(&dienst, &Pruefdienst::bereitGeworden))
        state.SkipWithError("the game was not read");
    QDir(spiel->dir.path()).mkpath(QStringLiteral("uebersetzungen"));
    if (!voll(dienst.spiel(), spiel->pfad(QStringLiteral("uebersetzungen/en.po"))))
        state.SkipWithError("cannot write the PO file");
    QTemporaryDir ziele;
    StillerDesktop desktop;
    desktop.datei = ziele.path();
    Uebersetzungen uebersetzungen(dienst, desktop);
    uebersetzungen.zeigen();
    auto* geklickt = uebersetzungen.findChild<QPushButton*>(QLatin1String(knopf));
    Stillstand stillstand;
    for (auto _ : state) {
        stillstand.anfangen();
        geklickt->click();
        QEventLoop schleife;
        QTimer pruefen;
        QObject::connect(&pruefen, &QTimer::timeout, [&] {
            if (geklickt->isEnabled())
                schleife.quit();
        });
        pruefen.start(1);
        QTimer::singleShot(60000, &schleife, &QEventLoop::quit);
        schleife.exec();
        stillstand.aufhoeren();
        state.PauseTiming();
        for (const QString& gebaut :
             QDir(ziele.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            QDir(ziele.filePath(gebaut)).removeRecursively();
        state.ResumeTiming();
    }
    state.counters["laengsteLuecke_ms"] = stillstand.laengste;
    QDir(spiel->pfad(QStringLiteral("uebersetzungen"))).removeRecursively();
}

} // namespace

BENCHMARK_CAPTURE(fenster, spielBauen, "SpielBauen")->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(fenster, vorlageSchreiben, "VorlageSchreiben")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(vorlage)->Unit(benchmark::kMillisecond);
BENCHMARK(vorlageProgramm)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK_CAPTURE(bauen, tarnholmTexte, false)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(bauen, cpR, true)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv)
{
    FensterBenchmark app(argc, argv);
    GrossesSpiel grosses;
    spiel = &grosses;
    return app.laufen(argc, argv);
}
