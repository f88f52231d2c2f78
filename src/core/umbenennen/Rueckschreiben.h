// Puts the files of an open journal back as they were before, all at once.
#pragma once

#include "Journalordner.h"

/// The rollback of one journal's files: each put back from the journal's copies, renamed back,
/// or left when it is still as before; bytes that changed since are kept apart first.
class Rueckschreiben
{
public:
    explicit Rueckschreiben(Journalordner& ordner);

    /// Safe to repeat from any point. `ohneKopie` gets the files that need their copy and have
    /// none to be had, unless other failures leave the journal to be tried again; `beiseite`
    /// where changed files were kept apart.
    bool zurueck(const Journal& j, const QByteArray& kopien, QString& fehler, QStringList& beiseite,
                 QStringList& ohneKopie);

private:
    Journalordner& ordner;
};
