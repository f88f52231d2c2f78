#include "EditorImTest.h"
#include "OrdnerStand.h"
#include "regeln/Referenzen.h"
#include "roomfile/ItemSkript.h"
#include "script/Befehlstabelle.h"
#include "tools/Gegen.h"
#include "tools/Tool.h"

#include <random>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

// "kill" puts files into the trash: the trash of a home of the test's own, on the same disk
// as the test's game folders, so that the desktop uses it for them.
struct EigenesZuhause
{
    QTemporaryDir dir;
    EigenesZuhause()
    {
        qputenv("HOME", dir.path().toUtf8());
        qputenv("XDG_DATA_HOME", dir.filePath("share").toUtf8());
    }
    QString papierkorb(const QString& relativ = {}) const
    {
        return dir.filePath("share/Trash" + (relativ.isEmpty() ? "" : "/" + relativ));
    }
} zuhause;

} // namespace

class TestTools : public QObject, EditorImTest
{
    Q_OBJECT

private Q_SLOTS:
    void init() { starten(); }
    void cleanup() { beenden(); }

    void theItemManagerWritesWhatTheScriptEditorLeaves()
    {
        for (const char* datei :
             {"items/Tuer.bmp", "items/Tuer.GIF", "items/a.b.gif", "items/x", "items/Schwert.gif"})
            QVERIFY(spiel->datei(datei));
        QVERIFY(spiel->datei("items/a.b2.skp", "-1\r\n"));
        QVERIFY(spiel->datei("items/SCHWERT2.SKP", ItemSkript::schreiben(skriptAus({{2, "Alt"}}))));
        Gegen gegen(*m, *desktop);
        fenster = &gegen;
        Skript gesehen, neu = skriptAus({{2, " Ein Tor, alt "}, {9, ""}});
        gegen.skriptEditorZeigen = [&](auto&&...) {
            gesehen = m->AktSkript;
            if (neu.MaxZeile >= 0)
                m->AktSkript = std::exchange(neu, Skript());
        };
        desktop->driveModal([&](QDialog&) {
            auto* file1 = control<QListWidget>("File1");
            QCOMPARE(rowTexts(file1),
                     QStringList({"a.b.gif", "Schwert.gif", "Tuer.bmp", "Tuer.GIF"}));
            QCOMPARE(file1->currentRow(), 0);
            // What the script editor leaves is written; the GIF shares the BMP's files.
            clickRow(file1, 2);
            click("Command1_1");
            QCOMPARE(gesehen.MaxZeile, -1);
            clickRow(file1, 3);
            click("Command1_1");
            QCOMPARE(gesehen, skriptAus({{2, " Ein Tor, alt "}, {9, ""}}));
            QCOMPARE(spiel->inhalt("items/Tuer1.skp"),
                     QByteArray("1\r\n2\r\n\" Ein Tor, alt \"\r\n9\r\n\"\"\r\n"));
            // Untouched defaults are written too.
            click("Command1_2");
            QCOMPARE(spiel->inhalt("items/Tuer2.skp"), QByteArray("0\r\n16\r\n\"\"\r\n"));
            click("Command1_0");
            QCOMPARE(spiel->inhalt("items/Tuer0.skp"), QByteArray("-1\r\n"));
            // A file of -1 is an empty script, also for "Interagiere"; dots inside stay.
            clickRow(file1, 0);
            click("Command1_2");
            QCOMPARE(gesehen.MaxZeile, -1);
            // A script file spelt otherwise, as made on Windows, is the one read and written.
            clickRow(file1, 1);
            click("Command1_2");
            QCOMPARE(gesehen, skriptAus({{2, "Alt"}}));
        });
        gegen.zeigen();
        QCOMPARE(spiel->dateien("items"),
                 QStringList({"SCHWERT2.SKP", "Schwert.gif", "Tuer.GIF", "Tuer.bmp", "Tuer0.skp",
                              "Tuer1.skp", "Tuer2.skp", "a.b.gif", "a.b2.skp", "x"}));
        QCOMPARE(itemSkripteLesen(m->ItemsPfad).size(), 5); // the checker reads SCHWERT2.SKP too
    }

    void theItemManagerAsksBeforeReplacingABrokenScript()
    {
        Gegen gegen(*m, *desktop);
        fenster = &gegen;
        // Without a picture, in a folder or without one, there is nothing to edit.
        for (const QString& ordner : {spiel->pfad("fehlt/"), m->ItemsPfad}) {
            m->ItemsPfad = ordner;
            gegen.laden();
            clickWith("Command1_1", QMessageBox::Ok);
            QCOMPARE(letzteMeldung(), meldung("Es existiert noch kein Bild für einen Gegenstand"));
        }
        QVERIFY(spiel->datei("items/Tuer.bmp"));
        Skript gesehen;
        int geoeffnet = 0;
        gegen.skriptEditorZeigen = [&](auto&&...) {
            ++geoeffnet;
            gesehen = m->AktSkript;
        };
        gegen.laden();
        // Up to the last closing quote every cut is incomplete: the author is asked, says
        // No, and the file stays as it is.
        const QByteArray ganz = ItemSkript::schreiben(
            skriptAus({{2, "Ein Tor"}, {16, ""}, {5, "tuer.bmp"}, {10, "12"}, {32, "Ä"}}));
        for (qsizetype n = 0; n < ganz.size() - 2; ++n) {
            const QByteArray teil = ganz.left(n);
            QVERIFY(spiel->datei("items/Tuer0.skp", teil));
            clickWith("Command1_0", QMessageBox::No);
            const QString frage = desktop->messages.last().text;
            const int zeile = frage.section("Zeile ", 1).section(' ', 0, 0).toInt();
            QVERIFY2(frage.contains("ist fehlerhaft") && zeile >= 1 &&
                         zeile <= teil.count('\r') + 1,
                     qPrintable(QString("cut at %1: %2").arg(n).arg(frage)));
            QCOMPARE(spiel->inhalt("items/Tuer0.skp"), teil);
        }
        QCOMPARE(geoeffnet, 0);
        // Yes edits what was read and writes it whole.
        QVERIFY(spiel->datei("items/Tuer0.skp", "1\r\n2\r\n\"Hallo\"\r\nx\r\n"));
        clickWith("Command1_0", QMessageBox::Yes);
        const QString frage = desktop->messages.last().text;
        QVERIFY(frage.startsWith("Die Skriptdatei " + nativ("items/Tuer0.skp") +
                                 " ist fehlerhaft: Das Lesen hat in Zeile 4 aufgehört."));
        QCOMPARE(letzteMeldung(), meldung(frage, QMessageBox::Yes | QMessageBox::No,
                                          QMessageBox::No, QMessageBox::Warning));
        QVERIFY(geoeffnet == 1 && gesehen == skriptAus({{2, "Hallo"}}));
        QCOMPARE(spiel->inhalt("items/Tuer0.skp"), QByteArray("0\r\n2\r\n\"Hallo\"\r\n"));
#ifdef Q_OS_UNIX
        // A write that fails keeps the old file; the author may try again.
        gegen.skriptEditorZeigen = [&](auto&&...) { m->AktSkript.zeilenAnlegen(2000); };
        clickOnFullDisk(4096, "Command1_0", QMessageBox::Yes, QMessageBox::No);
        QVERIFY(desktop->messages.last().text.contains("konnte nicht gespeichert werden"));
        QCOMPARE(desktop->messages.last().defaultButton, QMessageBox::Yes);
        QCOMPARE(spiel->inhalt("items/Tuer0.skp"), QByteArray("0\r\n2\r\n\"Hallo\"\r\n"));
        QCOMPARE(spiel->dateien("items"), QStringList({"Tuer.bmp", "Tuer0.skp"}));
#endif
        // A script file that is a folder is neither edited nor replaced.
        QVERIFY(QDir().mkdir(spiel->pfad("items/Tuer1.skp")));
        clickWith("Command1_1", QMessageBox::Ok);
        QCOMPARE(letzteMeldung(), warnung("Die Skriptdatei " + nativ("items/Tuer1.skp") +
                                          " kann nicht geöffnet werden."));
        QVERIFY(QFileInfo(spiel->pfad("items/Tuer1.skp")).isDir());
    }

    void startSelectsTheUnusedFiles()
    {
        for (const char* datei :
             {"graphics/Baum.bmp", "graphics/baum.BMP", "graphics/haus.BMP", "graphics/frei.gif",
              "graphics/item.jpg", "graphics/vor.bmp", "graphics/nach.bmp", "graphics/x.jpeg",
              "sounds/Tür.wav", "sounds/frei.mp3", "sounds/item.wav", "sounds/nach.wav"})
            QVERIFY(spiel->datei(datei));
        QVERIFY(spiel->datei("items/Schwert0.skp",
                             ItemSkript::schreiben(skriptAus({{5, "item.jpg"}, {1, "item.wav"}}))));
        Module1 a, b;
        a.setHintergrund("graphics\\BAUM.bmp");
        a.StartSkript = skriptAus(
            {{5, "C:/Spiel/graphics/Haus.bmp"}, {1, " sounds\\TÜR.WAV "}, {23, "1, frei.gif"}});
        QVERIFY(spiel->raum("a.lsd", a) && spiel->raum("c.lsd", {}) && spiel->raum("d.lsd", {}));
        // Cut short in a hotspot's grid: what the hotspot names counts, the timer script not.
        b.HotSpots[b.neuerHotSpot(0)].Skripte[1] = skriptAus({{5, "vor.bmp"}});
        b.TimerSkript = skriptAus({{5, "nach.bmp"}, {1, "nach.wav"}});
        QVERIFY(spiel->datei("rooms/b.lsd", RoomFile::schreiben(b).chopped(200)));

        Tool tool(*m, *desktop);
        fenster = &tool;
        tool.laden();
        tool.show();
        auto* file1 = control<QListWidget>("File1");
        auto* file2 = control<QListWidget>("File2");
        // The rooms list follows the scan room by room: b.lsd is current when it is asked about.
        QList<QPoint> gefolgt; // row, messages so far
        connect(file2, &QListWidget::currentRowChanged, &tool,
                [&](int zeile) { gefolgt << QPoint(zeile, desktop->messages.size()); });
        // While the scan lets events through, neither button nor closing does anything.
        bool waehrend = false;
        QTimer::singleShot(0, &tool, [&] {
            waehrend = !control("Command1")->isEnabled() && !control("Command2")->isEnabled();
            tool.reject();
        });
        for (const auto antwort : {QMessageBox::No, QMessageBox::Yes}) {
            desktop->answer(antwort, QMessageBox::Ok);
            gefolgt.clear();
            const int n = desktop->messages.size();
            click("Command1");
            QCOMPARE(gefolgt, QList<QPoint>({{0, n}, {1, n}, {2, n + 1}, {3, n + 1}}));
            QCOMPARE(letzteMeldung(1),
                     meldung(nativ("rooms/b.lsd") + " hat einen Fehler. Löschen?",
                             QMessageBox::Yes | QMessageBox::No, QMessageBox::No));
            QCOMPARE(letzteMeldung(), meldung("Fertig"));
            QCOMPARE(rowTexts(file1, true) + rowTexts(control<QListWidget>("File3"), true),
                     QStringList({"frei.gif", "nach.bmp", "frei.mp3", "nach.wav"}));
            QCOMPARE(QFileInfo::exists(spiel->pfad("rooms/b.lsd")), antwort == QMessageBox::No);
        }
        QVERIFY(waehrend && tool.isVisible() && control("Command1")->isEnabled());

        // "kill" deletes the selection; a file that cannot be deleted is named.
        QVERIFY(QFile::remove(spiel->pfad("sounds/frei.mp3")));
        QVERIFY(QDir().mkpath(spiel->pfad("sounds/frei.mp3/voll")));
        desktop->noTrash = true;
        clickWith("Command2", QMessageBox::Ok);
        QCOMPARE(letzteMeldung(),
                 warnung("Für diese Dateien gibt es keinen Papierkorb; sie wurden endgültig "
                         "gelöscht:\n\n" +
                         nativ("graphics/frei.gif") + "\n" + nativ("graphics/nach.bmp") + "\n" +
                         nativ("sounds/nach.wav") +
                         "\n\nDiese Dateien konnten nicht gelöscht werden:\n\n" +
                         nativ("sounds/frei.mp3")));
        QCOMPARE(spiel->dateien("graphics") + spiel->dateien("sounds"),
                 QStringList({"Baum.bmp", "baum.BMP", "haus.BMP", "item.jpg", "vor.bmp", "x.jpeg",
                              "Tür.wav", "item.wav"}));
        QCOMPARE(file1->count(), 7); // the lists are not read again
    }

    void withoutRoomsEveryFileIsUnused()
    {
        for (const char* datei : {"graphics/a.bmp", "graphics/b.gif", "sounds/c.wav"})
            QVERIFY(spiel->datei(datei));
        QVERIFY(QDir(spiel->pfad("rooms")).removeRecursively());
        Tool tool(*m, *desktop);
        fenster = &tool;
        desktop->driveModal([&](QDialog&) {
            auto* file1 = control<QListWidget>("File1");
            // A click toggles; "kill" before "Start" deletes what was chosen by hand.
            for (int zeile : {0, 1, 0})
                clickRow(file1, zeile);
            click("Command2");
            QCOMPARE(spiel->dateien("graphics"), QStringList({"a.bmp"}));
            // Every entry is selected at once, and with no room all stay selected; b.gif,
            // already gone, stops nothing.
            QSignalSpy auswahl(file1->selectionModel(), &QItemSelectionModel::selectionChanged);
            clickWith("Command1", QMessageBox::Ok);
            QCOMPARE(auswahl.count(), 1);
            QCOMPARE(rowTexts(file1, true), QStringList({"a.bmp", "b.gif"}));
            click("Command2");
            QCOMPARE(spiel->dateien("graphics") + spiel->dateien("sounds"), QStringList());
        });
        tool.zeigen();
    }

#ifdef Q_OS_UNIX // the freedesktop trash
    void killTakesWhatStartFoundToTheTrashIfThereIsOne()
    {
        QVERIFY(QDir(zuhause.papierkorb()).removeRecursively());
        for (const char* datei : {"graphics/a.bmp", "sounds/b.wav"})
            QVERIFY(spiel->datei(datei, datei));
        QVERIFY(spiel->datei("rooms/kaputt.lsd", "\"x"));
        Tool tool(*m, *desktop);
        fenster = &tool;
        tool.laden();
        tool.show();
        clickWith("Command1", QMessageBox::Yes, QMessageBox::Ok);
        click("Command2");
        // Nothing to say: everything can be brought back, with where it came from.
        QCOMPARE(letzteMeldung(), meldung("Fertig"));
        QCOMPARE(spiel->dateien("graphics") + spiel->dateien("sounds") + spiel->dateien("rooms"),
                 QStringList());
        QCOMPARE(QDir(zuhause.papierkorb("files")).entryList(QDir::Files),
                 QStringList({"a.bmp", "b.wav", "kaputt.lsd"}));
        QCOMPARE(TextFile::read(zuhause.papierkorb("files/a.bmp")).value_or(""), "graphics/a.bmp");
        const QByteArray info =
            TextFile::read(zuhause.papierkorb("info/b.wav.trashinfo")).value_or("");
        QVERIFY2(info.contains("\nPath=" + QFile::encodeName(spiel->pfad("sounds/b.wav"))), info);

        // No trash to be had: deleted for good, and the author is told which.
        QVERIFY(QDir(zuhause.papierkorb()).removeRecursively());
        QVERIFY(TextFile::write(zuhause.papierkorb(), "kein Ordner"));
        QVERIFY(spiel->datei("sounds/c.wav") && spiel->datei("rooms/kaputt.lsd", "\"x"));
        tool.laden();
        clickWith("Command1", QMessageBox::Yes, QMessageBox::Ok, QMessageBox::Ok);
        QCOMPARE(letzteMeldung(1),
                 warnung("Für die Datei " + nativ("rooms/kaputt.lsd") +
                         " gibt es keinen Papierkorb: Sie wurde endgültig gelöscht."));
        clickWith("Command2", QMessageBox::Ok);
        QCOMPARE(letzteMeldung(),
                 warnung("Für diese Dateien gibt es keinen Papierkorb; sie wurden endgültig "
                         "gelöscht:\n\n" +
                         nativ("sounds/c.wav")));
        QCOMPARE(spiel->dateien("sounds") + spiel->dateien("rooms"), QStringList());
        QVERIFY(QFile::remove(zuhause.papierkorb()));

        // Between "Start" and "kill" a picture becomes a folder with a file in it, another a
        // pipe, a sound a link to a file outside: the link goes to the trash as a link, the
        // rest stays and is named.
        for (const char* datei : {"graphics/a.bmp", "graphics/c.bmp", "sounds/b.wav"})
            QVERIFY(spiel->datei(datei, datei));
        QTemporaryDir draussen;
        QVERIFY(TextFile::write(draussen.filePath("ziel.wav"), "ziel"));
        tool.laden();
        clickWith("Command1", QMessageBox::Ok);
        QVERIFY(QFile::remove(spiel->pfad("graphics/a.bmp")));
        QVERIFY(QDir().mkpath(spiel->pfad("graphics/a.bmp")));
        QVERIFY(spiel->datei("graphics/a.bmp/inhalt.txt", "bleibt"));
        QVERIFY(QFile::remove(spiel->pfad("graphics/c.bmp")));
        QCOMPARE(mkfifo(QFile::encodeName(spiel->pfad("graphics/c.bmp")).constData(), 0600), 0);
        QVERIFY(QFile::remove(spiel->pfad("sounds/b.wav")));
        QVERIFY(QFile::link(draussen.filePath("ziel.wav"), spiel->pfad("sounds/b.wav")));
        clickWith("Command2", QMessageBox::Ok);
        QCOMPARE(letzteMeldung(),
                 warnung("Diese Dateien konnten nicht gelöscht werden:\n\n" +
                         nativ("graphics/a.bmp") + "\n" + nativ("graphics/c.bmp")));
        QCOMPARE(spiel->inhalt("graphics/a.bmp/inhalt.txt"), QByteArray("bleibt"));
        QVERIFY(QFileInfo(spiel->pfad("graphics/c.bmp")).exists());
        QVERIFY(!QFileInfo(spiel->pfad("sounds/b.wav")).isSymLink());
        QVERIFY(QFileInfo(zuhause.papierkorb("files/b.wav")).isSymLink());
        QCOMPARE(TextFile::read(draussen.filePath("ziel.wav")).value_or(""), QByteArray("ziel"));
        QVERIFY(!QFileInfo::exists(zuhause.papierkorb("files/a.bmp")));
    }
#endif

    void startAndKillDeleteExactlyTheUnused()
    {
        // Random game folders whose rooms and item scripts name pictures and sounds in any
        // case, behind folders, padded, and through commands that do not count: "Start" and
        // "kill" delete exactly what a plain rule finds unused, links as links, never read.
        std::mt19937 zufall(20240611);
        const auto wuerfel = [&](int n) { return int(zufall() % quint32(n)); };
        const auto eines = [&](const QStringList& l) { return l[wuerfel(l.size())]; };
        const auto geschrieben = [&](QString name) {
            for (QChar& c : name)
                c = wuerfel(2) ? c.toUpper() : c.toLower();
            return QString(wuerfel(3), ' ') + eines({"", "graphics\\", "..\\graphics\\", "C:/x/"}) +
                   name + QString(wuerfel(3), ' ');
        };
        const auto bloss = [](QString w) {
            w = w.trimmed();
            return w.mid(qMax(w.lastIndexOf('\\'), w.lastIndexOf('/')) + 1).toCaseFolded();
        };
        const QVector<qint32> zaehltNicht = {Befehlstabelle::PlayAvi, Befehlstabelle::Print,
                                             Befehlstabelle::Goto, Befehlstabelle::Add};
        QTemporaryDir draussen;
        QVERIFY(TextFile::write(draussen.filePath("fremd.wav"), "von draußen"));
#ifdef Q_OS_UNIX
        // Whoever opens the pipe to read waits forever.
        QCOMPARE(mkfifo(QFile::encodeName(draussen.filePath("rohr")).constData(), 0600), 0);
#endif
        const OrdnerStand draussenVorher = ordnerStand(draussen.path());

        for (int runde = 0; runde < 40; ++runde) {
            for (const char* ordner : {"graphics", "sounds", "rooms", "items"}) {
                QDir d(spiel->pfad(ordner));
                QVERIFY(d.removeRecursively() && d.mkpath("."));
            }
            QStringList dateien = {eines({"graphics/Tür.jpeg", "graphics/a.wav", "sounds/b.bmp"})};
            for (int i = wuerfel(8); i >= 0; --i) {
                const QString stamm = eines({"Tür", "Baum", "Haus.alt", "Straße", "Zwei Wörter"}) +
                                      QString::number(wuerfel(3));
                dateien << "graphics/" + stamm + eines({".bmp", ".BMP", ".Jpg", ".GIF"});
                if (wuerfel(2))
                    dateien << "sounds/" + stamm + eines({".wav", ".MP3"});
            }
            QStringList namen = {"fehlt.bmp", "Weg.wav"};
            for (const QString& d : dateien) {
                QVERIFY(spiel->datei(d, d.toUtf8()));
                namen << d.section('/', 1);
            }
            // Per room its start, timer and one hotspot script, then the item scripts.
            std::vector<Module1> raeume(1 + wuerfel(3));
            QVector<QVector<QPair<qint32, QString>>> zeilen(int(raeume.size()) * 3 + wuerfel(3));
            QSet<QString> benutzt[2]; // pictures, sounds
            for (int i = 4 + wuerfel(16); i > 0; --i) {
                const int art = wuerfel(3);
                const QString wert = geschrieben(eines(namen));
                if (art < 2)
                    benutzt[art] << bloss(wert);
                zeilen[wuerfel(zeilen.size())] << qMakePair(art == 0   ? Befehlstabelle::LoadPic
                                                            : art == 1 ? Befehlstabelle::PlayWav
                                                                       : zaehltNicht[wuerfel(4)],
                                                            wert);
            }
#ifdef Q_OS_UNIX
            // Unused links to a room and to a file outside, a used one, one to the pipe.
            for (const auto& [link, ziel] :
                 {std::pair(QString("graphics/Raum.gif"), spiel->pfad("rooms/raum0.lsd")),
                  std::pair(QString("sounds/Fremd.WAV"), draussen.filePath("fremd.wav")),
                  std::pair(QString("graphics/Außen.gif"), spiel->pfad(dateien[1])),
                  std::pair(QString("graphics/rohr.bmp"), draussen.filePath("rohr"))})
                QVERIFY(QFile::link(ziel, spiel->pfad(link)));
            dateien << "graphics/Raum.gif"
                    << "sounds/Fremd.WAV"
                    << "graphics/Außen.gif";
            zeilen[0] << qMakePair(Befehlstabelle::LoadPic, geschrieben("Außen.gif"));
            benutzt[0] << "außen.gif";
#endif
            for (int r = 0; r < int(raeume.size()); ++r) {
                Module1& raum = raeume[r];
                const QString hintergrund = geschrieben(eines(namen));
                raum.setHintergrund(hintergrund);
                benutzt[0] << bloss(hintergrund);
                HotSpot& spot = raum.HotSpots[raum.neuerHotSpot(0)];
                spot.Name = eines(namen);
                spot.Cursor = eines(namen);
                spot.Skripte[wuerfel(3)] = skriptAus(zeilen[3 * r + 2]);
                raum.StartSkript = skriptAus(zeilen[3 * r]);
                raum.TimerSkript = skriptAus(zeilen[3 * r + 1]);
                QVERIFY(spiel->raum(
                    QString("raum%1").arg(r) + (r ? eines({".lsd", ".LSD"}) : ".lsd"), raum));
            }
            for (int k = 3 * int(raeume.size()); k < zeilen.size(); ++k)
                QVERIFY(spiel->datei(eines({"items/Ding%1.skp", "items/DING%1.SKP"}).arg(k),
                                     ItemSkript::schreiben(skriptAus(zeilen[k]))));

            OrdnerStand erwartet = ordnerStand(spiel->pfad(""));
            for (const QString& d : dateien) {
                const int art = d.startsWith("sounds/");
                const QString endung = QFileInfo(d).suffix().toLower();
                const bool gelistet = art ? endung == "wav" || endung == "mp3"
                                          : endung == "bmp" || endung == "jpg" || endung == "gif";
                if (gelistet && !benutzt[art].contains(bloss(d.section('/', 1))))
                    erwartet.remove(d);
            }
            Tool tool(*m, *desktop);
            fenster = &tool;
            tool.laden();
            tool.show();
            clickWith("Command1", QMessageBox::Ok);
            click("Command2");
            QCOMPARE(letzteMeldung(), meldung("Fertig"));
            OrdnerStand ist = ordnerStand(spiel->pfad(""));
            // Deleting the unused link to the pipe is as good as leaving it; reading is not.
            erwartet.remove("graphics/rohr.bmp");
            ist.remove("graphics/rohr.bmp");
            QCOMPARE(ist.keys(), erwartet.keys());
            QCOMPARE(ist, erwartet);
            QCOMPARE(ordnerStand(draussen.path()), draussenVorher);
        }
    }
};

QTEST_MAIN(TestTools)
#include "tst_tools.moc"
