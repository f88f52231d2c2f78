#include "SpielLeser.h"

#include "DateiListe.h"
#include "app/Nachrangig.h"
#include "model/Module1.h"
#include "roomfile/TextFile.h"

#include <QDir>
#include <QThread>
#include <memory>
#include <thread>

namespace SpielLeser {
namespace {

std::shared_ptr<const SpielDatei> lesen(const Module1& ordner, const QString& datei,
                                        QByteArray& puffer)
{
    const bool raum = QDir::fromNativeSeparators(datei).startsWith(QStringLiteral("rooms/"));
    const bool gelesen = TextFile::read(ordner.AppPfad + QDir::fromNativeSeparators(datei), puffer);
    return raum ? SpielDatei::raumLesen(datei, gelesen ? &puffer : nullptr)
                : SpielDatei::itemSkriptLesen(datei, gelesen ? &puffer : nullptr);
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
    std::atomic<qsizetype> naechste{0};
    const auto lesenAb = [&](QByteArray& puffer, qsizetype i) {
        gelesen[i] = lesen(ordner, liste[i], puffer);
        fertig[std::size_t(i)].store(true, std::memory_order_release);
    };
    const auto arbeiten = [&] {
        if (nachrangig)
            nachrangigArbeiten();
        QByteArray puffer;
        for (qsizetype i = naechste++; i < n; i = naechste++) {
            if (abbrechen && *abbrechen)
                return;
            lesenAb(puffer, i);
        }
    };
    // Parsing a room costs about what reading it from the page cache does: a second thread
    // reads while the first parses.
    const int helfer =
        std::min<qsizetype>(threads > 0 ? threads : QThread::idealThreadCount(), n) - 1;
    std::vector<std::thread> mitleser;
    for (int t = 0; t < helfer; ++t)
        mitleser.emplace_back(arbeiten);

    // This thread reads too, and takes each file in, in the order of the lists, as soon as
    // it and all before it are read: little is left to take in once the last one is.
    Spielpruefung spiel;
    qsizetype eingetragen = 0;
    const auto eintragen = [&] {
        for (; eingetragen < n && fertig[std::size_t(eingetragen)].load(std::memory_order_acquire);
             ++eingetragen) {
            if (gelesen[eingetragen])
                spiel.setzen(std::move(gelesen[eingetragen]));
        }
    };
    if (nachrangig)
        nachrangigArbeiten();
    QByteArray puffer;
    for (qsizetype i = naechste++; i < n && !(abbrechen && *abbrechen); i = naechste++) {
        lesenAb(puffer, i);
        eintragen();
    }
    for (std::thread& t : mitleser)
        t.join();
    // Files left unread when stopped have no version.
    for (; eingetragen < n; ++eingetragen) {
        if (gelesen[eingetragen])
            spiel.setzen(std::move(gelesen[eingetragen]));
    }
    return spiel;
}

} // namespace SpielLeser
