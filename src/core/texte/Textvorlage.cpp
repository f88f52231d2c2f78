// The template of every text the player reads: what translators get.
#include "Textvorlage.h"

#include "PoDatei.h"
#include "Spieltexte.h"
#include "spiel/Spielpruefung.h"

#include <QDir>

namespace {

/// A file name as gettext writes it in a reference: spaces kept inside isolating marks.
QString referenz(const QString& datei, int zeile)
{
    QString pfad = QDir::fromNativeSeparators(datei);
    if (pfad.contains(QLatin1Char(' ')))
        pfad = QChar(0x2068) + pfad + QChar(0x2069);
    return pfad + QLatin1Char(':') + QString::number(zeile);
}

QString ortName(const SpielDatei& d, const SpielDatei::SkriptDaten& s)
{
    using Art = RoomFile::SkriptOrt::Art;
    if (!d.raum)
        return {};
    switch (s.ort.art) {
    case Art::Start:
        return QStringLiteral("Startskript, ");
    case Art::Timer:
        return QStringLiteral("Timerskript, ");
    case Art::HotSpot:
        break;
    }
    static const char* const aktionen[] = {"Sieh an!", "Tue", "Interagiere"};
    return QStringLiteral("HotSpot „") + d.hotSpots.value(s.ort.hotSpot).name.trimmed() +
           QStringLiteral("“, ") + QLatin1String(aktionen[s.ort.aktion]) + QStringLiteral(", ");
}

} // namespace

Textvorlage Textvorlage::aus(const Spielpruefung& spiel)
{
    Textvorlage vorlage;
    QHash<QString, qsizetype> index;
    for (const auto& datei : spiel.dateien()) {
        const SpielDatei& d = *datei;
        const QString name = QDir::fromNativeSeparators(d.datei);
        if (!d.geoeffnet)
            continue;
        if (!d.vollstaendig) {
            vorlage.warnungen << name + QStringLiteral(": kann nur bis Zeile %1 gelesen werden; "
                                                       "seine Texte bleiben deutsch")
                                            .arg(d.zeile);
            continue;
        }
        for (const SpielDatei::SkriptDaten& s : d.skripte) {
            for (qint32 z = 0; z <= s.skript.MaxZeile; ++z) {
                const QString& parameter = s.skript.Parameter[z];
                bool fehlerhaft = false;
                const QVector<Textteil> teile =
                    Spieltexte::teile(s.skript.Befehl[z], parameter, &fehlerhaft);
                const int dateiZeile = s.stellen.datei.value(z);
                const QString wo = name + QStringLiteral(": ") + ortName(d, s) +
                                   QStringLiteral("Zeile ") + QString::number(z + 1);
                if (fehlerhaft)
                    vorlage.warnungen << wo +
                                             QStringLiteral(": SelectCase braucht „Anzahl | Frage "
                                                            "| Antwort“, nicht „") +
                                             parameter + QStringLiteral("“; ausgelassen");
                for (qsizetype t = 0; t < teile.size(); ++t) {
                    const QStringView text =
                        QStringView(parameter).mid(teile[t].anfang, teile[t].laenge);
                    if (text.trimmed().isEmpty())
                        continue;
                    const QString msgid = Spieltexte::alsMsgid(text);
                    qsizetype i = index.value(msgid, -1);
                    if (i < 0) {
                        i = vorlage.texte.size();
                        index.insert(msgid, i);
                        vorlage.texte.append({msgid, {}, {}, false});
                    }
                    VorlagenText& v = vorlage.texte[i];
                    const QString ref = referenz(d.datei, dateiZeile);
                    // Places come in order: a place twice (question and answer) is the last.
                    if (v.referenzen.isEmpty() || v.referenzen.last() != ref)
                        v.referenzen << ref;
                    v.kommentare << (teile[t].auswahl ? wo + (t == 0 ? QStringLiteral(", Frage")
                                                                     : QStringLiteral(", Antwort"))
                                                      : wo);
                    v.auswahl = v.auswahl || teile[t].auswahl;
                }
            }
        }
    }
    return vorlage;
}

QHash<QString, qsizetype> Textvorlage::verzeichnis() const
{
    QHash<QString, qsizetype> index;
    index.reserve(texte.size());
    for (qsizetype i = 0; i < texte.size(); ++i)
        index.insert(texte[i].msgid, i);
    return index;
}

QByteArray Textvorlage::pot(const QString& spielname, const QDateTime& erstellt) const
{
    PoDatei datei;
    datei.kopf = QStringLiteral("Project-Id-Version: ") + spielname +
                 QStringLiteral("\n"
                                "Report-Msgid-Bugs-To: \n"
                                "POT-Creation-Date: ") +
                 erstellt.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm")) +
                 QStringLiteral("+0000\n"
                                "PO-Revision-Date: YEAR-MO-DA HO:MI+ZONE\n"
                                "Last-Translator: FULL NAME <EMAIL@ADDRESS>\n"
                                "Language-Team: LANGUAGE <LL@li.org>\n"
                                "Language: \n"
                                "MIME-Version: 1.0\n"
                                "Content-Type: text/plain; charset=UTF-8\n"
                                "Content-Transfer-Encoding: 8bit\n");
    datei.eintraege.reserve(texte.size());
    for (const VorlagenText& t : texte) {
        PoEintrag e;
        e.msgid = t.msgid;
        e.referenzen = t.referenzen;
        e.kommentare = t.kommentare;
        datei.eintraege.append(std::move(e));
    }
    return datei.schreiben(
        {QStringLiteral("Die Texte des Spiels „") + spielname + QStringLiteral("“ zum Übersetzen."),
         QStringLiteral("Geschrieben von tarnholm-texte: neu schreiben, nicht "
                        "von Hand ändern.")},
        true);
}
