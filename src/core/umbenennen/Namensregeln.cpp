// What a new name must be so that the files can hold it and Windows accepts it.
#include "Namensregeln.h"

#include "roomfile/Cp1252.h"

#include <QRegularExpression>

namespace Namensregeln {

QString textFehler(const QString& name)
{
    if (name.isEmpty())
        return QStringLiteral("Der neue Name ist leer.");
    if (Cp1252::isStorableText(name))
        return QString();
    for (const QChar c : name) {
        if (c == QLatin1Char('"'))
            return QStringLiteral("Der neue Name enthält ein Anführungszeichen, das eine Datei "
                                  "des Spiels nicht aufnehmen kann.");
        if (c.unicode() < 0x20 || c.unicode() == 0x7F ||
            (c.unicode() >= 0x80 && c.unicode() < 0xA0))
            return QStringLiteral("Der neue Name enthält einen Zeilenumbruch oder ein anderes "
                                  "Steuerzeichen, das eine Datei des Spiels nicht aufnehmen kann.");
        if (!Cp1252::canEncode(QString(c)))
            return QStringLiteral("Der neue Name enthält das Zeichen \"%1\", das es in den "
                                  "Dateien des Spiels (Windows-1252) nicht gibt.")
                .arg(c);
    }
    return QString();
}

QString dateiFehler(const QString& name)
{
    const QString text = textFehler(name);
    if (!text.isNull())
        return text;
    for (const char* verboten : {"/", "\\", "<", ">", ":", "|", "?", "*"}) {
        if (name.contains(QLatin1String(verboten)))
            return QStringLiteral("Der neue Name enthält \"%1\", das in einem Dateinamen unter "
                                  "Windows nicht stehen darf.")
                .arg(QLatin1String(verboten));
    }
    if (name == QStringLiteral(".") || name == QStringLiteral(".."))
        return QStringLiteral("Der neue Name ist kein Dateiname.");
    if (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')))
        return QStringLiteral("Der neue Name endet mit einem Punkt oder Leerzeichen, was Windows "
                              "in Dateinamen nicht erlaubt.");
    // Windows keeps these names for devices, with any ending and in any letter case.
    static const QRegularExpression geraet(
        QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9]) *(\\..*)?$"),
        QRegularExpression::CaseInsensitiveOption);
    if (geraet.match(name).hasMatch())
        return QStringLiteral("Den Namen \"%1\" hält Windows für ein Gerät frei; eine Datei kann "
                              "so nicht heißen.")
            .arg(name);
    return QString();
}

QString endung(const QString& name)
{
    const qsizetype punkt = name.lastIndexOf(QLatin1Char('.'));
    return punkt < 0 ? QString() : name.mid(punkt);
}

QString endungsFehler(const QString& alt, const QString& neu)
{
    const QString vorher = endung(alt);
    if (vorher.compare(endung(neu), Qt::CaseInsensitive) == 0)
        return QString();
    if (vorher.isEmpty())
        return QStringLiteral("Der neue Name bekommt keine Endung: Der alte hatte keine.");
    return QStringLiteral("Der neue Name muss wie der alte auf \"%1\" enden.").arg(vorher);
}

QString mitEndungWie(const QString& gespeichert, const QString& neu)
{
    const QString wie = endung(gespeichert);
    if (!wie.isEmpty() && wie.compare(endung(neu), Qt::CaseInsensitive) == 0)
        return neu.chopped(wie.size()) + wie;
    return neu;
}

bool istBild(const QString& name)
{
    const QString e = endung(name).toLower();
    return e == QStringLiteral(".bmp") || e == QStringLiteral(".jpg") || e == QStringLiteral(".gif");
}

} // namespace Namensregeln
