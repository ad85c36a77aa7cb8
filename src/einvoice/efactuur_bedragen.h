#pragma once

#include "invoice/factuur.h"
#include "platform/amount.h"

#include <QString>

#include <vector>

// One invoice line of the e-invoice.
struct EfactuurRegel {
    int nummer;              // the line's place on the invoice, from 1
    QString naam;            // the description; the first column or "Regel n" when it is blank
    QString notitie;         // the first column's text, usually a date
    int aantal;              // 1, or -1 for a negative price: the standard forbids a negative net price
    platform::Bedrag prijs;  // the net price, never negative, as exact as typed
    platform::Bedrag bedrag; // the line amount, rounded to cents
};

// The lines and totals the standard computes: line amounts rounded half away
// from zero to cents, their sum, the VAT of that sum rounded once.
struct EfactuurBedragen {
    std::vector<EfactuurRegel> regels;
    platform::Bedrag totaalExBtw;
    platform::Bedrag btw;
    platform::Bedrag totaalInclBtw;
};

// Every line with a non-blank description or a non-zero price. A credit
// note's amounts as the document states them: what it credits, the
// opposite of its page.
EfactuurBedragen BerekenEfactuur(const Factuur& f);
