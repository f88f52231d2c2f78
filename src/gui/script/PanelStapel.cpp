#include "PanelStapel.h"

#include "BefehlsPanel.h"
#include "model/DateiName.h"
#include "model/Module1.h"
#include "pickers/Farben.h"
#include "pickers/Zoom.h"
#include "platform/Desktop.h"
#include "platform/StorableTextValidator.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

using namespace Befehlstabelle;

PanelStapel::PanelStapel(Module1& raum, Desktop& desktop, QDialog& fenster, QObject* filter)
    : m(raum), desktop(desktop), fenster(fenster)
{
    for (qint32 code = 0; code < Anzahl; ++code) {
        auto* panel = new BefehlsPanel(code, &fenster);
        panel->hide();
        panele[code] = panel;
        QObject::connect(panel->box(), &QLineEdit::textChanged, &fenster,
                         [this](const QString& text) {
                             if (getippt)
                                 getippt(text);
                         });
        panel->box()->installEventFilter(filter);
        if (QPushButton* b = panel->knopf()) {
            b->setAutoDefault(false);
            const Knopf art = befehl(code).knopf;
            QObject::connect(b, &QPushButton::clicked, &fenster, [this, code, art] {
                if (art == Knopf::Datei)
                    dateiWaehlen(code);
                else if (art == Knopf::Zoom)
                    zoomWaehlen(code);
                else
                    farbenZeigen();
            });
        }
    }
}

QLineEdit* PanelStapel::box(qint32 code) const
{
    return panele[code]->box();
}

void PanelStapel::zeigen(qint32 code, const QString& parameter)
{
    // A panel that stays keeps the focus in its box, where Ctrl+Z may have been pressed.
    for (qint32 c = 0; c < Anzahl; ++c)
        panele[c]->setVisible(c == code);
    if (bekannt(code))
        panele[code]->box()->setText(parameter);
}

void PanelStapel::verbergen()
{
    for (BefehlsPanel* panel : panele)
        panel->hide();
}

void PanelStapel::leeren()
{
    for (BefehlsPanel* panel : panele) {
        panel->box()->clear();
        panel->hide();
    }
}

void PanelStapel::dateiWaehlen(qint32 code)
{
    const Befehl& b = befehl(code);
    FileRequest r;
    r.folder = m.pfad(b.ordner) + QLatin1Char('/');
    r.filter = b.filter;
    const QString pfad = desktop.chooseFile(&fenster, r);
    if (pfad.isEmpty() || !StorableTextValidator::fileNameAccepted(desktop, &fenster, pfad))
        return;
    if (vorDerWahl)
        vorDerWahl();
    box(code)->setText(DateiName(pfad));
}

void PanelStapel::zoomWaehlen(qint32 code)
{
    m.ZoomX1 = m.ZoomY1 = m.ZoomX2 = m.ZoomY2 = 0;
    if (!zoom)
        zoom = new Zoom(m, &fenster);
    zoom->laden();
    desktop.showModal(*zoom);
    if (vorDerWahl)
        vorDerWahl();
    box(code)->setText(
        QStringLiteral("%1,%2,%3,%4").arg(m.ZoomX1).arg(m.ZoomY1).arg(m.ZoomX2).arg(m.ZoomY2));
}

void PanelStapel::farbenZeigen()
{
    if (!farben)
        farben = new Farben(&fenster);
    farben->laden();
    desktop.showModal(*farben);
}
