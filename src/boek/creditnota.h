#pragma once

#include "boek/uitgifte.h"
#include "invoice/factuur.h"

#include <QDate>

// Turns an issued invoice, put back on the page, into its credit note: the
// same lines with the opposite sign, its own number and today's date, and
// the invoice it corrects named on it. The totals follow the lines.
void MaakCreditnota(Factuur& f, const Uitgifte& factuur, const QString& nummer, QDate vandaag);

// A price with the opposite sign, as typed otherwise: "12,50" -> "-12,50",
// "-3" -> "3"; a price of nothing stays as it is.
QString TegengesteldePrijs(const QString& prijs);
