#include "Farben.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <cmath>

namespace {

double leuchtdichte(const QColor& c)
{
    const auto kanal = [](int wert) {
        const double v = wert / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * kanal(c.red()) + 0.7152 * kanal(c.green()) + 0.0722 * kanal(c.blue());
}

double kontrast(const QColor& a, const QColor& b)
{
    const double la = leuchtdichte(a), lb = leuchtdichte(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

} // namespace

const std::array<QColor, 16>& Farben::palette()
{
    static const std::array<QColor, 16> p{
        QColor(0, 0, 0),       QColor(0, 0, 128),   QColor(0, 128, 0),   QColor(0, 128, 128),
        QColor(128, 0, 0),     QColor(128, 0, 128), QColor(128, 128, 0), QColor(192, 192, 192),
        QColor(128, 128, 128), QColor(0, 0, 255),   QColor(0, 255, 0),   QColor(0, 255, 255),
        QColor(255, 0, 0),     QColor(255, 0, 255), QColor(255, 255, 0), QColor(255, 255, 255)};
    return p;
}

Farben::Farben(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Farben"));
    setWindowTitle(QStringLiteral("Farben"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(58, 228);
    picture1 = new QLabel(this);
    picture1->setObjectName(QStringLiteral("Picture1"));
    picture1->setGeometry(8, 0, 41, 225);
}

void Farben::laden()
{
    // No single background serves black, white, navy and yellow alike: each line stands on
    // a light or a dark band, whichever sets its colour off more.
    const QColor hell(255, 255, 255), dunkel(40, 40, 40);
    QPixmap bild(picture1->size());
    bild.fill(hell);
    QPainter p(&bild);
    QFont schrift = font();
    schrift.setPixelSize(12);
    schrift.setBold(true);
    // Every pixel of a code in exactly its colour.
    schrift.setStyleStrategy(QFont::NoAntialias);
    p.setFont(schrift);
    const int zeile = picture1->height() / 16;
    for (int i = 0; i < 16; ++i) {
        const QColor farbe = palette()[i];
        const QRect band(0, i * zeile, bild.width(), zeile);
        p.fillRect(band, kontrast(farbe, hell) >= kontrast(farbe, dunkel) ? hell : dunkel);
        p.setPen(farbe);
        const QChar code = i < 10 ? QChar(u'0' + i) : QChar(87 + i);
        p.drawText(band.adjusted(4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, QString(code));
    }
    p.end();
    picture1->setPixmap(bild);
}
