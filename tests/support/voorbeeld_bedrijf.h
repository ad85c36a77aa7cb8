#pragma once

#include "invoice/bedrijfsgegevens.h"

// Company details with a value in the fields a broken file tends to lose.
inline Bedrijfsgegevens VoorbeeldBedrijf()
{
    Bedrijfsgegevens b;
    b.Bedrijfsnaam = QStringLiteral("Korpela");
    b.Straat = QStringLiteral("Lindeplein 59");
    b.KvkNummer = QStringLiteral("12345678");
    b.Iban = QStringLiteral("NL91ABNA0417164300");
    b.Email = QStringLiteral("info@korpela.nl");
    return b;
}
