// Which game folder the editor and the programs beside it work in.
#include "Spielordner.h"

#include "model/Unterordner.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace Spielordner {

namespace {

Wahl gefunden(const QString& ordner)
{
    return {Wahl::Art::Gefunden, eindeutig(ordner), {}};
}

} // namespace

bool istSpielordner(const QString& ordner)
{
    return !ordner.isEmpty() && !Unterordner::finden(ordner, QStringLiteral("rooms")).isNull();
}

QString eindeutig(const QString& ordner)
{
    const QFileInfo info(ordner);
    const QString echt = info.canonicalFilePath();
    return echt.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : echt;
}

QString warumNicht(const QString& ordner)
{
    const QString zeigbar = QDir::toNativeSeparators(QDir::cleanPath(ordner));
    if (!QFileInfo(ordner).isDir())
        return QStringLiteral("Den Ordner %1 gibt es nicht.").arg(zeigbar);
    if (istSpielordner(ordner))
        return {};
    // The likeliest slip: the rooms themselves chosen.
    const QFileInfo sauber(QDir::cleanPath(QFileInfo(ordner).absoluteFilePath()));
    const QString darueber = sauber.path();
    if (sauber.fileName().compare(QLatin1String("rooms"), Qt::CaseInsensitive) == 0 &&
        istSpielordner(darueber))
        return QStringLiteral("%1 ist der Ordner „rooms“ eines Spiels. Der Spielordner ist der "
                              "Ordner darüber, %2.")
            .arg(zeigbar, QDir::toNativeSeparators(darueber));
    return QStringLiteral("%1 ist kein Spielordner: Ihm fehlt der Unterordner „rooms“.")
        .arg(zeigbar);
}

QString vonDatei(const QString& datei)
{
    if (datei.isEmpty())
        return {};
    const QFileInfo unter(QFileInfo(datei).absolutePath());
    const QString name = unter.fileName().toCaseFolded();
    if (name != QLatin1String("rooms") && name != QLatin1String("items"))
        return {};
    const QString ordner = unter.absolutePath();
    return istSpielordner(ordner) ? eindeutig(ordner) : QString();
}

Wahl fuerEditor(const Start& start)
{
    if (!start.angegeben.isEmpty()) {
        const QString warum = warumNicht(start.angegeben);
        return warum.isEmpty() ? gefunden(start.angegeben) : Wahl{Wahl::Art::Fehler, {}, warum};
    }
    if (istSpielordner(start.programmOrdner))
        return gefunden(start.programmOrdner);
    if (const QString ordner = vonDatei(start.datei); !ordner.isEmpty())
        return gefunden(ordner);
    for (const QString& ordner : start.zuletzt) {
        if (istSpielordner(ordner))
            return gefunden(ordner);
    }
    return {};
}

Wahl fuerProgramm(const QString& angegeben, const QString& programmOrdner, const QString& aktuell,
                  const QString& programm)
{
    if (!angegeben.isEmpty()) {
        const QString warum = warumNicht(angegeben);
        return warum.isEmpty() ? gefunden(angegeben) : Wahl{Wahl::Art::Fehler, {}, warum};
    }
    for (const QString& ordner : {programmOrdner, aktuell}) {
        if (istSpielordner(ordner))
            return gefunden(ordner);
    }
    const QString wo =
        eindeutig(programmOrdner) == eindeutig(aktuell)
            ? QStringLiteral("Der Ordner %1, in dem %2 liegt und aufgerufen wurde, ist kein")
                  .arg(QDir::toNativeSeparators(programmOrdner), programm)
            : QStringLiteral("Weder der Ordner %1, in dem %2 liegt, noch der aktuelle Ordner %3 "
                             "ist ein")
                  .arg(QDir::toNativeSeparators(programmOrdner), programm,
                       QDir::toNativeSeparators(aktuell));
    return {Wahl::Art::Fehler,
            {},
            wo + QStringLiteral(" Spielordner (ein Ordner mit dem Unterordner „rooms“). Geben Sie "
                                "den Spielordner an.")};
}

QString datenOrdner(const QString& spielordner)
{
    // One folder whichever program asks and however the game folder was named.
    const QByteArray schluessel =
        QCryptographicHash::hash(eindeutig(spielordner).toUtf8(), QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Tarnholm - Editor/Wiederherstellung/") +
           QString::fromLatin1(schluessel);
}

} // namespace Spielordner
