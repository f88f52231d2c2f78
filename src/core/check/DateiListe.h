#pragma once

#include <QString>
#include <QStringList>

/// The bare names of the ordinary files in `ordner` that match one of the patterns `muster`
/// ("*.bmp;*.jpg;*.gif"), letter case ignored as on Windows, so Baum.BMP is a picture.
/// Sorted without regard to case, and names that differ only in case by their characters'
/// codes, so the order is the same on every run. A missing folder gives an empty list.
QStringList dateiListe(const QString& ordner, const QString& muster);

/// What the checker lists as pictures (and the item manager as items), and as sounds.
inline const QString bildMuster = QStringLiteral("*.bmp;*.jpg;*.gif");
inline const QString klangMuster = QStringLiteral("*.wav;*.mp3");
