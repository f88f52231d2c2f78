#include "SkriptBefunde.h"

#include "model/Module1.h"
#include "raetsel/Raetseldienst.h"
#include "spiel/Pruefdienst.h"

#include <QLabel>
#include <QStyle>
#include <QWidget>

namespace {

constexpr int zeichenGroesse = 12;

QString anzahl(int n, const char* eins, const char* mehr)
{
    return QString::number(n) + QLatin1Char(' ') + QString::fromUtf8(n == 1 ? eins : mehr);
}

} // namespace

SkriptBefunde::SkriptBefunde(Module1& raum, QWidget* fenster, int oben)
    : QObject(fenster), m(raum), fenster(fenster)
{
    zeichen = new QLabel(fenster);
    zeichen->setObjectName(QStringLiteral("Befundzeichen"));
    zeichen->setGeometry(4, oben + (Hoehe - zeichenGroesse) / 2, zeichenGroesse, zeichenGroesse);
    zeile = new QLabel(fenster);
    zeile->setObjectName(QStringLiteral("Befundzeile"));
    zeile->setGeometry(8 + zeichenGroesse, oben, fenster->width() - 12 - zeichenGroesse, Hoehe);
}

void SkriptBefunde::anschliessen(Pruefdienst* neu, std::function<QString()> datei)
{
    if (dienst)
        disconnect(dienst, nullptr, this, nullptr);
    dienst = neu;
    raumDatei = std::move(datei);
    // The game read at last, or read anew: the hints follow at once.
    if (dienst) {
        const auto nachfuehren = [this] {
            if (fenster->isVisible()) {
                umfeldSetzen();
                allesPruefen();
            }
        };
        connect(dienst, &Pruefdienst::geaendert, this, nachfuehren);
        // What can never happen comes a moment after the game as read.
        connect(&Raetseldienst::von(*dienst), &Raetseldienst::geaendert, this, nachfuehren);
    }
}

void SkriptBefunde::nieNachfuehren()
{
    QVector<SkriptPruefer::Nie> nie;
    const Raetseldienst* raetsel = dienst ? &Raetseldienst::von(*dienst) : nullptr;
    const std::shared_ptr<const Erreichbarkeit> ablauf = raetsel ? raetsel->ergebnis() : nullptr;
    const QString datei =
        !herkunft.imRaum ? herkunft.datei : (raumDatei ? dienst->relativ(raumDatei()) : QString());
    // The file as the analysis saw it: the service may know a newer one already.
    const std::shared_ptr<const SpielDatei> gelesen =
        ablauf && !datei.isEmpty() ? raetsel->ergebnisSpiel()->datei(datei) : nullptr;
    if (gelesen) {
        for (int k = 0; k < gelesen->skripte.size(); ++k) {
            const SpielDatei::SkriptDaten& d = gelesen->skripte[k];
            const bool hier = !herkunft.imRaum || (d.ort.art == herkunft.ort.art &&
                                                   d.ort.hotSpot == herkunft.ort.hotSpot &&
                                                   d.ort.aktion == herkunft.ort.aktion);
            // Lines counted in the script as saved mean nothing in one changed since.
            if (!hier || !(d.skript == m.AktSkript))
                continue;
            for (const NieBefund& b : ablauf->nie) {
                if (b.stelle.datei == datei && b.skript == k)
                    nie.append({b.stelle.zeile, b.bis, b.grund.text()});
            }
            break;
        }
    }
    p.nieSetzen(std::move(nie));
}

void SkriptBefunde::herkunftSetzen(const SkriptPruefer::Herkunft& h)
{
    herkunft = h;
    if (!herkunft.imRaum && dienst)
        herkunft.datei = dienst->relativ(herkunft.datei);
}

void SkriptBefunde::umfeldSetzen()
{
    const QString datei = dienst && raumDatei ? dienst->relativ(raumDatei()) : QString();
    p.umfeld(herkunft, m, datei, dienst && dienst->bereit() ? &dienst->spiel() : nullptr);
}

void SkriptBefunde::allesPruefen()
{
    p.pruefen(m.AktSkript);
    nieNachfuehren();
    zeigen();
}

void SkriptBefunde::getippt(qint32 i, const QString& alt)
{
    p.parameterGeaendert(m.AktSkript, i, alt);
    // Typed, the script differs from the one the analysis saw.
    if (p.hatNie())
        nieNachfuehren();
    zeigen();
}

void SkriptBefunde::zeigen()
{
    // Marks may change on any row.
    if (neuZeichnen)
        neuZeichnen();
    const int i = gewaehlt ? gewaehlt() : -1;
    const bool eigene = i >= 0 && !p.befunde(i).isEmpty();
    const bool fehler = eigene ? p.befunde(i).first().fehler : p.fehler() > 0;
    const bool hinweis = eigene ? !fehler : p.hinweise() > 0;
    const QStyle::StandardPixmap art =
        fehler ? QStyle::SP_MessageBoxCritical : QStyle::SP_MessageBoxWarning;
    zeichen->setPixmap(
        fehler || hinweis ? fenster->style()->standardIcon(art).pixmap(zeichenGroesse) : QPixmap());
    const QString t = text();
    zeile->setText(zeile->fontMetrics().elidedText(t, Qt::ElideRight, zeile->width()));
    zeile->setToolTip(t);
}

QString SkriptBefunde::text() const
{
    const int i = gewaehlt ? gewaehlt() : -1;
    if (i >= 0 && !p.befunde(i).isEmpty()) {
        QStringList texte;
        for (const SkriptPruefer::Befund& b : p.befunde(i))
            texte << b.text;
        return texte.join(QStringLiteral("; "));
    }
    const int f = p.fehler();
    const int h = p.hinweise();
    QString t =
        f == 0 && h == 0
            ? QStringLiteral("Keine Fehler und keine Hinweise")
            : (f == 0 ? QStringLiteral("Keine Fehler") : anzahl(f, "Fehler", "Fehler")) +
                  QStringLiteral(", ") +
                  (h == 0 ? QStringLiteral("keine Hinweise") : anzahl(h, "Hinweis", "Hinweise"));
    if (dienst && !dienst->bereit())
        t += QStringLiteral(" (das Spiel wird noch gelesen)");
    return t;
}
