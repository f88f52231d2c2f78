// Writes the demo game folder: rooms, pictures, sounds, items and cursors, all made here.
// Before it returns it reads back what it wrote, so a broken file fails the build.

#include "Demo.h"
#include "raetsel/Raetselplan.h"
#include "regeln/SkriptRegeln.h"
#include "roomfile/ItemReader.h"
#include "roomfile/RoomFile.h"
#include "roomfile/ScriptBlock.h"
#include "roomfile/TextFile.h"

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QImageReader>
#include <QImageWriter>
#include <cstdio>

Skript skript(std::initializer_list<Zeile> zeilen)
{
    Skript s;
    if (zeilen.size() == 0)
        return s;
    s.zeilenAnlegen(qint32(zeilen.size()));
    qint32 i = 0;
    for (const Zeile& z : zeilen) {
        s.Befehl[i] = z.befehl;
        s.Parameter[i++] = QString::fromUtf8(z.parameter);
    }
    return s;
}

namespace {

QStringList fehler;

void melde(const QString& text)
{
    fehler << text;
}

QByteArray bildDatei(const QString& pfad, const QImage& bild)
{
    if (pfad.endsWith(QLatin1String(".gif"))) {
        const QImage indiziert = quantisiert(bild);
        const QByteArray gif = gifDatei(indiziert);
        // Our encoder is the only one here; Qt's reader must see exactly the quantised pixels.
        const QImage gelesen = QImage::fromData(gif, "GIF");
        if (gelesen.convertToFormat(QImage::Format_RGB32) !=
            indiziert.convertToFormat(QImage::Format_RGB32))
            melde(pfad + QStringLiteral(": the GIF does not decode to its pixels"));
        return gif;
    }
    QByteArray bytes;
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&puffer, pfad.endsWith(QLatin1String(".jpg")) ? "JPG" : "BMP");
    writer.setQuality(90);
    if (!writer.write(bild.convertToFormat(QImage::Format_RGB32)))
        melde(pfad + QStringLiteral(": ") + writer.errorString());
    return bytes;
}

/// Every name a script uses must be a file of the demo, and the script must pass the checks
/// tarnholm-check makes; the hotspots are looked up in `hotSpots` when it is given.
void skriptPruefen(const Skript& s, const QString& wo, const QMap<QString, QByteArray>& dateien,
                   const QStringList* hotSpots)
{
    using namespace Befehl;
    const QMap<qint32, QString> ordner{{PlayWav, QStringLiteral("sounds/")},
                                       {LoadPic, QStringLiteral("graphics/")},
                                       {Goto, QStringLiteral("rooms/")},
                                       {Add, QStringLiteral("items/")},
                                       {IfItem, QStringLiteral("items/")}};
    const auto zeile = [&wo](qint32 i) {
        return wo + QStringLiteral(" line ") + QString::number(i) + QStringLiteral(": ");
    };
    for (qint32 i = 0; i <= s.MaxZeile; ++i) {
        const qint32 b = s.Befehl[i];
        const QString& p = s.Parameter[i];
        if (ordner.contains(b) && !dateien.contains(ordner[b] + p))
            melde(zeile(i) + QStringLiteral("no file ") + ordner[b] + p);
        if ((b == Else || b == EndIf || b == Error) != p.isEmpty())
            melde(zeile(i) + QStringLiteral("wrong parameter"));
    }
    for (const SkriptRegeln::Verstoss& v : SkriptRegeln::pruefen(s, hotSpots))
        melde(zeile(v.zeile) + v.text);
}

void raumPruefen(const Raum& raum, const QMap<QString, QByteArray>& dateien)
{
    const Module1& m = raum.modell;
    QStringList namen;
    for (qint32 i = 0; i <= m.HotSpotMax; ++i)
        namen << m.HotSpots[i].Name;
    if (!dateien.contains(QStringLiteral("graphics/") + m.Hintergrund().trimmed()))
        melde(raum.datei + QStringLiteral(": no background ") + m.Hintergrund().trimmed());
    skriptPruefen(m.StartSkript, raum.datei + QStringLiteral(" start"), dateien, &namen);
    skriptPruefen(m.TimerSkript, raum.datei + QStringLiteral(" timer"), dateien, &namen);
    for (qint32 i = 0; i <= m.HotSpotMax; ++i) {
        const HotSpot& h = m.HotSpots[i];
        if (!dateien.contains(QStringLiteral("cursors/") + h.Cursor))
            melde(raum.datei + QStringLiteral(": no cursor ") + h.Cursor);
        for (int k = 0; k < HotSpot::Aktionen; ++k)
            skriptPruefen(h.Skripte[k], raum.datei + QLatin1Char(' ') + h.Name, dateien, &namen);
    }
}

/// What the game and the editor will read: the files on disk, parsed again.
void gelesenPruefen(const QDir& ziel, const Inhalt& inhalt)
{
    for (const Raum& raum : inhalt.raeume) {
        const auto bytes = TextFile::read(ziel.filePath(QStringLiteral("rooms/") + raum.datei));
        Module1 gelesen;
        if (!bytes || !RoomFile::lesen(*bytes, gelesen).vollstaendig ||
            gelesen.Hintergrund() != raum.modell.Hintergrund() ||
            gelesen.StartSkript != raum.modell.StartSkript ||
            gelesen.TimerSkript != raum.modell.TimerSkript ||
            gelesen.HotSpots != raum.modell.HotSpots)
            melde(raum.datei + QStringLiteral(": reads back differently"));
    }
    for (auto it = inhalt.dateien.begin(); it != inhalt.dateien.end(); ++it) {
        const QString pfad = ziel.filePath(it.key());
        if (it.key().endsWith(QLatin1String(".skp"))) {
            const auto bytes = TextFile::read(pfad);
            Skript s;
            ItemReader r(bytes.value_or(QByteArray()));
            if (!bytes || !ScriptBlock::read(r, s) || r.remaining() != 0)
                melde(it.key() + QStringLiteral(": does not read back"));
            skriptPruefen(s, it.key(), inhalt.dateien, nullptr);
        } else if (it.key().endsWith(QLatin1String(".cur"))) {
            // Qt's ico reader also takes cursors.
            QImageReader reader(pfad, "ICO");
            const QImage zeiger = reader.read();
            if (zeiger.size() != QSize(32, 32) || !zeiger.hasAlphaChannel())
                melde(it.key() + QStringLiteral(": not a readable cursor"));
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    // Drawing text needs a GUI application; no screen is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (app.arguments().size() != 2) {
        std::fprintf(stderr, "usage: tarnholm-demo <game folder>\n");
        return 2;
    }
    const QDir ziel(app.arguments().at(1));

    Inhalt inhalt;
    raeumeMachen(inhalt);
    dingeMachen(inhalt);
    for (auto it = inhalt.bilder.begin(); it != inhalt.bilder.end(); ++it)
        inhalt.dateien.insert(it.key(), bildDatei(it.key(), it.value()));
    for (const Raum& raum : inhalt.raeume)
        inhalt.dateien.insert(QStringLiteral("rooms/") + raum.datei,
                              RoomFile::schreiben(raum.modell));
    for (const Raum& raum : inhalt.raeume)
        raumPruefen(raum, inhalt.dateien);
    // The puzzle's way: from the forest into the cellar.
    Raetselplan plan;
    plan.start << QStringLiteral("wald.lsd");
    plan.ziele << Raetselplan::Name{Raetselplan::Name::Art::Raum, QStringLiteral("keller.lsd")};
    inhalt.dateien.insert(Raetselplan::dateiName(), plan.schreiben());

    for (const char* ordner :
         {"rooms", "graphics", "sounds", "movies", "cursors", "items", "musics"}) {
        if (!ziel.mkpath(QString::fromLatin1(ordner)))
            melde(QStringLiteral("cannot make ") + ziel.filePath(QString::fromLatin1(ordner)));
    }
    for (auto it = inhalt.dateien.begin(); it != inhalt.dateien.end(); ++it) {
        if (!TextFile::write(ziel.filePath(it.key()), it.value()))
            melde(QStringLiteral("cannot write ") + ziel.filePath(it.key()));
    }
    gelesenPruefen(ziel, inhalt);

    for (const QString& f : fehler)
        std::fprintf(stderr, "tarnholm-demo: %s\n", qUtf8Printable(f));
    return fehler.isEmpty() ? 0 : 1;
}
