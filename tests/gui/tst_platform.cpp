#include "platform/BildDatei.h"
#include "platform/Desktop.h"
#include "platform/GameLauncher.h"
#include "platform/StorableTextValidator.h"

#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QToolTip>
#include <QtTest>

class TestPlatform : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void filtersAreWrittenInQtsForm()
    {
        QCOMPARE(qtNameFilter("HotSpot-Dateien|*.lsd"), QString("HotSpot-Dateien (*.lsd)"));
        QCOMPARE(qtNameFilter("Icon-Dateien|*.ico;*.cur;*.ani"),
                 QString("Icon-Dateien (*.ico *.cur *.ani)"));
    }

    void theGameRunsNativelyOrThroughWine()
    {
        QTemporaryDir dir;
        const QString exe = dir.filePath("Tarnholm.exe");
        const QString room = dir.filePath("rooms/wald.lsd");

        GameCommand c = GameLauncher::command(exe, room, false, "/usr/bin/wine");
        QCOMPARE(c.program, exe); // missing: started as it is, and fails quietly
        QCOMPARE(c.arguments, QStringList({room}));

        QFile f(exe);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("MZ\x90\0", 4);
        f.close();
        c = GameLauncher::command(exe, room, false, "/usr/bin/wine");
        QCOMPARE(c.program, QString("/usr/bin/wine"));
        QCOMPARE(c.arguments.size(), 2);
        QCOMPARE(c.arguments[0], exe);
        QCOMPARE(c.arguments[1], "Z:" + QString(room).replace('/', '\\'));

        c = GameLauncher::command(exe, room, false, QString());
        QCOMPARE(c.program, exe);

        c = GameLauncher::command("C:/Spiel/Tarnholm.exe", "C:/Spiel/rooms/a.lsd", true,
                                  "/usr/bin/wine");
        QCOMPARE(c.program, QString("C:/Spiel/Tarnholm.exe"));
        QCOMPARE(c.arguments, QStringList({QDir::toNativeSeparators("C:/Spiel/rooms/a.lsd")}));
    }

    void picturesLoadAtTheirPixelsAndLarge()
    {
        QTemporaryDir dir;
        QImage klein(100, 80, QImage::Format_RGB32);
        klein.fill(Qt::red);
        QVERIFY(klein.save(dir.filePath("r@2x.bmp")));
        const QImage r = BildDatei::laden(dir.filePath("r@2x.bmp"));
        QCOMPARE(r.size(), QSize(100, 80));
        QCOMPARE(r.devicePixelRatio(), 1.0);

        // 6000 x 6000 pixels of 24 bits, all black: 144 MB decoded, above Qt's own limit.
        QFile gross(dir.filePath("gross.bmp"));
        QVERIFY(gross.open(QIODevice::WriteOnly));
        QDataStream s(&gross);
        s.setByteOrder(QDataStream::LittleEndian);
        const quint32 daten = 6000 * 6000 * 3;
        s.writeRawData("BM", 2);
        s << quint32(54 + daten) << quint32(0) << quint32(54) << quint32(40) << qint32(6000)
          << qint32(6000) << quint16(1) << quint16(24) << quint32(0) << daten << qint32(2835)
          << qint32(2835) << quint32(0) << quint32(0);
        QVERIFY(gross.resize(54 + daten));
        gross.close();
        QString fehler;
        QCOMPARE(BildDatei::laden(gross.fileName(), &fehler).size(), QSize(6000, 6000));
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
    }

    void storableTextRefusesWhatAFileCannotHold()
    {
        StorableTextValidator name(false);
        StorableTextValidator cursor(true);
        int pos = 0;
        for (QString ok : {"Tür, alt ", "Münze € „x“", ""})
            QCOMPARE(name.validate(ok, pos), QValidator::Acceptable);
        for (QString bad : {"a\"b", "a\nb", "a\tb", "Schneemann \u2603", "\u0081"})
            QCOMPARE(name.validate(bad, pos), QValidator::Invalid);
        QString path = "/home/\u2603/cursors/hand.cur";
        QCOMPARE(cursor.validate(path, pos), QValidator::Acceptable);
        QCOMPARE(name.validate(path, pos), QValidator::Invalid);

        // A refused tab is named in what the box then says.
        QLineEdit box;
        StorableTextValidator::attach(&box, false);
        box.show();
        box.insert("a\tb");
        QCOMPARE(box.text(), QString());
        QVERIFY(QToolTip::text().contains("Steuerzeichen (etwa Tabulatoren)"));
    }
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
