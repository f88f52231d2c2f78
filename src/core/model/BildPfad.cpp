// Picture names and paths as the room file and the game compare them.
#include "BildPfad.h"

#include "DateiName.h"
#include "FindeDatei.h"
#include "Module1.h"

#include <QDir>
#include <QFileInfo>

QStringView ohneLeerzeichen(QStringView text)
{
    qsizetype anfang = 0;
    qsizetype ende = text.size();
    while (anfang < ende && text.at(anfang) == QLatin1Char(' '))
        ++anfang;
    while (ende > anfang && text.at(ende - 1) == QLatin1Char(' '))
        --ende;
    return text.mid(anfang, ende - anfang);
}

QString ohneLeerzeichen(const QString& text)
{
    const QStringView ohne = ohneLeerzeichen(QStringView(text));
    return ohne.size() == text.size() ? text : ohne.toString();
}

QString bildFinden(const QString& bild, const Module1& raum, DateiSuche* suche)
{
    // The program folder is the current directory only by convention; ask it by name.
    const QString wie = QDir::isAbsolutePath(bild) ? bild : raum.AppPfad + bild;
    if (QFileInfo(wie).isFile())
        return wie;
    const QString name = DateiName(bild);
    return suche ? suche->finde(raum.GraphicsPfad, name) : findeDatei(raum.GraphicsPfad, name);
}

QString bildPfad(const QString& bild, const Module1& raum, DateiSuche* suche)
{
    const QString gefunden = bildFinden(bild, raum, suche);
    return gefunden.isEmpty() ? raum.GraphicsPfad + DateiName(bild) : gefunden;
}
