#pragma once

#include "invoice/factuur.h"

#include <QFont>
#include <QStringList>

// Rebuilds the five column texts and the three totals from the lines; every
// comma in a price becomes a point on the way.
void HerberekenFactuur(Factuur& f);

// The VAT and the total of one line, exact and unrounded: the rule the page
// columns, the printout and the PDF share.
struct RegelBedrag {
    platform::Bedrag btw;
    platform::Bedrag totaal;
};
RegelBedrag BerekenRegel(platform::Bedrag prijs, int btwProcent);

// The price of a line as a number: a decimal comma is read as a point.
platform::Bedrag RegelPrijs(const QString& prijs);

// Rebuilds the VAT and line total columns from the prices as they stand, so
// the page never shows the VAT of lines that were changed since.
void BouwBtwKolommen(Factuur& f);

// The lines a text box shows for a text: hard breaks and word wrap at the
// box's font and text width. As the edit control reports them, the result
// holds one more, empty entry after the last displayed line; a wrapped line
// keeps its trailing blank.
QStringList TekstRegels(const QString& tekst, const QFont& font, double tekstBreedte);

// "Btw " + percentage + "%", the VAT heading.
QString BtwKop(const QString& percentage);

// Six upper-case hex digits, red first.
QString RgbNaarHex(int rood, int groen, int blauw);
