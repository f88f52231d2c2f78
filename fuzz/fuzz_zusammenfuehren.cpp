// Any three files, split at "\n=====\n", as git hands them to the merge driver (base, ours,
// theirs), and each alone to the diff driver: no crash; what the merge writes is ours, theirs or
// a room (or item script) that reads to its end; one side unchanged gives the other's bytes;
// the text ends in where reading stops exactly when the file cannot be read to its end.
#include "RaumRegeln.h"
#include "git/Textform.h"
#include "git/Zusammenfuehren.h"
#include "roomfile/ItemSkript.h"
#include "roomfile/RoomFile.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QList<QByteArray> teile = bytes.split('\n');
    QList<QByteArray> fassungen{QByteArray()};
    for (const QByteArray& zeile : teile) {
        if (zeile == "=====" && fassungen.size() < 3)
            fassungen.append(QByteArray());
        else
            fassungen.last() += zeile + '\n';
    }
    while (fassungen.size() < 3)
        fassungen.append(fassungen.first());
    const QByteArray& basis = fassungen[0];
    const QByteArray& unsere = fassungen[1];
    const QByteArray& deren = fassungen[2];

    for (const Textform::Art art : {Textform::Art::Raum, Textform::Art::ItemSkript}) {
        for (const QByteArray& f : fassungen) {
            const bool ganz = art == Textform::Art::Raum
                                  ? [&] { Module1 m; return RoomFile::lesen(f, m).vollstaendig; }()
                                  : [&] { Skript s; return ItemSkript::lesen(f, s).vollstaendig; }();
            const QByteArray text = Textform::text(art, f);
            const QByteArray letzte = text.chopped(text.endsWith('\n') ? 1 : 0).split('\n').last();
            pruefe(letzte.startsWith("Lesen bricht in Zeile ") == !ganz,
                   "the text says where reading stops exactly when it does");
        }
        const Zusammenfuehren::Ergebnis e = Zusammenfuehren::dateien(art, basis, unsere, deren);
        if (e.bytes != unsere && e.bytes != deren) {
            bool ganz = false;
            if (art == Textform::Art::Raum) {
                Module1 m;
                ganz = RoomFile::lesen(e.bytes, m).vollstaendig && verletzteRegel(m).isEmpty();
            } else {
                Skript s;
                ganz = ItemSkript::lesen(e.bytes, s).vollstaendig;
            }
            pruefe(ganz, "a merged file reads to its end");
        }
        pruefe(Zusammenfuehren::dateien(art, basis, unsere, basis).bytes == unsere &&
                   Zusammenfuehren::dateien(art, basis, basis, deren).bytes == deren,
               "one side unchanged is the other side");
        Q_UNUSED(Zusammenfuehren::meldung(e, QStringLiteral("raum.lsd")));
    }
    return 0;
}
