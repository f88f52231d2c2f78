// The three-way merge of rooms and item scripts by what the editor edits.
#include "Zusammenfuehren.h"

#include "HotSpotZuordnung.h"
#include "SkriptZusammenfuehrung.h"
#include "roomfile/ItemSkript.h"
#include "roomfile/RoomFile.h"

#include <QHash>
#include <algorithm>

namespace Zusammenfuehren {
namespace {

// A hotspot of the merged room and where it comes from.
struct Eintrag
{
    qint32 basis = -1;
    qint32 unsere = -1;
    qint32 deren = -1;
    /// Theirs deleted it, we changed it: it stays as ours.
    bool vonDenenGeloescht = false;
    /// Both added it under this name, differently: ours stays.
    bool verschiedenHinzugefuegt = false;
};

template <typename T> bool dreiWege(const T& basis, const T& unsere, const T& deren, T& ergebnis)
{
    if (unsere == deren || deren == basis) {
        ergebnis = unsere;
        return true;
    }
    if (unsere == basis) {
        ergebnis = deren;
        return true;
    }
    ergebnis = unsere;
    return false;
}

QString jaNein(bool wert)
{
    return wert ? QStringLiteral("ja") : QStringLiteral("nein");
}

QString angeboten(bool wert)
{
    return wert ? QStringLiteral("angeboten") : QStringLiteral("nicht angeboten");
}

// What became of a hotspot, in a line or two.
QStringList kurz(const HotSpot& h, bool da)
{
    if (!da)
        return {QStringLiteral("gelöscht")};
    int zellen = 0;
    for (const auto& spalte : h.Feld)
        zellen += int(std::count(spalte.cbegin(), spalte.cend(), true));
    int zeilen = 0;
    for (const Skript& s : h.Skripte)
        zeilen += s.MaxZeile + 1;
    return {QStringLiteral("„%1“, %2 Zellen, %3 Skriptzeilen").arg(h.Name).arg(zellen).arg(zeilen)};
}

class Merger
{
public:
    QVector<Konflikt> konflikte;

    void skript(const Skript& b, const Skript& o, const Skript& t, Skript& ergebnis,
                const Konflikt& vorlage)
    {
        if (o == t || t == b) {
            ergebnis = o;
            return;
        }
        if (o == b) {
            ergebnis = t;
            return;
        }
        const SkriptZusammenfuehrung::Ergebnis e = SkriptZusammenfuehrung::zusammenfuehren(b, o, t);
        ergebnis = e.skript();
        const QStringList unsereTexte = Textform::zeilen(o);
        const QStringList derenTexte = Textform::zeilen(t);
        qint32 ab = 0;
        for (const SkriptZusammenfuehrung::Stueck& s : e.stuecke) {
            if (!s.konflikt) {
                ab += s.zeilen.MaxZeile + 1;
                continue;
            }
            Konflikt k = vorlage;
            k.art = Konflikt::Art::Zeilen;
            k.ab = ab;
            k.unsereAb = s.unsereAb;
            k.derenAb = s.derenAb;
            k.unsereZeilen = s.unsere;
            k.derenZeilen = s.deren;
            k.unsere = unsereTexte.mid(s.unsereAb, s.unsere.MaxZeile + 1);
            k.deren = derenTexte.mid(s.derenAb, s.deren.MaxZeile + 1);
            konflikte.append(k);
            ab += s.unsere.MaxZeile + 1;
        }
    }

    HotSpot hotSpot(const HotSpot& b, const HotSpot& o, const HotSpot& t, qint32 index)
    {
        HotSpot h;
        const bool nameGleich = dreiWege(b.Name, o.Name, t.Name, h.Name);
        Konflikt vorlage;
        vorlage.hotSpot = h.Name;
        vorlage.index = index;
        vorlage.unserer = o;
        vorlage.derer = t;
        const auto feld = [&](Konflikt::Art art, int aktion, const QString& unser,
                              const QString& ihr) {
            Konflikt k = vorlage;
            k.art = art;
            k.aktion = aktion;
            k.unsere = {unser};
            k.deren = {ihr};
            konflikte.append(k);
        };
        if (!nameGleich)
            feld(Konflikt::Art::Name, -1, o.Name, t.Name);
        for (int a = 0; a < HotSpot::Aktionen; ++a) {
            if (!dreiWege(b.Aktion[a], o.Aktion[a], t.Aktion[a], h.Aktion[a]))
                feld(Konflikt::Art::Aktion, a, angeboten(o.Aktion[a]), angeboten(t.Aktion[a]));
        }
        if (!dreiWege(b.Aktiv, o.Aktiv, t.Aktiv, h.Aktiv))
            feld(Konflikt::Art::Aktiv, -1, jaNein(o.Aktiv), jaNein(t.Aktiv));
        if (!dreiWege(b.Cursor, o.Cursor, t.Cursor, h.Cursor))
            feld(Konflikt::Art::Cursor, -1, o.Cursor, t.Cursor);
        for (int a = 0; a < HotSpot::Aktionen; ++a) {
            Konflikt k = vorlage;
            k.aktion = a;
            skript(b.Skripte[a], o.Skripte[a], t.Skripte[a], h.Skripte[a], k);
        }
        // A cell one side changed takes that side's value; both changed it, alike.
        for (int x = 0; x < HotSpot::Spalten; ++x) {
            for (int y = 0; y < HotSpot::Zeilen; ++y)
                h.Feld[x][y] = o.Feld[x][y] != b.Feld[x][y] ? o.Feld[x][y] : t.Feld[x][y];
        }
        return h;
    }
};

// Where a hotspot of theirs stands in the merged list: after the hotspot before it in their
// list that the merged list has, first when none.
qint32 platzNach(const QVector<Eintrag>& liste, qint32 deren)
{
    for (qint32 vorher = deren - 1; vorher >= 0; --vorher) {
        for (qint32 i = 0; i < liste.size(); ++i) {
            if (liste[i].deren == vorher)
                return i + 1;
        }
    }
    return 0;
}

// Reads base, ours and theirs; a conflict for each that cannot be read to its end.
template <typename Modell, typename Lesen>
bool dreiLesen(const std::array<const QByteArray*, 3>& fassungen, std::array<Modell, 3>& modelle,
               Lesen lesen, QVector<Konflikt>& konflikte)
{
    static const char* const namen[] = {"BASIS", "UNSERE", "DEREN"};
    for (size_t i = 0; i < fassungen.size(); ++i) {
        const auto gelesen = lesen(*fassungen[i], modelle[i]);
        if (gelesen.vollstaendig)
            continue;
        Konflikt k;
        k.art = Konflikt::Art::Datei;
        k.datei = QLatin1String(namen[i]);
        k.zeile = gelesen.zeile;
        konflikte.append(k);
    }
    return konflikte.isEmpty();
}

} // namespace

QVector<Konflikt> raeume(const Module1& basis, const Module1& unsere, const Module1& deren,
                         Module1& raum)
{
    Merger m;
    const HotSpotZuordnung zu = HotSpotZuordnung::zuordnen(basis, unsere);
    const HotSpotZuordnung zd = HotSpotZuordnung::zuordnen(basis, deren);

    QVector<Eintrag> liste;
    // Hotspots we deleted and they changed: not in the merge, but a conflict.
    QVector<qint32> vonUnsGeloescht;
    for (qint32 o = 0; o <= unsere.HotSpotMax; ++o) {
        Eintrag e;
        e.unsere = o;
        e.basis = zu.basisVonSeite[o];
        if (e.basis >= 0) {
            e.deren = zd.seiteVonBasis[e.basis];
            if (e.deren < 0) {
                if (unsere.HotSpots[o] == basis.HotSpots[e.basis])
                    continue;
                e.vonDenenGeloescht = true;
            }
        }
        liste.append(e);
    }
    for (qint32 b = 0; b <= basis.HotSpotMax; ++b) {
        const qint32 t = zd.seiteVonBasis[b];
        if (zu.seiteVonBasis[b] < 0 && t >= 0 && deren.HotSpots[t] != basis.HotSpots[b])
            vonUnsGeloescht.append(t);
    }
    // What both added under one name is one hotspot; the rest of theirs comes in after the
    // hotspot before it.
    QHash<QString, QVector<qint32>> unsereNeuen;
    for (qint32 i = 0; i < liste.size(); ++i) {
        if (liste[i].basis < 0)
            unsereNeuen[unsere.HotSpots[liste[i].unsere].Name].append(i);
    }
    QHash<QString, int> gesehen;
    for (qint32 t = 0; t <= deren.HotSpotMax; ++t) {
        if (zd.basisVonSeite[t] >= 0)
            continue;
        const QString& name = deren.HotSpots[t].Name;
        const int k = gesehen[name]++;
        const auto gleichnamig = unsereNeuen.constFind(name);
        if (gleichnamig != unsereNeuen.cend() && k < gleichnamig->size()) {
            Eintrag& e = liste[gleichnamig->at(k)];
            e.deren = t;
            e.verschiedenHinzugefuegt = unsere.HotSpots[e.unsere] != deren.HotSpots[t];
            continue;
        }
        Eintrag e;
        e.deren = t;
        const qint32 platz = platzNach(liste, t);
        liste.insert(platz, e);
        // The indices of our new hotspots move with it.
        for (QVector<qint32>& plaetze : unsereNeuen) {
            for (qint32& p : plaetze)
                p += p >= platz ? 1 : 0;
        }
    }

    QString hintergrund;
    if (!dreiWege(basis.Hintergrund(), unsere.Hintergrund(), deren.Hintergrund(), hintergrund)) {
        Konflikt k;
        k.art = Konflikt::Art::Hintergrund;
        k.unsererHintergrund = unsere.Hintergrund();
        k.dererHintergrund = deren.Hintergrund();
        k.unsere = {Textform::bildName(unsere.Hintergrund())};
        k.deren = {Textform::bildName(deren.Hintergrund())};
        m.konflikte.append(k);
    }
    raum.setHintergrund(hintergrund);
    Konflikt start;
    start.skript = Konflikt::Skriptart::Start;
    m.skript(basis.StartSkript, unsere.StartSkript, deren.StartSkript, raum.StartSkript, start);
    Konflikt timer;
    timer.skript = Konflikt::Skriptart::Timer;
    m.skript(basis.TimerSkript, unsere.TimerSkript, deren.TimerSkript, raum.TimerSkript, timer);

    QVector<HotSpot> hotSpots;
    hotSpots.reserve(liste.size());
    for (qint32 i = 0; i < liste.size(); ++i) {
        const Eintrag& e = liste[i];
        if (e.unsere < 0) {
            hotSpots.append(deren.HotSpots[e.deren]);
            continue;
        }
        const HotSpot& unser = unsere.HotSpots[e.unsere];
        hotSpots.append(unser);
        Konflikt k;
        k.hotSpot = unser.Name;
        k.index = i;
        k.unserer = unser;
        if (e.vonDenenGeloescht) {
            k.art = Konflikt::Art::Geloescht;
            k.dererDa = false;
        } else if (e.verschiedenHinzugefuegt) {
            k.art = Konflikt::Art::Hinzugefuegt;
            k.derer = deren.HotSpots[e.deren];
        } else {
            if (e.basis >= 0)
                hotSpots.last() =
                    m.hotSpot(basis.HotSpots[e.basis], unser, deren.HotSpots[e.deren], i);
            continue;
        }
        k.unsere = kurz(k.unserer, k.unsererDa);
        k.deren = kurz(k.derer, k.dererDa);
        m.konflikte.append(k);
    }
    for (const qint32 t : std::as_const(vonUnsGeloescht)) {
        Konflikt k;
        k.art = Konflikt::Art::Geloescht;
        k.hotSpot = deren.HotSpots[t].Name;
        k.index = platzNach(liste, t);
        k.unsererDa = false;
        k.derer = deren.HotSpots[t];
        k.unsere = kurz(k.unserer, false);
        k.deren = kurz(k.derer, true);
        m.konflikte.append(k);
    }
    // The room's own conflicts first, then by the hotspots' order.
    std::stable_sort(m.konflikte.begin(), m.konflikte.end(),
                     [](const Konflikt& a, const Konflikt& b) { return a.index < b.index; });

    raum.HotSpotMax = qint32(hotSpots.size()) - 1;
    raum.HotSpots = hotSpots.isEmpty() ? QVector<HotSpot>(1) : hotSpots;
    return m.konflikte;
}

Ergebnis dateien(Textform::Art art, const QByteArray& basis, const QByteArray& unsere,
                 const QByteArray& deren)
{
    Ergebnis e;
    // What one side alone changed is that side's file, byte for byte, as git would take it.
    if (unsere == deren || deren == basis) {
        e.bytes = unsere;
        return e;
    }
    if (unsere == basis) {
        e.bytes = deren;
        return e;
    }
    e.bytes = unsere;
    const std::array<const QByteArray*, 3> fassungen = {&basis, &unsere, &deren};
    if (art == Textform::Art::ItemSkript) {
        std::array<Skript, 3> skripte;
        const auto skriptLesen = [](const QByteArray& bytes, Skript& skript) {
            return ItemSkript::lesen(bytes, skript);
        };
        if (!dreiLesen(fassungen, skripte, skriptLesen, e.konflikte))
            return e;
        Merger m;
        Konflikt vorlage;
        vorlage.skript = Konflikt::Skriptart::Item;
        Skript ergebnis;
        m.skript(skripte[0], skripte[1], skripte[2], ergebnis, vorlage);
        e.konflikte = m.konflikte;
        e.bytes = ItemSkript::schreiben(ergebnis);
        return e;
    }
    std::array<Module1, 3> raeumeGelesen;
    const auto raumLesen = [](const QByteArray& bytes, Module1& raum) {
        return RoomFile::lesen(bytes, raum);
    };
    if (!dreiLesen(fassungen, raeumeGelesen, raumLesen, e.konflikte))
        return e;
    Module1 raum;
    e.konflikte = raeume(raeumeGelesen[0], raeumeGelesen[1], raeumeGelesen[2], raum);
    e.bytes = RoomFile::schreiben(raum);
    return e;
}

QString meldung(const Ergebnis& ergebnis, const QString& pfad)
{
    if (ergebnis.sauber())
        return {};
    QString aus;
    bool datei = false;
    for (const Konflikt& k : ergebnis.konflikte) {
        aus += QStringLiteral("%1: Konflikt: %2\n").arg(pfad, k.beschreibung());
        datei = datei || k.art == Konflikt::Art::Datei;
        if (k.art == Konflikt::Art::Datei)
            continue;
        const bool zeilen = k.art == Konflikt::Art::Zeilen;
        for (const bool unser : {true, false}) {
            const QStringList& fassung = unser ? k.unsere : k.deren;
            const QString wer = unser ? QStringLiteral("unsere") : QStringLiteral("deren");
            if (!zeilen) {
                aus += QStringLiteral("  %1: %2\n").arg(wer, fassung.join(QStringLiteral(", ")));
                continue;
            }
            aus +=
                QStringLiteral("  %1 (%2):\n").arg(wer, unser ? k.unsereStelle() : k.derenStelle());
            for (const QString& zeile : fassung)
                aus += QStringLiteral("    ") + zeile + QLatin1Char('\n');
        }
    }
    const qsizetype n = ergebnis.konflikte.size();
    aus +=
        QStringLiteral("%1: %2 %3, %4. Deren Fassung zeigt: git show :3:%1 | tarnholm-git text -\n")
            .arg(pfad)
            .arg(n)
            .arg(n == 1 ? QStringLiteral("Konflikt") : QStringLiteral("Konflikte"))
            .arg(datei ? QStringLiteral("die Datei bleibt unsere")
                       : QStringLiteral("dort gilt unsere Fassung, alles andere ist "
                                        "zusammengeführt"));
    return aus;
}

} // namespace Zusammenfuehren
