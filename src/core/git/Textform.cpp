// Rooms and item scripts as text that a person reads and `git diff` compares.
#include "Textform.h"

#include "model/Module1.h"
#include "roomfile/ItemSkript.h"
#include "roomfile/RoomFile.h"
#include "script/Zeilen.h"

namespace Textform {
namespace {

const QString einzug = QStringLiteral("  ");

// Whether reading got as far as the timer script, which the text shows before the hotspots.
class Fortschritt : public RoomFile::Beobachter
{
public:
    bool timerErreicht = false;

    void zeileGelesen(qint32, qint32, const QString&, int, TextBereich) override {}
    void hintergrundGelesen(const QString&, TextBereich) override {}
    void skriptBeginnt(const RoomFile::SkriptOrt& ort) override
    {
        timerErreicht = timerErreicht || ort.art == RoomFile::SkriptOrt::Art::Timer;
    }
    void cursorGelesen(qint32, const QString&, int, TextBereich) override {}
    void nameGelesen(qint32, const QString&, int, TextBereich) override {}
};

void skriptText(QString& aus, const Skript& skript, const QString& vorsatz)
{
    for (const QString& zeile : zeilen(skript))
        aus += vorsatz + zeile + QLatin1Char('\n');
}

QString zellen(const HotSpot& h)
{
    QString aus;
    aus.reserve(HotSpot::Zeilen * (HotSpot::Spalten + 1));
    for (int y = 0; y < HotSpot::Zeilen; ++y) {
        for (int x = 0; x < HotSpot::Spalten; ++x)
            aus += h.Feld[x][y] ? QLatin1Char('#') : QLatin1Char('.');
        aus += QLatin1Char('\n');
    }
    return aus;
}

QString hotSpotText(const HotSpot& h, int nummer)
{
    const QString name = QStringLiteral("„%1“").arg(h.Name);
    QStringList aktionen;
    for (int k = 0; k < HotSpot::Aktionen; ++k) {
        if (h.Aktion[k])
            aktionen << aktionsName(k);
    }
    QString aus = QStringLiteral("HotSpot %1 %2\n").arg(nummer).arg(name);
    aus += einzug + QStringLiteral("Aktionen: ") +
           (aktionen.isEmpty() ? QStringLiteral("keine") : aktionen.join(QStringLiteral(", "))) +
           QLatin1Char('\n');
    aus += einzug + QStringLiteral("Aktiv: ") +
           (h.Aktiv ? QStringLiteral("ja") : QStringLiteral("nein")) + QLatin1Char('\n');
    aus += einzug + QStringLiteral("Cursor: ") + h.Cursor + QLatin1Char('\n');
    for (int k = 0; k < HotSpot::Aktionen; ++k) {
        aus += name + QStringLiteral(": ") + aktionsName(k) + QLatin1Char('\n');
        skriptText(aus, h.Skripte[k], einzug);
    }
    aus += name + QStringLiteral(": Zellen\n") + zellen(h);
    return aus;
}

QString raumText(const QByteArray& bytes)
{
    Module1 raum;
    Fortschritt fortschritt;
    const RoomFile::LeseErgebnis gelesen = RoomFile::lesen(bytes, raum, &fortschritt);
    QString aus;
    if (gelesen.hintergrundGelesen) {
        aus += QStringLiteral("Hintergrund: ") + bildName(raum.Hintergrund()) + QLatin1Char('\n');
        aus += QStringLiteral("Startskript\n");
        skriptText(aus, raum.StartSkript, einzug);
    }
    if (fortschritt.timerErreicht) {
        aus += QStringLiteral("Timerskript\n");
        skriptText(aus, raum.TimerSkript, einzug);
    }
    for (qint32 i = 0; i <= raum.HotSpotMax; ++i)
        aus += hotSpotText(raum.HotSpots[i], i + 1);
    if (!gelesen.vollstaendig)
        aus += abbruch(gelesen.zeile) + QLatin1Char('\n');
    return aus;
}

QString itemText(const QByteArray& bytes)
{
    Skript skript;
    const ItemSkript::LeseErgebnis gelesen = ItemSkript::lesen(bytes, skript);
    QString aus;
    skriptText(aus, skript, QString());
    if (!gelesen.vollstaendig)
        aus += abbruch(gelesen.zeile) + QLatin1Char('\n');
    return aus;
}

} // namespace

Art artVon(const QString& name, const QByteArray& bytes)
{
    if (name.endsWith(QLatin1String(".lsd"), Qt::CaseInsensitive))
        return Art::Raum;
    if (name.endsWith(QLatin1String(".skp"), Qt::CaseInsensitive))
        return Art::ItemSkript;
    for (const char c : bytes) {
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
            return c == '"' ? Art::Raum : Art::ItemSkript;
    }
    return Art::Raum;
}

QByteArray text(Art art, const QByteArray& bytes)
{
    return (art == Art::Raum ? raumText(bytes) : itemText(bytes)).toUtf8();
}

QStringList zeilen(const Skript& skript)
{
    const QVector<int> einzuege = Zeilen::einzuege(skript);
    QStringList aus;
    aus.reserve(einzuege.size());
    for (qint32 i = 0; i <= skript.MaxZeile; ++i)
        aus << Zeilen::text(einzuege[i], skript.Befehl[i], skript.Parameter[i]);
    return aus;
}

QString bildName(const QString& hintergrund)
{
    qsizetype ende = hintergrund.size();
    while (ende > 0 && hintergrund.at(ende - 1) == QLatin1Char(' '))
        --ende;
    return hintergrund.left(ende);
}

QString aktionsName(int aktion)
{
    static const QString namen[] = {QStringLiteral("Sieh an!"), QStringLiteral("Tue"),
                                    QStringLiteral("Interagiere")};
    return namen[aktion];
}

QString abbruch(int zeile)
{
    return QStringLiteral("Lesen bricht in Zeile %1 ab").arg(zeile);
}

QString kopfMuster()
{
    return QStringLiteral("^(Hintergrund: .*|Startskript|Timerskript|HotSpot [0-9]+ „.*|„.*)$");
}

} // namespace Textform
