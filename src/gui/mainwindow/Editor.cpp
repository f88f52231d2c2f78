#include "Editor.h"

#include "BildLaden.h"
#include "EditorMenue.h"
#include "Fehlermarken.h"
#include "FehlerzeichenDelegat.h"
#include "Hauptmenue.h"
#include "HotSpotPanel.h"
#include "Nachladen.h"
#include "RaumBefehle.h"
#include "Statuszeile.h"
#include "canvas/Picture1.h"
#include "model/Module1.h"
#include "platform/Desktop.h"
#include "platform/StorableTextValidator.h"
#include "regeln/RaumFehler.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QLayout>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>

using RaumBearbeitung::Stelle;

Editor::Editor(Module1& raum, Desktop& desktop, QWidget* parent)
    : QMainWindow(parent), m(raum), desktop(desktop)
{
    setObjectName(QStringLiteral("Editor"));
    // Made first, so that it goes first: its steps must not tell a menu that is gone.
    raumVerlauf = new RaumVerlauf(m, this);
    // The controls keep their places in the 748 × 484 client area; the menu bar is above it
    // and the window is as large as both, no larger.
    flaeche = new QWidget(this);
    flaeche->setObjectName(QStringLiteral("Flaeche"));
    flaeche->setFixedSize(748, 484);
    flaeche->installEventFilter(this);
    setCentralWidget(flaeche);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    raumVerlauf->auswahl = [this] { return auswahl(); };
    connect(raumVerlauf, &RaumVerlauf::angewendet, this, &Editor::angewendet);
    picture1 = new Picture1(
        m, [this] { return auswahl(); }, flaeche);
    picture1->move(0, 0);
    connect(picture1, &Picture1::strichFertig, raumVerlauf, &RaumVerlauf::zellen);
    raumVerlauf->vorher = [this] { picture1->strichAbschliessen(); };
    raumBefehle = std::make_unique<RaumBefehle>(m, desktop, *raumVerlauf, this);
    bildLaden = std::make_unique<BildLaden>(m, desktop, *raumVerlauf, *picture1, *this);
    bildLaden->bildAufbau = [this] { bildAufbau(); };
    raumBefehle->raumZeigen = [this](bool liste, bool bild) {
        if (liste) {
            // Made anew, so that no row stays selected, however many hotspots there are.
            list1->clear();
            listeFuellen();
            frame1->hide();
        }
        if (bild)
            bildAufbau();
        picture1->raumGeaendert();
        fehler = RaumFehler::zaehlen(m);
        fehlerZeigen();
    };
    // The overview of all hotspots has no button; its key is named where it shows.
    picture1->setToolTip(QStringLiteral("Strg+H: alle HotSpots zeigen oder verbergen"));
    // Below the area, so that every control keeps its place.
    zeile = new Statuszeile(this);
    setStatusBar(zeile);
    connect(raumBefehle.get(), &RaumBefehle::offeneDateiGeaendert, zeile, &Statuszeile::leeren);
    nachlader = new Nachladen(*raumBefehle, *raumVerlauf, desktop, *zeile, this);
    nachlader->auswahlName = [this] {
        return auswahl() >= 0 ? m.HotSpots[auswahl()].Name : QString();
    };
    nachlader->auswahlSetzen = [this](const QString& name) {
        if (const int i = int(m.hotSpotNamen().indexOf(name)); i >= 0)
            auswaehlen(i);
    };

    list1 = new QListWidget(flaeche);
    list1->setObjectName(QStringLiteral("List1"));
    list1->setGeometry(640, 0, 105, 173);
    list1->setIconSize(QSize(12, 12));
    list1->setItemDelegate(new FehlerzeichenDelegat(list1));
    connect(list1, &QListWidget::currentRowChanged, this, &Editor::hotSpotGewaehlt);

    frame1 = new HotSpotPanel(flaeche);
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
            &QPushButton::clicked, this, [this] { bildLaden->ausfuehren(); });
    connect(knopf(QStringLiteral("Command6"), QStringLiteral("Neu"), {640, 408, 105, 17}),
            &QPushButton::clicked, raumBefehle.get(), &RaumBefehle::neu);
    connect(knopf(QStringLiteral("Command4"), QStringLiteral("Laden"), {640, 424, 105, 17}),
            &QPushButton::clicked, raumBefehle.get(), &RaumBefehle::laden);
    connect(knopf(QStringLiteral("Command5"), QStringLiteral("Speichern"), {640, 440, 105, 17}),
            &QPushButton::clicked, raumBefehle.get(), &RaumBefehle::speichernUnter);
    connect(knopf(QStringLiteral("Command11"), QStringLiteral("Explorer"), {640, 464, 57, 17}),
            &QPushButton::clicked, raumBefehle.get(), &RaumBefehle::explorer);
    connect(knopf(QStringLiteral("Command12"), QStringLiteral("Testen"), {696, 464, 49, 17}),
            &QPushButton::clicked, raumBefehle.get(), &RaumBefehle::testen);
    auto* entf = new QShortcut(QKeySequence::Delete, list1, nullptr, nullptr, Qt::WidgetShortcut);
    connect(entf, &QShortcut::activated, findChild<QPushButton*>(QStringLiteral("Command10")),
            &QPushButton::click);
    menueLeiste = new EditorMenue(*this, m, desktop, *picture1);
    marken =
        std::make_unique<Fehlermarken>(*list1, *findChild<QPushButton*>(QStringLiteral("Command2")),
                                       *findChild<QPushButton*>(QStringLiteral("Command13")));

    m.leererRaum();
    raumVerlauf->neuBeginnen();
}

Editor::~Editor()
{
    // The history goes with the children, after this window's members: it must not tell
    // them any more.
    QObject::disconnect(raumVerlauf, nullptr, this, nullptr);
    QObject::disconnect(&raumVerlauf->stack(), nullptr, &menueLeiste->leiste(), nullptr);
}

void Editor::zuletztIn(const QString& datei)
{
    menueLeiste->zuletztIn(datei);
}

void Editor::bildVorgeben(Picture2::Dekodiert bild)
{
    picture1->bildVorgeben(std::move(bild));
}

Hauptmenue& Editor::menue()
{
    return menueLeiste->leiste();
}

QPushButton* Editor::knopf(const QString& name, const QString& text, const QRect& geometry)
{
    auto* b = new QPushButton(text, flaeche);
    b->setObjectName(name);
    b->setGeometry(geometry);
    return b;
}

int Editor::auswahl() const
{
    return list1->currentRow();
}

bool Editor::eventFilter(QObject* watched, QEvent* event)
{
    // The checker opens on the free background only. A click on a control that ignores it,
    // such as the hotspot panel's empty area, is passed on to here as well.
    if (watched == flaeche && event->type() == QEvent::MouseButtonDblClick) {
        const auto* maus = static_cast<QMouseEvent*>(event);
        if (maus->button() == Qt::LeftButton && !flaeche->childAt(maus->position().toPoint()) &&
            toolZeigen)
            toolZeigen();
    }
    return QMainWindow::eventFilter(watched, event);
}

void Editor::closeEvent(QCloseEvent* event)
{
    if (!raumBefehle->aenderungenSichern()) {
        event->ignore();
        return;
    }
    raumBefehle->geschlossen();
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

void Editor::fehlerZeigen()
{
    marken->zeigen(fehler, nie);
}

void Editor::nieZeigen(RaumNie neu)
{
    nie = std::move(neu);
    fehlerZeigen();
}

void Editor::angewendet(const RaumVerlauf::Meldung& meldung)
{
    listeNachfuehren(meldung);
    // What the author just did changes the faults of one script, or of the scripts that name
    // hotspots; anything else is counted whole.
    using Art = RaumVerlauf::Meldung::Art;
    using Ort = Stelle::Art;
    const Ort ort = meldung.stelle.art;
    if (meldung.art == Art::Zellen)
        return;
    if (meldung.durchAutor && meldung.art == Art::Wert) {
        if (ort == Ort::Skript || ort == Ort::StartSkript || ort == Ort::TimerSkript)
            fehler.skriptGeaendert(m, meldung.stelle);
        else if (ort == Ort::Name)
            fehler.namenGeaendert(m);
        else
            return;
    } else {
        fehler = RaumFehler::zaehlen(m);
    }
    fehlerZeigen();
}

void Editor::listeNachfuehren(const RaumVerlauf::Meldung& meldung)
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

void Editor::skriptBearbeiten(const Stelle& stelle, qint32 zeile)
{
    m.AktSkript = std::get<Skript>(RaumBearbeitung::lesen(m, stelle));
    using Ort = RoomFile::SkriptOrt;
    const Ort ort = stelle.art == Stelle::Art::StartSkript ? Ort{Ort::Art::Start}
                    : stelle.art == Stelle::Art::TimerSkript
                        ? Ort{Ort::Art::Timer}
                        : Ort{Ort::Art::HotSpot, stelle.hotSpot, stelle.aktion};
    if (skriptEditorZeigen)
        skriptEditorZeigen({true, ort, QString()}, zeile);
    // The hotspot selected when the script editor closes receives the script.
    Stelle ziel = stelle;
    if (ziel.art == Stelle::Art::Skript)
        ziel.hotSpot = auswahl();
    raumVerlauf->wert(ziel, m.AktSkript);
    if (nachDemSkript)
        nachDemSkript();
}

void Editor::stelleOeffnen(const SkriptStelle& stelle)
{
    const QString pfad = m.pfad(stelle.datei);
    if (!QDir::fromNativeSeparators(stelle.datei).startsWith(QStringLiteral("rooms/"))) {
        if (itemSkriptOeffnen)
            itemSkriptOeffnen(pfad, stelle.zeile);
        return;
    }
    // The open room is shown as it is, changes and all; another is loaded.
    if (!raumBefehle->istGeoeffnet(pfad) && !raumBefehle->oeffnen(pfad))
        return;
    using Ort = RoomFile::SkriptOrt;
    // No line: the room's picture, or a hotspot's name.
    if (stelle.zeile < 0) {
        if (stelle.ort.art == Ort::Art::HotSpot && stelle.ort.hotSpot <= m.HotSpotMax)
            auswaehlen(stelle.ort.hotSpot);
        return;
    }
    switch (stelle.ort.art) {
    case Ort::Art::Start:
        skriptBearbeiten({Stelle::Art::StartSkript}, stelle.zeile);
        break;
    case Ort::Art::Timer:
        skriptBearbeiten({Stelle::Art::TimerSkript}, stelle.zeile);
        break;
    case Ort::Art::HotSpot:
        // The file may have lost the hotspot since it was read.
        if (stelle.ort.hotSpot > m.HotSpotMax)
            return;
        auswaehlen(stelle.ort.hotSpot);
        skriptBearbeiten({Stelle::Art::Skript, stelle.ort.hotSpot, stelle.ort.aktion},
                         stelle.zeile);
        break;
    }
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
