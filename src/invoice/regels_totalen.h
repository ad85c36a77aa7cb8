#pragma once

#include "invoice/factuur.h"
#include "invoice/prijs.h"

#include <QString>

#include <array>
#include <optional>

// The lines editor's own rule for the totals: the VAT is taken once, on the
// sum of the prices, and rounded to cents.

using RegelTeksten = std::array<QString, Factuur::kRegels>;

// The sum of the prices as the "Totaal" button formats them (so rounded to
// cents).
platform::Bedrag SomVanPrijzen(const RegelTeksten& prijzen);

// The three totals by this rule, in cents: the sum of the prices, its VAT,
// and the two together. The e-invoice states the same amounts.
struct Totalen {
    platform::Bedrag exBtw;
    platform::Bedrag btw;
    platform::Bedrag inclBtw;
};
Totalen TotalenVan(const RegelTeksten& prijzen, int btwProcent);

// The first line (from 0) whose price is too large to compute, if any, and
// what the lines editor says of it.
std::optional<int> TeGrotePrijs(const RegelTeksten& prijzen);
QString TeGrotePrijsMelding(int regel, const QString& prijs);

// Confirms the typed lines: stores them (with decimal commas; a price that
// text would misread as "Totaal" formats it), rebuilds the five columns and
// computes the three totals.
void BevestigRegels(Factuur& f, const RegelTeksten& aantal, const RegelTeksten& omschrijving,
                    const RegelTeksten& prijs);
