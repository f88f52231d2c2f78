// What a room file stores for a background picture the author chose.
#include "HintergrundWahl.h"

#include "Cp1252.h"
#include "model/DateiName.h"
#include "model/Module1.h"

#include <QDir>
#include <QFileInfo>

namespace HintergrundWahl {

Ergebnis pruefen(const QString& gewaehlt, const QString& graphicsPfad)
{
    QString pfad = gewaehlt;
    if (pfad.size() > Module1::HintergrundLaenge &&
        DateiName(pfad).size() <= Module1::HintergrundLaenge &&
        QFileInfo(pfad).absolutePath() == QFileInfo(graphicsPfad).absolutePath())
        pfad = DateiName(pfad);
    if (!Cp1252::isStorableText(pfad))
        return {QString(),
                QStringLiteral("Der Pfad %1 enthält Zeichen, die eine Raumdatei nicht speichern "
                               "kann. Bitte benennen Sie die Datei oder ihren Ordner um.")
                    .arg(QDir::toNativeSeparators(pfad))};
    if (pfad.size() > Module1::HintergrundLaenge)
        return {QString(),
                QStringLiteral("Der Pfad %1 ist länger als die 100 Zeichen, die eine Raumdatei "
                               "für das Hintergrundbild speichern kann. Bitte legen Sie das Bild "
                               "in einen Ordner mit kürzerem Pfad.")
                    .arg(QDir::toNativeSeparators(pfad))};
    return {pfad, QString()};
}

} // namespace HintergrundWahl
