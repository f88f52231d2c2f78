#include "EditorImTest.h"
#include "platform/BildDatei.h"
#include "platform/ErstesBild.h"
#include "platform/GameLauncher.h"
#include "platform/StorableTextValidator.h"

class TestPlatform : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void filtersInQtsFormAndTheGameNativelyOrThroughWine()
    {
        QCOMPARE(qtNameFilter("Icon-Dateien|*.ico;*.cur;*.ani"),
                 QString("Icon-Dateien (*.ico *.cur *.ani)"));
        QTemporaryDir dir;
        const QString exe = dir.filePath("Tarnholm.exe"), room = dir.filePath("rooms/wald.lsd");
        const auto start = [&](bool windows) {
            const GameCommand c = GameLauncher::command(exe, room, windows);
            return QStringList(c.program) + c.arguments;
        };
        // Missing, or built for this system: started as it is, and the start tells.
        QCOMPARE(start(false), QStringList({exe, room}));
        QVERIFY(TextFile::write(exe, QByteArray("MZ\x90\0", 4)));
        QCOMPARE(start(false), QStringList({"wine", exe, "Z:" + QString(room).replace('/', '\\')}));
        QCOMPARE(start(true), QStringList({exe, QDir::toNativeSeparators(room)}));
    }

#ifdef Q_OS_UNIX
    void theDesktopTellsAMissingGameOrCommandAndTheSystemsReason()
    {
        using Kind = DesktopResult::Kind;
        QtDesktop desktop;
        QTemporaryDir dir;
        const QString spiel = dir.filePath("Tarnholm.exe");
        const auto was = [](const DesktopResult& r) {
            return QString::number(int(r.kind)) + r.subject;
        };
        QCOMPARE(was(desktop.startProgram(spiel, {})), was({Kind::Missing, spiel, {}}));
        QCOMPARE(was(desktop.startProgram("tarnholm-kein-befehl", {})),
                 was({Kind::CommandMissing, "tarnholm-kein-befehl", {}}));
        QCOMPARE(was(desktop.openFolder(dir.filePath("weg"))),
                 was({Kind::Missing, dir.filePath("weg"), {}}));

        // Not executable, even for root; then a stand-in game that notes its arguments.
        QVERIFY(TextFile::write(spiel, "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.txt\"\n"));
        const DesktopResult verweigert = desktop.startProgram(spiel, {"a"});
        QCOMPARE(was(verweigert), was({Kind::Refused, spiel, {}}));
        QVERIFY2(!verweigert.reason.isEmpty() && !verweigert.reason.contains("exec"),
                 qPrintable(verweigert.reason));
        QVERIFY(QFile::setPermissions(spiel, QFile::permissions(spiel) | QFile::ExeOwner));
        QVERIFY(desktop.startProgram(spiel, {"rooms/a b.lsd", "c"}).done());
        QTRY_COMPARE(TextFile::read(spiel + ".txt").value_or(""), QByteArray("rooms/a b.lsd\nc\n"));
    }
#endif

    void picturesLoadAtTheirPixelsAndLarge()
    {
        QTemporaryDir dir;
        QImage klein(100, 80, QImage::Format_RGB32);
        klein.fill(Qt::red);
        QVERIFY(klein.save(dir.filePath("r@2x.bmp")));
        const QImage r = BildDatei::laden(dir.filePath("r@2x.bmp"));
        QVERIFY(r.size() == QSize(100, 80) && r.devicePixelRatio() == 1.0);
        // The content decides, whatever the name says.
        for (const char* format : {"PNG", "JPEG", "GIF"}) {
            const QString falsch = dir.filePath(QStringLiteral("%1.bmp").arg(format));
            if (!klein.save(falsch, format))
                continue;
            QCOMPARE(BildDatei::laden(falsch).size(), QSize(100, 80));
            QCOMPARE(BildDatei::vorschau(falsch, {50, 40}).size(), QSize(50, 40));
        }

        // A header for 6000 x 6000 pixels of 24 bits: 144 MB decoded, above Qt's own limit.
        QFile gross(dir.filePath("gross.bmp"));
        QVERIFY(gross.open(QIODevice::WriteOnly));
        gross.write(
            QByteArray::fromHex("424d36f36f060000000036000000280000007017000070170000"
                                "010018000000000000f36f06130b0000130b00000000000000000000"));
        QVERIFY(gross.resize(54 + 6000 * 6000 * 3));
        gross.close();
        QString fehler;
        QCOMPARE(BildDatei::laden(gross.fileName(), &fehler).size(), QSize(6000, 6000));
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
    }

    void workAfterTheFirstFrameWaitsForThatFrame()
    {
        struct Fenster : QWidget
        {
            int bilder = 0;
            void paintEvent(QPaintEvent*) override { ++bilder; }
        } fenster;
        fenster.resize(200, 100);
        int bilderDavor = -1;
        fenster.show();
        ErstesBild::danach(fenster, [&] { bilderDavor = fenster.bilder; });
        QCOMPARE(bilderDavor, -1);
        QTRY_VERIFY(bilderDavor != -1);
        QVERIFY(bilderDavor > 0);
        // Drawn already, or never shown: nothing to wait for, but never inside the call.
        QWidget nieGezeigt;
        for (QWidget* w : {static_cast<QWidget*>(&fenster), &nieGezeigt}) {
            bool gelaufen = false;
            ErstesBild::danach(*w, [&] { gelaufen = true; });
            QVERIFY(!gelaufen);
            QTRY_VERIFY(gelaufen);
        }
    }

    void storableTextRefusesWhatAFileCannotHold()
    {
        StorableTextValidator name(false), cursor(true);
        int pos = 0;
        for (QString ok : {"Tür, alt ", "Münze € „x“", ""})
            QCOMPARE(name.validate(ok, pos), QValidator::Acceptable);
        QString path = "/home/\u2603/cursors/hand.cur";
        QCOMPARE(cursor.validate(path, pos), QValidator::Acceptable);
        QCOMPARE(name.validate(path, pos), QValidator::Invalid);
    }
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
