// The reading of git's answers.
#include "GitAntworten.h"

#include <QList>

namespace GitAntworten {
namespace {

bool hexadezimal(const QByteArray& text)
{
    if (text.size() != 40 && text.size() != 64)
        return false;
    for (const char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    return true;
}

bool oktal(const QByteArray& text)
{
    if (text.isEmpty() || text.size() > 6)
        return false;
    for (const char c : text)
        if (c < '0' || c > '7')
            return false;
    return true;
}

/// The answer's one line, without its line break.
std::optional<QByteArray> zeile(const QByteArray& ausgabe)
{
    QByteArray z = ausgabe;
    if (z.endsWith('\n'))
        z.chop(1);
    if (z.endsWith('\r'))
        z.chop(1);
    if (z.isEmpty() || z.contains('\n') || z.contains('\r') || z.contains('\0'))
        return std::nullopt;
    return z;
}

} // namespace

QVector<Konflikteintrag> konflikte(const QByteArray& ausgabe)
{
    QVector<Konflikteintrag> liste;
    for (const QByteArray& eintrag : ausgabe.split('\0')) {
        const qsizetype tab = eintrag.indexOf('\t');
        if (tab < 0)
            continue;
        const QList<QByteArray> felder = eintrag.left(tab).split(' ');
        const QByteArray pfad = eintrag.mid(tab + 1);
        if (felder.size() != 3 || !oktal(felder[0]) || !hexadezimal(felder[1]) ||
            felder[2].size() != 1 || felder[2][0] < '1' || felder[2][0] > '3' || pfad.isEmpty())
            continue;
        // The blob goes to "git cat-file" as an argument: only hex digits ever get there.
        liste.append({felder[1], felder[2][0] - '0', QString::fromUtf8(pfad)});
    }
    return liste;
}

QString pfad(const QByteArray& ausgabe)
{
    const std::optional<QByteArray> z = zeile(ausgabe);
    return z ? QString::fromUtf8(*z) : QString();
}

std::optional<bool> wahrheit(const QByteArray& ausgabe)
{
    const std::optional<QByteArray> z = zeile(ausgabe);
    if (z == "true")
        return true;
    if (z == "false")
        return false;
    return std::nullopt;
}

} // namespace GitAntworten
