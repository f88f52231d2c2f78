// The editor's start beside a bare Qt Widgets window of the same size (leeres_fenster), bare
// and showing one line of text, all started as processes in one run, by turns: from the start of
// the process to its window mapped on the X display (the first MapNotify), and to its first frame
// drawn into it (the first damage). Run under X without a window manager, for instance in xvfb-run.

#include "BenchmarksLaufen.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSize>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <poll.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

namespace {

struct Start
{
    /// Milliseconds from the start of the process; negative when it did not come.
    double gemappt = -1;
    double gezeichnet = -1;
    QSize groesse;
};

/// Sees every top-level window made, mapped and drawn into on the display.
class Anzeige
{
public:
    Anzeige()
    {
        verbindung = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(verbindung))
            return;
        const xcb_query_extension_reply_t* damage =
            xcb_get_extension_data(verbindung, &xcb_damage_id);
        if (!damage || !damage->present)
            return;
        damageEreignis = damage->first_event + XCB_DAMAGE_NOTIFY;
        free(xcb_damage_query_version_reply(verbindung, xcb_damage_query_version(verbindung, 1, 1),
                                            nullptr));
        wurzel = xcb_setup_roots_iterator(xcb_get_setup(verbindung)).data->root;
        const uint32_t maske = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(verbindung, wurzel, XCB_CW_EVENT_MASK, &maske);
        xcb_flush(verbindung);
    }
    ~Anzeige() { xcb_disconnect(verbindung); }
    bool da() const { return wurzel != 0; }

    /// Forgets what came before.
    void leeren()
    {
        while (xcb_generic_event_t* e = xcb_poll_for_event(verbindung))
            free(e);
    }

    /// Waits for the next window a client maps on the root (menus and tooltips aside) and for
    /// the first drawing into it, `ms` at most, timed by `uhr`.
    Start warten(const QElapsedTimer& uhr, int ms)
    {
        Start s;
        xcb_window_t fenster = 0;
        // Every new top-level window is watched from its making on: its first frame may come
        // before its map is seen here.
        QHash<xcb_window_t, double> gezeichnet;
        QList<xcb_damage_damage_t> damages;
        while (s.gezeichnet < 0) {
            while (xcb_generic_event_t* e = xcb_poll_for_event(verbindung)) {
                const double jetzt = uhr.nsecsElapsed() / 1e6;
                const int art = e->response_type & 0x7f;
                if (art == XCB_CREATE_NOTIFY) {
                    const auto* c = reinterpret_cast<xcb_create_notify_event_t*>(e);
                    if (c->parent == wurzel && !c->override_redirect) {
                        damages << xcb_generate_id(verbindung);
                        xcb_damage_create(verbindung, damages.last(), c->window,
                                          XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                        xcb_flush(verbindung);
                    }
                } else if (art == XCB_MAP_NOTIFY && !fenster) {
                    const auto* m = reinterpret_cast<xcb_map_notify_event_t*>(e);
                    if (m->event == wurzel && !m->override_redirect) {
                        fenster = m->window;
                        s.gemappt = jetzt;
                    }
                } else if (art == damageEreignis) {
                    const auto* d = reinterpret_cast<xcb_damage_notify_event_t*>(e);
                    if (!gezeichnet.contains(d->drawable))
                        gezeichnet.insert(d->drawable, jetzt);
                }
                free(e);
                if (fenster && gezeichnet.contains(fenster))
                    s.gezeichnet = gezeichnet.value(fenster);
            }
            const int rest = ms - int(uhr.elapsed());
            if (s.gezeichnet >= 0 || rest <= 0)
                break;
            pollfd p{xcb_get_file_descriptor(verbindung), POLLIN, 0};
            poll(&p, 1, rest);
        }
        if (fenster) {
            xcb_get_geometry_reply_t* g =
                xcb_get_geometry_reply(verbindung, xcb_get_geometry(verbindung, fenster), nullptr);
            if (g)
                s.groesse = QSize(g->width, g->height);
            free(g);
        }
        for (const xcb_damage_damage_t d : std::as_const(damages))
            xcb_damage_destroy(verbindung, d);
        xcb_flush(verbindung);
        return s;
    }

private:
    xcb_connection_t* verbindung;
    xcb_window_t wurzel = 0;
    int damageEreignis = -1;
};

/// Settings, recovery copies and runtime files of the editors started here, apart from the
/// author's.
QProcessEnvironment umgebung()
{
    static QTemporaryDir ordner;
    QProcessEnvironment u = QProcessEnvironment::systemEnvironment();
    u.insert("XDG_CONFIG_HOME", ordner.filePath("config"));
    u.insert("XDG_DATA_HOME", ordner.filePath("data"));
    if (!u.contains("XDG_RUNTIME_DIR")) {
        QDir(ordner.path()).mkdir("runtime");
        QFile::setPermissions(ordner.filePath("runtime"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        u.insert("XDG_RUNTIME_DIR", ordner.filePath("runtime"));
    }
    return u;
}

/// Starts the program, waits ten seconds at most for its first frame, and ends it.
Start starten(Anzeige& anzeige, const QString& programm, const QStringList& argumente)
{
    QProcess p;
    p.setProcessEnvironment(umgebung());
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    anzeige.leeren();
    QElapsedTimer uhr;
    uhr.start();
    p.start(programm, argumente);
    const Start s = anzeige.warten(uhr, 10000);
    p.kill();
    p.waitForFinished();
    return s;
}

double median(std::vector<double> werte)
{
    std::sort(werte.begin(), werte.end());
    return werte.empty() ? 0 : werte[werte.size() / 2];
}

/// Each iteration starts the bare window, the one with a text and the editor once, in turns, so
/// that all meet the same machine. Counters: the medians of each, to the map and to the first
/// frame, and the editor's ratios to both. With `raum` 1, the demo's house is given on the command
/// line.
void start(benchmark::State& state)
{
    // Another build's editor, to compare: TARNHOLM_EDITOR=.../tarnholm-editor bench_start
    const QString editor = qEnvironmentVariableIsEmpty("TARNHOLM_EDITOR")
                               ? QStringLiteral(TARNHOLM_EDITOR)
                               : qEnvironmentVariable("TARNHOLM_EDITOR");
    const QString leer = QStringLiteral(LEERES_FENSTER);
    // One connection for the whole run.
    static Anzeige anzeige;
    if (!anzeige.da()) {
        state.SkipWithError("no X display with DAMAGE: run in xvfb-run");
        return;
    }
    QStringList argumente;
    if (state.range(0))
        argumente << QDir(QFileInfo(editor).path()).filePath("rooms/haus.lsd");
    // Once each before the run: the page cache warm, the editor's size known.
    const Start probe = starten(anzeige, editor, argumente);
    if (probe.gezeichnet < 0 || !probe.groesse.isValid()) {
        state.SkipWithError("the editor showed no window");
        return;
    }
    const QStringList masse{QString::number(probe.groesse.width()),
                            QString::number(probe.groesse.height())};
    starten(anzeige, leer, masse);
    const QStringList mitText = masse + QStringList{QStringLiteral("Tür")};
    std::vector<double> leerMap, leerBild, textMap, textBild, editorMap, editorBild;
    for (auto _ : state) {
        const Start l = starten(anzeige, leer, masse);
        const Start t = starten(anzeige, leer, mitText);
        const Start e = starten(anzeige, editor, argumente);
        if (l.gezeichnet < 0 || t.gezeichnet < 0 || e.gezeichnet < 0) {
            state.SkipWithError("a window was not drawn");
            return;
        }
        leerMap.push_back(l.gemappt);
        leerBild.push_back(l.gezeichnet);
        textMap.push_back(t.gemappt);
        textBild.push_back(t.gezeichnet);
        editorMap.push_back(e.gemappt);
        editorBild.push_back(e.gezeichnet);
        state.SetIterationTime(e.gemappt / 1000);
    }
    state.counters["bare_map_ms"] = median(leerMap);
    state.counters["editor_map_ms"] = median(editorMap);
    state.counters["map_ratio"] = median(editorMap) / median(leerMap);
    state.counters["bare_frame_ms"] = median(leerBild);
    state.counters["editor_frame_ms"] = median(editorBild);
    state.counters["frame_ratio"] = median(editorBild) / median(leerBild);
    // Beside the bare window showing one line of text: the editor's own share of its start.
    state.counters["text_map_ms"] = median(textMap);
    state.counters["text_frame_ms"] = median(textBild);
    state.counters["map_ratio_text"] = median(editorMap) / median(textMap);
    state.counters["frame_ratio_text"] = median(editorBild) / median(textBild);
}

} // namespace

// Three rounds of seven starts each, the rounds by turns with and without a room.
BENCHMARK(start)
    ->ArgNames({"raum", "runde"})
    ->Args({0, 1})
    ->Args({1, 1})
    ->Args({0, 2})
    ->Args({1, 2})
    ->Args({0, 3})
    ->Args({1, 3})
    ->Iterations(7)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    return benchmarksLaufen(argc, argv);
}
