#pragma once

#include "raeume/RaumEintrag.h"

#include <QAbstractListModel>
#include <QHash>

class Vorschauen;

/// The rooms of the game as the "Bilder" tab lists them: the file name, the thumbnail as
/// decoration, the counts and the reason a room cannot be read in roles of their own.
class RaumBildModell : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Rolle
    {
        DateiRolle = Qt::UserRole + 1,
        HotSpotsRolle,
        FehlerRolle,
        /// Why the room cannot be read; empty when it can.
        GrundRolle,
        /// The room is open in the editor.
        OffenRolle
    };

    explicit RaumBildModell(Vorschauen& vorschauen, QObject* parent = nullptr);

    /// The rooms now. The same files keep their rows, so the selection stays.
    void setzen(QVector<RaumEintrag> raeume);
    /// The file (as the game names it) open in the editor; empty for none.
    void offenerRaum(const QString& datei);
    /// The row of the room file, or -1.
    int zeile(const QString& datei) const { return zeilen.value(datei, -1); }
    const QVector<RaumEintrag>& raeume() const { return eintraege; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    void zeileGeaendert(int zeile, const QList<int>& rollen = {});

    Vorschauen& vorschauen;
    QVector<RaumEintrag> eintraege;
    QHash<QString, int> zeilen;
    QString offen;
};
