#include "app/Spielordner.h"
#include "roomfile/RoomFile.h"
#include "spiel/Pruefdienst.h"
#include "spiel/SpielLeser.h"

#include <QDir>
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
