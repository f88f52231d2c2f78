#include "platform/Desktop.h"
#include "platform/GameLauncher.h"
#include "platform/StorableTextValidator.h"

#include <QFile>
#include <QTemporaryDir>
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
    }
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
