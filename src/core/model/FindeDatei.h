#pragma once

#include <QHash>
#include <QString>

/// The full path of the ordinary file `name` in `ordner` (which ends in a separator), or the
/// empty text. The exact name wins; otherwise a name that differs only in letter case is
/// taken, since rooms made on Windows say Baum.BMP for baum.bmp. Among several such names
/// the first in byte order is taken, so the choice never changes from run to run.
QString findeDatei(const QString& ordner, const QString& name);

/// findeDatei for many names: a folder is listed once, the first time a name is not found in
/// it exactly, and that listing serves every later name.
class DateiSuche
{
public:
    QString finde(const QString& ordner, const QString& name);

private:
    /// Per folder: case-folded name to the first file name of that spelling in byte order.
    QHash<QString, QHash<QString, QString>> listen;
};
