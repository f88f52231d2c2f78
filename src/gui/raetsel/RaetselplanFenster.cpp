// "Rätselplan": the puzzle dependency chart of the game, beside the editor.
#include "RaetselplanFenster.h"

#include "PlanKnotenItem.h"
#include "model/DateiName.h"
#include "platform/Desktop.h"
#include "platform/Fensterplatz.h"
#include "raetsel/Raetseldienst.h"
#include "raeume/KantenItem.h"
#include "raeume/KartenAnsicht.h"
#include "spiel/Pruefdienst.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGraphicsScene>
#include <QHBoxLayout>
#include <QLabel>
#include <QShowEvent>
#include <QStackedWidget>
#include <QVBoxLayout>

RaetselplanFenster::RaetselplanFenster(Pruefdienst& dienst, Desktop& desktop, QWidget* parent)
    : QWidget(parent, Qt::Window), dienst(dienst), desktop(desktop)
{
    // Nothing drawn yet.
    lauf.veralten();
    setObjectName(QStringLiteral("Raetselplan"));
    setWindowTitle(QStringLiteral("Rätselplan"));
    zeile = new QLabel;
    zeile->setObjectName(QStringLiteral("Zeile"));
    zeile->setWordWrap(true);
    nurWeg = new QCheckBox(QStringLiteral("Nur der &Weg zum Ziel"));
    nurWeg->setObjectName(QStringLiteral("NurWeg"));
    startWahl = new QComboBox;
    startWahl->setObjectName(QStringLiteral("Startraum"));
    startWahl->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto* startText = new QLabel(QStringLiteral("S&tartraum:"));
    startText->setBuddy(startWahl);
    meldung = new QLabel;
    meldung->setObjectName(QStringLiteral("PlanMeldung"));
    meldung->setAlignment(Qt::AlignCenter);
    meldung->setWordWrap(true);
    meldung->setMargin(24);
    szene = new QGraphicsScene(this);
    bild = new KartenAnsicht;
    bild->setObjectName(QStringLiteral("Plan"));
    bild->setKnotenTyp(PlanKnotenItem::Type);
    bild->setScene(szene);
    seiten = new QStackedWidget;
    seiten->addWidget(meldung);
    seiten->addWidget(bild);
    auto* oben = new QHBoxLayout;
    oben->addWidget(zeile, 1);
    oben->addSpacing(12);
    oben->addWidget(startText);
    oben->addWidget(startWahl);
    oben->addSpacing(12);
    oben->addWidget(nurWeg);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(oben);
    layout->addWidget(seiten, 1);
    resize(1000, 560);

    connect(bild, &KartenAnsicht::aktiviert, this, &RaetselplanFenster::schrittAktiviert);
    connect(nurWeg, &QCheckBox::toggled, this, [this] {
        // Another chart: seen whole again.
        schonGezeigt = false;
        anordnen();
    });
    connect(startWahl, &QComboBox::activated, this, &RaetselplanFenster::startGewaehlt);
    // The game changed: the analysis of it comes a moment later, and brings the chart.
    connect(&dienst, &Pruefdienst::geaendert, this, [this] { lauf.veralten(); });
    connect(&Raetseldienst::von(dienst), &Raetseldienst::geaendert, this, [this] {
        startraeumeFuellen();
        lauf.veralten();
        if (isVisible())
            anordnen();
    });
    startraeumeFuellen();
}

RaetselplanFenster::~RaetselplanFenster() = default;

void RaetselplanFenster::zeigen()
{
    nebenHauptfensterZeigen(*this, platziert);
}

bool RaetselplanFenster::fertig() const
{
    return lauf.aktuell() && seiten->currentWidget() == bild;
}

void RaetselplanFenster::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous() && (lauf.veraltet() || gezeigt.isEmpty()))
        anordnen();
}

void RaetselplanFenster::melden(const QString& text)
{
    meldung->setText(text);
    seiten->setCurrentWidget(meldung);
}

void RaetselplanFenster::anordnen()
{
    // One chart at a time: what changed meanwhile is laid out once this one is back.
    if (!lauf.frei())
        return;
    if (!dienst.bereit()) {
        melden(QStringLiteral("Das Spiel wird gelesen …"));
        return;
    }
    // The chart is drawn from the analysis "Spiel prüfen" lists, never from one of its own.
    const Raetseldienst& raetsel = Raetseldienst::von(dienst);
    if (!raetsel.aktuell()) {
        if (gezeigt.isEmpty())
            melden(QStringLiteral("Das Spiel wird geprüft …"));
        return;
    }
    if (gezeigt.isEmpty())
        melden(QStringLiteral("Graphviz ordnet den Rätselplan an …"));
    QString planFehler;
    if (!raetsel.planFehler().isEmpty())
        planFehler =
            Raetselplan::dateiName() +
            (raetsel.planZeile() > 0 ? QStringLiteral(", Zeile %1").arg(raetsel.planZeile())
                                     : QString()) +
            QStringLiteral(": ") + raetsel.planFehler();
    lauf.starten<Auftrag>(
        [spiel = raetsel.ergebnisSpiel(), ablauf = raetsel.ergebnis(), plan = raetsel.plan(),
         planFehler, weg = nurWeg->isChecked(), bisher = gezeigt](const std::atomic<bool>& stop) {
            Auftrag auftrag;
            auftrag.planFehler = planFehler;
            auftrag.ziele = ablauf->ziele;
            auftrag.start = ablauf->startRaeume;
            auftrag.karte = RaetselKarte::bauen(*spiel, *ablauf, plan);
            auftrag.dot = auftrag.karte.dot(weg);
            if (auftrag.dot != bisher && !stop)
                auftrag.ergebnis = KartenLayout::anordnen(auftrag.dot, QSizeF(), &stop);
            auftrag.abgebrochen = stop;
            return auftrag;
        },
        [this](const Auftrag& auftrag) { angekommen(auftrag); });
}

void RaetselplanFenster::angekommen(const Auftrag& auftrag)
{
    if (auftrag.abgebrochen)
        return;
    zeileSetzen(auftrag);
    if (auftrag.dot == gezeigt) {
        gezeigteKarte = auftrag.karte;
        seiten->setCurrentWidget(bild);
    } else if (!auftrag.ergebnis.layout) {
        gezeigt.clear();
        melden(auftrag.ergebnis.fehler);
    } else {
        seiten->setCurrentWidget(bild);
        aufbauen(auftrag);
        gezeigt = auftrag.dot;
    }
    Q_EMIT angeordnet();
}

void RaetselplanFenster::zeileSetzen(const Auftrag& auftrag)
{
    QStringList start;
    for (const QString& s : auftrag.start)
        start << DateiName(s);
    QStringList teile{QStringLiteral("Start: ") + start.join(QStringLiteral(", "))};
    bool fehlt = false;
    for (const ZielStand& z : auftrag.ziele) {
        if (z.erreichbar) {
            teile << QStringLiteral("Ziel „%1“ wird erreicht").arg(z.ziel.text());
        } else {
            teile << z.text();
            fehlt = true;
        }
    }
    if (auftrag.ziele.isEmpty())
        teile << QStringLiteral("kein Ziel in %1").arg(Raetselplan::dateiName());
    if (!auftrag.planFehler.isEmpty())
        teile << auftrag.planFehler + QStringLiteral("; die Datei wird nicht beachtet");
    zeile->setText(teile.join(QStringLiteral(" · ")));
    zeile->setStyleSheet(fehlt ? QStringLiteral("color: #b03020") : QString());
    nurWeg->setEnabled(!auftrag.ziele.isEmpty());
}

void RaetselplanFenster::aufbauen(const Auftrag& auftrag)
{
    const KartenLayout& layout = *auftrag.ergebnis.layout;
    const QPointF mitte = bild->mapToScene(bild->viewport()->rect().center());
    const QTransform zoom = bild->transform();
    szene->clear();
    schrittItems.clear();
    gezeigteKarte = auftrag.karte;
    const RaetselKarte& k = gezeigteKarte;

    QVector<QGraphicsItem*> nachNummer(layout.knoten.size(), nullptr);
    for (int i = 0; i < layout.knoten.size(); ++i) {
        const KartenLayout::Knoten& knoten = layout.knoten[i];
        PlanKnotenItem* item = nullptr;
        if (const int s = k.schrittZu(knoten.name); s >= 0) {
            item = new PlanKnotenItem(k, s, knoten.rahmen);
            schrittItems.insert(s, item);
        } else if (const int d = k.dingZu(knoten.name); d >= 0) {
            item = new PlanKnotenItem(k, k.dinge[d], knoten.rahmen);
        }
        if (item) {
            szene->addItem(item);
            nachNummer[i] = item;
        }
    }
    QHash<QPair<QString, QString>, const PlanKante*> kanten;
    for (const PlanKante& kante : k.kanten)
        kanten.insert({kante.von, kante.nach}, &kante);
    for (const KartenLayout::Kante& kante : layout.kanten) {
        if (!nachNummer.value(kante.von) || !nachNummer.value(kante.nach))
            continue;
        const QString& von = layout.knoten[kante.von].name;
        const QString& nach = layout.knoten[kante.nach].name;
        auto* item = new KantenItem(kante, von, nach, {});
        if (const PlanKante* p = kanten.value({von, nach})) {
            if (p->nie) {
                item->setStift(QPen(QColor(0xb0, 0x30, 0x20), 1, Qt::DashLine));
                item->setToolTip(QStringLiteral("Kann im Spiel nie geschehen: ") + p->grund);
            } else if (p->zumZiel) {
                item->setStift(QPen(QColor(0x5a, 0x46, 0x32), 2.5));
            }
        }
        szene->addItem(item);
    }
    szene->setSceneRect(QRectF(QPointF(-20, -20), layout.groesse + QSizeF(40, 40)));
    if (!schonGezeigt) {
        schonGezeigt = true;
        const double passend = std::clamp(bild->ganzSichtbar(), 0.35, 1.0);
        bild->setTransform(QTransform::fromScale(passend, passend));
        bild->centerOn(szene->sceneRect().center());
    } else {
        // Laid out anew after a save, the chart stays where the author looked.
        bild->setTransform(zoom);
        bild->centerOn(mitte);
    }
}

void RaetselplanFenster::schrittAktiviert(QGraphicsItem* item)
{
    const int i = static_cast<PlanKnotenItem*>(item)->schritt();
    if (i < 0 || i >= gezeigteKarte.schritte.size() || !stelleOeffnen)
        return;
    const PlanSchritt& p = gezeigteKarte.schritte[i];
    SkriptStelle stelle;
    stelle.datei = p.datei;
    stelle.skript = p.aktion;
    stelle.ort = p.ort;
    stelle.zeile = p.zeile;
    stelleOeffnen(stelle);
}

void RaetselplanFenster::startraeumeFuellen()
{
    const Raetseldienst& raetsel = Raetseldienst::von(dienst);
    QStringList raeume;
    if (const auto spiel = raetsel.ergebnisSpiel()) {
        for (const std::shared_ptr<const SpielDatei>& d : spiel->dateien())
            if (d->raum)
                raeume << DateiName(d->datei);
    }
    // The plan names its start room as "Goto" names rooms: letter case and spaces aside.
    const QStringList& start = raetsel.plan().start;
    int gewaehlt = start.isEmpty() ? 0 : -1;
    for (int i = 0; i < raeume.size() && start.size() == 1; ++i)
        if (raeume[i].compare(DateiName(start.first().trimmed()), Qt::CaseInsensitive) == 0)
            gewaehlt = i + 1;
    QStringList texte{QStringLiteral("Automatisch (Räume, in die nichts führt)")};
    texte << raeume;
    // Several start rooms, or one the game lacks, are shown as the file has them; choosing
    // another replaces them.
    if (gewaehlt < 0) {
        texte << start.join(QStringLiteral(", "));
        gewaehlt = int(texte.size()) - 1;
    }
    QStringList bisher;
    for (int i = 0; i < startWahl->count(); ++i)
        bisher << startWahl->itemText(i);
    if (bisher != texte) {
        const QSignalBlocker still(startWahl);
        startWahl->clear();
        startWahl->addItem(texte.first(), QString());
        for (const QString& r : std::as_const(raeume))
            startWahl->addItem(r, r);
        if (texte.size() > raeume.size() + 1)
            startWahl->addItem(texte.last());
    }
    startWahl->setCurrentIndex(gewaehlt);
    const QString& fehler = raetsel.planFehler();
    startWahl->setEnabled(raetsel.ergebnis() && fehler.isEmpty());
    startWahl->setToolTip(
        fehler.isEmpty()
            ? QStringLiteral("Der Raum, in dem das Spiel beginnt; steht in %1")
                  .arg(Raetselplan::dateiName())
            : Raetselplan::dateiName() +
                  (raetsel.planZeile() > 0 ? QStringLiteral(", Zeile %1").arg(raetsel.planZeile())
                                           : QString()) +
                  QStringLiteral(": ") + fehler +
                  QStringLiteral(". Erst wenn die Datei berichtigt ist, lässt sich der Startraum "
                                 "hier wählen."));
}

void RaetselplanFenster::startGewaehlt(int index)
{
    const QVariant raum = startWahl->itemData(index);
    if (!raum.isValid())
        return;
    const QString fehler = Raetselplan::startSetzen(dienst.ordner().AppPfad, raum.toString());
    if (!fehler.isEmpty()) {
        startraeumeFuellen();
        desktop.warn(this, QStringLiteral("Der Startraum wurde nicht gespeichert: ") + fehler);
        return;
    }
    Raetseldienst::von(dienst).neuRechnen();
}
