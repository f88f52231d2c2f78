// Carries out renames on a game folder, all or nothing, even when killed.
#pragma once

#include "Journalordner.h"
#include "Umbenennung.h"

#include <QString>

/// Carries out renames on a game folder, all or nothing, even when the process is killed:
/// before the first file changes, a journal in the game's recovery place (outside the game
/// folder) names every file with the hashes of its bytes before and after and where a copy of
/// them lies; then each file is written with the safe writer; then the journal is marked done.
/// A rename that fails midway puts every file back at once; one that was killed is put back by
/// aufraeumen(), which every program of the editor calls at its start, before it reads the
/// game. The journal of the last rename stays, so that rueckgaengig() can take it back exactly.
class Umbenenner
{
public:
    using Ergebnis = Journalordner::Ergebnis;
    using Dateisystem = Journalordner::Dateisystem;

    /// The game folder, and the folder of its journals: journalOrdner() of it, in use.
    Umbenenner(const QString& spielordner, const QString& journalOrdner);

    void dateisystemSetzen(const Dateisystem& dateisystem) { ordner.fs = dateisystem; }
    /// How long to wait for another program's rename of the same game (10 s at first).
    void wartezeitSetzen(int ms) { ordner.wartezeit = ms; }

    /// Puts back whatever an interrupted rename or undo left half done. Nothing to do is the
    /// usual case; `text` of the result tells the author what was put back.
    Ergebnis aufraeumen();
    /// Writes the plan, after checking that every file is still as the plan read it.
    Ergebnis ausfuehren(const Umbenennung::Plan& plan);
    /// What the last rename renamed ("Flag "A" in "B""), or the null text when there is none
    /// to take back.
    QString letzte();
    /// Takes the last rename back: every file returns to its bytes and name of before. Refused,
    /// naming them, when a file was changed since.
    Ergebnis rueckgaengig();

    /// Where the journals of the game folder `spielordner` lie: beside the editor's recovery
    /// copies in the user's data, apart for each game folder.
    static QString journalOrdner(const QString& spielordner);

private:
    Ergebnis pruefen(const Umbenennung::Plan& plan);

    enum class Ausgang
    {
        Fertig,
        /// Failed, and every file is back as before.
        Zurueckgenommen,
        /// Failed, and putting back failed too: the journal stays.
        Offen
    };
    /// Writes the files of the journal `name` forward to `nachher` and marks it done. On a
    /// failure, `fehler` says what failed (`abschlussFehler` when the journal could not be
    /// marked) and every file is put back from `kopien`; `zurueck` says what that found.
    Ausgang schreibenOderZurueck(const QString& name, Journal& j, const QVector<QByteArray>& nachher,
                                 const QByteArray& kopien, const QString& abschlussFehler,
                                 QString& fehler, QString& zurueck, QStringList& dateien);

    Journalordner ordner;
};
