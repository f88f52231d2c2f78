// A place where both sides of a merge changed the same thing differently.
#include "Konflikt.h"

#include "Textform.h"

namespace {

QString zeilenAngabe(qint32 ab, qint32 anzahl)
{
    if (anzahl == 1)
        return QStringLiteral("Zeile %1").arg(ab + 1);
    if (anzahl > 1)
        return QStringLiteral("Zeilen %1 bis %2").arg(ab + 1).arg(ab + anzahl);
    return ab == 0 ? QStringLiteral("am Anfang") : QStringLiteral("nach Zeile %1").arg(ab);
}

} // namespace

QString Konflikt::unsereStelle() const
{
    return zeilenAngabe(unsereAb, unsereZeilen.MaxZeile + 1);
}

QString Konflikt::derenStelle() const
{
    return zeilenAngabe(derenAb, derenZeilen.MaxZeile + 1);
}

QString Konflikt::beschreibung() const
{
    const QString wer = QStringLiteral("HotSpot „%1“").arg(hotSpot);
    switch (art) {
    case Art::Hintergrund:
        return QStringLiteral("Hintergrund");
    case Art::Name:
        return wer + QStringLiteral(", Name");
    case Art::Aktion:
        return wer + QStringLiteral(", Aktion „%1“").arg(Textform::aktionsName(aktion));
    case Art::Aktiv:
        return wer + QStringLiteral(", Aktiv");
    case Art::Cursor:
        return wer + QStringLiteral(", Cursor");
    case Art::Zeilen: {
        const QString zeilen = unsereStelle();
        switch (skript) {
        case Skriptart::Start:
            return QStringLiteral("Startskript, ") + zeilen;
        case Skriptart::Timer:
            return QStringLiteral("Timerskript, ") + zeilen;
        case Skriptart::HotSpot:
            return wer + QStringLiteral(", Skript „%1“, ").arg(Textform::aktionsName(aktion)) +
                   zeilen;
        case Skriptart::Item:
            return zeilen.at(0).toUpper() + zeilen.mid(1);
        }
        break;
    }
    case Art::Geloescht:
        return wer + (unsererDa ? QStringLiteral(": von ihnen gelöscht, von uns geändert")
                                : QStringLiteral(": von uns gelöscht, von ihnen geändert"));
    case Art::Hinzugefuegt:
        return wer + QStringLiteral(": auf beiden Seiten verschieden hinzugefügt");
    case Art::Datei:
        return QStringLiteral("%1 Fassung kann nicht bis zum Ende gelesen werden: %2")
            .arg(datei == QLatin1String("BASIS")    ? QStringLiteral("Die gemeinsame")
                 : datei == QLatin1String("UNSERE") ? QStringLiteral("Unsere")
                                                    : QStringLiteral("Deren"),
                 Textform::abbruch(zeile));
    }
    return {};
}
