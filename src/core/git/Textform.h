// Rooms and item scripts as text that a person reads and `git diff` compares.
#pragma once

#include "model/HotSpot.h"
#include "model/Skript.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

/// Rooms and item scripts as text that a person reads and `git diff` compares: UTF-8, LF line
/// ends. A room shows its picture, its start and timer script, then every hotspot with its
/// fields, its three scripts and its cells as a picture of 48 lines of 64 characters, so that
/// one painted cell changes one line. Every script line reads as the script editor shows it.
namespace Textform {

enum class Art
{
    Raum,
    ItemSkript
};

/// By the ending of `name` (".lsd", ".skp", any case), else by the bytes: a room begins with
/// its picture's name in quotes, an item script with a number.
Art artVon(const QString& name, const QByteArray& bytes);

/// The file's text. A file that cannot be read to its end shows what was read, then where
/// reading stops ("Lesen bricht in Zeile 812 ab").
QByteArray text(Art art, const QByteArray& bytes);

/// Each line of the script as the script editor shows it, indented by its blocks.
QStringList zeilen(const Skript& skript);

/// The background picture's name without the spaces that pad it.
QString bildName(const QString& hintergrund);

/// "Sieh an!", "Tue", "Interagiere".
QString aktionsName(int aktion);

/// The line at the end of a file that cannot be read to its end.
QString abbruch(int zeile);

/// The lines a hunk header of `git diff` names: the picture, the scripts, the hotspots. An
/// extended regular expression, as git's `xfuncname` takes it.
QString kopfMuster();

} // namespace Textform
