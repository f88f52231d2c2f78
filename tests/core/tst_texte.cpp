// Translations: the PO files, the template of the game's texts, translated games built from them.
#include "OrdnerStand.h"
#include "Programm.h"
#include "TestSpiel.h"
#include "roomfile/ItemSkript.h"
#include "script/Befehlstabelle.h"
#include "spiel/SpielLeser.h"
#include "texte/PoDatei.h"
#include "texte/Spielbau.h"
#include "texte/Spieltexte.h"
#include "texte/Textvorlage.h"

#include <QDateTime>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>

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

using namespace Befehlstabelle;

const QString texte = QStringLiteral(TARNHOLM_TEXTE);

/// A game made for these tests: a text in two rooms, "#" and "$"-codes, SelectCase good and
/// bad, an item script, names that must stay out, an empty text, the translations' folder.
struct GebautesSpiel : TestSpiel
{
    GebautesSpiel()
    {
        Module1 a =
            raumMit(skriptAus({{Print, QStringLiteral("Willkommen.#$3Rot und heiß")},
                               {SetFlag, QStringLiteral("Tür offen")},
                               {Goto, QStringLiteral("b.lsd")}}),
                    {{QStringLiteral("Tür"),
                      skriptAus({{Print, QStringLiteral("Abgeschlossen.")},
                                 {SelectCase, QStringLiteral("2 | Wohin gehst du? | Nach links")},
                                 {Case, QStringLiteral("1")},
                                 {Print, QStringLiteral("Links.")},
                                 {EndSelect, QString()},
                                 {SelectCase, QStringLiteral("Wohin?")},
                                 {PlayWav, QStringLiteral("tuer.wav")}})}},
                    skriptAus({{Print, QString()}}));
        a.HotSpots[0].Skripte[0] = skriptAus({{Print, QStringLiteral("Eine Tür.")}});
        raum(QStringLiteral("a.lsd"), a);
        raum(QStringLiteral("b.lsd"),
             raumMit(skriptAus({{Print, QStringLiteral("Abgeschlossen.")},
                                {Print, QStringLiteral("  ")},
                                {IfItem, QStringLiteral("schluessel.gif")}})));
        datei(QStringLiteral("items/schluessel.gif"), "GIF89a");
        datei(QStringLiteral("items/schluessel0.skp"),
              ItemSkript::schreiben(skriptAus({{Print, QStringLiteral("Ein Schlüssel.")},
                                               {Add, QStringLiteral("schluessel.gif")}})));
        datei(QStringLiteral("graphics/bild.bmp"), "BM bytes");
        datei(QStringLiteral("Tarnholm.exe"), "MZ");
        QFile::setPermissions(pfad(QStringLiteral("Tarnholm.exe")),
                              QFile::permissions(pfad(QStringLiteral("Tarnholm.exe"))) |
                                  QFile::ExeOwner);
        QDir(dir.path()).mkpath(QStringLiteral("uebersetzungen"));
        datei(QStringLiteral("uebersetzungen/spiel.pot"), "msgid \"\"\nmsgstr \"\"\n");
        QFile::link(QStringLiteral("graphics/bild.bmp"), pfad(QStringLiteral("verweis.bmp")));
    }
    Textvorlage vorlage() const { return Textvorlage::aus(SpielLeser::spielLesen(m)); }
};

/// The creation date is the only line that changes from one run to the next.
QByteArray ohneDatum(QByteArray pot)
{
    const qsizetype i = pot.indexOf("\"POT-Creation-Date: ");
    return i < 0 ? pot : pot.replace(i, pot.indexOf('\n', i) - i, "\"POT-Creation-Date: (Datum)\"");
}

bool schreiben(const QString& pfad, const QByteArray& bytes)
{
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

/// A PO file translating every text of `vorlage` with `uebersetzen`.
QByteArray uebersetzt(const Textvorlage& vorlage, QString (*uebersetzen)(const QString&))
{
    PoDatei po;
    po.kopf = QStringLiteral("Language: en\nContent-Type: text/plain; charset=UTF-8\n");
    for (const VorlagenText& t : vorlage.texte) {
        PoEintrag e;
        e.msgid = t.msgid;
        e.msgstr = uebersetzen ? uebersetzen(t.msgid) : QString();
        po.eintraege << e;
    }
    return po.schreiben({}, false);
}

QString englisch(const QString& text)
{
    return QStringLiteral("EN ") + text;
}

/// The room or item script at `pfad` with every text as `uebersetzen` makes it.
Skript erwartet(const Skript& s, QString (*uebersetzen)(const QString&))
{
    Skript t = s;
    for (qint32 z = 0; z <= s.MaxZeile; ++z) {
        const QVector<Textteil> teile = Spieltexte::teile(s.Befehl[z], s.Parameter[z]);
        QStringList neu;
        for (const Textteil& teil : teile) {
            const QString alt = s.Parameter[z].mid(teil.anfang, teil.laenge);
            neu << (alt.trimmed().isEmpty()
                        ? alt
                        : Spieltexte::alsSpieltext(uebersetzen(Spieltexte::alsMsgid(alt))));
        }
        t.Parameter[z] = Spieltexte::ersetzt(s.Parameter[z], teile, neu);
    }
    return t;
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

    void theTemplatesOfTheDemoAndACraftedGameAreTheExpectedFilesAndPassMsgfmt()
    {
        QTemporaryDir ordner;
        const QString demoPot = ordner.filePath(QStringLiteral("demo.pot"));
        QCOMPARE(programmAusgabe(texte,
                                 {QStringLiteral("vorlage"), QStringLiteral("-o"), demoPot,
                                  QStringLiteral(TARNHOLM_DEMO_DIR)},
                                 0),
                 QString());
        const QByteArray demo = TextFile::read(demoPot).value_or(QByteArray());
        QCOMPARE(ohneDatum(demo),
                 TextFile::read(QStringLiteral(TARNHOLM_DATA_DIR "/texte/demo.pot")).value());
        // Run again on the unchanged game: the same bytes but for the date.
        const QString zweite = programmAusgabe(
            texte,
            {QStringLiteral("vorlage"), QStringLiteral("--"), QStringLiteral(TARNHOLM_DEMO_DIR)},
            0);
        QCOMPARE(ohneDatum(zweite.toUtf8()), ohneDatum(demo));

        // Every reference names the file's line of the command code, its parameter below it.
        for (const QString& zeile : QString::fromUtf8(demo).split(QLatin1Char('\n'))) {
            if (!zeile.startsWith(QStringLiteral("#: ")))
                continue;
            const QString datei = zeile.mid(3).section(QLatin1Char(':'), 0, 0);
            const int nummer = zeile.section(QLatin1Char(':'), 2).toInt();
            const QList<QByteArray> zeilen =
                TextFile::read(QStringLiteral(TARNHOLM_DEMO_DIR "/") + datei).value().split('\n');
            QCOMPARE(zeilen.value(nummer - 1).trimmed(), QByteArray("2"));
            QVERIFY(zeilen.value(nummer).startsWith('"'));
        }

        GebautesSpiel spiel;
        const Textvorlage vorlage = spiel.vorlage();
        const QByteArray pot = vorlage.pot(QStringLiteral("gebaut"),
                                           QDateTime(QDate(2026, 1, 2), QTime(3, 4), Qt::UTC));
        QCOMPARE(pot,
                 TextFile::read(QStringLiteral(TARNHOLM_DATA_DIR "/texte/gebaut.pot")).value());
        QCOMPARE(vorlage.warnungen,
                 QStringList{QStringLiteral("rooms/a.lsd: HotSpot „Tür“, Tue, Zeile 6: SelectCase "
                                            "braucht „Anzahl | Frage | Antwort“, nicht „Wohin?“; "
                                            "ausgelassen")});

        for (const auto& [name, bytes] : {std::pair{QStringLiteral("demo.pot"), demo},
                                          std::pair{QStringLiteral("gebaut.pot"), pot}}) {
            QVERIFY(schreiben(ordner.filePath(name), bytes));
            QString meldung;
            QVERIFY2(gettext(QStringLiteral("msgfmt"),
                             {QStringLiteral("--check"), QStringLiteral("-o"),
                              QStringLiteral("/dev/null"), ordner.filePath(name)},
                             &meldung) == 0,
                     qPrintable(meldung));
        }
    }

    void aFullTranslationReplacesExactlyTheTextsAndAnEmptyOneChangesNothing()
    {
        GebautesSpiel spiel;
        const Textvorlage vorlage = spiel.vorlage();
        QTemporaryDir ziele;
        const QString po = ziele.filePath(QStringLiteral("en.po"));
        QVERIFY(schreiben(po, uebersetzt(vorlage, englisch)));
        const QString ziel = ziele.filePath(QStringLiteral("englisch"));
        QCOMPARE(programmAusgabe(
                     texte,
                     {QStringLiteral("bauen"), po, ziel, QStringLiteral("--"), spiel.dir.path()}, 0)
                     .contains(QStringLiteral("7 Texte übersetzt, 0 unübersetzt, 0 ungenau: sie "
                                              "bleiben deutsch\n")),
                 true);

        const OrdnerStand vorher = ordnerStand(spiel.dir.path());
        const OrdnerStand nachher = ordnerStand(ziel);
        QStringList erwarteteDateien = vorher.keys();
        erwarteteDateien.removeAll(QStringLiteral("uebersetzungen/spiel.pot"));
        QCOMPARE(nachher.keys(), erwarteteDateien);
        // The link is copied as the link it is, relative as it was.
        QCOMPARE(QString::fromStdString(std::filesystem::read_symlink(
                                            (ziel + QStringLiteral("/verweis.bmp")).toStdString())
                                            .string()),
                 QStringLiteral("graphics/bild.bmp"));
        QVERIFY(QFileInfo(ziel + QStringLiteral("/Tarnholm.exe")).isExecutable());
        for (const QString& datei : erwarteteDateien) {
            if (datei.endsWith(QStringLiteral(".lsd"))) {
                Module1 alt;
                Module1 neu;
                QVERIFY(RoomFile::lesen(vorher[datei], alt).vollstaendig);
                QVERIFY(RoomFile::lesen(nachher[datei], neu).vollstaendig);
                alt.StartSkript = erwartet(alt.StartSkript, englisch);
                alt.TimerSkript = erwartet(alt.TimerSkript, englisch);
                for (qint32 h = 0; h <= alt.HotSpotMax; ++h)
                    for (Skript& s : alt.HotSpots[h].Skripte)
                        s = erwartet(s, englisch);
                QVERIFY2(RoomFile::gleicherInhalt(alt, neu), qPrintable(datei));
            } else if (datei.endsWith(QStringLiteral(".skp"))) {
                Skript alt;
                Skript neu;
                QVERIFY(ItemSkript::lesen(vorher[datei], alt).vollstaendig);
                QVERIFY(ItemSkript::lesen(nachher[datei], neu).vollstaendig);
                QCOMPARE(neu, erwartet(alt, englisch));
            } else if (datei != QStringLiteral("verweis.bmp")) {
                QCOMPARE(nachher[datei], vorher[datei]);
            }
        }
        Module1 a;
        RoomFile::lesen(nachher[QStringLiteral("rooms/a.lsd")], a);
        QCOMPARE(a.StartSkript.Parameter[0], QStringLiteral("EN Willkommen.#$3Rot und heiß"));
        QCOMPARE(a.HotSpots[0].Skripte[1].Parameter[1],
                 QStringLiteral("2 | EN Wohin gehst du? | EN Nach links"));
        QCOMPARE(a.StartSkript.Parameter[1], QStringLiteral("Tür offen"));

        // Nothing translated: the same game, byte for byte (the target named as a folder).
        QVERIFY(schreiben(po, uebersetzt(vorlage, nullptr)));
        const QString deutsch = ziele.filePath(QStringLiteral("deutsch"));
        QVERIFY(!programmAusgabe(texte,
                                 {QStringLiteral("bauen"), po, deutsch + QLatin1Char('/'),
                                  QStringLiteral("--"), spiel.dir.path()},
                                 0)
                     .startsWith(QLatin1Char('(')));
        OrdnerStand ohne = vorher;
        ohne.remove(QStringLiteral("uebersetzungen/spiel.pot"));
        ohne.remove(QStringLiteral("verweis.bmp"));
        OrdnerStand gebaut = ordnerStand(deutsch);
        QVERIFY(gebaut.remove(QStringLiteral("verweis.bmp")));
        QCOMPARE(gebaut, ohne);
    }

    void refusalsNameTheLineAndLeaveNothingBehind_data()
    {
        QTest::addColumn<QString>("uebersetzung");
        QTest::addColumn<QString>("ziel");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("polish") << QStringLiteral("Zamknięte łódź") << QString()
                                << QStringLiteral(
                                       "en.po:7: „ę“ (U+0119) gibt es in Windows-1252 nicht");
        QTest::newRow("colour") << QStringLiteral("Locked.\n$g green") << QString()
                                << QStringLiteral(
                                       "en.po:7: „$g“ am Zeilenanfang ist kein Farbcode");
        QTest::newRow("quote") << QStringLiteral("\"Locked\"") << QString()
                               << QStringLiteral("en.po:7: Ein gerades Anführungszeichen");
        QTest::newRow("broken") << QStringLiteral("(kaputt)") << QString()
                                << QStringLiteral("en.po:9: Zu diesem msgid fehlt msgstr");
        QTest::newRow("charset") << QStringLiteral("(latin1)") << QString()
                                 << QStringLiteral("en.po:3: Der Zeichensatz „ISO-8859-15“");
        QTest::newRow("exists") << QStringLiteral("Locked.") << QStringLiteral("da")
                                << QStringLiteral("gibt es schon");
        QTest::newRow("inside") << QStringLiteral("Locked.") << QStringLiteral("(im Spiel)")
                                << QStringLiteral("liegt im Spielordner");
    }
    void refusalsNameTheLineAndLeaveNothingBehind()
    {
        QFETCH(QString, uebersetzung);
        QFETCH(QString, ziel);
        QFETCH(QString, meldung);
        GebautesSpiel spiel;
        QTemporaryDir ziele;
        QByteArray po =
            "msgid \"\"\nmsgstr \"\"\n\"Content-Type: text/plain; charset=UTF-8\\n\"\n\n"
            "#, c-format\nmsgid \"Abgeschlossen.\"\nmsgstr \"\"\n";
        if (uebersetzung == QStringLiteral("(kaputt)"))
            po.append("\nmsgid \"x\"\n");
        else if (uebersetzung == QStringLiteral("(latin1)"))
            po.replace("UTF-8", "ISO-8859-15");
        else
            po.replace("Abgeschlossen.\"\nmsgstr \"\"\n",
                       "Abgeschlossen.\"\nmsgstr " +
                           PoDatei::zeichenkette({}, uebersetzung).trimmed() + '\n');
        const QString poPfad = ziele.filePath(QStringLiteral("en.po"));
        QVERIFY(schreiben(poPfad, po));
        QString zielPfad = ziele.filePath(QStringLiteral("englisch"));
        if (ziel == QStringLiteral("da"))
            QVERIFY(QDir().mkdir(zielPfad));
        if (ziel == QStringLiteral("(im Spiel)"))
            zielPfad = spiel.pfad(QStringLiteral("rooms/englisch"));
        const OrdnerStand spielVorher = ordnerStand(spiel.dir.path());
        const QStringList vorher = QDir(ziele.path()).entryList(QDir::AllEntries | QDir::Hidden);

        const QString aus = programmAusgabe(texte,
                                            {QStringLiteral("bauen"), QStringLiteral("en.po"),
                                             zielPfad, QStringLiteral("--"), spiel.dir.path()},
                                            1, ziele.path());
        QVERIFY2(aus.contains(meldung), qPrintable(aus));
        QVERIFY(aus.contains(QStringLiteral("Abgelehnt, nichts geschrieben.")));
        QCOMPARE(QDir(ziele.path()).entryList(QDir::AllEntries | QDir::Hidden), vorher);
        QCOMPARE(ordnerStand(spiel.dir.path()), spielVorher);
    }

    void aStoppedBuildLeavesNothingBehind()
    {
        GebautesSpiel spiel;
        QTemporaryDir ziele;
        const QString poPfad = ziele.filePath(QStringLiteral("en.po"));
        QVERIFY(schreiben(poPfad, "msgid \"\"\nmsgstr \"\"\n\"Content-Type: text/plain; "
                                  "charset=UTF-8\\n\"\n"));
        const QStringList vorher = QDir(ziele.path()).entryList(QDir::AllEntries | QDir::Hidden);
        const std::atomic<bool> gestoppt{true};
        const Spielbau::Ergebnis e =
            Spielbau::bauen(SpielLeser::spielLesen(spiel.m), spiel.dir.path(), poPfad,
                            ziele.filePath(QStringLiteral("englisch")), &gestoppt);
        QCOMPARE(e.art, Spielbau::Ergebnis::Art::Fehler);
        QCOMPARE(e.fehler, QStringLiteral("Der Bau ist abgebrochen"));
        QCOMPARE(QDir(ziele.path()).entryList(QDir::AllEntries | QDir::Hidden), vorher);
    }

    void aTextChangedAfterTranslationComesBackFuzzyFromMsgmergeAndStaysGerman()
    {
        GebautesSpiel spiel;
        QTemporaryDir ziele;
        const QString pot = ziele.filePath(QStringLiteral("spiel.pot"));
        const QString po = ziele.filePath(QStringLiteral("en.po"));
        QVERIFY(schreiben(po, uebersetzt(spiel.vorlage(), englisch)));

        // The game changes: one text reworded, one new.
        Module1 b;
        QVERIFY(RoomFile::lesen(spiel.inhalt(QStringLiteral("rooms/b.lsd")), b).vollstaendig);
        b.StartSkript = skriptAus(
            {{Print, QStringLiteral("Abgeschlossen!")}, {Print, QStringLiteral("Ganz neu hier.")}});
        QVERIFY(spiel.raum(QStringLiteral("b.lsd"), b));
        QCOMPARE(programmAusgabe(texte,
                                 {QStringLiteral("vorlage"), QStringLiteral("-o"), pot,
                                  QStringLiteral("--"), spiel.dir.path()},
                                 1 - 1)
                     .contains(QStringLiteral("(Status")),
                 false);
        QString meldung;
        QVERIFY2(gettext(QStringLiteral("msgmerge"),
                         {QStringLiteral("-q"), QStringLiteral("-U"),
                          QStringLiteral("--backup=off"), po, pot},
                         &meldung) == 0,
                 qPrintable(meldung));
        const auto gemischt = lesen(TextFile::read(po).value());
        QVERIFY(gemischt);
        const auto eintrag = [&](const QString& msgid) {
            for (const PoEintrag& e : gemischt->eintraege)
                if (e.msgid == msgid)
                    return e;
            return PoEintrag();
        };
        QVERIFY(eintrag(QStringLiteral("Abgeschlossen!")).ungenau());
        QVERIFY(eintrag(QStringLiteral("Ganz neu hier.")).msgstr.isEmpty());
        QVERIFY(eintrag(QStringLiteral("Abgeschlossen.")).uebersetzt());

        QCOMPARE(
            programmAusgabe(
                texte, {QStringLiteral("stand"), po, QStringLiteral("--"), spiel.dir.path()}, 0),
            QStringLiteral("7 übersetzt\n1 ungenau\n1 unübersetzt\n0 nicht mehr im Spiel\n"));
        const QString ziel = ziele.filePath(QStringLiteral("englisch"));
        QVERIFY(programmAusgabe(
                    texte,
                    {QStringLiteral("bauen"), po, ziel, QStringLiteral("--"), spiel.dir.path()}, 0)
                    .contains(QStringLiteral("7 Texte übersetzt, 1 unübersetzt, 1 ungenau")));
        Module1 gebaut;
        QVERIFY(
            RoomFile::lesen(TextFile::read(ziel + QStringLiteral("/rooms/b.lsd")).value(), gebaut)
                .vollstaendig);
        QCOMPARE(gebaut.StartSkript.Parameter,
                 (QStringList{QStringLiteral("Abgeschlossen!"), QStringLiteral("Ganz neu hier.")}));
    }
};

QTEST_GUILESS_MAIN(TstTexte)
#include "tst_texte.moc"
