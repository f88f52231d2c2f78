#include "Gegen.h"

#include "model/DateiName.h"
#include "model/FindeDatei.h"
#include "model/Module1.h"
#include "platform/Desktop.h"
#include "regeln/DateiListe.h"
#include "roomfile/ItemSkript.h"
#include "roomfile/TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>

Gegen::Gegen(Module1& raum, Desktop& desktop, QWidget* parent)
    : QDialog(parent), m(raum), desktop(desktop)
{
    setObjectName(QStringLiteral("Gegen"));
    setWindowTitle(QStringLiteral("Gegenstandsmanager"));
    setFixedSize(250, 170);

    file1 = new QListWidget(this);
    file1->setObjectName(QStringLiteral("File1"));
    file1->setGeometry(8, 8, 150, 154);
    file1->setUniformItemSizes(true);

    const QString knoepfe[] = {QStringLiteral("Anschauen"), QStringLiteral("Tue"),
                               QStringLiteral("Interagiere")};
    for (int i = 0; i < 3; ++i) {
        auto* knopf = new QPushButton(knoepfe[i], this);
        knopf->setObjectName(QStringLiteral("Command1_%1").arg(i));
        knopf->setGeometry(166, 8 + i * 28, 76, 23);
        knopf->setAutoDefault(false);
        connect(knopf, &QPushButton::clicked, this, [this, i] { bearbeiten(i); });
    }
}

void Gegen::laden()
{
    file1->clear();
    file1->addItems(dateiListe(m.ItemsPfad, bildMuster));
    if (file1->count() > 0)
        file1->setCurrentRow(0);
}

void Gegen::zeigen()
{
    laden();
    desktop.showModal(*this);
}

QMessageBox::StandardButton Gegen::warnen(const QString& text, QMessageBox::StandardButton vorgabe)
{
    MessageRequest r;
    r.text = text;
    r.icon = QMessageBox::Warning;
    if (vorgabe != QMessageBox::NoButton) {
        r.buttons = QMessageBox::Yes | QMessageBox::No;
        r.defaultButton = vorgabe;
    }
    return desktop.message(this, r);
}

void Gegen::bearbeiten(int aktion)
{
    if (file1->count() == 0) {
        MessageRequest r;
        r.text = QStringLiteral("Es existiert noch kein Bild für einen Gegenstand");
        desktop.message(this, r);
        return;
    }
    const QListWidgetItem* eintrag = file1->currentItem();
    if (!eintrag)
        return;
    skriptBearbeiten(ItemSkript::dateiName(m.ItemsPfad + eintrag->text(), aktion), aktion);
}

void Gegen::skriptBearbeiten(QString pfad, int aktion, qint32 zeile)
{
    // A folder made on Windows may spell the script file otherwise, SCHWERT2.SKP beside
    // Schwert.gif: that file is read and written, as the checker reads it, and no second one.
    if (const QString gefunden = findeDatei(m.ItemsPfad, DateiName(pfad)); !gefunden.isEmpty())
        pfad = gefunden;
    const QString zeigbar = QDir::toNativeSeparators(pfad);

    Skript skript = ItemSkript::vorgabe(aktion);
    if (QFileInfo::exists(pfad)) {
        const std::optional<QByteArray> bytes = TextFile::read(pfad);
        if (!bytes) {
            warnen(QStringLiteral("Die Skriptdatei %1 kann nicht geöffnet werden.").arg(zeigbar));
            return;
        }
        const ItemSkript::LeseErgebnis e = ItemSkript::lesen(*bytes, skript);
        if (!e.vollstaendig) {
            // Editing what could be read overwrites the rest: only with the author's consent.
            const QString frage =
                QStringLiteral("Die Skriptdatei %1 ist fehlerhaft: Das Lesen hat in Zeile %2 "
                               "aufgehört.\n\nWollen Sie bearbeiten, was davor stand? Die Datei "
                               "wird dann beim Schließen des Skripteditors damit überschrieben.")
                    .arg(zeigbar)
                    .arg(e.zeile);
            if (warnen(frage, QMessageBox::No) != QMessageBox::Yes)
                return;
        }
    }

    m.AktSkript = skript;
    if (skriptEditorZeigen)
        skriptEditorZeigen({false, {}, pfad}, zeile);
    // The edited script lives only in AktSkript: a failed write may be tried again, say
    // after making room on the disk.
    const QByteArray bytes = ItemSkript::schreiben(m.AktSkript);
    bool geschrieben = true;
    while (!TextFile::write(pfad, bytes)) {
        const QString frage = QStringLiteral("Die Skriptdatei %1 konnte nicht gespeichert werden. "
                                             "Eine vorhandene Datei ist unverändert geblieben."
                                             "\n\nNoch einmal versuchen? Bei Nein geht die "
                                             "Änderung verloren.")
                                  .arg(zeigbar);
        if (warnen(frage, QMessageBox::Yes) != QMessageBox::Yes) {
            geschrieben = false;
            break;
        }
    }
    if (geschrieben)
        Q_EMIT skriptGeschrieben(pfad);
    if (nachDemSkript)
        nachDemSkript();
}
