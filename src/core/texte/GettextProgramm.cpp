// gettext's own programs, run for the translations: we never match translations ourselves.
#include "GettextProgramm.h"

#include <QProcess>

GettextProgramm::Ergebnis GettextProgramm::ausfuehren(const QString& programm,
                                                      const QStringList& argumente)
{
    Ergebnis e;
    QProcess p;
    p.start(programm, argumente, QIODevice::ReadOnly);
    if (!p.waitForStarted())
        return e;
    e.gestartet = true;
    p.waitForFinished(-1);
    e.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    e.fehler = p.readAllStandardError();
    return e;
}

GettextProgramm::Ergebnis GettextProgramm::msgmerge(const QString& po, const QString& pot)
{
    return ausfuehren(QStringLiteral("msgmerge"),
                      {QStringLiteral("--quiet"), QStringLiteral("--update"),
                       QStringLiteral("--backup=off"), po, pot});
}

QString GettextProgramm::installieren()
{
    return QStringLiteral("Dafür braucht es msgmerge von gettext: unter Debian und Ubuntu "
                          "„sudo apt install gettext“, unter macOS „brew install gettext“, unter "
                          "Windows mit den gettext-Programmen von mlocati.github.io. Poedit "
                          "bringt eine Sprache auch selbst auf den Stand der Vorlage (Übersetzung "
                          "> Aus POT-Datei aktualisieren).");
}
