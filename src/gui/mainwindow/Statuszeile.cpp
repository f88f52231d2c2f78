#include "Statuszeile.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

Statuszeile::Statuszeile(QWidget* parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("Statuszeile"));
    setSizeGripEnabled(false);
    setFixedHeight(22);
    zeile = new QLabel(this);
    zeile->setObjectName(QStringLiteral("StatusText"));
    addWidget(zeile, 1);
    knoepfe = new QWidget(this);
    knopfLayout = new QHBoxLayout(knoepfe);
    knopfLayout->setContentsMargins(0, 0, 2, 0);
    knopfLayout->setSpacing(4);
    addPermanentWidget(knoepfe);
}

void Statuszeile::melden(const QString& text, const QVector<Angebot>& angebote)
{
    zeile->setText(text);
    zeile->setToolTip(text);
    while (QLayoutItem* alt = knopfLayout->takeAt(0)) {
        // A button may be the one whose click brought this here.
        alt->widget()->hide();
        alt->widget()->deleteLater();
        delete alt;
    }
    for (const Angebot& a : angebote) {
        auto* knopf = new QPushButton(a.text, knoepfe);
        knopf->setFixedHeight(17);
        knopf->setMinimumWidth(knopf->fontMetrics().horizontalAdvance(knopf->text()) + 16);
        connect(knopf, &QPushButton::clicked, this, [this, tun = a.tun] {
            leeren();
            tun();
        });
        knopfLayout->addWidget(knopf);
        knopf->show();
    }
}

QString Statuszeile::text() const
{
    return zeile->text();
}

QStringList Statuszeile::angebote() const
{
    QStringList texte;
    for (int i = 0; i < knopfLayout->count(); ++i)
        texte << static_cast<QPushButton*>(knopfLayout->itemAt(i)->widget())->text();
    return texte;
}
