#include "TestSpiel.h"
#include "check/Befund.h"
#include "check/SkriptPruefer.h"
#include "regeln/Namensbuch.h"
#include "roomfile/ItemSkript.h"
#include "spiel/Pruefdienst.h"
#include "spiel/SpielLeser.h"
#include "spiel/Spielpruefung.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

namespace {

using Art = Namensbuch::Art;

// A small game with a fault or a hint in every kind of script: blocks, labels, hotspots,
// parameters, a flag one slip away from another, items, a flag spelt in another case.
void spielSchreiben(const TestSpiel& s)
{
    const QVector<QPair<qint32, QString>> tuer = {{17, "Tor"},        {28, "Ende"}, {14, "1,2,3"},
                                                  {8, "Schwert.gif"}, {9, ""},      {10, ""}};
    QVERIFY(s.raum("haus.lsd",
                   raumMit(skriptAus({{0, "TruheOffen"}, {3, "TruheOfen"}, {10, ""}, {10, ""}}),
                           {{"Tür", skriptAus(tuer)},
                            {"Truhe", skriptAus({{3, "TruheOffen"}, {6, "Schlüssel.gif"}})}})));
    QVERIFY(s.raum("keller.lsd",
                   raumMit(skriptAus({{12, "truheoffen"}, {4, "haus.lsd"}, {7, "Schild.gif"}}),
                           {{"Fass", skriptAus({{29, "Ende"}, {29, "Ende"}, {25, "x"}})}})));
    QVERIFY(s.datei("items/Schlüssel0.skp",
                    ItemSkript::schreiben(skriptAus({{18, "Truhe"}, {17, "Kiste"}, {0, "Tor"}}))));
}

// "line: text" of every finding of a script as the game check reports it.
QStringList gemeldet(const Spielpruefung& spiel, const QString& datei, const QString& skript)
{
    QStringList zeilen;
    for (const SkriptFehler& f : spiel.fehler())
        if (f.stelle.datei == datei && f.stelle.skript == skript)
            zeilen << QString("%1: %2").arg(f.stelle.zeile).arg(f.text);
    for (const SpielHinweis& h : spiel.hinweise())
        for (const SkriptStelle& st : h.stellen)
            if (st.datei == datei && st.skript == skript)
                zeilen << QString("%1: %2").arg(st.zeile).arg(h.text);
    zeilen.sort();
    return zeilen;
}

QStringList markiert(const SkriptPruefer& p, const Skript& s)
{
    QStringList zeilen;
    for (qint32 i = 0; i <= s.MaxZeile; ++i)
        for (const SkriptPruefer::Befund& b : p.befunde(i))
            zeilen << QString("%1: %2").arg(i).arg(b.text);
    zeilen.sort();
    return zeilen;
}

// Every finding with its kind, for comparing two checks of the same script.
QStringList alles(const SkriptPruefer& p, qint32 zeilen)
{
    QStringList ergebnis{QString("%1 Fehler, %2 Hinweise").arg(p.fehler()).arg(p.hinweise())};
    for (qint32 i = 0; i < zeilen; ++i)
        for (const SkriptPruefer::Befund& b : p.befunde(i))
            ergebnis << QString("%1 %2 %3").arg(i).arg(b.fehler).arg(b.text);
    return ergebnis;
}

// What the windows show of a game: every file as read, the faults, the hints, the report.
QStringList abbild(const Spielpruefung& spiel, const Module1& ordner)
{
    QStringList a;
    for (const auto& d : spiel.dateien())
        a << QString("%1 %2 %3 %4")
                 .arg(d->datei)
                 .arg(d->vollstaendig)
                 .arg(d->groesse)
                 .arg(d->inhalt);
    for (const SkriptFehler& f : spiel.fehler())
        a << QString("%1:%2 %3").arg(f.stelle.datei).arg(f.stelle.zeile).arg(f.text);
    for (const SpielHinweis& h : spiel.hinweise())
        a << QString("%1 %2 %3").arg(h.text, h.datei).arg(h.stellen.size());
    return a << befundText(befundAus(spiel, ordner));
}

QStringList alle(const QSignalSpy& spy)
{
    QStringList dateien;
    for (const QList<QVariant>& signal : spy)
        dateien += signal[0].toStringList();
    // A file caught while it was written is told again once it is whole.
    dateien.removeDuplicates();
    dateien.sort();
    return dateien;
}

} // namespace

class TestPruefdienst : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void hintsNameTheLikeNameThatIsUsed()
    {
        QVERIFY(Namensbuch::vertippt(u"truheoffen", u"truheofen"));
        QVERIFY(Namensbuch::vertippt(u"tuer", u"teur"));
        QVERIFY(Namensbuch::vertippt(u"haus", u"maus"));
        QVERIFY(!Namensbuch::vertippt(u"abcd", u"bcda"));
        QVERIFY(!Namensbuch::vertippt(u"abcd", u"abcdef"));
        QVERIFY(!Namensbuch::vertippt(u"haus", u"haus"));

        Namensbuch buch;
        buch.zaehlen(Art::FlagGesetzt, "TruheOfen");
        buch.zaehlen(Art::FlagAbgefragt, "TruheOffen");
        buch.zaehlen(Art::FlagGesetzt, "TruheOffen");
        buch.zaehlen(Art::FlagAbgefragt, "Tor");
        buch.zaehlen(Art::FlagGesetzt, "Tür");
        QCOMPARE(buch.hinweis(true, "TruheOfen"),
                 "Flag \"TruheOfen\" wird gesetzt, aber nirgends abgefragt (meinten Sie "
                 "„TruheOffen“?)");
        QVERIFY(buch.hinweis(true, "TruheOffen").isNull());
        // Names this short are not taken for slips.
        QCOMPARE(buch.hinweis(true, "Tor"), "Flag \"Tor\" wird abgefragt, aber nirgends gesetzt");
        QVERIFY(buch.hinweis(true, "Unbekannt").isNull());
        // Another case or spaces come before a slip.
        buch.zaehlen(Art::FlagAbgefragt, " truheofen");
        QCOMPARE(buch.hinweis(true, "TruheOfen"),
                 "Flag \"TruheOfen\" wird gesetzt, aber nirgends abgefragt (abgefragt wird "
                 "\" truheofen\")");

        // A book on top counts the one below and takes its uses away again; the one below
        // stays as it was.
        Namensbuch oben(&buch);
        oben.zaehlen(Art::FlagAbgefragt, "TruheOffen", -1);
        QCOMPARE(oben.hinweis(true, "TruheOffen"),
                 "Flag \"TruheOffen\" wird gesetzt, aber nirgends abgefragt (meinten Sie "
                 "„ truheofen“?)");
        oben.zaehlen(Art::GegenstandVerlangt, "Schwert.gif");
        oben.zaehlen(Art::GegenstandEntfernt, "Schwert.gif");
        oben.zaehlen(Art::GegenstandGegeben, "Schwer.gif");
        QCOMPARE(oben.hinweis(false, "Schwert.gif"),
                 "Gegenstand \"Schwert.gif\" wird verlangt und entfernt, aber nirgends mit \"Add\" "
                 "gegeben (meinten Sie „Schwer.gif“?)");
        QVERIFY(buch.hinweis(true, "TruheOffen").isNull());
        QVERIFY(buch.hinweis(false, "Schwert.gif").isNull());
    }

    void theEditorMarksExactlyWhatTheCheckReports()
    {
        TestSpiel s;
        spielSchreiben(s);
        Spielpruefung spiel;
        ordnerPruefen(s.m, &spiel);
        int gepruefte = 0;
        for (const QString& datei : {QString("rooms/haus.lsd"), QString("rooms/keller.lsd")}) {
            Module1 raum;
            QVERIFY(RoomFile::lesen(s.inhalt(datei), raum).vollstaendig);
            const auto d = spiel.datei(datei);
            for (const SpielDatei::SkriptDaten& sk : d->skripte) {
                SkriptPruefer p;
                p.umfeld({true, sk.ort, {}}, raum, datei, &spiel);
                p.pruefen(sk.skript);
                QCOMPARE(markiert(p, sk.skript), gemeldet(spiel, datei, sk.name));
                gepruefte += gemeldet(spiel, datei, sk.name).size();
            }
        }
        // An item script, with a room open that is not saved in the game.
        const QString item = "items/Schlüssel0.skp";
        SkriptPruefer p;
        p.umfeld({false, {}, item}, Module1(), {}, &spiel);
        const Skript& sk = spiel.datei(item)->skripte[0].skript;
        p.pruefen(sk);
        QCOMPARE(markiert(p, sk), gemeldet(spiel, item, QString()));
        gepruefte += markiert(p, sk).size();
        QCOMPARE(gepruefte, 14);

        // The open room counts as it is in memory: its start script sets "TruheOffen" now
        // instead of testing it, so the chest's line is hinted, though the file still tests it.
        Module1 haus;
        RoomFile::lesen(s.inhalt("rooms/haus.lsd"), haus);
        haus.StartSkript.Befehl[0] = 3;
        SkriptPruefer offen;
        offen.umfeld({true, {RoomFile::SkriptOrt::Art::HotSpot, 1, 1}, {}}, haus, "rooms/haus.lsd",
                     &spiel);
        offen.pruefen(haus.HotSpots[1].Skripte[1]);
        QCOMPARE(markiert(offen, haus.HotSpots[1].Skripte[1]),
                 QStringList{"0: Flag \"TruheOffen\" wird gesetzt, aber nirgends abgefragt"});
        // While the game is read, only what the script shows on its own: not the hotspots of
        // the rooms, nor hints.
        SkriptPruefer ohneSpiel;
        ohneSpiel.umfeld({false, {}, item}, Module1(), {}, nullptr);
        ohneSpiel.pruefen(sk);
        QCOMPARE(markiert(ohneSpiel, sk),
                 QStringList{"2: \"IF\" wird bis zum Ende des Skripts nicht mit \"EndIf\" "
                             "geschlossen"});
    }

    void typingRechecksAsAFullCheckWould()
    {
        // Random keystrokes, lines in and out and swapped, in random scripts over a game whose
        // names are one slip apart: after each, what the checker keeps up to date must be what
        // a fresh check of the whole script finds.
        TestSpiel s;
        spielSchreiben(s);
        Spielpruefung spiel;
        ordnerPruefen(s.m, &spiel);
        Module1 haus;
        RoomFile::lesen(s.inhalt("rooms/haus.lsd"), haus);
        const QStringList namen{"TruheOffen", "TruheOfen", "truheoffen", "Tor",
                                "Tür",        "Truhe",     "Ende",       "Schwert.gif",
                                "Schwert.gi", "1,2,3,4",   "$g",         ""};
        const QVector<qint32> codes{0,  3,  12, 8,  6,  7,  9,  10, 28,
                                    29, 17, 13, 14, 24, 25, 26, 27, 2};
        auto* zufall = QRandomGenerator::global();
        for (int runde = 0; runde < 40; ++runde) {
            const bool imRaum = runde % 2 == 0;
            Skript sk;
            const int zeilen = 1 + zufall->bounded(40);
            for (int i = 0; i < zeilen; ++i) {
                sk.Befehl << codes[zufall->bounded(codes.size())];
                sk.Parameter << namen[zufall->bounded(namen.size())];
            }
            sk.MaxZeile = zeilen - 1;
            const SkriptPruefer::Herkunft herkunft{
                imRaum, {RoomFile::SkriptOrt::Art::HotSpot, 0, 1}, "items/Schlüssel0.skp"};
            SkriptPruefer schnell;
            schnell.umfeld(herkunft, haus, "rooms/haus.lsd", &spiel);
            schnell.pruefen(sk);
            for (int taste = 0; taste < 60; ++taste) {
                const qint32 i = zufall->bounded(sk.MaxZeile + 1);
                const QString alt = sk.Parameter[i];
                const int was = zufall->bounded(5);
                switch (was) {
                case 0:
                    sk.Parameter[i] += QChar(u"fnx "[zufall->bounded(4)]);
                    break;
                case 1:
                    sk.Parameter[i].chop(1);
                    break;
                case 2:
                    sk.Parameter[i] = namen[zufall->bounded(namen.size())];
                    break;
                case 3:
                    // A line in or out: the script is checked whole, the hints kept that
                    // did not change.
                    if (sk.MaxZeile > 0 && zufall->bounded(2)) {
                        sk.Befehl.remove(i);
                        sk.Parameter.remove(i);
                        --sk.MaxZeile;
                    } else {
                        sk.Befehl.insert(i, codes[zufall->bounded(codes.size())]);
                        sk.Parameter.insert(i, namen[zufall->bounded(namen.size())]);
                        ++sk.MaxZeile;
                    }
                    schnell.pruefen(sk);
                    break;
                default:
                    std::swap(sk.Befehl[i], sk.Befehl[sk.MaxZeile - i]);
                    std::swap(sk.Parameter[i], sk.Parameter[sk.MaxZeile - i]);
                    schnell.pruefen(sk);
                }
                if (was < 3 && sk.Parameter[i] != alt)
                    schnell.parameterGeaendert(sk, i, alt);
                SkriptPruefer ganz;
                ganz.umfeld(herkunft, haus, "rooms/haus.lsd", &spiel);
                ganz.pruefen(sk);
                QCOMPARE(alles(schnell, sk.MaxZeile + 1), alles(ganz, sk.MaxZeile + 1));
            }
        }
    }

    void theServiceReadsTheGameOnceAndThenFileByFile()
    {
        TestSpiel s;
        spielSchreiben(s);
        Pruefdienst dienst(s.m);
        QSignalSpy bereit(&dienst, &Pruefdienst::bereitGeworden);
        dienst.lesen();
        QVERIFY(!dienst.bereit());
        // Written while the game is read: read again once it is done.
        QVERIFY(s.raum("wald.lsd", raumMit(skriptAus({{3, "Wald"}}))));
        dienst.dateiGeaendert(s.pfad("rooms/wald.lsd"));
        QVERIFY(bereit.wait(10000));
        QCOMPARE(dienst.spiel().dateien().size(), 4);
        QCOMPARE(dienst.spiel().namen().anzahl(Art::FlagGesetzt, "Wald"), 1);

        QSignalSpy geaendert(&dienst, &Pruefdienst::geaendert);
        QVERIFY(s.raum("wald.lsd", raumMit(skriptAus({{3, "Forst"}}))));
        dienst.dateiGeaendert("rooms/wald.lsd");
        QCOMPARE(dienst.spiel().namen().anzahl(Art::FlagGesetzt, "Wald"), 0);
        QCOMPARE(dienst.spiel().namen().anzahl(Art::FlagGesetzt, "Forst"), 1);
        QVERIFY(QFile::remove(s.pfad("rooms/wald.lsd")));
        dienst.dateiGeaendert(s.pfad("rooms/wald.lsd"));
        QCOMPARE(dienst.spiel().dateien().size(), 3);
        QCOMPARE(dienst.spiel().namen().anzahl(Art::FlagGesetzt, "Forst"), 0);
        // Other files are no concern of the game check.
        dienst.dateiGeaendert(s.pfad("graphics/a.bmp"));
        dienst.dateiGeaendert(s.pfad("rooms/unter/x.lsd"));
        dienst.dateiGeaendert("/anderswo/rooms/x.lsd");
        QCOMPARE(geaendert.size(), 2);
        QCOMPARE(dienst.relativ(s.pfad("items/Schlüssel0.skp")),
                 QDir::toNativeSeparators("items/Schlüssel0.skp"));

        // Gone while it reads or watches: it neither waits long nor crashes.
        for (int i = 0; i < 5; ++i) {
            auto weg = std::make_unique<Pruefdienst>(s.m);
            weg->lesen();
            QTest::qWait(i);
        }
    }

    void whatOthersChangeOnDiskIsKnownAsAFreshReadWouldKnowIt()
    {
        TestSpiel s;
        spielSchreiben(s);
        Pruefdienst dienst(s.m);
        QSignalSpy bereit(&dienst, &Pruefdienst::bereitGeworden);
        dienst.lesen();
        QVERIFY(bereit.wait(10000));
        QSignalSpy aussen(&dienst, &Pruefdienst::aussenGeaendert);
        const auto wieFrisch = [&] {
            return abbild(dienst.spiel(), s.m) == abbild(SpielLeser::spielLesen(s.m), s.m);
        };
        const auto nativ = [](QStringList dateien) {
            for (QString& d : dateien)
                d = QDir::toNativeSeparators(d);
            return dateien;
        };

        // Made, changed in place, renamed, removed.
        QVERIFY(s.raum("wald.lsd", raumMit(skriptAus({{3, "TruheOfen"}, {4, "keller.lsd"}}))));
        QVERIFY(s.raum("keller.lsd", raumMit(skriptAus({{0, "Wald"}}))));
        QVERIFY(QFile::rename(s.pfad("rooms/haus.lsd"), s.pfad("rooms/villa.lsd")));
        QVERIFY(QFile::remove(s.pfad("items/Schlüssel0.skp")));
        QTRY_VERIFY(wieFrisch());
        QTRY_COMPARE(alle(aussen),
                     nativ({"items/Schlüssel0.skp", "rooms/haus.lsd", "rooms/keller.lsd",
                            "rooms/villa.lsd", "rooms/wald.lsd"}));

        // What the editor wrote itself is known by its bytes, and not taken in again.
        aussen.clear();
        QVERIFY(TextFile::write(s.pfad("rooms/keller.lsd"), s.inhalt("rooms/wald.lsd")));
        dienst.dateiGeaendert(s.pfad("rooms/keller.lsd"));
        QVERIFY(s.datei("items/Schlüssel1.skp", ItemSkript::schreiben(skriptAus({{3, "Wald"}}))));
        QVERIFY(aussen.wait(5000));
        QCOMPARE(alle(aussen), nativ({"items/Schlüssel1.skp"}));
        QTRY_VERIFY(wieFrisch());

        // Hundreds at once, rooms whose "Goto" lead into each other; then a folder removed and
        // made again.
        for (int i = 0; i < 300; ++i)
            QVERIFY(s.raum(QString("r%1.lsd").arg(i),
                           raumMit(skriptAus({{4, QString("r%1.lsd").arg((i + 1) % 300)},
                                              {3, QString("F%1").arg(i % 7)}}))));
        for (int i = 0; i < 300; i += 3)
            QVERIFY(QFile::remove(s.pfad(QString("rooms/r%1.lsd").arg(i))));
        QTRY_VERIFY(wieFrisch());
        QVERIFY(QDir(s.pfad("items")).removeRecursively());
        QTRY_VERIFY(wieFrisch());
        QVERIFY(QDir(s.pfad("")).mkdir("items"));
        QVERIFY(s.datei("items/Neu0.skp", ItemSkript::schreiben(skriptAus({{12, "F1"}}))));
        QTRY_VERIFY(wieFrisch());

        // Pictures and sounds that come or go change what is unused or missing.
        QSignalSpy geaendert(&dienst, &Pruefdienst::geaendert);
        QVERIFY(s.datei("graphics/Schwert.gif", "GIF"));
        QVERIFY(geaendert.wait(5000));
        QVERIFY(wieFrisch());
    }
};

QTEST_GUILESS_MAIN(TestPruefdienst)
#include "tst_pruefdienst.moc"
