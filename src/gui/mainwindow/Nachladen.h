#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

class Desktop;
class RaumBefehle;
class RaumVerlauf;
class Statuszeile;
class QWidget;

/// The open room follows its file on disk. Unchanged, it is loaded again (the selected
/// hotspot stays selected when one of its name is still there, the history begins afresh)
/// and the status line says so; with changes nobody saved, or when the file can no longer be
/// read whole, nothing is loaded and the status line offers "Neu laden" and "Behalten"; a
/// file deleted leaves the room open and marked changed, so that saving writes it again.
/// While a modal window such as the script editor is open, it waits.
class Nachladen : public QObject
{
    Q_OBJECT

public:
    Nachladen(RaumBefehle& befehle, RaumVerlauf& verlauf, Desktop& desktop, Statuszeile& zeile,
              QWidget* fenster);

    /// The name of the hotspot selected (null for none), and selecting one by name.
    std::function<QString()> auswahlName;
    std::function<void(const QString&)> auswahlSetzen;

    /// The open room's file may have changed on disk: compared with what was last read or
    /// written there, and followed.
    void pruefen();

    /// Loads the room from `pfad` (its own file when empty), the selected hotspot kept by its
    /// name; false when it could not be read.
    bool neuLaden(const QString& pfad = {});

private:
    RaumBefehle& befehle;
    RaumVerlauf& verlauf;
    Desktop& desktop;
    Statuszeile& zeile;
    QWidget* fenster;
    QTimer spaeter;
};
