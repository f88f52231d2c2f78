#include "SkriptVerlauf.h"

#include "script/SkriptBearbeitung.h"

SkriptVerlauf::SkriptVerlauf(Skript& skript, SkriptSchritt::Zeigen zeigen, QObject* fenster)
    : skript(skript), zeigen(std::move(zeigen)), stack(new QUndoStack(fenster))
{
}

void SkriptVerlauf::leeren()
{
    stack->clear();
    besuchBeenden();
}

SkriptSchritt* SkriptVerlauf::schritt(qint32 ab, Skript alt, qint32 anzahlNeu, int vorher)
{
    return new SkriptSchritt(skript, zeigen, ab, std::move(alt),
                             SkriptBearbeitung::zeilen(skript, ab, anzahlNeu), vorher);
}

void SkriptVerlauf::aufzeichnen(qint32 ab, Skript alt, qint32 anzahlNeu, int vorher)
{
    besuchBeenden();
    laufend = schritt(ab, std::move(alt), anzahlNeu, vorher);
    stack->push(laufend);
}

void SkriptVerlauf::abschliessen(int zeile)
{
    laufend->nachher(zeile);
    laufend = nullptr;
}

void SkriptVerlauf::getippt(qint32 zeile, const QString& alt, const QString& neu)
{
    if (laufend) {
        laufend->nachtragen(zeile, alt, neu);
        return;
    }
    Skript vorher = SkriptBearbeitung::zeilen(skript, zeile, 1);
    vorher.Parameter[0] = alt;
    SkriptSchritt* s = schritt(zeile, std::move(vorher), 1, zeile);
    s->getippt(besuch);
    stack->push(s);
}

void SkriptVerlauf::rueckgaengig()
{
    besuchBeenden();
    stack->undo();
}

void SkriptVerlauf::wiederholen()
{
    besuchBeenden();
    stack->redo();
}
