#include "SpielLeser.h"

#include "DateiListe.h"
#include "app/Nachrangig.h"
#include "model/Module1.h"
#include "roomfile/TextFile.h"

#include <QDir>
#include <QThread>
#include <thread>

namespace SpielLeser {
namespace {

std::shared_ptr<const SpielDatei> lesen(const Module1& ordner, const QString& datei,
                                        QByteArray& puffer)
{
    const bool raum = QDir::fromNativeSeparators(datei).startsWith(QStringLiteral("rooms/"));
    const bool gelesen = TextFile::read(ordner.pfad(datei), puffer);
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
    QVector<std::shared_ptr<const SpielDatei>> gelesen(liste.size());
    std::atomic<qsizetype> naechste{0};
    const auto arbeiten = [&] {
        if (nachrangig)
            nachrangigArbeiten();
        QByteArray puffer;
        for (qsizetype i = naechste++; i < liste.size(); i = naechste++) {
            if (abbrechen && *abbrechen)
                return;
            gelesen[i] = lesen(ordner, liste[i], puffer);
        }
    };
    // Parsing a room costs about what reading it from the page cache does: a second thread
    // reads while the first parses.
    const int helfer =
        std::min<qsizetype>(threads > 0 ? threads : QThread::idealThreadCount(), liste.size()) - 1;
    std::vector<std::thread> mitleser;
    for (int t = 0; t < helfer; ++t)
        mitleser.emplace_back(arbeiten);
    arbeiten();
    for (std::thread& t : mitleser)
        t.join();

    Spielpruefung spiel;
    for (std::shared_ptr<const SpielDatei>& d : gelesen) {
        if (d)
            spiel.setzen(std::move(d));
    }
    return spiel;
}

} // namespace SpielLeser
