#include "Verwendungen.h"

#include "Namensvorschlaege.h"
#include "VerwendungenModell.h"
#include "platform/Desktop.h"
#include "spiel/Pruefdienst.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTreeView>

namespace {

const NamensArt arten[] = {NamensArt::Flag,  NamensArt::Gegenstand, NamensArt::Raum,
                           NamensArt::Bild,  NamensArt::Ton,        NamensArt::HotSpot,
                           NamensArt::Label, NamensArt::Text};

QString anzahlText(qsizetype n, const char* eins, const char* mehr)
{
    return QString::number(n) + QLatin1Char(' ') + QString::fromUtf8(n == 1 ? eins : mehr);
}

} // namespace

Verwendungen::Verwendungen(Pruefdienst& dienst, Desktop& desktop, QWidget* parent)
    : QDialog(parent), dienst(dienst), desktop(desktop)
{
    setObjectName(QStringLiteral("Verwendungen"));
    setWindowTitle(QStringLiteral("Verwendungen"));
    setFixedSize(600, 380);

    auto* nameText = new QLabel(QStringLiteral("Name:"), this);
    nameText->setGeometry(8, 10, 40, 16);
    name = new QLineEdit(this);
    name->setObjectName(QStringLiteral("Name"));
    name->setGeometry(48, 8, 230, 20);
    auto* artText = new QLabel(QStringLiteral("Art:"), this);
    artText->setGeometry(290, 10, 30, 16);
    art = new QComboBox(this);
    art->setObjectName(QStringLiteral("Art"));
    art->setGeometry(316, 8, 96, 20);
    for (const NamensArt a : arten)
        art->addItem(Verwendungssuche::artName(a));
    bereich = new QCheckBox(this);
    bereich->setObjectName(QStringLiteral("Bereich"));
    bereich->setGeometry(420, 8, 172, 20);
    bereich->hide();

    modell = new VerwendungenModell(this);
    liste = new QTreeView(this);
    liste->setObjectName(QStringLiteral("Liste"));
    liste->setGeometry(8, 36, 584, 314);
    liste->setModel(modell);
    // A row per file and one per place below it, as "Spiel prüfen" lists its findings: a tree
    // of thousands of places would be laid out anew with every key.
    liste->setRootIsDecorated(false);
    liste->setItemsExpandable(false);
    liste->setUniformRowHeights(true);
    liste->setAllColumnsShowFocus(true);
    liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
    liste->header()->resizeSection(VerwendungenModell::Wo, 210);
    liste->header()->resizeSection(VerwendungenModell::Zeile, 40);
    anzahl = new QLabel(this);
    anzahl->setObjectName(QStringLiteral("Anzahl"));
    anzahl->setGeometry(8, 356, 584, 16);
    vorschlaege = new Namensvorschlaege(dienst, name);

    connect(name, &QLineEdit::textChanged, this, &Verwendungen::suchen);
    connect(art, &QComboBox::currentIndexChanged, this, [this] {
        // Narrowed to one room or script only as asked.
        bereich->setVisible(!datei.isEmpty() &&
                            (gewaehlt() == NamensArt::HotSpot || gewaehlt() == NamensArt::Label));
        vorschlagen();
        suchen();
    });
    connect(bereich, &QCheckBox::toggled, this, [this] {
        vorschlagen();
        suchen();
    });
    connect(liste, &QTreeView::activated, this, &Verwendungen::aktiviert);
    // The list follows the game as it is read and saved, file by file.
    connect(&dienst, &Pruefdienst::geaendert, this, [this] {
        if (isVisible())
            suchen();
    });
}

NamensArt Verwendungen::gewaehlt() const
{
    return arten[std::max(0, art->currentIndex())];
}

void Verwendungen::vorschlagen()
{
    const bool nurDort = !bereich->isHidden() && bereich->isChecked();
    vorschlaege->anbieten(gewaehlt(), nurDort ? datei : QString());
}

void Verwendungen::zeigen(NamensArt a, const QString& n, const QString& d, int s)
{
    datei = d;
    skript = s;
    bereich->setText(QStringLiteral("nur in ") + QDir::fromNativeSeparators(d));
    {
        // One search for all of them, below.
        const QSignalBlocker sperreName(name);
        const QSignalBlocker sperreArt(art);
        const QSignalBlocker sperreBereich(bereich);
        bereich->setChecked(true);
        name->setText(n);
        art->setCurrentIndex(
            int(std::find(std::begin(arten), std::end(arten), a) - std::begin(arten)));
    }
    bereich->setVisible(!d.isEmpty() && (a == NamensArt::HotSpot || a == NamensArt::Label));
    vorschlagen();
    suchen();
    name->setFocus();
    desktop.showModal(*this);
}

void Verwendungen::suchen()
{
    Verwendungssuche::Anfrage a{gewaehlt(), name->text(), {}, -1};
    if (!bereich->isHidden() && bereich->isChecked()) {
        a.datei = datei;
        a.skript = a.art == NamensArt::Label ? skript : -1;
    }
    modell->suchen(dienst.spiel(), a);
    // The place chosen stays chosen while it is listed; else the first place is.
    if (!modell->verwendung(liste->currentIndex()) && modell->rowCount() > 1)
        liste->setCurrentIndex(modell->index(1, 0));
    if (!dienst.bereit())
        anzahl->setText(QStringLiteral("Das Spiel wird noch gelesen …"));
    else if (name->text().isEmpty())
        anzahl->setText(QString());
    else
        anzahl->setText(anzahlText(modell->anzahl(), "Verwendung", "Verwendungen") +
                        QStringLiteral(" in ") + anzahlText(modell->dateien(), "Datei", "Dateien"));
}

void Verwendungen::aktiviert(const QModelIndex& index)
{
    const Verwendungssuche::Verwendung* v = modell->verwendung(index);
    if (!v)
        return;
    // Closing the window may change what the model holds.
    const Verwendungssuche::Verwendung gewaehlt = *v;
    accept();
    if (oeffnen)
        oeffnen(gewaehlt.stelle.datei, gewaehlt.ort, gewaehlt.stelle.zeile);
}
