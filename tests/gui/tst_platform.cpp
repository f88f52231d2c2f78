#include "EditorImTest.h"
#include "platform/BildDatei.h"
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
        const auto start = [&](bool windows, const QString& wine) {
            const GameCommand c = GameLauncher::command(exe, room, windows, wine);
            return QStringList(c.program) + c.arguments;
        };
        // Missing: started as it is, and fails quietly.
        QCOMPARE(start(false, "/usr/bin/wine"), QStringList({exe, room}));
        QVERIFY(TextFile::write(exe, QByteArray("MZ\x90\0", 4)));
        QCOMPARE(start(false, "/usr/bin/wine"),
                 QStringList({"/usr/bin/wine", exe, "Z:" + QString(room).replace('/', '\\')}));
        QCOMPARE(start(false, QString()), QStringList({exe, room}));
        QCOMPARE(start(true, "/usr/bin/wine"), QStringList({exe, QDir::toNativeSeparators(room)}));
    }

    void picturesLoadAtTheirPixelsAndLarge()
    {
        QTemporaryDir dir;
        QImage klein(100, 80, QImage::Format_RGB32);
        klein.fill(Qt::red);
        QVERIFY(klein.save(dir.filePath("r@2x.bmp")));
        const QImage r = BildDatei::laden(dir.filePath("r@2x.bmp"));
        QVERIFY(r.size() == QSize(100, 80) && r.devicePixelRatio() == 1.0);

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

    void aBmpThatCannotBeWrittenLeavesWhatWasThere()
    {
        QTemporaryDir dir;
        QImage bild(640, 480, QImage::Format_RGB32);
        bild.fill(Qt::blue);
        const QString alt = dir.filePath("alt.bmp");
        QVERIFY(BildDatei::bmpSchreiben(alt, bild));
        QFile f(alt);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray alteBytes = f.readAll();
        f.close();
        QVERIFY(QDir(dir.path()).mkdir("ordner.bmp"));
        QVERIFY(QFile(dir.filePath("datei")).open(QIODevice::WriteOnly));
        QString fehler;
        for (const QString& ziel : {dir.filePath("ordner.bmp"), dir.filePath("datei/x.bmp")}) {
            fehler.clear();
            QVERIFY(!BildDatei::bmpSchreiben(ziel, bild, &fehler) && !fehler.isEmpty());
        }
        QVERIFY(QFileInfo(dir.filePath("ordner.bmp")).isDir());
        QCOMPARE(QFileInfo(dir.filePath("datei")).size(), 0);
#ifdef Q_OS_UNIX
        bild.fill(Qt::red);
        // Full before the first byte, and full just before the last one, which stays in the
        // save file's buffer until it is committed.
        for (const qint64 platz : {qint64(0), qint64(alteBytes.size() - 10)}) {
            const FileSizeLimit knapp(platz);
            QVERIFY(knapp.active() && !BildDatei::bmpSchreiben(alt, bild));
        }
#endif
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), alteBytes);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList({"alt.bmp", "datei"}));
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
