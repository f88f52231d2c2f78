// The record of a change to many files, written before the first of them changes.
#include "Journal.h"

#include <QCryptographicHash>
#include <QUrl>

namespace {

const QByteArray kopf = QByteArrayLiteral("Tarnholm-Editor Umbenennung 1");

QByteArray kodiert(const QString& text)
{
    // File names may hold spaces and line breaks; the journal's lines must not.
    return text.isEmpty() ? QByteArray("-") : QUrl::toPercentEncoding(text);
}

QString dekodiert(const QByteArray& feld)
{
    return feld == "-" ? QString() : QUrl::fromPercentEncoding(feld);
}

/// A file of the game: relative, with "/", never above the game folder. Anything else would
/// make the rollback write where no rename wrote.
bool imSpiel(const QString& pfad)
{
    // Windows reads a backslash as "/" and "C:" as a drive.
    if (pfad.contains(QChar(0)) || (pfad.size() > 1 && pfad[1] == QLatin1Char(':')))
        return false;
    QString teile = pfad;
    teile.replace(QLatin1Char('\\'), QLatin1Char('/'));
    for (const QStringView teil : QStringView(teile).split(QLatin1Char('/')))
        if (teil.isEmpty() || teil == QLatin1String(".") || teil == QLatin1String(".."))
            return false;
    return true;
}

bool zahl(const QByteArray& feld, qint64& wert)
{
    bool ok = false;
    wert = feld.toLongLong(&ok);
    return ok && wert >= 0;
}

} // namespace

QByteArray Journal::hash(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex();
}

QByteArray Journal::text() const
{
    QByteArray t = kopf + '\n';
    t += QByteArray("art ") + (art == Art::Umbenennung ? "umbenennung" : "rueckgaengig") + '\n';
    t += QByteArray("stand ") + (stand == Stand::Offen ? "offen" : "fertig") + '\n';
    t += "spiel " + kodiert(spielordner) + '\n';
    t += "kopien " + kodiert(kopien) + '\n';
    t += "bezug " + kodiert(bezug) + '\n';
    t += "was " + kodiert(was) + '\n';
    for (const Eintrag& e : eintraege) {
        if (!e.mitText) {
            t += "name " + kodiert(e.alt) + ' ' + kodiert(e.neu) + '\n';
            continue;
        }
        t += "datei " + kodiert(e.alt) + ' ' + kodiert(e.neu) + ' ' + e.altHash + ' ' + e.neuHash +
             ' ' + QByteArray::number(e.kopieAnfang) + ' ' + QByteArray::number(e.kopieLaenge) +
             ' ' + QByteArray::number(e.ersetzungen.size()) + '\n';
        for (const Umbenennung::Ersetzung& r : e.ersetzungen)
            t += "e " + QByteArray::number(r.anfang) + ' ' + QByteArray::number(r.laenge) + ' ' +
                 (r.text.isEmpty() ? QByteArray("-") : r.text.toHex()) + '\n';
    }
    return t + "ende\n";
}

std::optional<Journal> Journal::lesen(const QByteArray& bytes)
{
    if (!bytes.endsWith("\nende\n"))
        return std::nullopt;
    const QList<QByteArray> zeilen = bytes.chopped(1).split('\n');
    if (zeilen.size() < 8 || zeilen[0] != kopf)
        return std::nullopt;
    const auto feld = [&](int i, const char* name) -> std::optional<QByteArray> {
        const QByteArray vorn = QByteArray(name) + ' ';
        if (!zeilen[i].startsWith(vorn))
            return std::nullopt;
        return zeilen[i].mid(vorn.size());
    };
    Journal j;
    const auto art = feld(1, "art");
    const auto stand = feld(2, "stand");
    const auto spiel = feld(3, "spiel");
    const auto kopien = feld(4, "kopien");
    const auto bezug = feld(5, "bezug");
    const auto was = feld(6, "was");
    if (!art || !stand || !spiel || !kopien || !bezug || !was)
        return std::nullopt;
    if (*art != "umbenennung" && *art != "rueckgaengig")
        return std::nullopt;
    if (*stand != "offen" && *stand != "fertig")
        return std::nullopt;
    j.art = *art == "umbenennung" ? Art::Umbenennung : Art::Rueckgaengig;
    j.stand = *stand == "offen" ? Stand::Offen : Stand::Fertig;
    j.spielordner = dekodiert(*spiel);
    j.kopien = dekodiert(*kopien);
    j.bezug = dekodiert(*bezug);
    j.was = dekodiert(*was);

    const qsizetype letzte = zeilen.size() - 1; // "ende"
    for (qsizetype i = 7; i < letzte; ++i) {
        const QList<QByteArray> f = zeilen[i].split(' ');
        Eintrag e;
        if (f.size() == 3 && f[0] == "name") {
            e.alt = dekodiert(f[1]);
            e.neu = dekodiert(f[2]);
            if (!imSpiel(e.alt) || !imSpiel(e.neu))
                return std::nullopt;
            j.eintraege.append(e);
            continue;
        }
        qint64 anzahl = 0;
        if (f.size() != 8 || f[0] != "datei" || !zahl(f[5], e.kopieAnfang) ||
            !zahl(f[6], e.kopieLaenge) || !zahl(f[7], anzahl) || anzahl > letzte - i - 1)
            return std::nullopt;
        e.mitText = true;
        e.alt = dekodiert(f[1]);
        e.neu = dekodiert(f[2]);
        e.altHash = f[3];
        e.neuHash = f[4];
        if (!imSpiel(e.alt) || !imSpiel(e.neu))
            return std::nullopt;
        for (qint64 k = 0; k < anzahl; ++k) {
            const QList<QByteArray> r = zeilen[++i].split(' ');
            Umbenennung::Ersetzung ersetzung;
            qint64 anfang = 0, laenge = 0;
            if (r.size() != 4 || r[0] != "e" || !zahl(r[1], anfang) || !zahl(r[2], laenge))
                return std::nullopt;
            ersetzung.anfang = anfang;
            ersetzung.laenge = laenge;
            ersetzung.text = r[3] == "-" ? QByteArray() : QByteArray::fromHex(r[3]);
            e.ersetzungen.append(ersetzung);
        }
        j.eintraege.append(e);
    }
    if (zeilen[letzte] != "ende" || j.eintraege.isEmpty() || j.kopien.isEmpty())
        return std::nullopt;
    return j;
}

namespace {

/// The base with its replacements, when they fit it.
std::optional<QByteArray> ersetzt(const QByteArray& basis,
                                  const QVector<Umbenennung::Ersetzung>& ersetzungen)
{
    qsizetype pos = 0;
    for (const Umbenennung::Ersetzung& r : ersetzungen) {
        if (r.anfang < pos || r.anfang > basis.size() || r.laenge > basis.size() - r.anfang)
            return std::nullopt;
        pos = r.anfang + r.laenge;
    }
    return Umbenennung::anwenden(basis, ersetzungen);
}

/// The copy lies within the copies file; its numbers may be anything.
bool passt(const Journal::Eintrag& e, const QByteArray& kopienBytes)
{
    return e.kopieAnfang <= kopienBytes.size() &&
           e.kopieLaenge <= kopienBytes.size() - e.kopieAnfang;
}

} // namespace

QByteArray Journal::vorher(const Eintrag& e, const QByteArray& kopienBytes) const
{
    if (!passt(e, kopienBytes))
        return QByteArray();
    const QByteArray basis = kopienBytes.mid(e.kopieAnfang, e.kopieLaenge);
    const std::optional<QByteArray> bytes =
        art == Art::Umbenennung ? std::optional<QByteArray>(basis) : ersetzt(basis, e.ersetzungen);
    if (!bytes || hash(*bytes) != e.altHash)
        return QByteArray();
    // Not null even when the file was empty.
    return bytes->isNull() ? QByteArray("") : *bytes;
}

QByteArray Journal::nachher(const Eintrag& e, const QByteArray& kopienBytes) const
{
    if (!passt(e, kopienBytes))
        return QByteArray();
    const QByteArray basis = kopienBytes.mid(e.kopieAnfang, e.kopieLaenge);
    const std::optional<QByteArray> bytes =
        art == Art::Rueckgaengig ? std::optional<QByteArray>(basis) : ersetzt(basis, e.ersetzungen);
    if (!bytes || hash(*bytes) != e.neuHash)
        return QByteArray();
    return bytes->isNull() ? QByteArray("") : *bytes;
}
