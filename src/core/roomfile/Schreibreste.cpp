// What the safe writer leaves when it is killed midway, found and cleared.
#include "Schreibreste.h"

#include "umbenennen/Umbenenner.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/file.h>
#endif

namespace Schreibreste {
namespace {

/// Where the writers of the editor write, and what.
const std::pair<const char*, const char*> orte[] = {
    {"rooms", ".lsd"}, {"items", ".skp"}, {"graphics", ".bmp"}};

/// Qt names its temporary files with six letters from A to Z and a to z.
bool zufallsName(QStringView teil)
{
    if (teil.size() != 6)
        return false;
    for (const QChar c : teil) {
        if (!((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z')))
            return false;
    }
    return true;
}

QString neuerPlatz(const QString& ablage, const QString& ordner, const QString& name)
{
    const QString anfang =
        ablage + QLatin1Char('/') +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-")) + ordner +
        QLatin1Char('-') + name;
    QString platz = anfang;
    for (int n = 2; QFileInfo::exists(platz) || QFileInfo(platz).isSymLink(); ++n)
        platz = anfang + QStringLiteral("-%1").arg(n);
    return platz;
}

enum class Ausgang
{
    Beiseite,
    /// Being written, or just made: not a leftover (yet).
    InArbeit,
    Fehler
};

Ausgang beiseitelegen(const QFileInfo& rest, const QString& ziel, QString& grund)
{
    QFile datei(rest.filePath());
    // On Windows a file being written cannot be opened by anybody else.
    if (!datei.open(QIODevice::ReadOnly))
        return Ausgang::InArbeit;
#ifdef Q_OS_UNIX
    // The safe writer holds this lock while it writes; a killed writer holds nothing.
    if (::flock(datei.handle(), LOCK_EX | LOCK_NB) != 0)
        return Ausgang::InArbeit;
#endif
    // Where the system names the file before it writes, another program may be about to.
    if (datei.size() == 0 && rest.lastModified().secsTo(QDateTime::currentDateTime()) < 2)
        return Ausgang::InArbeit;
    // Moved while it is held, so that no writer can take it up meanwhile; across file
    // systems Qt copies it and removes it.
    if (!QFile::rename(rest.filePath(), ziel)) {
        grund = QFile(rest.filePath()).errorString();
        return Ausgang::Fehler;
    }
    return Ausgang::Beiseite;
}

} // namespace

bool istRestVon(const QString& name, const QString& ziel)
{
    return name.size() == ziel.size() + 7 && name.startsWith(ziel) &&
           name[ziel.size()] == QLatin1Char('.') && zufallsName(QStringView(name).right(6));
}

Ergebnis aufraeumen(const QString& spielordner, const QString& ablage)
{
    Ergebnis e;
    for (const auto& [ordner, endung] : orte) {
        const QDir dir(QDir(spielordner).filePath(QLatin1String(ordner)));
        for (const QFileInfo& rest : dir.entryInfoList(
                 {QStringLiteral("*") + QLatin1String(endung) + QStringLiteral(".??????")},
                 QDir::Files | QDir::Hidden | QDir::System)) {
            const QString name = rest.fileName();
            if (rest.isSymLink() || !istRestVon(name, name.chopped(7)))
                continue;
            const QString relativ = QLatin1String(ordner) + QLatin1Char('/') + name;
            QDir().mkpath(ablage);
            QString grund;
            switch (beiseitelegen(rest, neuerPlatz(ablage, QLatin1String(ordner), name), grund)) {
            case Ausgang::Beiseite:
                e.beiseite << relativ;
                break;
            case Ausgang::Fehler:
                e.geblieben << QStringLiteral("%1 (%2)").arg(QDir::toNativeSeparators(relativ),
                                                             grund);
                break;
            case Ausgang::InArbeit:
                break;
            }
        }
    }
    QStringList saetze;
    if (!e.beiseite.isEmpty()) {
        QStringList namen;
        for (const QString& r : std::as_const(e.beiseite))
            namen << QDir::toNativeSeparators(r);
        const bool eine = namen.size() == 1;
        saetze << QStringLiteral("%1 im Spielordner hinterlassen: %2. %3 aus dem Spielordner "
                                 "genommen und %4 jetzt unter %5.")
                      .arg(eine ? QStringLiteral("Ein abgebrochenes Speichern hat eine Datei")
                                : QStringLiteral("Abgebrochenes Speichern hat %1 Dateien")
                                      .arg(namen.size()),
                           namen.join(QStringLiteral(", ")),
                           eine ? QStringLiteral("Sie wurde") : QStringLiteral("Sie wurden"),
                           eine ? QStringLiteral("liegt") : QStringLiteral("liegen"),
                           QDir::toNativeSeparators(ablage));
    }
    if (!e.geblieben.isEmpty())
        saetze << QStringLiteral("Was ein abgebrochenes Speichern hinterlassen hat, konnte nicht "
                                 "aus dem Spielordner genommen werden: %1.")
                      .arg(e.geblieben.join(QStringLiteral(", ")));
    e.text = saetze.join(QLatin1Char(' '));
    return e;
}

Ergebnis aufraeumen(const QString& spielordner)
{
    return aufraeumen(spielordner,
                      Umbenenner::journalOrdner(spielordner) + QStringLiteral("/beiseite"));
}

} // namespace Schreibreste
