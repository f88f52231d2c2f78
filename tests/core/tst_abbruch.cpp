#include "GrosseDateien.h"
#include "roomfile/TextFile.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <random>

// A save killed at any moment leaves the whole old or the whole new file.
class TestAbbruch : public QObject
{
    Q_OBJECT

    static void abbrechen(const char* art, const QByteArray& alt, const QByteArray& neu, int mal)
    {
        QTemporaryDir dir;
        const QString ziel = dir.filePath(QStringLiteral("ziel"));
        QVERIFY(TextFile::write(ziel, alt));
        std::mt19937 zufall(4711);
        int gesehen[2] = {0, 0};
        for (int runde = 0; runde < mal; ++runde) {
            QProcess helfer;
            helfer.start(QStringLiteral(TARNHOLM_SCHREIBSCHLEIFE), {QLatin1String(art), ziel});
            QVERIFY(helfer.waitForReadyRead(10000));
            QThread::usleep(std::uniform_int_distribution<int>(0, 20000)(zufall));
            helfer.kill(); // SIGKILL; on Windows TerminateProcess, as sudden
            QVERIFY(helfer.waitForFinished(10000));
            QCOMPARE(helfer.exitStatus(), QProcess::CrashExit); // killed, not ended early
            const std::optional<QByteArray> bytes = TextFile::read(ziel);
            QVERIFY(bytes);
            if (*bytes != alt && *bytes != neu)
                QFAIL(qPrintable(QStringLiteral("round %1: %2 bytes, neither version")
                                     .arg(runde)
                                     .arg(bytes->size())));
            ++gesehen[*bytes == neu];
        }
        // Kills landed on both sides of a save, or the test showed nothing.
        QVERIFY2(gesehen[0] > 0 && gesehen[1] > 0,
                 qPrintable(QStringLiteral("%1 old, %2 new").arg(gesehen[0]).arg(gesehen[1])));
    }

private Q_SLOTS:
    void einGetoetetesSpeichernLaesstAltOderNeu()
    {
        abbrechen("raum", grosserRaum(0), grosserRaum(1), 200);
        abbrechen("skript", grossesSkript(0), grossesSkript(1), 100);
    }
};

QTEST_APPLESS_MAIN(TestAbbruch)
#include "tst_abbruch.moc"
