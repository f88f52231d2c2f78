#include "OrdnerStand.h"
#include "UmbenennSpiel.h"
#include "umbenennen/Umbenenner.h"

#include <QProcess>
#include <QTest>
#include <atomic>
#include <limits>
#include <random>

using namespace Befehlstabelle;
using Art = Umbenenner::Ergebnis::Art;

namespace {

/// The real file operations, of which the `n`-th (from 1) fails: before it is done, after it
/// is done, or with every one after it.
struct Stoerung
{
    enum class Wie
    {
        Vorher,
        Nachher,
        AbDa
    };
    std::shared_ptr<std::atomic<int>> zaehler = std::make_shared<std::atomic<int>>(0);

    Umbenenner::Dateisystem dateisystem(int n, Wie wie) const
    {
        const Umbenenner::Dateisystem echt = Umbenenner::Dateisystem::echt();
        const auto z = zaehler;
        const auto stoeren = [z, n, wie](const std::function<bool()>& tun) {
            const int jetzt = ++*z;
            if (jetzt < n || (jetzt > n && wie != Wie::AbDa))
                return tun();
            if (wie == Wie::Nachher)
                tun();
            return false;
        };
        return {[=](const QString& p, const QByteArray& b) {
                    return stoeren([&] { return echt.schreiben(p, b); });
                },
                [=](const QString& a, const QString& b) {
                    return stoeren([&] { return echt.umbenennen(a, b); });
                },
                [=](const QString& p) { return stoeren([&] { return echt.entfernen(p); }); }};
    }
};

const Umbenennung::Anfrage flag{NamensArt::Flag, "TruheOffen", "KisteOffen", {}};
const Umbenennung::Anfrage gegenstand{NamensArt::Gegenstand, "Schluessel.bmp", "Kiste.bmp", {}};
const Umbenennung::Anfrage raum{NamensArt::Raum, "keller.lsd", "gewoelbe.lsd", {}};

QStringList journale(const QString& ordner)
{
    return QDir(ordner).entryList({"umbenennung-*"}, QDir::Files, QDir::Name);
}

} // namespace

// All or nothing: a rename whose n-th file operation fails, a journal left open, its own
// rollback cut short, the undo, and processes killed at random moments.
class TestJournal : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aFailureAtAnyStepLeavesEverythingAsBefore()
    {
        for (const Umbenennung::Anfrage& anfrage : {flag, gegenstand, raum}) {
            int operationen = 0;
            {
                UmbenennSpiel spiel;
                QTemporaryDir j;
                Umbenenner u(spiel.dir.path(), j.path());
                Stoerung zaehlen;
                u.dateisystemSetzen(zaehlen.dateisystem(1 << 30, Stoerung::Wie::Vorher));
                QCOMPARE(u.ausfuehren(spiel.planen(anfrage)).art, Art::Erledigt);
                operationen = *zaehlen.zaehler;
                QVERIFY(operationen >= 4);
            }
            for (int n = 1; n <= operationen; ++n) {
                for (const auto wie : {Stoerung::Wie::Vorher, Stoerung::Wie::Nachher}) {
                    UmbenennSpiel spiel;
                    QTemporaryDir j;
                    const OrdnerStand vorher = ordnerStand(spiel.dir.path());
                    const Umbenennung::Plan plan = spiel.planen(anfrage);
                    Umbenenner u(spiel.dir.path(), j.path());
                    u.dateisystemSetzen(Stoerung().dateisystem(n, wie));
                    const Umbenenner::Ergebnis e = u.ausfuehren(plan);
                    const QString wo =
                        QString("%1, Schritt %2: %3").arg(plan.was).arg(n).arg(e.text);
                    QVERIFY2(e.art == Art::Fehlgeschlagen, qPrintable(wo));
                    QVERIFY2(e.text.startsWith("Die Datei ") &&
                                 e.text.contains("wieder wie vorher"),
                             qPrintable(wo));
                    QVERIFY2(ordnerStand(spiel.dir.path()) == vorher, qPrintable(wo));
                    QVERIFY2(journale(j.path()).isEmpty(), qPrintable(wo));
                }
            }
        }
    }

    void anOpenJournalIsTakenBackAtTheNextStart()
    {
        // Every operation from the n-th on fails: the rename and its rollback stop halfway,
        // the journal stays open; the next start puts every file back.
        int offen = 0;
        for (const Umbenennung::Anfrage& anfrage : {flag, raum, gegenstand}) {
            for (int n = 1; n <= 4; ++n) {
                UmbenennSpiel spiel;
                QTemporaryDir j;
                const OrdnerStand vorher = ordnerStand(spiel.dir.path());
                Umbenenner u(spiel.dir.path(), j.path());
                u.dateisystemSetzen(Stoerung().dateisystem(n, Stoerung::Wie::AbDa));
                const Umbenenner::Ergebnis e = u.ausfuehren(spiel.planen(anfrage));
                QCOMPARE(e.art, Art::Fehlgeschlagen);
                if (!e.text.contains("nächste Start")) {
                    // Nothing was written before the first failure: nothing to put back.
                    QCOMPARE(ordnerStand(spiel.dir.path()), vorher);
                    continue;
                }
                ++offen;
                QCOMPARE(journale(j.path()).size(), 2); // the journal and its copies
                // Files changed by hand meanwhile are kept aside, not lost.
                const bool vonHand = n % 2 && anfrage.alt == flag.alt;
                if (vonHand)
                    QVERIFY(spiel.datei("rooms/hand.lsd", "von Hand"));
                const Umbenenner::Ergebnis wieder =
                    Umbenenner(spiel.dir.path(), j.path()).aufraeumen();
                QCOMPARE(wieder.art, Art::Erledigt);
                QVERIFY2(wieder.text.contains("zurückgenommen"), qPrintable(wieder.text));
                QCOMPARE(ordnerStand(spiel.dir.path()), vorher);
                QCOMPARE(journale(j.path()), QStringList());
                if (vonHand) {
                    QVERIFY(wieder.text.contains("rooms/hand.lsd → "));
                    QCOMPARE(QDir(j.path() + "/beiseite").entryList(QDir::Files).size(), 1);
                }
                QCOMPARE(Umbenenner(spiel.dir.path(), j.path()).aufraeumen().art, Art::Nichts);
            }
        }
        QVERIFY(offen > 3);
    }

    void undoGivesBackExactlyTheOldFiles()
    {
        UmbenennSpiel spiel;
        QTemporaryDir j;
        Umbenenner u(spiel.dir.path(), j.path());
        QCOMPARE(u.letzte(), QString());
        QCOMPARE(u.rueckgaengig().art, Art::Abgelehnt);
        QCOMPARE(u.ausfuehren(spiel.planen(flag)).art, Art::Erledigt);
        const OrdnerStand nachFlag = ordnerStand(spiel.dir.path());
        QCOMPARE(u.ausfuehren(spiel.planen(raum)).art, Art::Erledigt);
        const OrdnerStand umbenannt = ordnerStand(spiel.dir.path());
        // Only the last rename can be taken back; its journal and copies are all that is kept.
        QCOMPARE(u.letzte(), QString("Raum \"keller.lsd\" in \"gewoelbe.lsd\""));
        QCOMPARE(journale(j.path()).size(), 2);

        // A file changed since, or made under an old name: named, and nothing changes.
        for (const QString& geaendert : {"rooms/haus.lsd", "rooms/keller.lsd"}) {
            const QByteArray inhalt = spiel.inhalt(geaendert);
            QVERIFY(spiel.datei(geaendert, inhalt + "\r\n"));
            const Umbenenner::Ergebnis e = u.rueckgaengig();
            QCOMPARE(e.art, Art::Abgelehnt);
            QVERIFY2(e.text.endsWith(":\n" + geaendert), qPrintable(e.text));
            if (inhalt == "(fehlt)")
                QVERIFY(QFile::remove(spiel.pfad(geaendert)));
            else
                QVERIFY(spiel.datei(geaendert, inhalt));
            QCOMPARE(ordnerStand(spiel.dir.path()), umbenannt);
        }
        // An undo that fails midway leaves the rename as it was, and can be tried again.
        u.dateisystemSetzen(Stoerung().dateisystem(2, Stoerung::Wie::Vorher));
        QCOMPARE(u.rueckgaengig().art, Art::Fehlgeschlagen);
        QCOMPARE(ordnerStand(spiel.dir.path()), umbenannt);
        u.dateisystemSetzen(Umbenenner::Dateisystem::echt());
        const Umbenenner::Ergebnis e = u.rueckgaengig();
        QCOMPARE(e.art, Art::Erledigt);
        QVERIFY(e.dateien.contains("rooms/keller.lsd") && e.dateien.contains("rooms/gewoelbe.lsd"));
        QCOMPARE(ordnerStand(spiel.dir.path()), nachFlag);
        QCOMPARE(u.letzte(), QString());
        QCOMPARE(u.rueckgaengig().art, Art::Abgelehnt);
        QCOMPARE(journale(j.path()), QStringList());
    }

    void aJournalCutShortIsNoJournal()
    {
        Journal j;
        j.spielordner = "/spiel mit Leerzeichen";
        j.kopien = "umbenennung-1.kopien";
        j.was = "Flag \"a b\" in \"c\"";
        j.eintraege = {{"rooms/a b.lsd", "rooms/a b.lsd", true, "11", "22", 0, 5, {{1, 2, "x y"}}},
                       {"graphics/a.bmp", "graphics/b.bmp", false, {}, {}, 0, 0, {}}};
        const QByteArray text = j.text();
        const std::optional<Journal> gelesen = Journal::lesen(text);
        QVERIFY(gelesen);
        QCOMPARE(gelesen->text(), text);
        // A journal cut anywhere is no journal.
        for (qsizetype n = 0; n < text.size(); ++n)
            QVERIFY2(!Journal::lesen(text.left(n)), qPrintable(QString::number(n)));

        // A broken one is set aside, never rolled back or removed.
        UmbenennSpiel spiel;
        QTemporaryDir ordner;
        QVERIFY(TextFile::write(ordner.filePath("umbenennung-3.journal"), text.chopped(4)));
        const Umbenenner::Ergebnis e = Umbenenner(spiel.dir.path(), ordner.path()).aufraeumen();
        QCOMPARE(e.art, Art::Fehlgeschlagen);
        QVERIFY(e.text.contains("beschädigt"));
        QCOMPARE(QDir(ordner.filePath("beschaedigt")).entryList(QDir::Files).size(), 1);
        QCOMPARE(journale(ordner.path()), QStringList());
    }

    void aJournalNamingFilesOutsideTheGameIsSetAsideUnread()
    {
        // Put back from it, the rollback would write where no rename ever wrote.
        UmbenennSpiel spiel;
        QTemporaryDir ordner;
        const QString draussen = QDir(spiel.dir.path()).absoluteFilePath("../draussen.lsd");
        QVERIFY(TextFile::write(draussen, "von jemand anderem"));
        for (const QString& pfad :
             {QString("../draussen.lsd"), QString("rooms/../../draussen.lsd"), draussen,
              QString("C:/draussen.lsd"), QString("rooms\\..\\..\\draussen.lsd")}) {
            Journal j;
            j.spielordner = spiel.dir.path();
            j.kopien = "umbenennung-1.kopien";
            j.was = "Raum";
            j.eintraege = {{pfad, pfad, true, Journal::hash("x"), Journal::hash("y"), 0, 1, {}}};
            QVERIFY2(!Journal::lesen(j.text()), qPrintable(pfad));
            j.eintraege = {{"graphics/a.bmp", pfad, false, {}, {}, 0, 0, {}}};
            QVERIFY2(!Journal::lesen(j.text()), qPrintable(pfad));
            QVERIFY(TextFile::write(ordner.filePath("umbenennung-1.journal"), j.text()));
            QVERIFY(TextFile::write(ordner.filePath("umbenennung-1.kopien"), "x"));
            const Umbenenner::Ergebnis e = Umbenenner(spiel.dir.path(), ordner.path()).aufraeumen();
            QCOMPARE(e.art, Art::Fehlgeschlagen);
            QVERIFY2(e.text.contains("ist beschädigt und liegt jetzt in"), qPrintable(e.text));
            QCOMPARE(*TextFile::read(draussen), "von jemand anderem");
            QCOMPARE(journale(ordner.path()), QStringList());
        }
        QCOMPARE(QDir(ordner.filePath("beschaedigt")).entryList(QDir::Files).size(), 10);
        QVERIFY(QFile::remove(draussen));
    }

    void copyNumbersOfAnySizeGiveNoBytes()
    {
        // Numbers a hand or a broken disk wrote: beyond the copies, or summing past 2^63.
        const qint64 gross = std::numeric_limits<qint64>::max();
        const QByteArray kopien = "abcdef";
        Journal j;
        for (const auto art : {Journal::Art::Umbenennung, Journal::Art::Rueckgaengig}) {
            j.art = art;
            for (const auto& [anfang, laenge] : {std::pair<qint64, qint64>{gross, 1},
                                                 {1, gross},
                                                 {gross, gross},
                                                 {7, 0},
                                                 {0, 7}}) {
                const Journal::Eintrag e{
                    "rooms/a.lsd",     "rooms/a.lsd", true,   Journal::hash(""),
                    Journal::hash(""), anfang,        laenge, {}};
                QVERIFY(j.vorher(e, kopien).isNull());
                QVERIFY(j.nachher(e, kopien).isNull());
            }
            // Replacements past the copy's end.
            for (const auto& [anfang, laenge] :
                 {std::pair<qsizetype, qsizetype>{1, gross}, {gross, 1}, {gross, gross}, {5, 2}}) {
                const Journal::Eintrag e{"rooms/a.lsd",
                                         "rooms/a.lsd",
                                         true,
                                         Journal::hash("abcdef"),
                                         Journal::hash("abcdef"),
                                         0,
                                         6,
                                         {{anfang, laenge, "x"}}};
                QVERIFY(art == Journal::Art::Umbenennung ? j.nachher(e, kopien).isNull()
                                                         : j.vorher(e, kopien).isNull());
            }
        }
    }

    void anOpenJournalWithDamagedCopiesPutsBackWhatItCanAndIsSetAside()
    {
        // Killed midway, and the copies damaged since: the files still as before need no copy
        // and the others none can be had. They stay as they are, every other file is put
        // back, and the journal goes aside, or it would hold up every start.
        for (const bool weg : {false, true}) {
            UmbenennSpiel spiel;
            QTemporaryDir j;
            const OrdnerStand vorher = ordnerStand(spiel.dir.path());
            Umbenenner u(spiel.dir.path(), j.path());
            u.dateisystemSetzen(Stoerung().dateisystem(3, Stoerung::Wie::AbDa));
            QVERIFY(u.ausfuehren(spiel.planen(flag)).text.contains("nächste Start"));
            const OrdnerStand halb = ordnerStand(spiel.dir.path());
            QStringList geschrieben;
            for (auto d = halb.cbegin(); d != halb.cend(); ++d)
                if (vorher.value(d.key()) != d.value())
                    geschrieben << d.key();
            QCOMPARE(geschrieben.size(), 2);
            const QString kopien = j.filePath("umbenennung-1.kopien");
            QVERIFY(weg ? QFile::remove(kopien) : TextFile::write(kopien, "kaputt"));

            const Umbenenner::Ergebnis e = Umbenenner(spiel.dir.path(), j.path()).aufraeumen();
            QCOMPARE(e.art, Art::Fehlgeschlagen);
            QVERIFY2(e.text.contains(QString("Die Kopien von %1 sind beschädigt oder fehlen. Diese "
                                             "Dateien blieben, wie sie sind; alle anderen sind "
                                             "wieder wie vorher.")
                                         .arg(geschrieben.join(", "))),
                     qPrintable(e.text));
            OrdnerStand erwartet = vorher;
            for (const QString& d : geschrieben)
                erwartet[d] = halb[d];
            QCOMPARE(ordnerStand(spiel.dir.path()), erwartet);
            QCOMPARE(journale(j.path()), QStringList());
            QCOMPARE(QDir(j.filePath("beschaedigt")).entryList(QDir::Files).size(), weg ? 1 : 2);
            QCOMPARE(Umbenenner(spiel.dir.path(), j.path()).aufraeumen().art, Art::Nichts);
        }

        // Killed just before the journal was marked done: a renamed room is named where it is.
        {
            UmbenennSpiel spiel;
            QTemporaryDir j;
            QCOMPARE(Umbenenner(spiel.dir.path(), j.path()).ausfuehren(spiel.planen(raum)).art,
                     Art::Erledigt);
            const OrdnerStand umbenannt = ordnerStand(spiel.dir.path());
            const QString datei = j.filePath("umbenennung-1.journal");
            QVERIFY(TextFile::write(datei,
                                    TextFile::read(datei)->replace("stand fertig", "stand offen")));
            QVERIFY(QFile::remove(j.filePath("umbenennung-1.kopien")));
            const Umbenenner::Ergebnis e = Umbenenner(spiel.dir.path(), j.path()).aufraeumen();
            QCOMPARE(e.art, Art::Fehlgeschlagen);
            QVERIFY2(e.text.contains("rooms/keller.lsd (jetzt rooms/gewoelbe.lsd)"),
                     qPrintable(e.text));
            QCOMPARE(ordnerStand(spiel.dir.path()), umbenannt);
        }

        // The files written put back by hand, the copies gone: nothing is missed.
        UmbenennSpiel spiel;
        QTemporaryDir j;
        const OrdnerStand vorher = ordnerStand(spiel.dir.path());
        Umbenenner u(spiel.dir.path(), j.path());
        u.dateisystemSetzen(Stoerung().dateisystem(3, Stoerung::Wie::AbDa));
        QVERIFY(u.ausfuehren(spiel.planen(flag)).text.contains("nächste Start"));
        for (auto d = vorher.cbegin(); d != vorher.cend(); ++d)
            QVERIFY(spiel.datei(d.key(), d.value()));
        QVERIFY(QFile::remove(j.filePath("umbenennung-1.kopien")));
        const Umbenenner::Ergebnis e = Umbenenner(spiel.dir.path(), j.path()).aufraeumen();
        QCOMPARE(e.art, Art::Erledigt);
        QCOMPARE(ordnerStand(spiel.dir.path()), vorher);
        QCOMPARE(journale(j.path()), QStringList());
    }

    void aKilledRenameLeavesAllOldOrAllNew()
    {
        // 500 rooms and a few item scripts name the flag: a helper renames it and takes the
        // rename back in a loop, and is killed at a random moment; now and then the recovery
        // is killed too. After the next recovery the whole game is old or new.
        const int runden = qEnvironmentVariableIntValue("TARNHOLM_TOETEN_RUNDEN");
        TestSpiel spiel;
        for (int r = 0; r < 500; ++r) {
            Module1 m;
            m.StartSkript =
                skriptAus({{If, "Alt"}, {Print, QString("Raum %1").arg(r)}, {EndIf, ""}});
            m.TimerSkript = skriptAus({{SetFlag, "Alt"}});
            QVERIFY(spiel.raum(QString("raum%1.lsd").arg(r), m));
        }
        for (int i = 0; i < 5; ++i)
            QVERIFY(spiel.datei(QString("items/ding%1.skp").arg(i),
                                ItemSkript::schreiben(skriptAus({{DelFlag, "Alt"}}))));
        const QStringList dateien = ordnerStand(spiel.dir.path()).keys();
        QTemporaryDir journalOrdner;
        std::mt19937 zufall(19);
        int gesehen[3] = {0, 0, 0}; // old, new, put back from a journal
        // Within a couple of minutes also on a busy machine or with the sanitizers, unless
        // asked for a number of rounds.
        QElapsedTimer uhr;
        uhr.start();
        int runde = 0;
        for (; runde < (runden > 0 ? runden : 80); ++runde) {
            if (runden == 0 && runde >= 25 && uhr.hasExpired(120000))
                break;
            for (const char* was : {"schleife", "aufraeumen"}) {
                if (was == QByteArray("aufraeumen") && runde % 3)
                    continue;
                QProcess helfer;
                helfer.start(TARNHOLM_UMBENENNSCHLEIFE,
                             {was, spiel.dir.path(), journalOrdner.path()});
                QVERIFY(helfer.waitForReadyRead(10000));
                QThread::usleep(std::uniform_int_distribution<int>(0, 600000)(zufall));
                helfer.kill();
                QVERIFY(helfer.waitForFinished(10000));
            }
            const Umbenenner::Ergebnis e =
                Umbenenner(spiel.dir.path(), journalOrdner.path()).aufraeumen();
            QVERIFY2(e.ok(), qPrintable(e.text));
            gesehen[2] += e.art == Art::Erledigt;
            const OrdnerStand stand = ordnerStand(spiel.dir.path());
            for (const QString& d : stand.keys())
                QVERIFY2(dateien.contains(d), qPrintable(d));
            QCOMPARE(stand.keys(), dateien);
            int neu = 0;
            for (const QByteArray& bytes : stand) {
                QVERIFY(bytes.contains("\"Alt\"") != bytes.contains("\"Neu\""));
                neu += bytes.contains("\"Neu\"");
            }
            QVERIFY2(neu == 0 || neu == stand.size(),
                     qPrintable(
                         QString("Runde %1: %2 von %3 neu").arg(runde).arg(neu).arg(stand.size())));
            ++gesehen[neu > 0];
        }
        qInfo("%d rounds: %d times old, %d new, %d put back", runde, gesehen[0], gesehen[1],
              gesehen[2]);
        QVERIFY(gesehen[0] > 0 && gesehen[1] > 0 && gesehen[2] > 0);
    }
};

QTEST_GUILESS_MAIN(TestJournal)
#include "tst_journal.moc"
