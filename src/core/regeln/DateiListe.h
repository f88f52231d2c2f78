// The files of a folder that match a list of patterns.
#pragma once

#include <QString>
#include <QStringList>

class DateiSuche;

/// The bare names of the ordinary files in `ordner` that match one of the patterns `muster`
/// ("*.bmp;*.jpg;*.gif"), letter case ignored as on Windows, so Baum.BMP is a picture.
/// Sorted without regard to case, and names that differ only in case by their characters'
/// codes, so the order is the same on every run. A missing folder gives an empty list.
/// With a `suche`, from its listing of the folder, which its look-ups then share.
QStringList dateiListe(const QString& ordner, const QString& muster, DateiSuche* suche = nullptr);

/// Sorts names as the game's lists are sorted: without regard to case, names that differ
/// only in case by their characters' codes.
void namenSortieren(QStringList& namen);

/// The text with its case folded as QString::compare folds it, unit by unit: two texts compare
/// without case as their folded forms compare with case.
QString einfachGefaltet(QStringView text);

/// What the checker lists as pictures (and the item manager as items), and as sounds.
inline const QString bildMuster = QStringLiteral("*.bmp;*.jpg;*.gif");
inline const QString klangMuster = QStringLiteral("*.wav;*.mp3");
