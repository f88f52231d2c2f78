// The author's choices at the conflicts of a merged room, and the edits each makes.
#pragma once

#include "Konflikt.h"
#include "model/RaumBearbeitung.h"

#include <QString>
#include <QVector>
#include <optional>

/// The author's choices at the conflicts of a merged room, and the edits of the room that each
/// choice makes. The merged room holds our side at every conflict; a choice turns one conflict
/// into our lines or value, theirs, or for script lines ours and then theirs.
class Konfliktloesung
{
public:
    enum class Wahl
    {
        Offen,
        Unsere,
        Deren,
        Beide
    };

    /// An edit of the room, as its history takes it.
    struct Aenderung
    {
        enum class Art
        {
            Wert,
            HotSpotRein,
            HotSpotRaus
        };
        Art art = Art::Wert;
        RaumBearbeitung::Stelle stelle;
        RaumBearbeitung::Wert wert;
        /// HotSpotRein and HotSpotRaus: where.
        qint32 index = -1;
        HotSpot spot;
    };

    explicit Konfliktloesung(QVector<Konflikt> konflikte = {});

    const QVector<Konflikt>& konflikte() const { return liste; }
    Wahl wahl(int i) const { return wahlen[i]; }
    void setzen(int i, Wahl w) { wahlen[i] = w; }
    /// "Beide" only for script lines; nothing but ours where theirs could not be read.
    bool moeglich(int i, Wahl w) const;
    int offene() const;
    /// The first undecided conflict after `i`, from the start again, -1 when all are decided.
    int naechsteOffene(int i) const;

    /// The edits that turn conflict `i` from its choice now into `neu`. Nothing, and the reason
    /// in `grund`, when the room no longer holds there what the choice left (the author changed
    /// it since).
    std::optional<QVector<Aenderung>> aenderungen(const Module1& raum, int i, Wahl neu,
                                                  QString* grund) const;

    /// Each version of the conflict as the author reads it, for the choice made.
    QStringList fassung(int i, Wahl w) const;

private:
    bool vorhanden(int j) const;
    qint32 hotSpotIndex(int i) const;
    Skript gewaehlteZeilen(int i, Wahl w) const;
    qint32 zeilenAb(int i) const;
    bool gleichesSkript(const Konflikt& a, const Konflikt& b) const;

    QVector<Konflikt> liste;
    QVector<Wahl> wahlen;
};
