// The journals of one game folder's renames, and the rollback of one not finished.
#pragma once

#include "Journal.h"
#include "model/Unterordner.h"

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QLockFile;

/// The journals of one game folder's renames, in its recovery place outside the game folder,
/// and what is done from them: the files written forward, put back, and the journals of
/// finished renames tidied up. A lock file beside them lets one program at a time change the
/// game this way.
class Journalordner
{
public:
    struct Ergebnis
    {
        enum class Art
        {
            /// There was nothing to do.
            Nichts,
            Erledigt,
            /// Refused before anything was written.
            Abgelehnt,
            /// Failed; `text` says whether every file is as before.
            Fehlgeschlagen
        };
        Art art = Art::Nichts;
        /// In German, for the author; empty when there is nothing to say.
        QString text;
        /// Every file written, made, renamed or removed, relative to the game folder with "/":
        /// what the checking service must read anew.
        QStringList dateien;
        /// Done: the files that got a new name, old to new.
        QHash<QString, QString> umbenannt;

        bool ok() const { return art == Art::Nichts || art == Art::Erledigt; }
    };

    /// The operations on the game's files, which tests make fail. Called from several threads.
    struct Dateisystem
    {
        std::function<bool(const QString& pfad, const QByteArray& bytes)> schreiben;
        /// Never over a name that exists.
        std::function<bool(const QString& alt, const QString& neu)> umbenennen;
        std::function<bool(const QString& pfad)> entfernen;

        static Dateisystem echt();
    };

    struct Geladen
    {
        /// The journal's file name in the folder.
        QString datei;
        Journal journal;
    };

    Journalordner(const QString& spielordner, const QString& ordner);
    ~Journalordner();

    Dateisystem fs;
    /// How long sperren() waits for another program.
    int wartezeit = 10000;

    /// Takes the lock, waiting for another program's rename; on failure says why.
    bool sperren(Ergebnis& ergebnis);
    void entsperren();

    /// Puts back what an interrupted rename or undo left, finishes the tidying up of a complete
    /// one, and keeps only the newest finished rename. Needs the lock.
    Ergebnis aufraeumen();

    /// The journals of this game in the order they were written. Broken ones are set aside with
    /// a message in `meldungen`, or passed over without it.
    QVector<Geladen> journale(QStringList* meldungen);
    /// A name no journal has had.
    QString neuerName() const;
    /// Writes a journal and puts it on the disk.
    bool schreiben(const QString& datei, const Journal& j);
    bool kopienSchreiben(const Journal& j, const QByteArray& kopien);
    std::optional<QByteArray> kopienLesen(const Journal& j) const;
    /// Removes a journal's file, or its copies.
    void entfernen(const QString& datei);

    /// Writes every file to its state after: `nachher` holds the bytes for each entry. On a
    /// failure, names the file in `fehler`.
    bool vorwaerts(const Journal& j, const QVector<QByteArray>& nachher, QString& fehler,
                   QStringList& dateien);
    /// Puts every file of an open journal back to its state before and removes the journal.
    /// Safe to repeat from any point. False, with the journal kept, when a file cannot be put
    /// back; `fehler` then says why, and otherwise names files that had changed meanwhile.
    /// With `abgelegt`, a journal whose copies are damaged or gone for files that are no
    /// longer as before is set aside as a broken one, and that is said in `fehler`.
    bool zuruecknehmen(const Geladen& g, const QByteArray* kopien, QString& fehler,
                       QStringList& dateien, bool* abgelegt = nullptr);
    /// Puts the folders of the journal's files on the disk.
    bool ordnerSichern(const Journal& j) const;
    /// Removes the finished renames but `behalten`, and copies no journal names.
    void aufraeumenAusser(const QString& behalten);

    QString pfad(const QString& relativ) const;
    const QString& spielordner() const { return spiel; }

    /// A new place in the folder "beiseite" for a file named like `relativ`.
    QString beiseitePfad(const QString& relativ);

private:
    /// Moves what interrupted writes of the journal's files left since `seit` there.
    QStringList reste(const Journal& j, const QDateTime& seit);
    /// Moves a journal (with its copies) to "beschaedigt"; says where it lies now.
    QString alsBeschaedigtAblegen(const QString& datei, bool mitKopien);

    QString spiel;
    /// The game's subfolders as spelt on disk, which the journal names as the game does.
    Unterordner unterordner;
    QString ordner;
    std::unique_ptr<QLockFile> sperre;
};
