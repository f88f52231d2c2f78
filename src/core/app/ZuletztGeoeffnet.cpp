// The rooms and game folders last opened.
#include "ZuletztGeoeffnet.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {

QString sauber(const QString& pfad)
{
    return QDir::cleanPath(QFileInfo(pfad).absoluteFilePath());
}

bool gleich(const QString& a, const QString& b)
{
#ifdef Q_OS_WIN
    return a.compare(b, Qt::CaseInsensitive) == 0;
#else
    return a == b;
#endif
}

QStringList ohne(QStringList liste, const QString& pfad)
{
    liste.erase(std::remove_if(liste.begin(), liste.end(),
                               [&](const QString& p) { return gleich(p, pfad); }),
                liste.end());
    return liste;
}

const QString raeumeSchluessel = QStringLiteral("/Raeume");
/// Beside the groups of the folders, in the file's general part.
const QString spieleSchluessel = QStringLiteral("Spiele");

} // namespace

ZuletztGeoeffnet::ZuletztGeoeffnet(QString datei, const QString& spielOrdner)
    : einstellungen(std::move(datei)), ordner(sauber(spielOrdner))
{
    // Group names in INI files are not paths: the folder goes in by its hash, and is written
    // beside the list for whoever reads the file.
    gruppe = QString::fromLatin1(
        QCryptographicHash::hash(ordner.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
}

QStringList ZuletztGeoeffnet::raeume() const
{
    return lesen(gruppe + raeumeSchluessel, raeumeImSpeicher);
}

QStringList ZuletztGeoeffnet::spiele() const
{
    return lesen(spieleSchluessel, spieleImSpeicher);
}

QStringList ZuletztGeoeffnet::lesen(const QString& schluessel, const QStringList& imSpeicher) const
{
    QStringList gelesen;
    if (einstellungen.isEmpty()) {
        gelesen = imSpeicher;
    } else {
        QSettings s(einstellungen, QSettings::IniFormat);
        if (s.status() != QSettings::NoError)
            return {};
        const QVariant wert = s.value(schluessel);
        if (!wert.canConvert<QStringList>())
            return {};
        gelesen = wert.toStringList();
    }
    // What another program or a hand wrote there is taken only as far as it makes sense.
    QStringList liste;
    for (const QString& pfad : std::as_const(gelesen)) {
        if (liste.size() == Hoechstens)
            break;
        if (!pfad.isEmpty() && QDir::isAbsolutePath(pfad) &&
            ohne(liste, pfad).size() == liste.size())
            liste << pfad;
    }
    return liste;
}

void ZuletztGeoeffnet::hinzufuegen(const QString& pfad)
{
    const QString neu = sauber(pfad);
    QStringList liste = ohne(raeume(), neu);
    liste.prepend(neu);
    schreiben(gruppe + raeumeSchluessel, liste.mid(0, Hoechstens));
}

void ZuletztGeoeffnet::entfernen(const QString& pfad)
{
    const QStringList vorher = raeume();
    const QStringList nachher = ohne(ohne(vorher, pfad), sauber(pfad));
    if (nachher.size() != vorher.size())
        schreiben(gruppe + raeumeSchluessel, nachher);
}

void ZuletztGeoeffnet::spielBenutzt(const QString& ordner)
{
    const QString neu = sauber(ordner);
    QStringList liste = ohne(spiele(), neu);
    liste.prepend(neu);
    schreiben(spieleSchluessel, liste.mid(0, Hoechstens));
}

void ZuletztGeoeffnet::spielEntfernen(const QString& ordner)
{
    const QStringList vorher = spiele();
    const QStringList nachher = ohne(ohne(vorher, ordner), sauber(ordner));
    if (nachher.size() != vorher.size())
        schreiben(spieleSchluessel, nachher);
}

void ZuletztGeoeffnet::schreiben(const QString& schluessel, const QStringList& liste)
{
    if (einstellungen.isEmpty()) {
        (schluessel == spieleSchluessel ? spieleImSpeicher : raeumeImSpeicher) = liste;
        return;
    }
    // QSettings would carry along the pieces of a file it could not parse: such a file holds
    // nothing worth keeping and is begun afresh.
    if (QSettings(einstellungen, QSettings::IniFormat).status() == QSettings::FormatError)
        QFile::remove(einstellungen);
    QSettings s(einstellungen, QSettings::IniFormat);
    if (schluessel != spieleSchluessel)
        s.setValue(gruppe + QStringLiteral("/Ordner"), ordner);
    s.setValue(schluessel, liste);
    s.sync();
}
