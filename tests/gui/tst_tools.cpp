#include "EditorImTest.h"
#include "OrdnerStand.h"
#include "check/Referenzen.h"
#include "roomfile/ItemSkript.h"
#include "script/Befehlstabelle.h"
#include "tools/Gegen.h"
#include "tools/Tool.h"

#include <algorithm>
#include <random>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

class TestTools : public QObject, EditorImTest
{
    Q_OBJECT

private Q_SLOTS:
    void init() { starten(); }
    void cleanup() { beenden(); }

    void gegenSchreibtJedesSkriptBeimSchliessen()
    {
        for (const char* datei :
             {"items/Tuer.bmp", "items/Tuer.GIF", "items/a.b.gif", "items/x", "items/Schwert.gif"})
            QVERIFY(spiel->datei(datei));
        QVERIFY(spiel->datei("items/a.b2.skp", "-1\r\n"));
        QVERIFY(spiel->datei("items/SCHWERT2.SKP", ItemSkript::schreiben(skriptAus({{2, "Alt"}}))));
        Gegen gegen(*m, *desktop);
        fenster = &gegen;
        Skript gesehen, neu = skriptAus({{2, " Ein Tor, alt "}, {9, ""}});
        gegen.skriptEditorZeigen = [&] {
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
        QCOMPARE(gegen.windowTitle(), QString("Gegenstandsmanager"));
        QCOMPARE(control<QPushButton>("Command1_0")->text(), QString("Anschauen"));
    }

    void gegenFragtVorDemUeberschreiben()
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
        QVERIFY(spiel->datei("items/Tuer0.skp", "1\r\n2\r\n\"Hallo\"\r\nx\r\n"));
        int geoeffnet = 0;
        gegen.skriptEditorZeigen = [&] {
            ++geoeffnet;
            QCOMPARE(m->AktSkript, skriptAus({{2, "Hallo"}}));
        };
        gegen.laden();
        const QString datei = QDir::toNativeSeparators(spiel->pfad("items/Tuer0.skp"));
        for (const auto antwort : {QMessageBox::No, QMessageBox::Yes}) {
            clickWith("Command1_0", antwort);
            const QString frage = desktop->messages.last().text;
            QVERIFY(frage.startsWith("Die Skriptdatei " + datei +
                                     " ist fehlerhaft: Das Lesen hat in Zeile 4 aufgehört."));
            QCOMPARE(letzteMeldung(), meldung(frage, QMessageBox::Yes | QMessageBox::No,
                                              QMessageBox::No, QMessageBox::Warning));
        }
        QCOMPARE(geoeffnet, 1); // only after Yes
        QCOMPARE(spiel->inhalt("items/Tuer0.skp"), QByteArray("0\r\n2\r\n\"Hallo\"\r\n"));
#ifdef Q_OS_UNIX
        // A write that fails keeps the old file; the author may try again.
        gegen.skriptEditorZeigen = [&] { m->AktSkript.zeilenAnlegen(2000); };
        clickOnFullDisk(4096, "Command1_0", QMessageBox::Yes, QMessageBox::No);
        QVERIFY(desktop->messages.last().text.contains("konnte nicht gespeichert werden"));
        QCOMPARE(desktop->messages.last().defaultButton, QMessageBox::Yes);
        QCOMPARE(spiel->inhalt("items/Tuer0.skp"), QByteArray("0\r\n2\r\n\"Hallo\"\r\n"));
        QCOMPARE(spiel->dateien("items"), QStringList({"Tuer.bmp", "Tuer0.skp"}));
#endif
        // A script file that is a folder is neither edited nor replaced.
        QVERIFY(QDir().mkdir(spiel->pfad("items/Tuer1.skp")));
        clickWith("Command1_1", QMessageBox::Ok);
        QCOMPARE(letzteMeldung(),
                 meldung("Die Skriptdatei " +
                             QDir::toNativeSeparators(spiel->pfad("items/Tuer1.skp")) +
                             " kann nicht geöffnet werden.",
                         QMessageBox::Ok, QMessageBox::NoButton, QMessageBox::Warning));
        QVERIFY(QFileInfo(spiel->pfad("items/Tuer1.skp")).isDir());
    }

    void einAbgeschnittenesSkriptBleibtWieEsIst()
    {
        QVERIFY(spiel->datei("items/Tuer.bmp"));
        const QByteArray ganz = ItemSkript::schreiben(
            skriptAus({{2, "Ein Tor"}, {16, ""}, {5, "tuer.bmp"}, {10, "12"}, {32, "Ä"}}));
        Gegen gegen(*m, *desktop);
        fenster = &gegen;
        gegen.laden();
        bool geoeffnet = false;
        gegen.skriptEditorZeigen = [&] { geoeffnet = true; };
        // Up to the last closing quote every cut is incomplete: the author is asked, says
        // No, and the file stays as it is.
        for (qsizetype n = 0; n < ganz.size() - 2; ++n) {
            const QByteArray teil = ganz.left(n);
            QVERIFY(spiel->datei("items/Tuer0.skp", teil));
            clickWith("Command1_0", QMessageBox::No);
            const QString frage = desktop->messages.last().text;
            const int zeile = frage.section("Zeile ", 1).section(' ', 0, 0).toInt();
            QVERIFY2(frage.contains("ist fehlerhaft") && zeile >= 1 &&
                         zeile <= teil.count('\r') + 1,
                     qPrintable(QString("cut at %1: %2").arg(n).arg(frage)));
            QVERIFY(!geoeffnet);
            QCOMPARE(spiel->inhalt("items/Tuer0.skp"), teil);
        }
        QCOMPARE(spiel->dateien("items"), QStringList({"Tuer.bmp", "Tuer0.skp"}));
    }

    void toolWaehltDasUnbenutzteAus()
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
                     meldung(QDir::toNativeSeparators(spiel->pfad("rooms/b.lsd")) +
                                 " hat einen Fehler. Löschen?",
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
        clickWith("Command2", QMessageBox::Ok);
        QCOMPARE(letzteMeldung(),
                 meldung("Diese Dateien konnten nicht gelöscht werden:\n\n" +
                             QDir::toNativeSeparators(spiel->pfad("sounds/frei.mp3")),
                         QMessageBox::Ok, QMessageBox::NoButton, QMessageBox::Warning));
        QCOMPARE(spiel->dateien("graphics") + spiel->dateien("sounds"),
                 QStringList({"Baum.bmp", "baum.BMP", "haus.BMP", "item.jpg", "vor.bmp", "x.jpeg",
                              "Tür.wav", "item.wav"}));
        QCOMPARE(file1->count(), 7); // the lists are not read again
    }

    void toolOhneRaeume()
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
        QCOMPARE(tool.windowTitle(), QString("Form1"));
    }

    void startUndKillLoeschenGenauDasUnbenutzte()
    {
        const quint32 saat = 20240611;
        std::mt19937 zufall(saat);
        const auto wuerfel = [&](int n) { return int(zufall() % quint32(n)); };
        const auto eines = [&](const QStringList& l) { return l[wuerfel(l.size())]; };
        // A name as an author may have typed it: any case, a folder before it, spaces around.
        const auto geschrieben = [&](const QString& name) {
            QString s = QString(wuerfel(3), ' ') +
                        eines({"", "graphics\\", "..\\graphics\\", "sounds/", "C:\\Spiel\\x/"});
            for (QChar c : name)
                s += wuerfel(2) ? c.toUpper() : c.toLower();
            return s + QString(wuerfel(3), ' ');
        };
        const auto anhaengen = [](Skript& s, qint32 befehl, const QString& wert) {
            s.Befehl.resize(s.MaxZeile + 1);
            s.Parameter.resize(s.MaxZeile + 1);
            s.Befehl << befehl;
            s.Parameter << wert;
            ++s.MaxZeile;
        };
        // The rule: without the spaces around it and without folders, the name in any case.
        const auto unbenutzt = [](const QStringList& dateien, const QStringList& werte) {
            QStringList weg;
            for (const QString& datei : dateien) {
                const bool genannt = std::any_of(werte.begin(), werte.end(), [&](QString w) {
                    w = w.trimmed();
                    w = w.mid(std::max(w.lastIndexOf('\\'), w.lastIndexOf('/')) + 1);
                    return w.compare(datei.section('/', 1), Qt::CaseInsensitive) == 0;
                });
                if (!genannt)
                    weg << datei;
            }
            return weg;
        };
        const QStringList staemme = {"Tür",    "tür", "Baum", "Haus.alt",   "a.b",
                                     "Straße", "ÖL",  "x",    "Zwei Wörter"};
        const QStringList andere = {"graphics/notiz.txt", "graphics/Tür.jpeg", "graphics/a.bmp.bak",
                                    "graphics/ton.wav",   "sounds/bild.bmp",   "sounds/a.wav~",
                                    "sounds/Tür.ogg"};
        const QVector<qint32> zaehltNicht = {Befehlstabelle::PlayAvi, Befehlstabelle::Print,
                                             Befehlstabelle::Goto, Befehlstabelle::PlayMusic,
                                             Befehlstabelle::Add};
        QTemporaryDir draussen;
        QVERIFY(TextFile::write(draussen.filePath("fremd.bmp"), "Bild von draußen") &&
                TextFile::write(draussen.filePath("fremd.wav"), "Klang von draußen"));
#ifdef Q_OS_UNIX
        // Whoever opens the pipe to read waits forever.
        QCOMPARE(mkfifo(QFile::encodeName(draussen.filePath("rohr")).constData(), 0600), 0);
#endif
        const OrdnerStand draussenVorher = ordnerStand(draussen.path());

        for (int runde = 0; runde < 40; ++runde) {
            const QString wo = QString("Runde %1, Saat %2: ").arg(runde).arg(saat);
            for (const char* ordner : {"graphics", "sounds", "rooms", "items"}) {
                QDir d(spiel->pfad(ordner));
                QVERIFY(d.removeRecursively() && d.mkpath("."));
            }
            // Pictures and sounds, a missing one of each, and files that are neither.
            QStringList bilder, klaenge, bildNamen = {"fehlt.bmp"}, klangNamen = {"Weg.WAV"};
            for (int i = wuerfel(8); i >= 0; --i) {
                const QString stamm = eines(staemme) + QString::number(wuerfel(3));
                bilder << "graphics/" + stamm + eines({".bmp", ".BMP", ".Jpg", ".jpg", ".GIF"});
                if (wuerfel(2))
                    klaenge << "sounds/" + stamm + eines({".wav", ".WAV", ".Mp3", ".mp3"});
            }
            QStringList dateien = bilder + klaenge;
            for (const QString& datei : andere) {
                if (wuerfel(2))
                    dateien << datei;
            }
            for (const QString& datei : dateien) {
                QVERIFY(spiel->datei(datei, (wo + datei).toUtf8()));
                (bilder.contains(datei) ? bildNamen : klangNamen) << datei.section('/', 1);
            }
            // The unused links are named only where it does not count.
            const QStringList benennbar = bildNamen + klangNamen;
            const QStringList auchNicht = benennbar + QStringList{"Verweis.Bmp", "Fremd.WAV"};

            std::vector<Module1> raeume(1 + wuerfel(3));
            std::vector<Skript> skripte(wuerfel(3));
            QVector<Skript*> orte;
            QStringList bildWerte, klangWerte, nichts;
            for (Module1& raum : raeume) {
                for (int h = wuerfel(3); h > 0; --h)
                    raum.neuerHotSpot(h);
                for (int h = 0; h <= raum.HotSpotMax; ++h) {
                    raum.HotSpots[h].Name = geschrieben(eines(auchNicht));
                    raum.HotSpots[h].Cursor = eines(auchNicht);
                    for (Skript& s : raum.HotSpots[h].Skripte)
                        orte << &s;
                }
                raum.setHintergrund(wuerfel(4) ? geschrieben(eines(bildNamen)) : "");
                bildWerte << raum.Hintergrund();
                orte << &raum.StartSkript << &raum.TimerSkript;
            }
            for (Skript& s : skripte)
                orte << &s;
            for (int i = 4 + wuerfel(16); i > 0; --i) {
                const int art = wuerfel(4);
                const QString wert = geschrieben(eines(art == 0   ? bildNamen
                                                       : art == 1 ? klangNamen
                                                                  : auchNicht));
                (art == 0 ? bildWerte : art == 1 ? klangWerte : nichts) << wert;
                anhaengen(*orte[wuerfel(orte.size())],
                          art == 0   ? Befehlstabelle::LoadPic
                          : art == 1 ? Befehlstabelle::PlayWav
                                     : zaehltNicht[wuerfel(zaehltNicht.size())],
                          wert);
            }
            QStringList raumNamen;
            for (size_t i = 0; i < raeume.size(); ++i)
                raumNamen << QString("raum%1").arg(i) + eines({".lsd", ".LSD"});
#ifdef Q_OS_UNIX
            // Links to a room and to files outside the game folder; only Außen.gif is named.
            const QVector<QPair<QString, QString>> links = {
                {"graphics/Verweis.Bmp", spiel->pfad("rooms/" + raumNamen[0])},
                {"sounds/Fremd.WAV", draussen.filePath("fremd.wav")},
                {"graphics/Außen.gif", draussen.filePath("fremd.bmp")},
                {"graphics/rohr.bmp", draussen.filePath("rohr")}};
            for (const auto& [link, ziel] : links)
                QVERIFY(QFile::link(ziel, spiel->pfad(link)));
            bilder << "graphics/Verweis.Bmp"
                   << "graphics/Außen.gif";
            klaenge << "sounds/Fremd.WAV";
            bildWerte << geschrieben("Außen.gif");
            anhaengen(raeume.back().StartSkript, Befehlstabelle::LoadPic, bildWerte.last());
#endif
            for (size_t i = 0; i < raeume.size(); ++i)
                QVERIFY(spiel->raum(raumNamen[i], raeume[i]));
            for (size_t i = 0; i < skripte.size(); ++i)
                QVERIFY(spiel->datei(eines({"items/Ding%1.skp", "items/DING%1.SKP"}).arg(i),
                                     ItemSkript::schreiben(skripte[i])));

            OrdnerStand erwartet = ordnerStand(spiel->pfad(""));
            for (const QString& weg : unbenutzt(bilder, bildWerte) + unbenutzt(klaenge, klangWerte))
                erwartet.remove(weg);
            Tool tool(*m, *desktop);
            fenster = &tool;
            tool.laden();
            tool.show();
            const int meldungen = desktop->messages.size();
            clickWith("Command1", QMessageBox::Ok);
            click("Command2"); // asks nothing; only what cannot be deleted is named
            OrdnerStand ist = ordnerStand(spiel->pfad(""));
            // Deleting the unused link to the pipe is as good as leaving it; reading is not.
            erwartet.remove("graphics/rohr.bmp");
            ist.remove("graphics/rohr.bmp");
            const QStringList u = unterschiede(erwartet, ist) +
                                  unterschiede(draussenVorher, ordnerStand(draussen.path()));
            QVERIFY2(u.isEmpty(), qPrintable(wo + u.join(", ")));
            QVERIFY2(desktop->messages.size() == meldungen + 1 && desktop->unexpected.isEmpty(),
                     qPrintable(wo + letzteMeldung() + desktop->unexpected.join("; ")));
        }
    }
};

QTEST_MAIN(TestTools)
#include "tst_tools.moc"
