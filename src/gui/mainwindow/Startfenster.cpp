// The first window of an editor without a game: a game opened, a new one, or the example.
#include "Startfenster.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

Startfenster::Startfenster(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Startfenster"));
    setWindowTitle(QStringLiteral("Willkommen bei Tarnholm"));

    auto* kopf = new QLabel(QStringLiteral("Willkommen beim Raumeditor von Tarnholm"), this);
    QFont gross = kopf->font();
    gross.setBold(true);
    // The editor's look may give its font in pixels.
    if (gross.pointSizeF() > 0)
        gross.setPointSizeF(gross.pointSizeF() * 1.25);
    else
        gross.setPixelSize(gross.pixelSize() * 5 / 4);
    kopf->setFont(gross);
    auto* einleitung = new QLabel(
        QStringLiteral("Es ist noch kein Spielordner gewählt. Ein Spielordner hält die Räume, "
                       "Bilder und Klänge eines Spiels in sieben Unterordnern."),
        this);
    einleitung->setWordWrap(true);

    auto* wahlen = new QGridLayout;
    wahlen->setHorizontalSpacing(16);
    const auto knopf = [&](const char* name, const QString& text, const QString& erklaerung,
                           Wahl wahl) {
        auto* k = new QPushButton(text, this);
        k->setObjectName(QString::fromLatin1(name));
        auto* e = new QLabel(erklaerung, this);
        e->setWordWrap(true);
        e->setBuddy(k);
        const int zeile = wahlen->rowCount();
        wahlen->addWidget(k, zeile, 0);
        wahlen->addWidget(e, zeile, 1);
        connect(k, &QPushButton::clicked, this, [this, wahl] {
            gewaehlt = wahl;
            accept();
        });
        return k;
    };
    const QList<QPushButton*> knoepfe{
        knopf("knopfOeffnen", QStringLiteral("Spiel ö&ffnen…"),
              QStringLiteral("Einen Spielordner öffnen, der schon da ist."), Wahl::Oeffnen),
        knopf("knopfNeu", QStringLiteral("&Neues Spiel…"),
              QStringLiteral("Ein leeres Spiel in einem neuen oder leeren Ordner anlegen."),
              Wahl::Neu),
        knopf("knopfBeispiel", QStringLiteral("&Beispielspiel…"),
              QStringLiteral("Das Beispielspiel in einen neuen oder leeren Ordner kopieren und "
                             "ausprobieren."),
              Wahl::Beispiel)};
    knoepfe[0]->setDefault(true);
    // One width for the three, so that they read as one column of choices.
    int breite = 0;
    for (const QPushButton* k : knoepfe)
        breite = std::max(breite, k->sizeHint().width());
    for (QPushButton* k : knoepfe)
        k->setMinimumWidth(breite);
    wahlen->setColumnStretch(1, 1);

    auto* unten = new QDialogButtonBox(this);
    QPushButton* abbrechen =
        unten->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    abbrechen->setObjectName(QStringLiteral("knopfAbbrechen"));
    connect(unten, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* aufbau = new QVBoxLayout(this);
    aufbau->addWidget(kopf);
    aufbau->addWidget(einleitung);
    aufbau->addSpacing(8);
    aufbau->addLayout(wahlen);
    aufbau->addStretch();
    aufbau->addWidget(unten);
    resize(560, sizeHint().height());
}
