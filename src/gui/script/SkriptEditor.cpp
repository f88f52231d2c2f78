#include "SkriptEditor.h"

#include "BefehlsListe.h"
#include "PanelStapel.h"
#include "SkriptBefunde.h"
#include "SkriptTasten.h"
#include "SkriptVerlauf.h"
#include "SkriptZeilenModell.h"
#include "ZeilenListe.h"
#include "model/BildPfad.h"
#include "model/Module1.h"
#include "platform/Desktop.h"
#include "script/SkriptBearbeitung.h"
#include "script/SkriptText.h"
#include "umbenennen/Umbenennung.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>

using namespace Befehlstabelle;

namespace {

/// The window's own height; the line of findings lies below it.
constexpr int fensterHoehe = 340;

} // namespace

SkriptEditor::SkriptEditor(Module1& raum, Desktop& desktop, QWidget* parent)
    : QDialog(parent), m(raum), desktop(desktop), hauptfenster(parent)
{
    setObjectName(QStringLiteral("SkriptEditor"));
    setWindowTitle(QStringLiteral("SkriptEditor"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(508, fensterHoehe + SkriptBefunde::Hoehe);

    // Created in the tab order: List1, "Hoch", "Runter", List2, "Löschen", then the panels.
    modell = new SkriptZeilenModell(m.AktSkript, this);
    list1 = new ZeilenListe(modell, this);
    list1->setObjectName(QStringLiteral("List1"));
    list1->setGeometry(0, 0, 417, 290);
    list1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list1->setSelectionMode(QAbstractItemView::SingleSelection);
    list1->setIconSize(QSize(12, 12));
    connect(list1->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &SkriptEditor::zeileGewaehlt);

    const auto knopf = [this](const char* name, const QString& text, int oben) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(424, oben, 81, 17);
        b->setAutoDefault(false);
        return b;
    };
    connect(knopf("Command1", QStringLiteral("Hoch"), 216), &QPushButton::clicked, this,
            &SkriptEditor::hoch);
    connect(knopf("Command2", QStringLiteral("Runter"), 232), &QPushButton::clicked, this,
            &SkriptEditor::runter);

    list2 = new BefehlsListe([this] { einfuegen(); }, this);
    list2->setObjectName(QStringLiteral("List2"));
    list2->setGeometry(424, 0, 81, 212);
    list2->setSelectionMode(QAbstractItemView::SingleSelection);
    list2->setItemDelegate(new HoheZeilen(list2));
    // Long keywords are cut short, as the narrow list always showed them; the tooltip
    // gives them whole.
    list2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(list2, &QListWidget::itemDoubleClicked, this, &SkriptEditor::einfuegen);

    auto* loeschenKnopf = knopf("Command3", QStringLiteral("Löschen"), 248);
    connect(loeschenKnopf, &QPushButton::clicked, this, &SkriptEditor::loeschen);
    // The list comes after the buttons beside it, but was made before "Löschen".
    setTabOrder(list2, loeschenKnopf);

    panele = std::make_unique<PanelStapel>(m, desktop, *this, this);
    panele->getippt = [this](const QString& text) { boxGeaendert(text); };
    panele->vorDerWahl = [this] { verlauf->besuchBeenden(); };

    // Below the panels: what the selected line holds, or what the script holds.
    befundAnzeige = new SkriptBefunde(m, this, fensterHoehe);
    befundAnzeige->gewaehlt = [this] { return zeile(); };
    befundAnzeige->neuZeichnen = [this] { list1->viewport()->update(); };
    modell->befundeVon(&befundAnzeige->pruefer());

    verlauf = std::make_unique<SkriptVerlauf>(
        m.AktSkript,
        [this](bool aufbauen, qint32 ab, qint32 anzahl, int z) {
            schrittZeigen(aufbauen, ab, anzahl, z);
        },
        this);
    const auto taste = [this](const QList<QKeySequence>& tasten, const std::function<void()>& tun) {
        auto* a = new QAction(this);
        a->setShortcuts(tasten);
        connect(a, &QAction::triggered, this, tun);
        addAction(a);
    };
    taste({SkriptTasten::rueckgaengig()}, [this] { verlauf->rueckgaengig(); });
    taste(SkriptTasten::wiederholen(), [this] { verlauf->wiederholen(); });
    // The parameter boxes keep these for their own text.
    taste(QKeySequence::keyBindings(QKeySequence::Copy), [this] { kopieren(); });
    taste(QKeySequence::keyBindings(QKeySequence::Cut), [this] { ausschneiden(); });
    taste(QKeySequence::keyBindings(QKeySequence::Paste), [this] { zwischenablageEinfuegen(); });
    taste({SkriptTasten::folgen()}, [this] { mitZeile(gotoFolgen); });
    taste({SkriptTasten::verwendungen()}, [this] { mitZeile(verwendungenZeigen); });
    taste({SkriptTasten::umbenennen()}, [this] {
        const int i = zeile();
        if (i >= 0 && (m.AktSkript.Befehl[i] == Label || m.AktSkript.Befehl[i] == Jump))
            markeUmbenennen();
        else
            mitZeile(umbenennen);
    });
}

void SkriptEditor::mitZeile(const std::function<void(qint32, const QString&)>& tun)
{
    const int i = zeile();
    if (i >= 0 && tun)
        tun(m.AktSkript.Befehl[i], m.AktSkript.Parameter[i]);
}

void SkriptEditor::schliessenUndDann(std::function<void()> danach)
{
    ausstehend = std::move(danach);
    close();
}

void SkriptEditor::ausstehendesAusfuehren()
{
    const std::function<void()> tun = std::move(ausstehend);
    ausstehend = nullptr;
    if (tun)
        tun();
}

void SkriptEditor::markeUmbenennen()
{
    const int i = zeile();
    const QString alt = m.AktSkript.Parameter[i];
    TextRequest frage;
    frage.title = QStringLiteral("Marke umbenennen");
    frage.label = QStringLiteral("Neuer Name der Marke „%1“ und aller Sprünge zu ihr:").arg(alt);
    frage.text = alt;
    const QString neu = desktop.askText(this, frage);
    if (neu.isNull() || neu == alt)
        return;
    Umbenennung::MarkenPlan plan = Umbenennung::markeUmbenennen(m.AktSkript, alt, neu);
    if (!plan.fehler.isEmpty()) {
        desktop.warn(this, plan.fehler);
        return;
    }
    // One step of the history, the whole script, so that undo gives every line back.
    verlauf->besuchBeenden();
    Skript vorher = m.AktSkript;
    m.AktSkript = std::move(plan.skript);
    schritt(0, std::move(vorher), m.AktSkript.MaxZeile + 1, i, i);
}

SkriptEditor::~SkriptEditor() = default;

void SkriptEditor::zeigen(const SkriptPruefer::Herkunft& h, qint32 zeile)
{
    woher = h;
    ausstehend = nullptr;
    befundAnzeige->herkunftSetzen(h);
    // Some window managers put a dialog over its parent only, not over a modal window
    // that is not its parent.
    QWidget* ueber = QApplication::activeModalWidget();
    if (!ueber || ueber == this)
        ueber = hauptfenster;
    if (parentWidget() != ueber)
        setParent(ueber, windowFlags());
    laden();
    if (zeile >= 0 && zeile <= m.AktSkript.MaxZeile) {
        zeileWaehlen(zeile);
        list1->scrollTo(modell->index(zeile), QAbstractItemView::PositionAtCenter);
    }
    desktop.showModal(*this);
}

void SkriptEditor::laden()
{
    insertBusy = false;
    verlauf->leeren();
    list2->clear();
    for (int r = 0; r < Anzahl; ++r) {
        const qint32 code = ListRowCommand(r);
        auto* zeile = new QListWidgetItem(CommandKeyword(code), list2);
        zeile->setToolTip(Befehlstabelle::befehl(code).hilfe);
    }
    befundAnzeige->umfeldSetzen();
    aufbau();
    // A fresh window: empty boxes, no panel. Nothing is selected, so nothing is stored.
    panele->leeren();
}

void SkriptEditor::aufbau()
{
    modell->aufbau();
    // No current row either, or the list would take the first one when it gets the focus.
    list1->setCurrentIndex(QModelIndex());
    befundAnzeige->allesPruefen();
}

int SkriptEditor::zeile() const
{
    return gewaehlteZeile(*list1);
}

void SkriptEditor::zeileWaehlen(int i)
{
    list1->selectionModel()->setCurrentIndex(modell->index(i), QItemSelectionModel::ClearAndSelect);
}

void SkriptEditor::zeileGewaehlt()
{
    verlauf->besuchBeenden();
    befundAnzeige->zeigen();
    const int i = zeile();
    if (insertBusy || i < 0)
        return;
    panelZeigen(i);
}

void SkriptEditor::panelZeigen(int i)
{
    // Storing through the box trims the parameter, unless the box holds that text already.
    panele->zeigen(m.AktSkript.Befehl[i], ohneLeerzeichen(m.AktSkript.Parameter[i]));
}

void SkriptEditor::boxGeaendert(const QString& text)
{
    const int i = zeile();
    if (i < 0 || imVerlauf)
        return;
    const QString alt = m.AktSkript.Parameter[i];
    m.AktSkript.Parameter[i] = text;
    modell->zeileGeaendert(i);
    if (alt != text) {
        verlauf->getippt(i, alt, text);
        befundAnzeige->getippt(i, alt);
    }
}

void SkriptEditor::schrittZeigen(bool aufbauen, qint32 ab, qint32 anzahl, int i)
{
    imVerlauf = true;
    if (aufbauen) {
        aufbau();
    } else {
        for (qint32 z = ab; z < ab + anzahl; ++z)
            modell->zeileGeaendert(z);
        befundAnzeige->allesPruefen();
    }
    if (i >= 0) {
        zeileWaehlen(i);
        list1->scrollTo(modell->index(i));
        panelZeigen(i);
    } else {
        list1->clearSelection();
        panele->verbergen();
    }
    imVerlauf = false;
}

bool SkriptEditor::eventFilter(QObject* objekt, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        verlauf->besuchBeenden();
    } else if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        // The window's history, not the box's own, answers these keys.
        const QKeySequence taste(static_cast<QKeyEvent*>(event)->keyCombination());
        const bool zurueck = taste == SkriptTasten::rueckgaengig();
        if (zurueck || SkriptTasten::wiederholen().contains(taste)) {
            event->accept();
            if (event->type() == QEvent::KeyPress)
                zurueck ? verlauf->rueckgaengig() : verlauf->wiederholen();
            return true;
        }
    }
    return QDialog::eventFilter(objekt, event);
}

void SkriptEditor::einfuegen()
{
    const int r = gewaehlteZeile(*list2);
    if (r < 0)
        return;
    insertBusy = true;
    const qint32 code = ListRowCommand(r);
    const int vorher = zeile();
    const qint32 zeilenVorher = m.AktSkript.MaxZeile;
    const qint32 p = SkriptBearbeitung::einfuegen(m.AktSkript, vorher, code);
    aufbau();
    verlauf->aufzeichnen(p, Skript(), m.AktSkript.MaxZeile - zeilenVorher, vorher);
    if (code == If || code == IfItem) {
        // "EndIf" and "Else" go in first, each shown for a moment with its empty parameter.
        panele->box(EndIf)->clear();
        panele->box(Else)->clear();
    }
    insertBusy = false;
    zeileWaehlen(p);
    verlauf->abschliessen(zeile());
    if (Befehlstabelle::befehl(code).box)
        panele->box(code)->setFocus();
}

void SkriptEditor::hoch()
{
    const int s = zeile();
    Skript alt = SkriptBearbeitung::zeilen(m.AktSkript, s - 1, 2);
    if (!SkriptBearbeitung::hoch(m.AktSkript, s))
        return;
    schritt(s - 1, std::move(alt), 2, s, s - 1);
}

void SkriptEditor::runter()
{
    const int s = zeile();
    Skript alt = SkriptBearbeitung::zeilen(m.AktSkript, s, 2);
    if (!SkriptBearbeitung::runter(m.AktSkript, s))
        return;
    schritt(s, std::move(alt), 2, s, s + 1);
}

void SkriptEditor::loeschen()
{
    const int s = zeile();
    Skript alt = SkriptBearbeitung::zeilen(m.AktSkript, s, 1);
    if (!SkriptBearbeitung::loeschen(m.AktSkript, s))
        return;
    schritt(s, std::move(alt), 0, s, s);
}

void SkriptEditor::schritt(qint32 ab, Skript alt, qint32 anzahl, int vorher, int danach)
{
    aufbau();
    verlauf->aufzeichnen(ab, std::move(alt), anzahl, vorher);
    folgendeZeileWaehlen(danach);
    verlauf->abschliessen(zeile());
}

void SkriptEditor::folgendeZeileWaehlen(int s)
{
    const int zeilen = modell->rowCount();
    if (s > zeilen - 1)
        s = zeilen - 1;
    // With no line left the panel stays as it was; typing into it changes nothing.
    if (zeilen > 0)
        zeileWaehlen(s);
}

void SkriptEditor::kopieren()
{
    const int s = zeile();
    if (s < 0)
        return;
    const qint32 ende = SkriptBearbeitung::blockEnde(m.AktSkript, s);
    QGuiApplication::clipboard()->setMimeData(
        SkriptText::alsMimeDaten(SkriptBearbeitung::zeilen(m.AktSkript, s, ende - s + 1)));
}

void SkriptEditor::ausschneiden()
{
    const int s = zeile();
    if (s < 0)
        return;
    const qint32 anzahl = SkriptBearbeitung::blockEnde(m.AktSkript, s) - s + 1;
    Skript alt = SkriptBearbeitung::zeilen(m.AktSkript, s, anzahl);
    QGuiApplication::clipboard()->setMimeData(SkriptText::alsMimeDaten(alt));
    SkriptBearbeitung::ersetzen(m.AktSkript, s, anzahl, Skript());
    schritt(s, std::move(alt), 0, s, s);
}

void SkriptEditor::zwischenablageEinfuegen()
{
    const QMimeData* daten = QGuiApplication::clipboard()->mimeData();
    if (!daten)
        return;
    const SkriptText::Gelesen gelesen = SkriptText::ausMimeDaten(*daten);
    if (!gelesen.fehler.isEmpty()) {
        desktop.warn(this, gelesen.fehler);
        return;
    }
    const qint32 anzahl = gelesen.zeilen.MaxZeile + 1;
    if (anzahl == 0)
        return;
    const int vorher = zeile();
    SkriptBearbeitung::ersetzen(m.AktSkript, vorher + 1, 0, gelesen.zeilen);
    // The next paste goes below what this one brought.
    schritt(vorher + 1, Skript(), anzahl, vorher, vorher + anzahl);
}
