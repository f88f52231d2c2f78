#pragma once

#include <QColor>
#include <QLinearGradient>
#include <QRadialGradient>
#include <initializer_list>
#include <utility>

// Small painting helpers shared by the pictures.

inline QColor hex(QRgb rgb, int alpha = 255)
{
    QColor c(rgb);
    c.setAlpha(alpha);
    return c;
}

using Stopps = std::initializer_list<std::pair<qreal, QColor>>;

inline QLinearGradient verlauf(QPointF von, QPointF bis, Stopps stopps)
{
    QLinearGradient g(von, bis);
    for (const auto& [pos, farbe] : stopps)
        g.setColorAt(pos, farbe);
    return g;
}

inline QRadialGradient schein(QPointF mitte, qreal radius, Stopps stopps)
{
    QRadialGradient g(mitte, radius);
    for (const auto& [pos, farbe] : stopps)
        g.setColorAt(pos, farbe);
    return g;
}
