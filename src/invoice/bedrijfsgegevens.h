#pragma once

#include "invoice/btw_geval.h"

#include <QString>

// The seller's structured details ("Bedrijfsgegevens"): what the payment code
// and the e-invoice need beyond the six free lines of the sender block.
// Kept in "Bedrijf.ini" beside the settings; empty until the user fills them.
// Every field is listed once, in bedrijf_velden.h.
struct Bedrijfsgegevens {
    QString Bedrijfsnaam;
    QString Straat;                 // street and house number
    QString Postcode;
    QString Plaats;
    QString Land = QStringLiteral("NL");   // two-letter country code
    QString KvkNummer;
    QString BtwNummer;
    QString Iban;                   // stored without blanks, upper case
    QString Bic;
    QString Email;
    int Betaaltermijn = 30;         // days
    bool BetaalQr = false;          // "Betaal-QR op de factuur"
    // The case an invoice at 0 % usually is, so a small business under the
    // KOR does not choose it on every invoice, and the reason it gives.
    NulTarief Nultarief = NulTarief::NulProcent;
    QString RedenVrijstelling = QStringLiteral("kleineondernemersregeling");
    bool VerkopersRegel = false;    // "KvK- en btw-nummer op de factuur"
};
