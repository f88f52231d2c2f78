// Names as the command line gives them, and their uses as it prints them.
#include "NamensAngabe.h"

#include "Befund.h"
#include "model/DateiName.h"
#include "spiel/Spielpruefung.h"

#include <QDir>

namespace NamensAngabe {
namespace {

/// Which script of `d` the text names; -1 for every one, -2 for none.
int skriptAus(const SpielDatei& d, const QString& text)
{
    if (text.isEmpty())
        return -1;
    using Art = RoomFile::SkriptOrt::Art;
    if (text.compare(QStringLiteral("Startskript"), Qt::CaseInsensitive) == 0)
        return d.skriptBei({Art::Start});
    if (text.compare(QStringLiteral("Timerskript"), Qt::CaseInsensitive) == 0)
        return d.skriptBei({Art::Timer});
    const qsizetype strich = text.lastIndexOf(QLatin1Char('/'));
    if (strich < 0)
        return -2;
    const QString name = text.left(strich);
    const QString aktionText = text.mid(strich + 1);
    static const char* const aktionen[] = {"Sieh an!", "Tue", "Interagiere"};
    int aktion = -1;
    for (int k = 0; k < 3; ++k) {
        if (aktionText.compare(QLatin1String(aktionen[k]), Qt::CaseInsensitive) == 0 ||
            aktionText == QString::number(k + 1))
            aktion = k;
    }
    for (qint32 h = 0; h < d.hotSpots.size() && aktion >= 0; ++h) {
        if (d.hotSpots[h].name == name)
            return d.skriptBei({Art::HotSpot, h, aktion});
    }
    return -2;
}

} // namespace

QString datei(const Spielpruefung& spiel, const QString& name)
{
    const QString gesucht = QDir::toNativeSeparators(name);
    if (spiel.datei(gesucht))
        return gesucht;
    const QString schluessel = dateiSchluessel(name);
    for (const std::shared_ptr<const SpielDatei>& d : spiel.dateien()) {
        if (!schluessel.isEmpty() && dateiSchluessel(d->datei) == schluessel)
            return d->datei;
    }
    return QString();
}

std::optional<Verwendungssuche::Anfrage> lesen(const Spielpruefung& spiel, const QString& angabe,
                                               QString& fehler)
{
    const qsizetype doppelpunkt = angabe.indexOf(QLatin1Char(':'));
    const std::optional<NamensArt> art =
        Verwendungssuche::artAusWort(doppelpunkt < 0 ? angabe : angabe.left(doppelpunkt));
    if (doppelpunkt < 0 || !art) {
        fehler = QStringLiteral("\"%1\" ist nicht ART:NAME mit ART flag, gegenstand, raum, bild, "
                                "ton, hotspot, label oder text.")
                     .arg(angabe);
        return std::nullopt;
    }
    Verwendungssuche::Anfrage a{*art, angabe.mid(doppelpunkt + 1), {}, -1};
    if (*art != NamensArt::HotSpot && *art != NamensArt::Label)
        return a;
    const QStringList teile = a.name.split(QLatin1Char(':'));
    const int vorn = *art == NamensArt::HotSpot ? 1 : 2;
    if (teile.size() <= vorn) {
        fehler = *art == NamensArt::HotSpot
                     ? QStringLiteral("Ein HotSpot wird als hotspot:RAUMDATEI:NAME angegeben.")
                     : QStringLiteral("Eine Marke wird als label:DATEI:SKRIPT:NAME angegeben.");
        return std::nullopt;
    }
    a.datei = datei(spiel, teile[0]);
    const std::shared_ptr<const SpielDatei> d = a.datei.isNull() ? nullptr : spiel.datei(a.datei);
    if (!d || (*art == NamensArt::HotSpot && !d->raum)) {
        fehler = QStringLiteral("Das Spiel hat keine %1 \"%2\".")
                     .arg(*art == NamensArt::HotSpot ? QStringLiteral("Raumdatei")
                                                     : QStringLiteral("Raumdatei und kein "
                                                                      "Gegenstandsskript"),
                          teile[0]);
        return std::nullopt;
    }
    if (*art == NamensArt::Label) {
        a.skript = skriptAus(*d, teile[1]);
        if (a.skript == -2) {
            fehler = QStringLiteral("%1 hat kein Skript \"%2\".")
                         .arg(QDir::fromNativeSeparators(a.datei), teile[1]);
            return std::nullopt;
        }
    }
    a.name = teile.mid(vorn).join(QLatin1Char(':'));
    return a;
}

QString text(const Verwendungssuche::Anfrage& anfrage,
             const QVector<Verwendungssuche::Verwendung>& verwendungen, bool gcc)
{
    QString t;
    QString datei;
    int dateien = 0;
    for (const Verwendungssuche::Verwendung& v : verwendungen) {
        const SkriptStelle& s = v.stelle;
        const QString wo =
            s.zeile < 0 ? (s.skript.isEmpty() ? QString() : s.skript + QStringLiteral(": "))
                        : (s.skript.isEmpty() ? QString() : s.skript + QStringLiteral(", ")) +
                              QStringLiteral("Zeile %1: ").arg(s.zeile + 1);
        const QString zeile = ohneSteuerzeichen(wo + s.zeilenText);
        if (gcc) {
            t += QStringLiteral("%1:%2: %3\n").arg(s.datei).arg(s.dateiZeile).arg(zeile);
            continue;
        }
        if (s.datei != datei) {
            datei = s.datei;
            ++dateien;
            t += datei + QLatin1Char('\n');
        }
        t += QStringLiteral("  ") + zeile + QLatin1Char('\n');
    }
    if (gcc)
        return t;
    const qsizetype n = verwendungen.size();
    return QStringLiteral("%1 \"%2\": %3 %4 in %5 %6\n")
               .arg(Verwendungssuche::artName(anfrage.art), ohneSteuerzeichen(anfrage.name))
               .arg(n)
               .arg(n == 1 ? QStringLiteral("Verwendung") : QStringLiteral("Verwendungen"))
               .arg(dateien)
               .arg(dateien == 1 ? QStringLiteral("Datei") : QStringLiteral("Dateien")) +
           t;
}

} // namespace NamensAngabe
