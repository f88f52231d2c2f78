// The marks of a room's script faults and of what can never happen in them.
#include "Fehlermarken.h"

#include "raetsel/RaumNie.h"
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

const QIcon& Fehlermarken::warnzeichen()
{
    if (nieZeichen.isNull())
        nieZeichen = liste.style()->standardIcon(QStyle::SP_MessageBoxWarning);
    return nieZeichen;
}

QIcon Fehlermarken::zeichenFuer(bool fehler, bool nie)
{
    return fehler ? zeichen() : nie ? warnzeichen() : QIcon();
}

void Fehlermarken::zeigen(const RaumFehler& fehler, const RaumNie& nie)
{
    const auto zusammen = [](const QString& a, const QString& b) {
        return a.isEmpty() || b.isEmpty() ? a + b : a + QLatin1Char('\n') + b;
    };
    for (int i = 0; i < liste.count() && i < fehler.hotSpots.size(); ++i) {
        const QString eigene = fehler.hotSpotText(i);
        const QString nieText = RaumNie::text(nie.hotSpots.value(i));
        const QString text = zusammen(eigene, nieText);
        QListWidgetItem* eintrag = liste.item(i);
        if (eintrag->toolTip() == text)
            continue;
        eintrag->setIcon(zeichenFuer(!eigene.isEmpty(), !nieText.isEmpty()));
        eintrag->setToolTip(text);
    }
    struct Knopf
    {
        QPushButton* knopf;
        int fehler;
        const char* name;
        const QStringList& nie;
    };
    const Knopf knoepfe[] = {{&start, fehler.start, "Startskript", nie.start},
                             {&timer, fehler.timer, "Timerskript", nie.timer}};
    for (const Knopf& k : knoepfe) {
        const QString text =
            zusammen(RaumFehler::skriptText(k.fehler, QLatin1String(k.name)), RaumNie::text(k.nie));
        if (k.knopf->toolTip() == text)
            continue;
        k.knopf->setIcon(zeichenFuer(k.fehler > 0, !k.nie.isEmpty()));
        k.knopf->setIconSize(QSize(10, 10));
        k.knopf->setToolTip(text);
    }
}
