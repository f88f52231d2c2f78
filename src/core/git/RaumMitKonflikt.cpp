// A room file as read from disk, with git's conflict markers where a merge left them.
#include "RaumMitKonflikt.h"

#include "GitKonflikte.h"
#include "model/Module1.h"
#include "roomfile/RoomFile.h"
#include "roomfile/TextFile.h"

#include <QDir>

RaumMitKonflikt RaumMitKonflikt::lesen(GitProgramm& git, const QString& spielordner,
                                       const QString& pfad)
{
    RaumMitKonflikt gelesen{pfad, TextFile::read(pfad), std::nullopt};
    // A room git holds in conflict opens as its merge makes it, whatever git left in the file.
    if (!gelesen.bytes || !GitKonflikte::vielleichtImArbeitsbaum(spielordner))
        return gelesen;
    const QString relativ = QDir(spielordner).relativeFilePath(pfad);
    if (relativ.startsWith(QStringLiteral("..")) || QDir::isAbsolutePath(relativ))
        return gelesen;
    const std::optional<GitKonflikte::Stufen> stufen =
        GitKonflikte::stufen(git, spielordner, relativ);
    if (!stufen)
        return gelesen;
    // Both sides added the room: an empty room is what they share.
    const QByteArray basis =
        stufen->basis.isEmpty() ? RoomFile::schreiben(Module1()) : stufen->basis;
    gelesen.konflikt =
        Zusammenfuehren::dateien(Textform::Art::Raum, basis, stufen->unsere, stufen->deren);
    // Saved since, choices made, but not yet marked resolved (git missing, the editor killed
    // before "git add"): the room as saved, nothing left to choose.
    const QByteArray& datei = *gelesen.bytes;
    Module1 gespeichert;
    if (gelesen.konflikt->bytes != datei && RoomFile::lesen(datei, gespeichert).vollstaendig)
        gelesen.konflikt = Zusammenfuehren::Ergebnis{datei, {}};
    return gelesen;
}
