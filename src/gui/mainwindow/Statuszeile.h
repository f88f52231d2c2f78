#pragma once

#include <QStatusBar>
#include <QVector>
#include <functional>

class QHBoxLayout;
class QLabel;

/// The line below the main window's client area: what happened around the room that needs no
/// modal box ("haus.lsd wurde außerhalb geändert und neu geladen"), with what the author may
/// do about it as buttons ("Neu laden", "Behalten"). It keeps its height while empty, so the
/// window never jumps.
class Statuszeile : public QStatusBar
{
    Q_OBJECT

public:
    /// A button: its caption ("&" before its key) and what a click does.
    struct Angebot
    {
        QString text;
        std::function<void()> tun;
    };

    explicit Statuszeile(QWidget* parent = nullptr);

    /// Shows `text` in place of what was there, with a button for each offer. A click clears
    /// the line before the offer runs, which may say something new.
    void melden(const QString& text, const QVector<Angebot>& angebote = {});
    void leeren() { melden(QString()); }
    QString text() const;
    /// The captions of the buttons shown, in order.
    QStringList angebote() const;

private:
    QLabel* zeile;
    QWidget* knoepfe;
    QHBoxLayout* knopfLayout;
};
