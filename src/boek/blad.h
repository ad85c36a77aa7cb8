#pragma once

#include "invoice/factuur.h"

#include <QByteArray>

// The page of an issued invoice as records in the program's convention:
// everything the page, the printout, the PDF and the payment code take from
// the invoice (lines, headings, footer, both parties, date, number, layout,
// VAT and its case, pictures by name, the company details). Prices are
// written with a decimal comma whichever output last touched them, so the
// same invoice gives the same bytes after a print or an export.
QByteArray BladBytes(const Factuur& f);

// Puts such a page back into the invoice; the colour scheme and everything
// else the page does not show stay. Bytes cut short or out of shape change
// nothing and give false.
bool LeesBlad(Factuur& f, const QByteArray& bytes);
