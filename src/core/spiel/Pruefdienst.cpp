// The checking service: what the editor knows of its game, kept up to date.
#include "Pruefdienst.h"

#include "Ordnerwache.h"
#include "git/GitKonflikte.h"

#include <QDir>
#include <QFileInfo>
#include <QThreadPool>

namespace {

bool gleicheBytes(const SpielDatei& a, const SpielDatei& b)
{
    return a.geoeffnet == b.geoeffnet && a.groesse == b.groesse && a.inhalt == b.inhalt;
}

} // namespace

Pruefdienst::Pruefdienst(const Module1& ordner, QObject* parent) : QObject(parent)
{
    pfade.setzeOrdner(ordner.AppPfad);
}

Pruefdienst::~Pruefdienst()
{
    abbrechen = true;
    wache.reset();
    if (leser.joinable())
        leser.join();
}

void Pruefdienst::lesen(int threads)
{
    if (wache)
        return;
    faeden = threads;
    wache = std::make_unique<Ordnerwache>(pfade.AppPfad);
    connect(wache.get(), &Ordnerwache::geaendert, this, &Pruefdienst::aufPlatte);
    connect(wache.get(), &Ordnerwache::anderesGeaendert, this, [this] {
        gitAusstehend = true;
        if (istBereit && !leser.joinable())
            nachlesenBeginnen();
    });
    // Read only once every file is watched: a change meanwhile would be lost.
    connect(wache.get(), &Ordnerwache::beobachtet, this, [this] {
        leser = std::thread([this] {
            auto spiel = std::make_shared<Spielpruefung>(
                SpielLeser::spielLesen(pfade, &abbrechen, faeden, true));
            const QStringList konflikte = konflikteLesen();
            const QString gitOrdner = GitKonflikte::gitOrdner(git, pfade.AppPfad);
            if (abbrechen)
                return;
            // Delivered on the window's thread; dropped there when this is gone by then.
            QMetaObject::invokeMethod(
                this, [this, spiel, konflikte, gitOrdner] { gelesen(spiel, konflikte, gitOrdner); },
                Qt::QueuedConnection);
        });
    });
    wache->starten();
}

QStringList Pruefdienst::konflikteLesen()
{
    return GitKonflikte::spielDateien(GitKonflikte::dateien(git, pfade.AppPfad));
}

void Pruefdienst::gelesen(const std::shared_ptr<Spielpruefung>& spiel, const QStringList& konflikte,
                          const QString& gitOrdner)
{
    leser.join();
    stand = std::move(*spiel);
    offen = konflikte;
    if (!gitOrdner.isEmpty())
        wache->auchBeobachten(gitOrdner);
    for (const QString& datei : std::as_const(spaeter))
        nachlesen(datei);
    spaeter.clear();
    istBereit = true;
    Q_EMIT bereitGeworden();
    Q_EMIT geaendert();
    // Changed while the game was read: read again, as far as the bytes differ.
    nachlesenBeginnen();
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
    if (leser.joinable())
        spaeter.insert(datei);
    if (!istBereit)
        return;
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

void Pruefdienst::aufPlatte(const QStringList& dateien, bool sonstige)
{
    for (const QString& datei : dateien)
        ausstehend.insert(QDir::toNativeSeparators(datei));
    sonstigeAusstehend = sonstigeAusstehend || sonstige;
    if (istBereit && !leser.joinable())
        nachlesenBeginnen();
}

void Pruefdienst::nachlesenBeginnen()
{
    if (ausstehend.isEmpty() && !sonstigeAusstehend && !gitAusstehend)
        return;
    const bool sonstige = std::exchange(sonstigeAusstehend, false);
    gitAusstehend = false;
    QVector<std::pair<QString, const SpielDatei*>> dateien;
    for (const QString& datei : std::as_const(ausstehend))
        dateien.append({datei, stand.datei(datei).get()});
    ausstehend.clear();
    // The game is changed on a copy off the window's thread, which shares what stays; the
    // copy keeps the versions compared alive.
    leser = std::thread([this, basis = stand, dateien, sonstige]() mutable {
        const QVector<SpielLeser::Nachgelesen> gelesen =
            SpielLeser::nachlesen(pfade, dateien, &abbrechen, faeden);
        if (abbrechen)
            return;
        auto neu = std::make_shared<Spielpruefung>(std::move(basis));
        QStringList aussen;
        for (const SpielLeser::Nachgelesen& e : gelesen) {
            if (e.wieBekannt)
                continue;
            const std::shared_ptr<const SpielDatei> alt = neu->datei(e.datei);
            if (!e.neu && alt)
                neu->entfernen(e.datei);
            else if (e.neu && !(alt && gleicheBytes(*alt, *e.neu)))
                neu->setzen(e.neu);
            else
                continue;
            aussen << e.datei;
        }
        // A merge or checkout changes git's index with the files; asked every time.
        const QStringList konflikte = konflikteLesen();
        QMetaObject::invokeMethod(
            this,
            [this, neu = std::move(neu), aussen, sonstige, konflikte]() mutable {
                nachgelesen(std::move(neu), aussen, sonstige, konflikte);
            },
            Qt::QueuedConnection);
    });
}

void Pruefdienst::nachgelesen(std::shared_ptr<Spielpruefung> neu, QStringList aussen, bool sonstige,
                              const QStringList& konflikte)
{
    leser.join();
    const bool andereKonflikte = konflikte != std::exchange(offen, konflikte);
    std::swap(stand, *neu);
    // The editor wrote these meanwhile: what it read then is newer than what was read here.
    for (const QString& datei : std::as_const(spaeter)) {
        if (const std::shared_ptr<const SpielDatei> d = neu->datei(datei))
            stand.setzen(d);
        else
            stand.entfernen(datei);
        aussen.removeAll(datei);
    }
    spaeter.clear();
    // Freeing the versions replaced would keep the window waiting, a thousand rooms for
    // several milliseconds.
    QThreadPool::globalInstance()->start([alt = std::move(neu)]() mutable { alt.reset(); });
    if (!aussen.isEmpty() || sonstige || andereKonflikte)
        Q_EMIT geaendert();
    if (!aussen.isEmpty())
        Q_EMIT aussenGeaendert(aussen);
    nachlesenBeginnen();
}
