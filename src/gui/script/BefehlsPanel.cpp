#include "BefehlsPanel.h"

#include "platform/StorableTextValidator.h"
#include "script/Befehlstabelle.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <limits>

namespace {

constexpr int zeile = 16;
constexpr int hoehe = 19;
constexpr int abstand = 4;

QLabel* label(QWidget* panel, const QString& name, const QString& text, int links)
{
    auto* l = new QLabel(text, panel);
    l->setObjectName(name);
    l->setGeometry(links, zeile, l->fontMetrics().horizontalAdvance(text) + 1, hoehe);
    return l;
}

} // namespace

BefehlsPanel::BefehlsPanel(qint32 code, QWidget* parent) : QGroupBox(parent)
{
    const Befehlstabelle::Befehl& b = Befehlstabelle::befehl(code);
    const QString k = QString::number(code);
    setObjectName(QStringLiteral("Befehl_") + k);
    setTitle(b.hilfe);
    setGeometry(Links, Oben, Breite, Hoehe);

    int links = 8;
    if (!b.label.isEmpty())
        links = label(this, QStringLiteral("Label1_") + k, b.label, 8)->geometry().right() + 1 +
                abstand;
    int rechts = Breite - 8;
    if (!b.labelDanach.isEmpty())
        rechts = label(this, QStringLiteral("Label2_") + k, b.labelDanach, 464)->x() - abstand;
    if (!b.knopfName.isEmpty()) {
        knopf_ = new QPushButton(QStringLiteral("..."), this);
        knopf_->setObjectName(b.knopfName);
        knopf_->setGeometry(b.schmal ? QRect(480, zeile, 17, 17) : QRect(472, zeile, 25, 17));
        rechts = knopf_->x() - 2;
    }

    text1 = new QLineEdit(this);
    text1->setObjectName(QStringLiteral("Text1_") + k);
    text1->setGeometry(links, zeile, rechts - links, hoehe);
    // Parameters have no length limit; a cut would lose text read from a room.
    text1->setMaxLength(std::numeric_limits<int>::max());
    StorableTextValidator::attach(text1, false);
    text1->setHidden(!b.box);
    if (knopf_)
        setTabOrder(text1, knopf_);
}
