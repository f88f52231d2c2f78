#include "Konflikte.h"

#include "WahlSchritt.h"
#include "git/GitKonflikte.h"
#include "mainwindow/RaumVerlauf.h"
#include "platform/Desktop.h"
#include "platform/Fensterplatz.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

using Wahl = Konfliktloesung::Wahl;

QString wahlText(Wahl w)
{
    switch (w) {
    case Wahl::Offen:
        return QStringLiteral("offen");
    case Wahl::Unsere:
        return QStringLiteral("unsere");
    case Wahl::Deren:
        return QStringLiteral("deren");
    case Wahl::Beide:
        return QStringLiteral("beide");
    }
    return {};
}

QString fassungText(const QStringList& zeilen, const Konflikt& k)
{
    if (zeilen.isEmpty())
        return k.art == Konflikt::Art::Zeilen ? QStringLiteral("(keine Zeilen)") : QString();
    return zeilen.join(QLatin1Char('\n'));
}

} // namespace

Konflikte::Konflikte(Module1& raum, RaumVerlauf& verlauf, Desktop& desktop, QWidget* parent)
    : QDialog(parent), m(raum), verlauf(verlauf), desktop(desktop),
      stand(std::make_unique<Konfliktloesung>())
{
    setObjectName(QStringLiteral("Konflikte"));
    setWindowTitle(QStringLiteral("Konflikte"));
    resize(720, 460);

    zusammenfassung = new QLabel(this);
    liste = new QTreeWidget(this);
    liste->setObjectName(QStringLiteral("liste"));
    liste->setHeaderLabels({QStringLiteral("Konflikt"), QStringLiteral("Gewählt")});
    liste->setRootIsDecorated(false);
    liste->header()->setStretchLastSection(false);
    liste->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    liste->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);

    const QFont fest = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const auto seite = [&](const QString& titel, const QString& name) {
        auto* text = new QPlainTextEdit(this);
        text->setObjectName(name);
        text->setReadOnly(true);
        text->setLineWrapMode(QPlainTextEdit::NoWrap);
        text->setFont(fest);
        return std::pair{new QLabel(titel, this), text};
    };
    const auto [unsereTitel, unsereText] =
        seite(QStringLiteral("Unsere"), QStringLiteral("unsere"));
    const auto [derenTitel, derenText] = seite(QStringLiteral("Deren"), QStringLiteral("deren"));
    unsere = unsereText;
    deren = derenText;

    unsereKnopf = new QPushButton(QStringLiteral("&Unsere"), this);
    derenKnopf = new QPushButton(QStringLiteral("&Deren"), this);
    beideKnopf = new QPushButton(QStringLiteral("&Beide"), this);
    geloestKnopf = new QPushButton(QStringLiteral("Als &gelöst markieren"), this);
    unsereKnopf->setObjectName(QStringLiteral("unsere"));
    derenKnopf->setObjectName(QStringLiteral("deren"));
    beideKnopf->setObjectName(QStringLiteral("beide"));
    geloestKnopf->setObjectName(QStringLiteral("geloest"));
    for (QPushButton* k : {unsereKnopf, derenKnopf, beideKnopf, geloestKnopf})
        k->setAutoDefault(false);

    auto* seiten = new QGridLayout;
    seiten->addWidget(unsereTitel, 0, 0);
    seiten->addWidget(derenTitel, 0, 1);
    seiten->addWidget(unsere, 1, 0);
    seiten->addWidget(deren, 1, 1);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(unsereKnopf);
    knoepfe->addWidget(derenKnopf);
    knoepfe->addWidget(beideKnopf);
    knoepfe->addStretch();
    knoepfe->addWidget(geloestKnopf);
    auto* aussen = new QVBoxLayout(this);
    aussen->addWidget(zusammenfassung);
    aussen->addWidget(liste, 2);
    aussen->addLayout(seiten, 3);
    aussen->addLayout(knoepfe);

    connect(liste, &QTreeWidget::currentItemChanged, this, [this] { auswahlZeigen(); });
    connect(unsereKnopf, &QPushButton::clicked, this, [this] { waehlen(Wahl::Unsere); });
    connect(derenKnopf, &QPushButton::clicked, this, [this] { waehlen(Wahl::Deren); });
    connect(beideKnopf, &QPushButton::clicked, this, [this] { waehlen(Wahl::Beide); });
    connect(geloestKnopf, &QPushButton::clicked, this, [this] { alsGeloestMarkieren(); });
    // The room's history, as in the main window: a choice taken back here too.
    auto* zurueck = new QShortcut(QKeySequence::Undo, this);
    connect(zurueck, &QShortcut::activated, this, [this] { this->verlauf.rueckgaengig(); });
    QList<QKeySequence> wieder = QKeySequence::keyBindings(QKeySequence::Redo);
    if (!wieder.contains(QKeySequence(Qt::CTRL | Qt::Key_Y)))
        wieder << QKeySequence(Qt::CTRL | Qt::Key_Y);
    auto* vor = new QShortcut(this);
    vor->setKeys(wieder);
    connect(vor, &QShortcut::activated, this, [this] { this->verlauf.wiederholen(); });
    vergessen();
}

Konflikte::~Konflikte() = default;

void Konflikte::zeigen(const QString& spielordner, const QString& datei,
                       QVector<Konflikt> konflikte, bool zusammengefuehrt)
{
    ordner = spielordner;
    raumDatei = datei;
    nichtGespeichert = zusammengefuehrt;
    stand = std::make_unique<Konfliktloesung>(std::move(konflikte));
    setWindowTitle(QStringLiteral("Konflikte - ") + QFileInfo(datei).fileName());
    liste->clear();
    for (const Konflikt& k : stand->konflikte()) {
        auto* zeile = new QTreeWidgetItem(liste, {k.beschreibung(), wahlText(Wahl::Offen)});
        zeile->setToolTip(0, k.beschreibung());
    }
    if (liste->topLevelItemCount() > 0)
        liste->setCurrentItem(liste->topLevelItem(0));
    zaehlen();
    auswahlZeigen();
    nebenHauptfensterZeigen(*this, platziert);
}

void Konflikte::vergessen()
{
    raumDatei.clear();
    nichtGespeichert = false;
    stand = std::make_unique<Konfliktloesung>();
    liste->clear();
    unsere->clear();
    deren->clear();
    setWindowTitle(QStringLiteral("Konflikte"));
    zaehlen();
    auswahlZeigen();
}

void Konflikte::schliessen()
{
    vergessen();
    hide();
}

int Konflikte::aktuell() const
{
    return liste->currentItem() ? liste->indexOfTopLevelItem(liste->currentItem()) : -1;
}

void Konflikte::zaehlen()
{
    const int n = int(stand->konflikte().size());
    const int offen = stand->offene();
    if (raumDatei.isEmpty())
        zusammenfassung->setText(QStringLiteral("Kein Raum mit Konflikten ist geöffnet."));
    else if (n == 0 && nichtGespeichert)
        zusammenfassung->setText(
            QStringLiteral("%1 lässt sich ohne Konflikt zusammenführen; die Datei hält aber noch, "
                           "was git dort ließ. „Als gelöst markieren“ speichert den Raum und "
                           "meldet ihn git als gelöst.")
                .arg(QFileInfo(raumDatei).fileName()));
    else if (n == 0)
        zusammenfassung->setText(
            QStringLiteral("%1 ist gespeichert, wie es gelöst wurde, git hält es aber noch für "
                           "einen Konflikt. „Als gelöst markieren“ meldet es git als gelöst.")
                .arg(QFileInfo(raumDatei).fileName()));
    else if (offen == 0)
        zusammenfassung->setText(
            QStringLiteral("%1: %2 entschieden. „Als gelöst markieren“ speichert den Raum und "
                           "meldet ihn git als gelöst.")
                .arg(QFileInfo(raumDatei).fileName(), n == 1
                                                          ? QStringLiteral("Der Konflikt ist")
                                                          : QStringLiteral("Alle Konflikte sind")));
    else
        zusammenfassung->setText(
            QStringLiteral("%1: %2 %3, %4 offen. Im Raum steht jeweils "
                           "unsere Fassung, bis Sie wählen.")
                .arg(QFileInfo(raumDatei).fileName())
                .arg(n)
                .arg(n == 1 ? QStringLiteral("Konflikt") : QStringLiteral("Konflikte"))
                .arg(offen));
    geloestKnopf->setEnabled(!raumDatei.isEmpty() && offen == 0);
}

void Konflikte::auswahlZeigen()
{
    const int i = aktuell();
    const bool da = i >= 0 && i < stand->konflikte().size();
    unsereKnopf->setEnabled(da);
    derenKnopf->setEnabled(da && stand->moeglich(i, Wahl::Deren));
    beideKnopf->setEnabled(da && stand->moeglich(i, Wahl::Beide));
    if (!da) {
        unsere->clear();
        deren->clear();
        return;
    }
    const Konflikt& k = stand->konflikte()[i];
    const bool zeilen = k.art == Konflikt::Art::Zeilen;
    unsere->setPlainText((zeilen ? k.unsereStelle() + QStringLiteral(":\n") : QString()) +
                         fassungText(k.unsere, k));
    deren->setPlainText((zeilen ? k.derenStelle() + QStringLiteral(":\n") : QString()) +
                        fassungText(k.deren, k));
}

void Konflikte::gewaehlt(int konflikt, Wahl wahl)
{
    if (konflikt >= stand->konflikte().size())
        return;
    stand->setzen(konflikt, wahl);
    if (QTreeWidgetItem* zeile = liste->topLevelItem(konflikt))
        zeile->setText(1, wahlText(wahl));
    zaehlen();
}

void Konflikte::waehlen(Wahl wahl)
{
    const int i = aktuell();
    if (i < 0 || !stand->moeglich(i, wahl))
        return;
    QString grund;
    const std::optional<QVector<Konfliktloesung::Aenderung>> aenderungen =
        stand->aenderungen(m, i, wahl, &grund);
    if (!aenderungen) {
        desktop.warn(this, grund);
        return;
    }
    const Konflikt& k = stand->konflikte()[i];
    const Wahl alt = stand->wahl(i);
    // The choice and what it changes in the room are one step; the window follows each step
    // back and forth through the choice it holds.
    verlauf.gruppe(QStringLiteral("Konflikt %1: %2").arg(k.beschreibung(), wahlText(wahl)), [&] {
        verlauf.schritt(new WahlSchritt(i, alt, wahl, [this](int j, Wahl w) {
            gewaehlt(j, w);
            if (QTreeWidgetItem* zeile = liste->topLevelItem(j))
                liste->setCurrentItem(zeile);
        }));
        for (const Konfliktloesung::Aenderung& a : *aenderungen) {
            switch (a.art) {
            case Konfliktloesung::Aenderung::Art::Wert:
                verlauf.wert(a.stelle, a.wert);
                break;
            case Konfliktloesung::Aenderung::Art::HotSpotRein:
                verlauf.hotSpotEinfuegen(a.index, a.spot);
                break;
            case Konfliktloesung::Aenderung::Art::HotSpotRaus:
                verlauf.hotSpotLoeschen(a.index);
                break;
            }
        }
    });
    const int naechste = stand->naechsteOffene(i);
    if (naechste >= 0)
        liste->setCurrentItem(liste->topLevelItem(naechste));
    else
        geloestKnopf->setFocus();
    auswahlZeigen();
}

void Konflikte::alsGeloestMarkieren()
{
    if (raumDatei.isEmpty() || stand->offene() > 0 || !speichern || !speichern())
        return;
    const QString relativ = QDir(ordner).relativeFilePath(raumDatei);
    const QString grund = GitKonflikte::alsGeloestMarkieren(desktop.git(), ordner, relativ);
    if (!grund.isEmpty())
        desktop.warn(this, grund);
    const QString datei = raumDatei;
    schliessen();
    Q_EMIT geloest(datei);
}
