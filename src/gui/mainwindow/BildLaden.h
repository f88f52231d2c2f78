#pragma once

#include <functional>

class Desktop;
class Module1;
class Picture1;
class QWidget;
class RaumVerlauf;

/// "Bild Laden": a background picture chosen, tried on the canvas, and made the room's
/// through its history; a picture of another size may be saved stretched as BMP.
class BildLaden
{
public:
    BildLaden(Module1& raum, Desktop& desktop, RaumVerlauf& verlauf, Picture1& picture1,
              QWidget& fenster);

    /// Draws the room anew when the picture chosen is the one it has.
    std::function<void()> bildAufbau;

    void ausfuehren();

private:
    Module1& m;
    Desktop& desktop;
    RaumVerlauf& verlauf;
    Picture1& picture1;
    QWidget& fenster;
};
