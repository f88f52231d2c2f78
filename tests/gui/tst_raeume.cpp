#include "EditorImTest.h"
#include "check/Befund.h"
#include "check/Karte.h"
#include "raeume/KantenItem.h"
#include "raeume/KartenAnsicht.h"
#include "raeume/KartenSeite.h"
#include "raeume/KnotenItem.h"
#include "raeume/Raeume.h"
#include "raeume/RaumBildModell.h"
#include "raeume/Vorschauen.h"
#include "roomfile/ItemSkript.h"
#include "spiel/Pruefdienst.h"

namespace {

bool dotDa()
{
    return !QStandardPaths::findExecutable("dot").isEmpty();
}

QColor farbeBei(const QVariant& bild, int x, int y)
{
    return bild.value<QPixmap>().toImage().pixelColor(x, y);
}

} // namespace

/// The editor with "Räume" beside it, wired as the editor wires it, on a game of two rooms on
/// pictures of their own, a room cut short and an item script.
class TestRaeume : public QObject, EditorImTest
{
    Q_OBJECT

    std::unique_ptr<Pruefdienst> dienst;
    Raeume* fenster2 = nullptr;
    QListView* liste = nullptr;

    void bild(const QString& name, QColor farbe)
    {
        QImage b(640, 480, QImage::Format_RGB32);
        b.fill(farbe);
        QVERIFY(b.save(m->GraphicsPfad + name, "BMP"));
    }
    QVariant wert(int zeile, int rolle) const
    {
        return liste->model()->index(zeile, 0).data(rolle);
    }
    QString zeile() { return control<QLabel>("Zeile", fenster2)->text(); }
    /// Saves b.lsd anew, on its picture unless told otherwise, as the editor tells the service.
    void bSpeichern(const Skript& start, const QString& hintergrund = "b.bmp", int zellen = 0)
    {
        Module1 b;
        b.setHintergrund(hintergrund);
        b.StartSkript = start;
        if (zellen)
            b.HotSpots[b.neuerHotSpot(0)].Feld[0][0] = true;
        QVERIFY(spiel->raum("b.lsd", b));
        dienst->dateiGeaendert(raeume("b.lsd"));
    }
    KartenSeite& karte() { return fenster2->karte(); }
    void karteZeigen()
    {
        control<QTabWidget>("Reiter", fenster2)->setCurrentIndex(1);
        QTRY_VERIFY(karte().fertig());
    }
    /// Through the window, as a real double click comes: press, release, press.
    void doppelklick(QAbstractScrollArea* in, QPoint p)
    {
        QTest::mouseDClick(fenster2->windowHandle(), Qt::LeftButton, {},
                           in->viewport()->mapTo(fenster2, p));
    }
    void doppelklick(KnotenItem* k)
    {
        karte().ansicht()->centerOn(k);
        doppelklick(karte().ansicht(),
                    karte().ansicht()->mapFromScene(k->sceneBoundingRect().center()));
    }

private Q_SLOTS:
    void init()
    {
        starten();
        bild("a.bmp", Qt::red);
        bild("b.bmp", Qt::blue);
        Module1 a;
        a.setHintergrund("a.bmp");
        HotSpot& tuer = a.HotSpots[a.neuerHotSpot(0)];
        tuer.Name = "Tür";
        tuer.Skripte[1] = skriptAus({{4, "b.lsd"}});
        for (int x = 10; x < 20; ++x)
            for (int y = 10; y < 20; ++y)
                tuer.Feld[x][y] = true;
        a.HotSpots[a.neuerHotSpot(1)].Skripte[1] = skriptAus({{10, ""}}); // "EndIf" alone
        a.StartSkript = skriptAus({{4, "fehlt.lsd"}});
        QVERIFY(spiel->raum("a.lsd", a));
        Module1 b;
        b.setHintergrund("b.bmp");
        b.StartSkript = skriptAus({{4, "a.lsd"}});
        QVERIFY(spiel->raum("b.lsd", b));
        QVERIFY(spiel->datei("rooms/kaputt.lsd", "\"kaputt"));
        QVERIFY(spiel->datei("items/Ring0.skp", ItemSkript::schreiben(skriptAus({{4, "b.lsd"}}))));

        dienst = std::make_unique<Pruefdienst>(*m);
        dienst->lesen();
        QTRY_VERIFY(dienst->bereit());
        fenster2 = new Raeume(*dienst, *m, editor.get());
        fenster2->oeffnen = [this](const QString& pfad) { editor->befehle().oeffnen(pfad); };
        connect(&editor->befehle(), &RaumBefehle::offeneDateiGeaendert, fenster2,
                &Raeume::offenerRaum);
        connect(&editor->befehle(), &RaumBefehle::gespeichert, dienst.get(),
                &Pruefdienst::dateiGeaendert);
        fenster2->zeigen();
        QVERIFY(QTest::qWaitForWindowExposed(fenster2));
        liste = control<QListView>("Bilder", fenster2);
    }
    void cleanup()
    {
        beenden();
        dienst.reset();
    }

    void theRoomsShowTheirPicturesCountsFaultsAndWhyTheyCannotBeRead()
    {
        QCOMPARE(rowTexts(liste), QStringList({"a.lsd", "b.lsd", "kaputt.lsd"}));
        const auto zahlen = [this](int z) {
            return QString("%1 %2 %3")
                .arg(wert(z, RaumBildModell::HotSpotsRolle).toInt())
                .arg(wert(z, RaumBildModell::FehlerRolle).toInt())
                .arg(wert(z, RaumBildModell::GrundRolle).toString());
        };
        QCOMPARE(zahlen(0), "2 1 ");
        QCOMPARE(zahlen(1), "0 0 ");
        QCOMPARE(zahlen(2), "0 0 Lesen bricht in Zeile 1 ab");
        QCOMPARE(zeile(), "3 Räume, 1 nicht lesbar, 1 mit Fehlern in Skripten. Doppelklick oder "
                          "Eingabe öffnet einen Raum im Editor.");

        // Each room on its own picture, shrunk to 160 x 120; the door's cells 10 to 19 are
        // pixels 25 to 49, outlined.
        QTRY_VERIFY(wert(0, Qt::DecorationRole).isValid() && wert(1, Qt::DecorationRole).isValid());
        QTRY_COMPARE(fenster2->vorschauen().offen(), 0);
        const QVariant a = wert(0, Qt::DecorationRole);
        QCOMPARE(a.value<QPixmap>().size(), QSize(160, 120));
        QCOMPARE(farbeBei(a, 5, 5), QColor(Qt::red));
        QCOMPARE(farbeBei(a, 37, 37), QColor(Qt::red));
        QVERIFY(farbeBei(a, 25, 37).green() > 100);
        QVERIFY(farbeBei(a, 37, 50).green() > 100);
        QCOMPARE(farbeBei(wert(1, Qt::DecorationRole), 80, 60), QColor(Qt::blue));

        // The filter narrows by name, letter case aside.
        auto* filter = control<QLineEdit>("Filter", fenster2);
        type(filter, "B");
        QCOMPARE(rowTexts(liste), QStringList({"b.lsd"}));
        QVERIFY(zeile().startsWith("1 von 3 Räumen, 1 nicht lesbar"));
        filter->clear();
        type(filter, "LSD");
        QCOMPARE(liste->model()->rowCount(), 3);
        type(filter, "x");
        QCOMPARE(liste->model()->rowCount(), 0);
    }

    void returnOrADoubleClickOpensARoomAfterTheSaveQuestion()
    {
        clickRow(liste, 1);
        QTest::keyClick(liste, Qt::Key_Return);
        QVERIFY(titel().contains("b.lsd"));
        QVERIFY(wert(1, RaumBildModell::OffenRolle).toBool());
        QVERIFY(!wert(0, RaumBildModell::OffenRolle).toBool());

        // A changed room is not thrown away unasked.
        click("Command3", editor.get());
        desktop->answer(QMessageBox::Cancel);
        doppelklick(liste, liste->visualRect(liste->model()->index(0, 0)).center());
        QVERIFY(titel().contains("b.lsd"));
        QVERIFY(letzteMeldung().startsWith("Der Raum „b.lsd“ wurde geändert."));
        desktop->answer(QMessageBox::Discard);
        doppelklick(liste, liste->visualRect(liste->model()->index(0, 0)).center());
        QVERIFY(titel().contains("a.lsd"));
        QVERIFY(wert(0, RaumBildModell::OffenRolle).toBool());
    }

    void theMapIsTheCheckersGraphAndOpensRooms()
    {
        if (!dotDa())
            QSKIP("Graphviz is not installed");
        karteZeigen();
        // The map the checker makes of the game, read afresh.
        Spielpruefung spiel;
        ordnerPruefen(*m, &spiel);
        QStringList knoten, kanten;
        for (const KartenKnoten& k : Karte::knoten(spiel.raeume(), spiel.verbindungen()))
            knoten << Karte::name(k.datei);
        for (const KartenKante& k : Karte::kanten(spiel.verbindungen()))
            kanten << Karte::name(k.von) + " -> " + Karte::name(k.nach) + ": " + k.ueber.join('\n');
        QStringList gezeichnet, gezogen;
        for (KnotenItem* k : karte().knoten())
            gezeichnet << Karte::name(k->knoten().datei);
        for (QGraphicsItem* i : karte().ansicht()->scene()->items())
            if (i->type() == KantenItem::Type) {
                const auto* k = static_cast<KantenItem*>(i);
                gezogen << Karte::name(k->von()) + " -> " + Karte::name(k->nach()) + ": " +
                               k->beschriftung().join('\n');
            }
        knoten.sort();
        gezeichnet.sort();
        kanten.sort();
        gezogen.sort();
        QCOMPARE(gezeichnet, knoten);
        QCOMPARE(gezogen, kanten);
        QCOMPARE(knoten, QStringList({"items/Ring0.skp", "rooms/a.lsd", "rooms/b.lsd",
                                      "rooms/fehlt.lsd", "rooms/kaputt.lsd"}));

        doppelklick(karte().knoten().value("rooms/b.lsd"));
        QVERIFY(titel().contains("b.lsd"));
        QVERIFY(karte().knoten().value("rooms/b.lsd")->istOffen());
        // A missing room and an item script open nothing and say why.
        doppelklick(karte().knoten().value("rooms/fehlt.lsd"));
        QCOMPARE(zeile(), "Den Raum „fehlt.lsd“ gibt es nicht; ein „Goto“ führt dorthin.");
        QVERIFY(titel().contains("b.lsd"));
        // A click selects, Return opens.
        KartenAnsicht* ansicht = karte().ansicht();
        KnotenItem* a = karte().knoten().value("rooms/a.lsd");
        ansicht->centerOn(a);
        QTest::mouseClick(ansicht->viewport(), Qt::LeftButton, {},
                          ansicht->mapFromScene(a->sceneBoundingRect().center()));
        QCOMPARE(ansicht->gewaehlt(), a);
        QTest::keyClick(ansicht, Qt::Key_Return);
        QVERIFY(titel().contains("a.lsd"));
        QVERIFY(a->istOffen() && !karte().knoten().value("rooms/b.lsd")->istOffen());
    }

    void theMapZoomsAndIsLaidOutAgainOnlyWhenItsGraphChanges()
    {
        if (!dotDa())
            QSKIP("Graphviz is not installed");
        karteZeigen();
        KartenAnsicht* ansicht = karte().ansicht();
        const double vorher = ansicht->zoom();
        QTest::keyClick(ansicht, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(ansicht->zoom(), vorher * 1.25);
        QTest::keyClick(ansicht, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(ansicht->zoom(), vorher);
        const QPoint mitte = ansicht->viewport()->rect().center();
        QWheelEvent rad(mitte, ansicht->viewport()->mapToGlobal(mitte), {}, {0, -120}, {},
                        Qt::ControlModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(ansicht->viewport(), &rad);
        QCOMPARE(ansicht->zoom(), vorher * 0.8);
        for (int i = 0; i < 40; ++i)
            QTest::keyClick(ansicht, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(ansicht->zoom(), KartenAnsicht::kleinsterZoom);

        // Laid out anew only when the graph changes, and then seen at the same zoom.
        QSignalSpy angeordnet(&karte(), &KartenSeite::angeordnet);
        ansicht->zoomen(2);
        const double zoom = ansicht->zoom();
        bSpeichern(skriptAus({{4, "a.lsd"}, {2, "Hallo"}}));
        QTest::qWait(200);
        QCOMPARE(angeordnet.size(), 0);
        bSpeichern(skriptAus({{4, "a.lsd"}, {4, "kaputt.lsd"}})); // a new way from b.lsd
        QTRY_COMPARE(angeordnet.size(), 1);
        QVERIFY(karte().fertig());
        QCOMPARE(ansicht->zoom(), zoom);
    }

    void withoutDotTheMapSaysWhatToInstallAndThePicturesStay()
    {
        QTemporaryDir leer;
        const QByteArray pfad = qgetenv("PATH");
        qputenv("PATH", leer.path().toLocal8Bit());
        QSignalSpy angeordnet(&karte(), &KartenSeite::angeordnet);
        control<QTabWidget>("Reiter", fenster2)->setCurrentIndex(1);
        QTRY_COMPARE(angeordnet.size(), 1);
        qputenv("PATH", pfad);
        QVERIFY(control<QLabel>("KartenMeldung", fenster2)->isVisible());
        QVERIFY(control<QLabel>("KartenMeldung", fenster2)->text().contains("Paket „graphviz“"));
        QCOMPARE(liste->model()->rowCount(), 3);
        // Shown again with Graphviz there, the map is laid out.
        if (dotDa()) {
            fenster2->hide();
            fenster2->zeigen();
            QTRY_VERIFY(karte().fertig());
        }
    }

    void aPictureIsMadeOnceAndAnewOnlyWhenItsFileOrItsCellsChange()
    {
        QTRY_VERIFY(wert(1, Qt::DecorationRole).isValid());
        QTRY_COMPARE(fenster2->vorschauen().offen(), 0);
        QSignalSpy neu(&fenster2->vorschauen(), &Vorschauen::fertig);
        // Shown again: compared with the files, nothing made anew.
        fenster2->hide();
        fenster2->zeigen();
        QTRY_COMPARE(fenster2->vorschauen().offen(), 0);
        QCOMPARE(neu.size(), 0);
        // A save that changes only a script leaves the picture; new cells change it.
        bSpeichern(skriptAus({{2, "anders"}}));
        QTRY_COMPARE(fenster2->vorschauen().offen(), 0);
        QCOMPARE(neu.size(), 0);
        bSpeichern(skriptAus({{2, "anders"}}), "b.bmp", 1);
        QTRY_COMPARE(neu.size(), 1);
        QCOMPARE(neu[0][0].toString(), QDir::toNativeSeparators("rooms/b.lsd"));
        QVERIFY(farbeBei(wert(1, Qt::DecorationRole), 0, 0) != QColor(Qt::blue));
        QCOMPARE(farbeBei(wert(1, Qt::DecorationRole), 80, 60), QColor(Qt::blue));
    }

    void theWindowFollowsSavesLoadsNewRoomsAndChangedFiles()
    {
        clickWith("Command4", raeume("a.lsd"));
        QVERIFY(wert(0, RaumBildModell::OffenRolle).toBool());
        click("Command3");
        clickWith("Command5", raeume("a.lsd"), QMessageBox::Ok);
        QCOMPARE(wert(0, RaumBildModell::HotSpotsRolle).toInt(), 3);
        clickWith("Command6", QMessageBox::Yes);
        QVERIFY(!wert(0, RaumBildModell::OffenRolle).toBool());

        // Closed meanwhile: a picture painted anew, a room added (a rename, say).
        QTRY_COMPARE(fenster2->vorschauen().offen(), 0);
        fenster2->hide();
        bild("b.bmp", Qt::green);
        QVERIFY(spiel->raum("c.lsd", Module1()));
        dienst->dateiGeaendert(raeume("c.lsd"));
        fenster2->zeigen();
        QCOMPARE(rowTexts(liste), QStringList({"a.lsd", "b.lsd", "c.lsd", "kaputt.lsd"}));
        QTRY_COMPARE(farbeBei(wert(1, Qt::DecorationRole), 80, 60), QColor(Qt::green));
        QVERIFY(QFile::remove(raeume("c.lsd")));
        dienst->dateiGeaendert(raeume("c.lsd"));
        QCOMPARE(liste->model()->rowCount(), 3);

        if (!dotDa())
            return;
        karteZeigen();
        bSpeichern(skriptAus({{4, "neu.lsd"}}), "");
        QTRY_VERIFY(karte().fertig() && karte().knoten().contains("rooms/neu.lsd"));
    }
};

QTEST_MAIN(TestRaeume)
#include "tst_raeume.moc"
