// The game's command language: the 33 commands and their input panels.
#pragma once

#include <QString>

/// The game's command language: the 33 commands by code, with what the script editor
/// shows for them. The codes are what files store; everything else is display.
namespace Befehlstabelle {

constexpr int Anzahl = 33;

/// Codes that the editor itself relies on.
enum Code : qint32
{
    If = 0,
    PlayWav = 1,
    Print = 2,
    SetFlag = 3,
    Goto = 4,
    LoadPic = 5,
    Add = 6,
    Remove = 7,
    IfItem = 8,
    Else = 9,
    EndIf = 10,
    PlayAvi = 11,
    DelFlag = 12,
    ChangeMouse = 13,
    ZoomIn = 14,
    ZoomOut = 15,
    HSaktivieren = 17,
    HSdeaktivieren = 18,
    PlayMusic = 19,
    Bosheit = 22,
    SelectCase = 24,
    Case = 25,
    EndSelect = 26,
    /// "Spiel vom Spiel spielen spielen": a game, a flag and a parameter.
    Spiel = 27,
    Jump = 28,
    Label = 29,
    GameOver = 30,
    Countdown = 31,
    Spezialblende = 32,
};

enum class Knopf
{
    Keiner,
    /// Picks a file of the game folder; the bare file name goes into the box.
    Datei,
    /// Picks a rectangle in the zoom window.
    Zoom,
    /// Shows the legend of the text colours.
    Farben,
};

/// One command and its input panel.
struct Befehl
{
    QString keyword;
    /// Position in the command list.
    int row;
    /// The panel's caption.
    QString hilfe;
    /// The fixed text before the box; empty when there is none.
    QString label;
    /// The fixed text after the box ("Then" of "IF"); empty when there is none.
    QString labelDanach;
    bool box;
    Knopf knopf;
    /// The "..." button's name; empty when there is none.
    QString knopfName;
    /// The narrow form of the "..." button.
    bool schmal;
    /// File buttons: the game's subfolder and the filter, "Beschreibung|*.a;*.b".
    QString ordner;
    QString filter;
};

/// Whether the code is one of the 33 commands. A room file may hold any number.
bool bekannt(qint32 code);
/// The command with this code, which must be known.
const Befehl& befehl(qint32 code);
/// The keyword of the code; an unknown code shows as its number in angle brackets.
QString CommandKeyword(qint32 code);
/// The code of a row of the command list (0 to 32).
qint32 ListRowCommand(int row);

} // namespace Befehlstabelle
