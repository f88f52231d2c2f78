#pragma once

#include <QString>

struct DesktopResult;

/// What the author is told when the desktop did not do what "Testen" and "Explorer" asked.
namespace DesktopMeldungen {

/// Why the game in `spielordner` did not start; empty when it did.
QString spielNichtGestartet(const DesktopResult& start, const QString& spielordner);
/// Why `spielordner` did not open in the file manager; empty when it did.
QString ordnerNichtGeoeffnet(const DesktopResult& geoeffnet, const QString& spielordner);

} // namespace DesktopMeldungen
