#include "Vorschauen.h"

#include "model/FindeDatei.h"
#include "model/Module1.h"
#include "platform/BildDatei.h"
#include "raeume/Umriss.h"
#include "spiel/SpielDatei.h"

#include <QMutex>
#include <QPainter>
#include <QThread>

/// One listing of the graphics folder for every thread: rooms made on Windows name their
/// pictures in other letter cases, and a folder of thousands is slow to list.
struct Vorschauen::Suche
{
    QMutex sperre;
    DateiSuche suche;
};

Vorschauen::Vorschauen(const Module1& ordner, QObject* parent)
    : QObject(parent), suche(std::make_shared<Suche>())
{
    auto pfade = std::make_shared<Module1>();
    pfade->setzeOrdner(ordner.AppPfad);
    this->ordner = pfade;
    pool.setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
}

Vorschauen::~Vorschauen()
{
    warteschlange.clear();
    pool.waitForDone();
}

QPixmap Vorschauen::bild(const std::shared_ptr<const SpielDatei>& raum)
{
    Eintrag& e = eintraege[raum->datei];
    e.raum = raum;
    if (!e.inArbeit && (e.gemachtAus != raum || e.runde != runde)) {
        e.inArbeit = true;
        warteschlange.append(raum->datei);
        weiter();
    }
    return e.bild;
}

void Vorschauen::pruefen()
{
    ++runde;
    // A folder listed before may lack pictures added since.
    suche = std::make_shared<Suche>();
}

void Vorschauen::weiter()
{
    while (laufend < pool.maxThreadCount() && !warteschlange.isEmpty()) {
        const Eintrag& e = eintraege[warteschlange.takeLast()];
        Ergebnis auftrag;
        auftrag.datei = e.raum->datei;
        auftrag.raum = e.raum;
        auftrag.runde = runde;
        const std::optional<VorschauSchluessel> alt =
            e.gemacht ? std::optional(e.schluessel) : std::nullopt;
        ++laufend;
        pool.start([this, auftrag, alt, pfade = ordner, suche = suche] {
            Ergebnis r = machen(auftrag, *pfade, *suche, alt ? &*alt : nullptr);
            // The window waits for this thread before it goes, so `this` is still there.
            QMetaObject::invokeMethod(
                this, [this, r] { angekommen(r); }, Qt::QueuedConnection);
        });
    }
}

Vorschauen::Ergebnis Vorschauen::machen(const Ergebnis& auftrag, const Module1& ordner,
                                        Suche& suche, const VorschauSchluessel* alt)
{
    Ergebnis r = auftrag;
    {
        QMutexLocker sperre(&suche.sperre);
        r.schluessel = VorschauSchluessel::von(*r.raum, ordner, &suche.suche);
    }
    if (alt && *alt == r.schluessel)
        return r;
    QImage bild(Breite, Hoehe, QImage::Format_RGB32);
    bild.fill(QColor(0x30, 0x30, 0x30));
    if (r.schluessel.bild.isEmpty()) {
        r.ohneBild = QStringLiteral("kein Bild");
    } else if (!r.schluessel.da) {
        r.ohneBild = QStringLiteral("Bild fehlt");
    } else {
        const QImage gelesen = BildDatei::vorschau(r.schluessel.bild, bild.size());
        if (gelesen.isNull()) {
            r.ohneBild = QStringLiteral("Bild unlesbar");
        } else {
            // Transparent parts show black, as on the canvas.
            bild.fill(Qt::black);
            QPainter(&bild).drawImage(0, 0, gelesen);
        }
    }
    QVector<QLine> linien;
    const auto pixel = [](int zelle, int zellen, int breite) {
        return std::min(zelle * breite / zellen, breite - 1);
    };
    for (const SpielDatei::Fleck& f : r.raum->hotSpots)
        for (const QLine& l : Umriss::linien(f.zellen))
            linien.append(QLine(
                pixel(l.x1(), HotSpot::Spalten, Breite), pixel(l.y1(), HotSpot::Zeilen, Hoehe),
                pixel(l.x2(), HotSpot::Spalten, Breite), pixel(l.y2(), HotSpot::Zeilen, Hoehe)));
    // Faint: a light line with a dark one beside it shows on every picture.
    QPainter maler(&bild);
    maler.setPen(QColor(0, 0, 0, 90));
    maler.translate(1, 1);
    maler.drawLines(linien);
    maler.translate(-1, -1);
    maler.setPen(QColor(255, 255, 255, 150));
    maler.drawLines(linien);
    maler.end();
    r.bild = std::move(bild);
    return r;
}

void Vorschauen::angekommen(Ergebnis r)
{
    --laufend;
    Eintrag& e = eintraege[r.datei];
    e.inArbeit = false;
    e.runde = r.runde;
    e.gemachtAus = r.raum;
    const bool neu = !r.bild.isNull();
    if (neu) {
        if (!r.ohneBild.isEmpty()) {
            // Text is drawn here, on the window's thread, where fonts are safe everywhere.
            QPainter maler(&r.bild);
            QFont schrift = maler.font();
            schrift.setPixelSize(11);
            maler.setFont(schrift);
            // On a band of its own, above the outlines.
            const QRect band(0, Hoehe / 2 - 9, Breite, 18);
            maler.fillRect(band, QColor(0, 0, 0, 170));
            maler.setPen(QColor(0xe0, 0xe0, 0xe0));
            maler.drawText(band, Qt::AlignCenter, r.ohneBild);
        }
        e.bild = QPixmap::fromImage(std::move(r.bild));
        e.schluessel = r.schluessel;
        e.gemacht = true;
    }
    // Asked for again meanwhile, for a newer room or after pruefen().
    if (e.raum != r.raum || r.runde != runde) {
        e.inArbeit = true;
        warteschlange.append(r.datei);
    }
    weiter();
    if (neu)
        Q_EMIT fertig(r.datei);
}
