// Makes the seeds of fuzz_journal with the real rename: the journal and copies of a 300-room
// rename as a kill midway leaves them, of the finished rename, and of its undo killed midway;
// and of a small game's renames of a room and a picture. Run once by hand into
// fuzz/corpus/fuzz_journal.
#include "UmbenennSpiel.h"
#include "script/Befehlstabelle.h"
#include "spiel/SpielLeser.h"
#include "umbenennen/Umbenenner.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <atomic>
#include <cstdio>
#include <mutex>

namespace {

QString ziel;

int nummer(const QString& journal)
{
    return journal.section('-', 1).section('.', 0, 0).toInt();
}

/// The journal folder's newest journal and its copies, as one seed; the game folder in it is
/// a neutral one, the rest as written.
void festhalten(const QString& journalOrdner, const QString& name)
{
    QDir d(journalOrdner);
    QString neueste;
    for (const QString& datei : d.entryList({"umbenennung-*.journal"}, QDir::Files))
        if (neueste.isEmpty() || nummer(datei) > nummer(neueste))
            neueste = datei;
    if (neueste.isEmpty())
        return;
    std::optional<Journal> j = Journal::lesen(*TextFile::read(d.filePath(neueste)));
    if (!j)
        return;
    j->spielordner = QStringLiteral("/home/autorin/Spiele/Tarnholm");
    QFile f(QDir(ziel).filePath(name));
    if (f.open(QIODevice::WriteOnly))
        f.write(j->text() + "=====\n" + TextFile::read(d.filePath(j->kopien)).value_or(""));
}

/// The real file operations, with the journal folder taken down at the n-th write: what a
/// kill at that moment leaves.
Umbenenner::Dateisystem getoetetBei(int n, const QString& journalOrdner, const QString& name)
{
    Umbenenner::Dateisystem fs = Umbenenner::Dateisystem::echt();
    auto zaehler = std::make_shared<std::atomic<int>>(0);
    auto sperre = std::make_shared<std::mutex>();
    const auto echt = fs.schreiben;
    fs.schreiben = [=](const QString& p, const QByteArray& b) {
        if (++*zaehler == n) {
            const std::lock_guard<std::mutex> l(*sperre);
            festhalten(journalOrdner, name);
        }
        return echt(p, b);
    };
    return fs;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (app.arguments().size() != 2) {
        std::fputs("saat_journal ORDNER\n", stderr);
        return 2;
    }
    ziel = app.arguments()[1];
    QDir().mkpath(ziel);
    using namespace Befehlstabelle;

    TestSpiel spiel;
    for (int r = 0; r < 300; ++r) {
        Module1 m;
        m.StartSkript = skriptAus({{If, "Alt"}, {Print, QString("Raum %1").arg(r)}, {EndIf, ""}});
        m.TimerSkript = skriptAus({{SetFlag, "Alt"}});
        spiel.raum(QString("raum %1 ä.lsd").arg(r), m);
    }
    QTemporaryDir journale;
    Umbenenner u(spiel.dir.path(), journale.path());
    u.dateisystemSetzen(getoetetBei(150, journale.path(), "umbenennung-300-getoetet"));
    const Umbenennung::Plan plan = Umbenennung::planen(
        SpielLeser::spielLesen(spiel.m), Umbenennung::Spielzugriff::aufPlatte(spiel.dir.path()),
        {NamensArt::Flag, "Alt", "Neu", {}});
    if (plan.dateien.size() != 300 || !u.ausfuehren(plan).ok())
        return 1;
    festhalten(journale.path(), "umbenennung-300-fertig");
    u.dateisystemSetzen(getoetetBei(150, journale.path(), "rueckgaengig-300-getoetet"));
    if (!u.rueckgaengig().ok())
        return 1;

    UmbenennSpiel klein;
    QTemporaryDir kleineJournale;
    Umbenenner k(klein.dir.path(), kleineJournale.path());
    k.dateisystemSetzen(getoetetBei(2, kleineJournale.path(), "raum-getoetet"));
    if (!k.ausfuehren(klein.planen({NamensArt::Raum, "keller.lsd", "gewoelbe.lsd", {}})).ok())
        return 1;
    festhalten(kleineJournale.path(), "raum-fertig");
    k.dateisystemSetzen(getoetetBei(1, kleineJournale.path(), "raum-rueckgaengig-getoetet"));
    if (!k.rueckgaengig().ok())
        return 1;
    k.dateisystemSetzen(Umbenenner::Dateisystem::echt());
    if (!k.ausfuehren(klein.planen({NamensArt::Gegenstand, "Schluessel.bmp", "Kiste.bmp", {}}))
             .ok())
        return 1;
    festhalten(kleineJournale.path(), "gegenstand-fertig");
    return 0;
}
