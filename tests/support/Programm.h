#pragma once

#include <QProcess>
#include <QtDebug>

/// Runs one of our programs as an author runs it: what it writes to both outputs when it ends
/// with `status`; otherwise only how it ended, so that no expected text can match by chance.
inline QString programmAusgabe(const QString& programm, const QStringList& argumente, int status,
                               const QString& arbeitsordner = {}, const QByteArray& pfad = {})
{
    QProcess p;
    p.setWorkingDirectory(arbeitsordner);
    if (!pfad.isNull()) {
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert("PATH", pfad);
        p.setProcessEnvironment(umgebung);
    }
    p.start(programm, argumente);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit)
        return "(abgestürzt)";
    const QString aus = QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
    if (p.exitCode() == status)
        return aus;
    qWarning().noquote() << programm << argumente << "->" << p.exitCode() << aus;
    return QString("(Status %1 statt %2)").arg(p.exitCode()).arg(status);
}
