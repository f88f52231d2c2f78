#include "Editor.h"

#include "HotSpotPanel.h"
#include "canvas/Picture1.h"
#include "model/BildPfad.h"
#include "model/DateiName.h"
#include "model/Module1.h"
#include "platform/BildDatei.h"
#include "platform/Desktop.h"
#include "platform/GameLauncher.h"
#include "platform/StorableTextValidator.h"
#include "roomfile/Cp1252.h"
#include "roomfile/RoomFile.h"
#include "roomfile/TextFile.h"
#include "roomfile/Wiederherstellung.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>

using RaumBearbeitung::Stelle;

namespace {

const QString raumFilter = QStringLiteral("HotSpot-Dateien|*.lsd");

QString zeigbar(const QString& pfad)
{
    return QDir::toNativeSeparators(pfad);
}

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

Editor::Editor(Module1& raum, Desktop& desktop, QWidget* parent)
    : QWidget(parent), m(raum), desktop(desktop),
      kopie(std::make_unique<Wiederherstellung>(QString()))
{
    setObjectName(QStringLiteral("Editor"));
    setFixedSize(748, 484);

    raumVerlauf = new RaumVerlauf(m, this);
    raumVerlauf->auswahl = [this] { return auswahl(); };
    connect(raumVerlauf, &RaumVerlauf::angewendet, this, &Editor::angewendet);
    connect(raumVerlauf, &RaumVerlauf::markeGesetzt, this, [this](bool geaendert) {
        setWindowModified(geaendert);
        if (geaendert) {
            kopieAnstossen();
        } else {
            kopieTakt.stop();
            kopie->entfernen();
        }
    });
    // A copy at most two seconds behind the last change, however fast the author works.
    kopieTakt.setSingleShot(true);
    kopieTakt.setInterval(1000);
    connect(&kopieTakt, &QTimer::timeout, this, &Editor::kopieSchreiben);

    picture1 = new Picture1(
        m, [this] { return auswahl(); }, this);
    picture1->move(0, 0);
    connect(picture1, &Picture1::strichFertig, raumVerlauf, &RaumVerlauf::zellen);
    raumVerlauf->vorher = [this] { picture1->strichAbschliessen(); };
    // The overview of all hotspots has no button; its key is named where it shows.
    auto* ueberblick = new QAction(QStringLiteral("HotSpots zeigen"), this);
    ueberblick->setObjectName(QStringLiteral("HotSpotsZeigen"));
    ueberblick->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    addAction(ueberblick);
    connect(ueberblick, &QAction::triggered, picture1, &Picture1::ueberblickUmschalten);
    picture1->setToolTip(QStringLiteral("Strg+H: alle HotSpots zeigen oder verbergen"));

    list1 = new QListWidget(this);
    list1->setObjectName(QStringLiteral("List1"));
    list1->setGeometry(640, 0, 105, 173);
    connect(list1, &QListWidget::currentRowChanged, this, &Editor::hotSpotGewaehlt);

    frame1 = new HotSpotPanel(this);
    frame1->setGeometry(640, 176, 113, 121);
    frame1->hide();
    connect(frame1, &HotSpotPanel::besuchBeginnt, this, [this] { ++besuch; });
    connect(frame1, &HotSpotPanel::nameEdited, this, [this](const QString& name) {
        raumVerlauf->wert({Stelle::Art::Name, auswahl()}, name, besuch);
    });
    connect(frame1, &HotSpotPanel::cursorEdited, this, [this](const QString& cursor) {
        raumVerlauf->wert({Stelle::Art::Cursor, auswahl()}, cursor, besuch);
    });
    connect(frame1, &HotSpotPanel::aktionClicked, this, [this](int i, bool checked) {
        raumVerlauf->wert({Stelle::Art::Aktion, auswahl(), i}, checked);
    });
    connect(frame1, &HotSpotPanel::aktivClicked, this, [this](bool checked) {
        raumVerlauf->wert({Stelle::Art::Aktiv, auswahl()}, checked);
    });
    connect(frame1, &HotSpotPanel::scriptRequested, this, [this](int i) {
        if (auswahl() >= 0)
            skriptBearbeiten({Stelle::Art::Skript, auswahl(), i});
    });
    connect(frame1, &HotSpotPanel::cursorRequested, this, &Editor::cursorWaehlen);

    connect(knopf(QStringLiteral("Command9"), QStringLiteral("Gegenstände"), {640, 296, 105, 17}),
            &QPushButton::clicked, this, [this] {
                if (gegenstaendeZeigen)
                    gegenstaendeZeigen();
            });
    connect(knopf(QStringLiteral("Command2"), QStringLiteral("Startskript"), {640, 320, 105, 17}),
            &QPushButton::clicked, this, [this] { skriptBearbeiten({Stelle::Art::StartSkript}); });
    connect(knopf(QStringLiteral("Command13"), QStringLiteral("Timerskript"), {640, 336, 105, 17}),
            &QPushButton::clicked, this, [this] { skriptBearbeiten({Stelle::Art::TimerSkript}); });
    connect(knopf(QStringLiteral("Command3"), QStringLiteral("Neuer HotSpot"), {640, 352, 105, 17}),
            &QPushButton::clicked, raumVerlauf, &RaumVerlauf::neuerHotSpot);
    connect(
        knopf(QStringLiteral("Command10"), QStringLiteral("HotSpot löschen"), {640, 368, 105, 17}),
        &QPushButton::clicked, this, [this] { raumVerlauf->hotSpotLoeschen(auswahl()); });
    connect(knopf(QStringLiteral("Command7"), QStringLiteral("Bild Laden"), {640, 384, 105, 17}),
            &QPushButton::clicked, this, &Editor::bildLadenBefehl);
    connect(knopf(QStringLiteral("Command6"), QStringLiteral("Neu"), {640, 408, 105, 17}),
            &QPushButton::clicked, this, &Editor::neu);
    connect(knopf(QStringLiteral("Command4"), QStringLiteral("Laden"), {640, 424, 105, 17}),
            &QPushButton::clicked, this, &Editor::laden);
    connect(knopf(QStringLiteral("Command5"), QStringLiteral("Speichern"), {640, 440, 105, 17}),
            &QPushButton::clicked, this, &Editor::speichern);
    connect(knopf(QStringLiteral("Command11"), QStringLiteral("Explorer"), {640, 464, 57, 17}),
            &QPushButton::clicked, this, &Editor::explorer);
    connect(knopf(QStringLiteral("Command12"), QStringLiteral("Testen"), {696, 464, 49, 17}),
            &QPushButton::clicked, this, &Editor::testen);
    tastenAnlegen();

    m.leererRaum();
    raumDateiSetzen(QString(), QByteArray());
    raumVerlauf->neuBeginnen();
}

Editor::~Editor()
{
    // The history goes with the children, after this window's members: it must not tell
    // them any more.
    QObject::disconnect(raumVerlauf, nullptr, this, nullptr);
    kopieTakt.stop();
    // Closed without a word (the session ending, say): the changes wait in the copy for the
    // next start. Closed by the author, they were saved or let go.
    if (raumVerlauf->geaendert() && !verworfen)
        kopieSchreiben();
    else
        kopie->entfernen();
    kopie->warten();
}

QPushButton* Editor::knopf(const QString& name, const QString& text, const QRect& geometry)
{
    auto* b = new QPushButton(text, this);
    b->setObjectName(name);
    b->setGeometry(geometry);
    return b;
}

void Editor::tastenAnlegen()
{
    const auto taste = [this](const QList<QKeySequence>& tasten, const std::function<void()>& tun) {
        auto* a = new QAction(this);
        a->setShortcuts(tasten);
        connect(a, &QAction::triggered, this, tun);
        addAction(a);
    };
    taste({QKeySequence::Undo}, [this] { raumVerlauf->rueckgaengig(); });
    taste({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)},
          [this] { raumVerlauf->wiederholen(); });
    // A key does exactly what its button does, questions included.
    const std::pair<QKeySequence, const char*> knoepfe[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_S), "Command5"},
        {QKeySequence(Qt::CTRL | Qt::Key_O), "Command4"},
        {QKeySequence(Qt::CTRL | Qt::Key_N), "Command6"},
        {QKeySequence(Qt::Key_F5), "Command12"}};
    for (const auto& [folge, name] : knoepfe) {
        auto* b = findChild<QPushButton*>(QLatin1String(name));
        taste({folge}, [b] { b->click(); });
    }
    auto* entf = new QShortcut(QKeySequence::Delete, list1, nullptr, nullptr, Qt::WidgetShortcut);
    connect(entf, &QShortcut::activated, findChild<QPushButton*>(QStringLiteral("Command10")),
            &QPushButton::click);
}

int Editor::auswahl() const
{
    return list1->currentRow();
}

void Editor::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The checker opens on the free background only. A click on a control that ignores it,
    // such as the hotspot panel's empty area, is passed on to here as well.
    if (event->button() == Qt::LeftButton && !childAt(event->position().toPoint()) && toolZeigen)
        toolZeigen();
}

void Editor::closeEvent(QCloseEvent* event)
{
    if (!aenderungenSichern()) {
        event->ignore();
        return;
    }
    verworfen = true;
    event->accept();
}

void Editor::listeFuellen()
{
    // The names are what changes most: the list is made anew only when its length differs.
    if (list1->count() == m.HotSpotMax + 1) {
        for (qint32 i = 0; i <= m.HotSpotMax; ++i)
            if (list1->item(i)->text() != m.HotSpots[i].Name)
                list1->item(i)->setText(m.HotSpots[i].Name);
        return;
    }
    list1->clear();
    for (qint32 i = 0; i <= m.HotSpotMax; ++i)
        list1->addItem(m.HotSpots[i].Name);
}

void Editor::auswaehlen(int index)
{
    if (index < 0 || index > m.HotSpotMax) {
        list1->setCurrentRow(-1);
        frame1->hide();
        bildAufbau();
    } else if (list1->currentRow() != index) {
        list1->setCurrentRow(index);
    } else {
        hotSpotGewaehlt(index);
    }
}

void Editor::bildAufbau()
{
    // A room may name a picture that is missing: its cells still show, over a cleared
    // canvas, so that the marks always agree with the room.
    if (!picture1->BildAufbau()) {
        picture1->clear();
        picture1->zellenZeichnen();
    }
}

void Editor::meldeFehler(const QString& text)
{
    MessageRequest r;
    r.text = text;
    r.icon = QMessageBox::Warning;
    desktop.message(this, r);
}

QString Editor::raumDialog(bool speichern, const QString& titel)
{
    FileRequest r;
    r.mode = speichern ? FileRequest::Mode::Save : FileRequest::Mode::Open;
    r.title = titel;
    r.filter = raumFilter;
    r.folder = m.raeumeOrdner();
    r.preset = cd2Datei;
    return desktop.chooseFile(this, r);
}

void Editor::raumDateiSetzen(const QString& datei, const QByteArray& hash)
{
    raumDateiPfad = datei;
    bekannt = hash;
    // "[*]" is where the change mark shows.
    setWindowTitle(datei.isEmpty()
                       ? QStringLiteral("Editor[*]")
                       : QStringLiteral("Editor - ") + DateiName(datei) + QStringLiteral("[*]"));
}

bool Editor::aenderungenSichern()
{
    if (!raumVerlauf->geaendert())
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
    switch (desktop.message(this, frage)) {
    case QMessageBox::Save:
        return speichern();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void Editor::neu()
{
    if (raumVerlauf->geaendert()) {
        if (!aenderungenSichern())
            return;
    } else {
        MessageRequest frage;
        frage.text = QStringLiteral("Wollen Sie wirklich ein neuen Raum erschaffen?");
        frage.title = QStringLiteral("Super!!!");
        frage.icon = QMessageBox::Question;
        frage.buttons = QMessageBox::Yes | QMessageBox::No;
        if (desktop.message(this, frage) != QMessageBox::Yes)
            return;
    }
    picture1->strichAbschliessen();
    m.leererRaum();
    picture1->clear();
    list1->clear();
    frame1->hide();
    cd2Datei.clear();
    raumDateiSetzen(QString(), QByteArray());
    raumVerlauf->neuBeginnen();
    picture1->raumGeaendert();
}

void Editor::laden()
{
    if (!aenderungenSichern())
        return;
    const QString pfad = raumDialog(false, QStringLiteral("Datei laden"));
    if (!pfad.isEmpty())
        raumLaden(pfad);
}

void Editor::oeffnen(const QString& pfad)
{
    if (aenderungenSichern())
        raumLaden(pfad);
}

void Editor::raumLaden(const QString& pfad)
{
    cd2Datei = pfad;
    const std::optional<QByteArray> bytes = TextFile::read(pfad);
    if (!bytes) {
        meldeFehler(QStringLiteral("Die Datei %1 kann nicht geöffnet werden.").arg(zeigbar(pfad)));
        return;
    }
    picture1->strichAbschliessen();
    const RoomFile::LeseErgebnis e = RoomFile::lesen(*bytes, m);
    if (e.hotSpotsErsetzt) {
        // Made anew, so that no row stays selected, however many hotspots there are.
        list1->clear();
        listeFuellen();
        frame1->hide();
    }
    // A missing picture is no error here: the canvas is then cleared.
    if (e.hintergrundGelesen)
        bildAufbau();
    raumVerlauf->neuBeginnen();
    picture1->raumGeaendert();
    if (!e.vollstaendig) {
        // The title keeps the file it named; the room in memory is no longer that file.
        raumDateiPfad.clear();
        bekannt.clear();
        meldeFehler(QStringLiteral("Die Datei %1 ist fehlerhaft: Das Lesen hat in Zeile %2 "
                                   "aufgehört. Was davor stand, wurde geladen.")
                        .arg(zeigbar(pfad))
                        .arg(e.zeile));
        return;
    }
    raumDateiSetzen(pfad, Wiederherstellung::hash(*bytes));
}

bool Editor::aussenGeaendertBehalten(const QString& pfad)
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
    return desktop.message(this, frage) != QMessageBox::Yes;
}

bool Editor::speichern()
{
    const QString pfad = raumDialog(true, QStringLiteral("Datei speichern"));
    if (pfad.isEmpty())
        return false;
    cd2Datei = pfad;
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
            if (desktop.message(this, frage) != QMessageBox::Yes)
                return false;
        }
    }
    picture1->strichAbschliessen();
    const QByteArray bytes = RoomFile::schreiben(m);
    if (!TextFile::write(pfad, bytes)) {
        meldeFehler(QStringLiteral("Die Datei %1 konnte nicht gespeichert werden. "
                                   "Eine vorhandene Datei ist unverändert geblieben.")
                        .arg(zeigbar(pfad)));
        return false;
    }
    raumDateiSetzen(pfad, Wiederherstellung::hash(bytes));
    raumVerlauf->gespeichert();
    ++speicherungen;
    MessageRequest fertig;
    fertig.text = zeigbar(pfad) + QStringLiteral(" gespeichert!");
    fertig.icon = QMessageBox::Information;
    desktop.message(this, fertig);
    return true;
}

void Editor::testen()
{
    const QString gemerkt = cd2Datei;
    const QString pfad = raumDialog(false, QStringLiteral("Datei laden"));
    const int vorher = speicherungen;
    // The game reads the file, not what the editor holds.
    if (!pfad.isEmpty() && raumVerlauf->geaendert() && gleicheDatei(pfad, raumDateiPfad) &&
        !aenderungenSichern()) {
        cd2Datei = gemerkt;
        return;
    }
    if (!pfad.isEmpty()) {
        const GameCommand spiel =
            GameLauncher::command(m.AppPfad + QStringLiteral("Tarnholm.exe"), pfad);
        meldeSpielNichtGestartet(desktop.startProgram(spiel.program, spiel.arguments));
    }
    // A save asked for here chose the file "Speichern" offers next.
    if (speicherungen == vorher)
        cd2Datei = gemerkt;
}

void Editor::explorer()
{
    QString ordner = m.AppPfad;
    if (ordner.size() > 1 && ordner.endsWith(QLatin1Char('/')))
        ordner.chop(1);
    meldeOrdnerNichtGeoeffnet(desktop.openFolder(ordner));
}

void Editor::angewendet(const RaumVerlauf::Meldung& meldung)
{
    picture1->raumGeaendert();
    if (!meldung.durchAutor) {
        // Undone or redone: the window shows the hotspot the step changed.
        ++besuch;
        listeFuellen();
        auswaehlen(meldung.auswahl);
        return;
    }
    using Art = RaumVerlauf::Meldung::Art;
    switch (meldung.art) {
    case Art::Wert:
        if (meldung.stelle.art == Stelle::Art::Name)
            list1->item(meldung.hotSpot)->setText(m.HotSpots[meldung.hotSpot].Name);
        else if (meldung.stelle.art == Stelle::Art::Hintergrund)
            bildAufbau();
        break;
    case Art::HotSpotNeu:
        // The selection, the panel and the picture stay as they are.
        list1->addItem(m.HotSpots[meldung.hotSpot].Name);
        break;
    case Art::HotSpotWeg:
        list1->clear();
        listeFuellen();
        // The entry that took its place is selected, or the new last one; that redraws the
        // picture. With none left it is redrawn here.
        auswaehlen(meldung.auswahl);
        break;
    case Art::Zellen:
        break;
    }
}

void Editor::kopieAnstossen()
{
    if (!kopieTakt.isActive())
        kopieTakt.start();
}

void Editor::kopieSchreiben()
{
    if (!raumVerlauf->geaendert()) {
        kopie->entfernen();
        return;
    }
    kopie->schreiben(RoomFile::schreiben(m), raumDateiPfad, bekannt);
}

void Editor::kopienIn(const QString& ordner)
{
    kopie = std::make_unique<Wiederherstellung>(ordner);
}

bool Editor::wiederherstellen()
{
    while (std::optional<Wiederherstellung::Kopie> k = kopie->verwaiste()) {
        if (!k->fehler.isEmpty()) {
            const QString ort = kopie->beiseitelegen(*k);
            meldeFehler(QStringLiteral("Eine Wiederherstellungskopie kann nicht gelesen werden: "
                                       "%1 Sie wurde nicht gelöscht und liegt unter %2.")
                            .arg(k->fehler, zeigbar(ort.isEmpty() ? k->datei : ort)));
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
        if (desktop.message(this, frage) != QMessageBox::Yes) {
            kopie->verwerfen(*k);
            continue;
        }
        m.leererRaum();
        RoomFile::lesen(k->raum, m);
        list1->clear();
        listeFuellen();
        frame1->hide();
        bildAufbau();
        picture1->raumGeaendert();
        cd2Datei = k->raumDatei;
        raumDateiSetzen(k->raumDatei, k->bekannt);
        kopie->uebernehmen(*k);
        raumVerlauf->neuBeginnen(true);
        return true;
    }
    return false;
}

void Editor::hotSpotGewaehlt(int index)
{
    if (index < 0 || index > m.HotSpotMax)
        return;
    picture1->strichAbschliessen();
    ++besuch;
    // The list can make a row current without selecting it (the keyboard focus arriving);
    // the hotspot being edited is always the one the list shows selected.
    list1->item(index)->setSelected(true);
    frame1->show();
    frame1->fill(m.HotSpots[index]);
    bildAufbau();
}

void Editor::skriptBearbeiten(const Stelle& stelle)
{
    m.AktSkript = std::get<Skript>(RaumBearbeitung::lesen(m, stelle));
    if (skriptEditorZeigen)
        skriptEditorZeigen();
    // The hotspot selected when the script editor closes receives the script.
    Stelle ziel = stelle;
    if (ziel.art == Stelle::Art::Skript)
        ziel.hotSpot = auswahl();
    raumVerlauf->wert(ziel, m.AktSkript);
}

void Editor::cursorWaehlen()
{
    if (auswahl() < 0)
        return;
    FileRequest r;
    r.title = QStringLiteral("Icon laden");
    r.filter = QStringLiteral("Icon-Dateien|*.ico;*.cur;*.ani");
    r.folder = m.CursorsPfad;
    const QString pfad = desktop.chooseFile(this, r);
    if (pfad.isEmpty())
        return;
    if (!StorableTextValidator::fileNameAccepted(desktop, this, pfad))
        return;
    // A chosen file is a step of its own, not part of the typing before it.
    ++besuch;
    frame1->setCursorText(pfad);
}

void Editor::bildLadenBefehl()
{
    FileRequest r;
    r.title = QStringLiteral("Bild laden");
    r.filter = QStringLiteral("Bild-Dateien|*.jpeg;*.jpg;*.bmp;*.gif");
    r.folder = m.GraphicsPfad;
    r.preset = DateiName(ohneLeerzeichen(m.Hintergrund()));
    QString pfad = desktop.chooseFile(this, r);
    if (pfad.isEmpty())
        return;
    // The room file holds the path as chosen, between quotes, in at most 100 characters. A
    // picture of the graphics folder is found by its bare name too, so a path too long for
    // the file keeps only that.
    if (pfad.size() > Module1::HintergrundLaenge &&
        DateiName(pfad).size() <= Module1::HintergrundLaenge &&
        QFileInfo(pfad).absolutePath() == QFileInfo(m.GraphicsPfad).absolutePath())
        pfad = DateiName(pfad);
    if (!Cp1252::isStorableText(pfad)) {
        meldeFehler(QStringLiteral("Der Pfad %1 enthält Zeichen, die eine Raumdatei nicht "
                                   "speichern kann. Bitte benennen Sie die Datei oder ihren "
                                   "Ordner um.")
                        .arg(zeigbar(pfad)));
        return;
    }
    if (pfad.size() > Module1::HintergrundLaenge) {
        meldeFehler(QStringLiteral("Der Pfad %1 ist länger als die 100 Zeichen, die eine "
                                   "Raumdatei für das Hintergrundbild speichern kann. Bitte "
                                   "legen Sie das Bild in einen Ordner mit kürzerem Pfad.")
                        .arg(zeigbar(pfad)));
        return;
    }
    // Tried first, so that the room keeps the picture the canvas still shows.
    QString probe = pfad;
    if (!picture1->BildLaden(probe)) {
        meldeFehler(QStringLiteral("Die Datei %1 kann nicht als Bild geladen werden. Der Raum "
                                   "behält sein bisheriges Bild.")
                        .arg(zeigbar(pfad)));
        return;
    }
    const QString neu = pfad.leftJustified(Module1::HintergrundLaenge, QLatin1Char(' '));
    if (neu == m.Hintergrund())
        bildAufbau();
    else
        raumVerlauf->wert({Stelle::Art::Hintergrund}, neu);
    if (picture1->picture2().size() == picture1->size())
        return;
    MessageRequest frage;
    frage.text = QStringLiteral("Bild in neuer Größe als BMP speichern?");
    frage.buttons = QMessageBox::Yes | QMessageBox::No;
    frage.defaultButton = QMessageBox::Yes;
    if (desktop.message(this, frage) != QMessageBox::Yes)
        return;
    const QString ziel = ohneLeerzeichen(m.Hintergrund());
    if (!BildDatei::bmpSchreiben(ziel, picture1->picture2().gestreckt()))
        meldeFehler(QStringLiteral("Das Bild %1 konnte nicht gespeichert werden. Die Datei ist "
                                   "unverändert geblieben.")
                        .arg(zeigbar(ziel)));
}

void Editor::meldeSpielNichtGestartet(const DesktopResult& start)
{
    switch (start.kind) {
    case DesktopResult::Kind::Done:
        return;
    case DesktopResult::Kind::Missing:
        meldeFehler(QStringLiteral("Das Spiel „Tarnholm.exe“ liegt nicht im Programmordner %1. "
                                   "Legen Sie das Spiel in diesen Ordner, neben den Editor, und "
                                   "wählen Sie dann erneut „Testen“.")
                        .arg(zeigbar(QDir::cleanPath(m.AppPfad))));
        return;
    case DesktopResult::Kind::CommandMissing:
        // The game is started by name only through wine.
        meldeFehler(QStringLiteral("„Tarnholm.exe“ ist ein Windows-Programm; unter Linux startet "
                                   "es Wine. Auf diesem System fehlt der Befehl „%1“. Installieren "
                                   "Sie Wine und wählen Sie dann erneut „Testen“.")
                        .arg(start.subject));
        return;
    case DesktopResult::Kind::Refused:
        meldeFehler(QStringLiteral("Das Spiel %1 konnte nicht gestartet werden: %2. Prüfen Sie, ob "
                                   "die Datei das Spiel ist und ausgeführt werden darf.")
                        .arg(zeigbar(m.AppPfad + QStringLiteral("Tarnholm.exe")), start.reason));
        return;
    }
}

void Editor::meldeOrdnerNichtGeoeffnet(const DesktopResult& geoeffnet)
{
    const QString ordner = zeigbar(QDir::cleanPath(m.AppPfad));
    if (geoeffnet.kind == DesktopResult::Kind::Missing)
        meldeFehler(QStringLiteral("Der Ordner %1 existiert nicht mehr; er wurde verschoben oder "
                                   "gelöscht. Starten Sie den Editor aus dem Spielordner neu.")
                        .arg(ordner));
    else if (!geoeffnet.done())
        meldeFehler(QStringLiteral("Der Ordner %1 konnte nicht geöffnet werden: Auf diesem System "
                                   "ist kein Dateimanager dafür eingerichtet. Richten Sie einen "
                                   "Dateimanager ein oder öffnen Sie den Ordner von Hand.")
                        .arg(ordner));
}
