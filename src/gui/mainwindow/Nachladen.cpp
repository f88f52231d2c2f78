#include "Nachladen.h"

#include "RaumBefehle.h"
#include "RaumVerlauf.h"
#include "Statuszeile.h"
#include "model/DateiName.h"
#include "model/Module1.h"
#include "platform/Desktop.h"
#include "roomfile/RoomFile.h"
#include "roomfile/TextFile.h"

#include <QApplication>
#include <QFileInfo>

Nachladen::Nachladen(RaumBefehle& befehle, RaumVerlauf& verlauf, Desktop& desktop,
                     Statuszeile& zeile, QWidget* fenster)
    : QObject(fenster), befehle(befehle), verlauf(verlauf), desktop(desktop), zeile(zeile),
      fenster(fenster)
{
    spaeter.setSingleShot(true);
    spaeter.setInterval(300);
    connect(&spaeter, &QTimer::timeout, this, &Nachladen::pruefen);
}

void Nachladen::pruefen()
{
    const QString pfad = befehle.geoeffneteDatei();
    if (pfad.isEmpty())
        return;
    // The script editor works on the room as it is; a question waits for its answer.
    if (QApplication::activeModalWidget()) {
        spaeter.start();
        return;
    }
    const QString name = DateiName(pfad);
    if (!QFileInfo(pfad).isFile()) {
        if (befehle.dateiGeloescht())
            zeile.melden(name + QStringLiteral(" wurde außerhalb gelöscht. Der Raum bleibt offen; "
                                               "„Speichern“ legt die Datei wieder an."));
        return;
    }
    const std::optional<QByteArray> bytes = TextFile::read(pfad);
    if (!bytes || befehle.wieBekannt(*bytes))
        return;
    Module1 probe;
    const RoomFile::LeseErgebnis gelesen = RoomFile::lesen(*bytes, probe);
    if (!verlauf.geaendert() && gelesen.vollstaendig) {
        neuLaden();
        zeile.melden(name + QStringLiteral(" wurde außerhalb geändert und neu geladen"));
        return;
    }
    const QString text =
        name + (gelesen.vollstaendig
                    ? QStringLiteral(" wurde außerhalb geändert.")
                    : QStringLiteral(" wurde außerhalb geändert und lässt sich nur bis Zeile %1 "
                                     "lesen.")
                          .arg(gelesen.zeile));
    zeile.melden(text, {{QStringLiteral("Neu laden"),
                         [this, name] {
                             if (verlauf.geaendert()) {
                                 MessageRequest frage;
                                 frage.text =
                                     QStringLiteral("Die Änderungen an „%1“, die nicht gespeichert "
                                                    "sind, gehen verloren. Trotzdem neu laden?")
                                         .arg(name);
                                 frage.icon = QMessageBox::Warning;
                                 frage.buttons = QMessageBox::Yes | QMessageBox::No;
                                 frage.defaultButton = QMessageBox::No;
                                 if (desktop.message(fenster, frage) != QMessageBox::Yes) {
                                     pruefen();
                                     return;
                                 }
                             }
                             neuLaden();
                         }},
                        // Saving asks before it replaces the file, as it does for any file
                        // changed outside.
                        {QStringLiteral("Behalten"), [] {}}});
}

bool Nachladen::neuLaden(const QString& pfad)
{
    const QString gewaehlt = auswahlName ? auswahlName() : QString();
    if (!befehle.neuLaden(pfad.isEmpty() ? befehle.geoeffneteDatei() : pfad))
        return false;
    if (!gewaehlt.isNull() && auswahlSetzen)
        auswahlSetzen(gewaehlt);
    return true;
}
