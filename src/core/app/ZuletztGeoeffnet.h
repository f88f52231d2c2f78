// The rooms and game folders last opened.
#pragma once

#include <QString>
#include <QStringList>

/// The rooms last opened in one game folder, newest first, at most ten, and the game folders
/// last used. They are kept in an INI file that the editors of every game folder share, each
/// folder's rooms under a group of its own, and read afresh on every call, so that two editors
/// see each other's rooms. A missing, unreadable or broken file is an empty list; nothing here
/// is ever an error for the author.
class ZuletztGeoeffnet
{
public:
    static constexpr int Hoechstens = 10;

    /// `datei`: the INI file; empty keeps the list in memory only. `spielOrdner`: the game
    /// folder whose list it is.
    ZuletztGeoeffnet(QString datei, const QString& spielOrdner);

    /// Absolute paths, newest first.
    QStringList raeume() const;
    /// The room was loaded or saved: it moves to the front.
    void hinzufuegen(const QString& pfad);
    void entfernen(const QString& pfad);

    /// The game folders used last, absolute, newest first, at most ten.
    QStringList spiele() const;
    /// The game folder is used now: it moves to the front.
    void spielBenutzt(const QString& ordner);
    void spielEntfernen(const QString& ordner);

    const QString& datei() const { return einstellungen; }

private:
    QStringList lesen(const QString& schluessel, const QStringList& imSpeicher) const;
    void schreiben(const QString& schluessel, const QStringList& liste);

    QString einstellungen;
    QString ordner;
    /// The game folder's group in the file.
    QString gruppe;
    QStringList raeumeImSpeicher;
    QStringList spieleImSpeicher;
};
