#pragma once

// The drawing state of the logo designer: which tool, where the mouse went
// down, the two colours, fill style and eraser size. It lives as long as the
// window and starts afresh with it.

#include "imaging/pixels.h"

#include <QColor>

struct TekenStaat {
    int Gereedschap = 0;  // 1..12 as the buttons Knop(0..11); 0 = no tool
    int StartX = 0;       // where the button went down; freehand: the last point drawn
    int StartY = 0;
    int VorigeX = 0;      // the previous mouse point, for the rubber-band line
    int VorigeY = 0;
    imaging::Kleur TekenKleur{0, 0, 0};
    imaging::Kleur VulKleur{255, 255, 0};
    int VulStijl = 0;     // 0 solid, 2..7 line patterns
    int GumGrootte = 10;  // 10, 15, 20, 25 or 30 pixels
    int CirkelStraal = 5;
    bool TekstPlaatsen = false;
};

inline QColor QColorVan(imaging::Kleur k)
{
    return QColor(k.R, k.G, k.B);
}

inline imaging::Kleur KleurVan(const QColor& c)
{
    return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
            static_cast<std::uint8_t>(c.blue())};
}
