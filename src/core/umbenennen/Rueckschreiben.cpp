// Puts the files of an open journal back as they were before, all at once.
#include "Rueckschreiben.h"

#include "Platte.h"
#include "roomfile/TextFile.h"

#include <QDir>
#include <mutex>

Rueckschreiben::Rueckschreiben(Journalordner& ordner) : ordner(ordner) {}

bool Rueckschreiben::zurueck(const Journal& j, const QByteArray& kopien, QString& fehler,
                             QStringList& beiseite, QStringList& ohneKopie)
{
    std::mutex m;
    bool andereFehler = false;
    const auto melden = [&](const QString& text) {
        const std::lock_guard<std::mutex> l(m);
        andereFehler = true;
        if (fehler.isNull())
            fehler = text;
        return false;
    };
    // Bytes nobody expected there (changed after the process was killed) are kept apart.
    const auto beiseitelegen = [&](const QString& relativ, const QByteArray& bytes) {
        const QString ziel = ordner.beiseitePfad(relativ);
        const bool gut = TextFile::write(ziel, bytes);
        const std::lock_guard<std::mutex> l(m);
        beiseite << relativ + QStringLiteral(" → ") + QDir::toNativeSeparators(ziel);
        return gut;
    };
    const bool gut = Platte::gleichzeitig(j.eintraege.size(), [&](qsizetype i) {
        const Journal::Eintrag& e = j.eintraege[i];
        if (!e.mitText) {
            const bool altDa = Platte::da(ordner.pfad(e.alt));
            const bool neuDa = Platte::da(ordner.pfad(e.neu));
            if (!altDa && !neuDa)
                return melden(QStringLiteral("Die Datei %1 ist weder unter ihrem alten noch unter "
                                             "ihrem neuen Namen %2 zu finden.")
                                  .arg(e.alt, e.neu));
            if (!altDa && !ordner.fs.umbenennen(ordner.pfad(e.neu), ordner.pfad(e.alt)))
                return melden(QStringLiteral("Die Datei %1 konnte nicht zurück in %2 umbenannt "
                                             "werden.")
                                  .arg(e.neu, e.alt));
            return true;
        }
        QByteArray vorher = j.vorher(e, kopien);
        const std::optional<QByteArray> jetzt = TextFile::read(ordner.pfad(e.alt));
        if (vorher.isNull()) {
            // Without its copy a file can only stay: fine when it is still as before. The
            // others are put back all the same.
            if (!jetzt || Journal::hash(*jetzt) != e.altHash) {
                // Named where the author finds it.
                const QString wo = !jetzt && e.alt != e.neu && Platte::da(ordner.pfad(e.neu))
                                       ? QStringLiteral("%1 (jetzt %2)").arg(e.alt, e.neu)
                                       : e.alt;
                const std::lock_guard<std::mutex> l(m);
                ohneKopie << wo;
                return true;
            }
            vorher = *jetzt;
        }
        if (!jetzt || *jetzt != vorher) {
            if (jetzt && (e.alt != e.neu || Journal::hash(*jetzt) != e.neuHash) &&
                !beiseitelegen(e.alt, *jetzt))
                return melden(
                    QStringLiteral("Die Datei %1 konnte nicht beiseitegelegt werden.").arg(e.alt));
            if (!ordner.fs.schreiben(ordner.pfad(e.alt), vorher))
                return melden(QStringLiteral("Die Datei %1 konnte nicht zurückgeschrieben werden.")
                                  .arg(e.alt));
        }
        if (e.alt != e.neu && Platte::da(ordner.pfad(e.neu))) {
            const std::optional<QByteArray> dort = TextFile::read(ordner.pfad(e.neu));
            if (dort && Journal::hash(*dort) != e.neuHash && *dort != vorher &&
                !beiseitelegen(e.neu, *dort))
                return melden(
                    QStringLiteral("Die Datei %1 konnte nicht beiseitegelegt werden.").arg(e.neu));
            if (!ordner.fs.entfernen(ordner.pfad(e.neu)))
                return melden(
                    QStringLiteral("Die Datei %1 konnte nicht entfernt werden.").arg(e.neu));
        }
        return true;
    });
    if (andereFehler) {
        // Those may pass: the journal is tried again.
        ohneKopie.clear();
        return false;
    }
    if (!ohneKopie.isEmpty()) {
        ohneKopie.sort();
        fehler = QStringLiteral("Die Kopien von %1 sind beschädigt oder fehlen.")
                     .arg(ohneKopie.join(QStringLiteral(", ")));
    }
    return gut && ohneKopie.isEmpty();
}
