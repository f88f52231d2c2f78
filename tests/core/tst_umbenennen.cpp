#include "OrdnerStand.h"
#include "Programm.h"
#include "UmbenennSpiel.h"
#include "namen/Verwendungssuche.h"
#include "roomfile/Cp1252.h"
#include "roomfile/ItemSkript.h"
#include "umbenennen/Umbenenner.h"
#include "umbenennen/Umbenennung.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Befehlstabelle;
using Verwendungssuche::Anfrage;

namespace {

/// "file|script|line|text" per place, the line from 1 (0 for a background or a name).
QStringList orte(const QVector<Verwendungssuche::Verwendung>& liste)
{
    QStringList texte;
    for (const auto& v : liste)
        texte << QString("%1|%2|%3|%4")
                     .arg(QDir::fromNativeSeparators(v.stelle.datei), v.stelle.skript)
                     .arg(v.stelle.zeile + 1)
                     .arg(v.stelle.zeilenText);
    return texte;
}

} // namespace

// Find and rename over a crafted game: each kind finds exactly its places, and a rename
// writes exactly the plan, whose files differ from the old ones only in the name's texts.
class TestUmbenennen : public QObject
{
    Q_OBJECT

    /// Renames as tarnholm-umbenennen does, and checks the game against `erwartet`.
    void umbenennen(UmbenennSpiel& spiel, const Umbenennung::Anfrage& anfrage, OrdnerStand erwartet)
    {
        const Umbenennung::Plan plan = spiel.planen(anfrage);
        QVERIFY2(plan.moeglich(), qPrintable(plan.fehler));
        QTemporaryDir journale;
        Umbenenner u(spiel.dir.path(), journale.path());
        const OrdnerStand vorher = ordnerStand(spiel.dir.path());
        const Umbenenner::Ergebnis e = u.ausfuehren(plan);
        QVERIFY2(e.art == Umbenenner::Ergebnis::Art::Erledigt, qPrintable(e.text));
        const OrdnerStand nachher = ordnerStand(spiel.dir.path());
        QCOMPARE(nachher.keys(), erwartet.keys());
        for (const QString& datei : erwartet.keys())
            QVERIFY2(nachher[datei] == erwartet[datei],
                     qPrintable(datei + ": " + nachher[datei] + " / " + erwartet[datei]));
        // What the preview shows is what was written.
        for (const Umbenennung::Datei& d : plan.dateien) {
            if (d.mitText)
                QCOMPARE(nachher[d.neu], d.neuBytes);
            QVERIFY(!d.umbenannt() || !nachher.contains(d.alt));
        }
        // And it is taken back exactly.
        QCOMPARE(u.rueckgaengig().art, Umbenenner::Ergebnis::Art::Erledigt);
        QCOMPARE(ordnerStand(spiel.dir.path()), vorher);
    }

private Q_SLOTS:
    void eachKindFindsExactlyItsPlaces()
    {
        UmbenennSpiel spiel;
        const Spielpruefung index = spiel.lesen();
        const auto finde = [&](NamensArt art, const QString& name, const QString& datei = {}) {
            return orte(Verwendungssuche::suchen(index, {art, name, datei, -1}));
        };
        const QString tue = "HotSpot \"Tür\", Tue";
        QCOMPARE(finde(NamensArt::Flag, "TruheOffen"),
                 QStringList({"rooms/hand.lsd|Startskript|1|IF TruheOffen",
                              "rooms/hand.lsd|Startskript|3|   SetFlag TruheOffen",
                              "rooms/haus.lsd|Startskript|1|IF TruheOffen",
                              "rooms/haus.lsd|" + tue + "|1|IF TruheOffen",
                              "rooms/haus.lsd|HotSpot \"Truhe\", Sieh an!|2|SetFlag TruheOffen",
                              "rooms/haus.lsd|HotSpot \"Truhe\", Sieh an!|3|Spiel vom Spiel "
                              "spielen spielen Schach, TruheOffen , 3",
                              "rooms/keller.lsd|Startskript|1|DelFlag TruheOffen",
                              "items/Schluessel0.skp||1|IF TruheOffen"}));
        QCOMPARE(finde(NamensArt::Gegenstand, "Schluessel.bmp"),
                 QStringList({"rooms/haus.lsd|" + tue + "|5|   Add Schluessel.bmp",
                              "rooms/keller.lsd|Startskript|2|IfItem Schluessel.bmp",
                              "items/Schluessel0.skp||2|   Remove Schluessel.bmp",
                              "items/Schluessel2.skp||1|IfItem Schluessel.bmp"}));
        QCOMPARE(finde(NamensArt::Raum, " KELLER.lsd"),
                 QStringList({"rooms/haus.lsd|Startskript|4|   Goto keller.lsd",
                              "rooms/haus.lsd|" + tue + "|3|   Goto rooms\\KELLER.LSD",
                              "items/Schluessel0.skp||4|   Goto keller.lsd"}));
        QCOMPARE(finde(NamensArt::Bild, "haus.bmp"),
                 QStringList({"rooms/haus.lsd||0|Hintergrund graphics\\Haus.BMP",
                              "rooms/haus.lsd|HotSpot \"Truhe\", Sieh an!|4|LoadPic haus.bmp"}));
        QCOMPARE(finde(NamensArt::Ton, "musik.mid"),
                 QStringList({"rooms/hand.lsd|Startskript|2|   PlayWav musik.mid",
                              "rooms/haus.lsd|Timerskript|1|PlayMusic musik.mid"}));
        QCOMPARE(finde(NamensArt::Ton, "tuer.wav"),
                 QStringList({"rooms/haus.lsd|" + tue + "|2|   PlayWav  sounds\\Tuer.WAV "}));
        // A hotspot of one room: its name, its room's lines, an item script's; not another
        // room's line of the same name.
        QCOMPARE(finde(NamensArt::HotSpot, "Tür", "rooms/haus.lsd"),
                 QStringList({"rooms/haus.lsd|" + tue + "|6|   HSaktivieren Tür",
                              "rooms/haus.lsd|" + tue + "|7|   ChangeMouse Tür, hand.cur",
                              "rooms/haus.lsd|HotSpot \"Tür\"|0|Name Tür",
                              "items/Schluessel0.skp||3|   HSdeaktivieren Tür"}));
        QCOMPARE(finde(NamensArt::Label, "Oben"),
                 QStringList({"rooms/haus.lsd|HotSpot \"Truhe\", Sieh an!|1|Label Oben",
                              "rooms/haus.lsd|HotSpot \"Truhe\", Sieh an!|6|Jump Oben",
                              "rooms/keller.lsd|HotSpot \"Treppe\", Tue|2|Label Oben",
                              "rooms/keller.lsd|HotSpot \"Treppe\", Tue|3|Jump Oben"}));
        QCOMPARE(finde(NamensArt::Text, "tür,"),
                 QStringList({"rooms/haus.lsd|" + tue + "|7|   ChangeMouse Tür, hand.cur"}));
        QVERIFY(finde(NamensArt::Flag, "truheOffen").isEmpty());

        // Every place names its file's line and the bytes of its name.
        for (const NamensArt art : {NamensArt::Flag, NamensArt::Raum, NamensArt::Bild,
                                    NamensArt::HotSpot, NamensArt::Gegenstand}) {
            for (const QString& name :
                 {"TruheOffen", "keller.lsd", "haus.bmp", "Tür", "Schluessel.bmp"}) {
                for (const auto& v : Verwendungssuche::suchen(index, {art, name, {}, -1})) {
                    const QByteArray bytes = spiel.inhalt(v.stelle.datei);
                    QCOMPARE(Cp1252::decode(bytes.mid(v.bereich.anfang, v.bereich.laenge)), v.wert);
                    // A parameter stands on its command's line or the next.
                    const int zeile = bytes.left(v.bereich.anfang).count('\n') + 1;
                    QVERIFY(zeile == v.stelle.dateiZeile ||
                            (v.stelle.zeile >= 0 && zeile == v.stelle.dateiZeile + 1));
                }
            }
        }
        // What a line names, for the script editor's keys.
        const auto benannt = [](qint32 befehl, const QString& parameter) {
            const auto b = Verwendungssuche::benannt(befehl, parameter);
            return b ? Verwendungssuche::artName(b->art) + ":" + b->name : QString();
        };
        QCOMPARE(benannt(Spiel, "Schach, TruheOffen , 3"), QString("Flag:TruheOffen"));
        QCOMPARE(benannt(Goto, " rooms\\KELLER.LSD "), QString("Raum:rooms\\KELLER.LSD"));
        QCOMPARE(benannt(ChangeMouse, "Tür , hand.cur"), QString("HotSpot:Tür"));
        QCOMPARE(benannt(Jump, "Oben"), QString("Label:Oben"));
        QCOMPARE(benannt(Print, "TruheOffen"), QString());
        QCOMPARE(Verwendungssuche::gotoZiel(index, " rooms\\KELLER.LSD"),
                 QString("rooms/keller.lsd"));
        QVERIFY(Verwendungssuche::gotoZiel(index, "keller").isNull());
    }

    void eachKindChangesExactlyItsTexts()
    {
        // Per kind: what the rename makes of the two rooms (their files are written from
        // them) and of the other files.
        using Raeume = std::function<void(Module1 & haus, Module1 & keller, OrdnerStand & e)>;
        const auto schluessel = [](OrdnerStand& e, int n) {
            const QString alt = QString("items/Schluessel%1.skp").arg(n);
            e[QString("items/Kiste%1.skp").arg(n)] = e.take(alt).replace("Schluessel", "Kiste");
        };
        const std::vector<std::pair<Umbenennung::Anfrage, Raeume>> faelle = {
            {{NamensArt::Flag, "TruheOffen", "KisteOffen", {}},
             [](Module1& haus, Module1& keller, OrdnerStand& e) {
                 haus.StartSkript.Parameter[0] = "KisteOffen";
                 haus.HotSpots[0].Skripte[1].Parameter[0] = "KisteOffen";
                 haus.HotSpots[1].Skripte[0].Parameter[1] = "KisteOffen";
                 haus.HotSpots[1].Skripte[0].Parameter[2] = "Schach, KisteOffen , 3";
                 keller.StartSkript.Parameter[0] = "KisteOffen";
                 e["rooms/hand.lsd"].replace("TruheOffen", "KisteOffen");
                 e["items/Schluessel0.skp"].replace("TruheOffen", "KisteOffen");
             }},
            {{NamensArt::Gegenstand, "Schluessel.bmp", "Kiste.bmp", {}},
             [&](Module1& haus, Module1& keller, OrdnerStand& e) {
                 haus.HotSpots[0].Skripte[1].Parameter[4] = "Kiste.bmp";
                 keller.StartSkript.Parameter[1] = "Kiste.bmp";
                 e["items/Kiste.bmp"] = e.take("items/Schluessel.bmp");
                 schluessel(e, 0);
                 schluessel(e, 2);
             }},
            // The form each "Goto" was written in stays: folder, ending's letter case.
            {{NamensArt::Raum, "keller.lsd", "gewoelbe.lsd", {}},
             [](Module1& haus, Module1&, OrdnerStand& e) {
                 haus.StartSkript.Parameter[3] = "gewoelbe.lsd";
                 haus.HotSpots[0].Skripte[1].Parameter[2] = "rooms\\gewoelbe.LSD";
                 e["rooms/gewoelbe.lsd"] = e.take("rooms/keller.lsd");
                 e["items/Schluessel0.skp"].replace("keller.lsd", "gewoelbe.lsd");
             }},
            {{NamensArt::Bild, "haus.bmp", "hof.bmp", {}},
             [](Module1& haus, Module1&, OrdnerStand& e) {
                 haus.setHintergrund("graphics\\hof.BMP");
                 haus.HotSpots[1].Skripte[0].Parameter[3] = "hof.bmp";
                 e["graphics/hof.bmp"] = e.take("graphics/Haus.BMP");
             }},
            {{NamensArt::Ton, "musik.mid", "lied.mid", {}},
             [](Module1& haus, Module1&, OrdnerStand& e) {
                 haus.TimerSkript.Parameter[0] = "lied.mid";
                 e["rooms/hand.lsd"].replace("musik.mid", "lied.mid");
                 e["musics/lied.mid"] = e.take("musics/musik.mid");
             }},
        };
        for (const auto& [anfrage, raeume] : faelle) {
            UmbenennSpiel spiel;
            Module1 haus = spiel.haus, keller = spiel.keller;
            OrdnerStand e = ordnerStand(spiel.dir.path());
            raeume(haus, keller, e);
            e["rooms/haus.lsd"] = RoomFile::schreiben(haus);
            if (e.contains("rooms/keller.lsd"))
                e["rooms/keller.lsd"] = RoomFile::schreiben(keller);
            umbenennen(spiel, anfrage, e);
        }
        for (const bool auchImKeller : {false, true}) {
            // An item script's line is renamed only while no other room has the hotspot.
            UmbenennSpiel spiel;
            if (auchImKeller) {
                spiel.keller.HotSpots[0].Name = "Tür";
                spiel.raum("keller.lsd", spiel.keller);
            }
            Module1 haus = spiel.haus;
            haus.HotSpots[0].Name = "Tor";
            haus.HotSpots[0].Skripte[1].Parameter[5] = "Tor";
            haus.HotSpots[0].Skripte[1].Parameter[6] = "Tor, hand.cur";
            OrdnerStand e = ordnerStand(spiel.dir.path());
            e["rooms/haus.lsd"] = RoomFile::schreiben(haus);
            if (!auchImKeller)
                e["items/Schluessel0.skp"].replace(Cp1252::encode("Tür"), "Tor");
            umbenennen(spiel, {NamensArt::HotSpot, "Tür", "Tor", "rooms/haus.lsd"}, e);
        }
    }

    void aRenameThatCannotBeIsRefusedWithItsReason()
    {
        UmbenennSpiel spiel;
        spiel.datei("items/Kiste0.skp", "-1\r\n");
        Module1 kaputt;
        kaputt.StartSkript = skriptAus({{SetFlag, "NurKaputt"}});
        kaputt.neuerHotSpot(0);
        spiel.datei("rooms/kaputt.lsd", RoomFile::schreiben(kaputt).chopped(100));
        const Spielpruefung index = spiel.lesen();
        const auto zugriff = Umbenennung::Spielzugriff::aufPlatte(spiel.dir.path());
        const auto grund = [&](NamensArt art, const QString& alt, const QString& neu,
                               const QString& raum = {}) {
            const Umbenennung::Plan p = Umbenennung::planen(index, zugriff, {art, alt, neu, raum});
            return p.dateien.isEmpty() ? p.fehler : "(Dateien trotz Fehler)";
        };
        const QVector<std::tuple<NamensArt, QString, QString, QString>> faelle = {
            {NamensArt::Flag, "TruheOffen", "HausBesucht", "gibt es schon"},
            {NamensArt::Flag, "TruheOffen", "TRUHEOFFEN", "nur in Groß- und Kleinschreibung"},
            {NamensArt::Flag, "TruheOffen", "Kiste\"Offen", "Anführungszeichen"},
            {NamensArt::Flag, "TruheOffen", "Kiste\nOffen", "Zeilenumbruch"},
            {NamensArt::Flag, "TruheOffen", "Kiste→Offen", "Windows-1252"},
            {NamensArt::Flag, "TruheOffen", "Kiste,Offen", "kein Komma"},
            {NamensArt::Flag, "TruheOffen", " KisteOffen", "Leerzeichen"},
            {NamensArt::Flag, "TruheOffen", "", "leer"},
            {NamensArt::Flag, "GibtsNicht", "KisteOffen", "nirgends verwendet"},
            {NamensArt::Flag, "NurKaputt", "KisteOffen", "kaputt.lsd kann nicht bis zum Ende"},
            {NamensArt::Raum, "keller.lsd", "HAUS.lsd", "Im Ordner rooms gibt es schon"},
            {NamensArt::Raum, "keller.lsd", "Keller.lsd", "dieselbe Datei"},
            {NamensArt::Raum, "keller.lsd", "gewoelbe", "auf \".lsd\" enden"},
            {NamensArt::Raum, "keller.lsd", "a\\b.lsd", "\"\\\""},
            {NamensArt::Raum, "keller.lsd", "lpt1.lsd", "Gerät"},
            {NamensArt::Raum, "keller.lsd", "gewoelbe.lsd.", "Punkt oder Leerzeichen"},
            {NamensArt::Raum, "keller.lsd", "ge?.lsd", "\"?\""},
            {NamensArt::Bild, "haus.bmp", QString(92, 'x') + ".bmp", "länger als 100 Zeichen"},
            {NamensArt::Bild, "haus.bmp", "x.bmp", "\"x.bmp\" wird schon verwendet"},
            {NamensArt::Gegenstand, "Schluessel.bmp", "Kiste.bmp", "gibt es schon \"Kiste0.skp\""},
            {NamensArt::HotSpot, "Tür", "Truhe", "hat schon einen HotSpot"},
            {NamensArt::HotSpot, "Tür", "truhe", "nur in Groß- und Kleinschreibung"},
        };
        for (const auto& [art, alt, neu, erwartet] : faelle) {
            const QString raum = art == NamensArt::HotSpot ? "rooms/haus.lsd" : "";
            const QString g = grund(art, alt, neu, raum);
            QVERIFY2(g.contains(erwartet), qPrintable(alt + " → " + neu + ": " + g));
        }
        QVERIFY(grund(NamensArt::HotSpot, "Tür", "Tor", "rooms/wald.lsd").contains("kennt"));
        // The cellar's start script names a "Tür" the cellar does not have yet.
        QVERIFY(grund(NamensArt::HotSpot, "Treppe", "Tür", "rooms/keller.lsd").contains("nennen"));
        // Two pictures of one item share its scripts.
        spiel.datei("items/Schluessel.gif");
        QVERIFY(spiel.planen({NamensArt::Gegenstand, "Schluessel.bmp", "Tor.bmp", {}})
                    .fehler.contains("gehören auch zu \"Schluessel.gif\""));
    }

    void bothProgramsSearchRenameAndPutBack()
    {
        // Both programs put an interrupted rename back first: their journals lie in the
        // user's data, here a folder of the test's own.
        QTemporaryDir daten;
        qputenv("XDG_DATA_HOME", daten.path().toUtf8());
        UmbenennSpiel spiel;
        const QString ordner = spiel.dir.path();
        const auto laufen = [&](const char* programm, QStringList argumente, int status) {
            return programmAusgabe(programm, argumente << ordner, status);
        };
        const auto check = [&](QStringList a, int s) { return laufen(TARNHOLM_CHECK, a, s); };
        const auto umbenennen = [&](QStringList a, int s) {
            return laufen(TARNHOLM_UMBENENNEN, a, s);
        };
        QCOMPARE(check({"--verwendungen", "raum:KELLER.LSD"}, 0),
                 QString("Raum \"KELLER.LSD\": 3 Verwendungen in 2 Dateien\n"
                         "rooms/haus.lsd\n"
                         "  Startskript, Zeile 4:    Goto keller.lsd\n"
                         "  HotSpot \"Tür\", Tue, Zeile 3:    Goto rooms\\KELLER.LSD\n"
                         "items/Schluessel0.skp\n"
                         "  Zeile 4:    Goto keller.lsd\n"));
        QCOMPARE(check({"--format=gcc", "--verwendungen=hotspot:haus.lsd:Tür"}, 0).split('\n')[2],
                 QString("rooms/haus.lsd:40: HotSpot \"Tür\": Name Tür"));
        QCOMPARE(check({"--verwendungen", "label:keller.lsd:Treppe/2:Oben"}, 0).count("Oben"), 3);
        QVERIFY(check({"--verwendungen", "label:keller.lsd:Treppe/Sieh an!:Oben"}, 1)
                    .startsWith("Label \"Oben\": 0 Verwendungen in 0 Dateien"));
        QVERIFY(
            check({"--verwendungen", "label:keller.lsd:Tür/Tue:Oben"}, 2).contains("kein Skript"));
        QVERIFY(check({"--verwendungen", "farbe:rot"}, 2).contains("ART:NAME"));
        QVERIFY(check({"--verwendungen", "flag:x", "--streng"}, 2).contains("Unbekannter Aufruf"));

        const OrdnerStand vorher = ordnerStand(ordner);
        QVERIFY(umbenennen({"--probe", "flag", "TruheOffen", "KisteOffen"}, 0)
                    .endsWith("4 Dateien, 8 Zeilen.\n"));
        QVERIFY(umbenennen({"flag", "TruheOffen", "HausBesucht"}, 1).contains("gibt es schon"));
        QVERIFY(umbenennen({"label", "Oben", "Unten"}, 2).contains("Unbekannter Aufruf"));
        QVERIFY(umbenennen({"hotspot", "wald.lsd:Tür", "Tor"}, 2).contains("RAUMDATEI:NAME"));
        QCOMPARE(ordnerStand(ordner), vorher);
        QVERIFY(umbenennen({"hotspot", "haus.lsd:Tür", "Tor"}, 0)
                    .endsWith(
                        "Umbenannt: HotSpot \"Tür\" in rooms/haus.lsd in \"Tor\" (2 Dateien).\n"));
        QVERIFY(check({"--verwendungen", "hotspot:haus.lsd:Tür"}, 1).contains("0 Verwendungen"));
        QVERIFY(umbenennen({"--rueckgaengig"}, 0).startsWith("Zurückgenommen"));
        QCOMPARE(ordnerStand(ordner), vorher);
        QVERIFY(umbenennen({"--rueckgaengig"}, 1).contains("keine Umbenennung"));
        QVERIFY(umbenennen({"--help"}, 0).contains("Aufruf: tarnholm-umbenennen"));

        // A rename cut short: the next program puts it back before it reads anything.
        for (const char* programm : {TARNHOLM_CHECK, TARNHOLM_UMBENENNEN}) {
            QVERIFY(spiel.unterbrochenUmbenennen());
            QVERIFY(ordnerStand(ordner) != vorher);
            const bool pruefen = programm == QByteArray(TARNHOLM_CHECK);
            const QString text =
                laufen(programm,
                       pruefen ? QStringList{"--verwendungen", "raum:haus.lsd"}
                               : QStringList{"--probe", "raum", "haus.lsd", "hof2.lsd"},
                       0);
            QVERIFY2(text.contains("wurde unterbrochen und ist zurückgenommen"), qPrintable(text));
            QCOMPARE(ordnerStand(ordner), vorher);
        }
    }

    // A text is found where Qt finds it letter case aside, also for letters whose folding
    // is not the ASCII one ("ß", "Ÿ"/"ÿ", "µ", the long s, the Kelvin sign).
    void textIsFoundAsQtFindsItLetterCaseAside()
    {
        const QString zeichen = QStringLiteral("aAkKsSßäÄÿŸšŠµ x");
        const QString nurGesucht = QStringLiteral("ſ\u212Aı");
        QRandomGenerator zufall(18);
        const auto wort = [&](const QString& aus, int laenge) {
            QString w;
            for (int i = 0; i < laenge; ++i)
                w += aus[zufall.bounded(int(aus.size()))];
            return w;
        };
        Skript s;
        s.Befehl.clear();
        s.Parameter.clear();
        for (int i = 0; i < 60; ++i) {
            s.Befehl << Print;
            s.Parameter << wort(zeichen, zufall.bounded(12));
        }
        s.MaxZeile = int(s.Befehl.size()) - 1;
        const QByteArray bytes = ItemSkript::schreiben(s);
        const auto datei = SpielDatei::itemSkriptLesen(QStringLiteral("items/a0.skp"), &bytes);
        for (int n = 0; n < 3000; ++n) {
            const QString nadel = wort(zeichen + nurGesucht, 1 + zufall.bounded(3));
            QVector<qint32> erwartet, gefunden;
            for (qint32 i = 0; i <= s.MaxZeile; ++i)
                if (s.Parameter[i].contains(nadel, Qt::CaseInsensitive))
                    erwartet << i;
            for (const auto& v : Verwendungssuche::suchen(*datei, {NamensArt::Text, nadel, {}, -1}))
                gefunden << v.stelle.zeile;
            QVERIFY2(gefunden == erwartet, qPrintable(nadel));
        }
    }

    void aLabelIsRenamedInTheScriptInMemory()
    {
        const Skript s =
            skriptAus({{Label, "Oben"}, {Jump, "Oben"}, {Jump, "oben "}, {Label, "X"}});
        const Umbenennung::MarkenPlan p = Umbenennung::markeUmbenennen(s, "Oben", "Anfang");
        QVERIFY2(p.fehler.isEmpty(), qPrintable(p.fehler));
        QCOMPARE(p.zeilen, QVector<qint32>({0, 1}));
        QCOMPARE(p.skript,
                 skriptAus({{Label, "Anfang"}, {Jump, "Anfang"}, {Jump, "oben "}, {Label, "X"}}));
        QVERIFY(Umbenennung::markeUmbenennen(s, "Oben", "X").fehler.contains("gibt es"));
        QVERIFY(Umbenennung::markeUmbenennen(s, "X", "OBEN").fehler.contains("Kleinschreibung"));
        QVERIFY(Umbenennung::markeUmbenennen(s, "Y", "Z").fehler.contains("nicht vor"));
    }
};

QTEST_APPLESS_MAIN(TestUmbenennen)
#include "tst_umbenennen.moc"
