// Renames a flag across a game and takes the rename back, over and over, as the editor and
// tarnholm-umbenennen do, starting each time with the recovery every program runs at its
// start: until it is killed. With "aufraeumen", only that recovery, once. Says "los" once it
// has begun.
#include "model/Module1.h"
#include "namen/Verwendungssuche.h"
#include "spiel/SpielLeser.h"
#include "umbenennen/Umbenenner.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() != 4)
        return 2;
    const QString spiel = a[2];
    const QString journale = a[3];
    Module1 m;
    m.setzeOrdner(spiel);
    std::puts("los");
    std::fflush(stdout);
    if (a[1] == QStringLiteral("aufraeumen"))
        return Umbenenner(spiel, journale).aufraeumen().ok() ? 0 : 1;
    for (int i = 0;; ++i) {
        Umbenenner u(spiel, journale);
        if (!u.aufraeumen().ok())
            return 1;
        if (i % 2 == 1 && !u.letzte().isNull()) {
            if (!u.rueckgaengig().ok())
                return 1;
            continue;
        }
        const Spielpruefung index = SpielLeser::spielLesen(m);
        const bool alt =
            !Verwendungssuche::suchen(index, {NamensArt::Flag, QStringLiteral("Alt"), {}, -1})
                 .isEmpty();
        const Umbenennung::Plan plan =
            Umbenennung::planen(index, Umbenennung::Spielzugriff::aufPlatte(spiel),
                                {NamensArt::Flag,
                                 alt ? QStringLiteral("Alt") : QStringLiteral("Neu"),
                                 alt ? QStringLiteral("Neu") : QStringLiteral("Alt"),
                                 {}});
        if (!u.ausfuehren(plan).ok())
            return 1;
    }
}
