#pragma once

// A line of text on the logo canvas, optionally with a soft shadow and a
// border, as the text panel sets it up.

#include "imaging/pixels.h"

#include <QString>

#include <optional>

namespace platform {
class Surface;
}

struct TekstOpmaak {
    QString lettertype = QStringLiteral("Arial");
    double grootte = 12;  // points
    bool vet = false;
    bool schuin = false;
    bool onderstreept = false;
    bool rand = false;     // border in the draw colour
    bool schaduw = false;  // shadow down and to the right
    imaging::Kleur tekenKleur;
    imaging::Kleur vulKleur;
};

// Prints Cs with its top-left at (cX, cY): first the shadow, eight greys from
// the lightest furthest away, then the border around it in the draw colour,
// then the text itself in the fill colour.
void MaakTekst(platform::Surface& vlak, const TekstOpmaak& opmaak, int cX, int cY, const QString& Cs);

// The size the text panel holds, when it is a usable number of points.
std::optional<double> LetterGrootte(const QString& tekst);
