// The watcher of a game folder, on a thread of its own.
#include "Ordnerwache.h"

#include "model/Unterordner.h"
#include "regeln/DateiListe.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QHash>
#include <QSet>
#include <QTimer>

namespace {

/// The folders whose files the game names; the first two hold its rooms and item scripts.
const char* const unterordner[] = {"rooms",  "items",  "graphics", "sounds",
                                   "movies", "musics", "cursors"};

QString muster(const QString& ordner)
{
    return ordner == QLatin1String("rooms") ? QStringLiteral("*.lsd") : QStringLiteral("*.skp");
}

bool mitDateien(const QString& ordner)
{
    return ordner == QLatin1String("rooms") || ordner == QLatin1String("items");
}

} // namespace

/// Lives on the watching thread: everything here runs there.
class Ordnerwache::Wache : public QObject
{
public:
    Wache(Ordnerwache& aussen, const QString& ordner)
        : aussen(aussen), wurzel(QDir::cleanPath(ordner))
    {
    }

    void einrichten()
    {
        system = new QFileSystemWatcher(this);
        takt = new QTimer(this);
        takt->setSingleShot(true);
        connect(takt, &QTimer::timeout, this, &Wache::melden);
        connect(system, &QFileSystemWatcher::directoryChanged, this, &Wache::ordnerGeaendert);
        connect(system, &QFileSystemWatcher::fileChanged, this, [this](const QString& pfad) {
            const QString relativ = pfad.mid(wurzel.size() + 1);
            gemeldet.insert(name(relativ.section(QLatin1Char('/'), 0, 0)) + QLatin1Char('/') +
                            relativ.section(QLatin1Char('/'), 1));
            anstossen();
        });
        system->addPath(wurzel);
        unterordnerPruefen();
        for (const QString& ordner : std::as_const(neuListen))
            listen(ordner, nullptr);
        neuListen.clear();
        sonstige = false;
        dateienBeobachten();
        Q_EMIT aussen.beobachtet();
    }

    void auchBeobachten(const QString& ordner)
    {
        anderer = QDir::cleanPath(ordner);
        system->addPath(anderer);
    }

private:
    void ordnerGeaendert(const QString& pfad)
    {
        if (pfad == anderer)
            andererGeaendert = true;
        else if (pfad == wurzel) {
            unterordnerPruefen();
            // Files beside the subfolders belong to the game too, as its plan of start rooms
            // and goals: saved (written anew and renamed) or checked out, they come or go.
            sonstige = true;
        } else if (const QString n = name(QFileInfo(pfad).fileName()); mitDateien(n))
            neuListen.insert(n);
        else
            sonstige = true;
        anstossen();
    }

    /// Subfolders made or removed, or spelt otherwise now: watched from now on, or no longer.
    void unterordnerPruefen()
    {
        for (const char* n : unterordner) {
            const QString name = QLatin1String(n);
            const QString platte = Unterordner::finden(wurzel, name);
            const QString alt = aufPlatte.value(name);
            if (platte == alt)
                continue;
            if (!alt.isNull())
                system->removePath(wurzel + QLatin1Char('/') + alt);
            if (platte.isNull()) {
                aufPlatte.remove(name);
            } else {
                system->addPath(wurzel + QLatin1Char('/') + platte);
                aufPlatte.insert(name, platte);
            }
            if (mitDateien(name))
                neuListen.insert(name);
            else
                sonstige = true;
        }
    }

    /// The game's name of a subfolder spelt on disk as `platte` ("Rooms": "rooms").
    QString name(const QString& platte) const
    {
        for (auto it = aufPlatte.cbegin(); it != aufPlatte.cend(); ++it) {
            if (it.value() == platte)
                return it.key();
        }
        return platte;
    }

    /// Where a room or item script the game names ("rooms/haus.lsd") lies on disk.
    QString pfad(const QString& datei) const
    {
        const QString ordner = datei.section(QLatin1Char('/'), 0, 0);
        return wurzel + QLatin1Char('/') + aufPlatte.value(ordner, ordner) + QLatin1Char('/') +
               datei.section(QLatin1Char('/'), 1);
    }

    /// The files of `ordner` now; those that came or went are added to `neuOderWeg`.
    void listen(const QString& ordner, QSet<QString>* neuOderWeg)
    {
        QSet<QString> jetzt;
        for (const QString& name : dateiListe(
                 wurzel + QLatin1Char('/') + aufPlatte.value(ordner, ordner), muster(ordner)))
            jetzt.insert(ordner + QLatin1Char('/') + name);
        QSet<QString>& vorher = bekannt[ordner];
        if (neuOderWeg) {
            *neuOderWeg += jetzt - vorher;
            *neuOderWeg += vorher - jetzt;
        }
        vorher = std::move(jetzt);
    }

    /// Every room and item script is watched, also one that replaced the file of its name:
    /// the system forgets a watched file when it is removed.
    void dateienBeobachten()
    {
        QSet<QString> fehlen;
        for (const QSet<QString>& dateien : std::as_const(bekannt))
            for (const QString& datei : dateien)
                fehlen.insert(pfad(datei));
        const QStringList beobachtet = system->files();
        QStringList ueberzaehlig;
        for (const QString& pfad : beobachtet) {
            if (!fehlen.remove(pfad))
                ueberzaehlig << pfad;
        }
        if (!ueberzaehlig.isEmpty())
            system->removePaths(ueberzaehlig);
        if (!fehlen.isEmpty())
            system->addPaths(QStringList(fehlen.cbegin(), fehlen.cend()));
    }

    void anstossen()
    {
        if (!takt->isActive() && !gesammelt.isValid())
            gesammelt.start();
        // A steady stream of changes is told in parts, so that the windows never lag far.
        if (gesammelt.elapsed() < Hoechstens)
            takt->start(Ruhe);
        else if (!takt->isActive())
            takt->start(0);
    }

    void melden()
    {
        gesammelt.invalidate();
        for (const QString& ordner : std::as_const(neuListen))
            listen(ordner, &gemeldet);
        neuListen.clear();
        dateienBeobachten();
        if (std::exchange(andererGeaendert, false))
            Q_EMIT aussen.anderesGeaendert();
        if (gemeldet.isEmpty() && !sonstige)
            return;
        QStringList dateien(gemeldet.cbegin(), gemeldet.cend());
        dateien.sort();
        gemeldet.clear();
        const bool auchSonstige = std::exchange(sonstige, false);
        Q_EMIT aussen.geaendert(dateien, auchSonstige);
    }

    Ordnerwache& aussen;
    const QString wurzel;
    QFileSystemWatcher* system = nullptr;
    QTimer* takt = nullptr;
    QElapsedTimer gesammelt;
    /// The subfolders there are, by the game's name, as spelt on disk.
    QHash<QString, QString> aufPlatte;
    /// The rooms and item scripts as last listed, by folder.
    QHash<QString, QSet<QString>> bekannt;
    QSet<QString> neuListen;
    QSet<QString> gemeldet;
    bool sonstige = false;
    QString anderer;
    bool andererGeaendert = false;
};

Ordnerwache::Ordnerwache(const QString& spielordner) : ordner(spielordner)
{
    faden.setObjectName(QStringLiteral("Ordnerwache"));
}

Ordnerwache::~Ordnerwache()
{
    faden.quit();
    faden.wait();
}

void Ordnerwache::starten()
{
    if (faden.isRunning())
        return;
    wache = new Wache(*this, ordner);
    wache->moveToThread(&faden);
    connect(&faden, &QThread::finished, wache, &QObject::deleteLater);
    faden.start();
    QMetaObject::invokeMethod(
        wache, [w = wache] { w->einrichten(); }, Qt::QueuedConnection);
}

void Ordnerwache::auchBeobachten(const QString& ordner)
{
    if (wache)
        QMetaObject::invokeMethod(
            wache, [w = wache, ordner] { w->auchBeobachten(ordner); }, Qt::QueuedConnection);
}
