// The checks of one script on its own: blocks, labels, hotspot names, parameter forms.
#include "SkriptRegeln.h"

#include "model/BildPfad.h"
#include "script/Befehlstabelle.h"

#include <QHash>
#include <algorithm>
#include <climits>

namespace SkriptRegeln {
namespace {

using namespace Befehlstabelle;

QString zitat(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString wort(qint32 code)
{
    return zitat(CommandKeyword(code));
}

QString skriptZeile(qint32 zeile)
{
    return QStringLiteral("Skriptzeile %1").arg(zeile + 1);
}

/// An open "IF", "IfItem" or "SelectCase".
struct Block
{
    qint32 zeile;
    qint32 code;
    /// The line of its "Else", -1 while it has none.
    qint32 elseZeile = -1;

    bool bedingung() const { return code != SelectCase; }
    qint32 schluss() const { return bedingung() ? EndIf : EndSelect; }
};

class Bloecke
{
public:
    explicit Bloecke(QVector<Verstoss>& ziel) : ziel(ziel) {}

    void zeile(qint32 i, qint32 code)
    {
        switch (code) {
        case If:
        case IfItem:
        case SelectCase:
            offen.append({i, code});
            break;
        case Else:
            sonst(i);
            break;
        case EndIf:
        case EndSelect:
            if (schliessenBis(code == EndIf, i, code))
                offen.removeLast();
            break;
        case Case:
            schliessenBis(false, i, code);
            break;
        default:
            break;
        }
    }

    void ende()
    {
        for (const Block& b : std::as_const(offen))
            melde(b.zeile, wort(b.code) +
                               QStringLiteral(" wird bis zum Ende des Skripts nicht mit ") +
                               wort(b.schluss()) + QStringLiteral(" geschlossen"));
        offen.clear();
    }

private:
    void melde(qint32 zeile, const QString& text) { ziel.append({zeile, text}); }

    /// Makes the innermost block of the kind asked for the innermost one: the blocks inside
    /// it were never closed. False, with nothing changed, when no such block is open.
    bool schliessenBis(bool bedingung, qint32 i, qint32 code)
    {
        qsizetype k = offen.size() - 1;
        while (k >= 0 && offen[k].bedingung() != bedingung)
            --k;
        if (k < 0) {
            QString wo = QStringLiteral(" ohne offenes ") + wort(SelectCase);
            if (code == Case)
                wo = QStringLiteral(" steht außerhalb von ") + wort(SelectCase);
            else if (bedingung)
                wo = QStringLiteral(" ohne offenes ") + wort(If) + QStringLiteral(" oder ") +
                     wort(IfItem);
            melde(i, wort(code) + wo);
            return false;
        }
        while (offen.size() - 1 > k)
            nichtGeschlossen(i, code);
        return true;
    }

    void nichtGeschlossen(qint32 i, qint32 code)
    {
        const Block b = offen.takeLast();
        melde(b.zeile, wort(b.code) + QStringLiteral(" wird nicht mit ") + wort(b.schluss()) +
                           QStringLiteral(" geschlossen, bevor in ") + skriptZeile(i) +
                           QLatin1Char(' ') + wort(code) + QStringLiteral(" kommt"));
    }

    void sonst(qint32 i)
    {
        if (!offen.isEmpty() && offen.last().bedingung() && offen.last().elseZeile >= 0) {
            // A second "Else": most often the "EndIf" of an inner block was deleted, and the
            // "Else" belongs to the block around it, which still waits for its own.
            const qsizetype n = offen.size();
            if (n >= 2 && offen[n - 2].bedingung() && offen[n - 2].elseZeile < 0) {
                nichtGeschlossen(i, Else);
                offen.last().elseZeile = i;
            } else {
                melde(i, QStringLiteral("Zweites ") + wort(Else) +
                             QStringLiteral(" im selben Block; das erste steht in ") +
                             skriptZeile(offen.last().elseZeile));
            }
            return;
        }
        if (!schliessenBis(true, i, Else))
            return;
        Block& b = offen.last();
        if (b.elseZeile < 0)
            b.elseZeile = i;
        else
            melde(i, QStringLiteral("Zweites ") + wort(Else) +
                         QStringLiteral(" im selben Block; das erste steht in ") +
                         skriptZeile(b.elseZeile));
    }

    QVector<Verstoss>& ziel;
    QVector<Block> offen;
};

/// A whole number the game can hold in 32 bits, spaces around it allowed.
bool ganzeZahl(QStringView text, bool negativErlaubt)
{
    text = ohneLeerzeichen(text);
    bool ok = false;
    const qlonglong zahl = text.toLongLong(&ok);
    return ok && !text.startsWith(QLatin1Char('+')) && zahl >= (negativErlaubt ? INT_MIN : 0) &&
           zahl <= INT_MAX;
}

bool rechteck(const QString& text)
{
    const QList<QStringView> teile = QStringView(text).split(QLatin1Char(','));
    return teile.size() == 4 && std::all_of(teile.begin(), teile.end(),
                                            [](QStringView t) { return ganzeZahl(t, false); });
}

/// The first colour mark of a "Print" text that is not "$" and 0 to 9 or a to f, else empty.
QString falscheFarbe(const QString& text)
{
    for (QStringView abschnitt : QStringView(text).split(QLatin1Char('#'))) {
        if (!abschnitt.startsWith(QLatin1Char('$')))
            continue;
        const QChar c = abschnitt.size() > 1 ? abschnitt[1] : QChar();
        const bool gut = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                         (c >= QLatin1Char('a') && c <= QLatin1Char('f'));
        if (!gut)
            return abschnitt.left(2).toString();
    }
    return {};
}

QString form(qint32 code, const QString& parameter)
{
    switch (code) {
    case ZoomIn:
    case ZoomOut:
        if (!rechteck(parameter))
            return wort(code) +
                   QStringLiteral(" braucht vier ganze Zahlen \"x1,y1,x2,y2\", nicht ") +
                   zitat(parameter);
        break;
    case Case:
    case Countdown:
    case Bosheit:
    case Spezialblende:
        if (!ganzeZahl(parameter, true))
            return wort(code) + QStringLiteral(" braucht eine Zahl, nicht ") + zitat(parameter);
        break;
    case Print: {
        const QString farbe = falscheFarbe(parameter);
        if (!farbe.isNull())
            return QStringLiteral("Den Farbcode ") + zitat(farbe) + QStringLiteral(" in ") +
                   wort(Print) + QStringLiteral(" gibt es nicht: nur $0 bis $9 und $a bis $f");
        break;
    }
    case GameOver:
        if (!parameter.isEmpty() && parameter != QLatin1String("Open") &&
            parameter != QLatin1String("Save"))
            return wort(GameOver) +
                   QStringLiteral(" nimmt nur \"Open\", \"Save\" oder nichts, nicht ") +
                   zitat(parameter);
        break;
    default:
        break;
    }
    return {};
}

/// " (es gibt "x")" when a name in `namen` differs from `name` only in case or spaces; of
/// several, the first in code order, so that the text never depends on the order of `namen`.
QString aehnlich(const QString& name, const QStringList& namen, const QString& art)
{
    // Compared letter by letter with the case folded, as aehnlichSchluessel folds: a room's
    // names are looked through on every keystroke while a hotspot is renamed.
    const QStringView schluessel = ohneLeerzeichen(QStringView(name));
    const QString* treffer = nullptr;
    for (const QString& n : namen) {
        if (n == name || (treffer && !(n < *treffer)))
            continue;
        const QStringView k = ohneLeerzeichen(QStringView(n));
        if (k.size() == schluessel.size() && k.compare(schluessel, Qt::CaseInsensitive) == 0)
            treffer = &n;
    }
    return treffer ? QStringLiteral(" (es gibt ") + art + zitat(*treffer) + QLatin1Char(')')
                   : QString();
}

QString changeMouseName(const QString& parameter)
{
    return ohneLeerzeichen(parameter.section(QLatin1Char(','), 0, 0));
}

} // namespace

QString aehnlichSchluessel(const QString& name)
{
    return ohneLeerzeichen(name).toCaseFolded();
}

bool nenntHotSpot(qint32 befehl)
{
    return befehl == HSaktivieren || befehl == HSdeaktivieren || befehl == ChangeMouse;
}

bool hotSpotBenannt(qint32 befehl, const QString& parameter, const QStringList& namen)
{
    if (befehl != ChangeMouse)
        return namen.contains(parameter);
    // A name may hold a comma itself: any name followed by the comma counts.
    return std::any_of(namen.begin(), namen.end(), [&parameter](const QString& name) {
        if (!parameter.startsWith(name))
            return false;
        const QStringView rest = ohneLeerzeichen(QStringView(parameter).mid(name.size()));
        return rest.isEmpty() || rest.startsWith(QLatin1Char(','));
    });
}

QString hotSpotFehlt(qint32 befehl, const QString& parameter, const QStringList& namen, bool imRaum)
{
    const QString name = befehl == ChangeMouse ? changeMouseName(parameter) : parameter;
    return QStringLiteral("Einen HotSpot ") + zitat(name) +
           (imRaum ? QStringLiteral(" hat dieser Raum nicht") : QStringLiteral(" hat kein Raum")) +
           aehnlich(name, namen, QString());
}

QString zeilenFehler(qint32 befehl, const QString& parameter, const QStringList* hotSpots)
{
    if (befehl == Label || befehl == Jump)
        return {};
    if (hotSpots && nenntHotSpot(befehl) && !hotSpotBenannt(befehl, parameter, *hotSpots))
        return hotSpotFehlt(befehl, parameter, *hotSpots, true);
    return form(befehl, parameter);
}

QVector<Verstoss> mehrzeilig(const Skript& skript)
{
    QVector<Verstoss> ergebnis;
    Bloecke bloecke(ergebnis);
    QHash<QString, qint32> marken;
    QVector<qint32> spruenge;
    for (qint32 i = 0; i <= skript.MaxZeile; ++i) {
        const qint32 code = skript.Befehl[i];
        bloecke.zeile(i, code);
        if (code == Label) {
            const QString& parameter = skript.Parameter[i];
            const auto alt = marken.constFind(parameter);
            if (alt != marken.cend())
                ergebnis.append({i, QStringLiteral("Die Marke ") + zitat(parameter) +
                                        QStringLiteral(" steht schon in ") + skriptZeile(*alt)});
            else
                marken.insert(parameter, i);
        } else if (code == Jump) {
            spruenge.append(i);
        }
    }
    bloecke.ende();
    // A label may stand after its jump.
    for (const qint32 i : std::as_const(spruenge)) {
        const QString& ziel = skript.Parameter[i];
        if (!marken.contains(ziel))
            ergebnis.append({i, wort(Jump) + QStringLiteral(" zur Marke ") + zitat(ziel) +
                                    QStringLiteral(", die es in diesem Skript nicht gibt") +
                                    aehnlich(ziel, marken.keys(), QStringLiteral("die Marke "))});
    }
    // Sorting would make room even for none: most scripts have none.
    if (ergebnis.size() > 1)
        std::stable_sort(ergebnis.begin(), ergebnis.end(),
                         [](const Verstoss& a, const Verstoss& b) { return a.zeile < b.zeile; });
    return ergebnis;
}

QVector<Verstoss> pruefen(const Skript& skript, const QStringList* hotSpots)
{
    QVector<Verstoss> ergebnis = mehrzeilig(skript);
    // A line's own fault follows what its line has with others: a "Case" outside its
    // block before its number.
    qsizetype k = 0;
    QVector<Verstoss> gemischt;
    if (!ergebnis.isEmpty())
        gemischt.reserve(ergebnis.size());
    for (qint32 i = 0; i <= skript.MaxZeile; ++i) {
        while (k < ergebnis.size() && ergebnis[k].zeile <= i)
            gemischt.append(std::move(ergebnis[k++]));
        QString fehler = zeilenFehler(skript.Befehl[i], skript.Parameter[i], hotSpots);
        if (!fehler.isNull())
            gemischt.append({i, std::move(fehler)});
    }
    while (k < ergebnis.size())
        gemischt.append(std::move(ergebnis[k++]));
    return gemischt;
}

} // namespace SkriptRegeln
