#pragma once

#include "Namensbuch.h"
#include "model/Skript.h"
#include "roomfile/RoomFile.h"

#include <QHash>
#include <QStringList>
#include <QVector>
#include <memory>

class Module1;
class Spielpruefung;

/// The findings on the lines of one script while it is edited: exactly what the game check
/// reports for them once the script is saved in its place, the rest of the game as it is.
/// A parameter typed changes only what it can change, so a keystroke costs little even in a
/// long script.
class SkriptPruefer
{
public:
    struct Befund
    {
        /// A fault; otherwise a hint.
        bool fehler = true;
        QString text;
    };

    /// Where the script belongs.
    struct Herkunft
    {
        /// A script of the open room, at `ort`; otherwise an item script.
        bool imRaum = true;
        RoomFile::SkriptOrt ort;
        /// An item script's file, relative to the game folder.
        QString datei;
    };

    SkriptPruefer();
    ~SkriptPruefer();

    /// What the script is checked against: the room open in the editor as it is in memory,
    /// in place of `raumDatei` (its file relative to the game folder; empty when it has none
    /// in the game), and the game `spiel` as read. Without the game (it is being read) there
    /// are no hints that need it. Both must stay as they are until the next call.
    void umfeld(const Herkunft& herkunft, const Module1& raum, const QString& raumDatei,
                const Spielpruefung* spiel);

    /// Checks every line anew.
    void pruefen(const Skript& skript);
    /// Line `zeile` holds a new parameter in place of `alt`; nothing else changed since the
    /// last check.
    void parameterGeaendert(const Skript& skript, qint32 zeile, const QString& alt);

    /// The findings of a line: its faults first, then its hint.
    const QVector<Befund>& befunde(qint32 zeile) const;
    int fehler() const { return fehlerZahl; }
    int hinweise() const { return hinweisZahl; }

private:
    struct Zeile
    {
        /// Faults the line has with other lines, then its own, then the game's hint.
        QVector<QString> mehrzeilig;
        QString eigener;
        QString hinweis;
        QVector<Befund> alle;
    };
    /// The flag or item a line names, if any.
    struct Name
    {
        bool da = false;
        Namensbuch::Art art;
        QString name;
    };
    static Name nameDerZeile(qint32 befehl, const QString& parameter);

    QString eigenerFehler(qint32 befehl, const QString& parameter) const;
    void mehrzeiligPruefen(const Skript& skript);
    /// The hints of every line naming one of `namen` of one kind.
    void hinweisePruefen(bool flag, const QStringList& namen);
    void zusammenstellen(qint32 zeile);
    void zaehlen();

    Herkunft herkunft;
    /// The hotspots a line may name: the room's, or for an item script every room's.
    QStringList hotSpots;
    bool hotSpotsBekannt = false;
    /// The game without this script; the script itself on top of it.
    std::unique_ptr<Namensbuch> umgebung;
    std::unique_ptr<Namensbuch> eigen;
    /// Per kind (flags, items): the lines naming each name.
    QHash<QString, QVector<qint32>> namenZeilen[2];
    QVector<Zeile> zeilen;
    int fehlerZahl = 0;
    int hinweisZahl = 0;
};
