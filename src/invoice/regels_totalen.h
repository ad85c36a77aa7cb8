#pragma once

#include "invoice/factuur.h"

#include <QString>

#include <array>
#include <optional>

// The lines editor's own rule for the totals: the VAT is taken once, on the
// sum of the prices, and rounded to cents.

using RegelTeksten = std::array<QString, Factuur::kRegels>;

// A price box's text as a plain number ("-1234.50") when it is a number the
// way a Dutch user writes it: blanks, a sign and a euro sign around it, a
// decimal comma or point, points between thousands ("1.234,50").
std::optional<QString> GewoonGetal(const QString& tekst);

// Whether a price box holds such a number.
bool IsBedrag(const QString& tekst);

// The amount a price text stands for: every comma read as a decimal point.
platform::Bedrag BedragWaarde(const QString& tekst);

// A price box as the "Totaal" button leaves it: a number formatted with two
// decimals, anything else unchanged.
QString OpgemaaktePrijs(const QString& tekst);

// The sum of the prices as the "Totaal" button formats them (so rounded to
// cents).
platform::Bedrag SomVanPrijzen(const RegelTeksten& prijzen);

// Confirms the typed lines: stores them (prices with decimal commas),
// rebuilds the five columns and computes the three totals.
void BevestigRegels(Factuur& f, const RegelTeksten& aantal, const RegelTeksten& omschrijving,
                    const RegelTeksten& prijs);
