// Every use of a name across the game, for the search and the rename.
#include "Verwendungssuche.h"

#include "model/BildPfad.h"
#include "model/DateiName.h"
#include "regeln/SkriptRegeln.h"
#include "regeln/ZweiHaelften.h"
#include "script/Befehlstabelle.h"
#include "spiel/Spielpruefung.h"

#include <algorithm>
#include <array>

namespace Verwendungssuche {
namespace {

using namespace Befehlstabelle;
using Teil = std::pair<qsizetype, qsizetype>;

/// Where the file name lies in a stored value: without the spaces around it and its folder.
Teil dateiTeil(QStringView wert)
{
    const QStringView ohne = ohneLeerzeichen(wert);
    const qsizetype anfang = ohne.data() - wert.data();
    const QStringView name = dateiSchluesselTeil(ohne);
    return {anfang + (name.data() - ohne.data()), name.size()};
}

/// Whether the stored value names the file whose key part is `name` (not empty).
bool gleicheDatei(QStringView wert, QStringView name)
{
    const QStringView teil = dateiSchluesselTeil(wert);
    // Most values differ in length: compared without case only when they do not.
    return teil.size() == name.size() && teil.compare(name, Qt::CaseInsensitive) == 0;
}

/// A text within parameters, letter case aside as Qt compares it. Parameters are short, so
/// looking for the first letter beats QStringMatcher's skipping, which folds every letter.
class TextSuche
{
public:
    explicit TextSuche(const QString& nadel) : nadel(nadel)
    {
        if (nadel.isEmpty() || nadel.front().isSurrogate())
            return;
        erstes = nadel.front().toCaseFolded().unicode();
        for (char16_t c = 0; c < 0x80; ++c)
            asciiErstes[c] = QChar::toCaseFolded(c) == erstes;
    }

    bool in(QStringView heu) const
    {
        if (erstes == 0)
            return heu.contains(nadel, Qt::CaseInsensitive);
        const qsizetype n = nadel.size();
        const QStringView rest = QStringView(nadel).mid(1);
        for (qsizetype i = 0; i + n <= heu.size(); ++i) {
            const char16_t c = heu[i].unicode();
            if (c < 0x80 ? !asciiErstes[c] : QChar::toCaseFolded(c) != erstes)
                continue;
            if (heu.mid(i + 1, n - 1).compare(rest, Qt::CaseInsensitive) == 0)
                return true;
        }
        return false;
    }

private:
    QString nadel;
    char16_t erstes = 0;
    std::array<bool, 0x80> asciiErstes{};
};

/// A query made ready once for every line it looks at.
struct Suche
{
    explicit Suche(const Anfrage& a) : a(a), dateiTeil(dateiSchluesselTeil(a.name)), text(a.name) {}
    const Anfrage& a;
    QStringView dateiTeil;
    TextSuche text;
};

bool istTon(qint32 befehl)
{
    return befehl == PlayWav || befehl == PlayAvi || befehl == PlayMusic;
}

/// The part of a script line's parameter that is the name asked for, if it is.
std::optional<Teil> imParameter(const Suche& suche, qint32 befehl, const QString& parameter)
{
    const Anfrage& a = suche.a;
    const auto ganz = [&]() -> std::optional<Teil> {
        if (parameter == a.name)
            return Teil{0, parameter.size()};
        return std::nullopt;
    };
    const auto datei = [&]() -> std::optional<Teil> {
        if (!suche.dateiTeil.isEmpty() && gleicheDatei(parameter, suche.dateiTeil))
            return dateiTeil(parameter);
        return std::nullopt;
    };
    switch (a.art) {
    case NamensArt::Flag:
        if (befehl == If || befehl == SetFlag || befehl == DelFlag)
            return ganz();
        if (befehl == Spiel) {
            const auto teil = spielFlagTeil(parameter);
            if (teil && QStringView(parameter).mid(teil->first, teil->second) == a.name)
                return teil;
        }
        return std::nullopt;
    case NamensArt::Gegenstand:
        return befehl == Add || befehl == Remove || befehl == IfItem ? ganz() : std::nullopt;
    case NamensArt::Raum:
        return befehl == Goto ? datei() : std::nullopt;
    case NamensArt::Bild:
        return befehl == LoadPic ? datei() : std::nullopt;
    case NamensArt::Ton:
        return istTon(befehl) ? datei() : std::nullopt;
    case NamensArt::HotSpot:
        if (SkriptRegeln::nenntHotSpot(befehl) &&
            SkriptRegeln::hotSpotBenannt(befehl, parameter, {a.name}))
            return Teil{0, a.name.size()};
        return std::nullopt;
    case NamensArt::Label:
        return befehl == Label || befehl == Jump ? ganz() : std::nullopt;
    case NamensArt::Text:
        if (!a.name.isEmpty() && suche.text.in(parameter))
            return Teil{0, parameter.size()};
        return std::nullopt;
    }
    return std::nullopt;
}

TextBereich innen(TextBereich ganz, const Teil& teil)
{
    if (ganz.anfang < 0)
        return ganz;
    return {ganz.anfang + teil.first, teil.second};
}

} // namespace

std::optional<Teil> spielFlagTeil(const QString& parameter)
{
    const qsizetype komma = parameter.indexOf(QLatin1Char(','));
    if (komma < 0)
        return std::nullopt;
    qsizetype ende = parameter.indexOf(QLatin1Char(','), komma + 1);
    if (ende < 0)
        ende = parameter.size();
    qsizetype anfang = komma + 1;
    while (anfang < ende && parameter[anfang] == QLatin1Char(' '))
        ++anfang;
    while (ende > anfang && parameter[ende - 1] == QLatin1Char(' '))
        --ende;
    return Teil{anfang, ende - anfang};
}

namespace {

void suchenIn(const SpielDatei& d, const Suche& suche, QVector<Verwendung>& alle)
{
    const Anfrage& a = suche.a;
    const qsizetype erste = alle.size();
    if (a.name.isEmpty())
        return;
    const bool nurDiese = a.art == NamensArt::Label || (a.art == NamensArt::HotSpot && d.raum);
    if (nurDiese && !a.datei.isEmpty() && d.datei != a.datei)
        return;

    if (a.art == NamensArt::Bild && d.raum && !d.hintergrund.isNull() &&
        !suche.dateiTeil.isEmpty() && gleicheDatei(d.hintergrund, suche.dateiTeil)) {
        const Teil teil = dateiTeil(d.hintergrund);
        Verwendung v;
        v.teil = Verwendung::Teil::Hintergrund;
        v.stelle = {d.datei,
                    QString(),
                    -1,
                    1,
                    QStringLiteral("Hintergrund ") + ohneLeerzeichen(d.hintergrund),
                    {}};
        v.bereich = innen(d.hintergrundBereich, teil);
        v.wert = d.hintergrund.mid(teil.first, teil.second);
        alle.append(std::move(v));
    }
    if (a.art == NamensArt::HotSpot && d.raum) {
        for (qint32 h = 0; h < d.hotSpots.size(); ++h) {
            const SpielDatei::Fleck& f = d.hotSpots[h];
            if (f.name != a.name)
                continue;
            Verwendung v;
            v.teil = Verwendung::Teil::HotSpotName;
            v.ort = {RoomFile::SkriptOrt::Art::HotSpot, h, -1};
            v.stelle = {d.datei,
                        skriptName(v.ort, d.hotSpotNamen),
                        -1,
                        f.stellen.nameZeile,
                        QStringLiteral("Name ") + f.name,
                        v.ort};
            v.bereich = f.stellen.name;
            v.wert = f.name;
            alle.append(std::move(v));
        }
    }
    for (int j = 0; j < d.skripte.size(); ++j) {
        if (a.art == NamensArt::Label && a.skript >= 0 && j != a.skript)
            continue;
        const SpielDatei::SkriptDaten& s = d.skripte[j];
        for (qint32 i = 0; i <= s.skript.MaxZeile; ++i) {
            const qint32 befehl = s.skript.Befehl[i];
            const QString& parameter = s.skript.Parameter[i];
            const std::optional<Teil> teil = imParameter(suche, befehl, parameter);
            if (!teil)
                continue;
            Verwendung v;
            v.stelle = d.stelle(j, i, a.mitZeilenText);
            v.ort = s.ort;
            v.skript = j;
            v.befehl = befehl;
            v.bereich = innen(s.stellen.parameter.value(i), *teil);
            v.wert = parameter.mid(teil->first, teil->second);
            alle.append(std::move(v));
        }
    }
    // A hotspot's name stands after its scripts in the file.
    const auto frueher = [](const Verwendung& x, const Verwendung& y) {
        return x.stelle.dateiZeile < y.stelle.dateiZeile;
    };
    if (!std::is_sorted(alle.begin() + erste, alle.end(), frueher))
        std::stable_sort(alle.begin() + erste, alle.end(), frueher);
}

} // namespace

QVector<Verwendung> suchen(const SpielDatei& d, const Anfrage& anfrage)
{
    QVector<Verwendung> ergebnis;
    suchenIn(d, Suche(anfrage), ergebnis);
    return ergebnis;
}

QVector<QVector<Verwendung>> suchen(const QVector<std::shared_ptr<const SpielDatei>>& dateien,
                                    const Anfrage& anfrage)
{
    const Suche suche(anfrage);
    QVector<QVector<Verwendung>> ergebnis(dateien.size());
    // A large game is searched in two halves at once.
    inZweiHaelften(dateien.size(), 200, [&](qsizetype von, qsizetype bis) {
        for (qsizetype i = von; i < bis; ++i)
            suchenIn(*dateien[i], suche, ergebnis[i]);
    });
    return ergebnis;
}

QVector<Verwendung> suchen(const Spielpruefung& spiel, const Anfrage& anfrage)
{
    QVector<Verwendung> alle;
    for (QVector<Verwendung>& inDatei : suchen(spiel.dateien(), anfrage))
        alle += std::move(inDatei);
    return alle;
}

QString zeilenText(const SpielDatei& d, const Verwendung& v)
{
    if (v.teil != Verwendung::Teil::Parameter || !v.stelle.zeilenText.isEmpty() || v.skript < 0 ||
        v.skript >= d.skripte.size() || v.stelle.zeile > d.skripte[v.skript].skript.MaxZeile)
        return v.stelle.zeilenText;
    return d.stelle(v.skript, v.stelle.zeile).zeilenText;
}

QVector<qint32> markenZeilen(const Skript& skript, const QString& name)
{
    QVector<qint32> zeilen;
    for (qint32 i = 0; i <= skript.MaxZeile; ++i) {
        if ((skript.Befehl[i] == Label || skript.Befehl[i] == Jump) && skript.Parameter[i] == name)
            zeilen.append(i);
    }
    return zeilen;
}

std::optional<Benannt> benannt(qint32 befehl, const QString& parameter)
{
    const auto datei = [&](NamensArt art) -> std::optional<Benannt> {
        const QString name = ohneLeerzeichen(parameter);
        if (name.isEmpty())
            return std::nullopt;
        return Benannt{art, name};
    };
    switch (befehl) {
    case If:
    case SetFlag:
    case DelFlag:
        return Benannt{NamensArt::Flag, parameter};
    case Spiel:
        if (const auto teil = spielFlagTeil(parameter))
            return Benannt{NamensArt::Flag, parameter.mid(teil->first, teil->second)};
        return std::nullopt;
    case Add:
    case Remove:
    case IfItem:
        return Benannt{NamensArt::Gegenstand, parameter};
    case Goto:
        return datei(NamensArt::Raum);
    case LoadPic:
        return datei(NamensArt::Bild);
    case PlayWav:
    case PlayAvi:
    case PlayMusic:
        return datei(NamensArt::Ton);
    case HSaktivieren:
    case HSdeaktivieren:
        return Benannt{NamensArt::HotSpot, parameter};
    case ChangeMouse:
        return Benannt{NamensArt::HotSpot,
                       ohneLeerzeichen(parameter.section(QLatin1Char(','), 0, 0))};
    case Label:
    case Jump:
        return Benannt{NamensArt::Label, parameter};
    default:
        return std::nullopt;
    }
}

QString gotoZiel(const Spielpruefung& spiel, const QString& parameter)
{
    if (dateiSchluesselTeil(parameter).isEmpty())
        return QString();
    for (const std::shared_ptr<const SpielDatei>& d : spiel.dateien()) {
        if (d->raum && gleicheDatei(DateiName(d->datei), dateiSchluesselTeil(parameter)))
            return d->datei;
    }
    return QString();
}

QString artName(NamensArt art)
{
    switch (art) {
    case NamensArt::Flag:
        return QStringLiteral("Flag");
    case NamensArt::Gegenstand:
        return QStringLiteral("Gegenstand");
    case NamensArt::Raum:
        return QStringLiteral("Raum");
    case NamensArt::Bild:
        return QStringLiteral("Bild");
    case NamensArt::Ton:
        return QStringLiteral("Ton");
    case NamensArt::HotSpot:
        return QStringLiteral("HotSpot");
    case NamensArt::Label:
        return QStringLiteral("Label");
    case NamensArt::Text:
        return QStringLiteral("Text");
    }
    return QString();
}

QString artMitArtikel(NamensArt art)
{
    switch (art) {
    case NamensArt::Flag:
    case NamensArt::Bild:
        return QStringLiteral("Das ") + artName(art);
    case NamensArt::Label:
        return QStringLiteral("Die Marke");
    default:
        return QStringLiteral("Der ") + artName(art);
    }
}

QStringList ordnerVon(NamensArt art)
{
    switch (art) {
    case NamensArt::Gegenstand:
        return {QStringLiteral("items")};
    case NamensArt::Raum:
        return {QStringLiteral("rooms")};
    case NamensArt::Bild:
        return {QStringLiteral("graphics")};
    case NamensArt::Ton:
        return {QStringLiteral("sounds"), QStringLiteral("movies"), QStringLiteral("musics")};
    default:
        return {};
    }
}

std::optional<NamensArt> artAusWort(const QString& wort)
{
    for (const NamensArt art :
         {NamensArt::Flag, NamensArt::Gegenstand, NamensArt::Raum, NamensArt::Bild, NamensArt::Ton,
          NamensArt::HotSpot, NamensArt::Label, NamensArt::Text}) {
        if (artName(art).compare(wort, Qt::CaseInsensitive) == 0)
            return art;
    }
    return std::nullopt;
}

} // namespace Verwendungssuche
