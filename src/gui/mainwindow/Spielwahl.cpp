#include "Spielwahl.h"

#include "Editor.h"
#include "RaumBefehle.h"
#include "model/Module1.h"
#include "platform/Desktop.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

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

Spielordner::Wahl beimStart(Desktop& desktop, const Spielordner::Start& start)
{
    Spielordner::Wahl wahl = Spielordner::fuerEditor(start);
    if (wahl.art != Spielordner::Wahl::Art::Fragen)
        return wahl;
    // Beside the last game, or where the author keeps files.
    const QString beginn = start.zuletzt.isEmpty() ? QDir::homePath() : neben(start.zuletzt[0]);
    wahl.ordner = fragen(desktop, nullptr, beginn);
    if (!wahl.ordner.isNull())
        wahl.art = Spielordner::Wahl::Art::Gefunden;
    return wahl;
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

bool wechseln(Editor& editor, Desktop& desktop, const Module1& raum, const QString& ordner)
{
    if (Spielordner::eindeutig(ordner) == Spielordner::eindeutig(raum.AppPfad))
        return false;
    const DesktopResult start = desktop.startProgram(QCoreApplication::applicationFilePath(),
                                                     {QStringLiteral("--spiel"), ordner});
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
