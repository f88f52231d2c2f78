// Speed of the canvas: a full redraw, one mouse move, a selection change on a huge picture,
// and the overview of all hotspots on a room of 50.
#include "FensterBenchmark.h"
#include "canvas/Picture1.h"
#include "mainwindow/Editor.h"
#include "model/Module1.h"
#include "platform/Desktop.h"
#include "roomfile/RoomFile.h"
#include "roomfile/TextFile.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QTemporaryDir* ordner = nullptr;

QString spielOrdner()
{
    if (!ordner) {
        ordner = new QTemporaryDir;
        QDir(ordner->path()).mkpath(QStringLiteral("graphics"));
        QDir(ordner->path()).mkpath(QStringLiteral("rooms"));
    }
    return ordner->path();
}

// A picture with detail everywhere, so the decoder and the filter have real work.
QImage bild(QSize groesse)
{
    QImage b(groesse, QImage::Format_RGB32);
    QPainter p(&b);
    p.fillRect(b.rect(), QLinearGradient(0, 0, groesse.width(), groesse.height()));
    for (int i = 0; i < 400; ++i)
        p.fillRect(QRect((i * 7919) % groesse.width(), (i * 104729) % groesse.height(),
                         groesse.width() / 20, groesse.height() / 30),
                   QColor::fromHsv(i % 360, 200, 50 + i % 200));
    return b;
}

// A room with one hotspot and its canvas, shown offscreen, the hotspot selected.
struct Leinwand
{
    Module1 m;
    Picture1 canvas{m, [] { return 0; }};

    explicit Leinwand(bool alleZellen)
    {
        m.setzeOrdner(spielOrdner());
        const QString datei = m.GraphicsPfad + QStringLiteral("raum.jpg");
        if (!QFile::exists(datei))
            bild({800, 600}).save(datei, "JPG");
        m.setHintergrund(QStringLiteral("raum.jpg"));
        HotSpot& h = m.HotSpots[m.neuerHotSpot(0)];
        for (auto& spalte : h.Feld)
            spalte.fill(alleZellen);
        canvas.show();
        canvas.BildAufbau();
        QCoreApplication::processEvents();
    }
};

void bildAufbau(benchmark::State& state)
{
    Leinwand l(true);
    for (auto _ : state) {
        l.canvas.BildAufbau();
        QCoreApplication::processEvents(); // the repaint
    }
    state.counters["decodes"] = l.canvas.picture2().dekodierungen();
}

// The cells in a snake order, so every step of a stroke reaches a neighbouring cell.
QPointF schlange(int i)
{
    const int x = i / HotSpot::Zeilen;
    const int y = x % 2 == 0 ? i % HotSpot::Zeilen : HotSpot::Zeilen - 1 - i % HotSpot::Zeilen;
    return QPointF(x * 10 + 5, y * 10 + 5);
}

void mausBewegung(benchmark::State& state)
{
    Leinwand l(false);
    const auto senden = [&](QEvent::Type typ, int zelle, Qt::MouseButton knopf,
                            Qt::MouseButtons gehalten) {
        const QPointF p = schlange(zelle);
        QMouseEvent e(typ, p, l.canvas.mapToGlobal(p), knopf, gehalten, Qt::NoModifier);
        QApplication::sendEvent(&l.canvas, &e);
    };
    // Forward the stroke sets every cell it reaches, backward it clears them again.
    constexpr int zellen = HotSpot::Spalten * HotSpot::Zeilen;
    int schritt = 1;
    int zelle = 0;
    qint64 geaendert = 0;
    senden(QEvent::MouseButtonPress, zelle, Qt::LeftButton, Qt::LeftButton);
    for (auto _ : state) {
        if (zelle + schritt < 0 || zelle + schritt >= zellen) {
            state.PauseTiming();
            senden(QEvent::MouseButtonRelease, zelle, Qt::LeftButton, Qt::NoButton);
            senden(QEvent::MouseButtonPress, zelle, Qt::LeftButton, Qt::LeftButton);
            schritt = -schritt;
            QCoreApplication::processEvents();
            state.ResumeTiming();
        }
        zelle += schritt;
        const QPoint z(int(schlange(zelle).x()) / 10, int(schlange(zelle).y()) / 10);
        const bool vorher = l.m.HotSpots[0].Feld[z.x()][z.y()];
        senden(QEvent::MouseMove, zelle, Qt::NoButton, Qt::LeftButton);
        QCoreApplication::processEvents(); // the repaint of that cell
        geaendert += vorher != l.m.HotSpots[0].Feld[z.x()][z.y()];
    }
    state.counters["cells_changed_per_move"] = double(geaendert) / double(state.iterations());
}

// Picking hotspots one after the other in a room whose picture is a 4000 x 3000 JPEG.
void auswahlWechsel(benchmark::State& state)
{
    Module1 raum;
    raum.setzeOrdner(spielOrdner());
    const QString datei = raum.GraphicsPfad + QStringLiteral("riesig.jpg");
    if (!QFile::exists(datei))
        bild({4000, 3000}).save(datei, "JPG", 90);
    raum.setHintergrund(QStringLiteral("riesig.jpg"));
    for (int i = 0; i < 2; ++i) {
        HotSpot& h = raum.HotSpots[raum.neuerHotSpot(i)];
        for (int x = 10 * i; x < 10 * i + 20; ++x)
            h.Feld[x].fill(true);
    }
    StillerDesktop desktop;
    desktop.datei = raum.AppPfad + QStringLiteral("rooms/riesig.lsd");
    TextFile::write(desktop.datei, RoomFile::schreiben(raum));

    Module1 m;
    m.setzeOrdner(spielOrdner());
    Editor editor(m, desktop);
    editor.show();
    editor.findChild<QPushButton*>(QStringLiteral("Command4"))->click(); // "Laden"
    auto* liste = editor.findChild<QListWidget*>(QStringLiteral("List1"));
    const Picture2& holder = editor.findChild<Picture1*>(QStringLiteral("Picture1"))->picture2();
    const int nachDemLaden = holder.dekodierungen();
    int zeile = 0;
    for (auto _ : state) {
        liste->setCurrentRow(zeile);
        QCoreApplication::processEvents();
        zeile = 1 - zeile;
    }
    state.counters["decodes_at_load"] = nachDemLaden;
    state.counters["decodes_after_load"] = holder.dekodierungen() - nachDemLaden;
}

// For comparison: the one decode and stretch that loading that room costs.
void riesigDekodieren(benchmark::State& state)
{
    const QString datei = spielOrdner() + QStringLiteral("/graphics/riesig.jpg");
    if (!QFile::exists(datei))
        bild({4000, 3000}).save(datei, "JPG", 90);
    for (auto _ : state) {
        Picture2 holder;
        benchmark::DoNotOptimize(holder.laden(datei));
    }
}

// 50 hotspots of a few hundred cells each, in rows that overlap their neighbours, every
// fifth one switched off; the picture is the 800 x 600 JPEG.
struct FuenfzigHotSpots : Leinwand
{
    FuenfzigHotSpots() : Leinwand(false)
    {
        for (int i = 1; i < 50; ++i)
            m.neuerHotSpot(i);
        for (int i = 0; i < 50; ++i) {
            HotSpot& h = m.HotSpots[i];
            h.Name = QStringLiteral("Ding Nummer %1").arg(i);
            h.Aktiv = i % 5 != 0;
            const int x0 = (i % 10) * 6;
            const int y0 = (i / 10) * 9;
            for (int x = x0; x < std::min(x0 + 9, int(HotSpot::Spalten)); ++x)
                for (int y = y0; y < std::min(y0 + 11, int(HotSpot::Zeilen)); ++y)
                    h.Feld[x][y] = (x + y) % 7 != 0;
        }
        canvas.BildAufbau();
    }
};

void ueberblickMalen(benchmark::State& state)
{
    FuenfzigHotSpots l;
    if (state.range(0))
        l.canvas.ueberblickUmschalten();
    for (auto _ : state)
        l.canvas.repaint(); // the whole canvas, at once
}

void ueberblickUmschalten(benchmark::State& state)
{
    FuenfzigHotSpots l;
    for (auto _ : state) {
        l.canvas.ueberblickUmschalten(); // on: names and colours, then the whole canvas
        l.canvas.repaint();
        state.PauseTiming();
        l.canvas.ueberblickUmschalten();
        l.canvas.repaint();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(bildAufbau)->Unit(benchmark::kMicrosecond);
BENCHMARK(mausBewegung)->Unit(benchmark::kMicrosecond);
BENCHMARK(auswahlWechsel)->Unit(benchmark::kMicrosecond);
BENCHMARK(ueberblickMalen)->Arg(0)->Arg(1)->ArgName("ueberblick")->Unit(benchmark::kMicrosecond);
BENCHMARK(ueberblickUmschalten)->Unit(benchmark::kMicrosecond);
BENCHMARK(riesigDekodieren)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv)
{
    FensterBenchmark umgebung(argc, argv);
    const int status = umgebung.laufen(argc, argv);
    delete ordner;
    return status;
}
