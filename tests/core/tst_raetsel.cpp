// What can ever happen in play: small games with exact findings, the plan's file, and random
// games explored state by state against the analysis.
#include "model/DateiName.h"
#include "model/Module1.h"
#include "raetsel/Erreichbarkeit.h"
#include "raetsel/RaetselKarte.h"
#include "raetsel/Raetselplan.h"
#include "roomfile/ItemSkript.h"
#include "script/Befehlstabelle.h"
#include "spiel/SpielLeser.h"
#include "spiel/Spielpruefung.h"

#include <QRandomGenerator>
#include <QtTest>

#include <map>
#include <queue>
#include <set>

using namespace Befehlstabelle;
/// A script line: code and parameter, the parameter empty when left out.
struct Z
{
    qint32 code;
    QString p;
    Z(qint32 code, QString p = {}) : code(code), p(std::move(p)) {}
};
using Zeilen = QVector<Z>;
using Plan = Raetselplan;

namespace {

Skript skriptAus(const Zeilen& zeilen)
{
    Skript s;
    for (const Z& z : zeilen) {
        s.Befehl << z.code;
        s.Parameter << z.p;
    }
    s.MaxZeile = qint32(zeilen.size()) - 1;
    return s;
}

QString t(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

struct Fleck
{
    QString name;
    Zeilen tue;
    bool aktiv = true;
    bool angeboten = true;
};

Module1 raum(const Zeilen& start, const QVector<Fleck>& flecken = {})
{
    Module1 r;
    r.StartSkript = start.isEmpty() ? Skript() : skriptAus(start);
    for (const Fleck& f : flecken) {
        HotSpot& h = r.HotSpots[r.neuerHotSpot(r.HotSpotMax + 2)];
        h.Name = f.name;
        h.Aktiv = f.aktiv;
        h.Aktion[1] = f.angeboten;
        h.Skripte[1] = skriptAus(f.tue);
    }
    return r;
}

struct Aufbau
{
    Spielpruefung pruefung;
    Aufbau& mit(const char* name, const Module1& r)
    {
        pruefung.setzen(SpielDatei::raumImSpeicher(QStringLiteral("rooms/") + t(name), r));
        return *this;
    }
    Aufbau& item(const char* datei, const Zeilen& zeilen)
    {
        const QByteArray bytes = ItemSkript::schreiben(skriptAus(zeilen));
        pruefung.setzen(SpielDatei::itemSkriptLesen(QStringLiteral("items/") + t(datei), &bytes));
        return *this;
    }
};

Plan plan(const char* text)
{
    return Plan::lesen(QByteArray(text)).plan;
}

/// Each finding as "file, script, lines: reason"; the goals' faults after them.
QStringList befunde(const Aufbau& s, const Plan& p)
{
    const Erreichbarkeit e = Erreichbarkeit::berechnen(s.pruefung, p);
    QStringList liste;
    for (const NieBefund& b : e.nie) {
        liste << b.stelle.datei + QLatin1Char(' ') + b.stelle.skript + QLatin1Char(' ') +
                     QString::number(b.stelle.zeile + 1) + QLatin1Char('-') +
                     QString::number(b.bis + 1) + QStringLiteral(": ") + b.grund.text();
    }
    for (const ZielStand& z : e.ziele) {
        if (!z.erreichbar)
            liste << z.text();
    }
    return liste;
}

// The demo's house in short: the note, the chest that gives the key, the door it opens.
Aufbau haus(bool truheAktiv)
{
    Aufbau s;
    s.mit("wald.lsd", raum({}, {{t("Weg"), {{Goto, t("haus.lsd")}}}}));
    s.mit("haus.lsd", raum({}, {{t("Truhe"),
                                 {{If, t("TruheOffen")},
                                  {Print, t("leer")},
                                  {Else},
                                  {Add, t("Schluessel.bmp")},
                                  {SetFlag, t("TruheOffen")},
                                  {EndIf}},
                                 truheAktiv},
                                {t("Tür"),
                                 {{IfItem, t("Schluessel.bmp")},
                                  {Goto, t("keller.lsd")},
                                  {Else},
                                  {Print, t("zu")},
                                  {EndIf}}}}));
    s.mit("keller.lsd", raum({{Print, t("dunkel")}}, {{t("Treppe"), {{Goto, t("haus.lsd")}}}}));
    return s;
}

// ----- The random games of the property test, and a plain player of them -----

constexpr int Raeume = 4, Flags = 4, Gegenstaende = 3, Namen = 4;

struct Zufall
{
    QRandomGenerator z;
    explicit Zufall(quint32 seed) : z(seed) {}
    int bis(int n) { return int(z.bounded(n)); }

    void block(Zeilen& s, int tiefe)
    {
        const int n = 1 + bis(4);
        for (int i = 0; i < n; ++i)
            zeile(s, tiefe);
    }
    void zeile(Zeilen& s, int tiefe)
    {
        const int art = bis(tiefe < 2 ? 14 : 11);
        const QString f = QStringLiteral("f%1").arg(bis(Flags));
        const QString g = QStringLiteral("g%1.bmp").arg(bis(Gegenstaende));
        const QString h = QStringLiteral("h%1").arg(bis(Namen));
        // One room name in ten is no room of the game.
        const QString r = QStringLiteral("r%1.lsd").arg(bis(Raeume + 1));
        const QString m = QStringLiteral("m%1").arg(bis(2));
        switch (art) {
        case 0:
            s.append({SetFlag, f});
            break;
        case 1:
            s.append({DelFlag, f});
            break;
        case 2:
            s.append({Add, g});
            break;
        case 3:
            s.append({Remove, g});
            break;
        case 4:
            s.append({HSaktivieren, h});
            break;
        case 5:
            s.append({HSdeaktivieren, h});
            break;
        case 6:
            s.append({Goto, r});
            break;
        case 7:
            s.append({Jump, m});
            break;
        case 8:
            s.append({Label, m});
            break;
        case 9:
            s.append({Print, QStringLiteral("x")});
            break;
        case 10:
            s.append({Spiel, QStringLiteral("spiel, ") + f + QStringLiteral(", 1")});
            break;
        default: {
            s.append({art == 11 ? IfItem : If, art == 11 ? g : f});
            block(s, tiefe + 1);
            if (bis(3)) {
                s.append({Else, QString()});
                block(s, tiefe + 1);
            }
            s.append({EndIf, QString()});
        }
        }
    }
    Zeilen skript()
    {
        Zeilen s;
        if (bis(4))
            block(s, 0);
        // Now and then a block left open or closed twice.
        if (!s.isEmpty() && bis(12) == 0)
            s.remove(bis(int(s.size())));
        return s;
    }
};

struct ZufallsSpiel
{
    Aufbau spiel;
    QStringList dateien;
};

ZufallsSpiel zufallsSpiel(quint32 seed)
{
    Zufall z(seed);
    ZufallsSpiel zs;
    const int raeume = 1 + z.bis(Raeume);
    for (int r = 0; r < raeume; ++r) {
        Module1 m;
        m.StartSkript = skriptAus(z.skript());
        m.TimerSkript = skriptAus(z.skript());
        const int flecken = z.bis(3);
        for (int i = 0; i < flecken; ++i) {
            HotSpot& h = m.HotSpots[m.neuerHotSpot(0)];
            h.Name = QStringLiteral("h%1").arg(z.bis(Namen));
            h.Aktiv = z.bis(2);
            for (int k = 0; k < HotSpot::Aktionen; ++k) {
                h.Aktion[k] = z.bis(3) != 0;
                h.Skripte[k] = skriptAus(z.skript());
            }
        }
        zs.spiel.mit(QStringLiteral("r%1.lsd").arg(r).toUtf8().constData(), m);
    }
    for (int g = 0; g < Gegenstaende; ++g) {
        if (z.bis(2))
            zs.spiel.item(QStringLiteral("g%1%2.skp").arg(g).arg(z.bis(3)).toUtf8().constData(),
                          z.skript());
    }
    return zs;
}

/// A state between two actions of the player.
struct Zustand
{
    int raum;
    unsigned flags = 0, gegenstaende = 0;
    /// Which hotspots are active, by their place in `Spieler::flecken`.
    quint64 aktiv = 0;
    bool operator<(const Zustand& o) const
    {
        return std::tie(raum, flags, gegenstaende, aktiv) <
               std::tie(o.raum, o.flags, o.gegenstaende, o.aktiv);
    }
};

/// Plays a game every way it can be played: every script that may run in a state is run, the
/// commands read plainly, and every line run is recorded.
struct Spieler
{
    QVector<std::shared_ptr<const SpielDatei>> dateien;
    QVector<int> raeume; // index in dateien of room r
    struct FleckOrt
    {
        int datei, hotSpot;
    };
    QVector<FleckOrt> flecken;
    bool gotoHaelt = false;
    std::set<std::tuple<QString, int, qint32>> gelaufen;

    static int nummer(const QString& name, int anzahl)
    {
        // "f2", "g1.bmp", "r3.lsd": the digit after the letter.
        const int n = name.size() > 1 ? name[1].digitValue() : -1;
        return n >= 0 && n < anzahl ? n : -1;
    }

    /// The line after the "Else" or at the "EndIf" that belongs to the opener at `i`, or after
    /// the "EndIf" when `bisEnde`; the end of the script when there is none.
    static qint32 weiter(const Skript& s, qint32 i, bool zumElse)
    {
        int tiefe = 0;
        for (qint32 k = i + 1; k <= s.MaxZeile; ++k) {
            const qint32 c = s.Befehl[k];
            if (c == If || c == IfItem) {
                ++tiefe;
            } else if (c == EndIf) {
                if (tiefe == 0)
                    return k;
                --tiefe;
            } else if (c == Else && tiefe == 0 && zumElse) {
                return k + 1;
            }
        }
        return s.MaxZeile + 1;
    }

    Zustand laufen(Zustand z, int datei, int skript)
    {
        const SpielDatei& d = *dateien[datei];
        const Skript& s = d.skripte[skript].skript;
        qint32 i = 0;
        for (int schritte = 0; i >= 0 && i <= s.MaxZeile && schritte < 300; ++schritte) {
            gelaufen.insert({d.datei, skript, i});
            const qint32 c = s.Befehl[i];
            const QString& p = s.Parameter[i];
            const int f = nummer(p, Flags), g = nummer(p, Gegenstaende);
            qint32 naechste = i + 1;
            switch (c) {
            case If:
            case IfItem: {
                const bool wahr =
                    c == If ? f >= 0 && (z.flags >> f & 1) : g >= 0 && (z.gegenstaende >> g & 1);
                if (!wahr)
                    naechste = weiter(s, i, true);
                break;
            }
            case Else:
                naechste = weiter(s, i, false);
                break;
            case SetFlag:
                z.flags |= 1u << f;
                break;
            case DelFlag:
                z.flags &= ~(1u << f);
                break;
            case Add:
                z.gegenstaende |= 1u << g;
                break;
            case Remove:
                z.gegenstaende &= ~(1u << g);
                break;
            case Spiel: {
                const int sf = nummer(p.section(QLatin1Char(','), 1, 1).trimmed(), Flags);
                z.flags |= 1u << sf;
                break;
            }
            case HSaktivieren:
            case HSdeaktivieren:
                for (int k = 0; k < flecken.size(); ++k) {
                    const auto& fo = flecken[k];
                    if (dateien[fo.datei]->hotSpots[fo.hotSpot].name != p)
                        continue;
                    if (c == HSaktivieren)
                        z.aktiv |= quint64(1) << k;
                    else
                        z.aktiv &= ~(quint64(1) << k);
                }
                break;
            case Goto: {
                const int r = nummer(p, Raeume);
                if (r >= 0 && r < raeume.size()) {
                    z.raum = r;
                    if (gotoHaelt)
                        return z;
                }
                break;
            }
            case Jump:
                for (qint32 k = 0; k <= s.MaxZeile; ++k) {
                    if (s.Befehl[k] == Label && s.Parameter[k] == p) {
                        naechste = k;
                        break;
                    }
                }
                break;
            default:
                break;
            }
            i = naechste;
        }
        return z;
    }

    void spielen(const QVector<int>& start)
    {
        std::set<Zustand> gesehen;
        std::queue<Zustand> offen;
        for (int r : start) {
            Zustand z{r};
            for (int k = 0; k < flecken.size(); ++k) {
                if (dateien[flecken[k].datei]->hotSpots[flecken[k].hotSpot].aktiv)
                    z.aktiv |= quint64(1) << k;
            }
            if (gesehen.insert(z).second)
                offen.push(z);
        }
        while (!offen.empty()) {
            const Zustand z = offen.front();
            offen.pop();
            QVector<std::pair<int, int>> laufbar;
            const int rd = raeume[z.raum];
            const SpielDatei& d = *dateien[rd];
            laufbar.append({rd, 0});
            laufbar.append({rd, int(d.skripte.size()) - 1});
            for (int k = 0; k < flecken.size(); ++k) {
                if (flecken[k].datei != rd || !(z.aktiv >> k & 1))
                    continue;
                const SpielDatei::Fleck& f = d.hotSpots[flecken[k].hotSpot];
                for (int a = 0; a < HotSpot::Aktionen; ++a) {
                    if (f.aktionen[a])
                        laufbar.append({rd, 1 + flecken[k].hotSpot * HotSpot::Aktionen + a});
                }
            }
            for (int i = 0; i < dateien.size(); ++i) {
                const int g =
                    dateien[i]->raum ? -1 : nummer(dateien[i]->datei.mid(6), Gegenstaende);
                if (g >= 0 && (z.gegenstaende >> g & 1))
                    laufbar.append({i, 0});
            }
            for (const auto& [datei, skript] : laufbar) {
                const Zustand n = laufen(z, datei, skript);
                if (gesehen.insert(n).second)
                    offen.push(n);
            }
        }
    }
};

} // namespace

class TestRaetsel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void eachKindOfFindingIsNamedWithItsReason_data();
    void eachKindOfFindingIsNamedWithItsReason();
    void theGoalBreaksAtItsFirstMissingLink();
    void thePlanFileReadsBackWhatItWrites();
    void aStartRoomChosenLeavesEveryOtherLineOfThePlan();
    void aDamagedOrForeignPlanIsNamedAndIgnored();
    void noLineRunInPlayIsReportedNever();
    void theDemosChartLeadsFromTheForestToTheCellar();
    void theChartMarksWhatCanNeverHappen();
};

void TestRaetsel::eachKindOfFindingIsNamedWithItsReason_data()
{
    QTest::addColumn<Aufbau>("spiel");
    QTest::addColumn<QString>("plan");
    QTest::addColumn<QStringList>("erwartet");

    QTest::newRow("everything can happen")
        << haus(true) << "start: wald.lsd\nziel: raum:keller.lsd" << QStringList();
    QTest::newRow("inactive hotspot, its item, the branch it opens")
        << haus(false) << "start: wald.lsd"
        << QStringList{
               t("rooms/haus.lsd HotSpot \"Truhe\", Tue 1-6: HotSpot „Truhe“ ist inaktiv und "
                 "wird nirgends aktiviert, wo das Spiel hinkommt"),
               t("rooms/haus.lsd HotSpot \"Tür\", Tue 2-2: Gegenstand „Schluessel.bmp“ wird "
                 "nirgends gegeben, wo das Spiel hinkommt (nur in rooms/haus.lsd, HotSpot "
                 "\"Truhe\", Tue, Zeile 4, die selbst nie läuft)"),
               t("rooms/keller.lsd Startskript 1-1: Raum „keller.lsd“ wird nie betreten (nur in "
                 "rooms/haus.lsd, HotSpot \"Tür\", Tue, Zeile 2, die selbst nie läuft)"),
               t("rooms/keller.lsd HotSpot \"Treppe\", Tue 1-1: Raum „keller.lsd“ wird nie "
                 "betreten (nur in rooms/haus.lsd, HotSpot \"Tür\", Tue, Zeile 2, die selbst nie "
                 "läuft)")};

    Aufbau flag;
    flag.mit("a.lsd", raum({{If, t("Nie")}, {Print, t("x")}, {Print, t("y")}, {Else}, {EndIf}}));
    QTest::newRow("flag set nowhere")
        << flag << ""
        << QStringList{t("rooms/a.lsd Startskript 2-3: Flag „Nie“ wird nirgends gesetzt, wo das "
                         "Spiel hinkommt")};

    Aufbau sprung;
    sprung.mit("a.lsd", raum({{Jump, t("Ende")},
                              {Print, t("x")},
                              {SetFlag, t("F")},
                              {Label, t("Ende")},
                              {If, t("F")},
                              {Print, t("y")},
                              {EndIf}}));
    QTest::newRow("jump without a condition")
        << sprung << ""
        << QStringList{t("rooms/a.lsd Startskript 2-3: übersprungen: \"Jump\" ohne Bedingung "
                         "davor"),
                       t("rooms/a.lsd Startskript 6-6: Flag „F“ wird nirgends gesetzt, wo das "
                         "Spiel hinkommt (nur in rooms/a.lsd, Startskript, Zeile 3, die selbst "
                         "nie läuft)")};

    Aufbau angeboten;
    Module1 r = raum({}, {{t("Tor"), {{Print, t("x")}}, true, false}});
    r.HotSpots[0].Skripte[2] = Skript::interagiereVorgabe(); // the default line: no finding
    angeboten.mit("a.lsd", r);
    QTest::newRow("action not offered")
        << angeboten << ""
        << QStringList{t("rooms/a.lsd HotSpot \"Tor\", Tue 1-1: die Aktion „Tue“ ist nicht "
                         "angekreuzt, das Spiel bietet sie nicht an")};

    Aufbau gegenstand;
    gegenstand.mit("a.lsd", raum({{Add, t("Kerze.bmp")}}));
    gegenstand.item("Kerze1.skp", {{SetFlag, t("Hell")}});
    gegenstand.item("Buch1.skp", {{Print, t("x")}});
    gegenstand.mit(
        "b.lsd",
        raum({{IfItem, t("Kerze.bmp")}, {If, t("Hell")}, {Print, t("ja")}, {EndIf}, {EndIf}}));
    QTest::newRow("item scripts run once the item may be held")
        << gegenstand << "start: a.lsd\nstart: b.lsd"
        << QStringList{t("items/Buch1.skp  1-1: Gegenstand „Buch“ wird nirgends gegeben, wo das "
                         "Spiel hinkommt")};

    // Given in two spellings, both never: the reason names the first the game lists.
    Aufbau zwei;
    zwei.mit("a.lsd", raum({{If, t("Nie")}, {Add, t("kerze.BMP")}, {EndIf}}));
    zwei.mit("b.lsd", raum({{If, t("Nie")}, {Add, t("Kerze.bmp")}, {EndIf}}));
    zwei.item("Kerze1.skp", {{Print, t("x")}});
    QTest::newRow("an item script's item as its first giver spells it")
        << zwei << ""
        << QStringList{t("rooms/a.lsd Startskript 2-2: Flag „Nie“ wird nirgends gesetzt, wo das "
                         "Spiel hinkommt"),
                       t("rooms/b.lsd Startskript 2-2: Flag „Nie“ wird nirgends gesetzt, wo das "
                         "Spiel hinkommt"),
                       t("items/Kerze1.skp  1-1: Gegenstand „kerze.BMP“ wird nirgends gegeben, wo "
                         "das Spiel hinkommt (nur in rooms/a.lsd, Startskript, Zeile 2, die "
                         "selbst nie läuft)")};

    Aufbau offen;
    offen.mit("a.lsd", raum({{If, t("Nie")}, {Print, t("x")}},
                            {{t("Geist"), {{If, t("Nie")}, {Print, t("x")}}, false}}));
    QTest::newRow("unbalanced scripts claim nothing") << offen << "" << QStringList();

    Aufbau aktiviert;
    aktiviert.mit("a.lsd", raum({{Spiel, t("Schach, Gewonnen, 1")}, {Goto, t("B.LSD")}}));
    aktiviert.mit("b.lsd", raum({{If, t("Gewonnen")}, {HSaktivieren, t(" truhe ")}, {EndIf}},
                                {{t("Truhe"), {{SetFlag, t("X")}}, false}}));
    QTest::newRow("a game played sets its flag, a hotspot is activated by its name")
        << aktiviert << "" << QStringList();

    Aufbau besitz;
    besitz.mit(
        "a.lsd",
        raum({{IfItem, t("Krone.bmp")}, {If, t("Adel")}, {Print, t("x")}, {EndIf}, {EndIf}}));
    QTest::newRow("what the player holds at the start")
        << besitz << "besitz: flag:Adel\nbesitz: gegenstand:Krone.bmp" << QStringList();
}

void TestRaetsel::eachKindOfFindingIsNamedWithItsReason()
{
    QFETCH(Aufbau, spiel);
    QFETCH(QString, plan);
    QFETCH(QStringList, erwartet);
    QCOMPARE(befunde(spiel, ::plan(plan.toUtf8().constData())), erwartet);
}

void TestRaetsel::theGoalBreaksAtItsFirstMissingLink()
{
    const Plan p = plan("start: wald.lsd\nziel: raum:keller.lsd\nziel: flag:Gewonnen\n"
                        "ziel: raum:schatz.lsd\nziel: gegenstand:Schluessel.bmp");
    const Erreichbarkeit e = Erreichbarkeit::berechnen(haus(false).pruefung, p);
    QStringList texte;
    for (const ZielStand& z : e.ziele)
        texte << z.text();
    QCOMPARE(texte,
             (QStringList{t("Ziel „raum:keller.lsd“ wird nie erreicht: HotSpot „Truhe“ ist inaktiv "
                            "und wird nirgends aktiviert, wo das Spiel hinkommt"),
                          t("Ziel „flag:Gewonnen“ wird nie erreicht: Flag „Gewonnen“ wird "
                            "nirgends gesetzt, wo das Spiel hinkommt"),
                          t("Ziel „raum:schatz.lsd“: diesen Raum gibt es nicht"),
                          t("Ziel „gegenstand:Schluessel.bmp“ wird nie erreicht: HotSpot „Truhe“ "
                            "ist inaktiv und wird nirgends aktiviert, wo das Spiel hinkommt")}));
    QCOMPARE(e.fehlendeZiele(), 4);
    QVERIFY(e.ziele[0].stelle);
    QCOMPARE(e.ziele[0].stelle->skript, t("HotSpot \"Truhe\", Tue"));

    const Erreichbarkeit gut = Erreichbarkeit::berechnen(haus(true).pruefung, p);
    QVERIFY(gut.ziele[0].erreichbar);
    QVERIFY(gut.ziele[3].erreichbar);
    QCOMPARE(gut.fehlendeZiele(), 2);

    // Without a plan, the rooms no "Goto" leads to are the start, a "Goto" that never runs
    // included; where every room is led to, every room.
    QCOMPARE(Erreichbarkeit::berechnen(haus(false).pruefung, {}).startRaeume,
             QStringList{t("rooms/wald.lsd")});
    Aufbau kreis;
    kreis.mit("a.lsd", raum({{Goto, t("b.lsd")}})).mit("b.lsd", raum({{Goto, t("a.lsd")}}));
    QCOMPARE(Erreichbarkeit::berechnen(kreis.pruefung, {}).startRaeume.size(), 2);

    // The chosen start room is no longer hinted at for having no "Goto" into it.
    const auto keinGoto = [](const QVector<SpielHinweis>& hinweise) {
        QStringList raeume;
        for (const SpielHinweis& h : hinweise)
            raeume << h.datei;
        return raeume;
    };
    QCOMPARE(keinGoto(haus(true).pruefung.hinweise()), QStringList{t("rooms/wald.lsd")});
    QCOMPARE(keinGoto(haus(true).pruefung.hinweise({t("Wald.lsd ")})), QStringList());
}

void TestRaetsel::thePlanFileReadsBackWhatItWrites()
{
    const Plan::Gelesen g =
        Plan::lesen("\xEF\xBB\xBF# Kommentar\r\nstart: haus.lsd \r\n\r\nZiel: Raum: Keller.lsd\n"
                    "ziel: flag:Gewonnen\nbesitz: gegenstand:Kerze.bmp\nstart: wald.lsd");
    QCOMPARE(g.fehler, QString());
    QCOMPARE(g.plan.start, (QStringList{t("haus.lsd"), t("wald.lsd")}));
    QCOMPARE(g.plan.ziele.size(), 2);
    QCOMPARE(g.plan.ziele[0].text(), t("raum:Keller.lsd"));
    QCOMPARE(g.plan.besitz[0].text(), t("gegenstand:Kerze.bmp"));
    QCOMPARE(Plan::lesen(g.plan.schreiben()).plan, g.plan);
    QVERIFY(Plan::lesen(g.plan.schreiben()).fehler.isEmpty());
    QVERIFY(Plan::lesen("").plan.leer());
    QVERIFY(Plan::lesen("").fehler.isEmpty());
}

void TestRaetsel::aStartRoomChosenLeavesEveryOtherLineOfThePlan()
{
    const struct
    {
        QByteArray vorher;
        const char* raum;
        QByteArray nachher;
    } faelle[] = {
        // The first start line takes the room, in the file's own line ends; the others go.
        {"\xEF\xBB\xBF# Kommentar\r\nstart: haus.lsd \r\n\r\nZiel: Raum: Keller.lsd\r\n"
         "# zu Beginn\r\nbesitz: flag:Licht\r\nSTART : wald.lsd",
         "Keller.lsd",
         "\xEF\xBB\xBF# Kommentar\r\nstart: Keller.lsd\r\n\r\nZiel: Raum: Keller.lsd\r\n"
         "# zu Beginn\r\nbesitz: flag:Licht\r\n"},
        {"# Plan\nziel: flag:Gewonnen\n", "wald.lsd",
         "# Plan\nstart: wald.lsd\nziel: flag:Gewonnen\n"},
        {"start: a.lsd\nziel: flag:X\nstart: b.lsd\n", "", "ziel: flag:X\n"},
        {"# nur ein Kommentar", "a.lsd", "# nur ein Kommentar\nstart: a.lsd\n"},
        {"\xEF\xBB\xBF", "a.lsd", "\xEF\xBB\xBFstart: a.lsd\n"},
        {"", "Wald.lsd", Plan{{t("Wald.lsd")}, {}, {}}.schreiben()},
    };
    for (const auto& f : faelle) {
        const QByteArray nachher = Plan::mitStart(f.vorher, t(f.raum));
        QCOMPARE(nachher, f.nachher);
        Plan erwartet = Plan::lesen(f.vorher).plan;
        erwartet.start = *f.raum ? QStringList{t(f.raum)} : QStringList();
        QCOMPARE(Plan::lesen(nachher).plan, erwartet);
    }

    // In the game folder: written through the safe writer, a damaged file left alone.
    QTemporaryDir ordner;
    const QString spiel = ordner.path() + '/';
    QCOMPARE(Plan::startSetzen(spiel, "wald.lsd"), QString());
    QCOMPARE(Plan::ausOrdner(spiel).plan.start, QStringList{"wald.lsd"});
    QFile datei(spiel + Plan::dateiName());
    QVERIFY(datei.open(QIODevice::WriteOnly));
    datei.write("start: wald.lsd\nziel keller\n");
    datei.close();
    QCOMPARE(Plan::startSetzen(spiel, "haus.lsd"),
             t("raetselplan.txt, Zeile 2: erwartet „start:“, „ziel:“ oder „besitz:“. Die Datei "
               "bleibt, wie sie ist."));
    QVERIFY(datei.open(QIODevice::ReadOnly));
    QCOMPARE(datei.readAll(), QByteArray("start: wald.lsd\nziel keller\n"));
}

void TestRaetsel::aDamagedOrForeignPlanIsNamedAndIgnored()
{
    const struct
    {
        QByteArray bytes;
        int zeile;
        const char* fehler;
    } faelle[] = {
        {"start: a.lsd\nziel: schatz\n", 2,
         "„schatz“ ist kein „flag:“, „gegenstand:“ oder „raum:“ mit Namen"},
        {"[core]\n\tbare = false\n", 1, "erwartet „start:“, „ziel:“ oder „besitz:“"},
        {"besitz: raum:a.lsd", 1, "einen Raum kann man nicht besitzen"},
        {"start:\n", 1, "„start:“ ohne Namen"},
        {"start: \xFF\xFE", 0, "kein UTF-8-Text"},
    };
    for (const auto& f : faelle) {
        const Plan::Gelesen g = Plan::lesen(f.bytes);
        QCOMPARE(g.fehler, t(f.fehler));
        QCOMPARE(g.zeile, f.zeile);
        QVERIFY(g.plan.leer());
    }
}

void TestRaetsel::noLineRunInPlayIsReportedNever()
{
    const int runden = qEnvironmentVariableIntValue("TARNHOLM_RAETSEL_RUNDEN") > 0
                           ? qEnvironmentVariableIntValue("TARNHOLM_RAETSEL_RUNDEN")
                           : 300;
    const quint32 anfang = quint32(qEnvironmentVariableIntValue("TARNHOLM_RAETSEL_SAAT"));
    int befundeGesamt = 0;
    for (int runde = 0; runde < runden; ++runde) {
        const quint32 seed = anfang + quint32(runde);
        ZufallsSpiel zs = zufallsSpiel(seed);
        const Erreichbarkeit e = Erreichbarkeit::berechnen(zs.spiel.pruefung, {});
        befundeGesamt += int(e.nie.size());
        for (const bool gotoHaelt : {false, true}) {
            Spieler sp;
            sp.gotoHaelt = gotoHaelt;
            sp.dateien = zs.spiel.pruefung.dateien();
            for (int i = 0; i < sp.dateien.size(); ++i) {
                if (!sp.dateien[i]->raum)
                    continue;
                sp.raeume.append(i);
                for (int h = 0; h < sp.dateien[i]->hotSpots.size(); ++h)
                    sp.flecken.append({i, h});
            }
            QVector<int> start;
            for (const QString& s : e.startRaeume)
                start << Spieler::nummer(s.mid(6), Raeume);
            sp.spielen(start);
            for (const auto& [datei, skript, zeile] : sp.gelaufen) {
                if (e.laeuft(datei, skript, zeile) && !e.befundBei(datei, skript, zeile))
                    continue;
                QFAIL(qPrintable(
                    QStringLiteral("seed %1 (Goto %2): %3, script %4, line %5 runs "
                                   "but is reported never")
                        .arg(seed)
                        .arg(gotoHaelt ? QStringLiteral("stops") : QStringLiteral("goes on"))
                        .arg(datei)
                        .arg(skript)
                        .arg(zeile + 1)));
            }
        }
    }
    // The games must give the analysis something to claim, or the test proves nothing.
    QVERIFY2(befundeGesamt > runden, qPrintable(QString::number(befundeGesamt)));
}

namespace {

/// Each step as "room: hotspot: action", "*" before it when it leads to a goal, "!" when it
/// can never run.
QStringList schritte(const RaetselKarte& k)
{
    QStringList liste;
    for (const PlanSchritt& p : k.schritte) {
        liste << QString(p.nie ? QStringLiteral("!") : QString()) +
                     (p.zumZiel ? QStringLiteral("*") : QString()) + DateiName(p.datei) +
                     QStringLiteral(": ") +
                     (p.hotSpot.isEmpty() ? QString() : p.hotSpot + QStringLiteral(": ")) +
                     p.aktion;
    }
    return liste;
}

} // namespace

void TestRaetsel::theDemosChartLeadsFromTheForestToTheCellar()
{
    Module1 m;
    m.setzeOrdner(QStringLiteral(TARNHOLM_DEMO_DIR));
    const Spielpruefung spiel = SpielLeser::spielLesen(m);
    const Raetselplan::Gelesen plan = Raetselplan::ausOrdner(m.AppPfad);
    QVERIFY(plan.fehler.isEmpty());
    const RaetselKarte k =
        RaetselKarte::bauen(spiel, Erreichbarkeit::berechnen(spiel, plan.plan), plan.plan);
    // The cellar's stairs lead back to the house, but not towards the goal.
    QCOMPARE(
        schritte(k),
        QStringList({t("haus.lsd: Startskript"), t("*haus.lsd: Tür: Tue"),
                     t("*haus.lsd: Tür: Interagiere"), t("*haus.lsd: Zettel an der Tür: Tue"),
                     t("*haus.lsd: Truhe: Tue"), t("haus.lsd: Weg zum Wald: Tue"),
                     t("keller.lsd: Startskript"), t("keller.lsd: Treppe: Tue"),
                     t("keller.lsd: Fackel: Tue"), t("keller.lsd: Loch in der Wand: Interagiere"),
                     t("wald.lsd: Startskript"), t("wald.lsd: Astloch: Tue"),
                     t("*wald.lsd: Weg zum Haus: Tue")}));
    const PlanSchritt& tuer = k.schritte[1];
    QCOMPARE(tuer.braucht, QStringList({t("raum:rooms/haus.lsd"), t("flag:TuerOffen")}));
    QCOMPARE(tuer.gibt, QStringList({t("raum:rooms/keller.lsd")}));
    // A flag an action tests and sets itself is no need of it.
    QCOMPARE(k.schritte[2].braucht,
             QStringList({t("raum:rooms/haus.lsd"), t("gegenstand:Schluessel.bmp")}));
    // The secret passage needs its activation; the coin's hole gives it.
    QVERIFY(k.schritte[9].gibt.contains(t("hotspot:geheimgang")));

    const QString alles = k.dot(), weg = k.dot(true);
    QVERIFY(alles.contains(t("rankdir=LR")));
    QVERIFY(alles.contains(t("{ rank=source; \"raum:rooms/wald.lsd\"; }")));
    QVERIFY(alles.contains(t("\"schritt:7\" [label=\"Treppe: Tue\\nkeller.lsd\"")));
    QVERIFY(alles.contains(t("\"schritt:12\" -> \"raum:rooms/haus.lsd\" [penwidth=2.5]")));
    // The chest opens only once the note is taken.
    QVERIFY(k.schritte[4].braucht.contains(t("flag:ZettelGenommen")));
    // Only the way to the goal: note, chest, key, door, and none of the rest.
    for (const char* schritt :
         {"schritt:1\"", "schritt:2\"", "schritt:3\"", "schritt:4\"", "schritt:12\""})
        QVERIFY2(weg.contains(t("\"") + t(schritt) + t(" [label")), schritt);
    for (const char* schritt : {"schritt:0\"", "schritt:7\"", "schritt:9\""})
        QVERIFY2(!weg.contains(t("\"") + t(schritt)), schritt);
    QVERIFY(!weg.contains(t("Zettel.bmp")));
    QCOMPARE(k.dot(true), weg);
}

void TestRaetsel::theChartMarksWhatCanNeverHappen()
{
    const Plan p = plan("start: wald.lsd\nziel: raum:keller.lsd\n");
    const Aufbau s = haus(false);
    const RaetselKarte k =
        RaetselKarte::bauen(s.pruefung, Erreichbarkeit::berechnen(s.pruefung, p), p);
    QCOMPARE(schritte(k), QStringList({t("!*haus.lsd: Truhe: Tue"), t("*haus.lsd: Tür: Tue"),
                                       t("!keller.lsd: Treppe: Tue"), t("*wald.lsd: Weg: Tue")}));
    const PlanSchritt& truhe = k.schritte[0];
    QCOMPARE(truhe.hotSpot, t("Truhe"));
    QCOMPARE(truhe.zeile, 0);
    QVERIFY(truhe.grund.contains(t("HotSpot „Truhe“ ist inaktiv")));
    // The chest's key never comes: the door's "Goto" is a line that never runs, drawn dashed.
    QVERIFY(!k.schritte[1].nie);
    const QString dot = k.dot();
    QVERIFY(dot.contains(t("\"schritt:1\" -> \"raum:rooms/keller.lsd\" [style=dashed")));
    QVERIFY(dot.contains(t("tooltip=\"HotSpot „Truhe“ ist inaktiv")));
    QVERIFY(dot.contains(t("\"gegenstand:Schluessel.bmp\" [label=\"Schluessel.bmp\", shape=note, "
                           "fontsize=9, margin=\"0.05,0.02\", height=0.3, color=\"#b03020\"")));
    // The way to a goal never reached is drawn to where it breaks: the chest, red and bold.
    QVERIFY(dot.contains(t("penwidth=3")));
    QVERIFY(dot.contains(t("\"raum:rooms/keller.lsd\" [label=\"keller.lsd\"")));
}

QTEST_GUILESS_MAIN(TestRaetsel)
#include "tst_raetsel.moc"
