#include "StorableTextValidator.h"

#include "model/DateiName.h"
#include "roomfile/Cp1252.h"

StorableTextValidator::StorableTextValidator(bool fileNameOnly, QObject* parent)
    : QValidator(parent), fileNameOnly(fileNameOnly)
{
}

QValidator::State StorableTextValidator::validate(QString& input, int&) const
{
    return Cp1252::isStorableText(fileNameOnly ? DateiName(input) : input) ? Acceptable : Invalid;
}
