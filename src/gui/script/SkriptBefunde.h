#pragma once

#include "check/SkriptPruefer.h"

#include <QObject>
#include <functional>

class Module1;
class Pruefdienst;
class QLabel;
class QWidget;

/// What the script editor shows of the game check: the checker of AktSkript against the game
/// the service knows, and the line at the bottom of the window with the selected line's
/// findings, or the script's count. The marks on the rows come from the same checker.
class SkriptBefunde : public QObject
{
    Q_OBJECT

public:
    /// The line lies in `fenster` at height `oben`, as wide as the window.
    SkriptBefunde(Module1& raum, QWidget* fenster, int oben);

    static constexpr int Hoehe = 18;

    const SkriptPruefer& pruefer() const { return p; }
    /// The selected line, -1 for none.
    std::function<int()> gewaehlt;
    /// The rows of the script are painted anew.
    std::function<void()> neuZeichnen;

    /// Checks against the game the service knows, with the open room in place of its file,
    /// which `raumDatei` names (a full path or empty). Without a service the script is
    /// checked on its own.
    void anschliessen(Pruefdienst* dienst, std::function<QString()> raumDatei);
    /// Where AktSkript comes from; an item script's file may be a full path.
    void herkunftSetzen(const SkriptPruefer::Herkunft& herkunft);
    /// Takes in the room and the game as they are now, without checking yet.
    void umfeldSetzen();

    void allesPruefen();
    /// A line's parameter was typed: `alt` is what it held.
    void getippt(qint32 zeile, const QString& alt);
    /// The line at the bottom follows the selection.
    void zeigen();
    /// What the line at the bottom says.
    QString text() const;

private:
    /// The analysis' stretches of the script as saved; none once the script differs from it.
    void nieNachfuehren();

    Module1& m;
    QWidget* fenster;
    SkriptPruefer p;
    SkriptPruefer::Herkunft herkunft;
    Pruefdienst* dienst = nullptr;
    std::function<QString()> raumDatei;
    QLabel* zeichen;
    QLabel* zeile;
};
