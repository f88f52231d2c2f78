#include "Verwendungen.h"

#include "check/Pruefdienst.h"
#include "platform/Desktop.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

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

    liste = new QTreeWidget(this);
    liste->setObjectName(QStringLiteral("Liste"));
    liste->setGeometry(8, 36, 584, 314);
    liste->setHeaderLabels(
        {QStringLiteral("Datei, Skript"), QStringLiteral("Zeile"), QStringLiteral("Inhalt")});
    liste->setColumnWidth(0, 210);
    liste->setColumnWidth(1, 40);
    liste->setUniformRowHeights(true);
    liste->setRootIsDecorated(true);
    anzahl = new QLabel(this);
    anzahl->setObjectName(QStringLiteral("Anzahl"));
    anzahl->setGeometry(8, 356, 584, 16);

    connect(name, &QLineEdit::textChanged, this, &Verwendungen::suchen);
    connect(art, &QComboBox::currentIndexChanged, this, [this] {
        // Narrowed to one room or script only as asked.
        bereich->setVisible(!datei.isEmpty() && (arten[art->currentIndex()] == NamensArt::HotSpot ||
                                                 arten[art->currentIndex()] == NamensArt::Label));
        suchen();
    });
    connect(bereich, &QCheckBox::toggled, this, &Verwendungen::suchen);
    connect(liste, &QTreeWidget::itemActivated, this, &Verwendungen::aktiviert);
    // The list follows the game as it is read and saved.
    connect(&dienst, &Pruefdienst::geaendert, this, [this] {
        if (isVisible())
            suchen();
    });
}

void Verwendungen::zeigen(NamensArt a, const QString& n, const QString& d, int s)
{
    datei = d;
    skript = s;
    bereich->setText(QStringLiteral("nur in ") + QDir::fromNativeSeparators(d));
    bereich->setChecked(true);
    {
        // One search for both, below.
        const QSignalBlocker sperreName(name);
        const QSignalBlocker sperreArt(art);
        name->setText(n);
        art->setCurrentIndex(
            int(std::find(std::begin(arten), std::end(arten), a) - std::begin(arten)));
    }
    bereich->setVisible(!d.isEmpty() && (a == NamensArt::HotSpot || a == NamensArt::Label));
    suchen();
    name->setFocus();
    desktop.showModal(*this);
}

void Verwendungen::suchen()
{
    Verwendungssuche::Anfrage a{arten[art->currentIndex()], name->text(), {}, -1};
    if (!bereich->isHidden() && bereich->isChecked()) {
        a.datei = datei;
        a.skript = a.art == NamensArt::Label ? skript : -1;
    }
    gefunden = Verwendungssuche::suchen(dienst.spiel(), a);
    liste->clear();
    QTreeWidgetItem* dateiZeile = nullptr;
    int dateien = 0;
    QList<QTreeWidgetItem*> oben;
    for (int i = 0; i < gefunden.size(); ++i) {
        const SkriptStelle& s = gefunden[i].stelle;
        if (!dateiZeile || (i > 0 && gefunden[i - 1].stelle.datei != s.datei)) {
            dateiZeile = new QTreeWidgetItem({QDir::fromNativeSeparators(s.datei)});
            dateiZeile->setData(0, Qt::UserRole, s.datei);
            dateiZeile->setFlags(Qt::ItemIsEnabled);
            oben << dateiZeile;
            ++dateien;
        }
        const QString wo = s.zeile >= 0
                               ? (s.skript.isEmpty() ? QStringLiteral("Skript") : s.skript)
                               : (s.skript.isEmpty() ? QStringLiteral("Hintergrund") : s.skript);
        auto* zeile = new QTreeWidgetItem(
            dateiZeile,
            {wo, s.zeile >= 0 ? QString::number(s.zeile + 1) : QString(), s.zeilenText});
        zeile->setData(0, Qt::UserRole + 1, i);
    }
    liste->addTopLevelItems(oben);
    liste->expandAll();
    if (!oben.isEmpty())
        liste->setCurrentItem(oben.first()->child(0));
    if (!dienst.bereit())
        anzahl->setText(QStringLiteral("Das Spiel wird noch gelesen …"));
    else if (name->text().isEmpty())
        anzahl->setText(QString());
    else
        anzahl->setText(anzahlText(gefunden.size(), "Verwendung", "Verwendungen") +
                        QStringLiteral(" in ") + anzahlText(dateien, "Datei", "Dateien"));
}

void Verwendungen::aktiviert(QTreeWidgetItem* zeile)
{
    const QVariant i = zeile ? zeile->data(0, Qt::UserRole + 1) : QVariant();
    if (!i.isValid())
        return;
    const Verwendungssuche::Verwendung v = gefunden.value(i.toInt());
    accept();
    if (oeffnen)
        oeffnen(v.stelle.datei, v.ort, v.stelle.zeile);
}
