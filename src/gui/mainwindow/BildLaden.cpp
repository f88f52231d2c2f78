#include "BildLaden.h"

#include "RaumVerlauf.h"
#include "canvas/Picture1.h"
#include "model/BildPfad.h"
#include "model/DateiName.h"
#include "model/Module1.h"
#include "platform/BildDatei.h"
#include "platform/Desktop.h"
#include "roomfile/HintergrundWahl.h"

#include <QDir>

BildLaden::BildLaden(Module1& raum, Desktop& desktop, RaumVerlauf& verlauf, Picture1& picture1,
                     QWidget& fenster)
    : m(raum), desktop(desktop), verlauf(verlauf), picture1(picture1), fenster(fenster)
{
}

void BildLaden::ausfuehren()
{
    FileRequest r;
    r.title = QStringLiteral("Bild laden");
    r.filter = QStringLiteral("Bild-Dateien|*.jpeg;*.jpg;*.bmp;*.gif");
    r.folder = m.GraphicsPfad;
    r.preset = DateiName(ohneLeerzeichen(m.Hintergrund()));
    const QString gewaehlt = desktop.chooseFile(&fenster, r);
    if (gewaehlt.isEmpty())
        return;
    const HintergrundWahl::Ergebnis wahl = HintergrundWahl::pruefen(gewaehlt, m.GraphicsPfad);
    if (!wahl.fehler.isEmpty()) {
        desktop.warn(&fenster, wahl.fehler);
        return;
    }
    // Tried first, so that the room keeps the picture the canvas still shows.
    QString probe = wahl.pfad;
    if (!picture1.BildLaden(probe)) {
        desktop.warn(&fenster,
                     QStringLiteral("Die Datei %1 kann nicht als Bild geladen werden. Der Raum "
                                    "behält sein bisheriges Bild.")
                         .arg(QDir::toNativeSeparators(wahl.pfad)));
        return;
    }
    const QString neu = wahl.pfad.leftJustified(Module1::HintergrundLaenge, QLatin1Char(' '));
    if (neu == m.Hintergrund()) {
        if (bildAufbau)
            bildAufbau();
    } else {
        verlauf.wert({RaumBearbeitung::Stelle::Art::Hintergrund}, neu);
    }
    if (picture1.picture2().size() == picture1.size())
        return;
    MessageRequest frage;
    frage.text = QStringLiteral("Bild in neuer Größe als BMP speichern?");
    frage.buttons = QMessageBox::Yes | QMessageBox::No;
    frage.defaultButton = QMessageBox::Yes;
    if (desktop.message(&fenster, frage) != QMessageBox::Yes)
        return;
    const QString ziel = ohneLeerzeichen(m.Hintergrund());
    if (!BildDatei::bmpSchreiben(ziel, picture1.picture2().gestreckt()))
        desktop.warn(&fenster,
                     QStringLiteral("Das Bild %1 konnte nicht gespeichert werden. Die Datei ist "
                                    "unverändert geblieben.")
                         .arg(QDir::toNativeSeparators(ziel)));
}
