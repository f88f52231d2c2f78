#include "Spielwahl.h"

#include "Editor.h"
#include "RaumBefehle.h"
#include "Startfenster.h"
#include "app/Spielanlage.h"
#include "model/Module1.h"
#include "platform/Desktop.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <functional>

namespace Spielwahl {

QString neben(const QString& spielordner)
{
    return QFileInfo(QDir::cleanPath(spielordner)).path();
}

QString fragen(Desktop& desktop, QWidget* parent, const QString& ordner)
{
    FileRequest r;
    r.mode = FileRequest::Mode::Folder;
    r.title = QStringLiteral("Spielordner öffnen");
    r.folder = ordner;
    for (;;) {
        const QString gewaehlt = desktop.chooseFile(parent, r);
        if (gewaehlt.isEmpty())
            return {};
        const QString warum = Spielordner::warumNicht(gewaehlt);
        if (warum.isEmpty())
            return Spielordner::eindeutig(gewaehlt);
        desktop.warn(parent, warum);
        // Asked again where the author was.
        r.folder = gewaehlt;
    }
}

namespace {

/// Asks for a folder for a new game until one is taken by `anlegen` (which says why not, or
/// nothing); null when the author cancels.
QString neuerOrdner(Desktop& desktop, QWidget* parent, const QString& titel, const QString& ordner,
                    const std::function<QString(const QString&)>& anlegen)
{
    FileRequest r;
    r.mode = FileRequest::Mode::Folder;
    r.title = titel;
    r.folder = ordner;
    for (;;) {
        const QString gewaehlt = desktop.chooseFile(parent, r);
        if (gewaehlt.isEmpty())
            return {};
        const QString warum = anlegen(gewaehlt);
        if (warum.isEmpty())
            return Spielordner::eindeutig(gewaehlt);
        desktop.warn(parent, warum);
        // Asked again where the author chose it, to make another folder there.
        r.folder = neben(gewaehlt);
    }
}

} // namespace

QString neuesSpiel(Desktop& desktop, QWidget* parent, const QString& ordner)
{
    return neuerOrdner(desktop, parent, QStringLiteral("Ordner für das neue Spiel"), ordner,
                       &Spielanlage::neuesSpiel);
}

QString beispielspiel(Desktop& desktop, QWidget* parent, const QString& ordner,
                      const QString& programmOrdner)
{
    const QString beispiel = Spielanlage::beispiel(programmOrdner);
    if (beispiel.isNull()) {
        desktop.warn(parent, QStringLiteral("Das Beispielspiel ist nicht da. Es wird im Ordner %1 "
                                            "erwartet, wohin das Paket des Editors es legt.")
                                 .arg(QDir::toNativeSeparators(QDir::cleanPath(
                                     programmOrdner +
                                     QStringLiteral("/../share/tarnholm-editor/beispiel")))));
        return {};
    }
    return neuerOrdner(desktop, parent, QStringLiteral("Ordner für das Beispielspiel"), ordner,
                       [&beispiel](const QString& gewaehlt) {
                           return Spielanlage::beispielKopieren(beispiel, gewaehlt);
                       });
}

Beginn beimStart(Desktop& desktop, const Spielordner::Start& start)
{
    Beginn beginn{Spielordner::fuerEditor(start), {}};
    Spielordner::Wahl& wahl = beginn.wahl;
    if (wahl.art != Spielordner::Wahl::Art::Fragen)
        return beginn;
    // Beside the last game, or where the author keeps files.
    const QString ordner = start.zuletzt.isEmpty() ? QDir::homePath() : neben(start.zuletzt[0]);
    // A folder dialog cancelled goes back to the start window; only "Abbrechen" there ends.
    while (wahl.ordner.isNull()) {
        Startfenster fenster;
        desktop.showModal(fenster);
        switch (fenster.wahl()) {
        case Startfenster::Wahl::Abbrechen:
            return beginn;
        case Startfenster::Wahl::Oeffnen:
            wahl.ordner = fragen(desktop, nullptr, ordner);
            break;
        case Startfenster::Wahl::Neu:
            wahl.ordner = neuesSpiel(desktop, nullptr, ordner);
            break;
        case Startfenster::Wahl::Beispiel:
            wahl.ordner = beispielspiel(desktop, nullptr, ordner, start.programmOrdner);
            if (!wahl.ordner.isNull())
                beginn.raum = Spielanlage::hausRaum(wahl.ordner);
            break;
        }
    }
    wahl.art = Spielordner::Wahl::Art::Gefunden;
    return beginn;
}

bool istItemSkript(const QString& datei)
{
    return datei.endsWith(QLatin1String(".skp"), Qt::CaseInsensitive);
}

void dateiOeffnen(Editor& editor, Desktop& desktop, const Module1& raum, const QString& datei)
{
    if (!istItemSkript(datei)) {
        editor.befehle().oeffnen(datei);
        return;
    }
    const QString zeigbar = QDir::toNativeSeparators(datei);
    if (!QFileInfo(datei).isFile()) {
        desktop.warn(&editor,
                     QStringLiteral("Die Datei %1 kann nicht geöffnet werden.").arg(zeigbar));
        return;
    }
    // The item manager writes an item's scripts beside its picture in the game's "items": a
    // script from elsewhere would be saved as this game's.
    if (QFileInfo(QFileInfo(datei).absolutePath()).canonicalFilePath() !=
        QFileInfo(raum.ItemsPfad).canonicalFilePath()) {
        desktop.warn(&editor,
                     QStringLiteral("Das Gegenstandsskript %1 liegt nicht im Ordner „items“ des "
                                    "Spielordners %2. „Gegenstände“ bearbeitet nur die Skripte "
                                    "dieses Spiels.")
                         .arg(zeigbar, QDir::toNativeSeparators(QDir::cleanPath(raum.AppPfad))));
        return;
    }
    if (editor.itemSkriptOeffnen)
        editor.itemSkriptOeffnen(datei, -1);
}

bool wechseln(Editor& editor, Desktop& desktop, const Module1& raum, const QString& ordner,
              const QString& raumDatei)
{
    if (Spielordner::eindeutig(ordner) == Spielordner::eindeutig(raum.AppPfad))
        return false;
    QStringList argumente{QStringLiteral("--spiel"), ordner};
    if (!raumDatei.isEmpty())
        argumente << QStringLiteral("--") << raumDatei;
    const DesktopResult start =
        desktop.startProgram(QCoreApplication::applicationFilePath(), argumente);
    if (!start.done()) {
        desktop.warn(
            &editor,
            QStringLiteral("Der Editor für den Spielordner %1 konnte nicht gestartet "
                           "werden%2. Dieser Editor bleibt offen.")
                .arg(QDir::toNativeSeparators(ordner),
                     start.reason.isEmpty() ? QString() : QStringLiteral(": ") + start.reason));
        return false;
    }
    // Asked already: the room was saved, or the author let its changes go.
    editor.befehle().geschlossen();
    editor.close();
    return true;
}

} // namespace Spielwahl
