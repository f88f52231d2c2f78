// Any bytes as what Graphviz's `dot -Tjson0` answers for the map: no crash; a layout read has
// edges between its own nodes, curves of whole cubic segments, and only numbers a scene can
// draw; anything else is refused with a reason.
#include "RaumRegeln.h"
#include "raeume/KartenLayout.h"

#include <cmath>
#include <cstdint>

namespace {

bool zeichenbar(double z)
{
    return std::isfinite(z) && std::abs(z) < 1e10;
}

bool zeichenbar(QPointF p)
{
    return zeichenbar(p.x()) && zeichenbar(p.y());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QString fehler;
    const std::optional<KartenLayout> l = KartenLayout::lesen(bytes, &fehler);
    if (!l) {
        pruefe(!fehler.isEmpty(), "a layout refused says why");
        return 0;
    }
    pruefe(zeichenbar(l->groesse.width()) && zeichenbar(l->groesse.height()) &&
               l->groesse.width() >= 0 && l->groesse.height() >= 0,
           "the size");
    for (const KartenLayout::Knoten& k : l->knoten)
        pruefe(zeichenbar(k.rahmen.topLeft()) && zeichenbar(k.rahmen.bottomRight()) &&
                   k.rahmen.width() >= 0 && k.rahmen.height() >= 0,
               "a node's frame");
    const int knoten = int(l->knoten.size());
    for (const KartenLayout::Kante& k : l->kanten) {
        pruefe(k.von >= 0 && k.von < knoten && k.nach >= 0 && k.nach < knoten,
               "an edge between nodes of the layout");
        pruefe(k.kurve.size() >= 4 && (k.kurve.size() - 1) % 3 == 0, "whole cubic segments");
        for (const QPointF& p : k.kurve)
            pruefe(zeichenbar(p), "a curve's point");
        pruefe((!k.spitze || zeichenbar(*k.spitze)) &&
                   (!k.beschriftung || zeichenbar(*k.beschriftung)),
               "arrow and label");
    }
    return 0;
}
