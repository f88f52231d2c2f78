#pragma once

#include "check/SkriptPruefer.h"
#include "model/Skript.h"

#include <QDialog>
#include <functional>
#include <memory>

class Desktop;
class Module1;
class PanelStapel;
class QListWidget;
class SkriptBefunde;
class SkriptVerlauf;
class SkriptZeilenModell;
class ZeilenListe;

/// The modal window in which every script is written. It edits AktSkript and nothing
/// else: the caller copies a script there before and takes it back afterwards, and says where
/// it comes from, so that each line shows what the game check finds in it: a fault or a hint
/// at the start of its row, and the selected line's findings, or their count, in one line at
/// the bottom.
class SkriptEditor : public QDialog
{
    Q_OBJECT

public:
    SkriptEditor(Module1& raum, Desktop& desktop, QWidget* parent = nullptr);
    ~SkriptEditor() override;

    /// Shows the window on AktSkript, loaded afresh, and returns when it is closed. It stands
    /// over the modal window that is active, such as the item manager, else over the window
    /// it was made for. Line `zeile` is selected, when given. An item script's file may be
    /// given with its full path.
    void zeigen(const SkriptPruefer::Herkunft& herkunft = {}, qint32 zeile = -1);
    /// Loads the window afresh from AktSkript: all lines, nothing selected, no panel.
    void laden();

    /// The game check's findings on the script, and the line at the bottom.
    SkriptBefunde& befunde() { return *befundAnzeige; }
    /// Where the script shown comes from.
    const SkriptPruefer::Herkunft& herkunft() const { return woher; }

    /// The keys that follow the selected line into the game, each told the line's command and
    /// parameter: F12 a "Goto" to its room, Shift+F12 the uses of what the line names, F2
    /// renaming it. A label is renamed here, with its jumps, in this script alone.
    std::function<void(qint32 befehl, const QString& parameter)> gotoFolgen;
    std::function<void(qint32 befehl, const QString& parameter)> verwendungenZeigen;
    std::function<void(qint32 befehl, const QString& parameter)> umbenennen;
    /// Closes the window; `danach` runs once its script is back where it came from, through
    /// ausstehendesAusfuehren.
    void schliessenUndDann(std::function<void()> danach);
    /// Runs, once, what schliessenUndDann left to do.
    void ausstehendesAusfuehren();

protected:
    bool eventFilter(QObject* objekt, QEvent* event) override;

private:
    void aufbau();
    /// The selected line, -1 for none.
    int zeile() const;
    void zeileWaehlen(int i);
    void zeileGewaehlt();
    void panelZeigen(int i);
    void boxGeaendert(const QString& text);
    void einfuegen();
    void hoch();
    void runter();
    void loeschen();
    /// Shows an edit of the lines from `ab` (they were `alt`, are `anzahl` lines now, line
    /// `vorher` was selected) and keeps it as one step of the history; selects line `danach`,
    /// or the last line when there are fewer.
    void schritt(qint32 ab, Skript alt, qint32 anzahl, int vorher, int danach);
    /// After a deletion at line s: the line that followed, else the new last one, if any.
    void folgendeZeileWaehlen(int s);
    /// The selected line, or the block it opens, as text.
    void kopieren();
    void ausschneiden();
    /// The clipboard's lines below the selected line, or at the top; a text with a line that
    /// is no command or holds what a room file cannot takes nothing and says so.
    void zwischenablageEinfuegen();

    /// Shows the script after a step of the history: see SkriptSchritt::Zeigen.
    void schrittZeigen(bool aufbauen, qint32 ab, qint32 anzahl, int zeile);
    /// Asks for a new name of the label the selected line defines or jumps to.
    void markeUmbenennen();
    /// Calls `tun` with the selected line, when one is selected.
    void mitZeile(const std::function<void(qint32 befehl, const QString& parameter)>& tun);

    Module1& m;
    Desktop& desktop;
    QWidget* hauptfenster;
    SkriptZeilenModell* modell;
    ZeilenListe* list1;
    QListWidget* list2;
    std::unique_ptr<PanelStapel> panele;
    /// During an insertion the passing selections show no panel.
    bool insertBusy = false;
    std::unique_ptr<SkriptVerlauf> verlauf;
    /// While undo or redo shows a line, its box stores nothing.
    bool imVerlauf = false;
    SkriptBefunde* befundAnzeige;
    SkriptPruefer::Herkunft woher;
    std::function<void()> ausstehend;
};
