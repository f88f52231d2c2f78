#include "Namensbuch.h"

#include "model/BildPfad.h"

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
    return ohneLeerzeichen(name).toCaseFolded();
}

bool Namensbuch::vertippt(const QString& a, const QString& b)
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

bool Namensbuch::kennt(bool flag, const QString& name) const
{
    return namen(flag).zaehler.contains(name) || (basis && basis->kennt(flag, name));
}

void Namensbuch::zaehlen(Art art, const QString& name, int anzahl)
{
    const bool flag = istFlag(art);
    Namen& n = flag ? flags : gegenstaende;
    auto eintrag = n.zaehler.find(name);
    if (eintrag == n.zaehler.end()) {
        // Spellings are learnt once per name and never forgotten: a name used nowhere any
        // more has no uses left and so is never named.
        const bool neu = !basis || !basis->kennt(flag, name);
        eintrag = n.zaehler.insert(name, {});
        if (neu) {
            const QString s = schluessel(name);
            const quint64 h = schreibHash(s);
            n.gleich.insert(h, name);
            if (s.size() >= kuerzesterVertippter) {
                n.ohneEinen.insert(h, name);
                for (qsizetype i = 0; i < s.size(); ++i) {
                    // Two like letters give one key once.
                    if (i > 0 && s[i] == s[i - 1])
                        continue;
                    n.ohneEinen.insert(schreibHash(s, i), name);
                }
            }
        }
    }
    eintrag->anzahl[stelle(art)] += anzahl;
}

int Namensbuch::anzahl(Art art, const QString& name) const
{
    const Namen& n = namen(istFlag(art));
    const auto eintrag = n.zaehler.constFind(name);
    const int hier = eintrag == n.zaehler.cend() ? 0 : eintrag->anzahl[stelle(art)];
    return hier + (basis ? basis->anzahl(art, name) : 0);
}

void Namensbuch::kandidaten(bool flag, QStringView s, QVector<QString>& gleich,
                            QVector<QString>& vertippt) const
{
    const Namen& n = namen(flag);
    const auto sammeln = [](const QMultiHash<quint64, QString>& namen, quint64 h,
                            QVector<QString>& ziel) {
        const auto [anfang, ende] = namen.equal_range(h);
        for (auto it = anfang; it != ende; ++it)
            ziel.append(*it);
    };
    const quint64 h = schreibHash(s);
    sammeln(n.gleich, h, gleich);
    if (s.size() >= kuerzesterVertippter) {
        sammeln(n.ohneEinen, h, vertippt);
        for (qsizetype i = 0; i < s.size(); ++i)
            sammeln(n.ohneEinen, schreibHash(s, i), vertippt);
    }
    if (basis)
        basis->kandidaten(flag, s, gleich, vertippt);
}

QString Namensbuch::aehnlich(Art art, const QString& name, bool& gleicheSchreibweise) const
{
    const QString s = schluessel(name);
    QVector<QString> gleich, vertippteNamen;
    kandidaten(istFlag(art), s, gleich, vertippteNamen);
    const auto erster = [&](const QVector<QString>& liste, bool nurVertippt) {
        const QString* treffer = nullptr;
        for (const QString& n : liste) {
            if (n == name || (treffer && !(n < *treffer)) || anzahl(art, n) <= 0)
                continue;
            // Hashes that collide bring names of other spellings.
            const QString sn = schluessel(n);
            if (nurVertippt ? !vertippt(s, sn) : sn != s)
                continue;
            treffer = &n;
        }
        return treffer ? *treffer : QString();
    };
    QString treffer = erster(gleich, false);
    gleicheSchreibweise = !treffer.isNull();
    if (treffer.isNull())
        treffer = erster(vertippteNamen, true);
    return treffer;
}

QString Namensbuch::hinweis(bool flag, const QString& name) const
{
    const auto hat = [&](Art art) { return anzahl(art, name) > 0; };
    const auto was = [&](Art a, const char* textA, Art b, const char* textB) {
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
