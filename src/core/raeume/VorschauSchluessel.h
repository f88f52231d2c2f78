// What a room's thumbnail is made of, so that it is made again only when that changes.
#pragma once

#include <QDateTime>
#include <QString>

class DateiSuche;
class Module1;
struct SpielDatei;

/// What a room's thumbnail is made of: its background picture as the file is on disk, and
/// the cells of its hotspots. Equal keys give the same thumbnail.
struct VorschauSchluessel
{
    /// Where the picture is loaded from; empty when the room names none.
    QString bild;
    bool da = false;
    qint64 groesse = -1;
    QDateTime geaendert;
    /// A copy that keeps the modification time (cp -p, unzip) still changes this.
    QDateTime metadatenGeaendert;
    /// Of the hotspots' cells.
    size_t zellen = 0;

    /// Looks at the picture file `raum` names, found as the canvas finds it.
    static VorschauSchluessel von(const SpielDatei& raum, const Module1& ordner,
                                  DateiSuche* suche = nullptr);

    bool operator==(const VorschauSchluessel& o) const;
    bool operator!=(const VorschauSchluessel& o) const { return !(*this == o); }
};
