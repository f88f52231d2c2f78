// The journals of one game folder's renames, and the rollback of one not finished.
#include "Journalordner.h"

#include "Platte.h"
#include "Rueckschreiben.h"
#include "roomfile/TextFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSet>
#include <atomic>
#include <mutex>

namespace {

const QString vorsilbe = QStringLiteral("umbenennung-");
const QString journalEndung = QStringLiteral(".journal");
const QString kopienEndung = QStringLiteral(".kopien");

/// The number of "umbenennung-12.journal"; -1 for another name.
int nummer(const QString& datei)
{
    if (!datei.startsWith(vorsilbe))
        return -1;
    bool ok = false;
    const int n = datei.mid(vorsilbe.size()).section(QLatin1Char('.'), 0, 0).toInt(&ok);
    return ok ? n : -1;
}

/// Adds the journal's files, old and new names, to `liste`, each once.
void alleDateien(const Journal& j, QStringList& liste)
{
    for (const Journal::Eintrag& e : j.eintraege) {
        for (const QString& datei : {e.alt, e.neu})
            if (!liste.contains(datei))
                liste << datei;
    }
}

} // namespace

Journalordner::Dateisystem Journalordner::Dateisystem::echt()
{
    return {
        [](const QString& pfad, const QByteArray& bytes) { return TextFile::write(pfad, bytes); },
        Platte::umbenennen, [](const QString& pfad) { return QFile::remove(pfad); }};
}

Journalordner::Journalordner(const QString& spielordner, const QString& ordner)
    : fs(Dateisystem::echt()), spiel(QDir(spielordner).absolutePath()), unterordner(spiel),
      ordner(ordner)
{
}

Journalordner::~Journalordner() = default;

QString Journalordner::pfad(const QString& relativ) const
{
    return unterordner.pfad(relativ);
}

bool Journalordner::sperren(Ergebnis& ergebnis)
{
    if (!QDir().mkpath(ordner)) {
        ergebnis.art = Ergebnis::Art::Fehlgeschlagen;
        ergebnis.text = QStringLiteral("Der Ordner %1 für das Journal kann nicht angelegt werden. "
                                       "Nichts wurde geändert.")
                            .arg(QDir::toNativeSeparators(ordner));
        return false;
    }
    const QString datei = ordner + QStringLiteral("/umbenennung.lock");
    sperre = std::make_unique<QLockFile>(datei);
    // Stale only when the program holding it is gone, however long a rename may take.
    sperre->setStaleLockTime(0);
    if (Platte::sperren(*sperre, wartezeit))
        return true;
    sperre.reset();
    ergebnis.art = Ergebnis::Art::Fehlgeschlagen;
    ergebnis.text = QStringLiteral("Ein anderes Programm benennt gerade in diesem Spiel um. Bitte "
                                   "später noch einmal versuchen; nichts wurde geändert.");
    return false;
}

void Journalordner::entsperren()
{
    sperre.reset();
}

QString Journalordner::neuerName() const
{
    // Wide enough for the largest number nummer() reads.
    qint64 hoechste = 0;
    for (const QString& datei : QDir(ordner).entryList({vorsilbe + QLatin1Char('*')}, QDir::Files))
        hoechste = std::max<qint64>(hoechste, nummer(datei));
    return vorsilbe + QString::number(hoechste + 1) + journalEndung;
}

QVector<Journalordner::Geladen> Journalordner::journale(QStringList* meldungen)
{
    QStringList dateien =
        QDir(ordner).entryList({vorsilbe + QLatin1Char('*') + journalEndung}, QDir::Files);
    std::sort(dateien.begin(), dateien.end(),
              [](const QString& a, const QString& b) { return nummer(a) < nummer(b); });
    QVector<Geladen> alle;
    for (const QString& datei : std::as_const(dateien)) {
        const std::optional<QByteArray> bytes = TextFile::read(ordner + QLatin1Char('/') + datei);
        const std::optional<Journal> j = bytes ? Journal::lesen(*bytes) : std::nullopt;
        if (j) {
            if (QDir(j->spielordner).absolutePath() == spiel)
                alle.append({datei, *j});
            continue;
        }
        if (!meldungen)
            continue;
        // Neither rolled back nor removed: it may be all that tells what happened.
        *meldungen << QStringLiteral("Das Journal einer Umbenennung ist beschädigt und liegt "
                                     "jetzt in %1. Die Dateien des Spiels können zum Teil "
                                     "umbenannt sein: Prüfen Sie das Spiel mit tarnholm-check.")
                          .arg(alsBeschaedigtAblegen(datei, true));
    }
    return alle;
}

QString Journalordner::alsBeschaedigtAblegen(const QString& datei, bool mitKopien)
{
    const QString beiseite =
        QStringLiteral("beschaedigt/") +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz-")) + datei;
    const QString kopien = datei.chopped(journalEndung.size()) + kopienEndung;
    QDir d(ordner);
    const bool weg = d.mkpath(QStringLiteral("beschaedigt")) && d.rename(datei, beiseite);
    if (weg && mitKopien && d.exists(kopien))
        d.rename(kopien, beiseite.chopped(journalEndung.size()) + kopienEndung);
    return QDir::toNativeSeparators(d.filePath(weg ? beiseite : datei));
}

bool Journalordner::schreiben(const QString& datei, const Journal& j)
{
    return QDir().mkpath(ordner) && TextFile::write(ordner + QLatin1Char('/') + datei, j.text()) &&
           Platte::ordnerSichern(ordner);
}

bool Journalordner::kopienSchreiben(const Journal& j, const QByteArray& kopien)
{
    return QDir().mkpath(ordner) && TextFile::write(ordner + QLatin1Char('/') + j.kopien, kopien);
}

std::optional<QByteArray> Journalordner::kopienLesen(const Journal& j) const
{
    return TextFile::read(ordner + QLatin1Char('/') + j.kopien);
}

void Journalordner::entfernen(const QString& datei)
{
    QDir(ordner).remove(datei);
}

bool Journalordner::ordnerSichern(const Journal& j) const
{
    QSet<QString> ordnerListe;
    for (const Journal::Eintrag& e : j.eintraege) {
        ordnerListe.insert(QFileInfo(pfad(e.alt)).absolutePath());
        ordnerListe.insert(QFileInfo(pfad(e.neu)).absolutePath());
    }
    bool gut = true;
    for (const QString& o : std::as_const(ordnerListe))
        gut = Platte::ordnerSichern(o) && gut;
    return gut;
}

bool Journalordner::vorwaerts(const Journal& j, const QVector<QByteArray>& nachher, QString& fehler,
                              QStringList& dateien)
{
    std::mutex m;
    const bool gut = Platte::gleichzeitig(j.eintraege.size(), [&](qsizetype i) {
        const Journal::Eintrag& e = j.eintraege[i];
        QString grund;
        if (!e.mitText) {
            if (!fs.umbenennen(pfad(e.alt), pfad(e.neu)))
                grund = QStringLiteral("konnte nicht in %1 umbenannt werden").arg(e.neu);
        } else if (e.alt == e.neu) {
            if (!fs.schreiben(pfad(e.alt), nachher[i]))
                grund = QStringLiteral("konnte nicht geschrieben werden");
        } else if (Platte::da(pfad(e.neu))) {
            grund = QStringLiteral("wäre zu %1 geworden, und die gibt es inzwischen").arg(e.neu);
        } else if (!fs.schreiben(pfad(e.neu), nachher[i])) {
            grund = QStringLiteral("konnte nicht als %1 geschrieben werden").arg(e.neu);
        } else if (!fs.entfernen(pfad(e.alt))) {
            grund =
                QStringLiteral("konnte nach dem Schreiben als %1 nicht entfernt werden").arg(e.neu);
        }
        if (grund.isNull())
            return true;
        const std::lock_guard<std::mutex> l(m);
        if (fehler.isNull())
            fehler = QStringLiteral("Die Datei %1 %2.").arg(e.alt, grund);
        return false;
    });
    alleDateien(j, dateien);
    return gut;
}

QString Journalordner::beiseitePfad(const QString& relativ)
{
    static std::atomic<int> laufend{0};
    QDir().mkpath(ordner + QStringLiteral("/beiseite"));
    return ordner + QStringLiteral("/beiseite/") +
           QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-")) +
           QString::number(++laufend) + QLatin1Char('-') + QFileInfo(relativ).fileName();
}

QStringList Journalordner::reste(const Journal& j, const QDateTime& seit)
{
    QStringList verschoben;
    QSet<QString> gesehen;
    for (const Journal::Eintrag& e : j.eintraege) {
        for (const QString& relativ : {e.alt, e.neu}) {
            if (!e.mitText || gesehen.contains(relativ))
                continue;
            gesehen.insert(relativ);
            for (const QFileInfo& rest : Platte::halbGeschrieben(pfad(relativ), seit)) {
                const QString ziel = beiseitePfad(rest.fileName());
                if (QFile::rename(rest.filePath(), ziel))
                    verschoben << QFileInfo(relativ).path() + QLatin1Char('/') + rest.fileName() +
                                      QStringLiteral(" → ") + QDir::toNativeSeparators(ziel);
            }
        }
    }
    return verschoben;
}

bool Journalordner::zuruecknehmen(const Geladen& g, const QByteArray* kopien, QString& fehler,
                                  QStringList& dateien, bool* abgelegt)
{
    QByteArray geladen;
    if (!kopien) {
        const std::optional<QByteArray> bytes = kopienLesen(g.journal);
        // Gone, the copies are only missed for files no longer as before.
        if (!bytes && QFileInfo::exists(ordner + QLatin1Char('/') + g.journal.kopien)) {
            fehler =
                QStringLiteral("Die Kopien der Dateien (%1) können nicht gelesen werden.")
                    .arg(QDir::toNativeSeparators(ordner + QLatin1Char('/') + g.journal.kopien));
            return false;
        }
        geladen = bytes.value_or(QByteArray());
        kopien = &geladen;
    }
    QStringList beiseite, ohneKopie;
    const bool zurueckGelegt =
        Rueckschreiben(*this).zurueck(g.journal, *kopien, fehler, beiseite, ohneKopie);
    alleDateien(g.journal, dateien);
    if (!zurueckGelegt) {
        // Nothing will ever put those files back: the journal would hold up every start. It
        // is set aside, as a broken one is.
        if (abgelegt && !ohneKopie.isEmpty()) {
            *abgelegt = true;
            ordnerSichern(g.journal);
            fehler += QStringLiteral(" Diese Dateien blieben, wie sie sind; alle anderen sind "
                                     "wieder wie vorher. Das Journal liegt jetzt in %1. Prüfen "
                                     "Sie das Spiel mit tarnholm-check.")
                          .arg(alsBeschaedigtAblegen(g.datei,
                                                     g.journal.art == Journal::Art::Umbenennung));
        }
        return false;
    }
    if (!ordnerSichern(g.journal))
        return false;
    // Left by a write that was killed after the journal was written; seconds spare for
    // coarse file times.
    const QDateTime seit =
        QFileInfo(ordner + QLatin1Char('/') + g.datei).lastModified().addSecs(-2);
    const QStringList halb = reste(g.journal, seit);
    // The journal goes first: copies without a journal are only tidied up.
    QDir d(ordner);
    d.remove(g.datei);
    Platte::ordnerSichern(ordner);
    // An undo's copies belong to the rename it takes back, which stays.
    if (g.journal.art == Journal::Art::Umbenennung)
        d.remove(g.journal.kopien);
    QStringList texte;
    if (!beiseite.isEmpty())
        texte << QStringLiteral("Diese Dateien waren seither geändert worden; so, wie sie "
                                "waren, liegen sie jetzt hier:\n") +
                     beiseite.join(QLatin1Char('\n'));
    if (!halb.isEmpty())
        texte << QStringLiteral("Reste halb geschriebener Dateien liegen jetzt hier:\n") +
                     halb.join(QLatin1Char('\n'));
    fehler = texte.join(QLatin1Char('\n'));
    return true;
}

void Journalordner::aufraeumenAusser(const QString& behalten)
{
    QDir d(ordner);
    for (const Geladen& g : journale(nullptr)) {
        if (g.journal.art == Journal::Art::Umbenennung &&
            g.journal.stand == Journal::Stand::Fertig && g.datei != behalten)
            d.remove(g.datei);
    }
    // Copies whose journal is gone, and what a write killed here left ("….journal.AbC12x").
    for (const QString& datei : d.entryList({vorsilbe + QLatin1Char('*')}, QDir::Files)) {
        if (datei.endsWith(journalEndung))
            continue;
        if (datei.endsWith(kopienEndung) &&
            d.exists(datei.chopped(kopienEndung.size()) + journalEndung))
            continue;
        d.remove(datei);
    }
}

Journalordner::Ergebnis Journalordner::aufraeumen()
{
    Ergebnis ergebnis;
    QStringList texte;
    const QVector<Geladen> alle = journale(&texte);
    bool gut = texte.isEmpty();
    QString behalten;
    for (auto g = alle.crbegin(); g != alle.crend(); ++g) {
        const Journal& j = g->journal;
        if (j.stand == Journal::Stand::Offen) {
            QString fehler;
            bool abgelegt = false;
            if (zuruecknehmen(*g, nullptr, fehler, ergebnis.dateien, &abgelegt)) {
                texte << (j.art == Journal::Art::Umbenennung
                              ? QStringLiteral("Eine Umbenennung (%1) wurde unterbrochen und ist "
                                               "zurückgenommen: Alle ihre Dateien sind wieder wie "
                                               "vorher.")
                              : QStringLiteral("Das Rückgängigmachen der Umbenennung (%1) wurde "
                                               "unterbrochen: Alle Dateien sind wieder wie nach "
                                               "der Umbenennung."))
                             .arg(j.was);
                if (!fehler.isEmpty())
                    texte << fehler;
            } else if (abgelegt) {
                gut = false;
                texte << QStringLiteral("Eine unterbrochene Umbenennung (%1) ließ sich nicht ganz "
                                        "zurücknehmen: %2")
                             .arg(j.was, fehler);
            } else {
                gut = false;
                texte << QStringLiteral("Eine unterbrochene Umbenennung (%1) konnte nicht "
                                        "zurückgenommen werden: %2 Beim nächsten Start wird es "
                                        "wieder versucht.")
                             .arg(j.was, fehler);
            }
        } else if (j.art == Journal::Art::Rueckgaengig) {
            // Complete: what it took back is gone.
            QDir d(ordner);
            d.remove(j.bezug);
            d.remove(j.kopien);
            d.remove(g->datei);
        } else if (behalten.isNull()) {
            behalten = g->datei;
        }
    }
    aufraeumenAusser(behalten);
    ergebnis.art = texte.isEmpty()
                       ? Ergebnis::Art::Nichts
                       : (gut ? Ergebnis::Art::Erledigt : Ergebnis::Art::Fehlgeschlagen);
    ergebnis.text = texte.join(QLatin1Char('\n'));
    return ergebnis;
}
