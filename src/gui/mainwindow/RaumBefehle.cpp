#include "RaumBefehle.h"

#include "DesktopMeldungen.h"
#include "RaumVerlauf.h"
#include "model/DateiName.h"
#include "model/Module1.h"
#include "platform/Desktop.h"
#include "platform/GameLauncher.h"
#include "roomfile/RoomFile.h"
#include "roomfile/TextFile.h"
#include "roomfile/Wiederherstellung.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

namespace {

const QString raumFilter = QStringLiteral("HotSpot-Dateien|*.lsd");

bool gleicheDatei(const QString& a, const QString& b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    const QFileInfo fa(a), fb(b);
    if (fa.exists() && fb.exists())
        return fa.canonicalFilePath() == fb.canonicalFilePath();
    return QDir::cleanPath(fa.absoluteFilePath()) == QDir::cleanPath(fb.absoluteFilePath());
}

} // namespace

RaumBefehle::RaumBefehle(Module1& raum, Desktop& desktop, RaumVerlauf& verlauf, QWidget* fenster)
    : m(raum), desktop(desktop), verlauf(verlauf), fenster(fenster),
      kopie(std::make_unique<Wiederherstellung>(QString()))
{
    connect(&verlauf, &RaumVerlauf::markeGesetzt, this, &RaumBefehle::markeGesetzt);
    // A copy at most two seconds behind the last change, however fast the author works.
    kopieTakt.setSingleShot(true);
    kopieTakt.setInterval(1000);
    connect(&kopieTakt, &QTimer::timeout, this, &RaumBefehle::kopieSchreiben);
    raumDateiSetzen(QString(), QByteArray());
}

RaumBefehle::~RaumBefehle()
{
    kopieTakt.stop();
    if (verlauf.geaendert() && !verworfen)
        kopieSchreiben();
    else
        kopie->entfernen();
    kopie->warten();
}

void RaumBefehle::markeGesetzt(bool geaendert)
{
    fenster->setWindowModified(geaendert);
    if (!geaendert) {
        kopieTakt.stop();
        kopie->entfernen();
    } else if (!kopieTakt.isActive()) {
        kopieTakt.start();
    }
}

QString RaumBefehle::raumDialog(bool speichern, const QString& titel)
{
    FileRequest r;
    r.mode = speichern ? FileRequest::Mode::Save : FileRequest::Mode::Open;
    r.title = titel;
    r.filter = raumFilter;
    r.folder = m.raeumeOrdner();
    r.preset = cd2Datei;
    return desktop.chooseFile(fenster, r);
}

void RaumBefehle::raumDateiSetzen(const QString& datei, const QByteArray& hash)
{
    raumDateiPfad = datei;
    bekannt = hash;
    Q_EMIT offeneDateiGeaendert(datei);
    // "[*]" is where the change mark shows.
    fenster->setWindowTitle(datei.isEmpty() ? QStringLiteral("Editor[*]")
                                            : QStringLiteral("Editor - ") + DateiName(datei) +
                                                  QStringLiteral("[*]"));
}

bool RaumBefehle::aenderungenSichern()
{
    // The author was asked already, before the window began to close.
    if (verworfen || !verlauf.geaendert())
        return true;
    MessageRequest frage;
    frage.text =
        (raumDateiPfad.isEmpty()
             ? QStringLiteral("Der neue Raum wurde geändert.")
             : QStringLiteral("Der Raum „%1“ wurde geändert.").arg(DateiName(raumDateiPfad))) +
        QStringLiteral(" Sollen die Änderungen gespeichert werden?");
    frage.icon = QMessageBox::Warning;
    frage.buttons = QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;
    frage.defaultButton = QMessageBox::Save;
    switch (desktop.message(fenster, frage)) {
    case QMessageBox::Save:
        return speichern();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void RaumBefehle::neu()
{
    if (verlauf.geaendert()) {
        if (!aenderungenSichern())
            return;
    } else {
        MessageRequest frage;
        frage.text = QStringLiteral("Wollen Sie wirklich ein neuen Raum erschaffen?");
        frage.title = QStringLiteral("Super!!!");
        frage.icon = QMessageBox::Question;
        frage.buttons = QMessageBox::Yes | QMessageBox::No;
        if (desktop.message(fenster, frage) != QMessageBox::Yes)
            return;
    }
    verlauf.offenesAbschliessen();
    m.leererRaum();
    raumZeigen(true, true);
    cd2Datei.clear();
    raumDateiSetzen(QString(), QByteArray());
    verlauf.neuBeginnen();
}

void RaumBefehle::laden()
{
    if (!aenderungenSichern())
        return;
    const QString pfad = raumDialog(false, QStringLiteral("Datei laden"));
    if (!pfad.isEmpty())
        raumLaden(pfad);
}

bool RaumBefehle::oeffnen(const QString& pfad)
{
    return aenderungenSichern() && raumLaden(pfad);
}

bool RaumBefehle::oeffnen(Gelesen gelesen)
{
    return aenderungenSichern() && raumLaden(std::move(gelesen));
}

bool RaumBefehle::istGeoeffnet(const QString& pfad) const
{
    return gleicheDatei(pfad, raumDateiPfad);
}

bool RaumBefehle::wieBekannt(const QByteArray& bytes) const
{
    return !bekannt.isEmpty() && Wiederherstellung::hash(bytes) == bekannt;
}

bool RaumBefehle::dateiGeloescht()
{
    if (bekannt.isEmpty())
        return false;
    bekannt.clear();
    verlauf.ungespeichert();
    return true;
}

bool RaumBefehle::raumLaden(const QString& pfad)
{
    return raumLaden(RaumMitKonflikt::lesen(desktop.git(), m.AppPfad, pfad));
}

bool RaumBefehle::raumLaden(Gelesen gelesen)
{
    const QString& pfad = gelesen.pfad;
    cd2Datei = pfad;
    const std::optional<QByteArray>& bytes = gelesen.bytes;
    if (!bytes) {
        desktop.warn(fenster, QStringLiteral("Die Datei %1 kann nicht geöffnet werden.")
                                  .arg(QDir::toNativeSeparators(pfad)));
        return false;
    }
    verlauf.offenesAbschliessen();
    const std::optional<Zusammenfuehren::Ergebnis>& konflikt = gelesen.konflikt;
    const RoomFile::LeseErgebnis e = RoomFile::lesen(konflikt ? konflikt->bytes : *bytes, m);
    // A missing picture is no error here: the canvas is then cleared.
    raumZeigen(e.hotSpotsErsetzt, e.hintergrundGelesen);
    const bool zusammengefuehrt = konflikt && konflikt->bytes != *bytes;
    verlauf.neuBeginnen(zusammengefuehrt);
    Q_EMIT konflikteGeladen(pfad, konflikt.has_value(),
                            konflikt ? konflikt->konflikte : QVector<Konflikt>(), zusammengefuehrt);
    if (!e.vollstaendig) {
        // The title keeps the file it named; the room in memory is no longer that file.
        raumDateiPfad.clear();
        bekannt.clear();
        Q_EMIT offeneDateiGeaendert(QString());
        desktop.warn(fenster,
                     QStringLiteral("Die Datei %1 ist fehlerhaft: Das Lesen hat in Zeile %2 "
                                    "aufgehört. Was davor stand, wurde geladen.")
                         .arg(QDir::toNativeSeparators(pfad))
                         .arg(e.zeile));
        return true;
    }
    raumDateiSetzen(pfad, Wiederherstellung::hash(*bytes));
    Q_EMIT raumDateiBenutzt(pfad);
    return true;
}

bool RaumBefehle::aussenGeaendertBehalten(const QString& pfad)
{
    if (bekannt.isEmpty() || !gleicheDatei(pfad, raumDateiPfad))
        return false;
    const std::optional<QByteArray> jetzt = TextFile::read(pfad);
    if (!jetzt || Wiederherstellung::hash(*jetzt) == bekannt)
        return false;
    MessageRequest frage;
    frage.text = QStringLiteral("„%1“ wurde außerhalb des Editors geändert. Überschreiben?")
                     .arg(DateiName(pfad));
    frage.icon = QMessageBox::Warning;
    frage.buttons = QMessageBox::Yes | QMessageBox::No;
    frage.defaultButton = QMessageBox::No;
    return desktop.message(fenster, frage) != QMessageBox::Yes;
}

bool RaumBefehle::speichern()
{
    // A room with a file goes straight back into it; the mark leaving the title says so.
    if (raumDateiPfad.isEmpty())
        return speichernUnter();
    const QString pfad = raumDateiPfad;
    if (!schreibenNach(pfad))
        return false;
    cd2Datei = pfad;
    return true;
}

bool RaumBefehle::speichernUnter()
{
    const QString pfad = raumDialog(true, QStringLiteral("Datei speichern"));
    if (pfad.isEmpty())
        return false;
    cd2Datei = pfad;
    if (!schreibenNach(pfad))
        return false;
    MessageRequest fertig;
    fertig.text = QDir::toNativeSeparators(pfad) + QStringLiteral(" gespeichert!");
    fertig.icon = QMessageBox::Information;
    desktop.message(fenster, fertig);
    return true;
}

bool RaumBefehle::schreibenNach(const QString& pfad)
{
    if (aussenGeaendertBehalten(pfad))
        return false;
    if (QFileInfo::exists(pfad)) {
        const std::optional<QByteArray> alt = TextFile::read(pfad);
        const std::optional<QString> altesBild =
            alt ? RoomFile::hintergrundLesen(*alt) : std::nullopt;
        if (altesBild && !RoomFile::gleichesBild(*altesBild, m.Hintergrund())) {
            MessageRequest frage;
            frage.text = QStringLiteral(
                "Die Ausgangsdatei besitzt ein anderes Hintergrundbild. Trotzdem speichern?");
            frage.buttons = QMessageBox::Yes | QMessageBox::No;
            frage.defaultButton = QMessageBox::No;
            if (desktop.message(fenster, frage) != QMessageBox::Yes)
                return false;
        }
    }
    verlauf.offenesAbschliessen();
    const QByteArray bytes = RoomFile::schreiben(m);
    if (!TextFile::write(pfad, bytes)) {
        desktop.warn(fenster, QStringLiteral("Die Datei %1 konnte nicht gespeichert werden. "
                                             "Eine vorhandene Datei ist unverändert geblieben.")
                                  .arg(QDir::toNativeSeparators(pfad)));
        return false;
    }
    raumDateiSetzen(pfad, Wiederherstellung::hash(bytes));
    verlauf.gespeichert();
    ++speicherungen;
    Q_EMIT gespeichert(pfad);
    Q_EMIT raumDateiBenutzt(pfad);
    return true;
}

void RaumBefehle::testen()
{
    const QString gemerkt = cd2Datei;
    const QString pfad = raumDialog(false, QStringLiteral("Datei laden"));
    const int vorher = speicherungen;
    // The game reads the file, not what the editor holds.
    if (!pfad.isEmpty() && verlauf.geaendert() && gleicheDatei(pfad, raumDateiPfad) &&
        !aenderungenSichern()) {
        cd2Datei = gemerkt;
        return;
    }
    if (!pfad.isEmpty()) {
        const GameCommand spiel =
            GameLauncher::command(m.AppPfad + QStringLiteral("Tarnholm.exe"), pfad);
        warnen(DesktopMeldungen::spielNichtGestartet(
            desktop.startProgram(spiel.program, spiel.arguments), m.AppPfad));
    }
    // A save asked for here chose the file "Speichern" offers next.
    if (speicherungen == vorher)
        cd2Datei = gemerkt;
}

void RaumBefehle::explorer()
{
    QString ordner = m.AppPfad;
    if (ordner.size() > 1 && ordner.endsWith(QLatin1Char('/')))
        ordner.chop(1);
    warnen(DesktopMeldungen::ordnerNichtGeoeffnet(desktop.openFolder(ordner), m.AppPfad));
}

void RaumBefehle::warnen(const QString& text)
{
    if (!text.isEmpty())
        desktop.warn(fenster, text);
}

void RaumBefehle::kopieSchreiben()
{
    if (!verlauf.geaendert()) {
        kopie->entfernen();
        return;
    }
    kopie->schreiben(RoomFile::schreiben(m), raumDateiPfad, bekannt);
}

void RaumBefehle::kopienIn(const QString& ordner)
{
    kopie = std::make_unique<Wiederherstellung>(ordner);
}

bool RaumBefehle::wiederherstellen()
{
    while (std::optional<Wiederherstellung::Kopie> k = kopie->verwaiste()) {
        if (!k->fehler.isEmpty()) {
            const QString ort = kopie->beiseitelegen(*k);
            desktop.warn(
                fenster,
                QStringLiteral("Eine Wiederherstellungskopie kann nicht gelesen werden: "
                               "%1 Sie wurde nicht gelöscht und liegt unter %2.")
                    .arg(k->fehler, QDir::toNativeSeparators(ort.isEmpty() ? k->datei : ort)));
            continue;
        }
        MessageRequest frage;
        frage.text = QStringLiteral("Der Editor wurde beendet, ohne die Änderungen %1 zu "
                                    "speichern. Wiederherstellen?")
                         .arg(k->raumDatei.isEmpty()
                                  ? QStringLiteral("am neuen Raum")
                                  : QStringLiteral("an „%1“").arg(DateiName(k->raumDatei)));
        frage.icon = QMessageBox::Question;
        frage.buttons = QMessageBox::Yes | QMessageBox::No;
        if (desktop.message(fenster, frage) != QMessageBox::Yes) {
            kopie->verwerfen(*k);
            continue;
        }
        m.leererRaum();
        RoomFile::lesen(k->raum, m);
        raumZeigen(true, true);
        cd2Datei = k->raumDatei;
        raumDateiSetzen(k->raumDatei, k->bekannt);
        kopie->uebernehmen(*k);
        verlauf.neuBeginnen(true);
        return true;
    }
    return false;
}
