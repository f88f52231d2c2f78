// tarnholm-umbenennen: renames a flag, item, room, picture, sound or hotspot across a game, all
// or nothing, as the editor's "Umbenennen…" does; and takes the last rename back.

#include "app/Spielordner.h"
#include "check/NamensAngabe.h"
#include "model/Module1.h"
#include "roomfile/Schreibreste.h"
#include "spiel/SpielLeser.h"
#include "spiel/Spielpruefung.h"
#include "umbenennen/Umbenenner.h"
#include "umbenennen/Umbenennung.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

namespace {

const QString hilfe = QStringLiteral(
    "Aufruf: tarnholm-umbenennen [--probe] [--] ART ALT NEU [Spielordner]\n"
    "        tarnholm-umbenennen --rueckgaengig [--] [Spielordner]\n"
    "\n"
    "Benennt in einem Spielordner von Tarnholm einen Namen überall um, wo Räume und\n"
    "Gegenstandsskripte ihn verwenden, wie \"Umbenennen…\" im Editor: jede Datei oder keine.\n"
    "Ohne Angabe ist es der Ordner, in dem tarnholm-umbenennen liegt, wenn er ein Spielordner\n"
    "ist, sonst der aktuelle Ordner. ART ist\n"
    "  flag        jedes \"IF\", \"SetFlag\", \"DelFlag\" und das Flag in \"Spiel vom Spiel\n"
    "              spielen spielen\",\n"
    "  gegenstand  das Bild in \"items\" (ALT und NEU mit Endung), seine drei Skriptdateien\n"
    "              und jedes \"Add\", \"Remove\", \"IfItem\",\n"
    "  raum        die Raumdatei (mit \".lsd\") und jedes \"Goto\", das zu ihr führt,\n"
    "  bild        die Datei in \"graphics\", jedes \"LoadPic\" und jeder Hintergrund,\n"
    "  ton         die Datei in \"sounds\", \"musics\" oder \"movies\" und jedes \"PlayWav\",\n"
    "              \"PlayMusic\", \"PlayAvi\",\n"
    "  hotspot     ALT als RAUMDATEI:NAME: der Name des HotSpots und jedes \"HSaktivieren\",\n"
    "              \"HSdeaktivieren\", \"ChangeMouse\" seines Raums, auch in den\n"
    "              Gegenstandsskripten, solange kein anderer Raum einen HotSpot dieses\n"
    "              Namens hat.\n"
    "Flags, Gegenstände und HotSpots werden genau verglichen, Dateien ohne Ordner und ohne auf\n"
    "Groß- und Kleinschreibung zu achten, wie tarnholm-check sie findet. Eine Datei behält die\n"
    "Form, in der sie genannt ist: ihren Ordner, die Schreibweise ihrer Endung, einen\n"
    "Hintergrund mit 100 Zeichen. Sonst bleibt jedes Byte jeder Datei, wie es ist.\n"
    "\n"
    "Abgelehnt wird, ohne etwas zu ändern, ein neuer Name, den es schon gibt, der sich von einem\n"
    "verwendeten nur in Groß- und Kleinschreibung oder Leerzeichen unterscheidet, der nicht\n"
    "gespeichert werden kann (Anführungszeichen, Zeilenumbruch, Zeichen außerhalb von\n"
    "Windows-1252; bei Dateien auch Ordner, <>:\"/\\|?*, CON, NUL und die anderen Gerätenamen\n"
    "von Windows, Punkt oder Leerzeichen am Ende, eine andere Endung), ein alter Name, den\n"
    "nichts verwendet, und eine Datei, die sich ändern würde, aber nicht bis zum Ende gelesen\n"
    "werden kann.\n"
    "\n"
    "Vor der ersten Änderung schreibt tarnholm-umbenennen ein Journal mit Kopien neben die\n"
    "Wiederherstellungskopien des Editors. Schlägt etwas fehl, ist danach jede Datei wieder\n"
    "wie vorher. Wird es abgebrochen, nimmt der nächste Start des Editors, von tarnholm-check\n"
    "oder tarnholm-umbenennen die halbe Umbenennung zurück.\n"
    "\n"
    "Optionen:\n"
    "  --probe         zeigt jede Datei und Zeile, die sich ändern würde, und ändert nichts.\n"
    "  --rueckgaengig  nimmt die letzte Umbenennung zurück: Jede Datei bekommt genau ihren\n"
    "                  alten Inhalt und Namen, wenn keine seither geändert wurde.\n"
    "\n"
    "Rückgabewert: 0, wenn umbenannt (oder mit --probe geplant) ist; 1, wenn es abgelehnt\n"
    "wird; 2, wenn es fehlschlägt und zurückgenommen ist, oder nicht ausgeführt werden kann\n"
    "(kein Spielordner, falscher Aufruf).\n");

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream aus(stdout);
    QTextStream fehler(stderr);
    const auto melden = [&fehler](const QString& text) {
        fehler << QStringLiteral("tarnholm-umbenennen: ") << text << QLatin1Char('\n');
    };
    bool probe = false, rueckgaengig = false, unbekannt = false, optionenZuEnde = false;
    QStringList angaben;
    for (const QString& argument : app.arguments().mid(1)) {
        if (optionenZuEnde)
            angaben << argument;
        else if (argument == QStringLiteral("--"))
            optionenZuEnde = true;
        else if (argument == QStringLiteral("--help") || argument == QStringLiteral("-h")) {
            aus << hilfe;
            return 0;
        } else if (argument == QStringLiteral("--probe"))
            probe = true;
        else if (argument == QStringLiteral("--rueckgaengig"))
            rueckgaengig = true;
        else if (argument.startsWith(QLatin1Char('-')))
            unbekannt = true;
        else
            angaben << argument;
    }
    const int noetig = rueckgaengig ? 0 : 3;
    std::optional<NamensArt> art;
    if (!rueckgaengig && !angaben.isEmpty())
        art = Verwendungssuche::artAusWort(angaben[0]);
    if (unbekannt || (rueckgaengig && probe) || angaben.size() < noetig ||
        angaben.size() > noetig + 1 ||
        (!rueckgaengig && (!art || *art == NamensArt::Label || *art == NamensArt::Text))) {
        melden(QStringLiteral("Unbekannter Aufruf. Hilfe: tarnholm-umbenennen --help"));
        return 2;
    }
    const Spielordner::Wahl wahl =
        Spielordner::fuerProgramm(angaben.size() > noetig ? angaben.last() : QString(),
                                  QCoreApplication::applicationDirPath(), QDir::currentPath(),
                                  QStringLiteral("tarnholm-umbenennen"));
    if (wahl.art != Spielordner::Wahl::Art::Gefunden) {
        melden(wahl.fehler);
        return 2;
    }
    const QString& ordner = wahl.ordner;

    Umbenenner umbenenner(ordner, Umbenenner::journalOrdner(ordner));
    const Umbenenner::Ergebnis zurueck = umbenenner.aufraeumen();
    if (!zurueck.text.isEmpty())
        melden(zurueck.text);
    if (!zurueck.ok())
        return 2;
    if (const QString reste = Schreibreste::aufraeumen(ordner).text; !reste.isEmpty())
        melden(reste);
    const auto ende = [&](const Umbenenner::Ergebnis& e) {
        switch (e.art) {
        case Umbenenner::Ergebnis::Art::Nichts:
        case Umbenenner::Ergebnis::Art::Erledigt:
            aus << e.text << QLatin1Char('\n');
            return 0;
        case Umbenenner::Ergebnis::Art::Abgelehnt:
            melden(e.text);
            return 1;
        case Umbenenner::Ergebnis::Art::Fehlgeschlagen:
            break;
        }
        melden(e.text);
        return 2;
    };
    if (rueckgaengig)
        return ende(umbenenner.rueckgaengig());

    Module1 m;
    m.setzeOrdner(ordner);
    const Spielpruefung spiel = SpielLeser::spielLesen(m);
    Umbenennung::Anfrage anfrage{*art, angaben[1], angaben[2], {}};
    if (*art == NamensArt::HotSpot) {
        const qsizetype doppelpunkt = anfrage.alt.indexOf(QLatin1Char(':'));
        anfrage.raum =
            doppelpunkt < 0 ? QString() : NamensAngabe::datei(spiel, anfrage.alt.left(doppelpunkt));
        if (anfrage.raum.isNull()) {
            melden(QStringLiteral("Ein HotSpot wird als RAUMDATEI:NAME angegeben, mit einer "
                                  "Raumdatei des Spiels."));
            return 2;
        }
        anfrage.alt = anfrage.alt.mid(doppelpunkt + 1);
    }
    const Umbenennung::Plan plan =
        Umbenennung::planen(spiel, Umbenennung::Spielzugriff::aufPlatte(ordner), anfrage);
    if (!plan.moeglich()) {
        melden(plan.fehler);
        return 1;
    }
    aus << Umbenennung::vorschauText(plan);
    aus.flush();
    if (probe)
        return 0;
    return ende(umbenenner.ausfuehren(plan));
}
