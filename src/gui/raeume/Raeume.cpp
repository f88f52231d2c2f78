#include "Raeume.h"

#include "KartenSeite.h"
#include "RaumBildDelegat.h"
#include "RaumBildModell.h"
#include "Vorschauen.h"
#include "model/Module1.h"
#include "platform/Fensterplatz.h"
#include "spiel/Pruefdienst.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QScreen>
#include <QShortcut>
#include <QShowEvent>
#include <QSortFilterProxyModel>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QString anzahl(int n, const QString& eins, const QString& mehr)
{
    return n == 1 ? QStringLiteral("1 ") + eins
                  : QLocale(QLocale::German).toString(n) + QLatin1Char(' ') + mehr;
}

} // namespace

Raeume::Raeume(Pruefdienst& dienst, const Module1& ordner, QWidget* parent)
    : QWidget(parent, Qt::Window), dienst(dienst), pfade(std::make_unique<Module1>())
{
    setObjectName(QStringLiteral("Raeume"));
    setWindowTitle(QStringLiteral("Räume"));
    pfade->setzeOrdner(ordner.AppPfad);
    bilder = new Vorschauen(*pfade, this);
    modell = new RaumBildModell(*bilder, this);
    filter = new QSortFilterProxyModel(this);
    filter->setSourceModel(modell);
    filter->setFilterCaseSensitivity(Qt::CaseInsensitive);

    auto* bilderSeite = new QWidget;
    filterFeld = new QLineEdit;
    filterFeld->setObjectName(QStringLiteral("Filter"));
    filterFeld->setPlaceholderText(QStringLiteral("Räume nach Namen filtern (Strg+F)"));
    filterFeld->setClearButtonEnabled(true);
    liste = new QListView;
    liste->setObjectName(QStringLiteral("Bilder"));
    liste->setViewMode(QListView::IconMode);
    liste->setMovement(QListView::Static);
    liste->setResizeMode(QListView::Adjust);
    liste->setWrapping(true);
    // One size for all: a thousand rooms are laid out without asking each.
    liste->setUniformItemSizes(true);
    liste->setGridSize(RaumBildDelegat::groesse());
    liste->setItemDelegate(new RaumBildDelegat(liste));
    liste->setSelectionMode(QAbstractItemView::SingleSelection);
    liste->setModel(filter);
    auto* bilderLayout = new QVBoxLayout(bilderSeite);
    bilderLayout->setContentsMargins(4, 4, 4, 4);
    bilderLayout->addWidget(filterFeld);
    bilderLayout->addWidget(liste);

    kartenSeite = new KartenSeite(*bilder);
    reiter = new QTabWidget;
    reiter->setObjectName(QStringLiteral("Reiter"));
    reiter->addTab(bilderSeite, QStringLiteral("Bilder"));
    reiter->addTab(kartenSeite, QStringLiteral("Karte"));
    zeile = new QLabel;
    zeile->setObjectName(QStringLiteral("Zeile"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 4);
    layout->addWidget(reiter);
    layout->addWidget(zeile);
    resize(820, 620);

    // Double click or Return.
    connect(liste, &QListView::activated, this, &Raeume::bildGewaehlt);
    connect(kartenSeite, &KartenSeite::aktiviert, this, &Raeume::knotenGewaehlt);
    connect(reiter, &QTabWidget::currentChanged, this, &Raeume::karteSetzen);
    connect(filterFeld, &QLineEdit::textChanged, this, [this](const QString& text) {
        filter->setFilterFixedString(text);
        zeileSetzen();
    });
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this, [this] {
        reiter->setCurrentIndex(0);
        filterFeld->setFocus();
        filterFeld->selectAll();
    });
    connect(&dienst, &Pruefdienst::geaendert, this, [this] {
        if (isVisible())
            auffrischen();
        else
            veraltet = true;
    });
}

Raeume::~Raeume() = default;

void Raeume::zeigen()
{
    nebenHauptfensterZeigen(*this, platziert);
}

void Raeume::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    if (veraltet)
        auffrischen();
    else
        bilder->pruefen(); // pictures may have changed while the window was closed
}

void Raeume::offenerRaum(const QString& pfad)
{
    offen = pfad.isEmpty() ? QString() : dienst.relativ(pfad);
    modell->offenerRaum(offen);
    kartenSeite->offenerRaum(offen);
}

void Raeume::auffrischen()
{
    veraltet = false;
    if (!dienst.bereit()) {
        zeile->setText(QStringLiteral("Das Spiel wird gelesen …"));
        kartenSeite->melden(QStringLiteral("Das Spiel wird gelesen …"));
        return;
    }
    bilder->pruefen();
    const QString gewaehlt = liste->currentIndex().data(RaumBildModell::DateiRolle).toString();
    modell->setzen(RaumEintrag::alle(dienst.spiel()));
    if (!liste->currentIndex().isValid() && modell->zeile(gewaehlt) >= 0)
        liste->setCurrentIndex(filter->mapFromSource(modell->index(modell->zeile(gewaehlt))));
    // The map's graph is made only for a map in sight: on a large game it takes milliseconds.
    karteVeraltet = true;
    karteSetzen();
    zeileSetzen();
}

void Raeume::karteSetzen()
{
    if (!karteVeraltet || !kartenSeite->isVisible() || !dienst.bereit())
        return;
    karteVeraltet = false;
    kartenSeite->setzen(dienst.spiel());
}

void Raeume::zeileSetzen()
{
    if (!dienst.bereit())
        return;
    int unlesbar = 0;
    int mitFehlern = 0;
    for (const RaumEintrag& e : modell->raeume()) {
        unlesbar += !e.lesbar();
        mitFehlern += e.fehler > 0;
    }
    const int alle = int(modell->raeume().size());
    QStringList teile;
    teile << (filter->rowCount() == alle
                  ? anzahl(alle, QStringLiteral("Raum"), QStringLiteral("Räume"))
                  : QStringLiteral("%1 von %2")
                        .arg(filter->rowCount())
                        .arg(anzahl(alle, QStringLiteral("Raum"), QStringLiteral("Räumen"))));
    if (unlesbar > 0)
        teile << QStringLiteral("%1 nicht lesbar").arg(unlesbar);
    if (mitFehlern > 0)
        teile << anzahl(mitFehlern, QStringLiteral("mit Fehlern in Skripten"),
                        QStringLiteral("mit Fehlern in Skripten"));
    zeile->setText(teile.join(QStringLiteral(", ")) +
                   QStringLiteral(". Doppelklick oder Eingabe öffnet einen Raum im Editor."));
}

void Raeume::bildGewaehlt(const QModelIndex& index)
{
    const QString datei = index.data(RaumBildModell::DateiRolle).toString();
    if (!datei.isEmpty() && oeffnen)
        oeffnen(pfade->pfad(datei));
}

void Raeume::knotenGewaehlt(const KartenKnoten& knoten)
{
    switch (knoten.art) {
    case KartenKnoten::Art::Raum:
    case KartenKnoten::Art::Unlesbar:
        if (oeffnen)
            oeffnen(pfade->pfad(knoten.datei));
        return;
    case KartenKnoten::Art::ItemSkript:
        zeile->setText(QStringLiteral("„%1“ ist das Skript eines Gegenstands; „Gegenstände“ im "
                                      "Editor bearbeitet es.")
                           .arg(knoten.beschriftung.value(0)));
        return;
    case KartenKnoten::Art::Fehlt:
        zeile->setText(QStringLiteral("Den Raum „%1“ gibt es nicht; ein „Goto“ führt dorthin.")
                           .arg(knoten.beschriftung.value(0)));
        return;
    }
}
