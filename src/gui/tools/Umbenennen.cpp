#include "Umbenennen.h"

#include "Namensvorschlaege.h"
#include "platform/Desktop.h"
#include "spiel/Pruefdienst.h"

#include <QComboBox>
#include <QDir>
#include <QFutureWatcher>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtConcurrent/QtConcurrentRun>

namespace {

const NamensArt arten[] = {NamensArt::Flag, NamensArt::Gegenstand, NamensArt::Raum,
                           NamensArt::Bild, NamensArt::Ton,        NamensArt::HotSpot};

/// Whether two plans show the same: the same files renamed, the same lines changed the same
/// way. Saving the open room first changes its bytes elsewhere, not what the author was shown.
bool gleich(const Umbenennung::Plan& a, const Umbenennung::Plan& b)
{
    if (a.fehler != b.fehler || a.dateien.size() != b.dateien.size())
        return false;
    for (qsizetype i = 0; i < a.dateien.size(); ++i) {
        const Umbenennung::Datei& x = a.dateien[i];
        const Umbenennung::Datei& y = b.dateien[i];
        if (x.alt != y.alt || x.neu != y.neu || x.zeilen.size() != y.zeilen.size())
            return false;
        for (qsizetype k = 0; k < x.zeilen.size(); ++k) {
            const SkriptStelle& s = x.zeilen[k].stelle;
            const SkriptStelle& t = y.zeilen[k].stelle;
            if (s.skript != t.skript || s.zeile != t.zeile || s.zeilenText != t.zeilenText ||
                x.zeilen[k].neu != y.zeilen[k].neu)
                return false;
        }
    }
    return true;
}

QLabel* beschriftung(const QString& text, const QRect& wo, QWidget* fenster)
{
    auto* l = new QLabel(text, fenster);
    l->setGeometry(wo);
    return l;
}

} // namespace

Umbenennen::Umbenennen(Pruefdienst& dienst, Desktop& desktop, QWidget* parent)
    : QDialog(parent), dienst(dienst), desktop(desktop),
      journale(Umbenenner::journalOrdner(dienst.ordner().AppPfad))
{
    setObjectName(QStringLiteral("Umbenennen"));
    setWindowTitle(QStringLiteral("Umbenennen"));
    setFixedSize(600, 400);

    beschriftung(QStringLiteral("Art:"), {8, 10, 60, 16}, this);
    art = new QComboBox(this);
    art->setObjectName(QStringLiteral("Art"));
    art->setGeometry(70, 8, 100, 20);
    for (const NamensArt a : arten)
        art->addItem(Verwendungssuche::artName(a));
    auto* raumText = beschriftung(QStringLiteral("Raum:"), {186, 10, 40, 16}, this);
    raum = new QComboBox(this);
    raum->setObjectName(QStringLiteral("Raum"));
    raum->setGeometry(226, 8, 200, 20);
    beschriftung(QStringLiteral("Alter Name:"), {8, 36, 60, 16}, this);
    alt = new QLineEdit(this);
    alt->setObjectName(QStringLiteral("Alt"));
    alt->setGeometry(70, 34, 230, 20);
    beschriftung(QStringLiteral("Neuer Name:"), {308, 36, 66, 16}, this);
    neu = new QLineEdit(this);
    neu->setObjectName(QStringLiteral("Neu"));
    neu->setGeometry(376, 34, 216, 20);

    vorschau = new QTreeWidget(this);
    vorschau->setObjectName(QStringLiteral("Vorschau"));
    vorschau->setGeometry(8, 62, 584, 282);
    vorschau->setHeaderLabels(
        {QStringLiteral("Datei, Stelle"), QStringLiteral("Bisher"), QStringLiteral("Neu")});
    vorschau->setColumnWidth(0, 200);
    vorschau->setColumnWidth(1, 190);
    vorschau->setUniformRowHeights(true);
    grund = new QLabel(this);
    grund->setObjectName(QStringLiteral("Grund"));
    grund->setGeometry(8, 348, 584, 16);
    grund->setStyleSheet(QStringLiteral("color: #a00000"));

    ok = new QPushButton(QStringLiteral("Umbenennen"), this);
    ok->setObjectName(QStringLiteral("Umbenennen"));
    ok->setGeometry(424, 370, 82, 23);
    ok->setAutoDefault(false);
    auto* abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    abbrechen->setObjectName(QStringLiteral("Abbrechen"));
    abbrechen->setGeometry(510, 370, 82, 23);
    abbrechen->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &Umbenennen::umbenennen);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);

    vorschlaege = new Namensvorschlaege(dienst, alt);
    connect(alt, &QLineEdit::returnPressed, this, &Umbenennen::eingabe);
    connect(neu, &QLineEdit::returnPressed, this, &Umbenennen::eingabe);

    takt.setSingleShot(true);
    takt.setInterval(150);
    connect(&takt, &QTimer::timeout, this, &Umbenennen::vorausplanen);
    const auto spaeter = [this] { takt.start(); };
    connect(alt, &QLineEdit::textChanged, this, spaeter);
    connect(neu, &QLineEdit::textChanged, this, spaeter);
    connect(raum, &QComboBox::currentIndexChanged, this, [this, spaeter] {
        vorschlagen();
        spaeter();
    });
    connect(art, &QComboBox::currentIndexChanged, this, [this, raumText, spaeter] {
        raum->setVisible(gewaehlt() == NamensArt::HotSpot);
        raumText->setVisible(!raum->isHidden());
        vorschlagen();
        spaeter();
    });
    connect(&dienst, &Pruefdienst::geaendert, this, [this, spaeter] {
        if (isVisible())
            spaeter();
    });
    raum->hide();
    raumText->hide();
}

NamensArt Umbenennen::gewaehlt() const
{
    return arten[std::max(0, art->currentIndex())];
}

void Umbenennen::zeigen(NamensArt a, const QString& altName, const QString& raumDatei)
{
    raum->clear();
    for (const std::shared_ptr<const SpielDatei>& d : dienst.spiel().dateien()) {
        if (d->raum)
            raum->addItem(QDir::fromNativeSeparators(d->datei), d->datei);
    }
    const int stelle = int(std::find(std::begin(arten), std::end(arten), a) - std::begin(arten));
    art->setCurrentIndex(std::min(stelle, int(std::size(arten)) - 1));
    raum->setCurrentIndex(std::max(0, raum->findData(raumDatei)));
    vorschlagen();
    alt->setText(altName);
    neu->setText(altName);
    // The first box to fill has the focus; a name given is renamed from itself, selected.
    if (altName.isEmpty()) {
        alt->setFocus();
    } else {
        neu->selectAll();
        neu->setFocus();
    }
    vorausplanen();
    desktop.showModal(*this);
}

void Umbenennen::vorschlagen()
{
    vorschlaege->anbieten(
        gewaehlt(), gewaehlt() == NamensArt::HotSpot ? raum->currentData().toString() : QString());
}

void Umbenennen::eingabe()
{
    // Only what the preview shows may be written: not while it is being made anew.
    if (takt.isActive() || gezeigt != planNummer || !plan.moeglich())
        return;
    umbenennen();
}

Umbenennung::Anfrage Umbenennen::anfrage() const
{
    return {gewaehlt(), alt->text(), neu->text(), raum->currentData().toString()};
}

void Umbenennen::planen()
{
    takt.stop();
    ++planNummer;
    if (!dienst.bereit()) {
        plan = {};
        grund->setText(QStringLiteral("Das Spiel wird noch gelesen …"));
        vorschauZeigen();
        return;
    }
    const Umbenennung::Anfrage a = anfrage();
    planZeigen(Umbenennung::planen(dienst.spiel(),
                                   Umbenennung::Spielzugriff::aufPlatte(dienst.ordner().AppPfad),
                                   a),
               a);
    gezeigt = planNummer;
}

void Umbenennen::vorausplanen()
{
    if (!dienst.bereit()) {
        planen();
        return;
    }
    // A plan reads every file it changes: off the window's thread, on the game as it is now.
    // Only the newest plan is shown.
    const quint64 nummer = ++planNummer;
    const Umbenennung::Anfrage a = anfrage();
    auto* beobachter = new QFutureWatcher<Umbenennung::Plan>(this);
    connect(beobachter, &QFutureWatcherBase::finished, this, [this, beobachter, nummer, a] {
        beobachter->deleteLater();
        if (nummer == planNummer) {
            planZeigen(beobachter->result(), a);
            gezeigt = nummer;
        }
    });
    beobachter->setFuture(
        QtConcurrent::run([spiel = dienst.spiel(),
                           zugriff = Umbenennung::Spielzugriff::aufPlatte(dienst.ordner().AppPfad),
                           a] { return Umbenennung::planen(spiel, zugriff, a); }));
}

void Umbenennen::planZeigen(Umbenennung::Plan gemacht, const Umbenennung::Anfrage& a)
{
    plan = std::move(gemacht);
    // The old name typed again is no mistake yet, only nothing to do; nor is a new name not
    // yet begun while the old one is typed.
    grund->setText(plan.moeglich() || a.neu == a.alt || a.neu.isEmpty() ? QString() : plan.fehler);
    vorschauZeigen();
}

void Umbenennen::vorschauZeigen()
{
    vorschau->clear();
    QList<QTreeWidgetItem*> oben;
    for (const Umbenennung::Datei& d : std::as_const(plan.dateien)) {
        auto* datei = new QTreeWidgetItem(
            {d.alt, d.umbenannt() ? d.alt : QString(), d.umbenannt() ? d.neu : QString()});
        datei->setFlags(Qt::ItemIsEnabled);
        for (const Umbenennung::Zeile& z : d.zeilen) {
            const SkriptStelle& s = z.stelle;
            const QString wo = s.zeile < 0
                                   ? (s.skript.isEmpty() ? QStringLiteral("Hintergrund") : s.skript)
                                   : (s.skript.isEmpty() ? QStringLiteral("Skript") : s.skript) +
                                         QStringLiteral(", Zeile %1").arg(s.zeile + 1);
            new QTreeWidgetItem(datei, {wo, s.zeilenText, z.neu});
        }
        oben << datei;
    }
    vorschau->addTopLevelItems(oben);
    vorschau->expandAll();
}

void Umbenennen::umbenennen()
{
    planen();
    if (!plan.moeglich()) {
        desktop.warn(this, plan.fehler);
        return;
    }
    if (vorDemUmbenennen && !vorDemUmbenennen())
        return;
    // Saving the room may have changed what the preview showed: only what was shown is written,
    // on the files as they are now.
    const Umbenennung::Plan gezeigt = plan;
    planen();
    if (!gleich(gezeigt, plan)) {
        desktop.warn(this, plan.moeglich() ? QStringLiteral("Die Dateien haben sich eben geändert. "
                                                            "Die Vorschau zeigt jetzt, was "
                                                            "umbenannt würde.")
                                           : plan.fehler);
        return;
    }
    const Umbenenner::Ergebnis e = Umbenenner(dienst.ordner().AppPfad, journale).ausfuehren(plan);
    weitersagen(e);
    if (e.art == Umbenenner::Ergebnis::Art::Erledigt) {
        accept();
        return;
    }
    desktop.warn(this, e.text);
    planen();
}

void Umbenennen::weitersagen(const Umbenenner::Ergebnis& e)
{
    for (const QString& datei : e.dateien)
        dienst.dateiGeaendert(dienst.ordner().pfad(datei));
    if (!e.dateien.isEmpty() && nachDemUmbenennen)
        nachDemUmbenennen(e.dateien, e.umbenannt);
}

QString Umbenennen::letzteUmbenennung()
{
    return Umbenenner(dienst.ordner().AppPfad, journale).letzte();
}

void Umbenennen::rueckgaengig()
{
    Umbenenner umbenenner(dienst.ordner().AppPfad, journale);
    if (umbenenner.letzte().isNull()) {
        desktop.warn(this, QStringLiteral("Es gibt keine Umbenennung, die sich zurücknehmen "
                                          "lässt."));
        return;
    }
    if (vorDemUmbenennen && !vorDemUmbenennen())
        return;
    const Umbenenner::Ergebnis e = umbenenner.rueckgaengig();
    weitersagen(e);
    if (!e.ok())
        desktop.warn(this, e.text);
}

bool Umbenennen::aufraeumen(Desktop& desktop, const QString& spielordner, QWidget* parent)
{
    return aufgeraeumt(desktop,
                       Umbenenner(spielordner, Umbenenner::journalOrdner(spielordner)).aufraeumen(),
                       parent);
}

bool Umbenennen::aufgeraeumt(Desktop& desktop, const Umbenenner::Ergebnis& e, QWidget* parent)
{
    if (!e.text.isEmpty()) {
        MessageRequest r;
        r.text = e.text;
        r.icon = e.ok() ? QMessageBox::Information : QMessageBox::Warning;
        desktop.message(parent, r);
    }
    return e.ok();
}
