#include "Zoom.h"

#include "ZoomBild.h"
#include "model/BildPfad.h"
#include "model/DateiName.h"
#include "model/FindeDatei.h"
#include "model/Module1.h"
#include "platform/BildDatei.h"

#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>

Zoom::Zoom(Module1& raum, QWidget* parent) : QDialog(parent), m(raum)
{
    setObjectName(QStringLiteral("Zoom"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    flaeche = new QScrollArea(this);
    flaeche->setFrameShape(QFrame::NoFrame);
    picture1 = new ZoomBild;
    flaeche->setWidget(picture1);
    connect(picture1, &ZoomBild::bewegt, this, [this](const QPoint& p) {
        setWindowTitle(QStringLiteral("Zoom - %1,%2").arg(p.x()).arg(p.y()));
    });
    connect(picture1, &ZoomBild::losgelassen, this, &Zoom::losgelassen);

    hinweis = new QLabel(this);
    hinweis->setObjectName(QStringLiteral("Hinweis"));
    hinweis->setWordWrap(true);
    hinweis->setAlignment(Qt::AlignCenter);
    hinweis->setMargin(12);
}

void Zoom::laden()
{
    setWindowTitle(QStringLiteral("Zoom"));
    const QString name = DateiName(ohneLeerzeichen(m.Hintergrund()));
    const QString pfad = findeDatei(m.GraphicsPfad, name);
    const QImage bild = pfad.isEmpty() ? QImage() : BildDatei::laden(pfad);
    if (bild.isNull()) {
        picture1->setBild(QImage());
        flaeche->hide();
        if (name.isEmpty())
            hinweis->setText(QStringLiteral("Dieser Raum hat noch kein Hintergrundbild."));
        else if (pfad.isEmpty())
            hinweis->setText(
                QStringLiteral("Das Bild „%1“ steht nicht im Ordner „graphics“.").arg(name));
        else
            hinweis->setText(QStringLiteral("Das Bild „%1“ kann nicht gelesen werden.").arg(name));
        hinweis->setText(hinweis->text() +
                         QStringLiteral(" Ohne Bild kann keine Ecke gewählt werden."));
        hinweis->setGeometry(0, 0, 300, 90);
        hinweis->show();
        setFixedSize(hinweis->size());
        return;
    }
    hinweis->hide();
    picture1->setBild(bild);

    // The client area is the picture; one larger than the screen scrolls.
    const QSize frei =
        (screen() ? screen()->availableGeometry().size() : QSize(1024, 768)) - QSize(16, 48);
    const int leiste = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    bool quer = bild.width() > frei.width();
    bool hoch = bild.height() > frei.height();
    hoch = hoch || (quer && bild.height() + leiste > frei.height());
    quer = quer || (hoch && bild.width() + leiste > frei.width());
    const QSize groesse(qMin(bild.width() + (hoch ? leiste : 0), frei.width()),
                        qMin(bild.height() + (quer ? leiste : 0), frei.height()));
    flaeche->setGeometry(QRect(QPoint(0, 0), groesse));
    flaeche->show();
    setFixedSize(groesse);
}

void Zoom::losgelassen(Qt::MouseButton knopf, const QPoint& punkt)
{
    if (knopf == Qt::LeftButton) {
        m.ZoomX1 = punkt.x();
        m.ZoomY1 = punkt.y();
    } else {
        m.ZoomX2 = punkt.x();
        m.ZoomY2 = punkt.y();
    }
    picture1->setUmriss(QPoint(m.ZoomX1, m.ZoomY1), QPoint(m.ZoomX2, m.ZoomY2));
}
