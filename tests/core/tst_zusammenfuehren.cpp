#include "SkriptAus.h"
#include "git/Konfliktloesung.h"
#include "git/SkriptZusammenfuehrung.h"
#include "git/Zusammenfuehren.h"
#include "roomfile/ItemSkript.h"
#include "roomfile/RoomFile.h"

#include <QRandomGenerator>
#include <QSet>
#include <QTest>
#include <functional>
#include <numeric>
#include <random>

namespace {

// A room whose hotspots keep who they are through edits, so that two sides' edits can be
// applied one after the other.
struct Stand
{
    QString bild = "bild.bmp";
    Skript start;
    Skript timer;
    QVector<QPair<int, HotSpot>> hotSpots;

    int platz(int id) const
    {
        for (int i = 0; i < hotSpots.size(); ++i) {
            if (hotSpots[i].first == id)
                return i;
        }
        return -1;
    }
    HotSpot& hotSpot(int id) { return hotSpots[platz(id)].second; }
    // -1 the start script, -2 the timer script.
    Skript& skript(int id, int aktion)
    {
        return id == -1 ? start : id == -2 ? timer : hotSpot(id).Skripte[aktion];
    }
    Module1 raum() const
    {
        Module1 m;
        m.setHintergrund(bild);
        m.StartSkript = start;
        m.TimerSkript = timer;
        for (const auto& [id, h] : hotSpots)
            m.HotSpots[m.neuerHotSpot(0)] = h;
        return m;
    }
    QByteArray bytes() const { return RoomFile::schreiben(raum()); }
};

using Aenderung = std::function<void(Stand&)>;

Stand anwenden(Stand s, const QVector<Aenderung>& aenderungen)
{
    for (const Aenderung& a : aenderungen)
        a(s);
    return s;
}

qint32 zeileMit(const Skript& s, const QString& parameter)
{
    return qint32(s.Parameter.mid(0, s.MaxZeile + 1).indexOf(parameter));
}

void einfuegen(Skript& s, qint32 vor, qint32 code, const QString& parameter)
{
    s.Befehl.resize(s.MaxZeile + 1);
    s.Parameter.resize(s.MaxZeile + 1);
    s.Befehl.insert(vor, code);
    s.Parameter.insert(vor, parameter);
    ++s.MaxZeile;
}

void entfernen(Skript& s, qint32 zeile)
{
    s.Befehl.remove(zeile);
    s.Parameter.remove(zeile);
    --s.MaxZeile;
}

// Random rooms and pairs of edits that touch different things: each field, script region,
// cell and hotspot belongs to one side at most. Every text is unique, so that lines and names
// say which they are.
class Zufall
{
public:
    explicit Zufall(quint32 saat) : g(saat) {}

    QString neu(const char* vorsatz) { return vorsatz + QString::number(++zaehler); }
    bool ja(int prozent) { return int(g.bounded(100)) < prozent; }

    Skript skript(int hoechstens)
    {
        Skript s;
        for (int i = int(g.bounded(hoechstens + 1)); i > 0; --i)
            einfuegen(s, s.MaxZeile + 1, qint32(g.bounded(33)), neu("z"));
        return s;
    }
    HotSpot hotSpot(const QString& name)
    {
        HotSpot h;
        h.Name = name;
        h.Aktion = {ja(50), ja(50), ja(50)};
        h.Aktiv = ja(50);
        h.Cursor = ja(50) ? neu("c") + ".cur" : QString();
        for (Skript& s : h.Skripte)
            s = skript(5);
        for (auto& spalte : h.Feld)
            for (bool& zelle : spalte)
                zelle = ja(5);
        return h;
    }
    Stand basis()
    {
        Stand s;
        s.bild = neu("bild") + ".bmp";
        s.start = skript(6);
        s.timer = skript(6);
        for (int id = 0, n = 2 + int(g.bounded(5)); id < n; ++id)
            s.hotSpots.append({id, hotSpot(neu("H"))});
        return s;
    }

    // Edits of the lines [von, bis) of a script, and new lines after the lines [nachVon, bis)
    // (nachVon -1: also at its beginning).
    void skriptAendern(QVector<Aenderung>& seite, const Skript& basis, int id, int aktion,
                       qint32 von, qint32 bis, qint32 nachVon)
    {
        QSet<qint32> beruehrt;
        for (int n = 1 + int(g.bounded(3)); n > 0; --n) {
            const int art = int(g.bounded(3));
            if (art < 2 && von < bis) {
                const qint32 zeile = von + qint32(g.bounded(bis - von));
                if (beruehrt.contains(zeile))
                    continue;
                beruehrt.insert(zeile);
                const QString alt = basis.Parameter[zeile];
                const QString neuerText = neu("g");
                const qint32 code = qint32(g.bounded(33));
                seite.append([=](Stand& s) {
                    Skript& sk = s.skript(id, aktion);
                    const qint32 i = zeileMit(sk, alt);
                    if (art == 0) {
                        sk.Befehl[i] = code;
                        sk.Parameter[i] = neuerText;
                    } else {
                        entfernen(sk, i);
                    }
                });
            } else {
                const qint32 nach = nachVon + qint32(g.bounded(bis - nachVon));
                if (nach >= 0 && beruehrt.contains(nach))
                    continue;
                if (nach >= 0)
                    beruehrt.insert(nach);
                const QString anker = nach >= 0 ? basis.Parameter[nach] : QString();
                const QString neuerText = neu("n");
                const qint32 code = qint32(g.bounded(33));
                seite.append([=](Stand& s) {
                    Skript& sk = s.skript(id, aktion);
                    einfuegen(sk, anker.isNull() ? 0 : zeileMit(sk, anker) + 1, code, neuerText);
                });
            }
        }
    }

    // A script edited by one side, or by both in two regions with a line between them that
    // neither touches.
    void skript(QVector<Aenderung>& a, QVector<Aenderung>& b, const Skript& basis, int id,
                int aktion)
    {
        const qint32 n = basis.MaxZeile + 1;
        if (n >= 3 && ja(40)) {
            const qint32 mitte = 1 + qint32(g.bounded(n - 2));
            skriptAendern(a, basis, id, aktion, 0, mitte, -1);
            skriptAendern(b, basis, id, aktion, mitte + 1, n, mitte);
        } else if (ja(50)) {
            skriptAendern(ja(50) ? a : b, basis, id, aktion, 0, n, -1);
        }
    }

    void aenderungen(const Stand& basis, QVector<Aenderung>& a, QVector<Aenderung>& b)
    {
        const auto seite = [&]() -> QVector<Aenderung>* {
            const int w = int(g.bounded(4));
            return w == 0 ? &a : w == 1 ? &b : nullptr;
        };
        if (QVector<Aenderung>* s = seite()) {
            const QString bild = neu("anders") + ".bmp";
            s->append([=](Stand& st) { st.bild = bild; });
        }
        skript(a, b, basis.start, -1, 0);
        skript(a, b, basis.timer, -2, 0);
        const int n = int(basis.hotSpots.size());
        QVector<int> loescher(n, 0);
        for (int i = 0; i < n; ++i)
            loescher[i] = ja(15) ? 1 : ja(15) ? 2 : 0;
        for (int i = 0; i < n; ++i) {
            const int id = basis.hotSpots[i].first;
            const HotSpot& h = basis.hotSpots[i].second;
            if (loescher[i]) {
                (loescher[i] == 1 ? a : b).append([=](Stand& s) {
                    s.hotSpots.remove(s.platz(id));
                });
                continue;
            }
            // A side renames only where it deletes no neighbour, and keeps the cells: that is
            // how the merge tells a renamed hotspot from one deleted and another added.
            QVector<Aenderung>* umbenenner = seite();
            const int seiteNr = umbenenner == &a ? 1 : 2;
            if (umbenenner && ((i > 0 && loescher[i - 1] == seiteNr) ||
                               (i + 1 < n && loescher[i + 1] == seiteNr)))
                umbenenner = nullptr;
            if (umbenenner) {
                const QString name = neu("R");
                umbenenner->append([=](Stand& s) { s.hotSpot(id).Name = name; });
            }
            for (int aktion = 0; aktion < HotSpot::Aktionen; ++aktion) {
                if (QVector<Aenderung>* s = seite())
                    s->append([=](Stand& st) {
                        st.hotSpot(id).Aktion[aktion] = !st.hotSpot(id).Aktion[aktion];
                    });
                skript(a, b, h.Skripte[aktion], id, aktion);
            }
            if (QVector<Aenderung>* s = seite())
                s->append([=](Stand& st) { st.hotSpot(id).Aktiv = !st.hotSpot(id).Aktiv; });
            if (QVector<Aenderung>* s = seite()) {
                const QString cursor = neu("anders") + ".cur";
                s->append([=](Stand& st) { st.hotSpot(id).Cursor = cursor; });
            }
            QVector<QPair<int, int>> zellenA;
            QVector<QPair<int, int>> zellenB;
            for (int x = 0; x < HotSpot::Spalten; ++x) {
                for (int y = 0; y < HotSpot::Zeilen; ++y) {
                    if (ja(3) && !(umbenenner == &a))
                        zellenA.append({x, y});
                    else if (ja(3) && !(umbenenner == &b))
                        zellenB.append({x, y});
                }
            }
            for (const auto& [seiteZellen, ziel] :
                 {std::pair{zellenA, &a}, std::pair{zellenB, &b}}) {
                ziel->append([=](Stand& st) {
                    for (const auto& [x, y] : seiteZellen)
                        st.hotSpot(id).Feld[x][y] = !st.hotSpot(id).Feld[x][y];
                });
            }
        }
        for (QVector<Aenderung>* s : {&a, &b}) {
            for (int k = int(g.bounded(3)); k > 0; --k) {
                const HotSpot h = hotSpot(neu("N"));
                const int id = 1000 + zaehler;
                s->append([=](Stand& st) { st.hotSpots.append({id, h}); });
            }
        }
    }

    // Both sides edit whatever they like: names, cursors, the picture, script lines, cells;
    // a side may delete a hotspot the other changes.
    void gegeneinander(const Stand& basis, QVector<Aenderung>& a, QVector<Aenderung>& b)
    {
        for (QVector<Aenderung>* s : {&a, &b}) {
            if (ja(30)) {
                const QString bild = neu("anders") + ".bmp";
                s->append([=](Stand& st) { st.bild = bild; });
            }
            if (ja(40))
                skriptAendern(*s, basis.start, -1, 0, 0, basis.start.MaxZeile + 1, -1);
        }
        for (const auto& [id, h] : basis.hotSpots) {
            const int loescher = ja(10) ? 1 : ja(10) ? 2 : 0;
            for (QVector<Aenderung>* s : {&a, &b}) {
                if (loescher == (s == &a ? 1 : 2)) {
                    s->append([id = id](Stand& st) { st.hotSpots.remove(st.platz(id)); });
                    continue;
                }
                if (ja(20)) {
                    const QString name = neu("R");
                    s->append([id = id, name](Stand& st) { st.hotSpot(id).Name = name; });
                }
                if (ja(30)) {
                    const QString cursor = neu("c") + ".cur";
                    s->append([id = id, cursor](Stand& st) { st.hotSpot(id).Cursor = cursor; });
                }
                for (int aktion = 0; aktion < HotSpot::Aktionen; ++aktion) {
                    if (ja(30))
                        skriptAendern(*s, h.Skripte[aktion], id, aktion, 0,
                                      h.Skripte[aktion].MaxZeile + 1, -1);
                }
                const int x = int(g.bounded(HotSpot::Spalten));
                s->append([id = id, x](Stand& st) {
                    st.hotSpot(id).Feld[x][x % HotSpot::Zeilen] ^= true;
                });
            }
        }
    }

private:
    QRandomGenerator g;
    int zaehler = 0;
};

void anwenden(Module1& raum, const QVector<Konfliktloesung::Aenderung>& aenderungen)
{
    for (const Konfliktloesung::Aenderung& a : aenderungen) {
        if (a.art == Konfliktloesung::Aenderung::Art::Wert)
            RaumBearbeitung::schreiben(raum, a.stelle, a.wert);
        else if (a.art == Konfliktloesung::Aenderung::Art::HotSpotRein)
            RaumBearbeitung::hotSpotEinfuegen(raum, a.index, a.spot);
        else
            raum.hotSpotEntfernen(a.index);
    }
}

// A random base and two sides' edits of it: of different things, or competing.
struct Fall
{
    Stand basis;
    QVector<Aenderung> a;
    QVector<Aenderung> b;

    explicit Fall(quint32 saat, bool gegeneinander = false)
    {
        Zufall z(saat);
        basis = z.basis();
        if (gegeneinander)
            z.gegeneinander(basis, a, b);
        else
            z.aenderungen(basis, a, b);
    }
};

Module1 gelesen(const QByteArray& bytes)
{
    Module1 m;
    RoomFile::lesen(bytes, m);
    return m;
}

} // namespace

class ZusammenfuehrenTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Edits that touch different hotspots, cells, fields and script lines all arrive, as if
    // both sides' edits had been made one after the other.
    void editsOfDifferentThingsMergeCleanlyAsIfMadeInTurn()
    {
        for (quint32 saat = 1; saat <= 400; ++saat) {
            const auto [basis, a, b] = Fall(saat);
            const Stand unsere = anwenden(basis, a);
            const Stand deren = anwenden(basis, b);
            for (const bool umgekehrt : {false, true}) {
                const Stand& ours = umgekehrt ? deren : unsere;
                const Stand& theirs = umgekehrt ? unsere : deren;
                const Zusammenfuehren::Ergebnis e = Zusammenfuehren::dateien(
                    Textform::Art::Raum, basis.bytes(), ours.bytes(), theirs.bytes());
                const QByteArray erwartet =
                    anwenden(anwenden(basis, umgekehrt ? a : b), umgekehrt ? b : a).bytes();
                QVERIFY2(e.sauber(), qPrintable(QString("Saat %1: %2")
                                                    .arg(saat)
                                                    .arg(Zusammenfuehren::meldung(e, "raum.lsd"))));
                if (e.bytes != erwartet)
                    QFAIL(qPrintable(QString("Saat %1, umgekehrt %2: not both sides' edits")
                                         .arg(saat)
                                         .arg(umgekehrt)));
            }
        }
    }

    // One side unchanged: the other side's file, byte for byte, also where the merge of models
    // decides it.
    void aMergeWithOneSideUnchangedIsTheOtherSide()
    {
        for (quint32 saat = 1; saat <= 100; ++saat) {
            const auto [basis, a, b] = Fall(saat);
            const QByteArray geaendert = anwenden(basis, a + b).bytes();
            QCOMPARE(Zusammenfuehren::dateien(Textform::Art::Raum, basis.bytes(), geaendert,
                                              basis.bytes())
                         .bytes,
                     geaendert);
            QCOMPARE(Zusammenfuehren::dateien(Textform::Art::Raum, basis.bytes(), basis.bytes(),
                                              geaendert)
                         .bytes,
                     geaendert);
            Module1 raum;
            QVERIFY(Zusammenfuehren::raeume(basis.raum(), gelesen(geaendert), basis.raum(), raum)
                        .isEmpty());
            QCOMPARE(RoomFile::schreiben(raum), geaendert);
            QVERIFY(Zusammenfuehren::raeume(basis.raum(), basis.raum(), gelesen(geaendert), raum)
                        .isEmpty());
            QCOMPARE(RoomFile::schreiben(raum), geaendert);
        }
        // A file not as the editor writes it (LF line ends) stays exactly as it is.
        const QByteArray lf = "\"a.bmp\"\n-1\n-1\n-1\n";
        const QByteArray basis = Stand().bytes();
        QCOMPARE(Zusammenfuehren::dateien(Textform::Art::Raum, basis, lf, basis).bytes, lf);
    }

    // Theirs chosen at every conflict, in any order, is the merge the other way round; taking
    // each choice back, in any order, gives the merge again.
    void choosingTheirsEverywhereGivesTheMergeTheOtherWayRound()
    {
        int konflikte = 0;
        for (quint32 saat = 1; saat <= 300; ++saat) {
            const auto [basis, a, b] = Fall(saat, true);
            const Module1 unsere = anwenden(basis, a).raum();
            const Module1 deren = anwenden(basis, b).raum();
            Module1 raum;
            Konfliktloesung l(Zusammenfuehren::raeume(basis.raum(), unsere, deren, raum));
            const QByteArray gemischt = RoomFile::schreiben(raum);
            Module1 andersherum;
            Zusammenfuehren::raeume(basis.raum(), deren, unsere, andersherum);
            konflikte += int(l.konflikte().size());

            QVector<int> reihe(l.konflikte().size());
            std::iota(reihe.begin(), reihe.end(), 0);
            std::shuffle(reihe.begin(), reihe.end(), *QRandomGenerator::global());
            for (const int i : reihe) {
                const Konfliktloesung::Wahl w =
                    l.moeglich(i, Konfliktloesung::Wahl::Beide) && saat % 2
                        ? Konfliktloesung::Wahl::Beide
                        : Konfliktloesung::Wahl::Deren;
                const auto aenderungen = l.aenderungen(raum, i, w, nullptr);
                QVERIFY2(
                    aenderungen,
                    qPrintable(
                        QString("Saat %1: %2").arg(saat).arg(l.konflikte()[i].beschreibung())));
                anwenden(raum, *aenderungen);
                l.setzen(i, w);
                // "Beide" then "Deren": the lines of both give way to theirs.
                if (w == Konfliktloesung::Wahl::Beide) {
                    anwenden(raum, *l.aenderungen(raum, i, Konfliktloesung::Wahl::Deren, nullptr));
                    l.setzen(i, Konfliktloesung::Wahl::Deren);
                }
            }
            QCOMPARE(l.naechsteOffene(0), -1);
            QVERIFY2(RoomFile::schreiben(raum) == RoomFile::schreiben(andersherum),
                     qPrintable(QString("Saat %1").arg(saat)));
            std::shuffle(reihe.begin(), reihe.end(), *QRandomGenerator::global());
            for (const int i : reihe) {
                anwenden(raum, *l.aenderungen(raum, i, Konfliktloesung::Wahl::Unsere, nullptr));
                l.setzen(i, Konfliktloesung::Wahl::Unsere);
            }
            QVERIFY2(RoomFile::schreiben(raum) == gemischt,
                     qPrintable(QString("Saat %1").arg(saat)));
        }
        QVERIFY(konflikte > 300);
    }

    // A choice where the author has changed the room since the merge is refused with the reason.
    void aChoiceWhereTheRoomChangedSinceIsRefused()
    {
        Module1 basis;
        basis.StartSkript = skriptAus({{2, "a"}, {2, "b"}, {2, "c"}});
        Module1 unsere = basis;
        unsere.StartSkript.Parameter[1] = "x";
        Module1 deren = basis;
        deren.StartSkript.Parameter[1] = "y";
        Module1 raum;
        const Konfliktloesung l(Zusammenfuehren::raeume(basis, unsere, deren, raum));
        QCOMPARE(l.konflikte().size(), 1);
        raum.StartSkript.Parameter[1] = "von Hand";
        QString grund;
        QVERIFY(!l.aenderungen(raum, 0, Konfliktloesung::Wahl::Deren, &grund));
        QCOMPARE(grund, QString("Startskript, Zeile 2 wurde seit dem Zusammenführen geändert; "
                                "bitte von Hand lösen."));
        QVERIFY(!l.moeglich(0, Konfliktloesung::Wahl::Offen) ||
                l.aenderungen(raum, 0, Konfliktloesung::Wahl::Unsere, nullptr)->isEmpty());
    }

    void eachKindOfConflictKeepsOursAndNamesBothVersions_data()
    {
        QTest::addColumn<QVector<Aenderung>>("unsere");
        QTest::addColumn<QVector<Aenderung>>("deren");
        QTest::addColumn<QVector<Aenderung>>("ergebnis");
        QTest::addColumn<QString>("meldung");

        const auto tuer = [](Stand& s) -> HotSpot& { return s.hotSpot(0); };
        const Aenderung zelleDerer = [](Stand& s) { s.hotSpot(1).Feld[5][6] = true; };
        const auto zeile = [](int aktion, int i, const QString& text) {
            return [=](Stand& s) { s.skript(0, aktion).Parameter[i] = text; };
        };
        QTest::newRow("background")
            << QVector<Aenderung>{[](Stand& s) { s.bild = "nacht.bmp"; }}
            << QVector<Aenderung>{[](Stand& s) { s.bild = "tag.bmp"; }, zelleDerer}
            << QVector<Aenderung>{[](Stand& s) { s.bild = "nacht.bmp"; }, zelleDerer}
            << "raum.lsd: Konflikt: Hintergrund\n"
               "  unsere: nacht.bmp\n"
               "  deren: tag.bmp\n";
        QTest::newRow("name") << QVector<Aenderung>{[=](Stand& s) {
            tuer(s).Name = "Haustür";
        }} << QVector<Aenderung>{[=](Stand& s) { tuer(s).Name = "Eingang"; }, zelleDerer}
                              << QVector<Aenderung>{[=](Stand& s) { tuer(s).Name = "Haustür"; },
                                                    zelleDerer}
                              << "raum.lsd: Konflikt: HotSpot „Haustür“, Name\n"
                                 "  unsere: Haustür\n"
                                 "  deren: Eingang\n";
        QTest::newRow("cursor, under the name only they changed")
            << QVector<Aenderung>{[=](Stand& s) { tuer(s).Cursor = "auge.cur"; }}
            << QVector<Aenderung>{[=](Stand& s) {
                   tuer(s).Cursor = "fuss.cur";
                   tuer(s).Name = "Eingang";
               }}
            << QVector<Aenderung>{[=](Stand& s) {
                   tuer(s).Cursor = "auge.cur";
                   tuer(s).Name = "Eingang";
               }}
            << "raum.lsd: Konflikt: HotSpot „Eingang“, Cursor\n"
               "  unsere: auge.cur\n"
               "  deren: fuss.cur\n";
        QTest::newRow("lines of a hotspot's script, with the indentation of their script")
            << QVector<Aenderung>{zeile(1, 1, "TuerAuf"), zeile(1, 3, "keller.lsd")}
            << QVector<Aenderung>{zeile(1, 1, "TuerZu"), zeile(1, 0, "Offen")}
            << QVector<Aenderung>{zeile(1, 1, "TuerAuf"), zeile(1, 3, "keller.lsd"),
                                  zeile(1, 0, "Offen")}
            << "raum.lsd: Konflikt: HotSpot „Tür“, Skript „Tue“, Zeile 2\n"
               "  unsere (Zeile 2):\n"
               "       SetFlag TuerAuf\n"
               "  deren (Zeile 2):\n"
               "       SetFlag TuerZu\n";
        QTest::newRow("lines added at one place of the start script")
            << QVector<Aenderung>{[](Stand& s) { einfuegen(s.start, 1, 2, "Hallo"); }}
            << QVector<Aenderung>{[](Stand& s) {
                   einfuegen(s.start, 1, 2, "Guten Tag");
                   einfuegen(s.start, 2, 1, "gong.wav");
               }}
            << QVector<Aenderung>{[](Stand& s) { einfuegen(s.start, 1, 2, "Hallo"); }}
            << "raum.lsd: Konflikt: Startskript, Zeile 2\n"
               "  unsere (Zeile 2):\n"
               "    Print Hallo\n"
               "  deren (Zeilen 2 bis 3):\n"
               "    Print Guten Tag\n"
               "    PlayWav gong.wav\n";
        QTest::newRow("deleted by us, changed by them")
            << QVector<Aenderung>{[](Stand& s) { s.hotSpots.remove(0); }}
            << QVector<Aenderung>{[=](Stand& s) { tuer(s).Feld[1][1] = true; }, zelleDerer}
            << QVector<Aenderung>{[](Stand& s) { s.hotSpots.remove(0); }, zelleDerer}
            << "raum.lsd: Konflikt: HotSpot „Tür“: von uns gelöscht, von ihnen geändert\n"
               "  unsere: gelöscht\n"
               "  deren: „Tür“, 1 Zellen, 6 Skriptzeilen\n";
        QTest::newRow("deleted by them, changed by us")
            << QVector<Aenderung>{[=](Stand& s) { tuer(s).Aktiv = false; }}
            << QVector<Aenderung>{[](Stand& s) { s.hotSpots.remove(0); }, zelleDerer}
            << QVector<Aenderung>{[=](Stand& s) { tuer(s).Aktiv = false; }, zelleDerer}
            << "raum.lsd: Konflikt: HotSpot „Tür“: von ihnen gelöscht, von uns geändert\n"
               "  unsere: „Tür“, 0 Zellen, 6 Skriptzeilen\n"
               "  deren: gelöscht\n";
        const auto neuer = [](int zellen) {
            return [=](Stand& s) {
                HotSpot h = HotSpot::neu("Kamin");
                for (int x = 0; x < zellen; ++x)
                    h.Feld[x][0] = true;
                s.hotSpots.append({9, h});
            };
        };
        QTest::newRow("added by both, differently")
            << QVector<Aenderung>{neuer(2)} << QVector<Aenderung>{neuer(3), zelleDerer}
            << QVector<Aenderung>{neuer(2), zelleDerer}
            << "raum.lsd: Konflikt: HotSpot „Kamin“: auf beiden Seiten verschieden hinzugefügt\n"
               "  unsere: „Kamin“, 2 Zellen, 1 Skriptzeilen\n"
               "  deren: „Kamin“, 3 Zellen, 1 Skriptzeilen\n";
        QTest::newRow("added by both alike: one hotspot")
            << QVector<Aenderung>{neuer(2)} << QVector<Aenderung>{neuer(2), zelleDerer}
            << QVector<Aenderung>{neuer(2), zelleDerer} << QString();
    }
    void eachKindOfConflictKeepsOursAndNamesBothVersions()
    {
        QFETCH(QVector<Aenderung>, unsere);
        QFETCH(QVector<Aenderung>, deren);
        QFETCH(QVector<Aenderung>, ergebnis);
        QFETCH(QString, meldung);
        Stand basis;
        HotSpot tuer = HotSpot::neu("Tür");
        tuer.Skripte[1] =
            skriptAus({{0, "Offen"}, {3, "Tuer"}, {9, ""}, {4, "wald.lsd"}, {10, ""}});
        basis.hotSpots = {{0, tuer}, {1, HotSpot::neu("Truhe")}};
        basis.start = skriptAus({{2, "Willkommen"}, {16, ""}});
        const Zusammenfuehren::Ergebnis e = Zusammenfuehren::dateien(
            Textform::Art::Raum, basis.bytes(), anwenden(basis, unsere).bytes(),
            anwenden(basis, deren).bytes());
        QCOMPARE(e.bytes, anwenden(basis, ergebnis).bytes());
        const QString schluss =
            "raum.lsd: 1 Konflikt, dort gilt unsere Fassung, alles andere ist zusammengeführt. "
            "Deren Fassung zeigt: git show :3:raum.lsd | tarnholm-git text -\n";
        QCOMPARE(Zusammenfuehren::meldung(e, "raum.lsd"),
                 meldung.isEmpty() ? QString() : meldung + schluss);
    }

    // A file of the three that cannot be read to its end: ours stays as it is, and the message
    // says which and where reading stops.
    void aFileThatCannotBeReadIsAConflictThatKeepsOurs()
    {
        Stand basis;
        basis.start = skriptAus({{2, "a"}});
        Stand unsere = basis;
        unsere.start.Parameter[0] = "b";
        const QByteArray kaputt = basis.bytes().left(110);
        const Zusammenfuehren::Ergebnis e =
            Zusammenfuehren::dateien(Textform::Art::Raum, basis.bytes(), unsere.bytes(), kaputt);
        QCOMPARE(e.bytes, unsere.bytes());
        QCOMPARE(Zusammenfuehren::meldung(e, "rooms/haus.lsd"),
                 QString("rooms/haus.lsd: Konflikt: Deren Fassung kann nicht bis zum Ende gelesen "
                         "werden: Lesen bricht in Zeile 4 ab\n"
                         "rooms/haus.lsd: 1 Konflikt, die Datei bleibt unsere. Deren Fassung "
                         "zeigt: git show :3:rooms/haus.lsd | tarnholm-git text -\n"));
    }

    // Item scripts merge as the scripts of rooms do; two hotspots of one name by their order.
    void itemScriptsAndTwinNamesMergeByTheSameRules()
    {
        const Skript basis = skriptAus({{2, "a"}, {2, "b"}, {2, "c"}, {2, "d"}});
        const Skript unsere = skriptAus({{2, "A"}, {2, "b"}, {2, "c"}, {2, "d"}});
        const Skript deren = skriptAus({{2, "a"}, {2, "b"}, {2, "c"}, {2, "D"}, {2, "e"}});
        const Zusammenfuehren::Ergebnis e =
            Zusammenfuehren::dateien(Textform::Art::ItemSkript, ItemSkript::schreiben(basis),
                                     ItemSkript::schreiben(unsere), ItemSkript::schreiben(deren));
        QVERIFY(e.sauber());
        QCOMPARE(e.bytes, ItemSkript::schreiben(
                              skriptAus({{2, "A"}, {2, "b"}, {2, "c"}, {2, "D"}, {2, "e"}})));
        const Zusammenfuehren::Ergebnis k = Zusammenfuehren::dateien(
            Textform::Art::ItemSkript, ItemSkript::schreiben(basis),
            ItemSkript::schreiben(skriptAus({{2, "a"}, {2, "x"}, {2, "c"}, {2, "d"}})),
            ItemSkript::schreiben(skriptAus({{2, "a"}, {2, "y"}, {2, "c"}, {2, "d"}})));
        QCOMPARE(Zusammenfuehren::meldung(k, "items/Brief0.skp").section('\n', 0, 4),
                 QString("items/Brief0.skp: Konflikt: Zeile 2\n"
                         "  unsere (Zeile 2):\n"
                         "    Print x\n"
                         "  deren (Zeile 2):\n"
                         "    Print y"));

        Stand zwillinge;
        zwillinge.hotSpots = {{0, HotSpot::neu("Fass")}, {1, HotSpot::neu("Fass")}};
        Stand a = zwillinge;
        a.hotSpot(1).Feld[3][3] = true;
        Stand b = zwillinge;
        b.hotSpot(0).Cursor = "hand.cur";
        Stand beide = a;
        beide.hotSpot(0).Cursor = "hand.cur";
        const Zusammenfuehren::Ergebnis z =
            Zusammenfuehren::dateien(Textform::Art::Raum, zwillinge.bytes(), a.bytes(), b.bytes());
        QVERIFY(z.sauber());
        QCOMPARE(z.bytes, beide.bytes());
    }

    // The line merge alone, where git's own rules are subtle.
    void linesMergeAsGitMergesText()
    {
        const auto text = [](const Skript& s) {
            QStringList t;
            for (int i = 0; i <= s.MaxZeile; ++i)
                t << s.Parameter[i];
            return t.join(' ');
        };
        const auto skript = [](const QString& woerter) {
            Skript s;
            for (const QString& w : woerter.split(' ', Qt::SkipEmptyParts))
                einfuegen(s, s.MaxZeile + 1, 2, w);
            return s;
        };
        const auto merge = [&](const char* b, const char* o, const char* t) {
            const auto e = SkriptZusammenfuehrung::zusammenfuehren(skript(b), skript(o), skript(t));
            return QString("%1|%2").arg(text(e.skript())).arg(e.konflikte());
        };
        // Changes one line apart both arrive; next to each other they conflict.
        QCOMPARE(merge("a b c d e", "a B c d e", "a b c D e"), QString("a B c D e|0"));
        QCOMPARE(merge("a b c d e", "a B c d e", "a b C d e"), QString("a B c d e|1"));
        // The same change on both sides arrives once; what both added alike is no conflict.
        QCOMPARE(merge("a b c", "a X b c", "a X b c"), QString("a X b c|0"));
        QCOMPARE(merge("a b", "a X Y b", "a X Z b"), QString("a X Y b|1"));
        // Deleted on one side, unchanged on the other.
        QCOMPARE(merge("a b c d", "a c d", "a b c D"), QString("a c D|0"));
        QCOMPARE(merge("", "x", "y"), QString("x|1"));
    }
};

QTEST_GUILESS_MAIN(ZusammenfuehrenTest)
#include "tst_zusammenfuehren.moc"
