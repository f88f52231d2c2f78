// The recovery copy of the room that one editor window edits.
#include "Wiederherstellung.h"

#include "RoomFile.h"
#include "TextFile.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QUrl>

namespace {

const QByteArray kopf = QByteArrayLiteral("Tarnholm-Editor Wiederherstellung 1");
const QString endung = QStringLiteral(".wiederherstellung");

QString sperrDatei(const QString& kopie)
{
    return kopie.chopped(endung.size()) + QStringLiteral(".lock");
}

std::unique_ptr<QLockFile> sperren(const QString& kopie)
{
    auto sperre = std::make_unique<QLockFile>(sperrDatei(kopie));
    // A lock is stale only when its editor is gone, however long that editor has been open.
    sperre->setStaleLockTime(0);
    if (!sperre->tryLock(0))
        return nullptr;
    return sperre;
}

} // namespace

Wiederherstellung::Wiederherstellung(const QString& ordner) : ordner(ordner) {}

Wiederherstellung::~Wiederherstellung()
{
    {
        const std::lock_guard<std::mutex> l(mutex);
        ende = true;
    }
    signal.notify_all();
    if (schreiber.joinable())
        schreiber.join();
}

QByteArray Wiederherstellung::hash(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex();
}

QByteArray Wiederherstellung::kopieBytes(const QByteArray& raum, const QString& raumDatei,
                                         const QByteArray& bekannt)
{
    // The room file's name may hold anything a file name can, line breaks included.
    QByteArray bytes = kopf + '\n' + QUrl::toPercentEncoding(raumDatei) + '\n' +
                       (bekannt.isEmpty() ? QByteArray("-") : bekannt) + '\n' +
                       QByteArray::number(raum.size()) + '\n';
    return bytes + raum;
}

Wiederherstellung::Kopie Wiederherstellung::kopieLesen(const QByteArray& bytes)
{
    Kopie k;
    qsizetype pos = 0;
    QByteArray zeilen[4];
    for (QByteArray& zeile : zeilen) {
        const qsizetype ende = bytes.indexOf('\n', pos);
        if (ende < 0) {
            k.fehler = QStringLiteral("Sie ist unvollständig.");
            return k;
        }
        zeile = bytes.mid(pos, ende - pos);
        pos = ende + 1;
    }
    bool zahl = false;
    const qsizetype groesse = zeilen[3].toLongLong(&zahl);
    if (zeilen[0] != kopf || !zahl || groesse < 0) {
        k.fehler = QStringLiteral("Sie ist keine Wiederherstellungskopie dieses Editors.");
        return k;
    }
    if (bytes.size() - pos != groesse) {
        k.fehler = QStringLiteral("Sie ist unvollständig.");
        return k;
    }
    k.raumDatei = QUrl::fromPercentEncoding(zeilen[1]);
    if (zeilen[2] != "-")
        k.bekannt = zeilen[2];
    k.raum = bytes.mid(pos);
    Module1 probe;
    const RoomFile::LeseErgebnis e = RoomFile::lesen(k.raum, probe);
    if (!e.vollstaendig)
        k.fehler = QStringLiteral("Der Raum darin ist in Zeile %1 fehlerhaft.").arg(e.zeile);
    return k;
}

std::optional<Wiederherstellung::Kopie> Wiederherstellung::verwaiste()
{
    if (ordner.isEmpty())
        return std::nullopt;
    const QDir dir(ordner);
    const QStringList namen =
        dir.entryList({QStringLiteral("raum-*") + endung}, QDir::Files, QDir::Name);
    for (const QString& name : namen) {
        const QString datei = dir.filePath(name);
        if (datei == eigenePfad || angeboten.count(datei))
            continue;
        std::unique_ptr<QLockFile> sperre = sperren(datei);
        // Its editor is still open, or the copy went away meanwhile.
        if (!sperre || !QFileInfo::exists(datei))
            continue;
        Kopie k;
        const std::optional<QByteArray> bytes = TextFile::read(datei);
        if (bytes)
            k = kopieLesen(*bytes);
        else
            k.fehler = QStringLiteral("Sie kann nicht geöffnet werden.");
        k.datei = datei;
        angeboten[datei] = std::move(sperre);
        return k;
    }
    return std::nullopt;
}

void Wiederherstellung::uebernehmen(const Kopie& kopie)
{
    const auto it = angeboten.find(kopie.datei);
    if (it == angeboten.end())
        return;
    if (eigeneSperre) {
        entfernen();
        warten();
    }
    eigeneSperre = std::move(it->second);
    eigenePfad = kopie.datei;
    angeboten.erase(it);
}

void Wiederherstellung::verwerfen(const Kopie& kopie)
{
    QFile::remove(kopie.datei);
    angeboten.erase(kopie.datei);
}

QString Wiederherstellung::beiseitelegen(const Kopie& kopie)
{
    QDir dir(ordner);
    const QString beiseite = QStringLiteral("beschaedigt");
    const QString ziel = dir.filePath(
        beiseite + QLatin1Char('/') + QFileInfo(kopie.datei).completeBaseName() +
        QDateTime::currentDateTime().toString(QStringLiteral("-yyyyMMdd-HHmmss-zzz")) + endung);
    const bool verschoben = dir.mkpath(beiseite) && QFile::rename(kopie.datei, ziel);
    angeboten.erase(kopie.datei);
    return verschoben ? ziel : QString();
}

QString Wiederherstellung::eigeneDatei() const
{
    return eigenePfad;
}

bool Wiederherstellung::eigenenPlatzNehmen()
{
    if (eigeneSperre)
        return true;
    if (!QDir().mkpath(ordner))
        return false;
    const QDir dir(ordner);
    for (int n = 1; n < 10000; ++n) {
        const QString datei = dir.filePath(QStringLiteral("raum-%1").arg(n) + endung);
        // A copy without a lock belongs to an editor that is gone: it waits to be offered.
        if (QFileInfo::exists(datei))
            continue;
        std::unique_ptr<QLockFile> sperre = sperren(datei);
        if (!sperre || QFileInfo::exists(datei))
            continue;
        eigeneSperre = std::move(sperre);
        eigenePfad = datei;
        return true;
    }
    return false;
}

void Wiederherstellung::schreiben(const QByteArray& raum, const QString& raumDatei,
                                  const QByteArray& bekannt)
{
    if (ordner.isEmpty() || !eigenenPlatzNehmen())
        return;
    auftrag({raum, raumDatei, bekannt, eigenePfad});
}

void Wiederherstellung::entfernen()
{
    if (!eigenePfad.isEmpty())
        auftrag({std::nullopt, QString(), QByteArray(), eigenePfad});
}

void Wiederherstellung::auftrag(Auftrag a)
{
    {
        const std::lock_guard<std::mutex> l(mutex);
        // Only the newest copy matters: one not yet written is replaced.
        offen = std::move(a);
    }
    if (!schreiber.joinable())
        schreiber = std::thread([this] { arbeiten(); });
    signal.notify_all();
}

void Wiederherstellung::arbeiten()
{
    std::unique_lock<std::mutex> l(mutex);
    for (;;) {
        signal.wait(l, [this] { return offen || ende; });
        if (!offen)
            return;
        const Auftrag a = std::move(*offen);
        offen.reset();
        beschaeftigt = true;
        l.unlock();
        // The copy is put together here: the window's thread only hands the room over.
        const bool ok = a.raum
                            ? TextFile::write(a.ziel, kopieBytes(*a.raum, a.raumDatei, a.bekannt))
                            : QFile::remove(a.ziel) || !QFile::exists(a.ziel);
        l.lock();
        beschaeftigt = false;
        fehlgeschlagen = !ok;
        signal.notify_all();
    }
}

bool Wiederherstellung::warten()
{
    std::unique_lock<std::mutex> l(mutex);
    signal.wait(l, [this] { return !offen && !beschaeftigt; });
    return !fehlgeschlagen;
}
