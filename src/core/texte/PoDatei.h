// PO and POT files: the subset that gettext's programs, Poedit and Weblate write, read and written.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

/// One message of a PO file.
struct PoEintrag
{
    std::optional<QString> kontext;
    QString msgid;
    QString msgstr;
    /// "#," flags, such as "fuzzy".
    QStringList flags;
    /// "#:" references, one a place.
    QStringList referenzen;
    /// "#." comments, the ones the template brings.
    QStringList kommentare;
    /// The file's line (from 1) of its "msgid" and of its "msgstr".
    int zeile = 0;
    int msgstrZeile = 0;

    bool ungenau() const { return flags.contains(QLatin1String("fuzzy")); }
    /// Translated and not marked fuzzy: what gettext would use.
    bool uebersetzt() const { return !msgstr.isEmpty() && !ungenau(); }
};

/// Why a PO file could not be read, and where.
struct PoFehler
{
    int zeile = 0;
    QString text;
};

/// A PO file: the header and the messages, obsolete ("#~") ones left out.
struct PoDatei
{
    /// The header's text (the msgstr of the message with the empty msgid).
    QString kopf;
    QVector<PoEintrag> eintraege;

    /// Reads a PO file's bytes. Refuses plural forms, a charset other than UTF-8, a message
    /// given twice and anything that is not PO, naming the line.
    static std::optional<PoDatei> lesen(const QByteArray& bytes, PoFehler& fehler);

    /// The file: `kopfKommentar` as "# " lines, the header (marked fuzzy when `kopfUngenau`,
    /// as a template's is), then every message.
    QByteArray schreiben(const QStringList& kopfKommentar, bool kopfUngenau) const;

    /// A text as a PO string: quoted and escaped, split after each line break.
    static QByteArray zeichenkette(const QByteArray& schluessel, const QString& text);
};
