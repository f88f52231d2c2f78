// The window "Spiel prüfen": the findings of the game, following the checking service.
#include "SpielPruefen.h"

#include "BefundModell.h"
#include "app/Nachrangig.h"
#include "check/Befund.h"
#include "raetsel/Raetseldienst.h"
#include "spiel/Pruefdienst.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QThreadPool>
#include <QTreeView>
#include <QVBoxLayout>
#include <future>

SpielPruefen::SpielPruefen(Pruefdienst& dienst, QWidget* parent) : QDialog(parent), dienst(dienst)
{
    setObjectName(QStringLiteral("SpielPruefen"));
    setWindowTitle(QStringLiteral("Spiel prüfen"));
    resize(980, 480);
    auto* spalten = new QVBoxLayout(this);
    zusammenfassung = new QLabel(this);
    zusammenfassung->setObjectName(QStringLiteral("Zusammenfassung"));
    spalten->addWidget(zusammenfassung);
    modell = new BefundModell(this);
    liste = new QTreeView(this);
    liste->setObjectName(QStringLiteral("Befunde"));
    liste->setModel(modell);
    liste->setUniformRowHeights(true);
    liste->setAllColumnsShowFocus(true);
    // One row per file and one per finding below it: a tree of thousands of findings would
    // take the window a tenth of a second to open up.
    liste->setRootIsDecorated(false);
    liste->setItemsExpandable(false);
    liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
    liste->header()->resizeSection(BefundModell::Befund, 520);
    liste->header()->resizeSection(BefundModell::Skript, 170);
    liste->header()->resizeSection(BefundModell::Zeile, 50);
    spalten->addWidget(liste);
    auto* hilfe = new QLabel(
        QStringLiteral("Doppelklick oder Eingabetaste: zur Zeile im Skripteditor"), this);
    hilfe->setEnabled(false);
    spalten->addWidget(hilfe);
    connect(liste, &QTreeView::activated, this, &SpielPruefen::oeffnen);
    // Saved, renamed or read at last: the list follows while it is open, once what can never
    // happen in play is worked out for the game as now known.
    connect(&Raetseldienst::von(dienst), &Raetseldienst::geaendert, this, [this] {
        if (isVisible())
            neuBerechnen();
    });
}

void SpielPruefen::zeigen()
{
    show();
    raise();
    activateWindow();
    neuBerechnen();
}

void SpielPruefen::neuBerechnen()
{
    const int nr = ++nummer;
    if (!dienst.bereit()) {
        zusammenfassung->setText(QStringLiteral("Das Spiel wird gelesen …"));
        return;
    }
    const Raetseldienst& raetsel = Raetseldienst::von(dienst);
    // Its result comes soon and brings the list up to date.
    if (!raetsel.aktuell()) {
        if (modell->rowCount() == 0)
            zusammenfassung->setText(QStringLiteral("Das Spiel wird geprüft …"));
        return;
    }
    // Copies share the files read; the game check may go on changing its own meanwhile.
    const Spielpruefung spiel = dienst.spiel();
    const Module1 ordner = dienst.ordner();
    const QStringList konflikte = dienst.konflikte();
    const std::shared_ptr<const Erreichbarkeit> ablauf = raetsel.ergebnis();
    const Raetselplan plan = raetsel.plan();
    // The rows are compared with those shown now off the window's thread too.
    const BefundModell::Stand basis = modell->stand();
    const quint64 fassung = modell->fassung();
    const QPointer<SpielPruefen> ziel(this);
    QThreadPool::globalInstance()->start([ziel, nr, spiel, ordner, konflikte, ablauf, plan, basis,
                                          fassung] {
        nachrangigArbeiten();
        // The folders are listed and looked through while the hints are worked out.
        std::future<Befund> befund = std::async(std::launch::async, [&spiel, &ordner, &konflikte] {
            nachrangigArbeiten();
            Befund b = befundAus(spiel, ordner);
            b.konflikte = konflikte;
            return b;
        });
        const QVector<SkriptFehler> fehler = spiel.fehler();
        // A start room chosen is no room that no "Goto" leads into by mistake.
        const QVector<SpielHinweis> hinweise = spiel.hinweise(plan.start);
        QVector<Bericht::Gruppe> gruppen =
            Bericht::nachDateien(Bericht::eintraege(befund.get(), fehler, hinweise));
        QVector<Bericht::Eintrag> nie;
        if (ablauf)
            nie = Bericht::nieEintraege(*ablauf);
        BefundModell::Stand neu = BefundModell::ordnen(std::move(gruppen), std::move(nie));
        const BefundModell::Unterschied unterschied = BefundModell::vergleichen(basis, neu);
        QMetaObject::invokeMethod(
            qApp,
            [ziel, nr, fassung, unterschied, neu = std::move(neu)]() mutable {
                if (!ziel || nr != ziel->nummer)
                    return;
                // Shown meanwhile, the list is no longer what the rows were compared with.
                ziel->modell->setzen(std::move(neu),
                                     ziel->modell->fassung() == fassung
                                         ? std::optional<BefundModell::Unterschied>(unterschied)
                                         : std::nullopt);
                ziel->zusammenfassung->setText(ziel->modell->zusammenfassung());
                Q_EMIT ziel->aufgebaut();
            },
            Qt::QueuedConnection);
    });
}

void SpielPruefen::oeffnen(const QModelIndex& index)
{
    const Bericht::Eintrag* e = modell->eintrag(index);
    if (e && e->konflikt && konfliktOeffnen)
        konfliktOeffnen(e->datei);
    else if (e && e->zeile && stelleOeffnen)
        stelleOeffnen(e->stelle);
}
