#include "FileSizeLimit.h"
#include "ScriptedDesktop.h"
#include "TestSpiel.h"
#include "check/Referenzen.h"
#include "platform/Look.h"
#include "roomfile/ItemSkript.h"
#include "tools/Gegen.h"
#include "tools/Tool.h"

#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

namespace {

template <typename T = QPushButton> T* control(QWidget* w, const QString& name)
{
    T* c = w->findChild<T*>(name);
    if (!c)
        qFatal("no control %s", qPrintable(name));
    return c;
}

void click(QWidget* w, const QString& knopf)
{
    QTest::mouseClick(control(w, knopf), Qt::LeftButton);
}

void clickEntry(QListWidget* liste, int zeile)
{
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                      liste->visualItemRect(liste->item(zeile)).center());
}

QStringList texte(const QListWidget* liste, bool nurAusgewaehlte = false)
{
    QStringList namen;
    for (int i = 0; i < liste->count(); ++i) {
        if (!nurAusgewaehlte || liste->item(i)->isSelected())
            namen << liste->item(i)->text();
    }
    return namen;
}

void pruefeMeldung(const ScriptedDesktop::Request& r, const QString& text,
                   QMessageBox::StandardButtons knoepfe = QMessageBox::Ok,
                   QMessageBox::Icon icon = QMessageBox::NoIcon)
{
    QCOMPARE(r.text, text);
    QCOMPARE(r.title, QString("Tarnholm - Editor"));
    QCOMPARE(r.buttons, knoepfe);
    QCOMPARE(r.icon, icon);
}

} // namespace

class TestTools : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ScriptedDesktop> desktop;
    std::unique_ptr<TestSpiel> spiel;

private Q_SLOTS:
    void initTestCase() { applyEditorLook(); }
    void init()
    {
        desktop = std::make_unique<ScriptedDesktop>();
        spiel = std::make_unique<TestSpiel>();
    }
    void cleanup()
    {
        QVERIFY2(desktop->unexpected.isEmpty(), qPrintable(desktop->unexpected.join("; ")));
        QCOMPARE(desktop->pendingAnswers(), 0);
    }

    void gegenSchreibtJedesSkriptBeimSchliessen()
    {
        for (const char* datei : {"items/Tuer.bmp", "items/Tuer.GIF", "items/a.b.gif", "items/x"})
            QVERIFY(spiel->datei(datei));
        QVERIFY(spiel->datei("items/a.b2.skp", "-1\r\n"));
        Gegen gegen(spiel->m, *desktop);
        Skript gesehen;
        Skript neu = skriptAus({{2, " Ein Tor, alt "}, {9, ""}});
        gegen.skriptEditorZeigen = [&] {
            gesehen = spiel->m.AktSkript;
            if (neu.MaxZeile >= 0)
                spiel->m.AktSkript = std::exchange(neu, Skript());
        };
        desktop->driveModal([&](QDialog& fenster) {
            auto* file1 = control<QListWidget>(&fenster, "File1");
            QCOMPARE(texte(file1), QStringList({"a.b.gif", "Tuer.bmp", "Tuer.GIF"}));
            QCOMPARE(file1->currentRow(), 0);
            // What the script editor leaves is written; the GIF shares the BMP's files.
            clickEntry(file1, 1);
            click(&fenster, "Command1_1");
            QCOMPARE(gesehen.MaxZeile, -1);
            clickEntry(file1, 2);
            click(&fenster, "Command1_1");
            QCOMPARE(gesehen, skriptAus({{2, " Ein Tor, alt "}, {9, ""}}));
            QCOMPARE(spiel->inhalt("items/Tuer1.skp"),
                     QByteArray("1\r\n2\r\n\" Ein Tor, alt \"\r\n9\r\n\"\"\r\n"));
            // Untouched defaults are written too.
            click(&fenster, "Command1_2");
            QCOMPARE(spiel->inhalt("items/Tuer2.skp"), QByteArray("0\r\n16\r\n\"\"\r\n"));
            click(&fenster, "Command1_0");
            QCOMPARE(spiel->inhalt("items/Tuer0.skp"), QByteArray("-1\r\n"));
            // A file of -1 is an empty script, also for "Interagiere"; dots inside stay.
            clickEntry(file1, 0);
            click(&fenster, "Command1_2");
            QCOMPARE(gesehen.MaxZeile, -1);
            QCOMPARE(spiel->dateien("items").filter(".skp"),
                     QStringList({"Tuer0.skp", "Tuer1.skp", "Tuer2.skp", "a.b2.skp"}));
        });
        gegen.zeigen();
        QCOMPARE(gegen.windowTitle(), QString("Gegenstandsmanager"));
        QCOMPARE(control(&gegen, "Command1_0")->text(), QString("Anschauen"));
    }

    void gegenNimmtDasSkriptInAndererSchreibweise()
    {
        QVERIFY(spiel->datei("items/Schwert.gif"));
        QVERIFY(spiel->datei("items/SCHWERT2.SKP", ItemSkript::schreiben(skriptAus({{2, "Alt"}}))));
        Gegen gegen(spiel->m, *desktop);
        Skript gesehen;
        gegen.skriptEditorZeigen = [&] {
            gesehen = std::exchange(spiel->m.AktSkript, skriptAus({{2, "Neu"}}));
        };
        gegen.laden();
        click(&gegen, "Command1_2");
        QCOMPARE(gesehen, skriptAus({{2, "Alt"}}));
        QCOMPARE(spiel->dateien("items"), QStringList({"SCHWERT2.SKP", "Schwert.gif"}));
        QCOMPARE(spiel->inhalt("items/SCHWERT2.SKP"),
                 ItemSkript::schreiben(skriptAus({{2, "Neu"}})));
        // The checker reads the same file.
        const QVector<ItemSkriptReferenzen> gelesen = itemSkripteLesen(spiel->m.ItemsPfad);
        QCOMPARE(gelesen.size(), 1);
        QCOMPARE(gelesen[0].name, QString("SCHWERT2.SKP"));
    }

    void gegenOhneBild()
    {
        QVERIFY(spiel->datei("items/Tuer0.skp", "-1\r\n"));
        Gegen gegen(spiel->m, *desktop); // no script editor: it must not be asked for
        for (const QString& ordner : {spiel->m.ItemsPfad, spiel->pfad("fehlt/")}) {
            spiel->m.ItemsPfad = ordner;
            gegen.laden();
            desktop->answerMessage(QMessageBox::Ok);
            click(&gegen, "Command1_1");
            pruefeMeldung(desktop->requests.last(),
                          "Es existiert noch kein Bild für einen Gegenstand");
        }
    }

    void gegenFragtVorDemUeberschreiben()
    {
        QVERIFY(spiel->datei("items/Tuer.bmp"));
        const QByteArray kaputt = "1\r\n2\r\n\"Hallo\"\r\nx\r\n";
        QVERIFY(spiel->datei("items/Tuer0.skp", kaputt));
        Gegen gegen(spiel->m, *desktop);
        int geoeffnet = 0;
        gegen.skriptEditorZeigen = [&] {
            ++geoeffnet;
            QCOMPARE(spiel->m.AktSkript, skriptAus({{2, "Hallo"}}));
        };
        gegen.laden();
        for (const auto antwort : {QMessageBox::No, QMessageBox::Yes}) {
            desktop->answerMessage(antwort);
            click(&gegen, "Command1_0");
            QCOMPARE(desktop->requests.last().defaultButton, QMessageBox::No);
        }
        QVERIFY(desktop->requests[0].text.startsWith(
            "Die Skriptdatei " + QDir::toNativeSeparators(spiel->pfad("items/Tuer0.skp")) +
            " ist fehlerhaft: Das Lesen hat in Zeile 4 aufgehört."));
        QCOMPARE(geoeffnet, 1); // only after Yes
        QCOMPARE(spiel->inhalt("items/Tuer0.skp"), QByteArray("0\r\n2\r\n\"Hallo\"\r\n"));

#ifdef Q_OS_UNIX
        // A write that fails keeps the old file; the author may try again.
        gegen.skriptEditorZeigen = [&] { spiel->m.AktSkript.zeilenAnlegen(2000); };
        {
            const FileSizeLimit knapp(4096);
            QVERIFY(knapp.active());
            desktop->answerMessage(QMessageBox::Yes);
            desktop->answerMessage(QMessageBox::No);
            click(&gegen, "Command1_0");
        }
        QCOMPARE(desktop->requests.size(), 4);
        QVERIFY(desktop->requests.last().text.contains("konnte nicht gespeichert werden"));
        QCOMPARE(desktop->requests.last().icon, QMessageBox::Warning);
        QCOMPARE(spiel->inhalt("items/Tuer0.skp"), QByteArray("0\r\n2\r\n\"Hallo\"\r\n"));
        QCOMPARE(spiel->dateien("items"), QStringList({"Tuer.bmp", "Tuer0.skp"}));
#endif
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
        Module1 a;
        a.setHintergrund("graphics\\BAUM.bmp");
        a.StartSkript = skriptAus(
            {{5, "C:/Spiel/graphics/Haus.bmp"}, {1, " sounds\\TÜR.WAV "}, {23, "1, frei.gif"}});
        QVERIFY(spiel->raum("a.lsd", a));
        // Cut short in a hotspot's grid: what the hotspot names counts, the timer script not.
        Module1 b;
        b.HotSpots[b.neuerHotSpot(0)].Skripte[1] = skriptAus({{5, "vor.bmp"}});
        b.TimerSkript = skriptAus({{5, "nach.bmp"}, {1, "nach.wav"}});
        QVERIFY(spiel->datei("rooms/b.lsd", RoomFile::schreiben(b).chopped(200)));
        for (const char* leer : {"c.lsd", "d.lsd"})
            QVERIFY(spiel->raum(leer, Module1()));

        Tool tool(spiel->m, *desktop);
        tool.laden();
        tool.show();
        auto* file1 = control<QListWidget>(&tool, "File1");
        auto* file3 = control<QListWidget>(&tool, "File3");
        QCOMPARE(texte(file1).size(), 7);
        auto* file2 = control<QListWidget>(&tool, "File2");
        QCOMPARE(texte(file2), QStringList({"a.lsd", "b.lsd", "c.lsd", "d.lsd"}));
        QCOMPARE(texte(file1, true), QStringList());
        // The rooms list follows the scan room by room: b.lsd is current when it is asked about.
        QList<QPoint> gefolgt; // row, messages so far
        connect(file2, &QListWidget::currentRowChanged, &tool,
                [&](int zeile) { gefolgt << QPoint(zeile, desktop->requests.size()); });

        // While the scan lets events through, neither button nor closing does anything.
        bool waehrend = false;
        QTimer::singleShot(0, &tool, [&] {
            waehrend = !control(&tool, "Command1")->isEnabled() &&
                       !control(&tool, "Command2")->isEnabled();
            tool.reject();
        });
        for (const auto antwort : {QMessageBox::No, QMessageBox::Yes}) {
            desktop->answerMessage(antwort);
            desktop->answerMessage(QMessageBox::Ok);
            gefolgt.clear();
            const int n = desktop->requests.size();
            click(&tool, "Command1");
            QCOMPARE(gefolgt, QList<QPoint>({{0, n}, {1, n}, {2, n + 1}, {3, n + 1}}));
            const auto& frage = desktop->requests[desktop->requests.size() - 2];
            pruefeMeldung(frage,
                          QDir::toNativeSeparators(spiel->pfad("rooms/b.lsd")) +
                              " hat einen Fehler. Löschen?",
                          QMessageBox::Yes | QMessageBox::No);
            QCOMPARE(frage.defaultButton, QMessageBox::No);
            pruefeMeldung(desktop->requests.last(), "Fertig");
            QCOMPARE(texte(file1, true), QStringList({"frei.gif", "nach.bmp"}));
            QCOMPARE(texte(file3, true), QStringList({"frei.mp3", "nach.wav"}));
            QCOMPARE(file2->currentRow(), 3);
            QCOMPARE(QFileInfo::exists(spiel->pfad("rooms/b.lsd")), antwort == QMessageBox::No);
        }
        QVERIFY(waehrend);
        QVERIFY(tool.isVisible() && control(&tool, "Command1")->isEnabled());

        // "kill" deletes the selection; a file that cannot be deleted is named.
        QVERIFY(QFile::remove(spiel->pfad("sounds/frei.mp3")));
        QVERIFY(QDir().mkpath(spiel->pfad("sounds/frei.mp3/voll")));
        desktop->answerMessage(QMessageBox::Ok);
        click(&tool, "Command2");
        pruefeMeldung(desktop->requests.last(),
                      "Diese Dateien konnten nicht gelöscht werden:\n\n" +
                          QDir::toNativeSeparators(spiel->pfad("sounds/frei.mp3")),
                      QMessageBox::Ok, QMessageBox::Warning);
        QCOMPARE(spiel->dateien("graphics"), QStringList({"Baum.bmp", "baum.BMP", "haus.BMP",
                                                          "item.jpg", "vor.bmp", "x.jpeg"}));
        QCOMPARE(spiel->dateien("sounds"), QStringList({"Tür.wav", "item.wav"}));
        QCOMPARE(texte(file1).size(), 7); // the lists are not read again
    }

    void toolOhneRaeume()
    {
        for (const char* datei : {"graphics/a.bmp", "graphics/b.gif", "sounds/c.wav"})
            QVERIFY(spiel->datei(datei));
        QVERIFY(QDir(spiel->pfad("rooms")).removeRecursively());
        Tool tool(spiel->m, *desktop);
        desktop->driveModal([&](QDialog& fenster) {
            auto* file1 = control<QListWidget>(&fenster, "File1");
            // A click toggles; "kill" before "Start" deletes what was chosen by hand.
            for (int zeile : {0, 1, 0})
                clickEntry(file1, zeile);
            click(&fenster, "Command2");
            QCOMPARE(spiel->dateien("graphics"), QStringList({"a.bmp"}));

            // Every entry is selected at once, and with no room all stay selected; b.gif,
            // already gone, stops nothing.
            QSignalSpy auswahl(file1->selectionModel(), &QItemSelectionModel::selectionChanged);
            desktop->answerMessage(QMessageBox::Ok);
            click(&fenster, "Command1");
            QCOMPARE(auswahl.count(), 1);
            QCOMPARE(texte(file1, true), QStringList({"a.bmp", "b.gif"}));
            click(&fenster, "Command2");
            QCOMPARE(spiel->dateien("graphics") + spiel->dateien("sounds"), QStringList());
        });
        tool.zeigen();
        QCOMPARE(tool.windowTitle(), QString("Form1"));
        QCOMPARE(texte(control<QListWidget>(&tool, "File2")), QStringList());
    }
};

QTEST_MAIN(TestTools)
#include "tst_tools.moc"
