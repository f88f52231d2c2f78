// Finds an ordinary file in a folder whatever the letter case of its name.
#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QVector>

/// The full path of the ordinary file `name` in `ordner` (which ends in a separator), or the
/// empty text. The exact name wins; otherwise a name that differs only in letter case is
/// taken, since rooms made on Windows say Baum.BMP for baum.bmp. Among several such names
/// the first in byte order is taken, so the choice never changes from run to run.
QString findeDatei(const QString& ordner, const QString& name);

/// findeDatei for many names: a folder is listed once, the first time a name is looked up in
/// it, and that listing answers every later name without asking the file system again. A file
/// made after the listing is not seen.
class DateiSuche
{
public:
    QString finde(const QString& ordner, const QString& name);

    /// A file of a folder's listing: hidden files are listed too, and said so.
    struct Eintrag
    {
        QString name;
        bool versteckt = false;
    };
    /// The ordinary files of `ordner`, in the order the file system gives them; listed once.
    const QVector<Eintrag>& eintraege(const QString& ordner);

private:
    struct Liste
    {
        QVector<Eintrag> eintraege;
        QSet<QString> namen;
        /// Case-folded name to the first file name of that spelling in byte order.
        QHash<QString, QString> gefaltet;
        bool nachgeschlagen = false;
    };
    Liste& liste(const QString& ordner);
    QHash<QString, Liste> listen;
};
