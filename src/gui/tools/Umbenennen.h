#pragma once

#include "umbenennen/Umbenenner.h"
#include "umbenennen/Umbenennung.h"

#include <QDialog>
#include <QHash>
#include <QTimer>
#include <functional>

class Desktop;
class Namensvorschlaege;
class Pruefdienst;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

/// "Umbenennen": a flag, item, room, picture, sound or hotspot renamed across the whole game.
/// While the author types, a preview lists every file and line that will change, or why the
/// new name is refused; "Umbenennen", or Return in a name box once that preview is shown, writes
/// exactly that, all or nothing. The game's names of the kind are offered for the old name.
/// Also the undo of the last rename and the recovery at the editor's start.
class Umbenennen : public QDialog
{
    Q_OBJECT

public:
    Umbenennen(Pruefdienst& dienst, Desktop& desktop, QWidget* parent = nullptr);

    /// Called before anything is written, so that the editor saves its changed room (with its
    /// question). False stops the rename, and nothing is written.
    std::function<bool()> vorDemUmbenennen;
    /// Called after files were written: every file changed, relative to the game folder with
    /// "/", and those renamed, old to new. The checking service has been told already.
    std::function<void(const QStringList& dateien, const QHash<QString, QString>& umbenannt)>
        nachDemUmbenennen;

    /// Fills kind and old name in and shows the window modally; a hotspot's room is the room
    /// file as the service names it. The first box still empty has the focus: with the old name
    /// given, the new one, filled with the old and selected.
    void zeigen(NamensArt art = NamensArt::Flag, const QString& alt = QString(),
                const QString& raum = QString());

    /// "Umbenennen rückgängig": takes the last rename back, with a message when that cannot be.
    void rueckgaengig();
    /// What the undo would take back ("Flag "A" in "B""); null when there is nothing.
    QString letzteUmbenennung();

    /// Where the journals lie: Umbenenner::journalOrdner of the game folder unless set.
    void journalOrdnerSetzen(const QString& ordner) { journale = ordner; }

    /// To be called at the editor's start, before the game is read: puts back a rename that
    /// was interrupted and tells the author. False when that failed.
    static bool aufraeumen(Desktop& desktop, const QString& spielordner, QWidget* parent);
    /// The same when the rename was put back already (Umbenenner::aufraeumen(), on any
    /// thread): tells the author what that did.
    static bool aufgeraeumt(Desktop& desktop, const Umbenenner::Ergebnis& ergebnis,
                            QWidget* parent);

    /// Plans with what the controls hold and shows the preview, at once.
    void planen();

private:
    NamensArt gewaehlt() const;
    Umbenennung::Anfrage anfrage() const;
    /// Plans a moment after the last change, off the window's thread.
    void vorausplanen();
    void planZeigen(Umbenennung::Plan gemacht, const Umbenennung::Anfrage& anfrage);
    void umbenennen();
    /// Return in a name box: renames when the preview shown is that of the boxes and allowed.
    void eingabe();
    /// The names offered follow the kind and the room chosen.
    void vorschlagen();
    /// Tells the service and the editor which files changed.
    void weitersagen(const Umbenenner::Ergebnis& ergebnis);
    void vorschauZeigen();

    Pruefdienst& dienst;
    Desktop& desktop;
    QComboBox* art;
    QComboBox* raum;
    QLineEdit* alt;
    QLineEdit* neu;
    QTreeWidget* vorschau;
    QLabel* grund;
    QPushButton* ok;
    /// Plans a moment after the last keystroke: a plan reads the files it changes.
    QTimer takt;
    /// Counts the plans begun; a plan that is not the newest when it is done is dropped.
    quint64 planNummer = 0;
    /// The number of the plan the preview shows.
    quint64 gezeigt = 0;
    Namensvorschlaege* vorschlaege;
    /// What the preview shows.
    Umbenennung::Plan plan;
    QString journale;
};
