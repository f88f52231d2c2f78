#include "EditorMenue.h"

#include "Editor.h"
#include "Hauptmenue.h"
#include "RaumBefehle.h"
#include "Spielwahl.h"
#include "Tastenkuerzel.h"
#include "app/Aufruf.h"
#include "app/Spielanlage.h"
#include "app/ZuletztGeoeffnet.h"
#include "canvas/Picture1.h"
#include "model/Module1.h"
#include "platform/Desktop.h"
#include "script/SkriptTasten.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

EditorMenue::EditorMenue(Editor& editor, Module1& raum, Desktop& desktop, Picture1& bild)
    : QObject(&editor), editor(editor), m(raum), desktop(desktop),
      zuletzt(std::make_unique<ZuletztGeoeffnet>(QString(), raum.AppPfad))
{
    hauptmenue = new Hauptmenue(editor);
    Hauptmenue& h = *hauptmenue;
    Picture1* picture1 = &bild;
    connect(&editor.befehle(), &RaumBefehle::raumDateiBenutzt, this,
            [this](const QString& pfad) { zuletzt->hinzufuegen(pfad); });
    const auto taste = [](QKeyCombination k) { return QKeySequence(k); };
    RaumBefehle* b = &editor.befehle();
    // Each entry does what its button or key did before the menu, questions included.
    h.eintrag(h.datei(), QStringLiteral("aktionNeu"), QStringLiteral("&Neu"),
              {taste(Qt::CTRL | Qt::Key_N)}, [b] { b->neu(); });
    h.eintrag(h.datei(), QStringLiteral("aktionLaden"), QStringLiteral("&Laden…"),
              {taste(Qt::CTRL | Qt::Key_O)}, [b] { b->laden(); });
    h.raumListe(
        h.datei(), QStringLiteral("menueZuletzt"), QStringLiteral("&Zuletzt geöffnet"),
        [this] { return zuletzt->raeume(); }, [this](const QString& p) { zuletztOeffnen(p); });
    h.datei()->addSeparator();
    h.eintrag(h.datei(), QStringLiteral("aktionSpielordner"),
              QStringLiteral("Spiel&ordner öffnen…"), {}, [this] { spielordnerOeffnen(); });
    h.eintrag(h.datei(), QStringLiteral("aktionNeuesSpiel"), QStringLiteral("N&eues Spiel…"), {},
              [this] { spielAnlegen(false); });
    h.eintrag(h.datei(), QStringLiteral("aktionBeispielspiel"), QStringLiteral("Be&ispielspiel…"),
              {}, [this] { spielAnlegen(true); });
    h.raumListe(
        h.datei(), QStringLiteral("menueSpiele"), QStringLiteral("Zuletzt geöffnete S&piele"),
        [this] {
            // The game open here is no game to go to.
            QStringList spiele = zuletzt->spiele();
            spiele.removeAll(Spielordner::eindeutig(m.AppPfad));
            return spiele;
        },
        [this](const QString& ordner) { spielOeffnen(ordner); },
        // A game folder that went is said so when chosen, and leaves the list.
        QStringLiteral("Noch keine anderen Spiele"), false);
    h.datei()->addSeparator();
    h.eintrag(h.datei(), QStringLiteral("aktionSpeichern"), QStringLiteral("&Speichern"),
              {taste(Qt::CTRL | Qt::Key_S)}, [b] { b->speichern(); });
    h.eintrag(h.datei(), QStringLiteral("aktionSpeichernUnter"),
              QStringLiteral("Speichern &unter…"), {taste(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
              [b] { b->speichernUnter(); });
    h.datei()->addSeparator();
    h.eintrag(h.datei(), QStringLiteral("aktionBeenden"), QStringLiteral("&Beenden"),
              {taste(Qt::CTRL | Qt::Key_Q)}, [this] { this->editor.close(); });

    QAction* zurueck = h.eintrag(h.bearbeiten(), QStringLiteral("aktionRueckgaengig"),
                                 QStringLiteral("&Rückgängig"), {taste(Qt::CTRL | Qt::Key_Z)},
                                 [this] { this->editor.verlauf().rueckgaengig(); });
    QAction* vor = h.eintrag(h.bearbeiten(), QStringLiteral("aktionWiederholen"),
                             QStringLiteral("&Wiederholen"),
                             {taste(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), taste(Qt::CTRL | Qt::Key_Y)},
                             [this] { this->editor.verlauf().wiederholen(); });
    h.verlaufZeigen(zurueck, vor, editor.verlauf().stack());

    QAction* ueberblick =
        h.eintrag(h.ansicht(), QStringLiteral("HotSpotsZeigen"), QStringLiteral("&HotSpots zeigen"),
                  {taste(Qt::CTRL | Qt::Key_H)}, [] {});
    ueberblick->setCheckable(true);
    connect(ueberblick, &QAction::toggled, picture1, [picture1](bool an) {
        if (an != picture1->ueberblickAn())
            picture1->ueberblickUmschalten();
    });

    h.eintrag(h.spiel(), QStringLiteral("aktionTesten"), QStringLiteral("&Testen"),
              {taste(Qt::Key_F5)}, [b] { b->testen(); });
    h.eintrag(h.spiel(), QStringLiteral("aktionExplorer"), QStringLiteral("&Explorer"), {},
              [b] { b->explorer(); });
    h.eintrag(h.spiel(), QStringLiteral("aktionGegenstaende"), QStringLiteral("&Gegenstände…"), {},
              [this] {
                  if (this->editor.gegenstaendeZeigen)
                      this->editor.gegenstaendeZeigen();
              });
    h.eintrag(h.spiel(), QStringLiteral("aktionSpielPruefen"), QStringLiteral("Spiel &prüfen…"),
              {taste(Qt::Key_F7)}, [this] {
                  if (this->editor.spielPruefenZeigen)
                      this->editor.spielPruefenZeigen();
              });
    h.eintrag(h.spiel(), QStringLiteral("aktionUnbenutzteDateien"),
              QStringLiteral("&Unbenutzte Dateien…"), {}, [this] {
                  if (this->editor.toolZeigen)
                      this->editor.toolZeigen();
              });
    // The whole game: its rooms at a glance, where a name is used, a name changed everywhere.
    h.spiel()->addSeparator();
    const auto rufen = [](const std::function<void()>& f) {
        return [&f] {
            if (f)
                f();
        };
    };
    h.eintrag(h.spiel(), QStringLiteral("aktionRaeume"), QStringLiteral("&Räume…"),
              {taste(Qt::CTRL | Qt::Key_R)}, rufen(editor.raeumeZeigen));
    h.eintrag(h.spiel(), QStringLiteral("aktionRaetselplan"), QStringLiteral("Rätse&lplan…"),
              {taste(Qt::CTRL | Qt::SHIFT | Qt::Key_R)}, rufen(editor.raetselplanZeigen));
    h.eintrag(h.spiel(), QStringLiteral("aktionVerwendungen"),
              QStringLiteral("&Verwendungen suchen…"), {taste(Qt::CTRL | Qt::SHIFT | Qt::Key_F)},
              rufen(editor.verwendungenZeigen));
    h.eintrag(h.spiel(), QStringLiteral("aktionUmbenennen"), QStringLiteral("Umbe&nennen…"), {},
              rufen(editor.umbenennenZeigen));
    QAction* zuruecknehmen = h.eintrag(h.spiel(), QStringLiteral("aktionUmbenennenRueckgaengig"),
                                       QStringLiteral("Umbenennen rüc&kgängig"), {},
                                       rufen(editor.umbenennenRueckgaengig));
    // Named after the rename it would take back, greyed without one, as "Rückgängig" is.
    connect(h.spiel(), &QMenu::aboutToShow, this, [this, zuruecknehmen] {
        const QString letzte =
            this->editor.letzteUmbenennung ? this->editor.letzteUmbenennung() : QString();
        zuruecknehmen->setEnabled(!letzte.isNull());
        zuruecknehmen->setText(letzte.isNull()
                                   ? QStringLiteral("Umbenennen rüc&kgängig")
                                   : QStringLiteral("Umbenennen rüc&kgängig: ") + letzte);
    });
    // The game in other languages.
    h.spiel()->addSeparator();
    h.eintrag(h.spiel(), QStringLiteral("aktionUebersetzungen"), QStringLiteral("Ü&bersetzungen…"),
              {}, rufen(editor.uebersetzungenZeigen));

    h.eintrag(h.hilfe(), QStringLiteral("aktionTastenkuerzel"), QStringLiteral("&Tastenkürzel"),
              {taste(Qt::Key_F1)}, [this] { tastenZeigen(); });
    h.eintrag(h.hilfe(), QStringLiteral("aktionUeber"), QStringLiteral("Ü&ber den Editor"), {},
              [this] { ueberZeigen(); });
}

void EditorMenue::zuletztOeffnen(const QString& pfad)
{
    // Nothing is asked for a room that cannot come.
    if (!QFileInfo(pfad).isFile()) {
        zuletzt->entfernen(pfad);
        desktop.warn(&editor, QStringLiteral("Den Raum %1 gibt es nicht mehr: Er wurde verschoben, "
                                             "umbenannt oder gelöscht. Er wird aus „Zuletzt "
                                             "geöffnet“ entfernt.")
                                  .arg(QDir::toNativeSeparators(pfad)));
        return;
    }
    editor.befehle().oeffnen(pfad);
}

void EditorMenue::spielordnerOeffnen()
{
    if (!editor.befehle().aenderungenSichern())
        return;
    const QString ordner = Spielwahl::fragen(desktop, &editor, Spielwahl::neben(m.AppPfad));
    if (!ordner.isNull())
        Spielwahl::wechseln(editor, desktop, m, ordner);
}

void EditorMenue::spielAnlegen(bool beispiel)
{
    if (!editor.befehle().aenderungenSichern())
        return;
    const QString neben = Spielwahl::neben(m.AppPfad);
    const QString ordner = beispiel
                               ? Spielwahl::beispielspiel(desktop, &editor, neben,
                                                          QCoreApplication::applicationDirPath())
                               : Spielwahl::neuesSpiel(desktop, &editor, neben);
    if (!ordner.isNull())
        Spielwahl::wechseln(editor, desktop, m, ordner,
                            beispiel ? Spielanlage::hausRaum(ordner) : QString());
}

void EditorMenue::spielOeffnen(const QString& ordner)
{
    // Nothing is asked for a game that cannot come.
    if (const QString warum = Spielordner::warumNicht(ordner); !warum.isEmpty()) {
        zuletzt->spielEntfernen(ordner);
        desktop.warn(&editor, warum + QStringLiteral(" Er wird aus „Zuletzt geöffnete Spiele“ "
                                                     "entfernt."));
        return;
    }
    if (editor.befehle().aenderungenSichern())
        Spielwahl::wechseln(editor, desktop, m, ordner);
}

void EditorMenue::tastenZeigen()
{
    QVector<Tastenkuerzel::Taste> haupt = hauptmenue->tasten();
    haupt.append({QKeySequence(QKeySequence::Delete).toString(QKeySequence::NativeText),
                  QStringLiteral("In der HotSpot-Liste: HotSpot löschen")});
    haupt.append({QStringLiteral("Alt + unterstrichener Buchstabe"),
                  QStringLiteral("Menü oder Menüeintrag wählen")});
    haupt.append({QStringLiteral("Doppelklick auf den freien Hintergrund"),
                  QStringLiteral("Unbenutzte Dateien")});
    Tastenkuerzel fenster({{QStringLiteral("Hauptfenster"), haupt},
                           {QStringLiteral("Skripteditor"), SkriptTasten::liste()}},
                          &editor);
    desktop.showModal(fenster);
}

void EditorMenue::ueberZeigen()
{
    MessageRequest r;
    r.title = QStringLiteral("Über den Editor");
    r.icon = QMessageBox::Information;
    r.text = QStringLiteral("tarnholm-editor %1\n\nDer Raumeditor von Tarnholm.\nQt %2\n\n"
                            "Spielordner: %3")
                 .arg(Aufruf::version(), QString::fromLatin1(qVersion()),
                      QDir::toNativeSeparators(QDir::cleanPath(m.AppPfad)));
    desktop.message(&editor, r);
}

void EditorMenue::zuletztIn(const QString& datei)
{
    const QStringList bisher = zuletzt->raeume();
    zuletzt = std::make_unique<ZuletztGeoeffnet>(datei, m.AppPfad);
    zuletzt->spielBenutzt(Spielordner::eindeutig(m.AppPfad));
    // Rooms opened before, the one given at the start among them, go there too.
    for (auto raum = bisher.crbegin(); raum != bisher.crend(); ++raum)
        zuletzt->hinzufuegen(*raum);
}
EditorMenue::~EditorMenue() = default;
