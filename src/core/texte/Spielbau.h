// A translated copy of the game folder: every file as it is, the scripts' texts translated.
#pragma once

#include "Uebersetzung.h"

#include <QByteArray>
#include <QString>
#include <atomic>

class Spielpruefung;
struct SpielDatei;

namespace Spielbau {

struct Ergebnis
{
    enum class Art
    {
        /// ZIELORDNER holds the translated game.
        Fertig,
        /// Nothing was written: the PO file or the target folder cannot be taken.
        Abgelehnt,
        /// Something failed on the way (a file unreadable, the disk full); nothing was left.
        Fehler
    };
    Art art = Art::Fehler;
    Zaehlung zaehlung;
    QVector<Ablehnung> ablehnungen;
    /// With Art::Fehler: what failed.
    QString fehler;
    /// Files passed over or kept German, told on the side.
    QStringList hinweise;
};

/// Why `ziel` cannot become the translated copy of `spielordner`; empty when it can.
QString zielPruefen(const QString& spielordner, const QString& ziel);

/// The bytes of a room (`d.raum`) or item script with every text `uebersetzung` translates put
/// in its place, written by the one writer; `bytes` themselves when nothing of it is translated
/// or it was not read whole. `d` are the facts read from `bytes`.
QByteArray uebersetzt(const SpielDatei& d, const QByteArray& bytes,
                      const Uebersetzung& uebersetzung);

/// Copies the game folder into `ziel` (which must not exist yet) with the translations of the
/// PO file at `poPfad`: built beside it and renamed at the end, so that `ziel` is complete or
/// not there. The repository (".git") and "uebersetzungen" are no part of a game and stay out;
/// symbolic links are copied as links. Once `abbrechen` is set the build stops between two files
/// with Art::Fehler and removes what it made.
Ergebnis bauen(const Spielpruefung& spiel, const QString& spielordner, const QString& poPfad,
               const QString& ziel, const std::atomic<bool>* abbrechen = nullptr);

/// The PO file at `pfad` read; with Art::Fertig when it could be, else why not.
Ergebnis poLesen(const QString& pfad, PoDatei& po);

} // namespace Spielbau
