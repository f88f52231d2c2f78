// The findings of what can never happen in play, and how far the way to each goal holds.
#pragma once

#include "Fixpunkt.h"

/// Names every stretch of lines the fixpoint never reaches, with the first link that blocks
/// it, and for each goal of the plan whether it is reached, else where its way breaks first.
class NieBefunde
{
public:
    NieBefunde(const Fixpunkt& f, const Raetselplan& plan, Erreichbarkeit& e);

    void machen();

private:
    using Eintrag = Fixpunkt::Eintrag;
    using Geber = Skripttafel::Geber;
    using Tor = Skripttafel::Tor;

    /// The first line that gives the name but never runs.
    std::optional<SkriptStelle> nurIn(const Skripttafel::Geberliste& liste) const;

    NieGrund grundFuer(NieGrund::Art art, const QString& name) const;

    void befund(int index, qint32 von, qint32 bis, NieGrund grund);

    void befundeMachen();

    NieGrund torGrund(const Eintrag& en) const;

    NieGrund zeilenGrund(const Eintrag& en, qint32 zeile) const;

    const NieBefund* befundBei(const Geber& g) const;

    /// Follows a missing name back to the first link that breaks: the lines that would give
    /// it, why the first of them never runs, and so on.
    void erstesGlied(NieGrund grund, std::optional<SkriptStelle> stelle, ZielStand& z) const;

    void zieleMachen();

    const Fixpunkt& f;
    const Raetselplan& plan;
    Erreichbarkeit& e;
    /// Where each entry's findings start in the result's; the last, where they end.
    std::vector<int> befundeVon;
};
