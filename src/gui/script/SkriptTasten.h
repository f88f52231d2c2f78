#pragma once

#include <QKeySequence>
#include <QList>
#include <QPair>
#include <QString>
#include <QVector>

/// The script editor's own keys, and what each does as the key window lists it.
namespace SkriptTasten {

QKeySequence rueckgaengig();
QList<QKeySequence> wiederholen();
/// F12: a "Goto" to its room.
QKeySequence folgen();
/// Shift+F12: the uses of what the line names.
QKeySequence verwendungen();
/// F2: renaming it.
QKeySequence umbenennen();

/// Every key as the desktop names it, with what it does.
QVector<QPair<QString, QString>> liste();

} // namespace SkriptTasten
