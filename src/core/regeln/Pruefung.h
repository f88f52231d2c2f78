// The pictures and sounds of a game folder and which of them a reference names.
#pragma once

#include "Referenzen.h"

#include <QStringList>
#include <QVector>
#include <unordered_map>

/// The pictures and sounds of a game folder and which of them a reference names. A reference
/// names every entry whose name equals its comparison key (dateiSchluessel) ignoring case;
/// the entries are found through a hash of their case-folded names.
class Pruefung
{
public:
    Pruefung(const QStringList& bilder, const QStringList& klaenge);

    /// Rows of the picture and sound lists.
    struct Treffer
    {
        QVector<int> bilder;
        QVector<int> klaenge;
    };

    /// Counts the references that can name a picture or a sound (the background, "LoadPic",
    /// "PlayWav") as uses of it; returns the rows they name.
    Treffer zaehlen(const QVector<Referenz>& referenzen);
    /// The same for one reference; whether it names a listed picture or sound.
    bool zaehlen(const Referenz& referenz);

    /// The entries no reference counted so far names, in list order.
    QStringList unbenutzteBilder() const { return bilder.unbenutzt(); }
    QStringList unbenutzteKlaenge() const { return klaenge.unbenutzt(); }

private:
    struct Liste
    {
        explicit Liste(const QStringList& namen);
        /// Whether the value names an entry; each it names is counted and added to `zeilen`.
        bool benutzen(const QString& wert, QVector<int>* zeilen);
        QStringList unbenutzt() const;

        QStringList namen;
        QVector<bool> benutzt;
        /// Rows by the hash of their case-folded names.
        std::unordered_multimap<quint64, int> index;
    };
    Liste bilder;
    Liste klaenge;
};
