// What can never happen in play, worked out anew after each update of the checking service.
#include "Raetseldienst.h"

#include "app/Nachrangig.h"
#include "spiel/Pruefdienst.h"

#include <QFuture>
#include <QFutureWatcher>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

namespace {

struct Ergebnis
{
    std::shared_ptr<const Erreichbarkeit> ablauf;
    std::shared_ptr<const Spielpruefung> spiel;
    Raetselplan plan;
    QString planFehler;
    int planZeile = 0;
};

} // namespace

class Raetseldienst::Lauf
{
public:
    QFutureWatcher<Ergebnis> waechter;
};

Raetseldienst::Raetseldienst(Pruefdienst& d)
    : QObject(&d), dienst(d), lauf(std::make_unique<Lauf>())
{
    setObjectName(QStringLiteral("Raetseldienst"));
    connect(&lauf->waechter, &QFutureWatcher<Ergebnis>::finished, this, [this] {
        laeuft = false;
        const Ergebnis e = lauf->waechter.result();
        // Freeing the result replaced, a thousand rooms' lines, would keep the window waiting.
        QThreadPool::globalInstance()->start(
            [alt = std::exchange(stand, e.ablauf),
             altSpiel = std::exchange(standSpiel, e.spiel)]() mutable {
                alt.reset();
                altSpiel.reset();
            });
        gelesen = e.plan;
        planGrund = e.planFehler;
        planGrundZeile = e.planZeile;
        Q_EMIT geaendert();
        if (std::exchange(nochmal, false))
            anstossen();
    });
    connect(&dienst, &Pruefdienst::geaendert, this, &Raetseldienst::anstossen);
    if (dienst.bereit())
        anstossen();
}

Raetseldienst::~Raetseldienst()
{
    lauf->waechter.waitForFinished();
}

Raetseldienst& Raetseldienst::von(Pruefdienst& dienst)
{
    if (auto* da = dienst.findChild<Raetseldienst*>(QString(), Qt::FindDirectChildrenOnly))
        return *da;
    return *new Raetseldienst(dienst);
}

void Raetseldienst::anstossen()
{
    if (!dienst.bereit())
        return;
    if (laeuft) {
        nochmal = true;
        return;
    }
    laeuft = true;
    // A copy shares the files read; the service may go on changing its own meanwhile. The plan
    // is read with the game: a save or a checkout of it reaches the service as a change.
    // The copy is published with the result, so that its places are read where they were found.
    lauf->waechter.setFuture(
        QtConcurrent::run([spiel = std::make_shared<const Spielpruefung>(dienst.spiel()),
                           ordner = dienst.ordner().AppPfad] {
            // Woken at the window's priority, the task took its processor for milliseconds
            // on a busy machine before the window could go on.
            nachrangigArbeiten();
            const Raetselplan::Gelesen plan = Raetselplan::ausOrdner(ordner);
            Ergebnis e;
            e.ablauf = std::make_shared<const Erreichbarkeit>(
                Erreichbarkeit::berechnen(*spiel, plan.plan));
            e.spiel = spiel;
            e.plan = plan.plan;
            if (!plan.fehler.isEmpty()) {
                e.planFehler = plan.fehler;
                e.planZeile = plan.zeile;
            }
            return e;
        }));
}
