// A rename across the game, planned before anything is written.
#pragma once

#include "namen/Verwendungssuche.h"

#include <QByteArray>
#include <QString>
#include <QVector>
#include <functional>
#include <optional>

class Spielpruefung;

/// A rename across the game, planned before anything is written: which files change, to which
/// bytes, and which files get a new name. Only the texts of the name itself are replaced; every
/// other byte of a file stays as it is. What the preview shows and what is written is exactly
/// this plan.
namespace Umbenennung {

/// Bytes `laenge` at `anfang` of the old file that become `text`.
struct Ersetzung
{
    qsizetype anfang = 0;
    qsizetype laenge = 0;
    QByteArray text;

    bool operator==(const Ersetzung& o) const
    {
        return anfang == o.anfang && laenge == o.laenge && text == o.text;
    }
};

/// A line that changes, for the preview.
struct Zeile
{
    /// Where it is, with the line as it is now.
    SkriptStelle stelle;
    /// The line as it will be.
    QString neu;
};

/// One file of the game that changes.
struct Datei
{
    /// Relative to the game folder, with "/"; `neu` is the same unless the file is renamed.
    QString alt;
    QString neu;
    /// A room or item script, whose bytes are read and written whole; else a file that is
    /// only renamed (a picture, a sound) and whose bytes are never read.
    bool mitText = false;
    QByteArray altBytes;
    QByteArray neuBytes;
    QVector<Ersetzung> ersetzungen;
    QVector<Zeile> zeilen;

    bool umbenannt() const { return alt != neu; }
};

struct Plan
{
    /// Why the rename cannot be done, in German; empty when it can.
    QString fehler;
    /// What is renamed: "Flag "TruheOffen" in "KisteOffen"".
    QString was;
    /// The files in the order of the game's lists: rooms, item scripts, then the others.
    QVector<Datei> dateien;

    bool moeglich() const { return fehler.isEmpty(); }
};

/// How a plan sees the game folder.
struct Spielzugriff
{
    struct Eintrag
    {
        QString name;
        /// A file (or a link to one) rather than a folder or anything else.
        bool datei = false;
    };
    /// The bytes of a file relative to the game folder; none when it cannot be read.
    std::function<std::optional<QByteArray>(const QString& relativ)> lesen;
    /// Everything in a subfolder of the game ("rooms", "graphics", ...).
    std::function<QVector<Eintrag>(const QString& unterordner)> eintraege;

    /// The game folder on disk.
    static Spielzugriff aufPlatte(const QString& spielordner);
};

struct Anfrage
{
    /// Flag, Gegenstand, Raum, Bild, Ton or HotSpot.
    NamensArt art = NamensArt::Flag;
    /// Files by their name, without folder.
    QString alt;
    QString neu;
    /// For a hotspot: its room file, as the checking service names it.
    QString raum;
};

/// Plans the rename over the game as `spiel` knows it. The files that change are read anew
/// through `zugriff` and their uses found in those bytes, so the plan stands on the files as
/// they are. Refused, with a reason and no files, when the new name is taken, differs from a
/// name in use only in letter case or spaces, cannot be stored, when the old name is used
/// nowhere, or when a file that would change cannot be read to its end.
Plan planen(const Spielpruefung& spiel, const Spielzugriff& zugriff, const Anfrage& anfrage);

/// The bytes with the replacements, which are ordered and do not overlap.
QByteArray anwenden(const QByteArray& bytes, const QVector<Ersetzung>& ersetzungen);

/// The plan as the command line shows it: what is renamed, then file by file each file renamed
/// and each line before and after.
QString vorschauText(const Plan& plan);

/// "1 Datei", "3 Dateien".
QString anzahl(qsizetype n, const QString& eins, const QString& mehr);

/// A label renamed within one script in memory: the label and every "Jump" to it.
struct MarkenPlan
{
    QString fehler;
    Skript skript;
    /// The lines that change.
    QVector<qint32> zeilen;
};
MarkenPlan markeUmbenennen(const Skript& skript, const QString& alt, const QString& neu);

} // namespace Umbenennung
