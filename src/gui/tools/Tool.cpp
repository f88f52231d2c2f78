#include "Tool.h"

#include "model/Module1.h"
#include "platform/Desktop.h"
#include "platform/Papierkorb.h"
#include "regeln/DateiListe.h"
#include "regeln/Pruefung.h"
#include "regeln/Referenzen.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>

namespace {

QListWidget* liste(QWidget* parent, const QString& name, int links,
                   QAbstractItemView::SelectionMode modus)
{
    auto* l = new QListWidget(parent);
    l->setObjectName(name);
    l->setGeometry(links, 8, 137, 161);
    l->setSelectionMode(modus);
    l->setUniformItemSizes(true);
    return l;
}

QStringList eintraege(const QListWidget* liste)
{
    QStringList namen;
    namen.reserve(liste->count());
    for (int i = 0; i < liste->count(); ++i)
        namen.append(liste->item(i)->text());
    return namen;
}

/// Deselects `zeilen` in one selection change. The selection is set anew as runs of rows:
/// deselecting thousands of scattered rows one by one splits it ever further and slows down.
void abwaehlen(QListWidget* liste, QVector<int>& zeilen)
{
    if (zeilen.isEmpty())
        return;
    QItemSelectionModel* auswahl = liste->selectionModel();
    QVector<bool> gewaehlt(liste->count(), false);
    for (const QItemSelectionRange& bereich : auswahl->selection()) {
        for (int z = bereich.top(); z <= bereich.bottom(); ++z)
            gewaehlt[z] = true;
    }
    for (int z : zeilen)
        gewaehlt[z] = false;
    zeilen.clear();
    QItemSelection neu;
    for (int z = 0; z < gewaehlt.size(); ++z) {
        if (!gewaehlt[z])
            continue;
        const int anfang = z;
        while (z + 1 < gewaehlt.size() && gewaehlt[z + 1])
            ++z;
        neu.select(liste->model()->index(anfang, 0), liste->model()->index(z, 0));
    }
    auswahl->select(neu, QItemSelectionModel::ClearAndSelect);
}

} // namespace

Tool::Tool(Module1& raum, Desktop& desktop, QWidget* parent)
    : QDialog(parent), m(raum), desktop(desktop)
{
    setObjectName(QStringLiteral("Tool"));
    setWindowTitle(QStringLiteral("Form1"));
    setFixedSize(443, 235);

    file1 = liste(this, QStringLiteral("File1"), 8, QAbstractItemView::MultiSelection);
    file2 = liste(this, QStringLiteral("File2"), 153, QAbstractItemView::SingleSelection);
    file3 = liste(this, QStringLiteral("File3"), 298, QAbstractItemView::MultiSelection);

    command1 = new QPushButton(QStringLiteral("Start"), this);
    command1->setObjectName(QStringLiteral("Command1"));
    command1->setGeometry(153, 177, 137, 23);
    command1->setAutoDefault(false);
    connect(command1, &QPushButton::clicked, this, &Tool::start);
    command2 = new QPushButton(QStringLiteral("kill"), this);
    command2->setObjectName(QStringLiteral("Command2"));
    command2->setGeometry(153, 204, 137, 23);
    command2->setAutoDefault(false);
    connect(command2, &QPushButton::clicked, this, &Tool::kill);
}

void Tool::laden()
{
    file1->clear();
    file1->addItems(dateiListe(m.GraphicsPfad, bildMuster));
    file2->clear();
    file2->addItems(dateiListe(m.raeumeOrdner(), QStringLiteral("*.lsd")));
    file3->clear();
    file3->addItems(dateiListe(m.SoundsPfad, klangMuster));
}

void Tool::zeigen()
{
    laden();
    desktop.showModal(*this);
}

void Tool::reject()
{
    if (!laeuft)
        QDialog::reject();
}

void Tool::closeEvent(QCloseEvent* event)
{
    if (laeuft)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void Tool::start()
{
    if (laeuft)
        return;
    laeuft = true;
    command1->setEnabled(false);
    command2->setEnabled(false);

    file1->selectAll();
    file3->selectAll();
    Pruefung pruefung(eintraege(file1), eintraege(file3));
    // References are matched and deselected whenever the window is painted: together, they
    // find the lists' index still in the cache.
    QVector<Referenz> offen;
    const auto zaehlen = [&](const QVector<Referenz>& referenzen) { offen += referenzen; };
    const auto auswahlZeigen = [&] {
        Pruefung::Treffer treffer = pruefung.zaehlen(offen);
        offen.clear();
        abwaehlen(file1, treffer.bilder);
        abwaehlen(file3, treffer.klaenge);
        if (const QListWidgetItem* raum = file2->currentItem())
            file2->scrollToItem(raum);
        setUpdatesEnabled(true);
    };
    // What an item script shows or plays is in use, though no room names it.
    for (const ItemSkriptReferenzen& skript : itemSkripteLesen(m.ItemsPfad))
        zaehlen(skript.referenzen);

    Module1 arbeitsRaum;
    QByteArray puffer;
    const QString raeume = m.raeumeOrdner() + QLatin1Char('/');
    const int anzahl = file2->count();
    QElapsedTimer seitBild;
    // The rooms list is scrolled to its current room only when the window is painted:
    // scrolling to each one of a thousand rooms would add a tenth to the scan.
    file2->setAutoScroll(false);
    for (int i = 0; i < anzahl; ++i) {
        // The rooms list follows the scan: each room is its current entry while it is read.
        file2->setCurrentRow(i);
        const QString pfad = raeume + file2->item(i)->text();
        const RaumReferenzen raum = raumDateiLesen(pfad, arbeitsRaum, puffer);
        // References found before a fault count all the same.
        zaehlen(raum.referenzen);
        // Events come through after every room, but the window is painted at display pace:
        // painting each of a thousand rooms would take several times longer than reading
        // them.
        const bool fehler = !raum.ergebnis.vollstaendig;
        if (fehler || i == 0 || i == anzahl - 1 || seitBild.hasExpired(25)) {
            auswahlZeigen();
            seitBild.start();
        } else {
            setUpdatesEnabled(false);
        }
        if (fehler)
            fehlerhafterRaum(pfad);
        QCoreApplication::processEvents();
    }
    auswahlZeigen();
    file2->setAutoScroll(true);

    MessageRequest fertig;
    fertig.text = QStringLiteral("Fertig");
    desktop.message(this, fertig);
    command1->setEnabled(true);
    command2->setEnabled(true);
    laeuft = false;
}

void Tool::fehlerhafterRaum(const QString& pfad)
{
    MessageRequest frage;
    frage.text = QDir::toNativeSeparators(pfad) + QStringLiteral(" hat einen Fehler. Löschen?");
    frage.buttons = QMessageBox::Yes | QMessageBox::No;
    frage.defaultButton = QMessageBox::No;
    if (desktop.message(this, frage) != QMessageBox::Yes)
        return;
    switch (Papierkorb::entfernen(desktop, pfad)) {
    case Papierkorb::Ergebnis::Weg:
        break;
    case Papierkorb::Ergebnis::Endgueltig:
        desktop.warn(
            this, QStringLiteral("Für die Datei %1 gibt es keinen Papierkorb: Sie wurde endgültig "
                                 "gelöscht.")
                      .arg(QDir::toNativeSeparators(pfad)));
        break;
    case Papierkorb::Ergebnis::Geblieben:
        desktop.warn(this, QStringLiteral("Die Datei %1 konnte nicht gelöscht werden.")
                               .arg(QDir::toNativeSeparators(pfad)));
        break;
    }
}

void Tool::loeschen(QListWidget* liste, const QString& ordner, QStringList& endgueltig,
                    QStringList& geblieben)
{
    QStringList namen;
    for (int i = 0; i < liste->count(); ++i) {
        if (liste->item(i)->isSelected())
            namen.append(liste->item(i)->text());
    }
    for (const QString& name : namen) {
        const QString pfad = ordner + name;
        switch (Papierkorb::entfernen(desktop, pfad)) {
        case Papierkorb::Ergebnis::Weg:
            break;
        case Papierkorb::Ergebnis::Endgueltig:
            endgueltig.append(QDir::toNativeSeparators(pfad));
            break;
        case Papierkorb::Ergebnis::Geblieben:
            geblieben.append(QDir::toNativeSeparators(pfad));
            break;
        }
    }
}

void Tool::kill()
{
    if (laeuft)
        return;
    QStringList endgueltig, geblieben;
    loeschen(file1, m.GraphicsPfad, endgueltig, geblieben);
    loeschen(file3, m.SoundsPfad, endgueltig, geblieben);
    // Everything in the trash: nothing to say, as "kill" never said anything.
    const auto liste = [](const QString& kopf, const QStringList& pfade) {
        constexpr int hoechstens = 20;
        QString text = kopf + QStringLiteral("\n\n") +
                       QStringList(pfade.mid(0, hoechstens)).join(QLatin1Char('\n'));
        if (pfade.size() > hoechstens)
            text += QStringLiteral("\n… und %1 weitere.").arg(pfade.size() - hoechstens);
        return text;
    };
    QStringList absaetze;
    if (!endgueltig.isEmpty())
        absaetze << liste(QStringLiteral("Für diese Dateien gibt es keinen Papierkorb; sie wurden "
                                         "endgültig gelöscht:"),
                          endgueltig);
    if (!geblieben.isEmpty())
        absaetze << liste(QStringLiteral("Diese Dateien konnten nicht gelöscht werden:"),
                          geblieben);
    if (!absaetze.isEmpty())
        desktop.warn(this, absaetze.join(QStringLiteral("\n\n")));
}
