#pragma once

#include "git/RaumMitKonflikt.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

class Desktop;
class Module1;
class QWidget;
class RaumVerlauf;
class Wiederherstellung;

/// The main window's room commands, "Neu", "Laden", "Speichern", "Speichern unter", "Testen"
/// and "Explorer", and what keeps the author's room safe around them: the question before
/// changes are thrown away, the file that was changed on disk, the recovery copy. The window's
/// title names the room file and shows the change mark.
class RaumBefehle : public QObject
{
    Q_OBJECT

public:
    RaumBefehle(Module1& raum, Desktop& desktop, RaumVerlauf& verlauf, QWidget* fenster);
    /// Closed without a word (the session ending, say), the changes wait in the copy for the
    /// next start; closed by the author, they were saved or let go.
    ~RaumBefehle() override;

    /// Shows a room now in memory afresh: `liste` the hotspot list, made anew with nothing
    /// selected, `bild` the picture.
    std::function<void(bool liste, bool bild)> raumZeigen;

    void neu();
    void laden();
    /// Writes the room back into its file, with no dialog and no box; a room that has no
    /// file yet is saved as speichernUnter() saves it. True when the room was written.
    bool speichern();
    /// The room-file dialog, then the file, then a box that says so. True when written.
    bool speichernUnter();
    void testen();
    void explorer();
    /// A room file as read from disk, with git's merge of it when git holds it in conflict.
    using Gelesen = RaumMitKonflikt;

    /// Loads a room file as "Laden" does after its dialog, asking first when the room has
    /// changes nobody saved. True when it was loaded.
    bool oeffnen(const QString& pfad);
    /// The same with the file read before (at the start, while the window was made).
    bool oeffnen(Gelesen gelesen);
    /// Loads a room file without asking: the room was saved or let go already.
    bool neuLaden(const QString& pfad) { return raumLaden(pfad); }
    /// Whether `pfad` is the file the room was loaded from or last saved to.
    bool istGeoeffnet(const QString& pfad) const;
    /// Whether `bytes` are those last read from or written to that file.
    bool wieBekannt(const QByteArray& bytes) const;
    /// That file is gone: the room is no file's as it was, so it is changed, and saving writes
    /// the file again without asking. False when that was known already.
    bool dateiGeloescht();
    /// Asks whether the changed room is saved first. True when the action may go on: the room
    /// was not changed, was saved, or the author lets the changes go.
    bool aenderungenSichern();
    /// The window closes with the author's consent: no copy is left behind, and nothing is
    /// asked again.
    void geschlossen() { verworfen = true; }

    /// The file the room-file dialog remembers and offers next.
    const QString& raumDatei() const { return cd2Datei; }
    /// The file the room was loaded from or last saved to; empty for a room that is no file's.
    const QString& geoeffneteDatei() const { return raumDateiPfad; }
    /// Keeps recovery copies of the changed room in `ordner`; without one, none.
    void kopienIn(const QString& ordner);
    /// Offers the copies that editors which are gone left behind, one after the other, until
    /// the author takes one. True when a room was restored.
    bool wiederherstellen();

Q_SIGNALS:
    /// The room was written to this file.
    void gespeichert(const QString& pfad);
    /// The room was read from this file or written to it.
    void raumDateiBenutzt(const QString& pfad);
    /// The room in memory is now the file at `pfad` (loaded, saved or restored), or no file
    /// (empty).
    void offeneDateiGeaendert(const QString& pfad);
    /// A room was loaded: `imKonflikt` when git holds it in conflict from an unfinished merge,
    /// and it was loaded as the merge of its three versions makes it, with these conflicts.
    /// `zusammengefuehrt`: the room shown is the merge, not what the file holds.
    void konflikteGeladen(const QString& pfad, bool imKonflikt, const QVector<Konflikt>& konflikte,
                          bool zusammengefuehrt);

private:
    QString raumDialog(bool speichern, const QString& titel);
    bool raumLaden(const QString& pfad);
    bool raumLaden(Gelesen gelesen);
    /// Writes the room to `pfad` after the questions about the file that is there.
    bool schreibenNach(const QString& pfad);
    /// The room in memory is the file `datei` (empty: none), whose bytes had this hash.
    void raumDateiSetzen(const QString& datei, const QByteArray& hash);
    /// Whether the file's bytes differ from what was last read or written there, and the
    /// author does not want them replaced.
    bool aussenGeaendertBehalten(const QString& pfad);
    void markeGesetzt(bool geaendert);
    void kopieSchreiben();
    /// Tells the author why "Testen" or "Explorer" started nothing, and what helps.
    /// A warning, when there is one.
    void warnen(const QString& text);

    Module1& m;
    Desktop& desktop;
    RaumVerlauf& verlauf;
    QWidget* fenster;
    /// The room-file dialog's remembered file.
    QString cd2Datei;
    /// The file the room was loaded from or last saved to, and the hash of its bytes then.
    QString raumDateiPfad;
    QByteArray bekannt;
    /// Counts the successful saves: "Testen" sees whether its question saved the room.
    int speicherungen = 0;
    std::unique_ptr<Wiederherstellung> kopie;
    QTimer kopieTakt;
    bool verworfen = false;
};
