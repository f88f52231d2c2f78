// Every script of the game as the analysis of what can ever happen reads it: what lets each
// run, what each line needs or gives, every name numbered once.
#pragma once

#include "Erreichbarkeit.h"
#include "Namensnummern.h"
#include "Nummernlisten.h"
#include "Skriptbloecke.h"

#include <vector>

/// The game's scripts read once for the fixpoint: each script with what lets it run, each
/// line's effect on what is known by number, and for each name the scripts that wait for it
/// and the lines that give it. Every name is numbered once here, so that the fixpoint works
/// on vectors: a thousand rooms' scripts run through it many times.
class Skripttafel
{
public:
    enum class Tor
    {
        Raum,
        HotSpot,
        Gegenstand
    };

    /// A script of the game and what lets it run.
    struct Eintrag
    {
        const SpielDatei* d;
        int j;
        Tor tor;
        const SpielDatei::Fleck* fleck = nullptr;
        int aktion = -1;
        /// The room it lies in (Raum, HotSpot), the hotspot's key (HotSpot) and the item as
        /// compared (Gegenstand), by number.
        int raum = -1, hotSpot = -1, stamm = -1;
        /// Runs whole when it runs: unbalanced, or its file not read whole.
        bool ganz = false;
        /// Its blocks (-1: none; its lines run one after the other).
        int bloecke = -1;
        /// Where its lines start in the tables of all lines.
        qsizetype anfang = 0;

        const Skript& skript() const { return d->skripte[j].skript; }
    };

    /// A line that gives a name.
    struct Geber
    {
        int eintrag;
        qint32 zeile;
    };

    /// The lines that give one name, in the order of the game.
    struct Geberliste
    {
        const Geber* von = nullptr;
        const Geber* bis = nullptr;
        const Geber* begin() const { return von; }
        const Geber* end() const { return bis; }
    };

    /// What a line does to what is known, or needs of it.
    enum Wirkung : quint8
    {
        Nichts,
        BrauchtFlag,
        BrauchtGegenstand,
        SetztFlag,
        GibtGegenstand,
        Aktiviert,
        Betritt
    };

    explicit Skripttafel(const Spielpruefung& spiel);

    /// How its blocks nest; null for a script without blocks.
    const Skriptbloecke* bloeckeVon(const Eintrag& en) const;
    /// The room a "Goto" names, -1 when there is none; `gotoNummer` remembers each.
    int raumNummer(const QString& parameter) const;
    int gotoNummer(const QString& parameter);
    /// The room file a "Goto" names; null when there is none.
    QString raumDurchGoto(const QString& parameter) const;
    /// The lines that would give the name: set the flag, give the item, activate the hotspot
    /// (any spelling of its key), lead into the room (its file).
    Geberliste geberVon(NieGrund::Art art, const QString& name) const;
    /// The first item an "Add" gives that is compared as the item script's; null when none.
    QString gegebenAls(const Eintrag& en) const;

    /// An item as compared: its picture without the extension, case folded.
    static QString stammVon(const QString& bild);

    QVector<std::shared_ptr<const SpielDatei>> dateien;
    std::vector<Eintrag> alle;
    std::vector<Skriptbloecke> bloecke;

    // The names by number: flags and items as written, hotspots and items as compared.
    Namensnummern flags, gegenstaende, hotSpots, staemme;
    /// Each item's number as compared.
    std::vector<int> stammVonGegenstand;

    // Each line of every script, by `Eintrag::anfang` + line.
    std::vector<Wirkung> wirkung;
    std::vector<int> nummer;

    /// The scripts that wait for each name.
    Nummernlisten<int> nachFlag, nachGegenstand, nachStamm, nachHotSpot, nachRaum;
    /// The lines that give each name.
    Nummernlisten<Geber> setzer, geber, aktivierer, hinein;

private:
    void zeilenSammeln(const Skript& s, int index);
    int gegenstandNummer(const QString& name);
    int hotSpotNummer(const QString& name);

    /// Hotspot names as written, and the number of each as compared.
    Namensnummern hotSpotNamen;
    std::vector<int> hotSpotVonName;
    /// The keys of the room files, as "Goto" names them, and the room of each (the last
    /// when two files share one).
    Namensnummern raumSchluessel;
    std::vector<int> raumVonSchluessel;
    /// What each "Goto" is written as, and the room it leads into (-1: none).
    Namensnummern gotoParameter;
    std::vector<int> gotoRaum;
    /// The room files by name.
    Namensnummern raumDateien;
    std::vector<int> raumVonDatei;
};
