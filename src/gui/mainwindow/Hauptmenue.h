#pragma once

#include <QList>
#include <QObject>
#include <QPair>
#include <QStringList>
#include <QVector>
#include <functional>

class QAction;
class QKeySequence;
class QMainWindow;
class QMenu;
class QUndoStack;

/// The main window's menu bar: "Datei", "Bearbeiten", "Ansicht", "Spiel" and "Hilfe", each
/// entry a QAction found by its objectName, with its keys shown beside it. An entry is one
/// call of eintrag(), so a new command is one line where the menus are filled.
class Hauptmenue : public QObject
{
    Q_OBJECT

public:
    /// A key, or several, and what it does, as the window "Tastenkürzel" lists them.
    using Taste = QPair<QString, QString>;

    /// Gives the window its menu bar with the five menus, still empty.
    explicit Hauptmenue(QMainWindow& fenster);

    QMenu* datei() const { return menues[0]; }
    QMenu* bearbeiten() const { return menues[1]; }
    QMenu* ansicht() const { return menues[2]; }
    QMenu* spiel() const { return menues[3]; }
    QMenu* hilfe() const { return menues[4]; }

    /// Appends an entry to `menue`: `text` with its "&" letter, the keys (the first one is
    /// shown), and what it does.
    QAction* eintrag(QMenu* menue, const QString& name, const QString& text,
                     const QList<QKeySequence>& tasten, std::function<void()> tun);
    /// Appends a submenu of rooms (or folders), filled each time it opens: `raeume` gives the
    /// paths, newest first; choosing one calls `oeffnen` with its path. Without any, it says
    /// `leer`. With `grau`, a file that is not on disk shows greyed until it is back.
    QMenu* raumListe(QMenu* menue, const QString& name, const QString& text,
                     std::function<QStringList()> raeume,
                     std::function<void(const QString&)> oeffnen,
                     const QString& leer = QStringLiteral("Noch keine Räume"), bool grau = true);
    /// Lets "Rückgängig" and "Wiederholen" name the step they would take ("Rückgängig:
    /// Strich"), greyed while there is none.
    void verlaufZeigen(QAction* rueckgaengig, QAction* wiederholen, const QUndoStack& schritte);

    /// Every entry with keys, in the order of the menus: the keys as the menu shows them,
    /// and the entry's text without its "&" letter.
    QVector<Taste> tasten() const;

private:
    QMenu* menues[5];
};
