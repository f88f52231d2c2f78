// The game's command language: the 33 commands and their input panels.
#include "Befehlstabelle.h"

#include <array>

namespace Befehlstabelle {
namespace {

Befehl ohne(const char16_t* keyword, int row, const char16_t* hilfe, const char16_t* label,
            bool box = true)
{
    return {QString::fromUtf16(keyword),
            row,
            QString::fromUtf16(hilfe),
            QString::fromUtf16(label),
            QString(),
            box,
            Knopf::Keiner,
            QString(),
            false,
            QString(),
            QString()};
}

Befehl mit(Befehl b, Knopf knopf, const char16_t* name, bool schmal = false,
           const char16_t* ordner = u"", const char16_t* filter = u"")
{
    b.knopf = knopf;
    b.knopfName = QString::fromUtf16(name);
    b.schmal = schmal;
    b.ordner = QString::fromUtf16(ordner);
    b.filter = QString::fromUtf16(filter);
    return b;
}

const std::array<Befehl, Anzahl>& tabelle()
{
    static const std::array<Befehl, Anzahl> t = [] {
        Befehl wenn = ohne(u"IF", 1, u"IF [Flag]", u"IF");
        wenn.labelDanach = QStringLiteral("Then");
        const char16_t* bilder = u"Alle Bilddateien|*.bmp;*.jpg;*.gif";
        const char16_t* klaenge = u"Sound & Musik|*.mp3;*.wav;*.mid";
        return std::array<Befehl, Anzahl>{
            wenn,
            mit(ohne(u"PlayWav", 9, u"Playwav [Dateiname]", u"Playwav "), Knopf::Datei, u"PlaywavB",
                false, u"sounds", klaenge),
            mit(ohne(u"Print", 11,
                     u"Print [Text (#=Zeilensprung; $ + Buchstabe am Anfang der Zeile=Farbe)]",
                     u"Print"),
                Knopf::Farben, u"Command7", true),
            ohne(u"SetFlag", 4, u"SetFlag [Flag]", u"SetFlag"),
            mit(ohne(u"Goto", 12, u"Goto [LSD-Datei]", u"Goto"), Knopf::Datei, u"GotoB", false,
                u"rooms", u"LSD-Dateien|*.lsd"),
            mit(ohne(u"LoadPic", 13, u"LoadPic [Dateiname]", u"LoadPic"), Knopf::Datei, u"LoadPic",
                false, u"graphics", bilder),
            mit(ohne(u"Add", 6, u"Add [Gegenstandsdateiname]", u"Add"), Knopf::Datei, u"AddB",
                false, u"items", bilder),
            ohne(u"Remove", 7, u"Remove [Gegenstandsdateiname]", u"Remove"),
            ohne(u"IfItem", 0, u"IfItem [Gegenstandsdateiname]", u"IfItem = "),
            ohne(u"Else", 2, u"Else", u"", false),
            ohne(u"EndIf", 3, u"EndIf", u"", false),
            mit(ohne(u"PlayAvi", 8, u"PlayAvi [Dateiname]", u"PlayAvi"), Knopf::Datei, u"PlayAviB",
                false, u"movies", u"Alle Videos|*.avi;*.mpg"),
            ohne(u"DelFlag", 5, u"DelFlag [Flag]", u"DelFlag"),
            ohne(u"ChangeMouse", 14, u"ChangeMouse [Hotspotname], [Dateiname]", u"ChangeMouse"),
            mit(ohne(u"ZoomIn", 15, u"ZoomIn [x1,y1,x2,y2]", u"ZoomIn"), Knopf::Zoom, u"Command4"),
            mit(ohne(u"ZoomOut", 16, u"ZoomOut [x1,y1,x2,y2]", u"ZoomOut"), Knopf::Zoom,
                u"Command5"),
            ohne(u"Error", 18, u"Error - Anweisung", u"Error", false),
            ohne(u"HSaktivieren", 19, u"Hotspot aktivieren [Hotspotname]", u"Hotspot"),
            ohne(u"HSdeaktivieren", 20, u"Hotspot deaktivieren [Hotspotname]", u"Hotspot"),
            mit(ohne(u"PlayMusic", 10, u"Play Music  [Dateiname]", u"Play Music"), Knopf::Datei,
                u"Command6", true, u"musics", klaenge),
            ohne(u"ÖffneDialog", 21, u"Öffne Dialog", u"Öffne Dialog", false),
            ohne(u"SchließeDialog", 22, u"Schließe Dialog", u"Schließe Dialog", false),
            ohne(u"Bosheit", 27, u"Bosheit [Punkte]", u"Bosheit"),
            ohne(u"DialogGesicht", 23, u"DialogGesicht [Nummer], [Dateiname]", u"DialogGesicht"),
            ohne(u"SelectCase", 24, u"SelectCase [Anzahl der Antworten] | [Frage] | [Antwort]",
                 u"SelectCase"),
            ohne(u"Case", 25, u"Case [Nummer (1-n)]", u"Case"),
            ohne(u"EndSelect", 26, u"EndCase", u"EndCase", false),
            ohne(u"Spiel vom Spiel spielen spielen", 28,
                 u"Spiel vom Spiel spielen spielen [Spiel], [Flag], [Parameter]", u"Spiel"),
            ohne(u"Jump", 29, u"Jump [Name]", u"Jump nach:"),
            ohne(u"Label", 30, u"Label [Name]", u"Label:"),
            ohne(u"GameOver", 31, u"GameOver [\"Open\",\"Save\" oder nichts für Game Over]",
                 u"GameOver"),
            ohne(u"Countdown", 32, u"Countdown [Zeit (0=off)]", u"Countdown"),
            ohne(u"Spezialblende", 17, u"Spezialblende [Nummer]", u"Spezialblende"),
        };
    }();
    return t;
}

const std::array<qint32, Anzahl>& zeilen()
{
    static const std::array<qint32, Anzahl> z = [] {
        std::array<qint32, Anzahl> codes{};
        for (qint32 code = 0; code < Anzahl; ++code)
            codes[tabelle()[code].row] = code;
        return codes;
    }();
    return z;
}

} // namespace

bool bekannt(qint32 code)
{
    return code >= 0 && code < Anzahl;
}

const Befehl& befehl(qint32 code)
{
    return tabelle()[code];
}

QString CommandKeyword(qint32 code)
{
    return bekannt(code) ? tabelle()[code].keyword
                         : QLatin1Char('<') + QString::number(code) + QLatin1Char('>');
}

qint32 ListRowCommand(int row)
{
    return zeilen()[row];
}

} // namespace Befehlstabelle
