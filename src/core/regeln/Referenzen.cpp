// The files a room or item script names, and where.
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
                  qint32 befehl, const QString& parameter, int dateiZeile)
{
    const std::optional<Referenz::Art> art = befehlsArt(befehl);
    if (art && benennt(parameter))
        ziel.append({*art, parameter, ort, zeile, befehl, dateiZeile});
}

/// Collects a room's references while the room reader reads them.
class Sammler : public RoomFile::Beobachter
{
public:
    explicit Sammler(RaumReferenzen& ziel) : ziel(ziel) {}

    void hintergrundGelesen(const QString& bild, TextBereich bereich) override
    {
        ziel.hintergrund = bereich;
        // The first item of the file, so always on its first line.
        if (benennt(bild))
            ziel.referenzen.append({Referenz::Art::Hintergrund, bild, {}, -1, -1, 1});
    }
    void skriptBeginnt(const RoomFile::SkriptOrt& neu) override
    {
        ort = neu;
        zeilen = &ziel.dateiZeilen.von(ort);
    }
    void zeilenAngelegt(qint32 anzahl) override
    {
        zeilen->datei.reserve(anzahl);
        zeilen->parameter.reserve(anzahl);
    }
    void zeileGelesen(qint32 zeile, qint32 befehl, const QString& parameter, int dateiZeile,
                      TextBereich bereich) override
    {
        zeilen->datei.append(dateiZeile);
        zeilen->parameter.append(bereich);
        zeileSammeln(ziel.referenzen, ort, zeile, befehl, parameter, dateiZeile);
    }
    void cursorGelesen(qint32 hotSpot, const QString& cursor, int dateiZeile,
                       TextBereich bereich) override
    {
        ziel.hotSpotStellen[hotSpot].cursor = bereich;
        if (benennt(cursor))
            ziel.referenzen.append({Referenz::Art::Cursor,
                                    cursor,
                                    {RoomFile::SkriptOrt::Art::HotSpot, hotSpot, -1},
                                    -1,
                                    -1,
                                    dateiZeile});
    }
    void nameGelesen(qint32 hotSpot, const QString& name, int dateiZeile,
                     TextBereich bereich) override
    {
        ziel.hotSpotNamen.insert(hotSpot, name);
        HotSpotStellen& stellen = ziel.hotSpotStellen[hotSpot];
        stellen.name = bereich;
        stellen.nameZeile = dateiZeile;
    }

private:
    RaumReferenzen& ziel;
    RoomFile::SkriptOrt ort;
    SkriptZeilen::Zeilen* zeilen = nullptr;
};

/// The lines of an item script and the file's line of each.
class ItemSammler : public ScriptBlock::Beobachter
{
public:
    explicit ItemSammler(ItemSkriptReferenzen& ziel) : ziel(ziel) {}

    void zeilenAngelegt(qint32 anzahl) override
    {
        ziel.dateiZeilen.datei.reserve(anzahl);
        ziel.dateiZeilen.parameter.reserve(anzahl);
    }
    void zeileGelesen(qint32 zeile, qint32 befehl, const QString& parameter, int dateiZeile,
                      TextBereich bereich) override
    {
        ziel.dateiZeilen.datei.append(dateiZeile);
        ziel.dateiZeilen.parameter.append(bereich);
        zeileSammeln(ziel.referenzen, {}, zeile, befehl, parameter, dateiZeile);
    }

private:
    ItemSkriptReferenzen& ziel;
};

} // namespace

SkriptZeilen::Zeilen& SkriptZeilen::von(const RoomFile::SkriptOrt& ort)
{
    switch (ort.art) {
    case RoomFile::SkriptOrt::Art::Start:
        return start;
    case RoomFile::SkriptOrt::Art::Timer:
        return timer;
    case RoomFile::SkriptOrt::Art::HotSpot:
        break;
    }
    if (hotSpots.size() <= ort.hotSpot)
        hotSpots.resize(ort.hotSpot + 1);
    return hotSpots[ort.hotSpot][ort.aktion];
}

const SkriptZeilen::Zeilen* SkriptZeilen::bei(const RoomFile::SkriptOrt& ort) const
{
    switch (ort.art) {
    case RoomFile::SkriptOrt::Art::Start:
        return &start;
    case RoomFile::SkriptOrt::Art::Timer:
        return &timer;
    case RoomFile::SkriptOrt::Art::HotSpot:
        break;
    }
    if (ort.hotSpot >= 0 && ort.hotSpot < hotSpots.size() && ort.aktion >= 0 &&
        ort.aktion < HotSpot::Aktionen)
        return &hotSpots[ort.hotSpot][ort.aktion];
    return nullptr;
}

int SkriptZeilen::zeile(const RoomFile::SkriptOrt& ort, qint32 zeile) const
{
    const Zeilen* zeilen = bei(ort);
    return zeilen ? zeilen->datei.value(zeile) : 0;
}

QString skriptName(const RoomFile::SkriptOrt& ort, const QHash<qint32, QString>& namen)
{
    static const char* const aktionen[] = {"Sieh an!", "Tue", "Interagiere"};
    switch (ort.art) {
    case RoomFile::SkriptOrt::Art::Start:
        return QStringLiteral("Startskript");
    case RoomFile::SkriptOrt::Art::Timer:
        return QStringLiteral("Timerskript");
    case RoomFile::SkriptOrt::Art::HotSpot:
        break;
    }
    // Every script of a room is named so: the text is made in one piece.
    const auto name = namen.constFind(ort.hotSpot);
    QString text;
    if (name != namen.cend()) {
        const QStringView ohne = ohneLeerzeichen(QStringView(*name));
        text.reserve(ohne.size() + 24);
        text.append(QLatin1String("HotSpot \"")).append(ohne).append(QLatin1Char('"'));
    } else {
        text = QStringLiteral("HotSpot Nr. %1").arg(ort.hotSpot + 1);
    }
    if (ort.aktion >= 0)
        text.append(QLatin1String(", ")).append(QLatin1String(aktionen[ort.aktion]));
    return text;
}

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

ItemSkriptReferenzen itemSkriptReferenzen(const QString& name, const QByteArray& bytes)
{
    ItemSkriptReferenzen datei;
    datei.name = name;
    ItemSammler sammler(datei);
    datei.ergebnis = ItemSkript::lesen(bytes, datei.skript, &sammler);
    return datei;
}

QVector<ItemSkriptReferenzen> itemSkripteLesen(const QString& itemsPfad)
{
    QVector<ItemSkriptReferenzen> dateien;
    for (const QString& name : dateiListe(itemsPfad, QStringLiteral("*.skp"))) {
        const std::optional<QByteArray> bytes = TextFile::read(itemsPfad + name);
        if (bytes) {
            dateien.append(itemSkriptReferenzen(name, *bytes));
        } else {
            ItemSkriptReferenzen datei;
            datei.name = name;
            dateien.append(datei);
        }
    }
    return dateien;
}
