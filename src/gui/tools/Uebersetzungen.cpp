// The window "Übersetzungen": the game's languages, the template written, translated games built.
#include "Uebersetzungen.h"

#include "platform/Desktop.h"
#include "roomfile/TextFile.h"
#include "spiel/Pruefdienst.h"
#include "texte/Spielbau.h"
#include "texte/Textvorlage.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

namespace {

enum Spalte
{
    Sprache,
    Uebersetzt,
    Ungenau,
    Unuebersetzt,
    Veraltet
};

struct Vorlagenlauf
{
    bool geschrieben = false;
    QString text;
};

/// Writes the template and merges every language into it; on its own thread, so everything it
/// needs is handed in.
Vorlagenlauf vorlageSchreibenIn(const Spielpruefung& spiel, const QString& ordner,
                                const QString& spielname, GettextProgramm& gettext,
                                const std::atomic<bool>& abbrechen)
{
    const Textvorlage vorlage = Textvorlage::aus(spiel);
    const QString pot = ordner + QStringLiteral("/spiel.pot");
    if (!QDir().mkpath(ordner) ||
        !TextFile::write(pot, vorlage.pot(spielname, QDateTime::currentDateTimeUtc())))
        return {
            false,
            QStringLiteral("%1 kann nicht geschrieben werden.").arg(QDir::toNativeSeparators(pot))};
    QStringList text{QStringLiteral("Die Vorlage ist geschrieben: %1 Texte in %2.")
                         .arg(vorlage.texte.size())
                         .arg(QDir::toNativeSeparators(pot))};
    // What the template leaves out is told, as tarnholm-texte tells it on stderr.
    if (!vorlage.warnungen.isEmpty())
        text << QStringLiteral("Ausgelassen:\n") + vorlage.warnungen.join(QLatin1Char('\n'));
    const QStringList dateien =
        QDir(ordner).entryList({QStringLiteral("*.po")}, QDir::Files, QDir::Name);
    QStringList gemischt;
    for (const QString& datei : dateien) {
        // The window is gone: nobody waits for the rest, the next template merges it.
        if (abbrechen)
            break;
        const GettextProgramm::Ergebnis e =
            gettext.msgmerge(ordner + QLatin1Char('/') + datei, pot);
        if (!e.gestartet) {
            text << QStringLiteral("Die Sprachen sind nicht auf den neuen Stand gebracht. ") +
                        GettextProgramm::installieren();
            gemischt.clear();
            break;
        }
        if (e.ok())
            gemischt << datei;
        else
            text << QStringLiteral("msgmerge kann %1 nicht auf den neuen Stand bringen: %2")
                        .arg(datei, QString::fromLocal8Bit(e.fehler).trimmed());
    }
    if (!gemischt.isEmpty())
        text << QStringLiteral("Auf den neuen Stand gebracht (neue Texte unübersetzt, geänderte "
                               "ungenau): %1.")
                    .arg(gemischt.join(QStringLiteral(", ")));
    return {true, text.join(QStringLiteral("\n\n"))};
}

} // namespace

Uebersetzungen::Uebersetzungen(Pruefdienst& dienst, Desktop& desktop, QWidget* parent)
    : QDialog(parent), dienst(dienst), desktop(desktop)
{
    setObjectName(QStringLiteral("Uebersetzungen"));
    setWindowTitle(QStringLiteral("Übersetzungen"));
    resize(900, 460);
    auto* spalten = new QVBoxLayout(this);
    hinweis = new QLabel(this);
    hinweis->setObjectName(QStringLiteral("Hinweis"));
    hinweis->setWordWrap(true);
    spalten->addWidget(hinweis);
    sprachen = new QTreeWidget(this);
    sprachen->setObjectName(QStringLiteral("Sprachen"));
    sprachen->setHeaderLabels({QStringLiteral("Sprache"), QStringLiteral("Übersetzt"),
                               QStringLiteral("Ungenau"), QStringLiteral("Unübersetzt"),
                               QStringLiteral("Nicht mehr im Spiel")});
    sprachen->setRootIsDecorated(false);
    sprachen->setAllColumnsShowFocus(true);
    sprachen->header()->resizeSection(Sprache, 160);
    for (int s = Uebersetzt; s <= Veraltet; ++s) {
        sprachen->header()->resizeSection(s, s == Veraltet ? 140 : 100);
        sprachen->headerItem()->setTextAlignment(s, Qt::AlignRight | Qt::AlignVCenter);
    }
    spalten->addWidget(sprachen, 2);
    auto* knoepfe = new QHBoxLayout;
    vorlageKnopf = new QPushButton(QStringLiteral("&Vorlage schreiben"), this);
    vorlageKnopf->setObjectName(QStringLiteral("VorlageSchreiben"));
    bauenKnopf = new QPushButton(QStringLiteral("Spiel &bauen…"), this);
    bauenKnopf->setObjectName(QStringLiteral("SpielBauen"));
    knoepfe->addWidget(vorlageKnopf);
    knoepfe->addWidget(bauenKnopf);
    stand = new QLabel(this);
    stand->setObjectName(QStringLiteral("Stand"));
    knoepfe->addWidget(stand);
    knoepfe->addStretch();
    spalten->addLayout(knoepfe);
    ablehnungenTitel = new QLabel(this);
    spalten->addWidget(ablehnungenTitel);
    ablehnungen = new QTreeWidget(this);
    ablehnungen->setObjectName(QStringLiteral("Ablehnungen"));
    ablehnungen->setHeaderLabels(
        {QStringLiteral("Zeile"), QStringLiteral("Text"), QStringLiteral("Grund")});
    ablehnungen->setRootIsDecorated(false);
    ablehnungen->header()->resizeSection(0, 50);
    ablehnungen->header()->resizeSection(1, 220);
    spalten->addWidget(ablehnungen, 1);
    ablehnungenTitel->hide();
    ablehnungen->hide();

    connect(vorlageKnopf, &QPushButton::clicked, this, &Uebersetzungen::vorlageSchreiben);
    connect(bauenKnopf, &QPushButton::clicked, this, &Uebersetzungen::bauen);
    connect(sprachen, &QTreeWidget::currentItemChanged, this,
            [this] { bauenKnopf->setEnabled(!arbeit && sprachen->currentItem() != nullptr); });
    // Saved, renamed or changed on disk: the counts follow while the window is open.
    connect(&dienst, &Pruefdienst::geaendert, this, [this] {
        if (isVisible())
            neuBerechnen();
    });
}

Uebersetzungen::~Uebersetzungen()
{
    // The editor closes: a build stops and removes its hidden folder, and is waited for.
    if (arbeit) {
        *abbrechen = true;
        arbeit->waitForFinished();
    }
}

void Uebersetzungen::laeuft(const QString& was)
{
    abbrechen = std::make_shared<std::atomic<bool>>(false);
    vorlageKnopf->setEnabled(false);
    bauenKnopf->setEnabled(false);
    stand->setText(was);
}

void Uebersetzungen::fertig()
{
    arbeit->deleteLater();
    arbeit = nullptr;
    stand->clear();
    vorlageKnopf->setEnabled(true);
    bauenKnopf->setEnabled(sprachen->currentItem() != nullptr);
}

QString Uebersetzungen::ordner() const
{
    return dienst.ordner().AppPfad + QStringLiteral("uebersetzungen");
}

void Uebersetzungen::zeigen()
{
    show();
    raise();
    activateWindow();
    neuBerechnen();
}

void Uebersetzungen::neuBerechnen()
{
    const QString gewaehlt =
        sprachen->currentItem() ? sprachen->currentItem()->text(Sprache) : QString();
    sprachen->clear();
    if (!dienst.bereit()) {
        hinweis->setText(QStringLiteral("Das Spiel wird gelesen …"));
        bauenKnopf->setEnabled(false);
        return;
    }
    const Textvorlage vorlage = Textvorlage::aus(dienst.spiel());
    const QStringList dateien =
        QDir(ordner()).entryList({QStringLiteral("*.po")}, QDir::Files, QDir::Name);
    for (const QString& datei : dateien) {
        auto* zeile = new QTreeWidgetItem(sprachen, {datei});
        const std::optional<QByteArray> bytes = TextFile::read(ordner() + QLatin1Char('/') + datei);
        PoFehler fehler{0, QStringLiteral("kann nicht gelesen werden")};
        const std::optional<PoDatei> po = bytes ? PoDatei::lesen(*bytes, fehler) : std::nullopt;
        if (!po) {
            zeile->setText(Uebersetzt,
                           fehler.zeile > 0
                               ? QStringLiteral("Zeile %1: %2").arg(fehler.zeile).arg(fehler.text)
                               : fehler.text);
            continue;
        }
        const Zaehlung z = Uebersetzung(vorlage, *po).zaehlung();
        zeile->setText(Uebersetzt, QString::number(z.uebersetzt));
        zeile->setText(Ungenau, QString::number(z.ungenau));
        zeile->setText(Unuebersetzt, QString::number(z.unuebersetzt));
        zeile->setText(Veraltet, QString::number(z.veraltet));
        for (int s = Uebersetzt; s <= Veraltet; ++s)
            zeile->setTextAlignment(s, Qt::AlignRight | Qt::AlignVCenter);
        if (datei == gewaehlt)
            sprachen->setCurrentItem(zeile);
    }
    if (!sprachen->currentItem() && sprachen->topLevelItemCount() > 0)
        sprachen->setCurrentItem(sprachen->topLevelItem(0));
    bauenKnopf->setEnabled(!arbeit && sprachen->currentItem() != nullptr);
    hinweis->setText(
        dateien.isEmpty()
            ? QStringLiteral("%1 Texte im Spiel, noch keine Sprache. „Vorlage schreiben“ legt "
                             "uebersetzungen/spiel.pot an; jede Sprache ist eine PO-Datei "
                             "daneben (en.po, fr.po), angelegt mit Poedit oder msginit.")
                  .arg(vorlage.texte.size())
            : QStringLiteral("%1 Texte im Spiel. Die Sprachen liegen in uebersetzungen/ und "
                             "werden mit Poedit, Weblate oder einem Texteditor übersetzt.")
                  .arg(vorlage.texte.size()));
}

void Uebersetzungen::vorlageSchreiben()
{
    if (!dienst.bereit() || arbeit)
        return;
    auto* beobachter = new QFutureWatcher<Vorlagenlauf>(this);
    connect(beobachter, &QFutureWatcherBase::finished, this, [this, beobachter] {
        const Vorlagenlauf v = beobachter->result();
        fertig();
        if (!v.geschrieben) {
            desktop.warn(this, v.text);
            return;
        }
        MessageRequest r;
        r.text = v.text;
        r.icon = QMessageBox::Information;
        desktop.message(this, r);
        neuBerechnen();
    });
    laeuft(QStringLiteral("Die Vorlage wird geschrieben …"));
    arbeit = beobachter;
    beobachter->setFuture(QtConcurrent::run([spiel = dienst.spiel(), ordner = ordner(),
                                             spielname = QDir(dienst.ordner().AppPfad).dirName(),
                                             &gettext = desktop.gettext(), stop = abbrechen] {
        return vorlageSchreibenIn(spiel, ordner, spielname, gettext, *stop);
    }));
}

void Uebersetzungen::bauen()
{
    if (!dienst.bereit() || !sprachen->currentItem() || arbeit)
        return;
    const QString datei = sprachen->currentItem()->text(Sprache);
    const QString sprache = QFileInfo(datei).completeBaseName();
    const QString spielordner = QDir(dienst.ordner().AppPfad).absolutePath();
    FileRequest frage;
    frage.mode = FileRequest::Mode::Folder;
    frage.title = QStringLiteral("Wohin kommt das Spiel auf %1?").arg(sprache);
    frage.folder = QFileInfo(spielordner).absolutePath();
    const QString wohin = desktop.chooseFile(this, frage);
    if (wohin.isEmpty())
        return;
    const QString ziel =
        QDir(wohin).filePath(QDir(spielordner).dirName() + QLatin1Char('-') + sprache);
    auto* beobachter = new QFutureWatcher<Spielbau::Ergebnis>(this);
    connect(beobachter, &QFutureWatcherBase::finished, this, [this, beobachter, datei, ziel] {
        const Spielbau::Ergebnis e = beobachter->result();
        fertig();
        gebaut(e, datei, ziel);
    });
    laeuft(QStringLiteral("Das Spiel wird gebaut …"));
    arbeit = beobachter;
    beobachter->setFuture(QtConcurrent::run(
        [spiel = dienst.spiel(), spielordner, po = ordner() + QLatin1Char('/') + datei, ziel,
         stop = abbrechen] { return Spielbau::bauen(spiel, spielordner, po, ziel, stop.get()); }));
}

void Uebersetzungen::gebaut(const Spielbau::Ergebnis& e, const QString& datei, const QString& ziel)
{
    ablehnungen->clear();
    ablehnungen->setVisible(e.art == Spielbau::Ergebnis::Art::Abgelehnt);
    ablehnungenTitel->setVisible(ablehnungen->isVisible());
    switch (e.art) {
    case Spielbau::Ergebnis::Art::Fertig: {
        MessageRequest r;
        r.text = QStringLiteral("Das Spiel ist gebaut: %1\n\n%2")
                     .arg(QDir::toNativeSeparators(ziel), e.zaehlung.satz());
        r.icon = QMessageBox::Information;
        desktop.message(this, r);
        return;
    }
    case Spielbau::Ergebnis::Art::Abgelehnt:
        ablehnungenTitel->setText(
            QStringLiteral("%1 ist abgelehnt, nichts ist geschrieben:").arg(datei));
        for (const Ablehnung& a : e.ablehnungen) {
            auto* zeile = new QTreeWidgetItem(
                ablehnungen,
                {a.zeile > 0 ? QString::number(a.zeile) : QString(),
                 QString(a.text).replace(QLatin1Char('\n'), QStringLiteral("\\n")), a.grund});
            zeile->setToolTip(1, a.text);
            zeile->setToolTip(2, a.grund);
        }
        return;
    case Spielbau::Ergebnis::Art::Fehler:
        desktop.warn(this, e.fehler + QLatin1Char('.'));
        return;
    }
}
