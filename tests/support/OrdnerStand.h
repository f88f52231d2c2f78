#pragma once

#include "roomfile/TextFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QMap>
#include <QStringList>

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

/// How `ist` differs from `soll`, one path a line.
inline QStringList unterschiede(const OrdnerStand& soll, const OrdnerStand& ist)
{
    QStringList u;
    for (auto it = soll.cbegin(); it != soll.cend(); ++it) {
        if (!ist.contains(it.key()) || ist.value(it.key()) != it.value())
            u << (ist.contains(it.key()) ? "verändert " : "fehlt ") + it.key();
    }
    for (const QString& pfad : ist.keys()) {
        if (!soll.contains(pfad))
            u << "übrig " + pfad;
    }
    return u;
}
