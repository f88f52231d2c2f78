// The cost of what keeps the author's work safe in the main window, on the 50-hotspot room:
// the recovery copy, a keystroke in the name box, one undo or redo with its repaint, and the
// memory that 10,000 strokes of history take.
#include "FensterBenchmark.h"
#include "GrosserRaum.h"
#include "canvas/Picture1.h"
#include "mainwindow/Editor.h"
#include "mainwindow/RaumBefehle.h"
#include "roomfile/RoomFile.h"
#include "roomfile/TextFile.h"
#include "roomfile/Wiederherstellung.h"

#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <malloc.h>

namespace {

// What the window's thread spends on a copy: the room written into memory and handed over.
void kopieSchreiben(benchmark::State& state)
{
    QTemporaryDir ordner;
    Wiederherstellung kopie(ordner.path());
    const Module1 m = grosserRaum();
    const QByteArray bekannt = Wiederherstellung::hash(RoomFile::schreiben(m));
    for (auto _ : state)
        kopie.schreiben(RoomFile::schreiben(m), QStringLiteral("/spiel/rooms/gross.lsd"), bekannt);
    kopie.warten();
}

// For comparison: the write itself, which the copy's own thread waits for.
void kopieAufDiePlatte(benchmark::State& state)
{
    QTemporaryDir ordner;
    const QByteArray bytes =
        Wiederherstellung::kopieBytes(RoomFile::schreiben(grosserRaum()), QString(), QByteArray());
    for (auto _ : state)
        TextFile::write(ordner.filePath(QStringLiteral("kopie")), bytes);
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

// The main window on the large room, loaded from its file, with recovery copies, the first
// hotspot selected.
struct Fenster
{
    QTemporaryDir spiel, kopien;
    Module1 m;
    StillerDesktop desktop;
    Editor editor{m, desktop};
    Picture1* canvas;

    Fenster()
    {
        QDir(spiel.path()).mkpath(QStringLiteral("rooms"));
        m.setzeOrdner(spiel.path());
        desktop.datei = m.AppPfad + QStringLiteral("rooms/gross.lsd");
        TextFile::write(desktop.datei, RoomFile::schreiben(grosserRaum()));
        editor.befehle().kopienIn(kopien.path());
        editor.show();
        editor.findChild<QPushButton*>(QStringLiteral("Command4"))->click(); // "Laden"
        editor.findChild<QListWidget*>(QStringLiteral("List1"))->setCurrentRow(0);
        canvas = editor.findChild<Picture1*>(QStringLiteral("Picture1"));
        QCoreApplication::processEvents();
    }
    void maus(QEvent::Type typ, QPointF p, Qt::MouseButton knopf, Qt::MouseButtons gehalten)
    {
        QMouseEvent e(typ, p, canvas->mapToGlobal(p), knopf, gehalten, Qt::NoModifier);
        QApplication::sendEvent(canvas, &e);
    }
    // A short stroke from cell (x, y) to the right.
    void strich(int x, int y)
    {
        const QPointF von(x * 10 + 5, y * 10 + 5);
        maus(QEvent::MouseButtonPress, von, Qt::LeftButton, Qt::LeftButton);
        maus(QEvent::MouseMove, von + QPointF(30, 0), Qt::NoButton, Qt::LeftButton);
        maus(QEvent::MouseButtonRelease, von + QPointF(30, 0), Qt::LeftButton, Qt::NoButton);
    }
};

void tastendruck(benchmark::State& state)
{
    Fenster f;
    auto* name = f.editor.findChild<QLineEdit*>(QStringLiteral("Text1"));
    name->setFocus();
    int i = 0;
    for (auto _ : state) {
        // A letter, then Backspace: the name never grows.
        QKeyEvent druck(QEvent::KeyPress, i % 2 ? Qt::Key_Backspace : Qt::Key_A, Qt::NoModifier,
                        i % 2 ? QString() : QStringLiteral("a"));
        QApplication::sendEvent(name, &druck);
        QCoreApplication::processEvents(); // the list entry and the box repainted
        ++i;
    }
}

// One step back or forth: a stroke of the selected hotspot, the canvas drawn anew.
void rueckgaengigWiederholen(benchmark::State& state)
{
    Fenster f;
    f.strich(20, 20);
    RaumVerlauf& verlauf = f.editor.verlauf();
    const bool zurueck = state.range(0) == 0;
    for (auto _ : state) {
        if (!zurueck) {
            state.PauseTiming();
            verlauf.rueckgaengig();
            QCoreApplication::processEvents();
            state.ResumeTiming();
        }
        zurueck ? verlauf.rueckgaengig() : verlauf.wiederholen();
        f.canvas->repaint();
        if (zurueck) {
            state.PauseTiming();
            verlauf.wiederholen();
            QCoreApplication::processEvents();
            state.ResumeTiming();
        }
    }
}

// The heap the history of 10,000 strokes takes, spread over the 50 hotspots.
void verlaufVonStrichen(benchmark::State& state)
{
    Fenster f;
    auto* liste = f.editor.findChild<QListWidget*>(QStringLiteral("List1"));
    for (auto _ : state) {
        const size_t vorher = mallinfo2().uordblks;
        for (int i = 0; i < 10000; ++i) {
            if (i % 200 == 0)
                liste->setCurrentRow(i / 200 % 50);
            f.strich(i % 60, i / 60 % 48);
        }
        const size_t nachher = mallinfo2().uordblks;
        state.counters["steps"] = f.editor.verlauf().stack().count();
        state.counters["MB"] = double(nachher - vorher) / (1024.0 * 1024.0);
    }
}

} // namespace

BENCHMARK(kopieSchreiben)->Unit(benchmark::kMicrosecond);
BENCHMARK(kopieAufDiePlatte)->Unit(benchmark::kMillisecond);
BENCHMARK(tastendruck)->Unit(benchmark::kMicrosecond);
BENCHMARK(rueckgaengigWiederholen)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(verlaufVonStrichen)->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    FensterBenchmark app(argc, argv);
    return app.laufen(argc, argv);
}
