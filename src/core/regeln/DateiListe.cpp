// The files of a folder that match a list of patterns.
#include "DateiListe.h"

#include "model/FindeDatei.h"

#include <QDir>
#include <algorithm>

namespace {

/// A pattern "*.ext" is an ending; any other goes to Qt's wildcards.
bool passt(const QString& name, const QStringList& muster)
{
    for (const QString& m : muster) {
        const QStringView ende = QStringView(m).mid(1);
        const bool nurEndung = m.startsWith(QLatin1Char('*')) && !ende.contains(QLatin1Char('*')) &&
                               !ende.contains(QLatin1Char('?')) && !ende.contains(QLatin1Char('['));
        if (nurEndung ? name.endsWith(ende, Qt::CaseInsensitive) : QDir::match(m, name))
            return true;
    }
    return false;
}

} // namespace

QString einfachGefaltet(QStringView text)
{
    // Unit by unit as QString::compare folds: the low half of a pair as part of its letter.
    QString gefaltet(text.size(), Qt::Uninitialized);
    QChar* ziel = gefaltet.data();
    char16_t vorher = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (QChar::isLowSurrogate(c) && QChar::isHighSurrogate(vorher))
            ziel[i] =
                QChar(QChar::lowSurrogate(QChar::toCaseFolded(QChar::surrogateToUcs4(vorher, c))));
        else
            ziel[i] = QChar(char16_t(QChar::toCaseFolded(char32_t(c))));
        vorher = c;
    }
    return gefaltet;
}

void namenSortieren(QStringList& namen)
{
    // Each name's case is folded once, not at every comparison of the sort.
    QVector<std::pair<QString, QString>> paare;
    paare.reserve(namen.size());
    for (QString& name : namen)
        paare.append({einfachGefaltet(name), std::move(name)});
    std::sort(paare.begin(), paare.end());
    for (qsizetype i = 0; i < paare.size(); ++i)
        namen[i] = std::move(paare[i].second);
}

QStringList dateiListe(const QString& ordner, const QString& muster, DateiSuche* suche)
{
    DateiSuche eigene;
    const QStringList alleMuster = muster.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    QStringList namen;
    // Without QDir::CaseSensitive, Qt matches name filters ignoring case on every platform;
    // a hidden file is not listed.
    for (const DateiSuche::Eintrag& e : (suche ? suche : &eigene)->eintraege(ordner)) {
        if (!e.versteckt && passt(e.name, alleMuster))
            namen.append(e.name);
    }
    namenSortieren(namen);
    return namen;
}
