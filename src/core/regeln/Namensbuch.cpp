// How the scripts of a game use each flag and each item.
#include "Namensbuch.h"

#include "model/BildPfad.h"

#include <QVarLengthArray>
#include <utility>

namespace {

/// Spellings this short are too alike to tell a slip from another name.
constexpr qsizetype kuerzesterVertippter = 4;

QString zitat(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

int stelle(Namensbuch::Art art)
{
    return Namensbuch::istFlag(art) ? int(art) : int(art) - 3;
}

/// The spelling of a name, made without allocating for names of common length.
using Gefaltet = QVarLengthArray<QChar, 64>;

/// The name without the spaces around it, its case folded letter by letter as
/// QString::toCaseFolded folds it, a pair of surrogates as one letter.
void falten(QStringView name, Gefaltet& ziel)
{
    const QStringView ohne = ohneLeerzeichen(name);
    ziel.resize(ohne.size());
    for (qsizetype i = 0; i < ohne.size(); ++i) {
        const char16_t c = ohne[i].unicode();
        if (c < 0x80) {
            ziel[i] = QChar(c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c);
        } else if (QChar::isHighSurrogate(c) && i + 1 < ohne.size() &&
                   ohne[i + 1].isLowSurrogate()) {
            const char32_t f =
                QChar::toCaseFolded(QChar::surrogateToUcs4(c, ohne[i + 1].unicode()));
            ziel[i] = QChar(QChar::highSurrogate(f));
            ziel[++i] = QChar(QChar::lowSurrogate(f));
        } else {
            ziel[i] = QChar(char16_t(QChar::toCaseFolded(char32_t(c))));
        }
    }
}

QStringView ansicht(const Gefaltet& g)
{
    return QStringView(g.constData(), g.size());
}

// FNV-1a over the spelling, leaving out the letter at `ohne` (none: -1). Thousands of names
// get a dozen of these each: no text is made for them.
quint64 schreibHash(QStringView s, qsizetype ohne = -1)
{
    quint64 h = 14695981039346656037ull;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (i == ohne)
            continue;
        h ^= s[i].unicode();
        h *= 1099511628211ull;
    }
    return h;
}

} // namespace

QString Namensbuch::schluessel(const QString& name)
{
    Gefaltet s;
    falten(name, s);
    return ansicht(s).toString();
}

bool Namensbuch::vertippt(QStringView a, QStringView b)
{
    if (a == b || qAbs(a.size() - b.size()) > 1)
        return false;
    qsizetype anfang = 0;
    while (anfang < a.size() && anfang < b.size() && a[anfang] == b[anfang])
        ++anfang;
    qsizetype ea = a.size(), eb = b.size();
    while (ea > anfang && eb > anfang && a[ea - 1] == b[eb - 1]) {
        --ea;
        --eb;
    }
    const qsizetype ra = ea - anfang, rb = eb - anfang;
    // What is left between the common start and end: one letter more or less, one other
    // letter, or two swapped.
    if (ra + rb <= 1 || (ra == 1 && rb == 1))
        return true;
    return ra == 2 && rb == 2 && a[anfang] == b[anfang + 1] && a[anfang + 1] == b[anfang];
}

bool Namensbuch::gelernt(bool flag, int k, const QString& name) const
{
    const Namen& n = namen(flag);
    const auto eintrag = n.index.constFind(name);
    return (eintrag != n.index.cend() && n.eintraege[*eintrag].gelernt[std::size_t(k)]) ||
           (basis && basis->gelernt(flag, k, name));
}

void Namensbuch::zaehlen(Art art, const QString& name, int anzahl)
{
    const bool flag = istFlag(art);
    const int k = stelle(art);
    Namen& n = flag ? flags : gegenstaende;
    auto i = n.index.constFind(name);
    if (i == n.index.cend()) {
        i = n.index.insert(name, n.eintraege.size());
        n.eintraege.append({name, {}, {}});
    }
    Eintrag& e = n.eintraege[*i];
    e.anzahl[std::size_t(k)] += anzahl;
    if (e.gelernt[std::size_t(k)] || e.anzahl[std::size_t(k)] <= 0)
        return;
    // A spelling is learnt once per name and use and never forgotten: a name used so nowhere
    // any more has no uses left and so is never named. What the basis knows is not learnt twice.
    e.gelernt[std::size_t(k)] = true;
    if (basis && basis->gelernt(flag, k, name))
        return;
    Schreibweisen& sw = n.schreibweisen[std::size_t(k)];
    Gefaltet gefaltet;
    falten(name, gefaltet);
    const QStringView s = ansicht(gefaltet);
    const quint64 h = schreibHash(s);
    sw.gleich.hinzu(h, *i);
    if (s.size() >= kuerzesterVertippter) {
        sw.ohneEinen.hinzu(h, *i);
        for (qsizetype j = 0; j < s.size(); ++j) {
            // Two like letters give one key once.
            if (j > 0 && s[j] == s[j - 1])
                continue;
            sw.ohneEinen.hinzu(schreibHash(s, j), *i);
        }
    }
}

std::array<int, 3> Namensbuch::anzahlen(bool flag, const QString& name) const
{
    const Namen& n = namen(flag);
    const auto eintrag = n.index.constFind(name);
    std::array<int, 3> summe =
        eintrag == n.index.cend() ? std::array<int, 3>{} : n.eintraege[*eintrag].anzahl;
    if (basis) {
        const std::array<int, 3> dort = basis->anzahlen(flag, name);
        for (std::size_t k = 0; k < summe.size(); ++k)
            summe[k] += dort[k];
    }
    return summe;
}

int Namensbuch::anzahl(Art art, const QString& name) const
{
    return anzahlen(istFlag(art), name)[std::size_t(stelle(art))];
}

quint32 Namensbuch::Verweise::teil(quint64 hash)
{
    // The spellings' hashes of names alike differ little in their low bits: mixed first.
    return quint32((hash * 0x9E3779B97F4A7C15ull) >> 32);
}

qsizetype Namensbuch::Verweise::platz(quint32 t) const
{
    // Open addressing: the next place along holds a hash that met an occupied one.
    const qsizetype maske = plaetze.size() - 1;
    qsizetype i = qsizetype(t) & maske;
    while (plaetze[i].second != 0 && plaetze[i].first != t)
        i = (i + 1) & maske;
    return i;
}

void Namensbuch::Verweise::hinzu(quint64 hash, qsizetype eintrag)
{
    // At most half full, so that a hash is found a place or two along.
    if (2 * (belegt + 1) > plaetze.size()) {
        const QVector<std::pair<quint32, qint32>> alt = std::exchange(
            plaetze,
            QVector<std::pair<quint32, qint32>>(std::max<qsizetype>(64, 2 * plaetze.size())));
        for (const auto& p : alt) {
            if (p.second != 0)
                plaetze[platz(p.first)] = p;
        }
    }
    const quint32 t = teil(hash);
    auto& p = plaetze[platz(t)];
    if (p.second == 0) {
        p.first = t;
        ++belegt;
    }
    kette.append({qint32(eintrag), p.second - 1});
    p.second = qint32(kette.size());
}

template <typename Sehen> void Namensbuch::Verweise::jeder(quint64 hash, const Sehen& sehen) const
{
    if (plaetze.isEmpty())
        return;
    for (qint32 k = plaetze[platz(teil(hash))].second - 1; k >= 0; k = kette[k].second)
        sehen(qsizetype(kette[k].first));
}

template <typename Sehen>
void Namensbuch::kandidaten(bool flag, int k, QStringView s, const Sehen& sehen) const
{
    const Namen& n = namen(flag);
    const Schreibweisen& sw = n.schreibweisen[std::size_t(k)];
    const auto alle = [&](const Verweise& verweise, quint64 h, bool gleich) {
        verweise.jeder(h, [&](qsizetype i) { sehen(gleich, this, n.eintraege[i]); });
    };
    const quint64 h = schreibHash(s);
    alle(sw.gleich, h, true);
    if (s.size() >= kuerzesterVertippter) {
        alle(sw.ohneEinen, h, false);
        for (qsizetype i = 0; i < s.size(); ++i)
            alle(sw.ohneEinen, schreibHash(s, i), false);
    }
    if (basis)
        basis->kandidaten(flag, k, s, sehen);
}

QString Namensbuch::aehnlich(Art art, const QString& name, bool& gleicheSchreibweise) const
{
    Gefaltet gefaltet;
    falten(name, gefaltet);
    const QStringView s = ansicht(gefaltet);
    const int k = stelle(art);
    // The first in code order of each sort; another case or spaces wins over a slip.
    QString gleich, vertippter;
    Gefaltet sn;
    kandidaten(
        istFlag(art), k, s, [&](bool gleichGeschrieben, const Namensbuch* buch, const Eintrag& e) {
            // A name once used so may be no more: its count is asked first, straight from the
            // entry when no other book adds to it.
            if ((buch == this && !basis ? e.anzahl[std::size_t(k)] : anzahl(art, e.name)) <= 0)
                return;
            QString& treffer = gleichGeschrieben ? gleich : vertippter;
            if (e.name == name || (!treffer.isNull() && !(e.name < treffer)))
                return;
            // Hashes that collide bring names of other spellings.
            falten(e.name, sn);
            if (gleichGeschrieben ? ansicht(sn) != QStringView(s) : !vertippt(s, ansicht(sn)))
                return;
            treffer = e.name;
        });
    gleicheSchreibweise = !gleich.isNull();
    return gleicheSchreibweise ? gleich : vertippter;
}

QString Namensbuch::hinweis(bool flag, const QString& name) const
{
    const std::array<int, 3> zahlen = anzahlen(flag, name);
    const auto hat = [&](Art art) { return zahlen[std::size_t(stelle(art))] > 0; };
    const auto was = [&](Art a, const char* textA, Art b, const char* textB) -> QString {
        if (hat(a) && hat(b))
            return QLatin1String(textA) + QStringLiteral(" und ") + QLatin1String(textB);
        return hat(a) ? QString::fromUtf8(textA) : QString::fromUtf8(textB);
    };
    QString text;
    Art gesucht;
    const char* wie;
    if (flag) {
        if (!hat(Art::FlagGesetzt)) {
            if (!hat(Art::FlagAbgefragt) && !hat(Art::FlagGeloescht))
                return {};
            text = QStringLiteral("Flag ") + zitat(name) + QStringLiteral(" wird ") +
                   was(Art::FlagAbgefragt, "abgefragt", Art::FlagGeloescht, "gelöscht") +
                   QStringLiteral(", aber nirgends gesetzt");
            gesucht = Art::FlagGesetzt;
            wie = "gesetzt wird ";
        } else if (!hat(Art::FlagAbgefragt)) {
            text = QStringLiteral("Flag ") + zitat(name) +
                   QStringLiteral(" wird gesetzt, aber nirgends abgefragt");
            gesucht = Art::FlagAbgefragt;
            wie = "abgefragt wird ";
        } else {
            return {};
        }
    } else {
        if (hat(Art::GegenstandGegeben) ||
            (!hat(Art::GegenstandVerlangt) && !hat(Art::GegenstandEntfernt)))
            return {};
        text = QStringLiteral("Gegenstand ") + zitat(name) + QStringLiteral(" wird ") +
               was(Art::GegenstandVerlangt, "verlangt", Art::GegenstandEntfernt, "entfernt") +
               QStringLiteral(", aber nirgends mit \"Add\" gegeben");
        gesucht = Art::GegenstandGegeben;
        wie = "gegeben wird ";
    }
    bool gleicheSchreibweise = false;
    const QString aehnlicherName = aehnlich(gesucht, name, gleicheSchreibweise);
    if (aehnlicherName.isNull())
        return text;
    if (gleicheSchreibweise)
        return text + QStringLiteral(" (") + QString::fromUtf8(wie) + zitat(aehnlicherName) +
               QLatin1Char(')');
    return text + QStringLiteral(" (meinten Sie „") + aehnlicherName + QStringLiteral("“?)");
}
