#include "Spielfenster.h"

#include "Editor.h"
#include "Nachladen.h"
#include "NieMarken.h"
#include "RaumBefehle.h"
#include "konflikte/Konflikte.h"
#include "model/Module1.h"
#include "namen/Verwendungssuche.h"
#include "platform/Desktop.h"
#include "pruefen/SpielPruefen.h"
#include "raetsel/RaetselplanFenster.h"
#include "raeume/Raeume.h"
#include "roomfile/ItemSkript.h"
#include "script/SkriptBefunde.h"
#include "script/SkriptEditor.h"
#include "spiel/Pruefdienst.h"
#include "tools/Gegen.h"
#include "tools/Tool.h"
#include "tools/Uebersetzungen.h"
#include "tools/Umbenennen.h"
#include "tools/Verwendungen.h"

#include <QDir>

Spielfenster::Spielfenster(Module1& raum, Desktop& desktop, Editor& editor, Pruefdienst& dienst)
    : QObject(&editor), m(raum), desktop(desktop), editor(editor), dienst(dienst)
{
    connect(&editor.befehle(), &RaumBefehle::gespeichert, &dienst, &Pruefdienst::dateiGeaendert);
    connect(&dienst, &Pruefdienst::aussenGeaendert, this, [this](const QStringList& dateien) {
        if (const QString offen = offenerRaum(); !offen.isEmpty() && dateien.contains(offen))
            this->editor.nachladen().pruefen();
    });
    // The folder is watched from the first read on: the open room may have changed before.
    connect(&dienst, &Pruefdienst::bereitGeworden, this,
            [this] { this->editor.nachladen().pruefen(); });
    // Made and gone with the other windows: the service may go before the main window.
    new NieMarken(m, editor, dienst, this);
    editor.skriptEditorZeigen = [this](const SkriptPruefer::Herkunft& herkunft, qint32 zeile) {
        skriptEditor().zeigen(herkunft, zeile);
    };
    editor.nachDemSkript = [this] {
        if (skriptFenster)
            skriptFenster->ausstehendesAusfuehren();
    };
    editor.gegenstaendeZeigen = [this] { gegen().zeigen(); };
    editor.itemSkriptOeffnen = [this](const QString& pfad, qint32 zeile) {
        gegen().skriptBearbeiten(pfad, ItemSkript::aktionVon(pfad), zeile);
    };
    editor.toolZeigen = [this] {
        if (!tool)
            tool = new Tool(m, this->desktop, &this->editor);
        tool->zeigen();
    };
    editor.spielPruefenZeigen = [this] { spielPruefen().zeigen(); };
    editor.raeumeZeigen = [this] { raeume().zeigen(); };
    editor.raetselplanZeigen = [this] { raetselplan().zeigen(); };
    editor.verwendungenZeigen = [this] { verwendungen().zeigen(); };
    editor.umbenennenZeigen = [this] { umbenennen().zeigen(); };
    editor.uebersetzungenZeigen = [this] { uebersetzungen().zeigen(); };
    editor.umbenennenRueckgaengig = [this] { umbenennen().rueckgaengig(); };
    editor.letzteUmbenennung = [this] { return umbenennen().letzteUmbenennung(); };
    // A room git holds in conflict shows its conflicts beside the editor while it is open.
    connect(&editor.befehle(), &RaumBefehle::konflikteGeladen, this,
            [this](const QString& pfad, bool imKonflikt, const QVector<Konflikt>& liste,
                   bool zusammengefuehrt) {
                if (imKonflikt)
                    konflikte().zeigen(m.AppPfad, pfad, liste, zusammengefuehrt);
                else if (konflikteFenster && !konflikteFenster->datei().isEmpty())
                    konflikteFenster->schliessen();
            });
    // Another room, a new one, or this one under another name: nothing left to choose.
    connect(&editor.befehle(), &RaumBefehle::offeneDateiGeaendert, this, [this] {
        if (konflikteFenster && !konflikteFenster->datei().isEmpty() &&
            !this->editor.befehle().istGeoeffnet(konflikteFenster->datei()))
            konflikteFenster->schliessen();
    });
}

Konflikte& Spielfenster::konflikte()
{
    if (!konflikteFenster) {
        konflikteFenster = new Konflikte(m, editor.verlauf(), desktop, &editor);
        konflikteFenster->speichern = [this] { return editor.befehle().speichern(); };
    }
    return *konflikteFenster;
}

Uebersetzungen& Spielfenster::uebersetzungen()
{
    // It stays open beside the main window, as "Spiel prüfen" does.
    if (!uebersetzungenFenster)
        uebersetzungenFenster = new Uebersetzungen(dienst, desktop, &editor);
    return *uebersetzungenFenster;
}

SkriptEditor& Spielfenster::skriptEditor()
{
    if (!skriptFenster) {
        skriptFenster = new SkriptEditor(m, desktop, &editor);
        skriptFenster->befunde().anschliessen(
            &dienst, [this] { return editor.befehle().geoeffneteDatei(); });
        skriptFenster->gotoFolgen = [this](qint32, const QString& parameter) {
            gotoFolgen(parameter);
        };
        skriptFenster->verwendungenZeigen = [this](qint32 befehl, const QString& parameter) {
            verwendungenDerZeile(befehl, parameter);
        };
        skriptFenster->umbenennen = [this](qint32 befehl, const QString& parameter) {
            umbenennenDerZeile(befehl, parameter);
        };
    }
    return *skriptFenster;
}

Gegen& Spielfenster::gegen()
{
    if (!gegenFenster) {
        gegenFenster = new Gegen(m, desktop, &editor);
        gegenFenster->skriptEditorZeigen = editor.skriptEditorZeigen;
        gegenFenster->nachDemSkript = editor.nachDemSkript;
        connect(gegenFenster, &Gegen::skriptGeschrieben, &dienst, &Pruefdienst::dateiGeaendert);
    }
    return *gegenFenster;
}

SpielPruefen& Spielfenster::spielPruefen()
{
    if (!pruefenFenster) {
        // It stays open beside the main window.
        pruefenFenster = new SpielPruefen(dienst, &editor);
        pruefenFenster->stelleOeffnen = [this](const SkriptStelle& stelle) { oeffnen(stelle); };
        pruefenFenster->konfliktOeffnen = [this](const QString& datei) {
            const QString pfad = m.pfad(datei);
            if (konflikteFenster && editor.befehle().istGeoeffnet(pfad) &&
                !konflikteFenster->datei().isEmpty()) {
                konflikteFenster->show();
                konflikteFenster->raise();
                return;
            }
            SkriptStelle stelle;
            stelle.datei = datei;
            stelle.zeile = -1;
            // A room is opened anew, so that its conflicts are seen.
            nachDemSkriptEditor([this, stelle, pfad] {
                if (QDir::fromNativeSeparators(stelle.datei).startsWith(QStringLiteral("rooms/")))
                    editor.befehle().oeffnen(pfad);
                else
                    oeffnen(stelle);
            });
        };
    }
    return *pruefenFenster;
}

Raeume& Spielfenster::raeume()
{
    if (!raeumeFenster) {
        raeumeFenster = new Raeume(dienst, m, &editor);
        raeumeFenster->oeffnen = [this](const QString& pfad) {
            nachDemSkriptEditor([this, pfad] { editor.befehle().oeffnen(pfad); });
        };
        connect(&editor.befehle(), &RaumBefehle::offeneDateiGeaendert, raeumeFenster,
                &Raeume::offenerRaum);
        raeumeFenster->offenerRaum(editor.befehle().geoeffneteDatei());
    }
    return *raeumeFenster;
}

RaetselplanFenster& Spielfenster::raetselplan()
{
    if (!raetselplanFenster) {
        // It stays open beside the main window, as "Räume" does.
        raetselplanFenster = new RaetselplanFenster(dienst, desktop, &editor);
        raetselplanFenster->stelleOeffnen = [this](const SkriptStelle& stelle) { oeffnen(stelle); };
    }
    return *raetselplanFenster;
}

Verwendungen& Spielfenster::verwendungen()
{
    if (!verwendungenFenster) {
        verwendungenFenster = new Verwendungen(dienst, desktop, &editor);
        verwendungenFenster->oeffnen = [this](const QString& datei, const RoomFile::SkriptOrt& ort,
                                              qint32 zeile) {
            SkriptStelle stelle;
            stelle.datei = datei;
            stelle.ort = ort;
            stelle.zeile = zeile;
            oeffnen(stelle);
        };
    }
    return *verwendungenFenster;
}

Umbenennen& Spielfenster::umbenennen()
{
    if (!umbenennenFenster) {
        umbenennenFenster = new Umbenennen(dienst, desktop, &editor);
        // The open room takes part: saved first, shown as the rename left it.
        umbenennenFenster->vorDemUmbenennen = [this] {
            return editor.befehle().aenderungenSichern();
        };
        umbenennenFenster->nachDemUmbenennen = [this](const QStringList& dateien,
                                                      const QHash<QString, QString>& umbenannt) {
            nachDemUmbenennen(dateien, umbenannt);
        };
    }
    return *umbenennenFenster;
}

void Spielfenster::nachDemSkriptEditor(const std::function<void()>& tun)
{
    if (skriptFenster && skriptFenster->isVisible())
        skriptFenster->schliessenUndDann(tun);
    else
        tun();
}

void Spielfenster::oeffnen(const SkriptStelle& stelle)
{
    nachDemSkriptEditor([this, stelle] { editor.stelleOeffnen(stelle); });
}

QString Spielfenster::offenerRaum() const
{
    return dienst.relativ(editor.befehle().geoeffneteDatei());
}

void Spielfenster::gotoFolgen(const QString& parameter)
{
    if (!dienst.bereit()) {
        desktop.warn(skriptFenster, QStringLiteral("Das Spiel wird noch gelesen. Versuchen Sie es "
                                                   "gleich noch einmal."));
        return;
    }
    const QString ziel = Verwendungssuche::gotoZiel(dienst.spiel(), parameter);
    if (ziel.isNull()) {
        desktop.warn(skriptFenster,
                     QStringLiteral("Einen Raum „%1“ gibt es im Ordner „rooms“ nicht.")
                         .arg(parameter.trimmed()));
        return;
    }
    const QString pfad = m.pfad(ziel);
    skriptFenster->schliessenUndDann([this, pfad] {
        if (!editor.befehle().istGeoeffnet(pfad))
            editor.befehle().oeffnen(pfad);
    });
}

void Spielfenster::verwendungenDerZeile(qint32 befehl, const QString& parameter)
{
    const std::optional<Verwendungssuche::Benannt> name =
        Verwendungssuche::benannt(befehl, parameter);
    if (!name) {
        desktop.warn(skriptFenster, QStringLiteral("Diese Zeile nennt keinen Flag, keinen "
                                                   "Gegenstand, keinen Raum, keine Datei, keinen "
                                                   "HotSpot und keine Marke."));
        return;
    }
    // A hotspot belongs to its room, a label to its script.
    const SkriptPruefer::Herkunft& herkunft = skriptFenster->herkunft();
    const QString datei = herkunft.imRaum ? offenerRaum() : dienst.relativ(herkunft.datei);
    int skript = -1;
    if (name->art == NamensArt::Label) {
        const auto d = dienst.spiel().datei(datei);
        skript = d ? d->skriptBei(herkunft.ort) : -1;
    }
    verwendungen().zeigen(name->art, name->name, datei, skript);
}

void Spielfenster::umbenennenDerZeile(qint32 befehl, const QString& parameter)
{
    const std::optional<Verwendungssuche::Benannt> name =
        Verwendungssuche::benannt(befehl, parameter);
    if (!name || name->art == NamensArt::Label) {
        desktop.warn(skriptFenster, QStringLiteral("Diese Zeile nennt keinen Namen, der sich im "
                                                   "ganzen Spiel umbenennen lässt."));
        return;
    }
    // The rename writes the room's file: the script goes back into the room first.
    const QString raum = offenerRaum();
    skriptFenster->schliessenUndDann(
        [this, art = name->art, alt = name->name, raum] { umbenennen().zeigen(art, alt, raum); });
}

void Spielfenster::nachDemUmbenennen(const QStringList& dateien,
                                     const QHash<QString, QString>& umbenannt)
{
    const QString offen = QDir::fromNativeSeparators(offenerRaum());
    if (offen.isEmpty())
        return;
    const QString jetzt = umbenannt.value(offen, offen);
    if (!dateien.contains(offen) && !dateien.contains(jetzt) && jetzt == offen)
        return;
    // Saved or let go before the rename: shown as it is on disk, its history begun afresh, the
    // hotspot selected kept when its name is still there.
    editor.nachladen().neuLaden(m.pfad(jetzt));
}
