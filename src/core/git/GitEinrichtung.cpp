// Sets a game folder in a git work tree up for the text form and the merge of rooms.
#include "GitEinrichtung.h"

#include "GitAntworten.h"
#include "GitProgramm.h"
#include "Textform.h"
#include "app/Spielordner.h"
#include "roomfile/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <utility>

namespace GitEinrichtung {
namespace {

const char hookKennung[] = "# Eingerichtet von tarnholm-git";

QString gitText(const QByteArray& bytes)
{
    return QString::fromUtf8(bytes).trimmed();
}

} // namespace

QStringList attributZeilen()
{
    // -text: git never touches the CR LF of the game's files, also with core.autocrlf.
    return {QStringLiteral("*.lsd -text diff=tarnholm merge=tarnholm"),
            QStringLiteral("*.skp -text diff=tarnholm merge=tarnholm")};
}

QByteArray attributeErgaenzen(const QByteArray& alt)
{
    QList<QByteArray> da;
    for (const QByteArray& zeile : alt.split('\n'))
        da << zeile.trimmed();
    const QByteArray ende = alt.contains("\r\n") ? QByteArray("\r\n") : QByteArray("\n");
    QByteArray neu = alt;
    for (const QString& zeile : attributZeilen()) {
        const QByteArray z = zeile.toUtf8();
        if (da.contains(z))
            continue;
        if (!neu.isEmpty() && !neu.endsWith('\n'))
            neu += ende;
        neu += z + ende;
    }
    return neu;
}

QString shellWort(const QString& wort)
{
    QString w = wort;
    w.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + w + QLatin1Char('\'');
}

QByteArray hook(const QString& pruefer, const QString& spielordner)
{
    // Quiet when the game is fine, as hooks are; the findings when it refuses.
    return QStringLiteral(
               "#!/bin/sh\n"
               "%1: vor jedem Commit wird das Spiel geprüft.\n"
               "befund=$(%2 --format=gcc -- %3 2>&1)\n"
               "status=$?\n"
               "if [ $status -eq 1 ]; then\n"
               "    printf '%s\\n' \"$befund\" >&2\n"
               "    echo \"tarnholm-git: Das Spiel hat Fehler (oben), der Commit wird abgelehnt.\" "
               ">&2\n"
               "    exit 1\n"
               "fi\n"
               "if [ $status -ne 0 ]; then\n"
               "    printf '%s\\n' \"$befund\" >&2\n"
               "    echo \"tarnholm-git: tarnholm-check konnte das Spiel nicht prüfen (Status "
               "$status), der Commit geht ohne Prüfung.\" >&2\n"
               "fi\n"
               "exit 0\n")
        .arg(QLatin1String(hookKennung), shellWort(QDir::fromNativeSeparators(pruefer)),
             shellWort(QDir::fromNativeSeparators(spielordner)))
        .toUtf8();
}

Ergebnis einrichten(const QString& spielordner, const QString& programm, const QString& pruefer,
                    bool pruefen, GitProgramm& git)
{
    Ergebnis e;
    const auto scheitern = [&](const QString& grund) {
        e.status = 2;
        e.fehler = grund;
        return e;
    };
    const QString ordner = QDir::toNativeSeparators(spielordner);
    if (!QFileInfo(spielordner).isDir())
        return scheitern(QStringLiteral("Den Ordner %1 gibt es nicht.").arg(ordner));
    if (const QString warum = Spielordner::warumNicht(spielordner); !warum.isEmpty())
        return scheitern(warum);
    const GitProgramm::Ergebnis arbeitsbaum = git.ausfuehren(
        spielordner, {QStringLiteral("rev-parse"), QStringLiteral("--is-inside-work-tree")});
    if (!arbeitsbaum.gestartet)
        return scheitern(QStringLiteral("git ist nicht installiert (das Paket \"git\")."));
    if (!arbeitsbaum.ok() || GitAntworten::wahrheit(arbeitsbaum.ausgabe) != true)
        return scheitern(QStringLiteral("%1 liegt in keinem Arbeitsbaum von git. Ein neues "
                                        "Repository legt \"git init\" an.")
                             .arg(ordner));

    const QString attributePfad = QDir(spielordner).filePath(QStringLiteral(".gitattributes"));
    const QByteArray alt = TextFile::read(attributePfad).value_or(QByteArray());
    const QByteArray neu = attributeErgaenzen(alt);
    if (neu != alt && !TextFile::write(attributePfad, neu))
        return scheitern(QStringLiteral("%1 kann nicht geschrieben werden.")
                             .arg(QDir::toNativeSeparators(attributePfad)));
    for (const QString& zeile : attributZeilen())
        e.gesetzt << QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(attributePfad), zeile);

    const QString aufruf = shellWort(QDir::fromNativeSeparators(programm));
    const QList<std::pair<QString, QString>> werte = {
        {QStringLiteral("diff.tarnholm.textconv"), aufruf + QStringLiteral(" text")},
        {QStringLiteral("diff.tarnholm.cachetextconv"), QStringLiteral("true")},
        {QStringLiteral("diff.tarnholm.xfuncname"), Textform::kopfMuster()},
        {QStringLiteral("merge.tarnholm.name"),
         QStringLiteral("Räume und Gegenstandsskripte von Tarnholm")},
        {QStringLiteral("merge.tarnholm.driver"),
         aufruf + QStringLiteral(" zusammenfuehren %O %A %B %P")}};
    for (const auto& [schluessel, wert] : werte) {
        const GitProgramm::Ergebnis gesetzt = git.ausfuehren(
            spielordner, {QStringLiteral("config"), QStringLiteral("--local"), schluessel, wert});
        if (!gesetzt.ok())
            return scheitern(QStringLiteral("git config %1 ist gescheitert: %2")
                                 .arg(schluessel, gitText(gesetzt.fehler)));
        e.gesetzt << QStringLiteral("git config %1 %2").arg(schluessel, wert);
    }

    if (!pruefen)
        return e;
    const GitProgramm::Ergebnis hooks =
        git.ausfuehren(spielordner, {QStringLiteral("rev-parse"), QStringLiteral("--git-path"),
                                     QStringLiteral("hooks")});
    const QString hooksPfad = hooks.ok() ? GitAntworten::pfad(hooks.ausgabe) : QString();
    if (hooksPfad.isEmpty())
        return scheitern(
            QStringLiteral("Der Ordner der Hooks ist nicht zu finden: %1")
                .arg(hooks.ok() ? QStringLiteral("git nennt keinen") : gitText(hooks.fehler)));
    const QString hookOrdner = QDir(spielordner).absoluteFilePath(hooksPfad);
    const QString hookPfad = QDir(hookOrdner).filePath(QStringLiteral("pre-commit"));
    const std::optional<QByteArray> schonDa = TextFile::read(hookPfad);
    if (schonDa && !schonDa->contains(hookKennung)) {
        e.gesetzt << QStringLiteral("%1: Ein Hook ist schon da und bleibt, wie er ist; das Spiel "
                                    "wird vor einem Commit nicht geprüft.")
                         .arg(QDir::toNativeSeparators(hookPfad));
        return e;
    }
    if (!QDir().mkpath(hookOrdner) || !TextFile::write(hookPfad, hook(pruefer, spielordner)) ||
        !QFile::setPermissions(hookPfad, QFile::permissions(hookPfad) | QFile::ExeOwner |
                                             QFile::ExeGroup | QFile::ExeOther))
        return scheitern(QStringLiteral("Der Hook %1 kann nicht geschrieben werden.")
                             .arg(QDir::toNativeSeparators(hookPfad)));
    e.gesetzt << QStringLiteral("%1: prüft das Spiel mit tarnholm-check vor jedem Commit")
                     .arg(QDir::toNativeSeparators(hookPfad));
    return e;
}

} // namespace GitEinrichtung
