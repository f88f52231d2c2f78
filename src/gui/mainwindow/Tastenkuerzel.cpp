#include "Tastenkuerzel.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

Tastenkuerzel::Tastenkuerzel(const QVector<Gruppe>& gruppen, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tastenkuerzel"));
    setWindowTitle(QStringLiteral("Tastenkürzel"));

    auto* liste = new QTreeWidget(this);
    liste->setObjectName(QStringLiteral("Tasten"));
    liste->setColumnCount(2);
    liste->setHeaderLabels({QStringLiteral("Taste"), QStringLiteral("Befehl")});
    liste->setRootIsDecorated(false);
    liste->setSelectionMode(QAbstractItemView::NoSelection);
    liste->setFocusPolicy(Qt::NoFocus);
    for (const Gruppe& gruppe : gruppen) {
        auto* kopf = new QTreeWidgetItem(liste, {gruppe.fenster});
        QFont fett = kopf->font(0);
        fett.setBold(true);
        kopf->setFont(0, fett);
        kopf->setFirstColumnSpanned(true);
        for (const Taste& taste : gruppe.tasten)
            new QTreeWidgetItem(kopf, {taste.first, taste.second});
    }
    liste->expandAll();
    liste->setItemsExpandable(false);
    liste->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    liste->header()->setStretchLastSection(true);

    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* aufbau = new QVBoxLayout(this);
    aufbau->addWidget(liste);
    aufbau->addWidget(knoepfe);
    // Wide enough for every line, so none is cut short.
    liste->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const QAbstractItemView* ansicht = liste;
    const int breite = ansicht->sizeHintForColumn(0) + ansicht->sizeHintForColumn(1);
    resize(std::max(560, breite + liste->indentation() + 60), 460);
}
