// Script lines as text, so that they travel through the clipboard.
#pragma once

#include "model/Skript.h"

#include <QByteArray>
#include <QString>
#include <optional>

class QMimeData;

/// Script lines as text, so that they travel through the clipboard: between scripts, between
/// editors and to and from any text editor.
namespace SkriptText {

/// The clipboard type that carries the lines exactly, codes and parameters.
inline QString mimeTyp()
{
    return QStringLiteral("application/x-tarnholm-skriptzeilen");
}

/// The lines as the line list shows them, indented from the first line's depth, each
/// followed by a line break: "IF Schluessel\n   SetFlag TuerOffen\n...".
QString alsText(const Skript& zeilen);
/// The lines in the form of mimeTyp: UTF-8, per line the code, a tab, the parameter and a
/// line break. Every code survives, also one the command table does not know.
QByteArray alsDaten(const Skript& zeilen);

/// Lines read from text, or why none are taken.
struct Gelesen
{
    Skript zeilen;
    /// The German message that names the first line that cannot be taken; empty when all
    /// can.
    QString fehler;
};

/// Reads lines from plain text. Each line is a keyword of the command table, spelt exactly,
/// after any leading spaces and tabs; then one space and the parameter, which is the rest of
/// the line as it stands. A keyword alone has the empty parameter. Lines ending in CR LF
/// count as ending in LF; blank lines (also a last line break) are skipped. A line that is
/// not a command, or a parameter a room file cannot hold, takes nothing at all.
Gelesen ausText(const QString& text);
/// Reads lines in the form of alsDaten; nullopt when the data are not in that form at all.
/// A parameter a room file cannot hold takes nothing, as in ausText.
std::optional<Gelesen> ausDaten(const QByteArray& daten);

/// The lines for the clipboard: as text, and exactly as mimeTyp.
QMimeData* alsMimeDaten(const Skript& zeilen);
/// The lines the clipboard holds: mimeTyp when it is there and in its form, else the text.
Gelesen ausMimeDaten(const QMimeData& daten);

} // namespace SkriptText
