// tarnholm-texte: the game's texts for translators, and translated games built from their PO files.

#include "app/Spielordner.h"
#include "model/Module1.h"
#include "roomfile/TextFile.h"
#include "spiel/SpielLeser.h"
#include "texte/Spielbau.h"
#include "texte/Textvorlage.h"
#include "umbenennen/Umbenenner.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>
#include <optional>

namespace {

const QString hilfe = QStringLiteral(
    "Aufruf: tarnholm-texte vorlage [-o DATEI] [--] [Spielordner]\n"
    "        tarnholm-texte bauen SPRACHE.po ZIELORDNER [--] [Spielordner]\n"
    "        tarnholm-texte stand SPRACHE.po [--] [Spielordner]\n"
    "\n"
    "Übersetzungen eines Spiels von Tarnholm mit gettext (PO-Dateien, Poedit, Weblate).\n"
    "Ohne Spielordner gilt der Ordner, in dem tarnholm-texte liegt, wenn er ein Spielordner\n"
    "ist, sonst der aktuelle Ordner.\n"
    "\n"
    "  vorlage  schreibt jeden Text, den der Spieler liest, als gettext-Vorlage (POT, UTF-8)\n"
    "           auf die Standardausgabe oder in DATEI: die Texte von \"Print\" (\"#\" wird\n"
    "           zum Zeilenumbruch \\n) und Frage und Antwort von \"SelectCase\", jeden Text\n"
    "           einmal, mit jeder Stelle (\"#:\" Datei und Zeile der Datei, \"#.\" Raum,\n"
    "           Skript und Zeile im Skript). Namen von HotSpots, Flags, Gegenständen und\n"
    "           Dateien bleiben draußen. Ein \"SelectCase\", das nicht \"Anzahl | Frage |\n"
    "           Antwort\" ist, wird auf der Fehlerausgabe genannt und ausgelassen.\n"
    "           Üblicher Ort: uebersetzungen/spiel.pot im Spielordner; jede Sprache liegt\n"
    "           daneben als SPRACHE.po und wird mit \"msgmerge -U SPRACHE.po spiel.pot\"\n"
    "           auf den neuen Stand gebracht.\n"
    "  bauen    kopiert das Spiel vollständig in ZIELORDNER (den es noch nicht geben darf)\n"
    "           und setzt dabei in Räume und Gegenstandsskripte die Übersetzungen ein; alles\n"
    "           andere bleibt Byte für Byte, wie es war. Unübersetzte und ungenaue (fuzzy)\n"
    "           Texte bleiben deutsch. \".git\" und \"uebersetzungen\" werden nicht kopiert,\n"
    "           Verknüpfungen als Verknüpfungen. Abgelehnt wird, mit der Zeile der PO-Datei,\n"
    "           eine Übersetzung mit einem Zeichen, das es in Windows-1252 nicht gibt, mit\n"
    "           \"$\" am Zeilenanfang ohne Farbcode 0-9 oder a-f, mit einem geraden\n"
    "           Anführungszeichen, eine PO-Datei, die nicht gelesen werden kann, und ein\n"
    "           ZIELORDNER, den es gibt oder der im Spielordner liegt. Dann wird nichts\n"
    "           geschrieben.\n"
    "  stand    zählt die Texte des Spiels, wie es jetzt ist: übersetzt, ungenau,\n"
    "           unübersetzt, und die Texte der PO-Datei, die das Spiel nicht mehr hat.\n"
    "\n"
    "Rückgabewert: 0 erledigt, 1 abgelehnt, 2 kann nicht laufen (falscher Aufruf, kein\n"
    "Spielordner, eine Datei kann nicht gelesen oder geschrieben werden).\n");

QTextStream& fehlerAusgabe()
{
    static QTextStream s(stderr);
    return s;
}

int ablehnen(const Spielbau::Ergebnis& e, const QString& poPfad, bool bauen = true)
{
    QTextStream& f = fehlerAusgabe();
    const QString po = QDir::toNativeSeparators(poPfad);
    for (const Ablehnung& a : e.ablehnungen) {
        f << QStringLiteral("tarnholm-texte: ");
        if (a.zeile > 0)
            f << po << QLatin1Char(':') << a.zeile << QStringLiteral(": ");
        f << a.grund;
        if (!a.text.isEmpty())
            f << QStringLiteral(" (Text „")
              << QString(a.text).replace(QLatin1Char('\n'), QStringLiteral("\\n"))
              << QStringLiteral("“)");
        f << QLatin1Char('\n');
    }
    if (bauen)
        f << QStringLiteral("tarnholm-texte: Abgelehnt, nichts geschrieben.\n");
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream aus(stdout);
    QTextStream& fehler = fehlerAusgabe();
    const auto aufrufFehler = [&fehler]() {
        fehler << QStringLiteral("tarnholm-texte: Unbekannter Aufruf. Hilfe: tarnholm-texte "
                                 "--help\n");
        return 2;
    };

    QStringList angaben;
    std::optional<QString> ausgabe;
    bool optionenZuEnde = false;
    const QStringList argumente = app.arguments().mid(1);
    for (qsizetype i = 0; i < argumente.size(); ++i) {
        const QString& a = argumente[i];
        if (optionenZuEnde) {
            angaben << a;
        } else if (a == QStringLiteral("--")) {
            optionenZuEnde = true;
        } else if (a == QStringLiteral("--help") || a == QStringLiteral("-h")) {
            aus << hilfe;
            return 0;
        } else if (a == QStringLiteral("-o") && i + 1 < argumente.size()) {
            ausgabe = argumente[++i];
        } else if (a.startsWith(QLatin1Char('-'))) {
            return aufrufFehler();
        } else {
            angaben << a;
        }
    }
    const QString befehl = angaben.value(0);
    const qsizetype noetig = befehl == QStringLiteral("vorlage") ? 1
                             : befehl == QStringLiteral("bauen") ? 3
                             : befehl == QStringLiteral("stand") ? 2
                                                                 : -1;
    if (noetig < 0 || angaben.size() < noetig || angaben.size() > noetig + 1 ||
        (ausgabe && befehl != QStringLiteral("vorlage")))
        return aufrufFehler();

    const Spielordner::Wahl wahl =
        Spielordner::fuerProgramm(angaben.value(noetig), QCoreApplication::applicationDirPath(),
                                  QDir::currentPath(), QStringLiteral("tarnholm-texte"));
    if (wahl.art != Spielordner::Wahl::Art::Gefunden) {
        fehler << QStringLiteral("tarnholm-texte: ") << wahl.fehler << QLatin1Char('\n');
        return 2;
    }
    const QString& ordner = wahl.ordner;
    // A rename cut short leaves the game half renamed: it is put back before anything is read.
    const Umbenenner::Ergebnis zurueck =
        Umbenenner(ordner, Umbenenner::journalOrdner(ordner)).aufraeumen();
    if (!zurueck.text.isEmpty())
        fehler << QStringLiteral("tarnholm-texte: ") << zurueck.text << QLatin1Char('\n');
    if (!zurueck.ok())
        return 2;

    Module1 m;
    m.setzeOrdner(ordner);
    const Spielpruefung spiel = SpielLeser::spielLesen(m);

    if (befehl == QStringLiteral("vorlage")) {
        const Textvorlage vorlage = Textvorlage::aus(spiel);
        for (const QString& w : vorlage.warnungen)
            fehler << QStringLiteral("tarnholm-texte: ") << w << QLatin1Char('\n');
        const QByteArray pot = vorlage.pot(QDir(ordner).dirName(), QDateTime::currentDateTimeUtc());
        if (!ausgabe) {
            aus.flush();
            fwrite(pot.constData(), 1, size_t(pot.size()), stdout);
            return 0;
        }
        if (!TextFile::write(*ausgabe, pot)) {
            fehler << QStringLiteral("tarnholm-texte: %1 kann nicht geschrieben werden\n")
                          .arg(QDir::toNativeSeparators(*ausgabe));
            return 2;
        }
        return 0;
    }

    const QString poPfad = angaben[1];
    if (befehl == QStringLiteral("stand")) {
        PoDatei po;
        const Spielbau::Ergebnis gelesen = Spielbau::poLesen(poPfad, po);
        if (gelesen.art == Spielbau::Ergebnis::Art::Fehler) {
            fehler << QStringLiteral("tarnholm-texte: ") << gelesen.fehler << QLatin1Char('\n');
            return 2;
        }
        if (gelesen.art == Spielbau::Ergebnis::Art::Abgelehnt)
            return ablehnen(gelesen, poPfad, false);
        const Textvorlage vorlage = Textvorlage::aus(spiel);
        const Zaehlung z = Uebersetzung(vorlage, po).zaehlung();
        aus << QStringLiteral("%1 übersetzt\n%2 ungenau\n%3 unübersetzt\n%4 nicht mehr im Spiel\n")
                   .arg(z.uebersetzt)
                   .arg(z.ungenau)
                   .arg(z.unuebersetzt)
                   .arg(z.veraltet);
        return 0;
    }

    const Spielbau::Ergebnis e = Spielbau::bauen(spiel, ordner, poPfad, angaben[2]);
    for (const QString& h : e.hinweise)
        fehler << QStringLiteral("tarnholm-texte: ") << h << QLatin1Char('\n');
    switch (e.art) {
    case Spielbau::Ergebnis::Art::Fertig:
        aus << e.zaehlung.satz() << QLatin1Char('\n');
        return 0;
    case Spielbau::Ergebnis::Art::Abgelehnt:
        return ablehnen(e, poPfad);
    case Spielbau::Ergebnis::Art::Fehler:
        break;
    }
    fehler << QStringLiteral("tarnholm-texte: ") << e.fehler << QLatin1Char('\n');
    return 2;
}
