#include "RaumRegeln.h"
#include "model/DateiName.h"
#include "model/FindeDatei.h"
#include "roomfile/Cp1252.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aFileNameIsTheLastPartOfEitherKindOfPath()
    {
        for (const char* pfad : {"c.cur", "a\\b/c.cur", "a/b\\c.cur"})
            QCOMPARE(DateiName(QString::fromLatin1(pfad)), QStringLiteral("c.cur"));
    }

#ifdef Q_OS_UNIX // links
    void filesAreFoundInAnyLetterCase()
    {
        QTemporaryDir dir;
        const QString ordner = dir.path() + QLatin1Char('/');
        for (const char* name : {"Baum.BMP", "baum.bmp", "Haus.gif", "aa.bmp"})
            QVERIFY(QFile(ordner + QLatin1String(name)).open(QIODevice::WriteOnly));
        QVERIFY(QDir(ordner).mkdir(QStringLiteral("keller.gif")));
        QVERIFY(QFile::link(ordner + "Haus.gif", ordner + "Link.gif"));
        QVERIFY(QFile::link(ordner + "nirgends.bmp", ordner + "Aa.bmp"));
        // The exact name wins, else the first in byte order. A link counts as what it points
        // to: a broken one is no file, also when listed, and neither is a folder.
        const char* const faelle[][2] = {{"baum.bmp", "baum.bmp"}, {"BAUM.bmp", "Baum.BMP"},
                                         {"link.GIF", "Link.gif"}, {"Aa.bmp", "aa.bmp"},
                                         {"AA.bmp", "aa.bmp"},     {"keller.gif", ""}};
        for (const auto& [name, gefunden] : faelle)
            QCOMPARE(findeDatei(ordner, QString::fromLatin1(name)).mid(ordner.size()),
                     QString::fromLatin1(gefunden));
    }
#endif

    void hotspotsAreAddedAndRemovedKeepingTheRules()
    {
        Module1 m;
        for (int i = 0; i < 3; ++i)
            QCOMPARE(m.neuerHotSpot(10 + i), i);
        const HotSpot& neu = m.HotSpots[1];
        QVERIFY(neu.Name == QStringLiteral("Noname11") && neu.Aktiv &&
                neu.Aktion == (std::array<bool, 3>{true, false, false}));
        QVERIFY(neu.Skripte[2].MaxZeile == 0 && neu.Skripte[2].Befehl[0] == 16); // "Error"
        for (const int i : {1, -1, 2}) // out of range: ignored
            m.hotSpotEntfernen(i);
        QVERIFY(m.HotSpotMax == 1 && m.HotSpots[1].Name == QStringLiteral("Noname12"));
        m.hotSpotEntfernen(0);
        m.hotSpotEntfernen(0);
        QCOMPARE(m.HotSpotMax, -1);
        QCOMPARE(verletzteRegel(m), QString()); // one blank element stays
        QVERIFY(m.neuerHotSpot(0) == 0 && verletzteRegel(m).isEmpty());
    }

    void windows1252TextSurvivesAndWhatItCannotHoldIsRefused()
    {
        // Every byte, the five undefined ones too, survives decode and encode.
        QByteArray alle;
        for (int b = 0; b < 256; ++b)
            alle += static_cast<char>(b);
        QCOMPARE(Cp1252::encode(Cp1252::decode(alle)), alle);

        const QString text = QStringLiteral("Maß „€“ Ÿ ž …");
        const QByteArray bytes("Ma\xdf \x84\x80\x93 \x9f \x9e \x85");
        QCOMPARE(Cp1252::encode(text), bytes);
        QCOMPARE(Cp1252::decode(bytes), text);
        QVERIFY(Cp1252::isStorableText(text) && !Cp1252::canEncode(QStringLiteral("Ω")));
        QCOMPARE(Cp1252::encode(QStringLiteral("aΩ")), QByteArray("a?"));
        for (const char* kaputt : {"say \"hi\"", "a\tb", "\xc2\x81", "\xce\xa9"}) // U+0081, Ω
            QVERIFY2(!Cp1252::isStorableText(QString::fromUtf8(kaputt)), kaputt);
    }
};

QTEST_APPLESS_MAIN(TestModel)
#include "tst_model.moc"
