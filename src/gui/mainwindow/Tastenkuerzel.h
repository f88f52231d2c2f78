#pragma once

#include <QDialog>
#include <QPair>
#include <QString>
#include <QVector>

/// The window "Tastenkürzel": the keys of the editor's windows, a group for each window.
class Tastenkuerzel : public QDialog
{
    Q_OBJECT

public:
    /// Keys, and what they do.
    using Taste = QPair<QString, QString>;
    struct Gruppe
    {
        QString fenster;
        QVector<Taste> tasten;
    };

    explicit Tastenkuerzel(const QVector<Gruppe>& gruppen, QWidget* parent = nullptr);
};
