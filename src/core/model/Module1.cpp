// The editor's shared state: the room being edited and the game folder's paths.
#include "Module1.h"

Module1::Module1()
{
    leererRaum();
}

void Module1::setHintergrund(const QString& bild)
{
    hintergrund = bild.left(HintergrundLaenge).leftJustified(HintergrundLaenge, QLatin1Char(' '));
}

void Module1::setzeOrdner(const QString& spielOrdner)
{
    unterordner = Unterordner(spielOrdner);
    AppPfad = unterordner.spielordner();
    SoundsPfad = pfad(QStringLiteral("sounds/"));
    GraphicsPfad = pfad(QStringLiteral("graphics/"));
    MoviesPfad = pfad(QStringLiteral("movies/"));
    CursorsPfad = pfad(QStringLiteral("cursors/"));
    ItemsPfad = pfad(QStringLiteral("items/"));
    MusicsPfad = pfad(QStringLiteral("musics/"));
}

void Module1::leererRaum()
{
    HotSpotMax = -1;
    HotSpots = {HotSpot()};
    StartSkript.leeren();
    TimerSkript.leeren();
    setHintergrund(QString());
}

qint32 Module1::neuerHotSpot(int listeneintraege)
{
    ++HotSpotMax;
    HotSpots.resize(HotSpotMax + 1);
    HotSpots[HotSpotMax] =
        HotSpot::neu(QStringLiteral("Noname") + QString::number(listeneintraege));
    return HotSpotMax;
}

void Module1::hotSpotEntfernen(qint32 i)
{
    if (i < 0 || i > HotSpotMax)
        return;
    HotSpots.remove(i);
    --HotSpotMax;
    if (HotSpots.isEmpty())
        HotSpots.append(HotSpot());
}

QStringList Module1::hotSpotNamen() const
{
    QStringList namen;
    for (qint32 h = 0; h <= HotSpotMax; ++h)
        namen << HotSpots[h].Name;
    return namen;
}
