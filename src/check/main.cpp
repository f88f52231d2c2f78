// tarnholm-check: the game-folder checker without a window, for scripts and release checks.
// It changes nothing, but puts back a rename that was interrupted before it reads the game.

#include "app/Spielordner.h"
#include "check/Befund.h"
#include "check/Bericht.h"
#include "check/Karte.h"
#include "check/NamensAngabe.h"
#include "git/GitKonflikte.h"
#include "git/GitProgramm.h"
#include "model/Module1.h"
#include "raetsel/Erreichbarkeit.h"
#include "raetsel/RaetselKarte.h"
#include "raetsel/Raetselplan.h"
#include "roomfile/Schreibreste.h"
#include "spiel/SpielLeser.h"
#include "spiel/Spielpruefung.h"
#include "umbenennen/Umbenenner.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>
#include <QtConcurrent/QtConcurrentRun>
#include <optional>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

const QString hilfe = QStringLiteral(
    "Aufruf: tarnholm-check [--] [Spielordner]\n"
    "        tarnholm-check [--format=gcc] [--streng] [--karte DATEI] [--raetselplan DATEI]\n"
    "                       [--start RAUM] [--ziel ART:NAME]... [--] [Spielordner]\n"
    "        tarnholm-check --verwendungen ART:NAME [--format=gcc] [--] [Spielordner]\n"
    "\n"
    "Prüft einen Spielordner von Tarnholm, ohne etwas zu ändern oder zu löschen. Ohne Angabe\n"
    "wird der Ordner geprüft, in dem tarnholm-check liegt, wenn er ein Spielordner ist, sonst\n"
    "der aktuelle Ordner. Ein Spielordner ist ein Ordner mit dem Unterordner \"rooms\". Was\n"
    "nach \"--\" steht, ist der Spielordner, auch wenn sein Name mit \"-\" beginnt.\n"
    "\n"
    "Ausgegeben werden, in Gruppen und mit einem Pfad je Zeile:\n"
    "  - die Bilder und Klänge, die kein Raum und kein Gegenstandsskript benutzt (genau die,\n"
    "    die \"Start\" im Editor auswählt),\n"
    "  - die Raumdateien und Gegenstandsskripte, die nicht bis zum Ende gelesen werden können;\n"
    "    \"Zeile\" ist hier die Zeile der Datei, bei der das Lesen abbricht, von 1 an gezählt,\n"
    "  - die Verweise auf Dateien, die es nicht gibt, mit Datei, Skript und Zeile; \"Zeile\"\n"
    "    ist hier die Zeile im Skript, nicht in der Datei, von 1 an gezählt. Ein HotSpot heißt\n"
    "    mit seinem Namen oder, wenn der nicht mehr gelesen werden konnte, \"HotSpot Nr. n\":\n"
    "    der n-te HotSpot des Raums, von 1 an gezählt.\n"
    "Danach folgen, nur wenn es sie gibt:\n"
    "  - \"Fehler in Skripten\": Blöcke (\"Else\" oder \"EndIf\" ohne offenes \"IF\", \"Case\"\n"
    "    oder \"EndSelect\" außerhalb von \"SelectCase\", ein Block, der offen bleibt, ein\n"
    "    zweites \"Else\"), \"Jump\" zu einer Marke, die das Skript nicht hat, eine Marke, die\n"
    "    zweimal vorkommt, HotSpots, die der Raum nicht hat, und Parameter, die der Befehl nicht\n"
    "    nehmen kann; mit Datei, Skript, Zeile im Skript und der Zeile, wie der Skripteditor sie\n"
    "    zeigt. Skripte einer Datei, die nicht bis zum Ende gelesen werden kann, werden nicht\n"
    "    einzeln geprüft,\n"
    "  - \"Hinweise\": Flags, die abgefragt oder gelöscht, aber nirgends gesetzt werden, und\n"
    "    solche, die gesetzt, aber nirgends abgefragt werden (\"Spiel vom Spiel spielen\n"
    "    spielen\" setzt sein Flag); Gegenstände, die verlangt oder entfernt, aber nirgends mit\n"
    "    \"Add\" gegeben werden; Räume, in die kein \"Goto\" aus einem anderen Raum oder einem\n"
    "    Gegenstandsskript führt (außer dem gewählten Startraum). Jeder mit allen Stellen,\n"
    "  - \"Kann im Spiel nie geschehen\": was vom Startraum aus in keiner Reihenfolge des\n"
    "    Spielens geschehen kann, mit dem Grund: Skripte, Zweige und Zeilen, die nie laufen\n"
    "    (ein HotSpot, der inaktiv ist und nirgends aktiviert wird, wo das Spiel hinkommt, ein\n"
    "    Flag, das nirgends gesetzt wird, ein Gegenstand, der nirgends gegeben wird, ein Raum,\n"
    "    der nie betreten wird, Zeilen nach einem \"Jump\" ohne Bedingung), Skripte von\n"
    "    Aktionen, die nicht angeboten werden, und Ziele, die nie erreicht werden, mit dem\n"
    "    ersten fehlenden Glied. \"Goto\" und alle anderen Befehle lassen ein Skript\n"
    "    weiterlaufen; \"DelFlag\", \"Remove\" und \"HSdeaktivieren\" werden nicht beachtet.\n"
    "    Startraum, Ziele und Besitz zu Beginn stehen in der Datei raetselplan.txt des\n"
    "    Spielordners, eine Angabe je Zeile: \"start: wald.lsd\", \"ziel: raum:keller.lsd\",\n"
    "    \"besitz: gegenstand:Laterne.bmp\". Ohne Startraum beginnt das Spiel in den Räumen,\n"
    "    in die kein \"Goto\" führt, und wenn es keinen gibt, in jedem Raum.\n"
    "\n"
    "Flags, Gegenstände, Marken und HotSpots werden genau verglichen, wie das Spiel Texte\n"
    "vergleicht: \"Schluessel\", \"schluessel\" und \"Schluessel \" sind drei verschiedene\n"
    "Namen. Unterscheidet sich ein Name nur darin von einem anderen, sagt der Hinweis, welche\n"
    "Schreibweise es gibt; ist ein Flag oder Gegenstand (ab vier Buchstaben) nur einen\n"
    "Tippfehler von einem anderen entfernt, fragt er \"meinten Sie ...?\". Räume werden wie\n"
    "Dateien gefunden: ohne Leerzeichen davor und danach, ohne Ordner und ohne auf Groß- und\n"
    "Kleinschreibung zu achten.\n"
    "\n"
    "Optionen:\n"
    "  --format=gcc   eine Zeile je Befund in der Form von Compilern, \"Datei:Zeile: Art: Text\",\n"
    "                 mit der Zeile der Datei (von 1 an): \"Fehler\" zählt für den\n"
    "                 Rückgabewert, \"Warnung\" ist ein Hinweis (eine Zeile je Stelle),\n"
    "                 \"Hinweis\" ein unbenutztes Bild oder ein unbenutzter Klang.\n"
    "                 --format=text ist die Vorgabe.\n"
    "  --streng       auch Hinweise und was nie geschehen kann ergeben den Rückgabewert 1.\n"
    "  --start RAUM   beginnt das Spiel in RAUM statt im Startraum aus raetselplan.txt.\n"
    "  --ziel ART:NAME\n"
    "                 ein Ziel statt der Ziele aus raetselplan.txt, mehrmals möglich; ART ist\n"
    "                 flag, gegenstand oder raum. Ein Ziel, das nie erreicht wird, ist ein\n"
    "                 Fehler.\n"
    "  --karte DATEI  schreibt die Räume und ihre \"Goto\"-Verbindungen als Graph: .dot als\n"
    "                 Graphviz-Quelltext, .svg und .png gezeichnet mit \"dot\" von Graphviz.\n"
    "  --raetselplan DATEI\n"
    "                 schreibt den Rätselplan: jede Aktion, die Flags, Gegenstände, Räume\n"
    "                 oder HotSpots braucht oder gibt, von links nach rechts vom Start zu den\n"
    "                 Zielen; fett der Weg zum Ziel, rot, was nie geschehen kann. Endungen\n"
    "                 wie bei --karte.\n"
    "  --verwendungen ART:NAME\n"
    "                 statt des Berichts jede Stelle, die den Namen verwendet, nach Dateien\n"
    "                 geordnet, mit Skript, Zeile und der Zeile, wie der Skripteditor sie zeigt;\n"
    "                 mit --format=gcc als \"Datei:Zeile: ...\". ART ist flag, gegenstand\n"
    "                 (die Bilddatei in \"items\"), raum (die Raumdatei), bild, ton (Klänge,\n"
    "                 Musik und Filme) oder text (jeder Parameter, der NAME enthält, ohne auf\n"
    "                 Groß- und Kleinschreibung zu achten); ein HotSpot als\n"
    "                 hotspot:RAUMDATEI:NAME, eine Marke als label:DATEI:SKRIPT:NAME mit\n"
    "                 SKRIPT Startskript, Timerskript, HOTSPOT/AKTION (AKTION \"Sieh an!\",\n"
    "                 Tue, Interagiere oder 1 bis 3) oder leer für jedes Skript der Datei.\n"
    "                 Rückgabewert 0, wenn es Stellen gibt, sonst 1.\n"
    "\n"
    "Wurde eine Umbenennung (im Editor oder mit tarnholm-umbenennen) unterbrochen, nimmt\n"
    "tarnholm-check sie zurück, bevor es das Spiel liest, und sagt es.\n"
    "\n"
    "Rückgabewert: 0, wenn nichts fehlt, alles gelesen werden kann, kein Skript einen Fehler\n"
    "hat und jedes Ziel erreicht werden kann, sonst 1; 2, wenn der Ordner kein Spielordner ist,\n"
    "der Aufruf nicht stimmt, die Karte oder der Rätselplan nicht geschrieben werden kann oder\n"
    "eine unterbrochene Umbenennung nicht zurückgenommen werden kann.\n");

} // namespace

int main(int argc, char* argv[])
{
#ifdef __GLIBC__
    // The game read is held to the end of the process: its memory is taken from the kernel
    // in large steps and never given back, which spares a large game thousands of calls.
    mallopt(M_TRIM_THRESHOLD, 512 << 20);
    mallopt(M_TOP_PAD, 64 << 20);
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
#endif
    QCoreApplication app(argc, argv);
    QTextStream aus(stdout);
    QTextStream fehler(stderr);
    bool hilfeGewuenscht = false;
    bool unbekannt = false;
    bool optionenZuEnde = false;
    bool gcc = false;
    bool streng = false;
    std::optional<QString> karte;
    std::optional<QString> raetselplan;
    std::optional<QString> verwendungen;
    QStringList starts;
    QVector<Raetselplan::Name> ziele;
    bool zielFalsch = false;
    QStringList angaben;
    const QStringList argumente = app.arguments().mid(1);
    for (qsizetype i = 0; i < argumente.size(); ++i) {
        const QString& argument = argumente[i];
        if (optionenZuEnde)
            angaben << argument;
        else if (argument == QStringLiteral("--"))
            optionenZuEnde = true;
        else if (argument == QStringLiteral("--help") || argument == QStringLiteral("-h"))
            hilfeGewuenscht = true;
        else if (argument == QStringLiteral("--format=gcc") ||
                 argument == QStringLiteral("--format=text"))
            gcc = argument.endsWith(QStringLiteral("gcc"));
        else if (argument == QStringLiteral("--streng"))
            streng = true;
        else if (argument.startsWith(QStringLiteral("--karte=")))
            karte = argument.mid(8);
        else if (argument == QStringLiteral("--karte") && i + 1 < argumente.size())
            karte = argumente[++i];
        else if (argument.startsWith(QStringLiteral("--raetselplan=")))
            raetselplan = argument.mid(14);
        else if (argument == QStringLiteral("--raetselplan") && i + 1 < argumente.size())
            raetselplan = argumente[++i];
        else if (argument.startsWith(QStringLiteral("--verwendungen=")))
            verwendungen = argument.section(QLatin1Char('='), 1);
        else if (argument == QStringLiteral("--verwendungen") && i + 1 < argumente.size())
            verwendungen = argumente[++i];
        else if (argument == QStringLiteral("--start") && i + 1 < argumente.size())
            starts << argumente[++i];
        else if (argument.startsWith(QStringLiteral("--start=")))
            starts << argument.mid(8);
        else if ((argument == QStringLiteral("--ziel") && i + 1 < argumente.size()) ||
                 argument.startsWith(QStringLiteral("--ziel="))) {
            const QString wert =
                argument.contains(QLatin1Char('=')) ? argument.mid(7) : argumente[++i];
            const std::optional<Raetselplan::Name> ziel = Raetselplan::Name::lesen(wert);
            if (ziel)
                ziele << *ziel;
            else
                zielFalsch = true;
        } else if (argument.startsWith(QLatin1Char('-')))
            unbekannt = true;
        else
            angaben << argument;
    }

    if (hilfeGewuenscht) {
        aus << hilfe;
        return 0;
    }
    if (unbekannt || angaben.size() > 1 || (karte && karte->isEmpty()) || (karte && verwendungen) ||
        (raetselplan && (raetselplan->isEmpty() || verwendungen)) || (verwendungen && streng) ||
        zielFalsch) {
        fehler << QStringLiteral("tarnholm-check: Unbekannter Aufruf. Hilfe: tarnholm-check "
                                 "--help\n");
        return 2;
    }
    if (karte && !Karte::bekannteEndung(*karte)) {
        fehler << QStringLiteral("tarnholm-check: Die Karte wird als .dot, .svg oder .png "
                                 "geschrieben, nicht als %1.\n")
                      .arg(QDir::toNativeSeparators(*karte));
        return 2;
    }
    if (raetselplan && !Karte::bekannteEndung(*raetselplan)) {
        fehler << QStringLiteral("tarnholm-check: Der Rätselplan wird als .dot, .svg oder .png "
                                 "geschrieben, nicht als %1.\n")
                      .arg(QDir::toNativeSeparators(*raetselplan));
        return 2;
    }
    const Spielordner::Wahl wahl =
        Spielordner::fuerProgramm(angaben.value(0), QCoreApplication::applicationDirPath(),
                                  QDir::currentPath(), QStringLiteral("tarnholm-check"));
    if (wahl.art != Spielordner::Wahl::Art::Gefunden) {
        fehler << QStringLiteral("tarnholm-check: ") << wahl.fehler << QLatin1Char('\n');
        return 2;
    }
    const QString& ordner = wahl.ordner;

    // A rename cut short leaves the game half renamed: it is put back before anything is read.
    const Umbenenner::Ergebnis zurueck =
        Umbenenner(ordner, Umbenenner::journalOrdner(ordner)).aufraeumen();
    if (!zurueck.text.isEmpty())
        fehler << QStringLiteral("tarnholm-check: ") << zurueck.text << QLatin1Char('\n');
    if (!zurueck.ok())
        return 2;
    // So does what a save killed midway left beside its file.
    if (const QString reste = Schreibreste::aufraeumen(ordner).text; !reste.isEmpty())
        fehler << QStringLiteral("tarnholm-check: ") << reste << QLatin1Char('\n');

    Module1 m;
    m.setzeOrdner(ordner);
    if (verwendungen) {
        const Spielpruefung spiel = SpielLeser::spielLesen(m);
        QString grund;
        const std::optional<Verwendungssuche::Anfrage> anfrage =
            NamensAngabe::lesen(spiel, *verwendungen, grund);
        if (!anfrage) {
            fehler << QStringLiteral("tarnholm-check: ") << grund << QLatin1Char('\n');
            return 2;
        }
        const auto stellen = Verwendungssuche::suchen(spiel, *anfrage);
        aus << NamensAngabe::text(*anfrage, stellen, gcc);
        return stellen.isEmpty() ? 1 : 0;
    }
    // The plan of the game folder, with what the command line says in its place.
    const Raetselplan::Gelesen planGelesen = Raetselplan::ausOrdner(m.AppPfad);
    if (!planGelesen.fehler.isEmpty())
        fehler << QStringLiteral("tarnholm-check: ") << Raetselplan::dateiName()
               << (planGelesen.zeile > 0 ? QStringLiteral(", Zeile %1").arg(planGelesen.zeile)
                                         : QString())
               << QStringLiteral(": ") << planGelesen.fehler
               << QStringLiteral("; die Datei wird nicht beachtet.\n");
    Raetselplan plan = planGelesen.plan;
    if (!starts.isEmpty())
        plan.start = starts;
    if (!ziele.isEmpty())
        plan.ziele = ziele;

    // What the report is made of is left to the end of the process, on purpose: giving a
    // whole game back piece by piece takes longer than writing its report.
    struct Stand
    {
        Spielpruefung spiel;
        QVector<SkriptFehler> skriptFehler;
        QVector<SpielHinweis> hinweise;
        Erreichbarkeit ablauf;
        QString skriptTeil;
        Befund befund;
    };
    static Stand* const stand = new Stand;
    Spielpruefung& spiel = stand->spiel;
    QVector<SkriptFehler>& skriptFehler = stand->skriptFehler;
    QVector<SpielHinweis>& hinweise = stand->hinweise;
    QString& skriptTeil = stand->skriptTeil;
    // git's index is asked for conflicts while the game is read.
    QFuture<QStringList> konflikte = QtConcurrent::run([&ordner] {
        GitProgramm git;
        return GitKonflikte::spielDateien(GitKonflikte::dateien(git, ordner));
    });
    // What can never happen, the longest part, is found on a core of its own; the files'
    // part, the faults and the hints one after the other on the other one. Three threads
    // on two cores left the analysis a third of its core.
    QString nieTeil;
    Befund& befund = stand->befund = ordnerPruefen(
        m, &spiel,
        [&](const Spielpruefung& gelesen) {
            stand->ablauf = Erreichbarkeit::berechnen(gelesen, plan);
            nieTeil = gcc ? Bericht::gccNieText(stand->ablauf) : Bericht::nieText(stand->ablauf);
        },
        [&](const Spielpruefung& gelesen) {
            skriptFehler = gelesen.fehler();
            hinweise = gelesen.hinweise(plan.start);
            skriptTeil = gcc ? Bericht::gccText({}, skriptFehler, hinweise)
                             : Bericht::skriptText(skriptFehler, hinweise);
        });
    skriptTeil += nieTeil;
    befund.konflikte = konflikte.result();
    aus << (gcc ? Bericht::gccText(befund, {}, {}) : befundText(befund)) << skriptTeil;
    aus.flush();

    if (karte) {
        const QString grund =
            Karte::schreiben(*karte, Karte::dot(spiel.raeume(), spiel.verbindungen()));
        if (!grund.isEmpty()) {
            fehler << QStringLiteral("tarnholm-check: ") << grund << QLatin1Char('\n');
            return 2;
        }
    }
    if (raetselplan) {
        const QString grund =
            Karte::schreiben(*raetselplan, RaetselKarte::bauen(spiel, stand->ablauf, plan).dot(),
                             {QStringLiteral("Der Rätselplan"), QStringLiteral("den Rätselplan")});
        if (!grund.isEmpty()) {
            fehler << QStringLiteral("tarnholm-check: ") << grund << QLatin1Char('\n');
            return 2;
        }
    }
    const Erreichbarkeit& ablauf = stand->ablauf;
    const bool gut = befund.inOrdnung() && skriptFehler.isEmpty() && ablauf.fehlendeZiele() == 0 &&
                     ablauf.unbekannteStarts.isEmpty() &&
                     (!streng || (hinweise.isEmpty() && ablauf.nie.isEmpty()));
    return gut ? 0 : 1;
}
