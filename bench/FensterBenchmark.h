#pragma once

// What the benchmarks of windows share: a desktop that never waits, and an offscreen
// application with the editor's look.

#include "BenchmarksLaufen.h"
#include "platform/Desktop.h"
#include "platform/Look.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <ctime>

/// Answers every file dialog with `datei` and every message with OK; a modal window is shown
/// and handed back at once.
class StillerDesktop : public Desktop
{
public:
    QString datei;

    QString chooseFile(QWidget*, const FileRequest&) override { return datei; }
    QMessageBox::StandardButton message(QWidget*, const MessageRequest&) override
    {
        return QMessageBox::Ok;
    }
    QString askText(QWidget*, const TextRequest&) override { return QString(); }
    void showModal(QDialog& dialog) override
    {
        dialog.show();
        QCoreApplication::processEvents();
    }
    DesktopResult startProgram(const QString&, const QStringList&) override { return {}; }
    DesktopResult openFolder(const QString&) override { return {}; }
    bool moveToTrash(const QString&) override { return false; }
    GitProgramm& git() override { return gitProgramm; }
    GitProgramm gitProgramm;
    GettextProgramm& gettext() override { return gettextProgramm; }
    GettextProgramm gettextProgramm;
};

/// Offscreen unless a platform is asked for; set before the application is made.
struct Offscreen
{
    Offscreen()
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }
};

/// The application the windows need.
class FensterBenchmark : Offscreen
{
public:
    FensterBenchmark(int& argc, char** argv) : app(argc, argv) { applyEditorLook(); }

    /// Runs the registered benchmarks.
    int laufen(int argc, char** argv) { return benchmarksLaufen(argc, argv); }

private:
    QApplication app;
};

/// Runs the event loop until `sender` emits `signal`; false after a minute without.
template <typename Sender, typename Signal> bool warten(Sender* sender, Signal signal)
{
    QEventLoop schleife;
    bool gekommen = false;
    const auto verbindung = QObject::connect(sender, signal, &schleife, [&] {
        gekommen = true;
        schleife.quit();
    });
    QTimer::singleShot(60000, &schleife, &QEventLoop::quit);
    schleife.exec();
    QObject::disconnect(verbindung);
    return gekommen;
}

/// The longest time the window's event loop did not get round to a timer due every
/// millisecond, while it runs; and the most the window's thread itself worked in one such
/// wait: on a machine busy with other work the first can be longer than what the window did.
/// With LUECKEN set, every wait over 4 ms is printed.
class Stillstand
{
public:
    Stillstand()
    {
        takt.setInterval(1);
        QObject::connect(&takt, &QTimer::timeout, [this] { merken(); });
        uhr.start();
    }
    void anfangen()
    {
        zuletzt = uhr.nsecsElapsed();
        zuletztGearbeitet = gearbeitet();
        takt.start();
    }
    /// The last stretch after the final tick counts too.
    void aufhoeren()
    {
        merken();
        takt.stop();
    }
    double laengste = 0;
    double laengsteArbeit = 0;

private:
    /// The window's thread's own time, where the system tells it.
    static qint64 gearbeitet()
    {
#ifdef Q_OS_UNIX
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
#else
        return 0;
#endif
    }
    void merken()
    {
        const qint64 jetzt = uhr.nsecsElapsed();
        const qint64 arbeit = gearbeitet();
        const double luecke = (jetzt - zuletzt) / 1e6;
        const double darin = (arbeit - zuletztGearbeitet) / 1e6;
        if (luecke > 4 && qEnvironmentVariableIsSet("LUECKEN"))
            fprintf(stderr, "gap %.1f ms (%.1f ms working)\n", luecke, darin);
        laengste = std::max(laengste, luecke);
        laengsteArbeit = std::max(laengsteArbeit, darin);
        zuletzt = jetzt;
        zuletztGearbeitet = arbeit;
    }
    QElapsedTimer uhr;
    QTimer takt;
    qint64 zuletzt = 0;
    qint64 zuletztGearbeitet = 0;
};
