#include "Fehlermarken.h"

#include "regeln/RaumFehler.h"

#include <QListWidget>
#include <QPushButton>
#include <QStyle>

Fehlermarken::Fehlermarken(QListWidget& liste, QPushButton& start, QPushButton& timer)
    : liste(liste), start(start), timer(timer)
{
}

const QIcon& Fehlermarken::zeichen()
{
    // The style looks for the icon in the desktop's icon themes, which takes longer than the
    // rest of the window: only when a script has faults.
    if (fehlerzeichen.isNull())
        fehlerzeichen = liste.style()->standardIcon(QStyle::SP_MessageBoxCritical);
    return fehlerzeichen;
}

void Fehlermarken::zeigen(const RaumFehler& fehler)
{
    for (int i = 0; i < liste.count() && i < fehler.hotSpots.size(); ++i) {
        const QString text = fehler.hotSpotText(i);
        QListWidgetItem* eintrag = liste.item(i);
        if (eintrag->toolTip() == text)
            continue;
        eintrag->setIcon(text.isEmpty() ? QIcon() : zeichen());
        eintrag->setToolTip(text);
    }
    const std::pair<QPushButton*, std::pair<int, const char*>> knoepfe[] = {
        {&start, {fehler.start, "Startskript"}}, {&timer, {fehler.timer, "Timerskript"}}};
    for (const auto& [knopf, wie] : knoepfe) {
        const QString text = RaumFehler::skriptText(wie.first, QLatin1String(wie.second));
        if (knopf->toolTip() == text)
            continue;
        knopf->setIcon(wie.first > 0 ? zeichen() : QIcon());
        knopf->setIconSize(QSize(10, 10));
        knopf->setToolTip(text);
    }
}
