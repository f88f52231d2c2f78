// What git's index says of a merge that is not finished.
#include "GitKonflikte.h"

#include "GitAntworten.h"
#include "GitProgramm.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

namespace GitKonflikte {
namespace {

using Eintrag = GitAntworten::Konflikteintrag;

// `git ls-files -u -z`, paths relative to where it runs.
QVector<Eintrag> offene(GitProgramm& git, const QString& spielordner, const QString& datei = {})
{
    QStringList argumente{QStringLiteral("ls-files"), QStringLiteral("-u"), QStringLiteral("-z"),
                          QStringLiteral("--")};
    argumente << (datei.isEmpty() ? QStringLiteral(".") : datei);
    const GitProgramm::Ergebnis e = git.ausfuehren(spielordner, argumente);
    return e.ok() ? GitAntworten::konflikte(e.ausgabe) : QVector<Eintrag>();
}

} // namespace

bool vielleichtImArbeitsbaum(const QString& ordner)
{
    if (qEnvironmentVariableIsSet("GIT_DIR"))
        return true;
    QDir d(QFileInfo(ordner).absoluteFilePath());
    do {
        if (QFileInfo::exists(d.filePath(QStringLiteral(".git"))))
            return true;
    } while (d.cdUp());
    return false;
}

QStringList dateien(GitProgramm& git, const QString& spielordner)
{
    QStringList liste;
    if (!vielleichtImArbeitsbaum(spielordner))
        return liste;
    for (const Eintrag& e : offene(git, spielordner)) {
        if (!liste.contains(e.pfad))
            liste << e.pfad;
    }
    return liste;
}

QStringList spielDateien(const QStringList& dateien)
{
    QStringList spiel;
    for (const QString& datei : dateien) {
        const QStringList teile = datei.split(QLatin1Char('/'));
        if (teile.size() != 2)
            continue;
        const bool raum = teile[0].compare(QLatin1String("rooms"), Qt::CaseInsensitive) == 0 &&
                          teile[1].endsWith(QLatin1String(".lsd"), Qt::CaseInsensitive);
        const bool item = teile[0].compare(QLatin1String("items"), Qt::CaseInsensitive) == 0 &&
                          teile[1].endsWith(QLatin1String(".skp"), Qt::CaseInsensitive);
        if (raum || item)
            spiel << QDir::toNativeSeparators(datei);
    }
    return spiel;
}

QString gitOrdner(GitProgramm& git, const QString& ordner)
{
    if (!vielleichtImArbeitsbaum(ordner))
        return {};
    const GitProgramm::Ergebnis e =
        git.ausfuehren(ordner, {QStringLiteral("rev-parse"), QStringLiteral("--absolute-git-dir")});
    return e.ok() ? GitAntworten::pfad(e.ausgabe) : QString();
}

std::optional<Stufen> stufen(GitProgramm& git, const QString& spielordner, const QString& datei)
{
    QHash<int, QByteArray> blobs;
    for (const Eintrag& e : offene(git, spielordner, datei))
        blobs.insert(e.stufe, e.blob);
    if (!blobs.contains(2) || !blobs.contains(3))
        return std::nullopt;
    Stufen s;
    for (const int stufe : {1, 2, 3}) {
        if (!blobs.contains(stufe))
            continue;
        const GitProgramm::Ergebnis e =
            git.ausfuehren(spielordner, {QStringLiteral("cat-file"), QStringLiteral("blob"),
                                         QString::fromLatin1(blobs.value(stufe))});
        if (!e.ok())
            return std::nullopt;
        (stufe == 1 ? s.basis : stufe == 2 ? s.unsere : s.deren) = e.ausgabe;
    }
    return s;
}

QString alsGeloestMarkieren(GitProgramm& git, const QString& spielordner, const QString& datei)
{
    const GitProgramm::Ergebnis e =
        git.ausfuehren(spielordner, {QStringLiteral("add"), QStringLiteral("--"), datei});
    if (!e.gestartet)
        return QStringLiteral(
                   "git ist nicht installiert: %1 ist gespeichert, aber nicht als gelöst "
                   "markiert. Das tut \"git add\".")
            .arg(QDir::toNativeSeparators(datei));
    if (e.status != 0)
        return QStringLiteral("git add %1 ist gescheitert: %2")
            .arg(QDir::toNativeSeparators(datei), QString::fromUtf8(e.fehler).trimmed());
    return {};
}

} // namespace GitKonflikte
