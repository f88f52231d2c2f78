#include "SkriptAus.h"
#include "git/GitAntworten.h"
#include "model/Module1.h"
#include "roomfile/RoomFile.h"
#include "roomfile/TextFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {

struct Lauf
{
    int status = -1;
    QString aus;
    QString fehler;
    QByteArray roh;
};

// A copy of the demo game in a repository of its own, and git as a team member runs it: no
// configuration of this machine's user, a name for commits.
class Repo
{
public:
    Repo()
    {
        umgebung.insert("HOME", dir.path());
        umgebung.insert("GIT_CONFIG_NOSYSTEM", "1");
        for (const char* wer : {"GIT_AUTHOR", "GIT_COMMITTER"}) {
            umgebung.insert(QString(wer) + "_NAME", "Autorin");
            umgebung.insert(QString(wer) + "_EMAIL", "autorin@example.org");
        }
        spiel = dir.path() + "/spiel";
        for (const char* ordner : {"rooms", "graphics", "sounds", "items", "cursors"}) {
            QDir().mkpath(spiel + "/" + ordner);
            for (const QString& datei :
                 QDir(TARNHOLM_DEMO_DIR "/" + QString(ordner)).entryList(QDir::Files))
                QFile::copy(TARNHOLM_DEMO_DIR "/" + QString(ordner) + "/" + datei,
                            spiel + "/" + ordner + "/" + datei);
        }
    }

    Lauf laufen(const QString& programm, const QStringList& argumente, const QString& ordner = {})
    {
        QProcess p;
        p.setProcessEnvironment(umgebung);
        p.setWorkingDirectory(ordner.isEmpty() ? spiel : ordner);
        p.start(programm, argumente);
        p.waitForFinished(60000);
        const QByteArray aus = p.readAllStandardOutput();
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(aus),
                QString::fromUtf8(p.readAllStandardError()), aus};
    }
    Lauf git(const QStringList& argumente, const QString& ordner = {})
    {
        return laufen("git", argumente, ordner);
    }
    Lauf tarnholmGit(const QStringList& argumente) { return laufen(TARNHOLM_GIT, argumente); }
    bool einrichten()
    {
        return git({"init", "-q", "-b", "main"}).status == 0 &&
               tarnholmGit({"einrichten", "--pruefen", spiel}).status == 0 &&
               git({"add", "-A"}).status == 0 && git({"commit", "-qm", "Spiel"}).status == 0;
    }

    Module1 raum(const QString& name) const
    {
        Module1 m;
        RoomFile::lesen(TextFile::read(spiel + "/rooms/" + name).value_or(""), m);
        return m;
    }
    bool speichern(const QString& name, const Module1& m) const
    {
        return TextFile::write(spiel + "/rooms/" + name, RoomFile::schreiben(m));
    }

    QTemporaryDir dir;
    QString spiel;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
};

HotSpot& hotSpot(Module1& m, const QString& name)
{
    for (qint32 i = 0; i <= m.HotSpotMax; ++i) {
        if (m.HotSpots[i].Name == name)
            return m.HotSpots[i];
    }
    qFatal("no hotspot %s", qPrintable(name));
}

// A branch off main with this room, committed.
bool zweig(Repo& r, const QString& name, const Module1& haus)
{
    return r.git({"checkout", "-q", "-b", name, "main"}).status == 0 &&
           r.speichern("haus.lsd", haus) && r.git({"commit", "-qam", name}).status == 0;
}

} // namespace

class GitTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QProcess git;
        git.start("git", {"--version"});
        if (!git.waitForFinished() || git.exitCode() != 0)
            QSKIP("git is not installed");
    }

    void settingUpNeedsAGameFolderInAWorkTreeAndAddsNothingTwice()
    {
        Repo r;
        Lauf l = r.tarnholmGit({"einrichten", r.dir.path()});
        QCOMPARE(l.status, 2);
        QCOMPARE(l.fehler, QString("tarnholm-git: %1 ist kein Spielordner: Ihm fehlt der "
                                   "Unterordner „rooms“.\n")
                               .arg(QDir::toNativeSeparators(r.dir.path())));
        l = r.tarnholmGit({"einrichten", r.spiel});
        QCOMPARE(l.status, 2);
        QVERIFY2(l.fehler.contains("liegt in keinem Arbeitsbaum von git"), qPrintable(l.fehler));

        QCOMPARE(r.git({"init", "-q", "-b", "main"}).status, 0);
        QVERIFY(TextFile::write(r.spiel + "/.gitattributes",
                                "*.png binary\r\n*.lsd -text diff=tarnholm merge=tarnholm\r\n"));
        l = r.tarnholmGit({"einrichten", r.spiel});
        QCOMPARE(l.status, 0);
        QVERIFY2(l.aus.contains("git config merge.tarnholm.driver"), qPrintable(l.aus));
        const QByteArray attribute = "*.png binary\r\n*.lsd -text diff=tarnholm merge=tarnholm\r\n"
                                     "*.skp -text diff=tarnholm merge=tarnholm\r\n";
        QCOMPARE(TextFile::read(r.spiel + "/.gitattributes").value_or(""), attribute);
        const QString konfiguration = r.git({"config", "--local", "--get-regexp", "tarnholm"}).aus;
        QCOMPARE(r.tarnholmGit({"einrichten", r.spiel}).status, 0);
        QCOMPARE(TextFile::read(r.spiel + "/.gitattributes").value_or(""), attribute);
        QCOMPARE(r.git({"config", "--local", "--get-regexp", "tarnholm"}).aus, konfiguration);
        QCOMPARE(konfiguration.count('\n'), 5);
        QVERIFY(!QFile::exists(r.spiel + "/.git/hooks/pre-commit"));
    }

    void theHookRefusesACommitOfAGameWithFaultsAndAForeignHookStays()
    {
        Repo r;
        QVERIFY(r.einrichten());
        Module1 haus = r.raum("haus.lsd");
        haus.StartSkript = skriptAus({{10, ""}});
        QVERIFY(r.speichern("haus.lsd", haus));
        const Lauf l = r.git({"commit", "-qam", "kaputt"});
        QCOMPARE(l.status, 1);
        QVERIFY2(l.fehler.contains("rooms/haus.lsd:3: Fehler: ") &&
                     l.fehler.contains("der Commit wird abgelehnt"),
                 qPrintable(l.fehler));
        QCOMPARE(r.git({"checkout", "rooms/haus.lsd"}).status, 0);

        Repo fremd;
        QCOMPARE(fremd.git({"init", "-q"}).status, 0);
        QVERIFY(TextFile::write(fremd.spiel + "/.git/hooks/pre-commit", "#!/bin/sh\nexit 0\n"));
        const Lauf e = fremd.tarnholmGit({"einrichten", "--pruefen", fremd.spiel});
        QCOMPARE(e.status, 0);
        QVERIFY2(e.aus.contains("Ein Hook ist schon da und bleibt, wie er ist"), qPrintable(e.aus));
        QCOMPARE(TextFile::read(fremd.spiel + "/.git/hooks/pre-commit").value_or(""),
                 QByteArray("#!/bin/sh\nexit 0\n"));
    }

    void gitDiffShowsAPaintedCellAsOneLineUnderItsHotspot()
    {
        Repo r;
        QVERIFY(r.einrichten());
        Module1 haus = r.raum("haus.lsd");
        hotSpot(haus, "Truhe").Feld[10][3] = true;
        QVERIFY(r.speichern("haus.lsd", haus));
        const QStringList zeilen = r.git({"diff", "-U1"}).aus.split('\n');
        QStringList geaendert;
        for (const QString& z : zeilen) {
            if ((z.startsWith('-') || z.startsWith('+') || z.startsWith("@@")) &&
                !z.startsWith("---") && !z.startsWith("+++"))
                geaendert << z;
        }
        QCOMPARE(geaendert.size(), 3);
        QVERIFY2(geaendert[0].endsWith("@@ „Truhe“: Zellen"), qPrintable(geaendert[0]));
        QCOMPARE(geaendert[1], '-' + QString(64, '.'));
        QCOMPARE(geaendert[2], '+' + QString(64, '.').replace(10, 1, '#'));
    }

    // Two branches paint different cells of the chest, change different lines of the door's
    // script and add a hotspot each: git merges them cleanly into the room both meant.
    void twoBranchesMergeCleanlyAndTheSameLineConflicts()
    {
        Repo r;
        QVERIFY(r.einrichten());
        const Module1 basis = r.raum("haus.lsd");
        Module1 a = basis;
        hotSpot(a, "Truhe").Feld[1][1] = true;
        hotSpot(a, "Tür").Skripte[1].Parameter[0] = "TuerAuf";
        a.HotSpots[a.neuerHotSpot(0)].Name = "Fenster links";
        Module1 b = basis;
        hotSpot(b, "Truhe").Feld[2][2] = true;
        hotSpot(b, "Tür").Skripte[1].Parameter[4] = "Verschlossen.";
        b.HotSpots[b.neuerHotSpot(0)].Name = "Kamin";
        QVERIFY(zweig(r, "a", a) && zweig(r, "b", b));

        const Lauf l = r.git({"merge", "-q", "--no-edit", "a"});
        QCOMPARE(l.status, 0);
        Module1 beide = b;
        hotSpot(beide, "Truhe").Feld[1][1] = true;
        hotSpot(beide, "Tür").Skripte[1].Parameter[0] = "TuerAuf";
        beide.HotSpots[beide.neuerHotSpot(0)].Name = "Fenster links";
        std::swap(beide.HotSpots[beide.HotSpotMax], beide.HotSpots[beide.HotSpotMax - 1]);
        QCOMPARE(TextFile::read(r.spiel + "/rooms/haus.lsd").value_or(""),
                 RoomFile::schreiben(beide));
        QCOMPARE(r.laufen(TARNHOLM_CHECK, {r.spiel}).status, 0);

        Module1 c = basis;
        hotSpot(c, "Tür").Skripte[1].Parameter[0] = "TuerZu";
        QVERIFY(zweig(r, "c", c));
        const Lauf k = r.git({"merge", "--no-edit", "a"});
        QCOMPARE(k.status, 1);
        QVERIFY2(
            k.fehler.contains("rooms/haus.lsd: Konflikt: HotSpot „Tür“, Skript „Tue“, Zeile 1\n"
                              "  unsere (Zeile 1):\n"
                              "    IF TuerZu\n"
                              "  deren (Zeile 1):\n"
                              "    IF TuerAuf\n"),
            qPrintable(k.aus + k.fehler));
        QCOMPARE(r.git({"ls-files", "-u", "rooms/haus.lsd"}).aus.count('\n'), 3);
        // The checker reports the conflict first, as a fault, until it is resolved.
        const Lauf gcc = r.laufen(TARNHOLM_CHECK, {"--format=gcc", r.spiel});
        QCOMPARE(gcc.status, 1);
        QCOMPARE(gcc.aus.section('\n', 0, 0),
                 QString("rooms/haus.lsd: Fehler: Konflikt aus dem Zusammenführen nicht gelöst"));
        QVERIFY(r.laufen(TARNHOLM_CHECK, {r.spiel})
                    .aus.startsWith("Konflikte aus dem Zusammenführen, nicht gelöst:\n"
                                    "  rooms/haus.lsd\nUnbenutzte Bilder:\n"));
        Module1 unsere = c;
        unsere.HotSpots[unsere.neuerHotSpot(0)].Name = "Fenster links";
        hotSpot(unsere, "Truhe").Feld[1][1] = true;
        QCOMPARE(TextFile::read(r.spiel + "/rooms/haus.lsd").value_or(""),
                 RoomFile::schreiben(unsere));
    }

    // An author on Windows with core.autocrlf: git neither checks rooms out nor commits them
    // with other line ends.
    void anAuthorWithAutocrlfKeepsTheRoomsCrLf()
    {
        Repo r;
        QVERIFY(r.einrichten());
        const QString klon = r.dir.path() + "/klon";
        QCOMPARE(r.git({"clone", "-q", "-c", "core.autocrlf=true", r.spiel, klon}).status, 0);
        const QByteArray haus = TextFile::read(r.spiel + "/rooms/haus.lsd").value_or("");
        QCOMPARE(TextFile::read(klon + "/rooms/haus.lsd").value_or(""), haus);
        Module1 m;
        RoomFile::lesen(haus, m);
        m.StartSkript = skriptAus({{2, "Hallo"}});
        QVERIFY(TextFile::write(klon + "/rooms/haus.lsd", RoomFile::schreiben(m)));
        QCOMPARE(r.git({"commit", "-qam", "Windows"}, klon).status, 0);
        QCOMPARE(r.git({"cat-file", "blob", "HEAD:rooms/haus.lsd"}, klon).roh,
                 RoomFile::schreiben(m));
        QVERIFY(RoomFile::schreiben(m).contains("\"Hallo\"\r\n"));
    }

    // The driver writes as a save does: killed at any moment, ours is the old file or the merged
    // one, never half of it.
    void aMergeDriverKilledLeavesOursOldOrMerged()
    {
        QTemporaryDir dir;
        Module1 basis;
        for (int h = 0; h < 200; ++h) {
            HotSpot& spot = basis.HotSpots[basis.neuerHotSpot(h)];
            spot.Skripte[1] = skriptAus({{2, QString("Zeile %1").arg(h)}});
            for (int x = 0; x < HotSpot::Spalten; x += 2)
                spot.Feld[x][h % HotSpot::Zeilen] = true;
        }
        Module1 unsere = basis;
        Module1 deren = basis;
        for (int h = 0; h < 200; h += 2) {
            unsere.HotSpots[h].Feld[1][1] = true;
            deren.HotSpots[h + 1].Cursor = "hand.cur";
        }
        const QString b = dir.filePath("basis"), o = dir.filePath("unsere"),
                      t = dir.filePath("deren");
        QVERIFY(TextFile::write(b, RoomFile::schreiben(basis)) &&
                TextFile::write(t, RoomFile::schreiben(deren)));
        const QByteArray alt = RoomFile::schreiben(unsere);
        QVERIFY(TextFile::write(o, alt));
        QElapsedTimer uhr;
        uhr.start();
        QCOMPARE(QProcess::execute(TARNHOLM_GIT, {"zusammenfuehren", b, o, t, "rooms/a.lsd"}), 0);
        const qint64 dauer = std::max<qint64>(uhr.elapsed(), 5);
        const QByteArray neu = TextFile::read(o).value_or("");
        QVERIFY(neu != alt);
        int mitten = 0;
        for (int runde = 0; runde < 40; ++runde) {
            QVERIFY(TextFile::write(o, alt));
            QProcess p;
            p.start(TARNHOLM_GIT, {"zusammenfuehren", b, o, t, "rooms/a.lsd"});
            QVERIFY(p.waitForStarted());
            QThread::msleep(QRandomGenerator::global()->bounded(dauer + 1));
            p.kill();
            p.waitForFinished();
            const QByteArray jetzt = TextFile::read(o).value_or("");
            QVERIFY2(jetzt == alt || jetzt == neu, qPrintable(QString("Runde %1").arg(runde)));
            mitten += p.exitStatus() == QProcess::CrashExit ? 1 : 0;
        }
        QVERIFY(mitten > 0);
    }

    void gitsAnswersAreReadOnlyInTheirOwnForm()
    {
        // As git writes them: a path with a blank, an umlaut and quotes, unquoted with -z.
        const QByteArray blob = "696e4b4a9a684c2b07a739d6a341028d17bdc4aa";
        const QByteArray echt = "100644 " + blob + " 1\trooms/\"a\" T\xc3\xbcr.lsd" +
                                QByteArray(1, '\0') + "100644 " + blob + " 3\trooms/b.lsd" +
                                QByteArray(1, '\0');
        const QVector<GitAntworten::Konflikteintrag> k = GitAntworten::konflikte(echt);
        QCOMPARE(k.size(), 2);
        QCOMPARE(k[0].pfad, QString("rooms/\"a\" Tür.lsd"));
        QCOMPARE(std::pair(k[0].blob, k[0].stufe), std::pair(blob, 1));
        QCOMPARE(k[1].stufe, 3);
        // The object name goes to "git cat-file" as an argument: an option there, or any other
        // stage or form, is passed over.
        for (const QByteArray& falsch : QList<QByteArray>{
                 "100644 --output=x 1\trooms/a.lsd", "100644 " + blob + " 4\trooms/a.lsd",
                 "100644 " + blob + " 2 \trooms/a.lsd",
                 "100644 " + blob.toUpper() + " 2\trooms/a.lsd",
                 "1x0644 " + blob + " 2\trooms/a.lsd", "100644 " + blob + " 2\t",
                 "100644 " + blob + " 2 rooms/a.lsd"})
            QVERIFY2(GitAntworten::konflikte(falsch).isEmpty(), falsch.constData());

        // A folder may end in a blank; a second line or nothing at all is no path.
        QCOMPARE(GitAntworten::pfad("Haken mit Leerzeichen \n"), "Haken mit Leerzeichen ");
        QCOMPARE(GitAntworten::pfad("/spiel/.git\r\n"), "/spiel/.git");
        QVERIFY(GitAntworten::pfad("").isNull());
        QVERIFY(GitAntworten::pfad("\n").isNull());
        QVERIFY(GitAntworten::pfad("a\nb\n").isNull());
        QCOMPARE(GitAntworten::wahrheit("true\n"), true);
        QCOMPARE(GitAntworten::wahrheit("false\n"), false);
        QCOMPARE(GitAntworten::wahrheit("true\ntrue\n"), std::nullopt);
        QCOMPARE(GitAntworten::wahrheit("wahr"), std::nullopt);
    }

    void textReadsStandardInputAndSaysWhatCannotBeOpened()
    {
        Repo r;
        QProcess p;
        p.start(TARNHOLM_GIT, {"text", "-"});
        p.write("1\r\n2\r\n\"Hallo\"\r\n5\r\n\"bild.bmp\"\r\n");
        p.closeWriteChannel();
        QVERIFY(p.waitForFinished());
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(p.readAllStandardOutput(), QByteArray("Print Hallo\nLoadPic bild.bmp\n"));
        const Lauf l = r.tarnholmGit({"text", r.spiel + "/rooms/fehlt.lsd"});
        QCOMPARE(l.status, 2);
        QCOMPARE(l.fehler, QString("tarnholm-git: %1 kann nicht geöffnet werden.\n")
                               .arg(QDir::toNativeSeparators(r.spiel + "/rooms/fehlt.lsd")));
    }
};

QTEST_GUILESS_MAIN(GitTest)
#include "tst_git.moc"
