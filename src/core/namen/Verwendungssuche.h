// Every use of a name across the game, for the search and the rename.
#pragma once

#include "spiel/SpielDatei.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

class Spielpruefung;

/// What kind of name is looked for or renamed.
enum class NamensArt
{
    Flag,
    /// An item, named by its picture file in "items".
    Gegenstand,
    /// A room file in "rooms".
    Raum,
    /// A picture in "graphics": backgrounds and "LoadPic".
    Bild,
    /// A sound, music or video: "PlayWav", "PlayMusic", "PlayAvi".
    Ton,
    /// A hotspot of one room.
    HotSpot,
    /// A label of one script.
    Label,
    /// Any text within a parameter.
    Text
};

/// Finds every place of the game that uses a name: over the files the checking service
/// holds, without reading anything. Flags, items, hotspots and labels are matched exactly,
/// letter case and spaces included, as the game compares them; rooms and files as
/// tarnholm-check finds them (dateiSchluessel: spaces around, folder and letter case aside);
/// a text anywhere within a parameter, letter case aside.
namespace Verwendungssuche {

struct Anfrage
{
    NamensArt art = NamensArt::Flag;
    QString name;
    /// For a hotspot or label: the file it belongs to (relative to the game folder, as the
    /// service names it). Empty: every file.
    QString datei;
    /// For a label: the script of `datei` (its index in SpielDatei::skripte). -1: every one.
    int skript = -1;
    /// Each place with the line as the script editor shows it; a window that shows a few of
    /// many places asks zeilenText() for the lines it shows.
    bool mitZeilenText = true;
};

struct Verwendung
{
    enum class Teil
    {
        Parameter,
        Hintergrund,
        HotSpotName
    };
    Teil teil = Teil::Parameter;
    /// The file, script and line as reports name them, with the line as the script editor
    /// shows it. A background or a hotspot's name has the line -1.
    SkriptStelle stelle;
    /// The script within the file, for opening it; with a hotspot's name, that hotspot.
    RoomFile::SkriptOrt ort;
    /// Which of SpielDatei::skripte; -1 for a background or a hotspot's name.
    int skript = -1;
    /// The command of the line; -1 for a background or a hotspot's name.
    qint32 befehl = -1;
    /// Where the name itself lies in the file's bytes, and the text stored there.
    TextBereich bereich;
    QString wert;
};

/// Every use in the game: rooms first, then item scripts, in the order of their lists;
/// within a file in the order of its lines.
QVector<Verwendung> suchen(const Spielpruefung& spiel, const Anfrage& anfrage);
/// The uses within one file.
QVector<Verwendung> suchen(const SpielDatei& datei, const Anfrage& anfrage);
/// The uses within each of `dateien`, file by file.
QVector<QVector<Verwendung>> suchen(const QVector<std::shared_ptr<const SpielDatei>>& dateien,
                                    const Anfrage& anfrage);
/// The line a place of `datei` stands on as the script editor shows it, also when it was
/// found without it.
QString zeilenText(const SpielDatei& datei, const Verwendung& verwendung);

/// The lines of a script that define or jump to the label `name`.
QVector<qint32> markenZeilen(const Skript& skript, const QString& name);

/// The name a script line names, and its kind: the flag of "IF", "SetFlag", "DelFlag" and of
/// "Spiel vom Spiel spielen spielen", the item of "Add", "Remove", "IfItem", the room of
/// "Goto", the file of "LoadPic", "PlayWav", "PlayMusic", "PlayAvi", the hotspot of
/// "HSaktivieren", "HSdeaktivieren", "ChangeMouse", the label of "Label" and "Jump". Files as
/// written, without the spaces around them.
struct Benannt
{
    NamensArt art;
    QString name;
};
std::optional<Benannt> benannt(qint32 befehl, const QString& parameter);

/// The room a "Goto" with this parameter leads to, relative to the game folder; null when
/// the game has none of that name.
QString gotoZiel(const Spielpruefung& spiel, const QString& parameter);

/// "Flag", "Gegenstand", ... as the windows name the kinds.
QString artName(NamensArt art);
/// "Das Flag", "Der Raum": how a message begins that names a name of this kind.
QString artMitArtikel(NamensArt art);
/// The subfolders of the game folder a file of this kind lies in; none for other kinds.
QStringList ordnerVon(NamensArt art);
/// The kind of a word of the command line: "flag", "gegenstand", "raum", "bild", "ton",
/// "hotspot", "label", "text".
std::optional<NamensArt> artAusWort(const QString& wort);

/// Which part of a "Spiel vom Spiel spielen spielen" parameter is its flag (spaces around
/// it not included); none without a comma.
std::optional<std::pair<qsizetype, qsizetype>> spielFlagTeil(const QString& parameter);

} // namespace Verwendungssuche
