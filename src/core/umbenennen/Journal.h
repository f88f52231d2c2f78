// The record of a change to many files, written before the first of them changes.
#pragma once

#include "Umbenennung.h"

#include <QByteArray>
#include <QString>
#include <QVector>
#include <optional>

/// The record of a change to many files of a game, written before the first of them changes:
/// every file with the hash of its bytes before and after, where a copy of the bytes lies, and
/// the files that are renamed. While it is open, the change may be half done and is rolled back
/// from it; once it is done, it keeps the last rename for "Umbenennen rückgängig".
///
/// The copies lie in a file of their own beside the journal: per file, base bytes, from which
/// the replacements make the other version. A rename's base is the bytes before; the undo of a
/// rename shares that file, and its base is the bytes after.
struct Journal
{
    enum class Art
    {
        Umbenennung,
        Rueckgaengig
    };
    enum class Stand
    {
        Offen,
        Fertig
    };

    struct Eintrag
    {
        /// Relative to the game folder, with "/". The same unless the file is renamed.
        QString alt;
        QString neu;
        /// A room or item script written whole; else a file only renamed.
        bool mitText = false;
        /// Of the bytes at `alt` before and at `neu` after.
        QByteArray altHash;
        QByteArray neuHash;
        /// The base bytes in the copies file.
        qint64 kopieAnfang = 0;
        qint64 kopieLaenge = 0;
        QVector<Umbenennung::Ersetzung> ersetzungen;
    };

    Art art = Art::Umbenennung;
    Stand stand = Stand::Offen;
    /// The game folder, absolute.
    QString spielordner;
    /// The copies file's name, in the journal's folder.
    QString kopien;
    /// With an undo: the file name of the journal it takes back.
    QString bezug;
    /// What was renamed, as the plan says.
    QString was;
    QVector<Eintrag> eintraege;

    QByteArray text() const;
    /// Null when the bytes are no complete journal.
    static std::optional<Journal> lesen(const QByteArray& bytes);

    /// The bytes of a file before and after, from the copies file's bytes; null when the copy
    /// is not what the journal says it is.
    QByteArray vorher(const Eintrag& e, const QByteArray& kopienBytes) const;
    QByteArray nachher(const Eintrag& e, const QByteArray& kopienBytes) const;

    /// The hash under which a file's bytes are known.
    static QByteArray hash(const QByteArray& bytes);
};
