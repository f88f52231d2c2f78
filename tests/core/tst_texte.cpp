// Translations: the PO files, the template of the game's texts, translated games built from them.
#include "texte/PoDatei.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

std::optional<PoDatei> lesen(const QByteArray& bytes, PoFehler* fehler = nullptr)
{
    PoFehler f;
    std::optional<PoDatei> po = PoDatei::lesen(bytes, f);
    if (fehler)
        *fehler = f;
    return po;
}

/// Runs a gettext program; its exit code, and what it said.
int gettext(const QString& programm, const QStringList& argumente, QString* ausgabe = nullptr)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(programm, argumente);
    p.waitForFinished(30000);
    if (ausgabe)
        *ausgabe = QString::fromUtf8(p.readAll());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

} // namespace

class TstTexte : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("msgfmt")).isEmpty())
            QSKIP("gettext is not installed (scripts/install-deps.sh installs it)");
    }

    void poFilesReadWhatGettextsToolsWrite()
    {
        const QByteArray bytes = "\xEF\xBB\xBF# Translator\n"
                                 "msgid \"\"\n"
                                 "msgstr \"\"\n"
                                 "\"Content-Type: text/plain; charset=UTF-8\\n\"\n"
                                 "\n"
                                 "#. rooms/a.lsd: Startskript, Zeile 1\n"
                                 "#: rooms/a.lsd:7 items/b0.skp:2\n"
                                 "#, fuzzy, c-format\n"
                                 "#| msgid \"alt\"\n"
                                 "msgid \"\"\n"
                                 "\"Zeile 1\\n\"\n"
                                 "\"Zeile \\\"2\\\"\\t\\\\\\x41\\102\"\n"
                                 "msgstr \"Line\"\r\n"
                                 "\n"
                                 "msgctxt \"Raum\"\n"
                                 "msgid \"Tür\"\n"
                                 "msgstr \"door\"\n"
                                 "#~ msgid \"weg\"\n"
                                 "#~ msgstr \"gone\"\n";
        PoFehler f;
        const auto po = lesen(bytes, &f);
        QVERIFY2(po, qPrintable(f.text));
        QVERIFY(po->kopf.contains(QStringLiteral("charset=UTF-8")));
        QCOMPARE(po->eintraege.size(), 2);
        const PoEintrag& e = po->eintraege[0];
        QCOMPARE(e.msgid, QStringLiteral("Zeile 1\nZeile \"2\"\t\\AB"));
        QCOMPARE(e.msgstr, QStringLiteral("Line"));
        QCOMPARE(e.flags, (QStringList{QStringLiteral("fuzzy"), QStringLiteral("c-format")}));
        QVERIFY(e.ungenau() && !e.uebersetzt());
        QCOMPARE(e.referenzen,
                 (QStringList{QStringLiteral("rooms/a.lsd:7"), QStringLiteral("items/b0.skp:2")}));
        QCOMPARE(e.kommentare, QStringList{QStringLiteral("rooms/a.lsd: Startskript, Zeile 1")});
        QCOMPARE(e.zeile, 10);
        QCOMPARE(e.msgstrZeile, 13);
        QCOMPARE(po->eintraege[1].kontext, std::optional(QStringLiteral("Raum")));
        QVERIFY(po->eintraege[1].uebersetzt());

        // Written and read again, every message is the same, and gettext takes the file.
        const QByteArray geschrieben = po->schreiben({QStringLiteral("Kopf")}, false);
        const auto wieder = lesen(geschrieben);
        QVERIFY(wieder);
        QCOMPARE(wieder->eintraege.size(), 2);
        QCOMPARE(wieder->eintraege[0].msgid, e.msgid);
        QCOMPARE(wieder->eintraege[0].flags, e.flags);
        QCOMPARE(wieder->eintraege[1].kontext, po->eintraege[1].kontext);
        QTemporaryDir ordner;
        QFile datei(ordner.filePath(QStringLiteral("x.po")));
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.write(geschrieben);
        datei.close();
        QString meldung;
        QCOMPARE(gettext(QStringLiteral("msgcat"),
                         {datei.fileName(), QStringLiteral("-o"),
                          ordner.filePath(QStringLiteral("y.po"))},
                         &meldung),
                 0);
    }

    void poFilesThatCannotBeReadAreRefusedWithTheirLine_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("zeile");
        QTest::addColumn<QString>("grund");
        QTest::newRow("plural") << QByteArray("msgid \"a\"\nmsgid_plural \"as\"\nmsgstr[0] \"\"\n")
                                << 2 << QStringLiteral("Mehrzahlformen");
        QTest::newRow("latin1") << QByteArray(
                                       "msgid \"\"\nmsgstr \"\"\n\"Project-Id-Version: x\\n\"\n"
                                       "\"Content-Type: text/plain; charset=ISO-8859-1\\n\"\n\n"
                                       "msgid \"T\xfcr\"\nmsgstr \"\"\n")
                                << 4 << QStringLiteral("ISO-8859-1");
        QTest::newRow("not utf-8")
            << QByteArray("msgid \"T\xfcr\"\nmsgstr \"\"\n") << 1 << QStringLiteral("UTF-8");
        QTest::newRow("open quote")
            << QByteArray("msgid \"a\nmsgstr \"\"\n") << 1 << QStringLiteral("Anführungszeichen");
        QTest::newRow("no msgstr") << QByteArray("msgid \"a\"\n\nmsgid \"b\"\nmsgstr \"\"\n") << 3
                                   << QStringLiteral("msgstr");
        QTest::newRow("twice") << QByteArray("msgid \"a\"\nmsgstr \"\"\n\nmsgid \"a\"\nmsgstr "
                                             "\"\"\n")
                               << 4 << QStringLiteral("Zeile 1");
        QTest::newRow("escape") << QByteArray("msgid \"a\\q\"\nmsgstr \"\"\n") << 1
                                << QStringLiteral("\\q");
        QTest::newRow("stray") << QByteArray("msgid \"a\"\nmsgstr \"\"\nhallo\n") << 3
                               << QStringLiteral("kein Teil");
    }
    void poFilesThatCannotBeReadAreRefusedWithTheirLine()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, zeile);
        QFETCH(QString, grund);
        PoFehler f;
        QVERIFY(!lesen(bytes, &f));
        QCOMPARE(f.zeile, zeile);
        QVERIFY2(f.text.contains(grund), qPrintable(f.text));
    }
};

QTEST_GUILESS_MAIN(TstTexte)
#include "tst_texte.moc"
