// Reads a whole game, every file with the one reader, on all cores.
#include "SpielLeser.h"

#include "app/Nachrangig.h"
#include "model/Module1.h"
#include "regeln/DateiListe.h"
#include "roomfile/TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QThread>
#include <memory>
#include <thread>

namespace SpielLeser {
namespace {

/// What `bytes` hold, for the file `datei`; without bytes, a file that could not be opened.
std::shared_ptr<const SpielDatei> auswerten(const QString& datei, const QByteArray* bytes)
{
    return QDir::fromNativeSeparators(datei).startsWith(QStringLiteral("rooms/"))
               ? SpielDatei::raumLesen(datei, bytes)
               : SpielDatei::itemSkriptLesen(datei, bytes);
}

std::shared_ptr<const SpielDatei> lesen(const Module1& ordner, const QString& datei,
                                        QByteArray& puffer)
{
    const bool gelesen = TextFile::read(ordner.pfad(datei), puffer);
    return auswerten(datei, gelesen ? &puffer : nullptr);
}

/// Runs `arbeit(i, puffer)` for every i below n, on `threads` threads (0: one per core), until
/// `abbrechen` becomes true. This thread works too, and calls `zwischendurch()` after each of
/// its own.
template <typename F, typename G>
void verteilt(qsizetype n, int threads, bool nachrangig, const std::atomic<bool>* abbrechen,
              F arbeit, G zwischendurch)
{
    std::atomic<qsizetype> naechste{0};
    const auto arbeiten = [&](auto danach) {
        if (nachrangig)
            nachrangigArbeiten();
        QByteArray puffer;
        for (qsizetype i = naechste++; i < n; i = naechste++) {
            if (abbrechen && *abbrechen)
                return;
            arbeit(i, puffer);
            danach();
        }
    };
    // Parsing a room costs about what reading it from the page cache does: a second thread
    // reads while the first parses.
    const int helfer =
        std::min<qsizetype>(threads > 0 ? threads : QThread::idealThreadCount(), n) - 1;
    std::vector<std::thread> mitleser;
    for (int t = 0; t < helfer; ++t)
        mitleser.emplace_back([&arbeiten] { arbeiten([] {}); });
    arbeiten(zwischendurch);
    for (std::thread& t : mitleser)
        t.join();
}

} // namespace

QStringList dateien(const Module1& ordner)
{
    QStringList liste;
    for (const QString& name : dateiListe(ordner.raeumeOrdner(), QStringLiteral("*.lsd")))
        liste << QDir::toNativeSeparators(QStringLiteral("rooms/") + name);
    for (const QString& name : dateiListe(ordner.ItemsPfad, QStringLiteral("*.skp")))
        liste << QDir::toNativeSeparators(QStringLiteral("items/") + name);
    return liste;
}

std::shared_ptr<const SpielDatei> lesen(const Module1& ordner, const QString& datei)
{
    QByteArray puffer;
    return lesen(ordner, datei, puffer);
}

Spielpruefung spielLesen(const Module1& ordner, const std::atomic<bool>* abbrechen, int threads,
                         bool nachrangig)
{
    const QStringList liste = dateien(ordner);
    const qsizetype n = liste.size();
    QVector<std::shared_ptr<const SpielDatei>> gelesen(n);
    const std::unique_ptr<std::atomic<bool>[]> fertig(new std::atomic<bool>[std::size_t(n)]());
    // Each file is taken in, in the order of the lists, as soon as it and all before it are
    // read: little is left to take in once the last one is.
    Spielpruefung spiel;
    qsizetype eingetragen = 0;
    const auto eintragen = [&](bool alle) {
        for (; eingetragen < n &&
               (alle || fertig[std::size_t(eingetragen)].load(std::memory_order_acquire));
             ++eingetragen) {
            if (gelesen[eingetragen])
                spiel.setzen(std::move(gelesen[eingetragen]));
        }
    };
    verteilt(
        n, threads, nachrangig, abbrechen,
        [&](qsizetype i, QByteArray& puffer) {
            gelesen[i] = lesen(ordner, liste[i], puffer);
            fertig[std::size_t(i)].store(true, std::memory_order_release);
        },
        [&] { eintragen(false); });
    // Every reader is done; files left unread when stopped have no version.
    eintragen(true);
    return spiel;
}

QVector<Nachgelesen> nachlesen(const Module1& ordner,
                               const QVector<std::pair<QString, const SpielDatei*>>& dateien,
                               const std::atomic<bool>* abbrechen, int threads)
{
    QVector<Nachgelesen> ergebnis(dateien.size());
    verteilt(
        dateien.size(), threads, true, abbrechen,
        [&](qsizetype i, QByteArray& puffer) {
            const auto& [datei, bekannt] = dateien[i];
            Nachgelesen& e = ergebnis[i];
            e.datei = datei;
            const QString pfad = ordner.pfad(datei);
            if (!QFileInfo(pfad).isFile())
                return;
            const bool gelesen = TextFile::read(pfad, puffer);
            // Bytes known already, such as the editor's own save, are not taken in again.
            if (gelesen && bekannt && bekannt->ausBytes(puffer))
                e.wieBekannt = true;
            else
                e.neu = auswerten(datei, gelesen ? &puffer : nullptr);
        },
        [] {});
    return ergebnis;
}

} // namespace SpielLeser
