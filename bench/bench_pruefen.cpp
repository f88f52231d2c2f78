// Speed of the checks in the windows on the 1,000-room game: a 10,000-line script checked
// after an edit and after a keystroke, the game read for the hints beside `cat` reading the
// same files, the longest stall of the window's event loop while it is read, and a saved room
// known again to the hints and to "Spiel prüfen" (with what can never happen in play, whose
// analysis is timed on its own too), a text typed into "Verwendungen", at once
// and key by key; and the disk changing under the editor: a checkout of every room, one room
// changed outside.

#include "FensterBenchmark.h"
#include "GrossesSpiel.h"
#include "check/Befund.h"
#include "check/Bericht.h"
#include "check/SkriptPruefer.h"
#include "namen/Spielnamen.h"
#include "pruefen/SpielPruefen.h"
#include "raetsel/Erreichbarkeit.h"
#include "roomfile/RoomFile.h"
#include "roomfile/TextFile.h"
#include "script/Befehlstabelle.h"
#include "spiel/Pruefdienst.h"
#include "spiel/SpielLeser.h"
#include "tools/Verwendungen.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QProcess>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <thread>

namespace {

using namespace Befehlstabelle;

GrossesSpiel* spiel = nullptr;

/// Every room and item script out of the page cache.
void vergessen()
{
    QStringList pfade;
    for (const QString& datei : SpielLeser::dateien(spiel->m))
        pfade << spiel->m.AppPfad + QDir::fromNativeSeparators(datei);
    ausDemCacheNehmen(pfade);
}

/// A long script as a game's central room may hold: blocks, flags of the whole game (some
/// misspelt), items, texts, sounds, labels and jumps.
Skript langesSkript()
{
    Skript s;
    for (int i = 0; s.Befehl.size() < 10000; ++i) {
        const auto zeile = [&s](qint32 code, const QString& parameter) {
            s.Befehl << code;
            s.Parameter << parameter;
        };
        zeile(If, QStringLiteral("Benutzt%1").arg(i % 5000));
        zeile(Print, QStringLiteral("Das war schon offen."));
        zeile(SetFlag, QStringLiteral("Besucht%1").arg(i % 1000));
        zeile(Else, {});
        zeile(IfItem, QStringLiteral("ding%1.bmp").arg(i % 20));
        zeile(Remove, QStringLiteral("ding%1.bmp").arg(i % 20));
        zeile(SetFlag, QStringLiteral("Benutz%1").arg(i % 300));
        zeile(Else, {});
        zeile(PlayWav, klang(i % klaenge));
        zeile(EndIf, {});
        zeile(Label, QStringLiteral("Marke%1").arg(i));
        zeile(EndIf, {});
        zeile(Jump, QStringLiteral("Marke%1").arg(i / 2));
    }
    s.MaxZeile = qint32(s.Befehl.size()) - 1;
    return s;
}

/// The game as the service reads it, the first room open in the editor.
struct Umfeld
{
    Spielpruefung gelesen = SpielLeser::spielLesen(spiel->m);
    Module1 raum = raumModell(0);
    const QString datei = QDir::toNativeSeparators(QStringLiteral("rooms/raum0.lsd"));
    const SkriptPruefer::Herkunft herkunft{true, {RoomFile::SkriptOrt::Art::HotSpot, 0, 1}, {}};
};

// A line moved: the whole script checked again, the game's hints included.
void langesSkriptNachEinerAenderung(benchmark::State& state)
{
    Umfeld u;
    Skript s = langesSkript();
    SkriptPruefer p;
    p.umfeld(u.herkunft, u.raum, u.datei, &u.gelesen);
    for (auto _ : state) {
        std::swap(s.Befehl[5000], s.Befehl[5001]);
        std::swap(s.Parameter[5000], s.Parameter[5001]);
        p.pruefen(s);
    }
    state.counters["Fehler"] = p.fehler();
    state.counters["Hinweise"] = p.hinweise();
}

// A keystroke in the parameter box: a flag's name, or a text's.
void tastendruck(benchmark::State& state, qint32 zeile)
{
    Umfeld u;
    Skript s = langesSkript();
    SkriptPruefer p;
    p.umfeld(u.herkunft, u.raum, u.datei, &u.gelesen);
    p.pruefen(s);
    const QString anfang = s.Parameter[zeile];
    for (auto _ : state) {
        const QString alt = s.Parameter[zeile];
        s.Parameter[zeile] = alt.size() > anfang.size() ? anfang : anfang + QLatin1Char('x');
        p.parameterGeaendert(s, zeile, alt);
    }
}

void spielLesen(benchmark::State& state, bool vonDerPlatte)
{
    for (auto _ : state) {
        vorbereiten(state, vonDerPlatte ? vergessen : nullptr);
        auto gelesen = std::make_unique<Spielpruefung>(SpielLeser::spielLesen(spiel->m));
        // Giving the memory back is not reading.
        state.PauseTiming();
        gelesen.reset();
        state.ResumeTiming();
    }
}

// `cat` reading the same files, the process's start included.
void cat(benchmark::State& state, bool vonDerPlatte)
{
    QStringList pfade;
    for (const QString& datei : SpielLeser::dateien(spiel->m))
        pfade << spiel->m.AppPfad + QDir::fromNativeSeparators(datei);
    for (auto _ : state) {
        vorbereiten(state, vonDerPlatte ? vergessen : nullptr);
        QProcess p;
        p.setStandardOutputFile(QProcess::nullDevice());
        p.start(QStringLiteral("cat"), pfade);
        if (!p.waitForFinished(60000) || p.exitCode() != 0)
            state.SkipWithError("cat failed");
    }
}

// The first read while the window's event loop runs: how long until the hints can come, and
// the longest time the loop did not get round to a timer due every millisecond.
void ereignisschleifeBeimLesen(benchmark::State& state, bool vonDerPlatte, int threads)
{
    Stillstand stillstand;
    for (auto _ : state) {
        vorbereiten(state, vonDerPlatte ? vergessen : nullptr);
        Pruefdienst dienst(spiel->m);
        stillstand.anfangen();
        dienst.lesen(threads < 0 ? std::max(1, QThread::idealThreadCount() - 1) : threads);
        if (!warten(&dienst, &Pruefdienst::bereitGeworden))
            state.SkipWithError("the game was not read");
        stillstand.aufhoeren();
    }
    state.counters["laengsteLuecke_ms"] = stillstand.laengste;
}

/// A room of the game written anew, so that the service has something to read.
void raumNeuSchreiben(const QString& pfad, int mal)
{
    Module1 r = raumModell(0);
    r.StartSkript.Parameter[0] = QStringLiteral("Besucht%1").arg(mal % 2);
    TextFile::write(pfad, RoomFile::schreiben(r));
}

// After "Speichern": the service reads the room again, and the open script's hints follow.
void hinweiseNachDemSpeichern(benchmark::State& state)
{
    Pruefdienst dienst(spiel->m);
    dienst.lesen();
    if (!warten(&dienst, &Pruefdienst::bereitGeworden))
        state.SkipWithError("the game was not read");
    Umfeld u;
    const QString pfad = spiel->pfad(QStringLiteral("rooms/raum0.lsd"));
    SkriptPruefer p;
    int mal = 0;
    for (auto _ : state) {
        state.PauseTiming();
        raumNeuSchreiben(pfad, ++mal);
        state.ResumeTiming();
        dienst.dateiGeaendert(pfad);
        p.umfeld(u.herkunft, u.raum, u.datei, &dienst.spiel());
        p.pruefen(u.raum.HotSpots[0].Skripte[1]);
    }
}

/// What can never happen in play, worked out over the game as read.
void raetselAnalyse(benchmark::State& state)
{
    const Spielpruefung gelesen = SpielLeser::spielLesen(spiel->m);
    const Raetselplan plan = Raetselplan::ausOrdner(spiel->m.AppPfad).plan;
    qsizetype nie = 0;
    for (auto _ : state)
        nie = Erreichbarkeit::berechnen(gelesen, plan).nie.size();
    state.counters["nie"] = double(nie);
}

/// Every room in one of two versions, as bytes, and what the service knows of each.
struct Fassungen
{
    QVector<QByteArray> bytes[2];
    QVector<size_t> inhalt[2];

    Fassungen()
    {
        for (int f = 0; f < 2; ++f) {
            for (int r = 0; r < raeume; ++r) {
                Module1 m = raumModell(r);
                m.StartSkript.Parameter[0] = QStringLiteral("Besucht%1_%2").arg(r).arg(f);
                bytes[f] << RoomFile::schreiben(m);
                inhalt[f] << SpielDatei::raumLesen({}, &bytes[f].last())->inhalt;
            }
        }
    }
    /// As git checks a file out: the old one removed, the new one written in its place.
    void auschecken(int f) const
    {
        for (int r = 0; r < raeume; ++r) {
            QFile::remove(spiel->raumDateien[r]);
            QFile datei(spiel->raumDateien[r]);
            if (datei.open(QIODevice::WriteOnly))
                datei.write(bytes[f][r]);
        }
    }
    bool bekannt(const Pruefdienst& dienst, int f) const
    {
        for (int r = 0; r < raeume; ++r) {
            const auto d = dienst.spiel().datei(
                QDir::toNativeSeparators(QStringLiteral("rooms/raum%1.lsd").arg(r)));
            if (!d || d->inhalt != inhalt[f][r])
                return false;
        }
        return true;
    }
};

// A checkout that changes every room, written by another thread as git would write it: from
// its last file until the service knows every room as it is now (the quiet moment the watch
// waits for included), and the longest the window's event loop waited meanwhile.
void nachDemAuschecken(benchmark::State& state)
{
    const Fassungen fassungen;
    fassungen.auschecken(0);
    Pruefdienst dienst(spiel->m);
    dienst.lesen();
    if (!warten(&dienst, &Pruefdienst::bereitGeworden))
        state.SkipWithError("the game was not read");
    Stillstand stillstand;
    double schreiben = 0;
    int f = 0;
    for (auto _ : state) {
        f ^= 1;
        stillstand.anfangen();
        QElapsedTimer uhr;
        uhr.start();
        std::atomic<qint64> fertig{-1};
        std::thread git([&] {
            fassungen.auschecken(f);
            fertig = uhr.nsecsElapsed();
        });
        QEventLoop schleife;
        const auto verbindung = QObject::connect(&dienst, &Pruefdienst::aussenGeaendert, [&] {
            if (fertig >= 0 && fassungen.bekannt(dienst, f))
                schleife.quit();
        });
        QTimer::singleShot(60000, &schleife, &QEventLoop::quit);
        schleife.exec();
        QObject::disconnect(verbindung);
        git.join();
        stillstand.aufhoeren();
        if (!fassungen.bekannt(dienst, f))
            state.SkipWithError("the service did not follow");
        state.SetIterationTime((uhr.nsecsElapsed() - fertig) / 1e9);
        schreiben += fertig / 1e6;
    }
    state.counters["auschecken_ms"] = schreiben / double(state.iterations());
    state.counters["laengsteLuecke_ms"] = stillstand.laengste;
}

// What the service does off the window's thread after that checkout: every room read again
// and compared with the version it knew, beside `cat` of the same files.
void nachlesenNachDemAuschecken(benchmark::State& state)
{
    const Fassungen fassungen;
    fassungen.auschecken(0);
    const Spielpruefung vorher = SpielLeser::spielLesen(spiel->m);
    fassungen.auschecken(1);
    QVector<std::pair<QString, const SpielDatei*>> dateien;
    for (int r = 0; r < raeume; ++r) {
        const QString datei = QDir::toNativeSeparators(QStringLiteral("rooms/raum%1.lsd").arg(r));
        dateien.append({datei, vorher.datei(datei).get()});
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(SpielLeser::nachlesen(spiel->m, dateien));
}

// A room saved in the editor, or changed outside it, until "Spiel prüfen" shows the game's
// findings as they are now.
void spielPruefenNach(benchmark::State& state, bool aussen)
{
    Pruefdienst dienst(spiel->m);
    dienst.lesen();
    if (!warten(&dienst, &Pruefdienst::bereitGeworden))
        state.SkipWithError("the game was not read");
    SpielPruefen fenster(dienst);
    QTimer::singleShot(0, &fenster, &SpielPruefen::zeigen);
    warten(&fenster, &SpielPruefen::aufgebaut);
    const QString pfad = spiel->pfad(QStringLiteral("rooms/raum0.lsd"));
    int mal = 0;
    Stillstand stillstand;
    for (auto _ : state) {
        if (!aussen) {
            state.PauseTiming();
            raumNeuSchreiben(pfad, ++mal);
            state.ResumeTiming();
        }
        stillstand.anfangen();
        QTimer::singleShot(0, &dienst, [&] {
            if (aussen)
                raumNeuSchreiben(pfad, ++mal);
            else
                dienst.dateiGeaendert(pfad);
        });
        if (!warten(&fenster, &SpielPruefen::aufgebaut))
            state.SkipWithError("no findings shown");
        stillstand.aufhoeren();
    }
    state.counters["laengsteArbeit_ms"] = stillstand.laengsteArbeit;
    state.counters["laengsteLuecke_ms"] = stillstand.laengste;
}

/// "Verwendungen" on the game read, searching for a text.
struct VerwendungenNachText
{
    Pruefdienst dienst{spiel->m};
    StillerDesktop desktop;
    Verwendungen fenster{dienst, desktop};
    QLineEdit* name = fenster.findChild<QLineEdit*>(QStringLiteral("Name"));

    explicit VerwendungenNachText(benchmark::State& state)
    {
        dienst.lesen();
        if (!warten(&dienst, &Pruefdienst::bereitGeworden))
            state.SkipWithError("the game was not read");
        fenster.show();
        fenster.findChild<QComboBox*>(QStringLiteral("Art"))
            ->setCurrentText(QStringLiteral("Text"));
    }
};

// A text typed into "Verwendungen", until its places are listed: "alt" stands in 5,000
// lines, "a" in most lines of the game.
void verwendungenTippen(benchmark::State& state, const char* text)
{
    VerwendungenNachText v(state);
    for (auto _ : state) {
        v.name->setText(QString::fromUtf8(text));
        QCoreApplication::processEvents();
        state.PauseTiming();
        v.name->clear();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

// Typing into "Verwendungen" key by key and taking the keys back, the list followed and drawn
// after each: "a" stands in most lines of the game, "al" and "alt" in 5,000. One key a run.
void verwendungenTaste(benchmark::State& state)
{
    VerwendungenNachText v(state);
    auto* liste = v.fenster.findChild<QAbstractItemView*>(QStringLiteral("Liste"));
    const QString text = QStringLiteral("alt");
    qsizetype taste = 0;
    for (auto _ : state) {
        const qsizetype k = taste++ % (2 * text.size());
        if (k < text.size())
            v.name->insert(text.mid(k, 1));
        else
            v.name->backspace();
        liste->viewport()->repaint();
    }
}

// The names offered while a name is typed, made anew on the window's thread when the kind is
// chosen or the game changes: every name of one kind in the 1,000-room game.
void namenAngebot(benchmark::State& state)
{
    Pruefdienst dienst(spiel->m);
    dienst.lesen();
    if (!warten(&dienst, &Pruefdienst::bereitGeworden))
        state.SkipWithError("the game was not read");
    const auto art = NamensArt(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(Spielnamen::namen(dienst.spiel(), art));
}

} // namespace

BENCHMARK(namenAngebot)->ArgName("art")->DenseRange(0, 6)->Unit(benchmark::kMillisecond);
BENCHMARK(verwendungenTaste)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(verwendungenTippen, alt, "alt")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(verwendungenTippen, a, "a")->Unit(benchmark::kMillisecond);
BENCHMARK(langesSkriptNachEinerAenderung)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(tastendruck, flag, 6)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(tastendruck, text, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(spielLesen, ausDemCache, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(cat, ausDemCache, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(spielLesen, vonDerPlatte, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(cat, vonDerPlatte, true)->Unit(benchmark::kMillisecond);
// On as many threads as cores, and on one less, which leaves a core to the window.
BENCHMARK_CAPTURE(ereignisschleifeBeimLesen, ausDemCache, false, 0)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK_CAPTURE(ereignisschleifeBeimLesen, vonDerPlatte, true, 0)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK_CAPTURE(ereignisschleifeBeimLesen, ausDemCacheEinKernWeniger, false, -1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK(hinweiseNachDemSpeichern)->Unit(benchmark::kMillisecond);
BENCHMARK(raetselAnalyse)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(spielPruefenNach, demSpeichern, false)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
BENCHMARK_CAPTURE(spielPruefenNach, aussen, true)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(nachDemAuschecken)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(6);
BENCHMARK(nachlesenNachDemAuschecken)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    FensterBenchmark umgebung(argc, argv);
    GrossesSpiel grosses;
    spiel = &grosses;
    return umgebung.laufen(argc, argv);
}

namespace {
// What "Spiel prüfen" puts together off the window's thread, part by part.
void berichtTeile(benchmark::State& state)
{
    const Spielpruefung gelesen = SpielLeser::spielLesen(spiel->m);
    double befund = 0, fehler = 0, hinweise = 0, gruppen = 0;
    for (auto _ : state) {
        QElapsedTimer uhr;
        uhr.start();
        const Befund b = befundAus(gelesen, spiel->m);
        befund += uhr.nsecsElapsed() / 1e6;
        uhr.restart();
        const auto f = gelesen.fehler();
        fehler += uhr.nsecsElapsed() / 1e6;
        uhr.restart();
        const auto h = gelesen.hinweise();
        hinweise += uhr.nsecsElapsed() / 1e6;
        uhr.restart();
        benchmark::DoNotOptimize(Bericht::nachDateien(Bericht::eintraege(b, f, h)));
        gruppen += uhr.nsecsElapsed() / 1e6;
    }
    const double n = double(state.iterations());
    state.counters["befund_ms"] = befund / n;
    state.counters["fehler_ms"] = fehler / n;
    state.counters["hinweise_ms"] = hinweise / n;
    state.counters["gruppen_ms"] = gruppen / n;
}
} // namespace
BENCHMARK(berichtTeile)->Unit(benchmark::kMillisecond)->Iterations(5);
