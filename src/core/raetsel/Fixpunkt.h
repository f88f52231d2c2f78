// What play can reach from the start rooms: the least fixpoint over rooms entered, flags and
// items maybe given, hotspots maybe active, and the lines of each script that may run.
#pragma once

#include "Erreichbarkeit.h"
#include "Namensnummern.h"
#include "Nummernlisten.h"
#include "Skriptbloecke.h"

#include <vector>

/// Works out what play can reach into an Erreichbarkeit: its start rooms, rooms, flags, items
/// and hotspots; keeps each script's lines that may run, and which lines give which name.
/// Every name is numbered once as it is collected, so that the fixpoint itself works on
/// vectors: a thousand rooms' scripts run through it many times.
class Fixpunkt
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

    Fixpunkt(const Spielpruefung& spiel, const Raetselplan& plan, Erreichbarkeit& e);

    void rechnen();

    const std::vector<Eintrag>& eintraege() const { return alle; }
    /// Line `zeile` of the script may run.
    bool gelaufen(const Eintrag& en, qint32 zeile) const { return laeuft[en.anfang + zeile]; }
    /// How its blocks nest; null for a script without blocks.
    const Skriptbloecke* bloeckeVon(const Eintrag& en) const;
    /// The script may run.
    bool offen(const Eintrag& en) const;
    /// Its room is entered.
    bool betreten(const Eintrag& en) const { return en.raum >= 0 && raumDa[en.raum]; }
    /// The room file a "Goto" names; null when there is none.
    QString raumDurchGoto(const QString& parameter) const;
    /// The lines that would give the name: set the flag, give the item, activate the hotspot
    /// (any spelling of its key), lead into the room (its file).
    Geberliste geberVon(NieGrund::Art art, const QString& name) const;
    /// The first item an "Add" gives that is compared as the item script's; null when none.
    QString gegebenAls(const Eintrag& en) const;

    /// An item as compared: its picture without the extension, case folded.
    static QString stammVon(const QString& bild);

private:
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

    void sammeln();
    void zeilenSammeln(const Skript& s, int index);
    void startSetzen();
    void fixpunkt();
    void laufen(const Eintrag& en);
    void wirken(const Eintrag& en);
    void anstossen(const Nummernlisten<int>& liste, int nr);
    void flagHinzu(int nr);
    void gegenstandHinzu(int nr);
    void ergebnisFuellen();

    int gegenstandNummer(const QString& name);
    int hotSpotNummer(const QString& name);
    /// The room a "Goto" names, -1 when there is none.
    int gotoNummer(const QString& parameter);

    const Spielpruefung& spiel;
    const Raetselplan& plan;
    Erreichbarkeit& e;

    QVector<std::shared_ptr<const SpielDatei>> dateien;
    std::vector<Eintrag> alle;
    std::vector<Skriptbloecke> bloecke;

    // The names by number: flags and items as written, hotspots and items as compared.
    Namensnummern flags, gegenstaende, hotSpots, staemme;
    /// Each item's number as compared.
    std::vector<int> stammVonGegenstand;
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

    // Each line of every script, by `Eintrag::anfang` + line.
    std::vector<Wirkung> wirkung;
    std::vector<int> nummer;
    std::vector<char> laeuft;

    Nummernlisten<int> nachFlag, nachGegenstand, nachStamm, nachHotSpot, nachRaum;
    Nummernlisten<Geber> setzer, geber, aktivierer, hinein;

    std::vector<char> flagDa, gegenstandDa, stammDa, hotSpotDa, raumDa;
    std::vector<int> warten;
    std::vector<char> wartet;
    std::vector<qint32> stapel;
};
