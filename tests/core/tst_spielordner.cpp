#include "app/Spielordner.h"
#include "app/ZuletztGeoeffnet.h"
#include "check/Pruefdienst.h"
#include "check/SpielLeser.h"
#include "model/Module1.h"
#include "roomfile/RoomFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using Art = Spielordner::Wahl::Art;

/// Game folders side by side, and folders that are none.
struct Ordner
{
    QTemporaryDir dir;
    /// Its one name: the rules answer with no other.
    const QString basis = QFileInfo(dir.path()).canonicalFilePath();

    Ordner()
    {
        for (const char* pfad : {"spiel/rooms", "gross/ROOMS", "gross/Items", "gross/Graphics",
                                 "leer", "nurItems/items", "programm"})
            QDir(basis).mkpath(QLatin1String(pfad));
        for (const char* datei :
             {"spiel/rooms/a.lsd", "gross/ROOMS/b.lsd", "gross/Items/Dolch0.skp",
              "nurItems/items/Dolch0.skp", "leer/lose.lsd"}) {
            QFile f(p(QLatin1String(datei)));
            f.open(QIODevice::WriteOnly);
            f.write(RoomFile::schreiben(Module1()));
        }
    }
    QString p(const QString& relativ) const { return basis + QLatin1Char('/') + relativ; }
    /// A folder's name in a table: relative, "" for none.
    QString name(const QString& pfad) const
    {
        return pfad.isEmpty() ? QString() : QDir(basis).relativeFilePath(pfad);
    }
};

class TestSpielordner : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aGameFolderIsOneWithRoomsInAnyLetterCase()
    {
        Ordner o;
        const char* const faelle[][2] = {
            {"spiel", ""},
            {"gross", ""},
            {"leer", "%1 ist kein Spielordner: Ihm fehlt der Unterordner „rooms“."},
            {"nurItems", "%1 ist kein Spielordner: Ihm fehlt der Unterordner „rooms“."},
            {"gibtsnicht", "Den Ordner %1 gibt es nicht."},
            {"spiel/rooms/a.lsd", "Den Ordner %1 gibt es nicht."},
        };
        for (const auto& [ordner, warum] : faelle) {
            const QString pfad = o.p(QLatin1String(ordner));
            QCOMPARE(Spielordner::warumNicht(pfad), QString::fromUtf8(warum).arg(pfad));
            QCOMPARE(Spielordner::istSpielordner(pfad), !*warum);
        }
        // The likeliest slip, the rooms chosen for their game.
        QCOMPARE(Spielordner::warumNicht(o.p("spiel/rooms/")),
                 QString("%1 ist der Ordner „rooms“ eines Spiels. Der Spielordner ist der Ordner "
                         "darüber, %2.")
                     .arg(o.p("spiel/rooms"), o.p("spiel")));
    }

    void theEditorFindsItsGameInTheOrderGiven()
    {
        Ordner o;
        QVERIFY(QFile::link(o.p("spiel"), o.p("verweis")));
        struct Fall
        {
            const char* programm;
            const char* datei;
            const char* angegeben;
            QStringList zuletzt;
            Art art;
            const char* ordner;
        };
        const QStringList vorher = {o.p("gibtsnicht"), o.p("leer"), o.p("gross")};
        const Fall faelle[] = {
            // --spiel wins, also over a copy in a game folder, and must be one.
            {"spiel", "gross/ROOMS/b.lsd", "gross", vorher, Art::Gefunden, "gross"},
            {"programm", "", "leer", vorher, Art::Fehler, ""},
            // A copy in a game folder stays there, whatever room it is given.
            {"spiel", "gross/ROOMS/b.lsd", "", vorher, Art::Gefunden, "spiel"},
            // The room's or the item script's folder, in any letter case, and through a link.
            {"programm", "verweis/rooms/a.lsd", "", vorher, Art::Gefunden, "spiel"},
            {"programm", "gross/Items/Dolch0.skp", "", vorher, Art::Gefunden, "gross"},
            {"programm", "spiel/rooms/neu.lsd", "", {}, Art::Gefunden, "spiel"},
            // No game there: the newest one used that is still a game folder.
            {"programm", "leer/lose.lsd", "", vorher, Art::Gefunden, "gross"},
            {"programm", "nurItems/items/Dolch0.skp", "", vorher, Art::Gefunden, "gross"},
            {"programm", "gibtsnicht/rooms/x.lsd", "", {}, Art::Fragen, ""},
            {"programm", "", "", {o.p("leer")}, Art::Fragen, ""},
        };
        for (const Fall& f : faelle) {
            const auto pfad = [&](const char* r) { return *r ? o.p(QLatin1String(r)) : QString(); };
            const Spielordner::Wahl w = Spielordner::fuerEditor(
                {pfad(f.programm), pfad(f.datei), pfad(f.angegeben), f.zuletzt});
            QCOMPARE(int(w.art), int(f.art));
            QCOMPARE(o.name(w.ordner), QString::fromLatin1(f.ordner));
            QCOMPARE(w.fehler.isEmpty(), f.art != Art::Fehler);
        }
    }

    void theProgramsTakeTheFolderGivenTheirOwnOrTheCurrentOne()
    {
        Ordner o;
        const char* const faelle[][4] = {
            {"gross", "spiel", "spiel", "gross"}, {"", "spiel", "gross", "spiel"},
            {"", "programm", "gross", "gross"},   {"", "programm", "leer", ""},
            {"leer", "spiel", "spiel", ""},
        };
        for (const auto& [angegeben, programm, aktuell, ordner] : faelle) {
            const Spielordner::Wahl w = Spielordner::fuerProgramm(
                *angegeben ? o.p(QLatin1String(angegeben)) : QString(),
                o.p(QLatin1String(programm)), o.p(QLatin1String(aktuell)), "tarnholm-check");
            QCOMPARE(o.name(w.ordner), QString::fromLatin1(ordner));
            QCOMPARE(int(w.art), int(*ordner ? Art::Gefunden : Art::Fehler));
        }
        QCOMPARE(
            Spielordner::fuerProgramm({}, o.p("programm"), o.p("leer"), "tarnholm-check").fehler,
            QString("Weder der Ordner %1, in dem tarnholm-check liegt, noch der aktuelle "
                    "Ordner %2 ist ein Spielordner (ein Ordner mit dem Unterordner „rooms“). "
                    "Geben Sie den Spielordner an.")
                .arg(o.p("programm"), o.p("leer")));
    }

    void subfoldersSpeltOtherwiseAreTheGamesOwn()
    {
        Ordner o;
        Module1 m;
        m.setzeOrdner(o.p("gross/"));
        QCOMPARE(m.raeumeOrdner(), o.p("gross/ROOMS"));
        QCOMPARE(QStringList({m.ItemsPfad, m.GraphicsPfad, m.SoundsPfad}),
                 QStringList({o.p("gross/Items/"), o.p("gross/Graphics/"), o.p("gross/sounds/")}));
        // The game names its files in lower case, the disk as it likes, and the two agree.
        QCOMPARE(SpielLeser::dateien(m), QStringList({"rooms/b.lsd", "items/Dolch0.skp"}));
        QCOMPARE(m.pfad("rooms/b.lsd"), o.p("gross/ROOMS/b.lsd"));
        Pruefdienst dienst(m);
        QCOMPARE(dienst.relativ(o.p("gross/ROOMS/b.lsd")), "rooms/b.lsd");
        QCOMPARE(dienst.relativ(o.p("gross/Items/Dolch0.skp")), "items/Dolch0.skp");
        QCOMPARE(dienst.relativ(o.p("gross/ROOMS/x/b.lsd")), QString());
        QVERIFY(SpielLeser::lesen(m, "rooms/b.lsd")->vollstaendig);
    }

    void eachGameKeepsItsCopiesApartUnderOneName()
    {
        Ordner o;
        QVERIFY(QFile::link(o.p("spiel"), o.p("verweis")));
        const QString spiel = Spielordner::datenOrdner(o.p("spiel"));
        for (const char* gleich : {"spiel/", "verweis", "leer/../spiel"})
            QCOMPARE(Spielordner::datenOrdner(o.p(QLatin1String(gleich))), spiel);
        QVERIFY(Spielordner::datenOrdner(o.p("gross")) != spiel);

        // The games used last, newest first, in the file that every editor shares.
        ZuletztGeoeffnet zuletzt(o.p("zuletzt.ini"), o.p("spiel"));
        for (const char* ordner : {"spiel", "gross", "spiel/"})
            zuletzt.spielBenutzt(o.p(QLatin1String(ordner)));
        zuletzt.hinzufuegen(o.p("spiel/rooms/a.lsd"));
        QCOMPARE(ZuletztGeoeffnet(o.p("zuletzt.ini"), {}).spiele(),
                 QStringList({o.p("spiel"), o.p("gross")}));
        zuletzt.spielEntfernen(o.p("gross"));
        QCOMPARE(zuletzt.spiele(), QStringList({o.p("spiel")}));
        QCOMPARE(zuletzt.raeume(), QStringList({o.p("spiel/rooms/a.lsd")}));
    }
};

QTEST_APPLESS_MAIN(TestSpielordner)
#include "tst_spielordner.moc"
