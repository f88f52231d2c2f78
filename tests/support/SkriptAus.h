#pragma once

#include "model/Skript.h"

#include <QPair>

/// A script from its lines, code and parameter each.
inline Skript skriptAus(const QVector<QPair<qint32, QString>>& zeilen)
{
    Skript s;
    for (const auto& [code, parameter] : zeilen) {
        s.Befehl << code;
        s.Parameter << parameter;
    }
    s.MaxZeile = zeilen.size() - 1;
    return s;
}
