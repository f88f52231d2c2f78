#pragma once

#include "model/Skript.h"

#include <QPair>
#include <QString>
#include <QVector>

/// A script from its lines, code and parameter each.
inline Skript skriptAus(const QVector<QPair<qint32, QString>>& zeilen)
{
    Skript s;
    if (zeilen.isEmpty())
        return s;
    s.zeilenAnlegen(zeilen.size());
    for (int i = 0; i < zeilen.size(); ++i) {
        s.Befehl[i] = zeilen[i].first;
        s.Parameter[i] = zeilen[i].second;
    }
    return s;
}
