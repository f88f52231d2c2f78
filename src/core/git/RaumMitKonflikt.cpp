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
    // before "git add"): the room as saved, nothing left to choose. What git itself leaves is
    // never taken for that: ours byte for byte (its binary merge, where the attributes say
    // binary or the driver is missing) would drop every change of theirs unseen.
    const QByteArray& datei = *gelesen.bytes;
    if (datei == gelesen.konflikt->bytes || datei == stufen->unsere || hatKonfliktMarken(datei))
        return gelesen;
    Module1 gespeichert;
    if (RoomFile::lesen(datei, gespeichert).vollstaendig)
        gelesen.konflikt = Zusammenfuehren::Ergebnis{datei, {}};
    return gelesen;
}

bool RaumMitKonflikt::hatKonfliktMarken(const QByteArray& bytes)
{
    // No line of a room starts with "<" or ">": each is a quoted text, a number or a flag.
    for (const char* marke : {"<<<<<<<", ">>>>>>>"}) {
        const QByteArray m(marke);
        if (bytes.startsWith(m) || bytes.contains(QByteArray("\n" + m)))
            return true;
    }
    return false;
}
