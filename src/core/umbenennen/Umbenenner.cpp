// Carries out renames on a game folder, all or nothing, even when killed.
#include "Umbenenner.h"

#include "Platte.h"
#include "app/Spielordner.h"
#include "roomfile/TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <atomic>
#include <thread>

namespace {

using Ergebnis = Umbenenner::Ergebnis;

Ergebnis ergebnis(Ergebnis::Art art, const QString& text, const QStringList& dateien = {},
                  const Journal* erledigt = nullptr)
{
    Ergebnis e{art, text, dateien, {}};
    for (const Journal::Eintrag& eintrag :
         erledigt ? erledigt->eintraege : QVector<Journal::Eintrag>()) {
        if (eintrag.alt != eintrag.neu)
            e.umbenannt.insert(eintrag.alt, eintrag.neu);
    }
    return e;
}

/// Holds the lock while it lives.
struct Gesperrt
{
    explicit Gesperrt(Journalordner& o) : o(o) {}
    ~Gesperrt() { o.entsperren(); }
    Journalordner& o;
};

} // namespace

Umbenenner::Umbenenner(const QString& spielordner, const QString& journalOrdner)
    : ordner(spielordner, journalOrdner)
{
}

QString Umbenenner::journalOrdner(const QString& spielordner)
{
    return Spielordner::datenOrdner(spielordner);
}

Ergebnis Umbenenner::aufraeumen()
{
    Ergebnis e;
    if (!ordner.sperren(e))
        return e;
    const Gesperrt gesperrt(ordner);
    return ordner.aufraeumen();
}

Ergebnis Umbenenner::pruefen(const Umbenennung::Plan& plan)
{
    for (const Umbenennung::Datei& d : plan.dateien) {
        if (d.mitText) {
            const std::optional<QByteArray> bytes = TextFile::read(ordner.pfad(d.alt));
            if (!bytes || *bytes != d.altBytes)
                return ergebnis(Ergebnis::Art::Abgelehnt,
                                QStringLiteral("Die Datei %1 hat sich geändert, seit die "
                                               "Umbenennung geplant wurde. Nichts wurde geändert.")
                                    .arg(d.alt));
        } else if (!QFileInfo::exists(ordner.pfad(d.alt))) {
            return ergebnis(Ergebnis::Art::Abgelehnt,
                            QStringLiteral("Die Datei %1 gibt es nicht mehr. Nichts wurde "
                                           "geändert.")
                                .arg(d.alt));
        }
        if (d.umbenannt() && QFileInfo(ordner.pfad(d.neu)).exists())
            return ergebnis(Ergebnis::Art::Abgelehnt,
                            QStringLiteral("Die Datei %1 gibt es inzwischen. Nichts wurde "
                                           "geändert.")
                                .arg(d.neu));
    }
    return {};
}

Ergebnis Umbenenner::ausfuehren(const Umbenennung::Plan& plan)
{
    if (!plan.moeglich())
        return ergebnis(Ergebnis::Art::Abgelehnt, plan.fehler);
    Ergebnis e;
    if (!ordner.sperren(e))
        return e;
    const Gesperrt gesperrt(ordner);
    e = ordner.aufraeumen();
    if (!e.ok())
        return e;
    e = pruefen(plan);
    if (!e.ok())
        return e;

    Journal j;
    j.spielordner = ordner.spielordner();
    j.was = plan.was;
    const QString name = ordner.neuerName();
    j.kopien = name.section(QLatin1Char('.'), 0, 0) + QStringLiteral(".kopien");
    QByteArray kopien;
    QVector<QByteArray> nachher;
    for (const Umbenennung::Datei& d : plan.dateien) {
        Journal::Eintrag eintrag;
        eintrag.alt = d.alt;
        eintrag.neu = d.neu;
        eintrag.mitText = d.mitText;
        if (d.mitText) {
            eintrag.kopieAnfang = kopien.size();
            eintrag.kopieLaenge = d.altBytes.size();
            eintrag.ersetzungen = d.ersetzungen;
            kopien += d.altBytes;
        }
        j.eintraege.append(eintrag);
        nachher.append(d.neuBytes);
    }
    // The journal must give back exactly what is written.
    std::atomic<bool> stimmt{true};
    Platte::gleichzeitig(
        j.eintraege.size(),
        [&](qsizetype i) {
            const Umbenennung::Datei& d = plan.dateien[i];
            if (!d.mitText)
                return true;
            j.eintraege[i].altHash = Journal::hash(d.altBytes);
            j.eintraege[i].neuHash = Journal::hash(d.neuBytes);
            if (Umbenennung::anwenden(d.altBytes, d.ersetzungen) != d.neuBytes)
                stimmt = false;
            return true;
        },
        std::max(1u, std::thread::hardware_concurrency()));
    if (!stimmt)
        return ergebnis(Ergebnis::Art::Abgelehnt,
                        QStringLiteral("Die geplanten Ersetzungen ergeben nicht die geplanten "
                                       "Dateien. Nichts wurde geändert."));
    if (!ordner.kopienSchreiben(j, kopien) || !ordner.schreiben(name, j)) {
        ordner.entfernen(name);
        ordner.entfernen(j.kopien);
        return ergebnis(Ergebnis::Art::Fehlgeschlagen,
                        QStringLiteral("Das Journal der Umbenennung konnte nicht geschrieben "
                                       "werden (voller Datenträger?). Nichts wurde geändert."));
    }

    QString fehler, zurueck;
    QStringList dateien;
    const Ausgang ausgang = schreibenOderZurueck(
        name, j, nachher, kopien,
        QStringLiteral("Das Journal der Umbenennung konnte nicht abgeschlossen werden."), fehler,
        zurueck, dateien);
    if (ausgang == Ausgang::Fertig) {
        ordner.aufraeumenAusser(name);
        return ergebnis(
            Ergebnis::Art::Erledigt,
            QStringLiteral("Umbenannt: %1 (%2).")
                .arg(plan.was, Umbenennung::anzahl(plan.dateien.size(), QStringLiteral("Datei"),
                                                   QStringLiteral("Dateien"))),
            dateien, &j);
    }
    if (ausgang == Ausgang::Zurueckgenommen)
        return ergebnis(Ergebnis::Art::Fehlgeschlagen,
                        fehler +
                            QStringLiteral(" Nichts wurde umbenannt: Alle Dateien sind "
                                           "wieder wie vorher.") +
                            (zurueck.isEmpty() ? QString() : QLatin1Char('\n') + zurueck),
                        dateien);
    return ergebnis(Ergebnis::Art::Fehlgeschlagen,
                    fehler + QStringLiteral(" Beim Zurücknehmen ging auch etwas schief: ") +
                        zurueck +
                        QStringLiteral(" Das Journal bleibt; der nächste Start des Editors, von "
                                       "tarnholm-check oder tarnholm-umbenennen nimmt die "
                                       "Umbenennung zurück."),
                    dateien);
}

QString Umbenenner::letzte()
{
    QString was;
    QString datei;
    for (const Journalordner::Geladen& g : ordner.journale(nullptr)) {
        if (g.journal.stand != Journal::Stand::Fertig)
            continue;
        if (g.journal.art == Journal::Art::Umbenennung) {
            was = g.journal.was;
            datei = g.datei;
        } else if (g.journal.bezug == datei) {
            // Taken back already; only its tidying up is left.
            was.clear();
        }
    }
    return was;
}

Ergebnis Umbenenner::rueckgaengig()
{
    Ergebnis e;
    if (!ordner.sperren(e))
        return e;
    const Gesperrt gesperrt(ordner);
    e = ordner.aufraeumen();
    if (!e.ok())
        return e;
    std::optional<Journalordner::Geladen> letzte;
    for (const Journalordner::Geladen& g : ordner.journale(nullptr)) {
        if (g.journal.art == Journal::Art::Umbenennung && g.journal.stand == Journal::Stand::Fertig)
            letzte = g;
    }
    if (!letzte)
        return ergebnis(Ergebnis::Art::Abgelehnt,
                        QStringLiteral("Es gibt keine Umbenennung, die sich zurücknehmen lässt."));
    const Journal& j = letzte->journal;
    const std::optional<QByteArray> kopien = ordner.kopienLesen(j);
    if (!kopien)
        return ergebnis(Ergebnis::Art::Fehlgeschlagen,
                        QStringLiteral("Die Kopien der letzten Umbenennung fehlen. Nichts wurde "
                                       "geändert."));

    // Every file must still be as the rename left it.
    QStringList geaendert;
    for (const Journal::Eintrag& eintrag : j.eintraege) {
        if (eintrag.mitText) {
            const std::optional<QByteArray> jetzt = TextFile::read(ordner.pfad(eintrag.neu));
            if (!jetzt || Journal::hash(*jetzt) != eintrag.neuHash)
                geaendert << eintrag.neu;
        } else if (!QFileInfo::exists(ordner.pfad(eintrag.neu))) {
            geaendert << eintrag.neu;
        }
        if (eintrag.alt != eintrag.neu && QFileInfo(ordner.pfad(eintrag.alt)).exists())
            geaendert << eintrag.alt;
    }
    if (!geaendert.isEmpty())
        return ergebnis(Ergebnis::Art::Abgelehnt,
                        QStringLiteral("Seit der Umbenennung (%1) wurden diese Dateien geändert "
                                       "oder angelegt; nichts wurde zurückgenommen:\n")
                                .arg(j.was) +
                            geaendert.join(QLatin1Char('\n')));

    Journal u = j;
    u.art = Journal::Art::Rueckgaengig;
    u.stand = Journal::Stand::Offen;
    u.bezug = letzte->datei;
    QVector<QByteArray> nachher;
    for (Journal::Eintrag& eintrag : u.eintraege) {
        std::swap(eintrag.alt, eintrag.neu);
        std::swap(eintrag.altHash, eintrag.neuHash);
        const QByteArray bytes = eintrag.mitText ? u.nachher(eintrag, *kopien) : QByteArray("");
        if (bytes.isNull())
            return ergebnis(Ergebnis::Art::Fehlgeschlagen,
                            QStringLiteral("Die Kopie von %1 ist beschädigt. Nichts wurde "
                                           "geändert.")
                                .arg(eintrag.neu));
        nachher.append(bytes);
    }
    const QString name = ordner.neuerName();
    if (!ordner.schreiben(name, u)) {
        ordner.entfernen(name);
        return ergebnis(Ergebnis::Art::Fehlgeschlagen,
                        QStringLiteral("Das Journal konnte nicht geschrieben werden (voller "
                                       "Datenträger?). Nichts wurde geändert."));
    }
    QString fehler, zurueck;
    QStringList dateien;
    const Ausgang ausgang =
        schreibenOderZurueck(name, u, nachher, *kopien,
                             QStringLiteral("Das Journal konnte nicht abgeschlossen werden."),
                             fehler, zurueck, dateien);
    if (ausgang == Ausgang::Fertig) {
        // Done: what it took back goes, its copies, then the undo's own journal.
        ordner.entfernen(letzte->datei);
        ordner.entfernen(j.kopien);
        ordner.entfernen(name);
        return ergebnis(Ergebnis::Art::Erledigt, QStringLiteral("Zurückgenommen: %1.").arg(j.was),
                        dateien, &u);
    }
    if (ausgang == Ausgang::Zurueckgenommen)
        return ergebnis(Ergebnis::Art::Fehlgeschlagen,
                        fehler + QStringLiteral(" Die Umbenennung bleibt, wie sie war."), dateien);
    return ergebnis(Ergebnis::Art::Fehlgeschlagen,
                    fehler + QStringLiteral(" Beim Zurücknehmen ging auch etwas schief: ") +
                        zurueck +
                        QStringLiteral(" Der nächste Start stellt den Stand nach der Umbenennung "
                                       "wieder her."),
                    dateien);
}

Umbenenner::Ausgang Umbenenner::schreibenOderZurueck(const QString& name, Journal& j,
                                                     const QVector<QByteArray>& nachher,
                                                     const QByteArray& kopien,
                                                     const QString& abschlussFehler,
                                                     QString& fehler, QString& zurueck,
                                                     QStringList& dateien)
{
    if (ordner.vorwaerts(j, nachher, fehler, dateien)) {
        j.stand = Journal::Stand::Fertig;
        if (ordner.ordnerSichern(j) && ordner.schreiben(name, j))
            return Ausgang::Fertig;
        fehler = abschlussFehler;
    }
    return ordner.zuruecknehmen({name, j}, &kopien, zurueck, dateien) ? Ausgang::Zurueckgenommen
                                                                       : Ausgang::Offen;
}
