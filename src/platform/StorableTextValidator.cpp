#include "StorableTextValidator.h"

#include "model/DateiName.h"
#include "roomfile/Cp1252.h"

#include <QLineEdit>
#include <QToolTip>

StorableTextValidator::StorableTextValidator(bool fileNameOnly, QObject* parent)
    : QValidator(parent), fileNameOnly(fileNameOnly)
{
}

QValidator::State StorableTextValidator::validate(QString& input, int&) const
{
    return Cp1252::isStorableText(fileNameOnly ? DateiName(input) : input) ? Acceptable : Invalid;
}

void StorableTextValidator::attach(QLineEdit* box, bool fileNameOnly)
{
    box->setValidator(new StorableTextValidator(fileNameOnly, box));
    QObject::connect(box, &QLineEdit::inputRejected, box, [box] {
        QToolTip::showText(box->mapToGlobal(QPoint(0, box->height())),
                           QStringLiteral("Anführungszeichen, Zeilenumbrüche und Zeichen "
                                          "außerhalb von Windows-1252 kann eine Raumdatei "
                                          "nicht speichern."),
                           box);
    });
}
