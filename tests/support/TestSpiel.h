#pragma once

#include "SkriptAus.h"
#include "model/Module1.h"
#include "roomfile/RoomFile.h"
#include "roomfile/TextFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

/// A room of these scripts: the start script, each named hotspot's "Tue", the timer script.
inline Module1 raumMit(const Skript& start, const QVector<QPair<QString, Skript>>& hotSpots = {},
                       const Skript& timer = {})
{
    Module1 r;
    r.StartSkript = start;
    for (const auto& [name, tue] : hotSpots) {
        HotSpot& h = r.HotSpots[r.neuerHotSpot(0)];
        h.Name = name;
        h.Skripte[1] = tue;
    }
    r.TimerSkript = timer;
    return r;
}

/// A game folder of its own for a test, with the editor's folder paths.
struct TestSpiel
{
    QTemporaryDir dir;
    Module1 m;

    TestSpiel()
    {
        for (const char* ordner : {"rooms", "graphics", "sounds", "items", "cursors"})
            QDir(dir.path()).mkpath(QLatin1String(ordner));
        m.setzeOrdner(dir.path());
    }
    QString pfad(const QString& relativ) const { return m.AppPfad + relativ; }
    /// Written plainly: the editor's safe save waits for the disk, hundreds of times a test.
    bool datei(const QString& relativ, const QByteArray& bytes = "x") const
    {
        QFile f(pfad(relativ));
        return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
    }
    bool raum(const QString& name, const Module1& raum) const
    {
        return datei(QStringLiteral("rooms/") + name, RoomFile::schreiben(raum));
    }
    QByteArray inhalt(const QString& relativ) const
    {
        return TextFile::read(pfad(relativ)).value_or(QByteArray("(fehlt)"));
    }
    QStringList dateien(const QString& ordner) const
    {
        return QDir(pfad(ordner)).entryList(QDir::Files, QDir::Name);
    }
};
