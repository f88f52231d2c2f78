#pragma once

#include "script/Befehlstabelle.h"

#include <QString>
#include <array>
#include <functional>

class BefehlsPanel;
class Desktop;
class Farben;
class Module1;
class QDialog;
class QLineEdit;
class QObject;
class Zoom;

/// The panels of every command, one above the other in the script editor, at most one shown;
/// their "..." buttons open the file dialog, the zoom picker or the colours.
class PanelStapel
{
public:
    /// Makes the panels in the window, in its tab order from here; `filter` sees their boxes'
    /// events.
    PanelStapel(Module1& raum, Desktop& desktop, QDialog& fenster, QObject* filter);

    /// Called with the text of any box as it changes.
    std::function<void(const QString& text)> getippt;
    /// Called before a picker puts its choice into a box.
    std::function<void()> vorDerWahl;

    QLineEdit* box(qint32 code) const;
    /// Shows the panel of `code` alone; a known command's box gets `parameter`.
    void zeigen(qint32 code, const QString& parameter);
    void verbergen();
    /// Empty boxes, no panel.
    void leeren();

private:
    void dateiWaehlen(qint32 code);
    void zoomWaehlen(qint32 code);
    void farbenZeigen();

    Module1& m;
    Desktop& desktop;
    QDialog& fenster;
    std::array<BefehlsPanel*, Befehlstabelle::Anzahl> panele{};
    Zoom* zoom = nullptr;
    Farben* farben = nullptr;
};
