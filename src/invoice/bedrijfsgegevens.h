#pragma once

#include <QString>

// The seller's structured details ("Bedrijfsgegevens"): what the payment code
// and the e-invoice need beyond the six free lines of the sender block.
// Kept in "Bedrijf.ini" beside the settings; empty until the user fills them.
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
};
