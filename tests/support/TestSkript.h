#pragma once

#include "model/Skript.h"

#include <initializer_list>
#include <utility>

/// A script of the given lines (code, parameter), for tests and benchmarks.
inline Skript testSkript(std::initializer_list<std::pair<qint32, QString>> zeilen)
{
    Skript s;
    if (zeilen.size() > 0)
        s.zeilenAnlegen(qint32(zeilen.size()));
    int i = 0;
    for (const auto& [befehl, parameter] : zeilen) {
        s.Befehl[i] = befehl;
        s.Parameter[i++] = parameter;
    }
    return s;
}
