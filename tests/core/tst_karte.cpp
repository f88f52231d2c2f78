#include "TestSpiel.h"
#include "check/Befund.h"
#include "check/Karte.h"
#include "raeume/KartenLayout.h"
#include "raeume/Umriss.h"
#include "roomfile/ItemSkript.h"

#include <QStandardPaths>
#include <QTest>

namespace {

// As dot -Tjson0 writes it: a subgraph first, numbers as texts, y counted upwards.
const QByteArray zweiKnoten = R"({
  "name": "G", "directed": true, "bb": "0,0,200,300",
  "objects": [
    {"_gvid": 0, "name": "cluster", "nodes": [1, 2], "edges": []},
    {"_gvid": 1, "name": "rooms/a.lsd", "pos": "100,250", "width": "2", "height": "1"},
    {"_gvid": 2, "name": "rooms/b\\\\c.lsd", "pos": "100,50", "width": 2.5, "height": "1.5"}
  ],
  "edges": [
    {"_gvid": 0, "tail": 1, "head": 2, "label": "Tür", "lp": "110,150",
     "pos": "e,100,104 100,214 100,180 100,150 100,114"},
    {"_gvid": 1, "tail": 2, "head": 1, "pos": "s,90,96 90,96 80,150 80,180 90,214"}
  ]
})";

QPointF p(double x, double y)
{
    return {x, y};
}

} // namespace

class TestKarte : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void theLayoutIsReadInTheDrawingsCoordinates()
    {
        QString fehler;
        const std::optional<KartenLayout> l = KartenLayout::lesen(zweiKnoten, &fehler);
        QVERIFY2(l, qPrintable(fehler));
        QCOMPARE(l->groesse, QSizeF(200, 300));
        QCOMPARE(l->knoten.size(), 2);
        QCOMPARE(l->knoten[0].name, "rooms/a.lsd");
        QCOMPARE(l->knoten[0].rahmen, QRectF(28, 14, 144, 72));
        // The name as Graphviz knows it, its backslash doubled as in the source.
        QCOMPARE(l->knoten[1].name, Karte::name("rooms/b\\c.lsd"));
        QCOMPARE(l->knoten[1].rahmen, QRectF(10, 196, 180, 108));
        QCOMPARE(l->kanten.size(), 2);
        const KartenLayout::Kante& hin = l->kanten[0];
        QCOMPARE(std::pair(hin.von, hin.nach), std::pair(0, 1));
        QCOMPARE(hin.kurve, QVector<QPointF>({p(100, 86), p(100, 120), p(100, 150), p(100, 186)}));
        QCOMPARE(hin.spitze, std::optional(p(100, 196)));
        QCOMPARE(hin.beschriftung, std::optional(p(110, 150)));
        // A start arrow is not drawn; no label, no place for one.
        const KartenLayout::Kante& zurueck = l->kanten[1];
        QCOMPARE(std::pair(zurueck.von, zurueck.nach), std::pair(1, 0));
        QCOMPARE(zurueck.kurve.size(), 4);
        QVERIFY(!zurueck.spitze && !zurueck.beschriftung);
    }

    void whatIsNoLayoutIsRefusedWithItsReason()
    {
        const auto grund = [](QByteArray json) {
            QString fehler;
            return KartenLayout::lesen(json, &fehler) ? QString("gelesen") : fehler;
        };
        const QString anfang = "Graphviz hat keine lesbare Anordnung geliefert: ";
        QVERIFY(grund("digraph G {}").startsWith(anfang));
        QCOMPARE(grund("[]"), anfang + "kein Objekt");
        QCOMPARE(grund(QByteArray(zweiKnoten).replace("0,0,200,300", "0,0,200")),
                 anfang + "ohne Größe");
        QCOMPARE(grund(QByteArray(zweiKnoten).replace("\"100,250\"", "\"100\"")),
                 anfang + "ein Knoten ohne Ort");
        QCOMPARE(grund(QByteArray(zweiKnoten).replace("\"head\": 1", "\"head\": 7")),
                 anfang + "eine Kante ohne ihre Knoten");
        QCOMPARE(grund(QByteArray(zweiKnoten).replace(" 100,114\"", "\"")),
                 anfang + "eine Kante mit unlesbarem Verlauf");
        QCOMPARE(grund(QByteArray(zweiKnoten).replace("e,100,104", "e,x,104")),
                 anfang + "eine Kante mit unlesbarem Verlauf");
    }

    void numbersNoMapHasAreRefusedNotDrawn()
    {
        // Qt reads "nan" and "inf" as numbers; a scene of them, or of a size beyond any map,
        // cannot be drawn.
        const auto grund = [](const char* alt, const char* neu) {
            QString fehler;
            return KartenLayout::lesen(QByteArray(zweiKnoten).replace(alt, neu), &fehler)
                       ? QString("gelesen")
                       : fehler.section(": ", 1);
        };
        QCOMPARE(grund("0,0,200,300", "0,0,200,inf"), "ohne Größe");
        QCOMPARE(grund("0,0,200,300", "0,0,1e300,300"), "ohne Größe");
        QCOMPARE(grund("0,0,200,300", "200,300,0,0"), "ohne Größe");
        QCOMPARE(grund("\"100,250\"", "\"nan,250\""), "ein Knoten ohne Ort");
        QCOMPARE(grund("\"width\": 2.5", "\"width\": -2.5"), "ein Knoten ohne Ort");
        QCOMPARE(grund("\"height\": \"1\"", "\"height\": \"1e200\""), "ein Knoten ohne Ort");
        QCOMPARE(grund("100,180 100,150", "100,-inf 100,150"), "eine Kante mit unlesbarem Verlauf");
        QCOMPARE(grund("100,250", "100,250.5"), "gelesen");
    }

    void dotLaysOutExactlyTheNodesAndEdgesOfTheMap()
    {
        if (QStandardPaths::findExecutable("dot").isEmpty())
            QSKIP("Graphviz is not installed");
        TestSpiel s;
        const Skript nachB = skriptAus({{4, "b.lsd"}});
        QVERIFY(s.raum("a.lsd", raumMit(skriptAus({{4, "fehlt.lsd"}}),
                                        {{"Tür \"vorn\"", nachB}, {"Noname1", nachB}})));
        QVERIFY(s.raum("b\\c.lsd", Module1()));
        QVERIFY(s.raum("b.lsd", Module1()));
        QVERIFY(s.datei("items/Ring0.skp", ItemSkript::schreiben(skriptAus({{4, "a.lsd"}}))));
        Spielpruefung spiel;
        ordnerPruefen(s.m, &spiel);
        const QSizeF groesse(176, 150);
        const KartenLayout::Ergebnis e =
            KartenLayout::anordnen(Karte::dot(spiel.raeume(), spiel.verbindungen()), groesse);
        QVERIFY2(e.layout, qPrintable(e.fehler));

        QStringList erwartet;
        for (const KartenKnoten& k : Karte::knoten(spiel.raeume(), spiel.verbindungen()))
            erwartet << Karte::name(k.datei);
        QStringList angeordnet;
        for (const KartenLayout::Knoten& k : e.layout->knoten) {
            angeordnet << k.name;
            // Graphviz writes five digits.
            QCOMPARE(k.rahmen.size().toSize(), groesse.toSize());
        }
        QCOMPARE(angeordnet, erwartet);
        QStringList kanten;
        for (const KartenLayout::Kante& k : e.layout->kanten)
            kanten << angeordnet[k.von] + " -> " + angeordnet[k.nach];
        // dot gives edges in an order of its own. The two ways from a.lsd into b.lsd are one.
        kanten.sort();
        QCOMPARE(kanten,
                 QStringList({"items/Ring0.skp -> rooms/a.lsd", "rooms/a.lsd -> rooms/b.lsd",
                              "rooms/a.lsd -> rooms/fehlt.lsd"}));
    }

    void theOutlineRunsAlongEveryCellSideBetweenInAndOut()
    {
        std::bitset<HotSpot::Spalten * HotSpot::Zeilen> zellen;
        const auto setzen = [&zellen](int x, int y) { zellen[x * HotSpot::Zeilen + y] = true; };
        for (int x : {3, 4})
            for (int y : {4, 5})
                setzen(x, y);
        QCOMPARE(Umriss::linien(zellen), QVector<QLine>({QLine(3, 4, 5, 4), QLine(3, 6, 5, 6),
                                                         QLine(3, 4, 3, 6), QLine(5, 4, 5, 6)}));
        // A cell in the corner of the room, and a lone cell touching the block at a corner:
        // every side between in and out is covered once.
        setzen(0, 0);
        setzen(5, 6);
        int laenge = 0;
        for (const QLine& l : Umriss::linien(zellen))
            laenge += std::abs(l.dx()) + std::abs(l.dy());
        QCOMPARE(laenge, 8 + 4 + 4);
    }
};

QTEST_GUILESS_MAIN(TestKarte)
#include "tst_karte.moc"
