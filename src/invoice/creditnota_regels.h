#pragma once

#include "invoice/factuur.h"

#include <QStringList>

// A credit note corrects an issued invoice and names it; an invoice names none.
bool IsCreditnota(const Factuur& f);

// What a credit note's page says above the address, page, printout and PDF
// alike: "Creditnota", then which invoice of which date it corrects
// ("Betreft factuur 2026-117 van 05-12-2026"). Nothing on an invoice.
QStringList CreditnotaRegels(const Factuur& f);
