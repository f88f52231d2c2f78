// The `git` program, asked for what this system needs of a repository.
#include "GitProgramm.h"

#include <QProcess>

GitProgramm::Ergebnis GitProgramm::ausfuehren(const QString& ordner, const QStringList& argumente)
{
    Ergebnis e;
    QProcess git;
    git.setWorkingDirectory(ordner);
    git.start(QStringLiteral("git"), argumente, QIODevice::ReadOnly);
    if (!git.waitForStarted())
        return e;
    e.gestartet = true;
    git.waitForFinished(-1);
    e.status = git.exitStatus() == QProcess::NormalExit ? git.exitCode() : -1;
    e.ausgabe = git.readAllStandardOutput();
    e.fehler = git.readAllStandardError();
    return e;
}
