#include "StorableTextValidator.h"

#include "Desktop.h"
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
                           QStringLiteral("Anführungszeichen, Zeilenumbrüche, Steuerzeichen "
                                          "(etwa Tabulatoren) und Zeichen außerhalb von "
                                          "Windows-1252 kann eine Raumdatei nicht speichern."),
                           box);
    });
}

bool StorableTextValidator::fileNameAccepted(Desktop& desktop, QWidget* parent, const QString& path)
{
    const QString name = DateiName(path);
    if (Cp1252::isStorableText(name))
        return true;
    desktop.warn(parent, QStringLiteral("Der Dateiname %1 enthält Zeichen, die eine Raumdatei "
                                        "nicht speichern kann. Bitte benennen Sie die Datei um.")
                             .arg(name));
    return false;
}
