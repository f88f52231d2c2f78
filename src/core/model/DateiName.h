// The bare file name of a path, and the key under which "Goto" finds a file.
#pragma once

#include <QString>

/// The part of a path after its last separator, "\" or "/": room files made on Windows
/// carry backslashes, paths chosen elsewhere carry slashes. A path ending in a separator
/// gives the empty text; a path without one is returned whole.
QString DateiName(const QString& pfad);

/// The key under which a stored file name is compared with a file: without the spaces around
/// it, reduced to its file name, letter case folded. "graphics\Baum.BMP " and "baum.bmp" have the
/// same key.
QString dateiSchluessel(const QString& wert);
/// The same key before its case is folded, without copying: for comparing without case.
QStringView dateiSchluesselTeil(QStringView wert);
