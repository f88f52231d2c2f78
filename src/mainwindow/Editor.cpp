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

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>

namespace {

const QString raumFilter = QStringLiteral("HotSpot-Dateien|*.lsd");
const QString titelLeer = QStringLiteral("Editor");

QString zeigbar(const QString& pfad)
{
    return QDir::toNativeSeparators(pfad);
}

} // namespace

Editor::Editor(Module1& raum, Desktop& desktop, QWidget* parent)
    : QWidget(parent), m(raum), desktop(desktop)
{
    setObjectName(QStringLiteral("Editor"));
    setWindowTitle(titelLeer);
    setFixedSize(748, 484);

    picture1 = new Picture1(
        m, [this] { return auswahl(); }, this);
    picture1->move(0, 0);
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
    connect(frame1, &HotSpotPanel::nameEdited, this, [this](const QString& name) {
        const int s = auswahl();
        if (s < 0)
            return;
        m.HotSpots[s].Name = name;
        list1->item(s)->setText(name);
        picture1->raumGeaendert();
    });
    connect(frame1, &HotSpotPanel::cursorEdited, this, [this](const QString& cursor) {
        if (auswahl() >= 0)
            m.HotSpots[auswahl()].Cursor = cursor;
    });
    connect(frame1, &HotSpotPanel::aktionClicked, this, [this](int i, bool checked) {
        if (auswahl() >= 0)
            m.HotSpots[auswahl()].Aktion[i] = checked;
    });
    connect(frame1, &HotSpotPanel::aktivClicked, this, [this](bool checked) {
        if (auswahl() >= 0)
            m.HotSpots[auswahl()].Aktiv = checked;
        picture1->raumGeaendert();
    });
    connect(frame1, &HotSpotPanel::scriptRequested, this, [this](int i) {
        if (auswahl() < 0)
            return;
        // The hotspot selected when the script editor closes receives the script.
        skriptBearbeiten([this, i]() -> Skript& { return m.HotSpots[auswahl()].Skripte[i]; });
    });
    connect(frame1, &HotSpotPanel::cursorRequested, this, &Editor::cursorWaehlen);

    connect(knopf(QStringLiteral("Command9"), QStringLiteral("Gegenstände"), {640, 296, 105, 17}),
            &QPushButton::clicked, this, [this] {
                if (gegenstaendeZeigen)
                    gegenstaendeZeigen();
            });
    connect(knopf(QStringLiteral("Command2"), QStringLiteral("Startskript"), {640, 320, 105, 17}),
            &QPushButton::clicked, this,
            [this] { skriptBearbeiten([this]() -> Skript& { return m.StartSkript; }); });
    connect(knopf(QStringLiteral("Command13"), QStringLiteral("Timerskript"), {640, 336, 105, 17}),
            &QPushButton::clicked, this,
            [this] { skriptBearbeiten([this]() -> Skript& { return m.TimerSkript; }); });
    connect(knopf(QStringLiteral("Command3"), QStringLiteral("Neuer HotSpot"), {640, 352, 105, 17}),
            &QPushButton::clicked, this, &Editor::neuerHotSpot);
    connect(
        knopf(QStringLiteral("Command10"), QStringLiteral("HotSpot löschen"), {640, 368, 105, 17}),
        &QPushButton::clicked, this, &Editor::hotSpotLoeschen);
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

    m.leererRaum();
}

Editor::~Editor() = default;

QPushButton* Editor::knopf(const QString& name, const QString& text, const QRect& geometry)
{
    auto* b = new QPushButton(text, this);
    b->setObjectName(name);
    b->setGeometry(geometry);
    return b;
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

void Editor::listeFuellen()
{
    list1->clear();
    for (qint32 i = 0; i <= m.HotSpotMax; ++i)
        list1->addItem(m.HotSpots[i].Name);
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

void Editor::neu()
{
    MessageRequest frage;
    frage.text = QStringLiteral("Wollen Sie wirklich ein neuen Raum erschaffen?");
    frage.title = QStringLiteral("Super!!!");
    frage.icon = QMessageBox::Question;
    frage.buttons = QMessageBox::Yes | QMessageBox::No;
    if (desktop.message(this, frage) != QMessageBox::Yes)
        return;
    m.leererRaum();
    picture1->clear();
    list1->clear();
    frame1->hide();
    cd2Datei.clear();
    setWindowTitle(titelLeer);
    picture1->raumGeaendert();
}

void Editor::laden()
{
    const QString pfad = raumDialog(false, QStringLiteral("Datei laden"));
    if (pfad.isEmpty())
        return;
    cd2Datei = pfad;
    const std::optional<QByteArray> bytes = TextFile::read(pfad);
    if (!bytes) {
        meldeFehler(QStringLiteral("Die Datei %1 kann nicht geöffnet werden.").arg(zeigbar(pfad)));
        return;
    }
    const RoomFile::LeseErgebnis e = RoomFile::lesen(*bytes, m);
    if (e.hotSpotsErsetzt) {
        listeFuellen();
        frame1->hide();
    }
    // A missing picture is no error here: the canvas is then cleared.
    if (e.hintergrundGelesen)
        bildAufbau();
    picture1->raumGeaendert();
    if (!e.vollstaendig) {
        meldeFehler(QStringLiteral("Die Datei %1 ist fehlerhaft: Das Lesen hat in Zeile %2 "
                                   "aufgehört. Was davor stand, wurde geladen.")
                        .arg(zeigbar(pfad))
                        .arg(e.zeile));
        return;
    }
    setWindowTitle(QStringLiteral("Editor - ") + DateiName(pfad));
}

void Editor::speichern()
{
    const QString pfad = raumDialog(true, QStringLiteral("Datei speichern"));
    if (pfad.isEmpty())
        return;
    cd2Datei = pfad;
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
                return;
        }
    }
    if (!TextFile::write(pfad, RoomFile::schreiben(m))) {
        meldeFehler(QStringLiteral("Die Datei %1 konnte nicht gespeichert werden. "
                                   "Eine vorhandene Datei ist unverändert geblieben.")
                        .arg(zeigbar(pfad)));
        return;
    }
    setWindowTitle(QStringLiteral("Editor - ") + DateiName(pfad));
    MessageRequest fertig;
    fertig.text = zeigbar(pfad) + QStringLiteral(" gespeichert!");
    fertig.icon = QMessageBox::Information;
    desktop.message(this, fertig);
}

void Editor::testen()
{
    const QString gemerkt = cd2Datei;
    const QString pfad = raumDialog(false, QStringLiteral("Datei laden"));
    if (!pfad.isEmpty()) {
        const GameCommand spiel =
            GameLauncher::command(m.AppPfad + QStringLiteral("Tarnholm.exe"), pfad);
        desktop.startProgram(spiel.program, spiel.arguments);
    }
    cd2Datei = gemerkt;
}

void Editor::explorer()
{
    QString ordner = m.AppPfad;
    if (ordner.size() > 1 && ordner.endsWith(QLatin1Char('/')))
        ordner.chop(1);
    desktop.openFolder(ordner);
}

void Editor::neuerHotSpot()
{
    m.neuerHotSpot(list1->count());
    list1->addItem(m.HotSpots[m.HotSpotMax].Name);
    picture1->raumGeaendert();
}

void Editor::hotSpotLoeschen()
{
    int s = auswahl();
    if (s < 0)
        return;
    m.hotSpotEntfernen(s);
    picture1->raumGeaendert();
    listeFuellen();
    if (s > list1->count() - 1)
        s = list1->count() - 1;
    // Selecting the new entry redraws the picture; with none left it is redrawn here.
    if (list1->count() > 0) {
        list1->setCurrentRow(s);
    } else {
        frame1->hide();
        bildAufbau();
    }
}

void Editor::hotSpotGewaehlt(int index)
{
    if (index < 0 || index > m.HotSpotMax)
        return;
    // The list can make a row current without selecting it (the keyboard focus arriving);
    // the hotspot being edited is always the one the list shows selected.
    list1->item(index)->setSelected(true);
    frame1->show();
    frame1->fill(m.HotSpots[index]);
    bildAufbau();
}

void Editor::skriptBearbeiten(const std::function<Skript&()>& ziel)
{
    m.AktSkript = ziel();
    if (skriptEditorZeigen)
        skriptEditorZeigen();
    ziel() = m.AktSkript;
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
    const QString vorher = m.Hintergrund();
    m.setHintergrund(pfad);
    picture1->raumGeaendert();
    if (!picture1->BildAufbau()) {
        // The room keeps the picture the canvas still shows.
        m.setHintergrund(vorher);
        meldeFehler(QStringLiteral("Die Datei %1 kann nicht als Bild geladen werden. Der Raum "
                                   "behält sein bisheriges Bild.")
                        .arg(zeigbar(pfad)));
        return;
    }
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
