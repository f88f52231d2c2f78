#include "HotSpotPanel.h"

#include "model/HotSpot.h"
#include "platform/StorableTextValidator.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace {

QPushButton* knopf(QWidget* parent, const QString& name, const QRect& geometry)
{
    auto* b = new QPushButton(QStringLiteral("..."), parent);
    b->setObjectName(name);
    b->setGeometry(geometry);
    return b;
}

QLineEdit* textfeld(QWidget* parent, const QString& name, const QRect& geometry, bool nurDateiName)
{
    auto* t = new QLineEdit(parent);
    t->setObjectName(name);
    t->setGeometry(geometry);
    StorableTextValidator::attach(t, nurDateiName);
    return t;
}

} // namespace

HotSpotPanel::HotSpotPanel(QWidget* parent) : QGroupBox(QStringLiteral("Frame1"), parent)
{
    setObjectName(QStringLiteral("Frame1"));
    setFlat(true);

    text1 = textfeld(this, QStringLiteral("Text1"), {0, 0, 105, 19}, false);
    connect(text1, &QLineEdit::textChanged, this, &HotSpotPanel::nameEdited);

    static const char* const aktionen[3] = {"Sieh an!", "Tue", "Interagiere"};
    for (int i = 0; i < 3; ++i) {
        const int top = 24 + 16 * i;
        check1[i] = new QCheckBox(QString::fromUtf8(aktionen[i]), this);
        check1[i]->setObjectName(QStringLiteral("Check1_%1").arg(i));
        check1[i]->setGeometry(0, top, 73, 17);
        connect(check1[i], &QCheckBox::clicked, this,
                [this, i](bool checked) { Q_EMIT aktionClicked(i, checked); });
        command1[i] = knopf(this, QStringLiteral("Command1_%1").arg(i), {80, top, 25, 17});
        connect(command1[i], &QPushButton::clicked, this, [this, i] { Q_EMIT scriptRequested(i); });
    }

    text2 = textfeld(this, QStringLiteral("Text2"), {0, 80, 81, 19}, true);
    connect(text2, &QLineEdit::textChanged, this, &HotSpotPanel::cursorEdited);
    command8 = knopf(this, QStringLiteral("Command8"), {80, 80, 25, 17});
    connect(command8, &QPushButton::clicked, this, &HotSpotPanel::cursorRequested);

    check2 = new QCheckBox(QStringLiteral("Aktiv"), this);
    check2->setObjectName(QStringLiteral("Check2"));
    check2->setGeometry(0, 104, 105, 13);
    connect(check2, &QCheckBox::clicked, this, &HotSpotPanel::aktivClicked);

    text1->installEventFilter(this);
    text2->installEventFilter(this);
}

bool HotSpotPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn)
        Q_EMIT besuchBeginnt();
    // Undo and redo are the room's, also in a text box: the box's own would take back only
    // its typing, behind the room's history. With nothing to take back, the keys do nothing.
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        const auto* taste = static_cast<QKeyEvent*>(event);
        if (taste->matches(QKeySequence::Undo) || taste->matches(QKeySequence::Redo) ||
            taste->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y))
            return true;
    }
    return QGroupBox::eventFilter(watched, event);
}

void HotSpotPanel::fill(const HotSpot& hotSpot)
{
    text1->setText(hotSpot.Name);
    for (int i = 0; i < 3; ++i)
        check1[i]->setChecked(hotSpot.Aktion[i]);
    text2->setText(hotSpot.Cursor);
    check2->setChecked(hotSpot.Aktiv);
}

void HotSpotPanel::setCursorText(const QString& text)
{
    text2->setText(text);
}
