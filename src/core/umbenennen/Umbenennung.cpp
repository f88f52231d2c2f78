// A rename across the game, planned before anything is written.
#include "Umbenennung.h"

#include "Namensregeln.h"
#include "Planer.h"
#include "model/BildPfad.h"
#include "model/Unterordner.h"
#include "regeln/Namensbuch.h"
#include "roomfile/TextFile.h"
#include "script/Befehlstabelle.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace Umbenennung {

Spielzugriff Spielzugriff::aufPlatte(const QString& spielordner)
{
    const Unterordner ordner(QDir(spielordner).absolutePath());
    Spielzugriff z;
    z.lesen = [ordner](const QString& relativ) { return TextFile::read(ordner.pfad(relativ)); };
    z.eintraege = [ordner](const QString& unterordner) {
        QVector<Eintrag> eintraege;
        const QFileInfoList liste = QDir(ordner.pfad(unterordner))
                                        .entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                           QDir::System | QDir::NoDotAndDotDot,
                                                       QDir::Name);
        for (const QFileInfo& info : liste)
            eintraege.append({info.fileName(), info.isFile()});
        return eintraege;
    };
    return z;
}

Plan planen(const Spielpruefung& spiel, const Spielzugriff& zugriff, const Anfrage& anfrage)
{
    return Planer(spiel, zugriff, anfrage).machen();
}

QByteArray anwenden(const QByteArray& bytes, const QVector<Ersetzung>& ersetzungen)
{
    QByteArray neu;
    qsizetype groesse = bytes.size();
    for (const Ersetzung& e : ersetzungen)
        groesse += e.text.size() - e.laenge;
    neu.reserve(groesse);
    qsizetype pos = 0;
    for (const Ersetzung& e : ersetzungen) {
        neu.append(bytes.constData() + pos, e.anfang - pos);
        neu.append(e.text);
        pos = e.anfang + e.laenge;
    }
    neu.append(bytes.constData() + pos, bytes.size() - pos);
    return neu;
}

QString vorschauText(const Plan& plan)
{
    QString text = QStringLiteral("Umbenennen: ") + plan.was + QLatin1Char('\n');
    int zeilen = 0;
    for (const Datei& d : plan.dateien) {
        text += d.umbenannt() ? d.alt + QStringLiteral(" wird zu ") + d.neu : d.alt;
        text += QLatin1Char('\n');
        for (const Zeile& z : d.zeilen) {
            const QString wo =
                z.stelle.zeile < 0
                    ? QString()
                    : (z.stelle.skript.isEmpty() ? QString()
                                                 : z.stelle.skript + QStringLiteral(", ")) +
                          QStringLiteral("Zeile %1: ").arg(z.stelle.zeile + 1);
            text += QStringLiteral("  %1: %2%3\n")
                        .arg(z.stelle.dateiZeile)
                        .arg(wo, z.stelle.zeilenText);
            text +=
                QStringLiteral("  %1  %2%3\n")
                    .arg(QString(QString::number(z.stelle.dateiZeile).size(), QLatin1Char(' ')),
                         QString(wo.size() - 2, QLatin1Char(' ')) + QStringLiteral("→ "), z.neu);
            ++zeilen;
        }
    }
    return text + anzahl(plan.dateien.size(), QStringLiteral("Datei"), QStringLiteral("Dateien")) +
           QStringLiteral(", ") +
           anzahl(zeilen, QStringLiteral("Zeile"), QStringLiteral("Zeilen")) +
           QStringLiteral(".\n");
}

QString anzahl(qsizetype n, const QString& eins, const QString& mehr)
{
    return QString::number(n) + QLatin1Char(' ') + (n == 1 ? eins : mehr);
}

MarkenPlan markeUmbenennen(const Skript& skript, const QString& alt, const QString& neu)
{
    MarkenPlan plan;
    plan.skript = skript;
    const auto ablehnen = [&plan](const QString& grund) {
        plan.fehler = grund;
        plan.zeilen.clear();
        return plan;
    };
    QString grund = Namensregeln::textFehler(neu);
    if (!grund.isNull())
        return ablehnen(grund);
    if (neu != ohneLeerzeichen(neu))
        return ablehnen(QStringLiteral("Der neue Name beginnt oder endet mit einem Leerzeichen."));
    if (neu == alt)
        return ablehnen(QStringLiteral("Der neue Name ist derselbe wie der alte."));
    plan.zeilen = Verwendungssuche::markenZeilen(skript, alt);
    if (plan.zeilen.isEmpty())
        return ablehnen(
            QStringLiteral("Die Marke \"%1\" kommt in diesem Skript nicht vor.").arg(alt));
    const QString schluessel = Namensbuch::schluessel(neu);
    for (qint32 i = 0; i <= skript.MaxZeile; ++i) {
        const qint32 code = skript.Befehl[i];
        const QString& name = skript.Parameter[i];
        if (code != Befehlstabelle::Label && code != Befehlstabelle::Jump)
            continue;
        if (name == neu)
            return ablehnen(QStringLiteral("Die Marke \"%1\" gibt es in diesem Skript schon (Zeile "
                                           "%2).")
                                .arg(neu)
                                .arg(i + 1));
        if (name != alt && Namensbuch::schluessel(name) == schluessel)
            return ablehnen(QStringLiteral("Der neue Name \"%1\" unterscheidet sich von der Marke "
                                           "\"%2\", die es schon gibt, nur in Groß- und "
                                           "Kleinschreibung oder Leerzeichen.")
                                .arg(neu, name));
    }
    for (const qint32 z : std::as_const(plan.zeilen))
        plan.skript.Parameter[z] = neu;
    return plan;
}

} // namespace Umbenennung
