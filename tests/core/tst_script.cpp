#include "SkriptAus.h"
#include "script/Befehlstabelle.h"
#include "script/SkriptBearbeitung.h"
#include "script/Zeilen.h"

#include <QTest>

using namespace Befehlstabelle;

namespace {

QStringList zeilen(const Skript& s)
{
    QStringList texte;
    const QVector<int> einzug = Zeilen::einzuege(s);
    for (int i = 0; i <= s.MaxZeile; ++i)
        texte << Zeilen::text(einzug[i], s.Befehl[i], s.Parameter[i]);
    return texte;
}

QVector<qint32> codes(const Skript& s)
{
    return s.Befehl.mid(0, s.MaxZeile + 1);
}

} // namespace

class TestScript : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dieBefehlstabelle()
    {
        QStringList liste;
        for (int r = 0; r < Anzahl; ++r)
            liste << CommandKeyword(ListRowCommand(r));
        QCOMPARE(liste.join(QLatin1Char(',')),
                 QString::fromUtf8("IfItem,IF,Else,EndIf,SetFlag,DelFlag,Add,Remove,PlayAvi,"
                                   "PlayWav,PlayMusic,Print,Goto,LoadPic,ChangeMouse,ZoomIn,"
                                   "ZoomOut,Spezialblende,Error,HSaktivieren,HSdeaktivieren,"
                                   "ÖffneDialog,SchließeDialog,DialogGesicht,SelectCase,Case,"
                                   "EndSelect,Bosheit,Spiel vom Spiel spielen spielen,Jump,"
                                   "Label,GameOver,Countdown"));
        QCOMPARE(befehl(19).hilfe, QString::fromUtf8("Play Music  [Dateiname]"));
        QCOMPARE(befehl(30).hilfe,
                 QString::fromUtf8("GameOver [\"Open\",\"Save\" oder nichts für Game Over]"));
        QCOMPARE(befehl(24).hilfe,
                 QString::fromUtf8("SelectCase [Anzahl der Antworten] | [Frage] | [Antwort]"));
        QCOMPARE(befehl(26).hilfe, QString::fromUtf8("EndCase"));
        QCOMPARE(befehl(21).label, QString::fromUtf8("Schließe Dialog"));
        QCOMPARE(befehl(1).label, QString::fromUtf8("Playwav "));
        QCOMPARE(befehl(8).label, QString::fromUtf8("IfItem = "));
        QCOMPARE(befehl(0).labelDanach, QString::fromUtf8("Then"));
        QString versteckt, knoepfe;
        for (qint32 c = 0; c < Anzahl; ++c) {
            if (!befehl(c).box)
                versteckt += QString::number(c) + QLatin1Char(' ');
            if (!befehl(c).knopfName.isEmpty())
                knoepfe += befehl(c).knopfName + QLatin1Char(' ');
        }
        QCOMPARE(versteckt, QString::fromUtf8("9 10 16 20 21 26 "));
        QCOMPARE(knoepfe, QString::fromUtf8("PlaywavB Command7 GotoB LoadPic AddB PlayAviB "
                                            "Command4 Command5 Command6 "));
        // Any number a file holds is shown, never looked up out of range.
        QCOMPARE(CommandKeyword(33), QString::fromUtf8("<33>"));
        QCOMPARE(CommandKeyword(-1), QString::fromUtf8("<-1>"));
    }

    void zeilenUndEinzug()
    {
        const Skript beispiel = skriptAus({{0, "Schluessel"},
                                           {3, "TuerOffen"},
                                           {9, ""},
                                           {24, "2 | Wohin? | Links"},
                                           {25, "1"},
                                           {2, "Links."},
                                           {26, ""},
                                           {10, ""}});
        QCOMPARE(zeilen(beispiel), QStringList({"IF Schluessel", "   SetFlag TuerOffen", "Else ",
                                                "   SelectCase 2 | Wohin? | Links", "   Case 1",
                                                "      Print Links.", "   EndSelect ", "EndIf "}));
        // A closer at the top resets the depth; an open block indents all that follows.
        QCOMPARE(zeilen(skriptAus({{10, ""}, {3, "a"}, {8, "x.bmp"}, {27, "p"}, {99, " q "}})),
                 QStringList({"EndIf ", "SetFlag a", "IfItem x.bmp",
                              "   Spiel vom Spiel spielen spielen p", "   <99>  q "}));
        QCOMPARE(Zeilen::einzuege(Skript()), QVector<int>());
        QCOMPARE(Zeilen::ohneRandLeerzeichen("  a b\t "), QString("a b\t"));
        QCOMPARE(Zeilen::ohneRandLeerzeichen("   "), QString());
    }

    void einfuegen()
    {
        Skript s;
        // IF before everything, with its Else and EndIf.
        QCOMPARE(SkriptBearbeitung::einfuegen(s, -1, If), 0);
        QCOMPARE(codes(s), QVector<qint32>({0, 9, 10}));
        QCOMPARE(s.Befehl.size(), 3);
        QCOMPARE(s.Parameter.size(), 3);
        s.Parameter[0] = "Flag";
        QCOMPARE(SkriptBearbeitung::einfuegen(s, 0, 8), 1);
        QCOMPARE(codes(s), QVector<qint32>({0, 8, 9, 10, 9, 10}));
        QCOMPARE(SkriptBearbeitung::einfuegen(s, 5, 16), 6);
        QCOMPARE(SkriptBearbeitung::einfuegen(s, -1, 9), 0);
        QCOMPARE(codes(s), QVector<qint32>({9, 0, 8, 9, 10, 9, 10, 16}));
        QCOMPARE(s.Parameter[1], QString("Flag"));
        QCOMPARE(s.MaxZeile, 7);
        // Leftovers behind MaxZeile do not survive an insertion.
        Skript alt = skriptAus({{3, "a"}, {3, "b"}});
        alt.MaxZeile = 0;
        SkriptBearbeitung::einfuegen(alt, 0, 12);
        QCOMPARE(alt.Befehl, QVector<qint32>({3, 12}));
        QCOMPARE(alt.Parameter, QVector<QString>({"a", ""}));
    }

    void verschiebenUndLoeschen()
    {
        Skript s = skriptAus({{0, "f"}, {3, "a"}, {9, ""}, {10, ""}});
        QVERIFY(!SkriptBearbeitung::hoch(s, 0));
        QVERIFY(!SkriptBearbeitung::runter(s, 3));
        QVERIFY(!SkriptBearbeitung::hoch(s, -1));
        QVERIFY(SkriptBearbeitung::runter(s, 1)); // out of the IF branch into the Else branch
        QCOMPARE(zeilen(s), QStringList({"IF f", "Else ", "   SetFlag a", "EndIf "}));
        QVERIFY(SkriptBearbeitung::hoch(s, 1));
        // An Else without opener opens a branch all the same.
        QCOMPARE(zeilen(s), QStringList({"Else ", "   IF f", "      SetFlag a", "   EndIf "}));

        QVERIFY(SkriptBearbeitung::loeschen(s, 3));
        QCOMPARE(zeilen(s), QStringList({"Else ", "   IF f", "      SetFlag a"}));
        QCOMPARE(s.Befehl.size(), 3);
        QVERIFY(SkriptBearbeitung::loeschen(s, 0));
        QVERIFY(SkriptBearbeitung::loeschen(s, 0));
        QVERIFY(!SkriptBearbeitung::loeschen(s, 1));
        QVERIFY(SkriptBearbeitung::loeschen(s, 0));
        // The last line goes; its element stays behind MaxZeile.
        QCOMPARE(s.MaxZeile, -1);
        QCOMPARE(s.Befehl, QVector<qint32>({3}));
        QCOMPARE(s.Parameter, QVector<QString>({"a"}));
        QVERIFY(!SkriptBearbeitung::loeschen(s, 0));
        QCOMPARE(SkriptBearbeitung::einfuegen(s, -1, 2), 0);
        QCOMPARE(s.Befehl, QVector<qint32>({2}));
        QCOMPARE(s.Parameter, QVector<QString>({""}));
    }
};

QTEST_APPLESS_MAIN(TestScript)
#include "tst_script.moc"
