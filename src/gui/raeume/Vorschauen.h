#pragma once

#include "raeume/VorschauSchluessel.h"

#include <QHash>
#include <QImage>
#include <QObject>
#include <QPixmap>
#include <QThreadPool>
#include <QVector>
#include <memory>

class Module1;
struct SpielDatei;

/// The thumbnails of the rooms: each room's background picture at 160 x 120 with its
/// hotspots outlined faintly. They are made on threads of their own, the rooms asked for
/// last first, and kept by room file with the picture file and its modification time, so a
/// thumbnail shown again is there at once and a changed picture is made anew.
class Vorschauen : public QObject
{
    Q_OBJECT

public:
    static constexpr int Breite = 160;
    static constexpr int Hoehe = 120;

    /// The game folder whose paths `ordner` holds.
    explicit Vorschauen(const Module1& ordner, QObject* parent = nullptr);
    /// Waits for the thumbnails being made, a few milliseconds.
    ~Vorschauen() override;

    /// The thumbnail of `raum` as far as it is known, null before it was first made. One made
    /// from another version of the room, or not compared with the files since pruefen(), is
    /// compared and if need be made anew; fertig() tells when it changed.
    QPixmap bild(const std::shared_ptr<const SpielDatei>& raum);
    /// Every thumbnail is compared with the files again when it is next asked for: the
    /// pictures may have changed meanwhile.
    void pruefen();
    /// Thumbnails waiting or being made.
    int offen() const { return int(warteschlange.size()) + laufend; }

Q_SIGNALS:
    /// The thumbnail of the room file `datei` (as SpielDatei names it) changed.
    void fertig(const QString& datei);

private:
    struct Eintrag
    {
        QPixmap bild;
        VorschauSchluessel schluessel;
        bool gemacht = false;
        /// The version of the room last asked for, and the one the thumbnail was made from.
        std::shared_ptr<const SpielDatei> raum;
        std::shared_ptr<const SpielDatei> gemachtAus;
        int runde = -1;
        bool inArbeit = false;
    };
    struct Ergebnis
    {
        QString datei;
        std::shared_ptr<const SpielDatei> raum;
        VorschauSchluessel schluessel;
        /// Null when the key was the same as before.
        QImage bild;
        /// Why the picture is not shown, when it is not.
        QString ohneBild;
        int runde = 0;
    };
    struct Suche;

    void weiter();
    void angekommen(Ergebnis e);
    static Ergebnis machen(const Ergebnis& auftrag, const Module1& ordner, Suche& suche,
                           const VorschauSchluessel* alt);

    std::shared_ptr<const Module1> ordner;
    QThreadPool pool;
    QHash<QString, Eintrag> eintraege;
    /// Room files asked for, the last one first.
    QVector<QString> warteschlange;
    int laufend = 0;
    int runde = 0;
    std::shared_ptr<Suche> suche;
};
