#include "FileSizeLimit.h"
#include "app/Spielanlage.h"
#include "app/Spielordner.h"
#include "roomfile/RoomFile.h"
#include "spiel/Pruefdienst.h"
#include "spiel/SpielLeser.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using Art = Spielordner::Wahl::Art;

class TestSpielordner : public QObject
{
    Q_OBJECT

    // Game folders side by side, one spelt as made on Windows, and folders that are none.
    QTemporaryDir dir;
    const QString basis = QFileInfo(dir.path()).canonicalFilePath();
    QString p(const char* relativ) const { return *relativ ? basis + '/' + relativ : QString(); }
    /// A folder in a table: relative, "" for none.
    QString name(const QString& pfad) const
    {
        return pfad.isEmpty() ? QString() : QDir(basis).relativeFilePath(pfad);
    }

    /// Everything in `ordner`, hidden entries too, relative and sorted.
    static QStringList alles(const QString& ordner)
    {
        QStringList namen;
        QDirIterator it(ordner, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            namen << QDir(ordner).relativeFilePath(it.next());
        namen.sort();
        return namen;
    }
    static bool schreiben(const QString& pfad, const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(pfad).path());
        QFile f(pfad);
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    }

private Q_SLOTS:
    void initTestCase()
    {
        for (const char* d : {"spiel/rooms", "gross/ROOMS", "gross/Items", "leer", "nur/items"})
            QDir(basis).mkpath(d);
        for (const char* f : {"spiel/rooms/a.lsd", "gross/ROOMS/b.lsd", "gross/Items/Dolch0.skp",
                              "nur/items/Dolch0.skp", "leer/lose.lsd"}) {
            QFile datei(p(f));
            QVERIFY(datei.open(QIODevice::WriteOnly) && datei.write(RoomFile::schreiben({})) > 0);
        }
        QVERIFY(QFile::link(p("spiel"), p("verweis")));
    }

    void aGameFolderIsOneWithRoomsInAnyLetterCase()
    {
        const QString keins = "%1 ist kein Spielordner: Ihm fehlt der Unterordner „rooms“.";
        const QString fehlt = "Den Ordner %1 gibt es nicht.";
        const std::pair<const char*, QString> faelle[] = {
            {"spiel", ""},
            {"gross", ""},
            {"leer", keins},
            {"nur", keins},
            {"weg", fehlt},
            {"spiel/rooms/a.lsd", fehlt},
            // The likeliest slip: the rooms chosen for their game.
            {"spiel/rooms/", "%1 ist der Ordner „rooms“ eines Spiels. Der Spielordner ist der "
                             "Ordner darüber, " +
                                 p("spiel") + "."},
        };
        for (const auto& [ordner, warum] : faelle) {
            QCOMPARE(Spielordner::warumNicht(p(ordner)), warum.arg(QDir::cleanPath(p(ordner))));
            QCOMPARE(Spielordner::istSpielordner(p(ordner)), warum.isEmpty());
        }
    }

    void theEditorFindsItsGameInTheOrderGiven()
    {
        const QStringList vorher = {p("weg"), p("leer"), p("gross")};
        const struct
        {
            const char *programm, *datei, *angegeben;
            QStringList zuletzt;
            Art art;
            const char* ordner;
        } faelle[] = {
            // --spiel wins, also over a copy in a game folder, and must be one.
            {"spiel", "gross/ROOMS/b.lsd", "gross", vorher, Art::Gefunden, "gross"},
            {"leer", "", "leer", vorher, Art::Fehler, ""},
            // A copy in a game folder stays there, whatever room it is given.
            {"spiel", "gross/ROOMS/b.lsd", "", vorher, Art::Gefunden, "spiel"},
            // The room's or item script's game, in any letter case, through a link, or new.
            {"leer", "verweis/rooms/a.lsd", "", vorher, Art::Gefunden, "spiel"},
            {"leer", "gross/Items/Dolch0.skp", "", {}, Art::Gefunden, "gross"},
            {"leer", "spiel/rooms/neu.lsd", "", {}, Art::Gefunden, "spiel"},
            // None there: the newest game used that still is one; else the author is asked.
            {"leer", "leer/lose.lsd", "", vorher, Art::Gefunden, "gross"},
            {"leer", "nur/items/Dolch0.skp", "", vorher, Art::Gefunden, "gross"},
            {"leer", "weg/rooms/x.lsd", "", {p("leer")}, Art::Fragen, ""},
        };
        for (const auto& f : faelle) {
            const Spielordner::Wahl w =
                Spielordner::fuerEditor({p(f.programm), p(f.datei), p(f.angegeben), f.zuletzt});
            QCOMPARE(int(w.art), int(f.art));
            QCOMPARE(name(w.ordner), f.ordner);
            QCOMPARE(w.fehler.isEmpty(), f.art != Art::Fehler);
        }
    }

    void aNewGameIsMadeOnlyInANewOrEmptyFolderWithTheSevenSubfolders()
    {
        const QStringList sieben{"cursors", "graphics", "items", "movies",
                                 "musics",  "rooms",    "sounds"};
        QVERIFY(QDir(basis).mkpath("neu/leer"));
        for (const char* ordner : {"neu/leer", "neu/tief/unten/spiel"}) {
            QCOMPARE(Spielanlage::neuesSpiel(p(ordner)), QString());
            QCOMPARE(alles(p(ordner)), sieben);
            QVERIFY(Spielordner::istSpielordner(p(ordner)));
        }
        // Whatever lies there may be someone's work: refused with the reason, nothing written.
        QVERIFY(QDir(basis).mkpath("neu/versteckt/.git"));
        QVERIFY(QFile(p("neu/datei")).open(QIODevice::WriteOnly));
        const std::pair<const char*, const char*> refused[] = {
            {"leer", " ist nicht leer. Ein neues Spiel wird nur in einem neuen oder leeren Ordner "
                     "angelegt: Was darin liegt, ist vielleicht jemandes Arbeit"},
            {"neu/versteckt", " ist nicht leer."},
            {"spiel", " ist schon ein Spielordner."},
            {"neu/datei", " ist eine Datei, kein Ordner."},
            {"neu/datei/spiel", " kann nicht angelegt werden: "},
            {"", "Es ist kein Ordner angegeben."},
        };
        for (const auto& [ordner, warum] : refused) {
            const QStringList vorher = alles(basis);
            const QString text = Spielanlage::neuesSpiel(p(ordner));
            QVERIFY2(text.contains(warum), qPrintable(text));
            QCOMPARE(alles(basis), vorher);
        }
    }

    void theExampleBesideTheProgramIsCopiedWholeByteForByteOrNotAtAll()
    {
        // As the package lays it out: the program in bin, the example in share; "movies" is
        // missing, "musics" empty, and a program lies in the example's own folder.
        const QString beispiel = p("usr/share/tarnholm-editor/beispiel");
        QByteArray gross(200000, '\0');
        for (int i = 0; i < gross.size(); ++i)
            gross[i] = char(i * 7);
        const QMap<QString, QByteArray> dateien{
            {"rooms/haus.lsd", RoomFile::schreiben({})}, {"graphics/haus.bmp", gross},
            {"items/Alt/Dolch0.skp", "a\r\nb\n\0\xff"},  {"sounds/.versteckt", ""},
            {"raetselplan.txt", "start: haus.lsd\n"},
        };
        for (const char* d : {"usr/bin", "usr/share/tarnholm-editor/beispiel/musics"})
            QVERIFY(QDir(basis).mkpath(d));
        for (auto [datei, bytes] : dateien.asKeyValueRange())
            QVERIFY(schreiben(beispiel + '/' + datei, bytes));
        QVERIFY(schreiben(beispiel + "/tarnholm-editor", "ELF"));
        QCOMPARE(Spielanlage::beispiel(p("usr/bin")), beispiel);
        // In a build the demo game the programs lie in, known by the build's stamp; an
        // author's game with an editor in it is none.
        QCOMPARE(Spielanlage::beispiel(p("spiel")), QString());
        QVERIFY(schreiben(p("gross/.demo-erzeugt"), ""));
        QCOMPARE(Spielanlage::beispiel(p("gross")), p("gross"));
        QCOMPARE(Spielanlage::beispiel(p("leer")), QString());

        QCOMPARE(Spielanlage::beispielKopieren(beispiel, p("kopie")), QString());
        QCOMPARE(alles(p("kopie")),
                 QStringList({"cursors", "graphics", "graphics/haus.bmp", "items", "items/Alt",
                              "items/Alt/Dolch0.skp", "movies", "musics", "raetselplan.txt",
                              "rooms", "rooms/haus.lsd", "sounds", "sounds/.versteckt"}));
        for (auto [datei, bytes] : dateien.asKeyValueRange()) {
            QFile f(p("kopie/") + datei);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), bytes);
        }
        QCOMPARE(Spielanlage::hausRaum(p("kopie")), p("kopie/rooms/haus.lsd"));
        QCOMPARE(Spielanlage::hausRaum(p("spiel")), QString());

        // Never into anything there, nor into the example itself.
        const QStringList vorher = alles(basis);
        QVERIFY(Spielanlage::beispielKopieren(beispiel, p("leer")).contains(" ist nicht leer."));
        QVERIFY(Spielanlage::beispielKopieren(beispiel, beispiel + "/musics")
                    .contains(" liegt im Beispielspiel, das bleibt, wie es ist."));
        QCOMPARE(alles(basis), vorher);
#ifdef Q_OS_UNIX
        // A disk that fills up midway: what was made goes again, the empty folder chosen stays.
        QVERIFY(QDir(basis).mkpath("voll"));
        QString text;
        {
            const FileSizeLimit knapp(100000);
            QVERIFY(knapp.active());
            text = Spielanlage::beispielKopieren(beispiel, p("voll/neu"));
        }
        QVERIFY2(text.contains(QDir::toNativeSeparators(p("voll/neu/graphics/haus.bmp")) +
                               " kann nicht geschrieben werden") &&
                     text.endsWith("Was schon angelegt war, ist wieder entfernt."),
                 qPrintable(text));
        QCOMPARE(alles(p("voll")), QStringList());
#endif
    }

    void subfoldersSpeltOtherwiseAreTheGamesOwn()
    {
        Module1 m;
        m.setzeOrdner(p("gross"));
        QCOMPARE(QStringList({m.raeumeOrdner(), m.ItemsPfad, m.SoundsPfad}),
                 QStringList({p("gross/ROOMS"), p("gross/Items/"), p("gross/sounds/")}));
        // The game names its files in lower case, the disk as it likes, and the two agree.
        QCOMPARE(SpielLeser::dateien(m), QStringList({"rooms/b.lsd", "items/Dolch0.skp"}));
        QVERIFY(SpielLeser::lesen(m, "rooms/b.lsd")->vollstaendig);
        Pruefdienst dienst(m);
        QCOMPARE(dienst.relativ(p("gross/Items/Dolch0.skp")), "items/Dolch0.skp");
        QCOMPARE(dienst.relativ("rooms/b.lsd"), "rooms/b.lsd");
        QCOMPARE(dienst.relativ(p("gross/ROOMS/x/b.lsd")), QString());
        // Recovery copies and journals: one place per game, however it is named.
        for (const char* gleich : {"spiel/", "verweis", "leer/../spiel"})
            QCOMPARE(Spielordner::datenOrdner(p(gleich)), Spielordner::datenOrdner(p("spiel")));
        QVERIFY(Spielordner::datenOrdner(p("gross")) != Spielordner::datenOrdner(p("spiel")));
    }
};

QTEST_APPLESS_MAIN(TestSpielordner)
#include "tst_spielordner.moc"
