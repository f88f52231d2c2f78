#include "SkriptAus.h"
#include "script/Befehlstabelle.h"
#include "script/SkriptBearbeitung.h"
#include "script/SkriptText.h"
#include "script/Zeilen.h"

#include <QTest>

using namespace Befehlstabelle;

class TestScript : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aCodeOutsideTheTableIsShownAsItsNumber()
    {
        // A file may hold any number; it is shown, never looked up out of range.
        QCOMPARE(CommandKeyword(33) + CommandKeyword(-1), QStringLiteral("<33><-1>"));
    }

    void lineTextAndIndent()
    {
        const auto zeilen = [](const Skript& s) {
            QStringList texte;
            const QVector<int> einzug = Zeilen::einzuege(s);
            for (int i = 0; i <= s.MaxZeile; ++i)
                texte << Zeilen::text(einzug[i], s.Befehl[i], s.Parameter[i]);
            return texte;
        };
        const QVector<QPair<qint32, QString>> verzweigt{
            {0, "Schluessel"}, {3, "TuerOffen"}, {9, ""},  {24, "2 | Wohin? | Links"},
            {25, "1"},         {2, "Links."},    {26, ""}, {10, ""}};
        QCOMPARE(zeilen(skriptAus(verzweigt)),
                 QStringList({"IF Schluessel", "   SetFlag TuerOffen", "Else ",
                              "   SelectCase 2 | Wohin? | Links", "   Case 1", "      Print Links.",
                              "   EndSelect ", "EndIf "}));
        // A closer at the top resets the depth; an Else alone opens a branch; an open block
        // indents all that follows.
        QCOMPARE(zeilen(skriptAus({{10, ""}, {3, "a"}, {9, ""}, {8, "x"}, {27, "p"}, {99, " q"}})),
                 QStringList({"EndIf ", "SetFlag a", "Else ", "   IfItem x",
                              "      Spiel vom Spiel spielen spielen p", "      <99>  q"}));
    }

    void editsLeaveTheArraysAsTheGameExpects()
    {
        using namespace SkriptBearbeitung;
        Skript s = skriptAus({{3, "a"}, {3, "alt"}});
        s.MaxZeile = 0; // a leftover behind the last line goes with the first insertion
        QCOMPARE(einfuegen(s, 0, IfItem), 1);
        QCOMPARE(s.Befehl, QVector<qint32>({3, 8, 9, 10}));
        QVERIFY(!hoch(s, 0) && !runter(s, 3) && runter(s, 0) && hoch(s, 3));
        QCOMPARE(s.Befehl, QVector<qint32>({8, 3, 10, 9}));
        QCOMPARE(s.Parameter, QVector<QString>({"", "a", "", ""}));
        QVERIFY(loeschen(s, 1) && loeschen(s, 2) && loeschen(s, 0));
        QCOMPARE(s.Befehl, QVector<qint32>({10}));
        // The last line goes; its element stays behind MaxZeile.
        QVERIFY(loeschen(s, 0) && !loeschen(s, 0) && s.MaxZeile == -1 && s.Befehl.size() == 1);
        QVERIFY(einfuegen(s, -1, 2) == 0 && s.Befehl == QVector<qint32>{2});
    }

    void blocksEndAtTheirCloserAndEveryCommandTravelsAsText()
    {
        // Blocks of a kind nest; the other kind's closers do not count; an open block runs
        // to the end; any other line is a block of its own.
        using SkriptBearbeitung::blockEnde;
        const QVector<QPair<qint32, QString>> zeilen = {{0, ""},  {24, ""}, {8, ""},  {10, ""},
                                                        {26, ""}, {10, ""}, {24, ""}, {24, ""},
                                                        {26, ""}, {99, ""}, {26, "x"}};
        Skript s = skriptAus(zeilen);
        QVERIFY(blockEnde(s, 0) == 5 && blockEnde(s, 1) == 4 && blockEnde(s, 2) == 3);
        QVERIFY(blockEnde(s, 6) == 10 && blockEnde(s, 7) == 8 && blockEnde(s, 3) == 3);
        s.MaxZeile = 9;
        QCOMPARE(blockEnde(s, 6), 9);

        Skript alle;
        for (qint32 code = 0; code < Anzahl; ++code) {
            alle.Befehl << code;
            // Spaces around a parameter and a keyword with spaces survive.
            alle.Parameter << (befehl(code).box ? QString(" %1 Ä€, x ").arg(code) : QString());
        }
        alle.MaxZeile = Anzahl - 1;
        const QString text = SkriptText::alsText(alle);
        QVERIFY(text.startsWith("IF  0 Ä€, x \n   PlayWav  1 Ä€, x \n"));
        QVERIFY(text.contains("\n   Spiel vom Spiel spielen spielen  27 Ä€, x \n"));
        const SkriptText::Gelesen g = SkriptText::ausText(text);
        QVERIFY(g.fehler.isEmpty() && g.zeilen == alle);

        // Exactly, also codes the table does not know, as data only; data not in that form
        // are none; data that another program put there are held to what a file can store.
        const Skript fremd = skriptAus({{99, " y"}, {-5, ""}, {3, "a\u20ACb"}});
        QCOMPARE(SkriptText::ausDaten(SkriptText::alsDaten(fremd))->zeilen, fremd);
        QCOMPARE(SkriptText::alsText(fremd), QString("<99>  y\n<-5> \nSetFlag a\u20ACb\n"));
        for (const char* kaputt : {"3\tx", "x\ty\n", "3 x\n"})
            QVERIFY2(!SkriptText::ausDaten(kaputt), kaputt);
        const auto daten = SkriptText::ausDaten("3\ta\n2\t\"b\"\n2\tc\rd\n");
        QVERIFY(daten->zeilen == Skript() && daten->fehler.startsWith("Zeile 2 enthält"));
        QVERIFY(daten->fehler.contains("„Print \"b\"“"));
    }
};

QTEST_APPLESS_MAIN(TestScript)
#include "tst_script.moc"
