#include "Pruefdienst.h"

#include "SpielLeser.h"

#include <QDir>
#include <QFileInfo>

Pruefdienst::Pruefdienst(const Module1& ordner, QObject* parent) : QObject(parent)
{
    pfade.setzeOrdner(ordner.AppPfad);
}

Pruefdienst::~Pruefdienst()
{
    abbrechen = true;
    if (leser.joinable())
        leser.join();
}

void Pruefdienst::lesen(int threads)
{
    if (leser.joinable())
        return;
    leser = std::thread([this, threads] {
        auto spiel = std::make_shared<Spielpruefung>(
            SpielLeser::spielLesen(pfade, &abbrechen, threads, true));
        if (abbrechen)
            return;
        // Delivered on the window's thread; dropped there when this is gone by then.
        QMetaObject::invokeMethod(
            this, [this, spiel] { gelesen(spiel); }, Qt::QueuedConnection);
    });
}

void Pruefdienst::gelesen(const std::shared_ptr<Spielpruefung>& spiel)
{
    leser.join();
    stand = std::move(*spiel);
    for (const QString& datei : std::as_const(spaeter))
        nachlesen(datei);
    spaeter.clear();
    istBereit = true;
    Q_EMIT bereitGeworden();
    Q_EMIT geaendert();
}

QString Pruefdienst::relativ(const QString& pfad) const
{
    const QFileInfo datei(QDir::cleanPath(QDir::isAbsolutePath(pfad) ? pfad : pfade.pfad(pfad)));
    const QString ordner = datei.path();
    const QString name = datei.fileName();
    // Only files right in "rooms" and "items" belong to the game, as their lists show them,
    // named as the lists name them whatever the folders' letter case on disk.
    if (ordner == QDir::cleanPath(pfade.raeumeOrdner()) &&
        name.endsWith(QLatin1String(".lsd"), Qt::CaseInsensitive))
        return QDir::toNativeSeparators(QStringLiteral("rooms/") + name);
    if (ordner == QDir::cleanPath(pfade.ItemsPfad) &&
        name.endsWith(QLatin1String(".skp"), Qt::CaseInsensitive))
        return QDir::toNativeSeparators(QStringLiteral("items/") + name);
    return {};
}

void Pruefdienst::dateiGeaendert(const QString& pfad)
{
    const QString datei = relativ(pfad);
    if (datei.isEmpty())
        return;
    if (!istBereit) {
        spaeter.insert(datei);
        return;
    }
    nachlesen(datei);
    Q_EMIT geaendert();
}

void Pruefdienst::nachlesen(const QString& datei)
{
    if (QFileInfo(pfade.pfad(datei)).isFile())
        stand.setzen(SpielLeser::lesen(pfade, datei));
    else
        stand.entfernen(datei);
}
