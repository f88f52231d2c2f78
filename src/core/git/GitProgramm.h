// The `git` program, asked for what this system needs of a repository.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

/// The `git` program, asked for what this system needs of a repository. Everything we know of
/// git goes through here, so that a test can hand in its own answers.
class GitProgramm
{
public:
    struct Ergebnis
    {
        /// git could be started at all (it is installed).
        bool gestartet = false;
        int status = -1;
        QByteArray ausgabe;
        QByteArray fehler;

        bool ok() const { return gestartet && status == 0; }
    };

    virtual ~GitProgramm() = default;
    /// Runs `git ARGUMENTE` in `ordner` and waits for it.
    virtual Ergebnis ausfuehren(const QString& ordner, const QStringList& argumente);
};
