#pragma once

#include "roomfile/TextFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QMap>

/// Everything in a folder and its subfolders by relative path: a file's bytes, a link's
/// target. Links are never read through and pipes never opened, so taking stock cannot hang.
using OrdnerStand = QMap<QString, QByteArray>;

inline OrdnerStand ordnerStand(const QString& ordner)
{
    OrdnerStand stand;
    QDirIterator it(ordner, QDir::Files | QDir::System | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        const QString relativ = QDir(ordner).relativeFilePath(info.filePath());
        if (info.isSymLink())
            stand[relativ] = "-> " + info.symLinkTarget().toUtf8();
        else if (info.isFile())
            stand[relativ] = TextFile::read(info.filePath()).value_or("(unlesbar)");
        else
            stand[relativ] = "(keine Datei)";
    }
    return stand;
}
