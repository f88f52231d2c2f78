#include "FensterBenchmark.h"
#include "model/Module1.h"
#include "platform/Desktop.h"
#include "platform/Look.h"
#include "script/SkriptEditor.h"
#include "script/SkriptText.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int Zeilen = 10000;
constexpr int Mitte = Zeilen / 2;

// Blocks nested three deep with the lines a room holds between them.
Skript langesSkript()
{
    static const QPair<qint32, const char*> muster[] = {{0, "TuerOffen"},
                                                        {8, "Schluessel.bmp"},
                                                        {2, "Die Tür ist offen.#$cWeiter!"},
                                                        {1, "tuer.wav"},
                                                        {9, ""},
                                                        {3, "TuerOffen"},
                                                        {0, "Licht"},
                                                        {4, "keller.lsd"},
                                                        {10, ""},
                                                        {10, ""},
                                                        {9, ""},
                                                        {2, "Abgeschlossen."},
                                                        {10, ""},
                                                        {16, ""}};
    Skript s;
    s.zeilenAnlegen(Zeilen);
    for (int i = 0; i < Zeilen; ++i) {
        const auto& [code, parameter] = muster[i % std::size(muster)];
        s.Befehl[i] = code;
        s.Parameter[i] = QString::fromUtf8(parameter);
    }
    return s;
}

struct Fenster
{
    Module1 m;
    StillerDesktop desktop;
    SkriptEditor se{m, desktop};
    QListView* list1 = se.findChild<QListView*>(QStringLiteral("List1"));
    QListWidget* list2 = se.findChild<QListWidget*>(QStringLiteral("List2"));

    explicit Fenster()
    {
        m.AktSkript = langesSkript();
        se.zeigen();
    }
    void waehlen(int zeile)
    {
        list1->selectionModel()->setCurrentIndex(list1->model()->index(zeile, 0),
                                                 QItemSelectionModel::ClearAndSelect);
        QCoreApplication::processEvents();
    }
    /// A key pressed and released; a shortcut of the window takes it first, as it does from
    /// the keyboard.
    void taste(QWidget* w, int key, const QString& text = {},
               Qt::KeyboardModifiers mit = Qt::NoModifier)
    {
        QKeyEvent druck(QEvent::KeyPress, key, mit, text);
        QApplication::sendEvent(w, &druck);
        QKeyEvent los(QEvent::KeyRelease, key, mit, text);
        QApplication::sendEvent(w, &los);
        QCoreApplication::processEvents();
    }
    /// The long script afresh, the window loaded anew, a line in its middle selected.
    void frisch()
    {
        m.AktSkript = langesSkript();
        se.laden();
        waehlen(Mitte);
    }
    void knopf(const char* name)
    {
        se.findChild<QPushButton*>(QLatin1String(name))->click();
        QCoreApplication::processEvents();
    }
};

// Opening, then showing the last line. With argument 1 the script holds nothing but
// openers: the indent grows by 3 spaces a line, to 30,000 at the end.
void oeffnen(benchmark::State& state)
{
    Fenster f;
    if (state.range(0) == 1)
        f.m.AktSkript.Befehl.fill(0);
    for (auto _ : state) {
        state.PauseTiming();
        f.se.hide();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        f.se.zeigen();
        f.waehlen(Zeilen - 1);
    }
}

// With argument 1 the line typed into is the widest, so every "x" widens the list.
void tastendruck(benchmark::State& state)
{
    Fenster f;
    if (state.range(0) == 1) {
        f.m.AktSkript.Parameter[Mitte] = QString(200, QLatin1Char('W'));
        f.se.laden();
    }
    f.waehlen(Mitte); // a Print line, indented
    QLineEdit* box = f.se.findChild<QLineEdit*>(QStringLiteral("Text1_2"));
    box->setFocus();
    bool hin = true;
    for (auto _ : state) {
        // Typing and taking back in turn keeps the text as long as it was.
        if (hin)
            f.taste(box, Qt::Key_X, QStringLiteral("x"));
        else
            f.taste(box, Qt::Key_Backspace);
        hin = !hin;
    }
}

void einfuegen(benchmark::State& state)
{
    Fenster f;
    // Row 1 is "IF", which brings its "Else" and "EndIf"; row 4 is "SetFlag".
    const int row = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        f.frisch();
        f.list2->setCurrentRow(row);
        state.ResumeTiming();
        f.taste(f.list2, Qt::Key_Return);
    }
}

void verschieben(benchmark::State& state)
{
    Fenster f;
    f.waehlen(Mitte);
    bool hoch = true;
    for (auto _ : state) {
        f.knopf(hoch ? "Command1" : "Command2");
        hoch = !hoch;
    }
}

void loeschen(benchmark::State& state)
{
    Fenster f;
    for (auto _ : state) {
        state.PauseTiming();
        f.frisch();
        state.ResumeTiming();
        f.knopf("Command3");
    }
}

// Ctrl+V of 10,000 lines below the middle line: with argument 0 the lines exactly as the editor
// copies them, with 1 as plain text from elsewhere.
void zwischenablage(benchmark::State& state)
{
    Fenster f;
    QMimeData* daten = SkriptText::alsMimeDaten(langesSkript());
    if (state.range(0) == 1)
        daten->removeFormat(SkriptText::mimeTyp());
    QGuiApplication::clipboard()->setMimeData(daten);
    for (auto _ : state) {
        state.PauseTiming();
        f.frisch();
        f.list1->setFocus();
        state.ResumeTiming();
        f.taste(f.list1, Qt::Key_V, {}, Qt::ControlModifier);
    }
    if (f.list1->model()->rowCount() != 2 * Zeilen)
        state.SkipWithError("nothing pasted");
}

} // namespace

BENCHMARK(oeffnen)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(tastendruck)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(einfuegen)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);
BENCHMARK(verschieben)->Unit(benchmark::kMillisecond);
BENCHMARK(loeschen)->Unit(benchmark::kMillisecond);
BENCHMARK(zwischenablage)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    FensterBenchmark umgebung(argc, argv);
    return umgebung.laufen(argc, argv);
}
