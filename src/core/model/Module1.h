// The editor's shared state: the room being edited and the game folder's paths.
#pragma once

#include "HotSpot.h"
#include "Skript.h"
#include "Unterordner.h"

#include <QString>
#include <QStringList>
#include <QVector>

/// The editor's shared state: the room being edited, the game-folder paths and the
/// script hand-over slot. One object, created at start-up and handed to every window.
class Module1
{
public:
    static constexpr int HintergrundLaenge = 100;

    Module1();

    /// The game folder, ending in "/".
    QString AppPfad;
    QString SoundsPfad;
    QString GraphicsPfad;
    QString MoviesPfad;
    QString CursorsPfad;
    QString ItemsPfad;
    QString MusicsPfad;

    Skript StartSkript;
    Skript TimerSkript;
    /// The script currently open in the script editor.
    Skript AktSkript;

    /// Always at least one element; exactly HotSpotMax + 1 once HotSpotMax >= 0.
    QVector<HotSpot> HotSpots;
    qint32 HotSpotMax = -1;

    qint32 ZoomX1 = 0;
    qint32 ZoomX2 = 0;
    qint32 ZoomY1 = 0;
    qint32 ZoomY2 = 0;

    /// The background picture name, always exactly 100 characters, padded with spaces.
    const QString& Hintergrund() const { return hintergrund; }
    /// Pads a shorter text with spaces, cuts a longer one to its first 100 characters.
    void setHintergrund(const QString& bild);

    /// Sets AppPfad to the game folder and the subfolder paths from it, each spelt as on disk.
    void setzeOrdner(const QString& spielOrdner);
    /// The rooms folder as the room-file dialogs open it (no trailing separator).
    QString raeumeOrdner() const { return unterordner.pfad(QStringLiteral("rooms")); }
    /// A path relative to the game folder ("rooms/haus.lsd", as the game's lists name its
    /// files) where it lies on disk.
    QString pfad(const QString& relativ) const { return unterordner.pfad(relativ); }

    /// The names of hotspots 0 to HotSpotMax, in order.
    QStringList hotSpotNamen() const;

    /// Empty room: no hotspot, empty start and timer scripts, no picture.
    void leererRaum();
    /// Appends a new hotspot named "Noname" + listeneintraege; returns its index.
    qint32 neuerHotSpot(int listeneintraege);
    /// Removes hotspot i, moving the later ones up.
    void hotSpotEntfernen(qint32 i);

private:
    QString hintergrund;
    Unterordner unterordner;
};
