#include "Look.h"

#include <QApplication>
#include <QCheckBox>
#include <QFont>
#include <QStyleFactory>

namespace {

/// Gives every check box, as it is polished, the style sheet that puts its text 2 pixels from
/// its box. A style sheet for the whole application would say the same, but every widget would
/// then be polished and drawn through the style sheet's machinery, a sixth of the editor's
/// start.
class Kaestchen : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    bool eventFilter(QObject* objekt, QEvent* event) override
    {
        // Before the widget polishes itself, so that it does so with the style sheet.
        if (event->type() == QEvent::Polish) {
            if (auto* kaestchen = qobject_cast<QCheckBox*>(objekt);
                kaestchen && kaestchen->styleSheet().isEmpty())
                kaestchen->setStyleSheet(QStringLiteral("spacing: 2px;"));
        }
        return false;
    }
};

} // namespace

void applyEditorLook()
{
    // The same style everywhere, so that the pixel layout looks alike on every platform.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont schrift = QApplication::font();
    schrift.setPixelSize(10);
    QApplication::setFont(schrift);
    if (!qApp->findChild<Kaestchen*>(QString(), Qt::FindDirectChildrenOnly))
        qApp->installEventFilter(new Kaestchen(qApp));
}

#include "Look.moc"
