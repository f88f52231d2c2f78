// The recovery copy of the room that one editor window edits.
#pragma once

#include <QByteArray>
#include <QString>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

class QLockFile;

/// The recovery copy of the room that one editor window edits. While the room holds changes
/// nobody saved, the window keeps a copy of it here, in a folder outside the game, so that a
/// crash loses at most its last moments. Each window has its own copy, guarded by a lock
/// file; a copy whose lock is free belongs to an editor that is gone, and the next editor to
/// start offers it.
class Wiederherstellung
{
public:
    /// A copy as it lies on disk.
    struct Kopie
    {
        /// The copy's own file.
        QString datei;
        /// The room file the room belongs to; empty for a room never saved.
        QString raumDatei;
        /// The hash of the room file's bytes as that editor last read or wrote them.
        QByteArray bekannt;
        /// The room, as "Speichern" writes it.
        QByteArray raum;
        /// Why the copy cannot be used; empty when it can.
        QString fehler;
    };

    /// Copies live in `ordner`, which is made when the first copy is written. An empty name
    /// keeps no copies at all.
    explicit Wiederherstellung(const QString& ordner);
    /// Waits for the disk and gives up this window's lock: a copy left behind is offered to
    /// the next editor.
    ~Wiederherstellung();
    Wiederherstellung(const Wiederherstellung&) = delete;
    Wiederherstellung& operator=(const Wiederherstellung&) = delete;

    /// The next copy whose editor is gone, locked for this window while it is offered.
    std::optional<Kopie> verwaiste();
    /// Makes an offered copy this window's own: the next copies replace it.
    void uebernehmen(const Kopie& kopie);
    /// Removes an offered copy.
    void verwerfen(const Kopie& kopie);
    /// Moves an offered copy that cannot be read into the folder "beschaedigt" beside the
    /// copies, where nobody offers it again; returns where it lies now, or the empty text
    /// when it could not be moved (it then stays where it was).
    QString beiseitelegen(const Kopie& kopie);

    /// Replaces this window's copy. The disk is written in the background: the call only
    /// hands the bytes over.
    void schreiben(const QByteArray& raum, const QString& raumDatei, const QByteArray& bekannt);
    /// Removes this window's copy, after whatever was asked before.
    void entfernen();
    /// Returns when the disk holds what was asked last. False when that write failed.
    bool warten();

    /// The file of this window's copy; empty before the first copy.
    QString eigeneDatei() const;

    /// The copy's file format: a short head (room file, hash, size) and the room's bytes.
    static QByteArray kopieBytes(const QByteArray& raum, const QString& raumDatei,
                                 const QByteArray& bekannt);
    /// Reads a copy's bytes; `fehler` of the result says what is wrong with them.
    static Kopie kopieLesen(const QByteArray& bytes);
    /// The hash under which a room file's bytes are known.
    static QByteArray hash(const QByteArray& bytes);

private:
    struct Auftrag
    {
        /// No room removes the copy.
        std::optional<QByteArray> raum;
        QString raumDatei;
        QByteArray bekannt;
        QString ziel;
    };
    bool eigenenPlatzNehmen();
    void arbeiten();
    void auftrag(Auftrag a);

    QString ordner;
    std::unique_ptr<QLockFile> eigeneSperre;
    QString eigenePfad;
    /// The locks of the copies being offered.
    std::map<QString, std::unique_ptr<QLockFile>> angeboten;

    std::mutex mutex;
    std::condition_variable signal;
    std::optional<Auftrag> offen;
    bool beschaeftigt = false;
    bool fehlgeschlagen = false;
    bool ende = false;
    std::thread schreiber;
};
