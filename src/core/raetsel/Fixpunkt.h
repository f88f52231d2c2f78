// What play can reach from the start rooms: the least fixpoint over rooms entered, flags and
// items maybe given, hotspots maybe active, and the lines of each script that may run.
#pragma once

#include "Erreichbarkeit.h"
#include "Skriptbloecke.h"

#include <QQueue>
#include <memory>
#include <vector>

/// Works out what play can reach into an Erreichbarkeit: its start rooms, rooms, flags, items
/// and hotspots; keeps each script's lines that may run, and which lines give which name.
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
        /// Item scripts: the item's picture without its extension, as compared.
        QString stamm;
        /// Runs whole when it runs: unbalanced, or its file not read whole.
        bool ganz = false;
        std::unique_ptr<Skriptbloecke> struktur;
        /// The lines that may run (none when the script cannot run).
        QBitArray gelaufen;

        const Skript& skript() const { return d->skripte[j].skript; }
    };

    /// A line that gives a name.
    struct Geber
    {
        int eintrag;
        qint32 zeile;
    };

    Fixpunkt(const Spielpruefung& spiel, const Raetselplan& plan, Erreichbarkeit& e);

    void rechnen();

    QString raumDurchGoto(const QString& parameter) const;

    bool offen(const Eintrag& en) const;

    /// An item as compared: its picture without the extension, case folded.
    static QString stammVon(const QString& bild);

    std::vector<Eintrag> eintraege;
    /// The lines that set each flag, give each item, activate each hotspot (by its key) and
    /// lead into each room.
    QHash<QString, QVector<Geber>> setzer, geber, aktivierer, hinein;

private:
    void sammeln();

    void startSetzen();

    void gegenstandHinzu(const QString& name);

    void anstossen(const QVector<int>& liste);

    /// The lines that may run with what is known now.
    QBitArray laufen(const Eintrag& en) const;

    void fixpunkt();

    /// What a line that runs adds to what is known.
    void wirken(qint32 code, const QString& p);

    const Spielpruefung& spiel;
    const Raetselplan& plan;
    Erreichbarkeit& e;

    QVector<std::shared_ptr<const SpielDatei>> dateien;
    QHash<QString, QString> raumVon;
    QHash<QString, QVector<int>> nachFlag, nachGegenstand, nachStamm, nachHotSpot, nachRaum;
    QSet<QString> staemme;
    QQueue<int> warten;
    std::vector<bool> wartet;
};
