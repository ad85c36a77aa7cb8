#pragma once

#include "invoice/factuur.h"

#include <QString>

// The VAT category of the standard that the invoice's rate and 0 % case make.
struct BtwCategorie {
    QString code;        // "S" above 0 %; at 0 % the code of the case
    int procent;
    QString redenCode;   // VATEX code; empty when the case has none
    QString reden;       // the exemption reason; empty where the standard forbids one
};

BtwCategorie BtwCategorieVan(const Factuur& f);

// An intra-community supply: goods to a buyer in another member state.
bool IsIntracommunautair(const BtwCategorie& c);
