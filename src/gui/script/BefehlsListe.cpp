#include "BefehlsListe.h"

#include "ZeilenListe.h"

#include <QKeyEvent>

BefehlsListe::BefehlsListe(std::function<void()> einfuegen, QWidget* parent)
    : QListWidget(parent), einfuegen(std::move(einfuegen))
{
}

void BefehlsListe::focusInEvent(QFocusEvent* event)
{
    QListWidget::focusInEvent(event);
    nurGewaehlteZeileAktuell(*this);
}

void BefehlsListe::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && gewaehlteZeile(*this) >= 0)
        einfuegen();
    else
        QListWidget::keyPressEvent(event);
}
