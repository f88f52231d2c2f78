#include "Referenzen.h"

#include "DateiListe.h"
#include "model/BildPfad.h"
#include "roomfile/TextFile.h"
#include "script/Befehlstabelle.h"

namespace {

bool benennt(const QString& wert)
{
    return !ohneLeerzeichen(QStringView(wert)).isEmpty();
}

void zeileSammeln(QVector<Referenz>& ziel, const RoomFile::SkriptOrt& ort, qint32 zeile,
                  qint32 befehl, const QString& parameter)
{
    const std::optional<Referenz::Art> art = befehlsArt(befehl);
    if (art && benennt(parameter))
        ziel.append({*art, parameter, ort, zeile, befehl});
}

/// Collects a room's references while the room reader reads them.
class Sammler : public RoomFile::Beobachter
{
public:
    explicit Sammler(RaumReferenzen& ziel) : ziel(ziel) {}

    void hintergrundGelesen(const QString& bild) override
    {
        if (benennt(bild))
            ziel.referenzen.append({Referenz::Art::Hintergrund, bild, {}, -1, -1});
    }
    void skriptBeginnt(const RoomFile::SkriptOrt& neu) override { ort = neu; }
    void zeileGelesen(qint32 zeile, qint32 befehl, const QString& parameter) override
    {
        zeileSammeln(ziel.referenzen, ort, zeile, befehl, parameter);
    }
    void cursorGelesen(qint32 hotSpot, const QString& cursor) override
    {
        if (benennt(cursor))
            ziel.referenzen.append({Referenz::Art::Cursor,
                                    cursor,
                                    {RoomFile::SkriptOrt::Art::HotSpot, hotSpot, -1},
                                    -1,
                                    -1});
    }
    void nameGelesen(qint32 hotSpot, const QString& name) override
    {
        ziel.hotSpotNamen.insert(hotSpot, name);
    }

private:
    RaumReferenzen& ziel;
    RoomFile::SkriptOrt ort;
};

} // namespace

std::optional<Referenz::Art> befehlsArt(qint32 befehl)
{
    switch (befehl) {
    case Befehlstabelle::PlayWav:
        return Referenz::Art::Klang;
    case Befehlstabelle::Goto:
        return Referenz::Art::Raum;
    case Befehlstabelle::LoadPic:
        return Referenz::Art::Bild;
    case Befehlstabelle::Add:
    case Befehlstabelle::Remove:
    case Befehlstabelle::IfItem:
        return Referenz::Art::Gegenstand;
    case Befehlstabelle::PlayAvi:
        return Referenz::Art::Film;
    case Befehlstabelle::PlayMusic:
        return Referenz::Art::Musik;
    default:
        return std::nullopt;
    }
}

RaumReferenzen raumReferenzen(const QByteArray& bytes, Module1& arbeitsRaum)
{
    RaumReferenzen ergebnis;
    Sammler sammler(ergebnis);
    ergebnis.ergebnis = RoomFile::lesen(bytes, arbeitsRaum, &sammler);
    return ergebnis;
}

RaumReferenzen raumDateiLesen(const QString& pfad, Module1& arbeitsRaum, QByteArray& puffer)
{
    return TextFile::read(pfad, puffer) ? raumReferenzen(puffer, arbeitsRaum) : RaumReferenzen();
}

QVector<ItemSkriptReferenzen> itemSkripteLesen(const QString& itemsPfad)
{
    QVector<ItemSkriptReferenzen> dateien;
    for (const QString& name : dateiListe(itemsPfad, QStringLiteral("*.skp"))) {
        ItemSkriptReferenzen datei;
        datei.name = name;
        const std::optional<QByteArray> bytes = TextFile::read(itemsPfad + name);
        if (bytes) {
            Skript skript;
            datei.ergebnis = ItemSkript::lesen(*bytes, skript);
            for (qint32 i = 0; i <= skript.MaxZeile; ++i)
                zeileSammeln(datei.referenzen, {}, i, skript.Befehl[i], skript.Parameter[i]);
        }
        dateien.append(datei);
    }
    return dateien;
}
