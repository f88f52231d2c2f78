// Picture names and paths as the room file and the game compare them.
#pragma once

#include <QString>

class DateiSuche;
class Module1;

/// The text without the spaces around it: the padding of Hintergrund and any spaces the
/// name itself began or ended with.
QString ohneLeerzeichen(const QString& text);
QStringView ohneLeerzeichen(QStringView text);

/// Where the background picture `bild` (trimmed, not empty) is loaded from: the name as
/// given, a relative one in the program folder; else its bare name in the graphics folder;
/// else a file there whose name differs only in letter case. When none exists, the graphics
/// folder path, so that loading fails there. Many look-ups share the folder listing of a
/// `suche`.
QString bildPfad(const QString& bild, const Module1& raum, DateiSuche* suche = nullptr);
/// The same, but empty when the picture is nowhere.
QString bildFinden(const QString& bild, const Module1& raum, DateiSuche* suche = nullptr);
