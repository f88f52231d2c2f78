#pragma once

#include "Befund.h"
#include "Spielpruefung.h"

#include <QString>
#include <QVector>

/// What tarnholm-check prints beyond befundText, and the whole report in the form compilers
/// use.
namespace Bericht {

/// The groups "Fehler in Skripten" and "Hinweise", each only when it holds something, so
/// that the report of a game without them stays as befundText alone.
QString skriptText(const QVector<SkriptFehler>& fehler, const QVector<SpielHinweis>& hinweise);

/// One line per finding, "datei:zeile: Art: Text", with the file's own line (from 1) where a
/// finding has one: "Fehler" for what makes the check fail, "Warnung" for the hints (one line
/// per place), "Hinweis" for unused pictures and sounds.
QString gccText(const Befund& befund, const QVector<SkriptFehler>& fehler,
                const QVector<SpielHinweis>& hinweise);

} // namespace Bericht
