#include "ErstesBild.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace ErstesBild {

namespace {

/// Qt draws the whole window while it handles the window's first expose event; what is queued
/// from there comes after that frame.
class Wache : public QObject
{
public:
    Wache(QWidget& fenster, std::function<void()> tun)
        : QObject(&fenster), fenster(fenster), tun(std::move(tun))
    {
    }

    bool eventFilter(QObject* objekt, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(objekt)->isExposed()) {
            objekt->removeEventFilter(this);
            QTimer::singleShot(0, &fenster, std::move(tun));
            deleteLater();
        }
        return false;
    }

private:
    QWidget& fenster;
    std::function<void()> tun;
};

} // namespace

void danach(QWidget& fenster, std::function<void()> tun)
{
    QWindow* fensterImSystem = fenster.window()->windowHandle();
    if (!fensterImSystem || fensterImSystem->isExposed()) {
        QTimer::singleShot(0, &fenster, std::move(tun));
        return;
    }
    fensterImSystem->installEventFilter(new Wache(fenster, std::move(tun)));
}

} // namespace ErstesBild
