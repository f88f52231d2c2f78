#include "KartenSeite.h"

#include "KantenItem.h"
#include "KartenAnsicht.h"
#include "KnotenItem.h"
#include "Vorschauen.h"

#include <QGraphicsScene>
#include <QLabel>

QSizeF KartenSeite::knotenGroesse()
{
    return {Vorschauen::Breite + 16, Vorschauen::Hoehe + 30};
}

KartenSeite::KartenSeite(Vorschauen& vorschauen, QWidget* parent)
    : QStackedWidget(parent), vorschauen(vorschauen)
{
    meldung = new QLabel(this);
    meldung->setObjectName(QStringLiteral("KartenMeldung"));
    meldung->setAlignment(Qt::AlignCenter);
    meldung->setWordWrap(true);
    meldung->setMargin(24);
    addWidget(meldung);
    szene = new QGraphicsScene(this);
    karte = new KartenAnsicht(this);
    karte->setScene(szene);
    addWidget(karte);
    connect(karte, &KartenAnsicht::aktiviert, this,
            [this](QGraphicsItem* k) { Q_EMIT aktiviert(static_cast<KnotenItem*>(k)->knoten()); });
    connect(&vorschauen, &Vorschauen::fertig, this, [this](const QString& datei) {
        if (KnotenItem* k = knotenItems.value(datei))
            k->update();
    });
}

KartenSeite::~KartenSeite() = default;

void KartenSeite::melden(const QString& text)
{
    meldung->setText(text);
    setCurrentWidget(meldung);
}

void KartenSeite::setzen(const Spielpruefung& spiel)
{
    raeume.clear();
    for (const std::shared_ptr<const SpielDatei>& d : spiel.dateien())
        if (d->raum)
            raeume.insert(d->datei, d);
    for (KnotenItem* k : std::as_const(knotenItems))
        k->setRaum(raeume.value(k->knoten().datei));
    stand = spiel;
    lauf.veralten();
    // Laid out when seen: dot takes its time on a large game.
    if (isVisible())
        anordnen();
}

bool KartenSeite::fertig() const
{
    return lauf.aktuell() && !gezeigt.isEmpty() && currentWidget() == karte;
}

void KartenSeite::offenerRaum(const QString& datei)
{
    if (KnotenItem* k = knotenItems.value(offen))
        k->setOffen(false);
    offen = datei;
    if (KnotenItem* k = knotenItems.value(offen))
        k->setOffen(true);
}

void KartenSeite::showEvent(QShowEvent* event)
{
    QStackedWidget::showEvent(event);
    // A map that could not be laid out is tried again: Graphviz may be installed by now.
    if (lauf.veraltet() || gescheitert)
        anordnen();
}

void KartenSeite::anordnen()
{
    gescheitert = false;
    // One graph at a time: a rename that writes a hundred files asks once more, not a hundred
    // times.
    if (!lauf.frei())
        return;
    if (gezeigt.isEmpty())
        melden(QStringLiteral("Graphviz ordnet die Karte an …"));
    lauf.starten<Auftrag>(
        [spiel = stand, bisher = gezeigt](const std::atomic<bool>& stop) {
            Auftrag auftrag;
            // On a thousand rooms the graph alone takes tens of milliseconds.
            const QVector<KartenRaum> r = spiel.raeume();
            const QVector<Verbindung> v = spiel.verbindungen();
            auftrag.dot = Karte::dot(r, v);
            auftrag.wieGezeigt = auftrag.dot == bisher;
            if (!auftrag.wieGezeigt && !stop) {
                auftrag.knoten = Karte::knoten(r, v);
                auftrag.kanten = Karte::kanten(v);
                auftrag.ergebnis = KartenLayout::anordnen(auftrag.dot, knotenGroesse(), &stop);
            }
            auftrag.abgebrochen = stop;
            return auftrag;
        },
        [this](const Auftrag& auftrag) { angekommen(auftrag); });
}

void KartenSeite::angekommen(const Auftrag& auftrag)
{
    if (auftrag.abgebrochen)
        return;
    if (auftrag.wieGezeigt) {
        setCurrentWidget(karte);
        return;
    }
    if (!auftrag.ergebnis.layout) {
        gescheitert = true;
        gezeigt.clear();
        melden(auftrag.ergebnis.fehler);
    } else {
        // Shown first, so that the view knows its size.
        setCurrentWidget(karte);
        aufbauen(auftrag);
        gezeigt = auftrag.dot;
    }
    Q_EMIT angeordnet();
}

void KartenSeite::aufbauen(const Auftrag& auftrag)
{
    const KartenLayout& layout = *auftrag.ergebnis.layout;
    const QPointF mitte = karte->mapToScene(karte->viewport()->rect().center());
    const QTransform zoom = karte->transform();
    szene->clear();
    knotenItems.clear();

    QHash<QString, int> nachName;
    for (int i = 0; i < auftrag.knoten.size(); ++i)
        nachName.insert(Karte::name(auftrag.knoten[i].datei), i);
    QVector<KnotenItem*> nachNummer(layout.knoten.size(), nullptr);
    for (int i = 0; i < layout.knoten.size(); ++i) {
        const int k = nachName.value(layout.knoten[i].name, -1);
        if (k < 0)
            continue;
        const KartenKnoten& knoten = auftrag.knoten[k];
        auto* item = new KnotenItem(knoten, layout.knoten[i].rahmen, vorschauen);
        item->setRaum(raeume.value(knoten.datei));
        item->setOffen(!offen.isEmpty() && knoten.datei == offen);
        szene->addItem(item);
        knotenItems.insert(knoten.datei, item);
        nachNummer[i] = item;
    }
    QHash<QPair<QString, QString>, QStringList> beschriftungen;
    for (const KartenKante& k : auftrag.kanten)
        beschriftungen.insert({k.von, k.nach}, k.ueber);
    for (const KartenLayout::Kante& k : layout.kanten) {
        const KnotenItem* von = nachNummer.value(k.von);
        const KnotenItem* nach = nachNummer.value(k.nach);
        if (!von || !nach)
            continue;
        const QString& a = von->knoten().datei;
        const QString& b = nach->knoten().datei;
        szene->addItem(new KantenItem(k, a, b, beschriftungen.value({a, b})));
    }
    szene->setSceneRect(QRectF(QPointF(-20, -20), layout.groesse + QSizeF(40, 40)));
    ersterKnoten = auftrag.knoten.isEmpty() ? QString() : auftrag.knoten.first().datei;
    if (!schonGezeigt) {
        schonGezeigt = true;
        ersterBlick();
    } else {
        // A map laid out anew after a save stays where the author looked.
        karte->setTransform(zoom);
        karte->centerOn(mitte);
    }
}

void KartenSeite::ersterBlick()
{
    const QRectF ganz = szene->sceneRect();
    const double passend = karte->ganzSichtbar();
    const double zoom = std::clamp(passend, 0.35, 1.0);
    karte->setTransform(QTransform::fromScale(zoom, zoom));
    if (KnotenItem* k = knotenItems.value(offen))
        karte->centerOn(k);
    else if (passend >= zoom || ersterKnoten.isEmpty())
        karte->centerOn(ganz.center());
    else if (KnotenItem* erster = knotenItems.value(ersterKnoten))
        karte->centerOn(erster);
}
