// tarnholm-git: rooms and item scripts in git. "einrichten" sets a game folder up, "text" is the
// diff driver's text form, "zusammenfuehren" the merge driver.

#include "app/Aufruf.h"
#include "app/Spielordner.h"
#include "git/GitEinrichtung.h"
#include "git/GitProgramm.h"
#include "git/Textform.h"
#include "git/Zusammenfuehren.h"
#include "roomfile/Schreibreste.h"
#include "roomfile/TextFile.h"
#include "umbenennen/Umbenenner.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#endif

namespace {

const QString hilfe = QStringLiteral(
    "Aufruf: tarnholm-git einrichten [--pruefen] [--] [Spielordner]\n"
    "        tarnholm-git text DATEI\n"
    "        tarnholm-git zusammenfuehren BASIS UNSERE DEREN [PFAD]\n"
    "\n"
    "Macht Räume und Gegenstandsskripte von Tarnholm zu Dateien, die git zeigen und\n"
    "zusammenführen kann.\n"
    "\n"
    "  einrichten       richtet den Spielordner in einem Arbeitsbaum von git ein (ohne\n"
    "                   Angabe: den Ordner, in dem tarnholm-git liegt, wenn er ein\n"
    "                   Spielordner ist, sonst den aktuellen Ordner): .gitattributes\n"
    "                   bekommt \"*.lsd -text diff=tarnholm merge=tarnholm\" und dasselbe für\n"
    "                   *.skp, die Konfiguration des Repositorys die beiden Treiber. Mit\n"
    "                   --pruefen prüft ein pre-commit-Hook das Spiel mit tarnholm-check vor\n"
    "                   jedem Commit und lehnt ihn bei Fehlern ab (ein Hook, der schon da\n"
    "                   ist, bleibt). Ein zweiter Lauf fügt nichts hinzu.\n"
    "  text             gibt einen Raum oder ein Gegenstandsskript als Text aus, wie\n"
    "                   \"git diff\" ihn vergleicht (\"-\" liest die Standardeingabe): das\n"
    "                   Bild, Start- und Timerskript, dann jeden HotSpot mit seinen Feldern,\n"
    "                   seinen drei Skripten und seinen Zellen als Bild aus 48 Zeilen zu 64\n"
    "                   Zeichen (\"#\" gesetzt, \".\" frei). Skriptzeilen stehen, wie der\n"
    "                   Skripteditor sie zeigt.\n"
    "  zusammenfuehren  der Treiber, mit dem git Räume zusammenführt (%O %A %B %P): HotSpots\n"
    "                   nach Namen, Felder einzeln, Skripte zeilenweise, Zellen eine nach der\n"
    "                   anderen. Bei einem Konflikt steht in UNSERE unsere Fassung, alles\n"
    "                   andere ist zusammengeführt; jeder Konflikt wird genannt.\n"
    "\n"
    "Wie der Editor nimmt tarnholm-git beim Einrichten eine unterbrochene Umbenennung zurück und\n"
    "legt beiseite, was ein abgebrochenes Speichern neben Räumen und Gegenstandsskripten\n"
    "hinterlassen hat; beim Zusammenführen dies im Spielordner von PFAD.\n"
    "\n"
    "Rückgabewert: 0, wenn es getan ist (bei zusammenfuehren: ohne Konflikt); 1, wenn\n"
    "zusammenfuehren Konflikte hatte; 2, wenn es nicht getan werden kann: ein Ordner, der kein\n"
    "Spielordner ist oder in keinem Arbeitsbaum von git liegt, eine Datei, die sich nicht\n"
    "öffnen lässt, ein Aufruf, der nicht stimmt.\n");

void schreiben(FILE* ziel, const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), ziel);
    std::fflush(ziel);
}

void hinweis(const QString& text)
{
    schreiben(stderr, (QStringLiteral("tarnholm-git: ") + text + QLatin1Char('\n')).toUtf8());
}

int fehler(const QString& text)
{
    hinweis(text);
    return 2;
}

void resteAufraeumen(const QString& spielordner)
{
    if (const QString reste = Schreibreste::aufraeumen(spielordner).text; !reste.isEmpty())
        hinweis(reste);
}

int falscherAufruf()
{
    return fehler(QStringLiteral("Unbekannter Aufruf. Hilfe: tarnholm-git --help"));
}

QString programm(const QString& name)
{
#ifdef Q_OS_WIN
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + name +
           QStringLiteral(".exe");
#else
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
#endif
}

int einrichten(const QStringList& argumente)
{
    bool pruefen = false;
    bool optionenZuEnde = false;
    QStringList angaben;
    for (const QString& a : argumente) {
        if (!optionenZuEnde && a == QLatin1String("--"))
            optionenZuEnde = true;
        else if (!optionenZuEnde && a == QLatin1String("--pruefen"))
            pruefen = true;
        else if (!optionenZuEnde && a.startsWith(QLatin1Char('-')))
            return falscherAufruf();
        else
            angaben << a;
    }
    if (angaben.size() > 1)
        return falscherAufruf();
    const QString ordner =
        QDir(angaben.isEmpty() ? QCoreApplication::applicationDirPath() : angaben[0])
            .absolutePath();
    GitProgramm git;
    const GitEinrichtung::Ergebnis e =
        GitEinrichtung::einrichten(ordner, programm(QStringLiteral("tarnholm-git")),
                                   programm(QStringLiteral("tarnholm-check")), pruefen, git);
    if (e.status != 0)
        return fehler(e.fehler);
    schreiben(stdout, (e.gesetzt.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    return 0;
}

int text(const QStringList& argumente)
{
    if (argumente.size() != 1)
        return falscherAufruf();
    const QString& datei = argumente[0];
    std::optional<QByteArray> bytes;
    if (datei == QLatin1String("-")) {
        QFile eingabe;
        if (eingabe.open(stdin, QIODevice::ReadOnly))
            bytes = eingabe.readAll();
    } else {
        bytes = TextFile::read(datei);
    }
    if (!bytes)
        return fehler(
            QStringLiteral("%1 kann nicht geöffnet werden.").arg(QDir::toNativeSeparators(datei)));
    schreiben(stdout, Textform::text(Textform::artVon(datei, *bytes), *bytes));
    return 0;
}

int zusammenfuehren(const QStringList& argumente)
{
    if (argumente.size() < 3 || argumente.size() > 4)
        return falscherAufruf();
    std::array<QByteArray, 3> fassungen;
    for (size_t i = 0; i < fassungen.size(); ++i) {
        const std::optional<QByteArray> bytes = TextFile::read(argumente[int(i)]);
        if (!bytes)
            return fehler(QStringLiteral("%1 kann nicht geöffnet werden.")
                              .arg(QDir::toNativeSeparators(argumente[int(i)])));
        fassungen[i] = *bytes;
    }
    const QString& unsere = argumente[1];
    const QString pfad = argumente.size() == 4 ? argumente[3] : unsere;
    // git merges in the work tree: what a killed save left beside the game's files goes first.
    if (argumente.size() == 4) {
        if (const QString spiel = Spielordner::vonDatei(QDir::current().absoluteFilePath(pfad));
            !spiel.isEmpty())
            resteAufraeumen(spiel);
    }
    const Zusammenfuehren::Ergebnis e = Zusammenfuehren::dateien(
        Textform::artVon(pfad, fassungen[1]), fassungen[0], fassungen[1], fassungen[2]);
    if (e.bytes != fassungen[1] && !TextFile::write(unsere, e.bytes))
        return fehler(QStringLiteral("%1 kann nicht geschrieben werden.")
                          .arg(QDir::toNativeSeparators(unsere)));
    schreiben(stderr, Zusammenfuehren::meldung(e, pfad).toUtf8());
    return e.sauber() ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
#ifdef Q_OS_WIN
    // The text goes out as it is, LF and UTF-8, whatever the console makes of it.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    QCoreApplication app(argc, argv);
    const QStringList argumente = app.arguments().mid(1);
    if (argumente.isEmpty())
        return falscherAufruf();
    const QString& verb = argumente[0];
    const QStringList rest = argumente.mid(1);
    if (verb == QLatin1String("--help") || verb == QLatin1String("-h")) {
        schreiben(stdout, hilfe.toUtf8());
        return 0;
    }
    if (verb == QLatin1String("--version")) {
        schreiben(stdout, QStringLiteral("tarnholm-git %1\n").arg(Aufruf::version()).toUtf8());
        return 0;
    }
    if (verb == QLatin1String("einrichten"))
        return einrichten(rest);
    if (verb == QLatin1String("text"))
        return text(rest);
    if (verb == QLatin1String("zusammenfuehren"))
        return zusammenfuehren(rest);
    return falscherAufruf();
}
