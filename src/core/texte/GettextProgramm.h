// gettext's own programs, run for the translations: we never match translations ourselves.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

/// gettext's programs (`msgmerge`), run and waited for. Everything the editor asks of gettext
/// goes through here, so that a test can hand in a machine without it.
class GettextProgramm
{
public:
    struct Ergebnis
    {
        /// The program could be started at all (gettext is installed).
        bool gestartet = false;
        int status = -1;
        QByteArray fehler;

        bool ok() const { return gestartet && status == 0; }
    };

    virtual ~GettextProgramm() = default;
    /// Runs `programm ARGUMENTE` and waits for it.
    virtual Ergebnis ausfuehren(const QString& programm, const QStringList& argumente);

    /// Brings `po` up to date with the template `pot` in place: new texts untranslated,
    /// changed ones fuzzy, as msgmerge does.
    Ergebnis msgmerge(const QString& po, const QString& pot);

    /// How to get gettext, for the author.
    static QString installieren();
};
