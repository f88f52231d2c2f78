#include "Look.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

void applyEditorLook()
{
    // The same style everywhere, so that the pixel layout looks alike on every platform.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont schrift = QApplication::font();
    schrift.setPixelSize(10);
    QApplication::setFont(schrift);
    qApp->setStyleSheet(QStringLiteral("QCheckBox { spacing: 2px; }"));
}
