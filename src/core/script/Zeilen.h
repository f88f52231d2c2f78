// How the script editor shows script lines: their text and indentation.
#pragma once

#include "model/Skript.h"

#include <QString>
#include <QVector>

/// How the script editor shows script lines.
namespace Zeilen {

/// The leading spaces of every line, in one pass with a running depth: "Else", "EndIf",
/// "Case" and "EndSelect" stand 3 shallower, the lines after an opener, "Else" or "Case"
/// 3 deeper. A closer without opener resets the depth to 0; nothing is checked.
QVector<int> einzuege(const Skript& skript);

/// The indent, the keyword, one space and the parameter.
QString text(int einzug, qint32 code, const QString& parameter);

} // namespace Zeilen
