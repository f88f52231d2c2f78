// How the script editor shows script lines: their text and indentation.
#include "Zeilen.h"

#include "Befehlstabelle.h"

namespace Zeilen {

QVector<int> einzuege(const Skript& skript)
{
    using namespace Befehlstabelle;
    QVector<int> einzug(qMax(skript.MaxZeile + 1, 0));
    int tiefe = 0;
    for (qint32 i = 0; i <= skript.MaxZeile; ++i) {
        const qint32 code = skript.Befehl[i];
        if (code == Else || code == EndIf || code == Case || code == EndSelect)
            tiefe = qMax(tiefe - 3, 0);
        einzug[i] = tiefe;
        if (code == If || code == IfItem || code == Else || code == SelectCase || code == Case)
            tiefe += 3;
    }
    return einzug;
}

QString text(int einzug, qint32 code, const QString& parameter)
{
    return QString(einzug, QLatin1Char(' ')) + Befehlstabelle::CommandKeyword(code) +
           QLatin1Char(' ') + parameter;
}

} // namespace Zeilen
