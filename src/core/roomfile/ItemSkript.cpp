// The script files of the items: their names, reading and writing.
#include "ItemSkript.h"

#include "ItemReader.h"
#include "ItemWriter.h"
#include "ScriptBlock.h"

namespace ItemSkript {

QString dateiName(const QString& bildPfad, int aktion)
{
    return bildPfad.chopped(std::min<qsizetype>(4, bildPfad.size())) + QString::number(aktion) +
           QStringLiteral(".skp");
}

int aktionVon(const QString& skriptPfad)
{
    const QChar ziffer = skriptPfad.size() > 4 ? skriptPfad.at(skriptPfad.size() - 5) : QChar();
    return ziffer >= QLatin1Char('0') && ziffer <= QLatin1Char('2') ? ziffer.digitValue() : 0;
}

Skript vorgabe(int aktion)
{
    return aktion == 2 ? Skript::interagiereVorgabe() : Skript();
}

LeseErgebnis lesen(const QByteArray& bytes, Skript& skript, ScriptBlock::Beobachter* beobachter)
{
    skript.leeren();
    ItemReader r(bytes);
    LeseErgebnis e;
    e.vollstaendig = ScriptBlock::read(r, skript, beobachter);
    if (!e.vollstaendig)
        e.zeile = r.line();
    return e;
}

QByteArray schreiben(const Skript& skript)
{
    QByteArray out;
    ItemWriter w(out);
    ScriptBlock::write(w, skript);
    return out;
}

} // namespace ItemSkript
