#pragma once

#include "HotSpot.h"
#include "Skript.h"

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

    /// Program folder, ending in "/".
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

    /// Sets AppPfad from the program folder and the six subfolder paths from it.
    void setzeOrdner(const QString& programmOrdner);
    /// The rooms folder as the room-file dialogs open it (no trailing separator).
    QString raeumeOrdner() const { return AppPfad + QStringLiteral("rooms"); }

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
};
