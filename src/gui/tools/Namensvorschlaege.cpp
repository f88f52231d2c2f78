#include "Namensvorschlaege.h"

#include "namen/Spielnamen.h"
#include "spiel/Pruefdienst.h"

#include <QLineEdit>
#include <QStringListModel>

Namensvorschlaege::Namensvorschlaege(Pruefdienst& dienst, QLineEdit* feld)
    : QCompleter(feld), dienst(dienst), feld(feld), namen(new QStringListModel(this))
{
    setModel(namen);
    setCaseSensitivity(Qt::CaseInsensitive);
    setFilterMode(Qt::MatchContains);
    setCompletionMode(QCompleter::PopupCompletion);
    setMaxVisibleItems(12);
    feld->setCompleter(this);
    connect(&dienst, &Pruefdienst::geaendert, this, [this] {
        veraltet = true;
        if (this->feld->isVisible())
            auffrischen();
    });
}

void Namensvorschlaege::anbieten(NamensArt neueArt, const QString& neueDatei)
{
    if (!veraltet && neueArt == art && neueDatei == datei)
        return;
    art = neueArt;
    datei = neueDatei;
    auffrischen();
}

void Namensvorschlaege::auffrischen()
{
    veraltet = false;
    namen->setStringList(Spielnamen::namen(dienst.spiel(), art, datei));
}
