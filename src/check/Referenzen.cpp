#include "Referenzen.h"

#include "DateiListe.h"
#include "roomfile/TextFile.h"

namespace {

/// The commands whose parameter names a file.
struct DateiBefehl
{
    qint32 befehl;
    Referenz::Art art;
    const char* wort;
};
constexpr DateiBefehl dateiBefehle[] = {
    {1, Referenz::Art::Klang, "PlayWav"},     {4, Referenz::Art::Raum, "Goto"},
    {5, Referenz::Art::Bild, "LoadPic"},      {6, Referenz::Art::Gegenstand, "Add"},
    {7, Referenz::Art::Gegenstand, "Remove"}, {8, Referenz::Art::Gegenstand, "IfItem"},
    {11, Referenz::Art::Film, "PlayAvi"},     {19, Referenz::Art::Musik, "PlayMusic"}};

bool benennt(const QString& wert)
{
    return !wert.trimmed().isEmpty();
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
    for (const DateiBefehl& b : dateiBefehle) {
        if (b.befehl == befehl)
            return b.art;
    }
    return std::nullopt;
}

QString befehlsWort(qint32 befehl)
{
    for (const DateiBefehl& b : dateiBefehle) {
        if (b.befehl == befehl)
            return QLatin1String(b.wort);
    }
    return QString::number(befehl);
}

RaumReferenzen raumReferenzen(const QByteArray& bytes, Module1& arbeitsRaum)
{
    RaumReferenzen ergebnis;
    Sammler sammler(ergebnis);
    ergebnis.ergebnis = RoomFile::lesen(bytes, arbeitsRaum, &sammler);
    return ergebnis;
}

RaumReferenzen raumDateiLesen(const QString& pfad, Module1& arbeitsRaum)
{
    const std::optional<QByteArray> bytes = TextFile::read(pfad);
    return bytes ? raumReferenzen(*bytes, arbeitsRaum) : RaumReferenzen();
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
