// What can never happen in play in the scripts of one room, by the hotspot or script it is in.
#pragma once

#include <QStringList>
#include <QVector>

struct Erreichbarkeit;
struct SpielDatei;

/// The findings of the analysis in one room file, gathered where the main window marks them:
/// each hotspot's row, the start and the timer script's buttons. One line per reason; the
/// scripts it holds for are named before it ("„Sieh an!“, „Tue“: HotSpot „Truhe“ ist
/// inaktiv …"), a stretch of lines with its line numbers as the script editor counts them.
struct RaumNie
{
    /// By hotspot index of the file as read.
    QVector<QStringList> hotSpots;
    QStringList start;
    QStringList timer;

    /// The findings of `ablauf` in `raum`, which must be the file the analysis read.
    static RaumNie von(const Erreichbarkeit& ablauf, const SpielDatei& raum);

    bool leer() const;
    /// "Kann im Spiel nie geschehen:" and a line per reason; empty without a finding.
    static QString text(const QStringList& zeilen);
};
