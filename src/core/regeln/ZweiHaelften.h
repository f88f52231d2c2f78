// Work over many indexes done in two halves at once.
#pragma once

#include <QThread>
#include <QtConcurrent/QtConcurrentRun>

/// Runs `teil(von, bis)` over the indexes 0 to `anzahl`: in two halves at once when there are
/// `genug` of them and a second core, the first half here. The time of such work goes into
/// fetching what it looks at from memory, which a second core halves. A busy pool costs
/// nothing: waiting for a half not yet begun runs it here.
template <typename Teil> void inZweiHaelften(qsizetype anzahl, qsizetype genug, const Teil& teil)
{
    if (anzahl < genug || QThread::idealThreadCount() < 2) {
        teil(qsizetype(0), anzahl);
        return;
    }
    const qsizetype mitte = anzahl / 2;
    QFuture<void> zweite = QtConcurrent::run([&teil, mitte, anzahl] { teil(mitte, anzahl); });
    teil(qsizetype(0), mitte);
    zweite.waitForFinished();
}
