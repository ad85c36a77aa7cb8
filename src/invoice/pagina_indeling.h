#pragma once

#include "invoice/factuur.h"

#include <QLine>
#include <QPoint>

#include <array>
#include <optional>

// Where the headings, totals and rules of the page preview stand in a layout,
// in page pixels (the page is 400 x 600).
struct KopPlaats {
    bool zichtbaar = false;
    QPoint plaats;             // left, top
    double fontGrootte = 0;    // 0: the label keeps its font
    std::optional<QString> tekst;  // nothing: the label keeps its caption
};

struct LijnPlaats {
    bool zichtbaar = false;
    QLine lijn;
};

struct PaginaIndeling {
    std::array<KopPlaats, 13> Kop;     // 1-8 headings, 10-12 totals
    std::array<LijnPlaats, 8> Lijn;
    int prijsLinks = 0;                // left of the price column body
    bool btwKolommen = false;          // VAT and line total columns shown
};

constexpr char kLegeTotalen[] = "00000,00";

// Arranges the page for layout 1 or 2 and writes the VAT heading of that
// layout into the invoice; any other number changes nothing.
std::optional<PaginaIndeling> ZetLayout(Factuur& f, int layout, const QString& btwPercentage);

// The background picture reaches down to the first totals rule of the layout.
int AchtergrondHoogte(int layout);
