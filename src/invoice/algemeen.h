#pragma once

#include "invoice/factuur.h"

#include <QFont>
#include <QStringList>

// Rebuilds the five column texts and the three totals from the lines; every
// price is held with a point on the way (PrijsMetPunt).
void HerberekenFactuur(Factuur& f);

// The amount, the VAT and the total of one line: the price counts in cents
// (PrijsInCenten), its VAT and total exact and unrounded. The page columns,
// the printout and the PDF share it.
struct RegelBedrag {
    platform::Bedrag prijs;
    platform::Bedrag btw;
    platform::Bedrag totaal;
};
RegelBedrag BerekenRegel(const QString& prijs, int btwProcent);

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
