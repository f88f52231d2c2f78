#include "DesktopMeldungen.h"

#include "platform/Desktop.h"

#include <QDir>

namespace DesktopMeldungen {

QString spielNichtGestartet(const DesktopResult& start, const QString& spielordner)
{
    switch (start.kind) {
    case DesktopResult::Kind::Done:
        break;
    case DesktopResult::Kind::Missing:
        return QStringLiteral("Das Spiel „Tarnholm.exe“ liegt nicht im Spielordner %1. "
                              "Legen Sie das Spiel in diesen Ordner und wählen Sie dann "
                              "erneut „Testen“.")
            .arg(QDir::toNativeSeparators(QDir::cleanPath(spielordner)));
    case DesktopResult::Kind::CommandMissing:
        // The game is started by name only through wine.
        return QStringLiteral("„Tarnholm.exe“ ist ein Windows-Programm; unter Linux startet "
                              "es Wine. Auf diesem System fehlt der Befehl „%1“. Installieren "
                              "Sie Wine und wählen Sie dann erneut „Testen“.")
            .arg(start.subject);
    case DesktopResult::Kind::Refused:
        return QStringLiteral("Das Spiel %1 konnte nicht gestartet werden: %2. Prüfen Sie, ob "
                              "die Datei das Spiel ist und ausgeführt werden darf.")
            .arg(QDir::toNativeSeparators(spielordner + QStringLiteral("Tarnholm.exe")),
                 start.reason);
    }
    return {};
}

QString ordnerNichtGeoeffnet(const DesktopResult& geoeffnet, const QString& spielordner)
{
    const QString ordner = QDir::toNativeSeparators(QDir::cleanPath(spielordner));
    if (geoeffnet.kind == DesktopResult::Kind::Missing)
        return QStringLiteral("Der Ordner %1 existiert nicht mehr; er wurde verschoben oder "
                              "gelöscht. Öffnen Sie den Spielordner mit „Spielordner öffnen…“ "
                              "neu.")
            .arg(ordner);
    if (!geoeffnet.done())
        return QStringLiteral("Der Ordner %1 konnte nicht geöffnet werden: Auf diesem System "
                              "ist kein Dateimanager dafür eingerichtet. Richten Sie einen "
                              "Dateimanager ein oder öffnen Sie den Ordner von Hand.")
            .arg(ordner);
    return {};
}

} // namespace DesktopMeldungen
