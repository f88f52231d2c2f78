#include "BildPfad.h"

#include "DateiName.h"
#include "FindeDatei.h"
#include "Module1.h"

#include <QDir>
#include <QFileInfo>

QString ohneLeerzeichen(const QString& text)
{
    qsizetype anfang = 0;
    qsizetype ende = text.size();
    while (anfang < ende && text.at(anfang) == QLatin1Char(' '))
        ++anfang;
    while (ende > anfang && text.at(ende - 1) == QLatin1Char(' '))
        --ende;
    return text.mid(anfang, ende - anfang);
}

QString bildPfad(const QString& bild, const Module1& raum)
{
    // The program folder is the current directory only by convention; ask it by name.
    const QString wie = QDir::isAbsolutePath(bild) ? bild : raum.AppPfad + bild;
    if (QFileInfo(wie).isFile())
        return wie;
    const QString name = DateiName(bild);
    const QString gefunden = findeDatei(raum.GraphicsPfad, name);
    return gefunden.isEmpty() ? raum.GraphicsPfad + name : gefunden;
}
