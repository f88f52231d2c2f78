#include "model/DateiName.h"
#include "model/FindeDatei.h"
#include "model/Module1.h"
#include "roomfile/Cp1252.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dateiName()
    {
        const char* const faelle[][2] = {
            {"C:\\x\\hand.cur", "hand.cur"}, {"/home/a/hand.cur", "hand.cur"},
            {"hand.cur", "hand.cur"},        {"a\\b/c.cur", "c.cur"},
            {"a/b\\c.cur", "c.cur"},         {"C:\\x\\", ""}};
        for (const auto& [pfad, name] : faelle)
            QCOMPARE(DateiName(QString::fromLatin1(pfad)), QString::fromLatin1(name));
    }

    void dateienFindenOhneAufGrossschreibungZuAchten()
    {
        QTemporaryDir dir;
        const QString ordner = dir.path() + QLatin1Char('/');
        for (const char* name : {"Baum.BMP", "baum.bmp", "Haus.gif"}) {
            QFile f(ordner + QLatin1String(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QVERIFY(QDir(ordner).mkdir(QStringLiteral("keller.gif")));
        const auto finde = [&](const char* name) {
            const QString pfad = findeDatei(ordner, QString::fromLatin1(name));
            return pfad.isEmpty() ? QString() : pfad.mid(ordner.size());
        };
        QCOMPARE(finde("baum.bmp"), QStringLiteral("baum.bmp")); // the exact name wins
        QCOMPARE(finde("BAUM.bmp"), QStringLiteral("Baum.BMP")); // else the first in byte order
        QCOMPARE(finde("haus.GIF"), QStringLiteral("Haus.gif"));
        QCOMPARE(finde("keller.gif"), QString()); // a folder is no picture
        QCOMPARE(finde("turm.gif"), QString());
        QCOMPARE(finde(""), QString());
        QCOMPARE(finde("../Haus.gif"), QString());

#ifdef Q_OS_UNIX
        // A link counts as what it points to: a broken one is no file, also when listed.
        QVERIFY(QFile::link(ordner + "Haus.gif", ordner + "Link.gif"));
        QVERIFY(QFile::link(ordner + "nirgends.bmp", ordner + "Aa.bmp"));
        QVERIFY(QFile(ordner + "aa.bmp").open(QIODevice::WriteOnly));
        QCOMPARE(finde("link.GIF"), QStringLiteral("Link.gif"));
        QCOMPARE(finde("Aa.bmp"), QStringLiteral("aa.bmp"));
        QCOMPARE(finde("AA.bmp"), QStringLiteral("aa.bmp"));
        QVERIFY(QFile::link(ordner + "nirgends.bmp", ordner + "Tot.bmp"));
        QCOMPARE(finde("tot.bmp"), QString());
#else
        QSKIP("Links need a Unix file system.");
#endif
    }

    void hotSpotsAnfuegenUndEntfernen()
    {
        Module1 m;
        for (int i = 0; i < 3; ++i)
            QCOMPARE(m.neuerHotSpot(10 + i), i);
        QCOMPARE(m.HotSpotMax, 2);
        QCOMPARE(m.HotSpots.size(), 3);
        const HotSpot& neu = m.HotSpots[1];
        QCOMPARE(neu.Name, QStringLiteral("Noname11"));
        QVERIFY(neu.Aktiv);
        QCOMPARE(neu.Aktion, (std::array<bool, 3>{true, false, false}));
        QCOMPARE(neu.Skripte[2].MaxZeile, 0);
        QCOMPARE(neu.Skripte[2].Befehl[0], 16); // "Error"

        m.hotSpotEntfernen(1);
        m.hotSpotEntfernen(-1); // out of range: ignored
        m.hotSpotEntfernen(2);
        QCOMPARE(m.HotSpotMax, 1);
        QCOMPARE(m.HotSpots.size(), 2);
        QCOMPARE(m.HotSpots[1].Name, QStringLiteral("Noname12"));

        m.hotSpotEntfernen(0);
        m.hotSpotEntfernen(0);
        QCOMPARE(m.HotSpotMax, -1);
        QCOMPARE(m.HotSpots.size(), 1); // the model never holds zero elements
        QCOMPARE(m.neuerHotSpot(0), 0);
        QCOMPARE(m.HotSpots.size(), 1);
    }

    void cp1252()
    {
        // Every byte, the five undefined ones too, survives decode and encode.
        QByteArray alle;
        for (int b = 0; b < 256; ++b)
            alle += static_cast<char>(b);
        QCOMPARE(Cp1252::encode(Cp1252::decode(alle)), alle);

        const QString text = QStringLiteral("Größe „€“ Ÿ ž …");
        const QByteArray bytes("Gr\xf6\xdf"
                               "e \x84\x80\x93 \x9f \x9e \x85");
        QCOMPARE(Cp1252::encode(text), bytes);
        QCOMPARE(Cp1252::decode(bytes), text);
        QVERIFY(Cp1252::isStorableText(text));

        QVERIFY(!Cp1252::canEncode(QStringLiteral("Ω")));
        QCOMPARE(Cp1252::encode(QStringLiteral("aΩ")), QByteArray("a?"));
        for (const char* kaputt : {"say \"hi\"", "a\r\nb", "a\tb", "\xc2\x81"}) // last: U+0081
            QVERIFY2(!Cp1252::isStorableText(QString::fromUtf8(kaputt)), kaputt);
    }
};

QTEST_APPLESS_MAIN(TestModel)
#include "tst_model.moc"
