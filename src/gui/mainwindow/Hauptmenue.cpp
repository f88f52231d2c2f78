#include "Hauptmenue.h"

#include "model/DateiName.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenuBar>
#include <QUndoStack>

namespace {

/// What an entry says, without its "&" letter and the dots that promise a dialog.
QString klartext(const QAction* a)
{
    QString text = a->text();
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    if (text.endsWith(QChar(0x2026)))
        text.chop(1);
    return text;
}

/// A step's text after the entry's: "&Rückgängig: Strich".
void schrittText(QAction* a, const QString& eintrag, const QString& schritt)
{
    a->setText(schritt.isEmpty() ? eintrag : eintrag + QStringLiteral(": ") + schritt);
}

QString ohneKuerzel(QString text)
{
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

Hauptmenue::Hauptmenue(QMainWindow& fenster) : QObject(&fenster)
{
    QMenuBar* leiste = fenster.menuBar();
    leiste->setObjectName(QStringLiteral("Menueleiste"));
    const std::pair<const char*, QString> namen[] = {
        {"menueDatei", QStringLiteral("&Datei")},
        {"menueBearbeiten", QStringLiteral("&Bearbeiten")},
        {"menueAnsicht", QStringLiteral("&Ansicht")},
        {"menueSpiel", QStringLiteral("&Spiel")},
        {"menueHilfe", QStringLiteral("&Hilfe")}};
    int i = 0;
    for (const auto& [name, text] : namen) {
        menues[i] = leiste->addMenu(text);
        menues[i]->setObjectName(QLatin1String(name));
        ++i;
    }
}

QAction* Hauptmenue::eintrag(QMenu* menue, const QString& name, const QString& text,
                             const QList<QKeySequence>& tasten, std::function<void()> tun)
{
    QAction* a = menue->addAction(text);
    a->setObjectName(name);
    a->setShortcuts(tasten);
    connect(a, &QAction::triggered, this, std::move(tun));
    return a;
}

QMenu* Hauptmenue::raumListe(QMenu* menue, const QString& name, const QString& text,
                             std::function<QStringList()> raeume,
                             std::function<void(const QString&)> oeffnen, const QString& leer,
                             bool grau)
{
    QMenu* liste = menue->addMenu(text);
    liste->setObjectName(name);
    liste->setToolTipsVisible(true);
    // Read when it opens: another editor of the game may have added a room meanwhile.
    connect(liste, &QMenu::aboutToShow, this, [liste, raeume, oeffnen, leer, grau] {
        liste->clear();
        const QStringList pfade = raeume();
        if (pfade.isEmpty()) {
            liste->addAction(leer)->setEnabled(false);
            return;
        }
        QStringList namen;
        for (const QString& pfad : pfade)
            namen << DateiName(pfad);
        for (int i = 0; i < pfade.size(); ++i) {
            // Two rooms of one name, from two folders, show where they lie.
            const QString name =
                namen.count(namen[i]) > 1 ? QDir::toNativeSeparators(pfade[i]) : namen[i];
            const QString kuerzel =
                i < 9 ? QStringLiteral("&%1 ").arg(i + 1) : QStringLiteral("1&0 ");
            QAction* a = liste->addAction(kuerzel + ohneKuerzel(name));
            a->setToolTip(QDir::toNativeSeparators(pfade[i]));
            // Gone on disk (deleted, renamed, not on the branch checked out): greyed, and back
            // with its file.
            if (grau && !QFileInfo(pfade[i]).isFile()) {
                a->setEnabled(false);
                a->setToolTip(a->toolTip() + QStringLiteral(" (gibt es nicht)"));
            }
            const QString pfad = pfade[i];
            connect(a, &QAction::triggered, liste, [oeffnen, pfad] { oeffnen(pfad); });
        }
    });
    return liste;
}

void Hauptmenue::verlaufZeigen(QAction* rueckgaengig, QAction* wiederholen,
                               const QUndoStack& schritte)
{
    const QString zurueck = rueckgaengig->text(), vor = wiederholen->text();
    const auto zeigen = [=, &schritte] {
        schrittText(rueckgaengig, zurueck, schritte.undoText());
        rueckgaengig->setEnabled(schritte.canUndo());
        schrittText(wiederholen, vor, schritte.redoText());
        wiederholen->setEnabled(schritte.canRedo());
    };
    connect(&schritte, &QUndoStack::indexChanged, this, zeigen);
    connect(&schritte, &QUndoStack::undoTextChanged, this, zeigen);
    connect(&schritte, &QUndoStack::redoTextChanged, this, zeigen);
    connect(&schritte, &QUndoStack::canUndoChanged, this, zeigen);
    connect(&schritte, &QUndoStack::canRedoChanged, this, zeigen);
    zeigen();
}

QVector<Hauptmenue::Taste> Hauptmenue::tasten() const
{
    QVector<Taste> liste;
    for (const QMenu* menue : menues) {
        for (const QAction* a : menue->actions()) {
            if (a->shortcuts().isEmpty())
                continue;
            QStringList folgen;
            for (const QKeySequence& folge : a->shortcuts())
                folgen << folge.toString(QKeySequence::NativeText);
            // "Rückgängig: Strich" is listed as the entry it is.
            QString text = klartext(a);
            text = text.section(QStringLiteral(": "), 0, 0);
            liste.append({folgen.join(QStringLiteral(", ")), text});
        }
    }
    return liste;
}
